#include "midi/midi_keyboard_widget.h"

#include "midi/control_class.h"
#include "midi/control_registry.h"
#include "midi/play_state.h"

#include <QMetaObject>
#include <QPainter>
#include <QThread>

#include <mutex>

namespace midi {
namespace {

QColor ToQColor(KeyColour c) {
    return QColor(c.r, c.g, c.b);
}

// Rectangles exclude their right and bottom edges, as the layout gives them.
QRect ToQRect(const KeyRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

// The rectangle a 1-pixel pen outlines to cover exactly the given area.
QRect OutlineOf(const KeyRect& r) {
    return QRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
}

QWidget* CreateKeyboard(QWidget* parent) {
    return new MidiKeyboardWidget(parent);
}

const bool registered =
    (tonmark::RegisterControlClass(MidiKeyboardWidget::kClassName, &CreateKeyboard), true);

} // namespace

MidiKeyboardWidget::MidiKeyboardWidget(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::ArrowCursor);
    QPalette background = palette();
    background.setColor(QPalette::Window, ToQColor(kBackgroundColour));
    setPalette(background);
    setAutoFillBackground(true);
    std::lock_guard lock(ComponentMutex());
    RegisterControl(this, &keyboard_);
}

MidiKeyboardWidget::~MidiKeyboardWidget() {
    std::lock_guard lock(ComponentMutex());
    UnregisterControl(this);
}

QSize MidiKeyboardWidget::sizeHint() const {
    return QSize(kKeyboardFrame.right + kKeyboardFrame.left, kKeyboardFrame.bottom);
}

void MidiKeyboardWidget::paintEvent(QPaintEvent*) {
    std::array<KeyColour, kKeyCount> colours;
    std::array<KeyRect, kKeyCount> rects;
    {
        std::lock_guard lock(ComponentMutex());
        for (int k = 0; k < kKeyCount; ++k) {
            colours[k] = keyboard_.ColourOf(k);
            rects[k] = keyboard_.keys()[k].rect;
        }
    }
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    for (int k = 0; k < kKeyCount; ++k) {
        painter.setBrush(ToQColor(colours[k]));
        painter.drawRect(OutlineOf(rects[k]));
    }
    painter.setPen(ToQColor(kBlackKeyColour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(OutlineOf(kKeyboardFrame));
}

void MidiKeyboardWidget::InvalidateKey(const KeyRect& rect) {
    Repaint(ToQRect(rect));
}

void MidiKeyboardWidget::InvalidateAll() {
    Repaint(rect());
}

void MidiKeyboardWidget::Repaint(const QRect& area) {
    if (QThread::currentThread() == thread()) {
        update(area);
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, area] { update(area); }, Qt::QueuedConnection);
}

} // namespace midi
