#include "render/gl/multisample_target.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kWantedSamples = 4;

// Framebuffer objects with multisampled storage and blits: core from GL 3.0,
// an extension before.
bool HasMultisampledFramebuffers() {
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (!version) return false;
    if (std::atoi(version) >= 3) return true;
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions && std::strstr(extensions, "GL_ARB_framebuffer_object");
}

} // namespace

bool CMultisampleTarget::Begin(int width, int height) {
    if (unavailable_ || width <= 0 || height <= 0) return false;
    if ((!framebuffer_ || width != width_ || height != height_) && !Make(width, height))
        return false;
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    return true;
}

void CMultisampleTarget::End() {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, width_, height_, 0, 0, width_, height_, GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

bool CMultisampleTarget::Make(int width, int height) {
    Release();
    if (!HasMultisampledFramebuffers()) {
        unavailable_ = true;
        return false;
    }
    GLint most = 0;
    glGetIntegerv(GL_MAX_SAMPLES, &most);
    samples_ = std::min(kWantedSamples, int(most));
    if (samples_ < 2) {
        unavailable_ = true;
        return false;
    }
    glGenFramebuffers(1, &framebuffer_);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    const auto storage = [&](unsigned int& name, GLenum format, GLenum attachment) {
        glGenRenderbuffers(1, &name);
        glBindRenderbuffer(GL_RENDERBUFFER, name);
        glRenderbufferStorageMultisample(GL_RENDERBUFFER, samples_, format, width, height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, attachment, GL_RENDERBUFFER, name);
    };
    storage(colour_, GL_RGBA8, GL_COLOR_ATTACHMENT0);
    storage(depth_, GL_DEPTH_COMPONENT24, GL_DEPTH_ATTACHMENT);
    glBindRenderbuffer(GL_RENDERBUFFER, 0);
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        Release();
        unavailable_ = true;
        return false;
    }
    width_ = width;
    height_ = height;
    return true;
}

void CMultisampleTarget::Release() {
    if (framebuffer_) glDeleteFramebuffers(1, &framebuffer_);
    for (unsigned int* buffer : {&colour_, &depth_})
        if (*buffer) glDeleteRenderbuffers(1, buffer);
    framebuffer_ = colour_ = depth_ = 0;
    width_ = height_ = samples_ = 0;
}
