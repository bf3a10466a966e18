#pragma once

// An offscreen framebuffer with several samples a pixel, resolved into the
// window's back buffer at the end of a frame: edges without steps, switched
// on and off from frame to frame whatever the window's own format is.
class CMultisampleTarget {
public:
    CMultisampleTarget() = default;
    CMultisampleTarget(const CMultisampleTarget&) = delete;
    CMultisampleTarget& operator=(const CMultisampleTarget&) = delete;

    // Makes the target (again, for a new size) and draws into it. False when
    // the GL offers no multisampled framebuffers: the frame then goes to the
    // window as usual.
    bool Begin(int width, int height);
    // Resolves the samples into the back buffer and draws there again.
    void End();
    // Deletes the target; the context must be current.
    void Release();
    // How many samples a pixel the target has (0 before the first Begin).
    int Samples() const { return samples_; }

private:
    bool Make(int width, int height);

    unsigned int framebuffer_ = 0, colour_ = 0, depth_ = 0;
    int width_ = 0, height_ = 0, samples_ = 0;
    bool unavailable_ = false;
};
