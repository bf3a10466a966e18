#pragma once

#include <QPoint>
#include <QSize>
#include <QWindow>

#include <string>

class QOpenGLContext;

// The view's drawing surface: a native window with its own fixed-function
// GL context, so that a frame can be drawn and swapped at once from any
// handler (also from inside an animation loop), without waiting for Qt's
// paint cycle.
class CGLSurface : public QWindow {
    Q_OBJECT
public:
    CGLSurface();
    ~CGLSurface() override;

    // Creates the context: double buffer, RGBA, 24 colour bits, 24 depth
    // bits, vertical sync. Returns empty on success, else the failure text.
    std::string CreateContext();
    bool HasContext() const { return context_ != nullptr; }
    bool MakeCurrent();
    void DoneCurrent();
    void SwapBuffers();

    // Size and positions in device pixels, the unit of the GL viewport.
    QSize PixelSize() const;
    QPoint ToPixels(QPointF logical) const;

signals:
    void Exposed();
    void Resized(QSize pixels);
    void MousePressed(Qt::MouseButton button, QPoint pixel);
    void MouseMoved(QPoint pixel, Qt::MouseButtons buttons);
    // A key pressed while this window has the keyboard; `accepted` is set
    // by the receiver that takes it.
    void KeyPressed(QKeyEvent* event, bool* accepted);
    // Wheel notches turned, away from the user positive; fractions come
    // from fine-grained wheels and touchpads.
    void WheelTurned(float notches);

protected:
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    QOpenGLContext* context_ = nullptr;
};
