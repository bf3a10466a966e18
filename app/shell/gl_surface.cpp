#include "app/shell/gl_surface.h"

#include <QExposeEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QResizeEvent>
#include <QSurfaceFormat>
#include <QWheelEvent>

#include <cmath>

namespace {

QSurfaceFormat RequestedFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    format.setSwapInterval(1);
    return format;
}

} // namespace

CGLSurface::CGLSurface() {
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(RequestedFormat());
}

CGLSurface::~CGLSurface() {
    if (context_) {
        context_->doneCurrent();
        delete context_;
    }
}

std::string CGLSurface::CreateContext() {
    if (context_) return {};
    create();
    auto* context = new QOpenGLContext;
    context->setFormat(requestedFormat());
    if (!context->create()) {
        delete context;
        return "ChoosePixelFormat failed";
    }
    if (!context->makeCurrent(this)) {
        delete context;
        return "SetPixelFormat failed";
    }
    context_ = context;
    return {};
}

bool CGLSurface::MakeCurrent() {
    return context_ && context_->makeCurrent(this);
}

void CGLSurface::DoneCurrent() {
    if (context_) context_->doneCurrent();
}

void CGLSurface::SwapBuffers() {
    // Swapping an unmapped window is undefined; the frame is simply dropped.
    if (context_ && isExposed()) context_->swapBuffers(this);
}

QSize CGLSurface::PixelSize() const {
    const qreal ratio = devicePixelRatio();
    return {static_cast<int>(std::lround(width() * ratio)),
            static_cast<int>(std::lround(height() * ratio))};
}

QPoint CGLSurface::ToPixels(QPointF logical) const {
    const qreal ratio = devicePixelRatio();
    return {static_cast<int>(std::floor(logical.x() * ratio)),
            static_cast<int>(std::floor(logical.y() * ratio))};
}

void CGLSurface::exposeEvent(QExposeEvent*) {
    if (isExposed()) emit Exposed();
}

void CGLSurface::resizeEvent(QResizeEvent*) {
    emit Resized(PixelSize());
}

void CGLSurface::mousePressEvent(QMouseEvent* event) {
    emit MousePressed(event->button(), ToPixels(event->position()));
}

void CGLSurface::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(ToPixels(event->position()), event->buttons());
}

void CGLSurface::keyPressEvent(QKeyEvent* event) {
    bool accepted = false;
    emit KeyPressed(event, &accepted);
    if (!accepted) QWindow::keyPressEvent(event);
}

void CGLSurface::wheelEvent(QWheelEvent* event) {
    constexpr float kEighthsOfADegreePerNotch = 120.0f;
    const int delta = event->angleDelta().y();
    if (delta != 0) emit WheelTurned(float(delta) / kEighthsOfADegreePerNotch);
    event->accept();
}
