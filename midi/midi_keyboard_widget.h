#pragma once

#include "midi/midi_keyboard.h"

#include <QWidget>

namespace midi {

// The "MIDI_KB" control: draws the keyboard of its CMidiKeyboard and lights
// the keys that sound. Its address is the handle the exported calls take.
class MidiKeyboardWidget final : public QWidget, private KeyboardView {
public:
    static constexpr char kClassName[] = "MIDI_KB";

    explicit MidiKeyboardWidget(QWidget* parent = nullptr);
    ~MidiKeyboardWidget() override;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // May be called from the player thread: repaints reach the widget on
    // its own thread.
    void InvalidateKey(const KeyRect& rect) override;
    void InvalidateAll() override;
    void Repaint(const QRect& area);

    CMidiKeyboard keyboard_{this};
};

} // namespace midi
