#include "render/offscreen_context.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <chrono>
#include <thread>

struct COffscreenContext::sImpl {
    Display* display = nullptr;
    GLXPbuffer pbuffer = 0;
    GLXContext context = nullptr;
};

COffscreenContext::COffscreenContext(int width, int height)
    : impl_(std::make_unique<sImpl>()), width_(width), height_(height) {
    // A busy X server now and then refuses a connection it takes a moment later.
    for (int attempt = 0; attempt < 5 && !impl_->display; ++attempt) {
        if (attempt) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        impl_->display = XOpenDisplay(nullptr);
    }
    if (!impl_->display) return;
    const int attributes[] = {GLX_DRAWABLE_TYPE,
                              GLX_PBUFFER_BIT,
                              GLX_RENDER_TYPE,
                              GLX_RGBA_BIT,
                              GLX_RED_SIZE,
                              8,
                              GLX_GREEN_SIZE,
                              8,
                              GLX_BLUE_SIZE,
                              8,
                              GLX_DEPTH_SIZE,
                              24,
                              None};
    int count = 0;
    GLXFBConfig* configs =
        glXChooseFBConfig(impl_->display, DefaultScreen(impl_->display), attributes, &count);
    if (!configs || count == 0) return;
    const int size[] = {GLX_PBUFFER_WIDTH, width, GLX_PBUFFER_HEIGHT, height, None};
    impl_->pbuffer = glXCreatePbuffer(impl_->display, configs[0], size);
    impl_->context = glXCreateNewContext(impl_->display, configs[0], GLX_RGBA_TYPE, nullptr, True);
    XFree(configs);
    if (!impl_->pbuffer || !impl_->context ||
        !glXMakeContextCurrent(impl_->display, impl_->pbuffer, impl_->pbuffer, impl_->context)) {
        if (impl_->context) glXDestroyContext(impl_->display, impl_->context);
        impl_->context = nullptr;
        return;
    }
    glViewport(0, 0, width, height);
}

COffscreenContext::~COffscreenContext() {
    if (!impl_->display) return;
    if (impl_->context) {
        glXMakeContextCurrent(impl_->display, None, None, nullptr);
        glXDestroyContext(impl_->display, impl_->context);
    }
    if (impl_->pbuffer) glXDestroyPbuffer(impl_->display, impl_->pbuffer);
    XCloseDisplay(impl_->display);
}

bool COffscreenContext::Valid() const {
    return impl_->context != nullptr;
}

COffscreenContext::sPixel COffscreenContext::Pixel(int x, int y) const {
    sPixel pixel{};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, &pixel);
    return pixel;
}
