#pragma once

#include "render/offscreen_context.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

using sPixel = COffscreenContext::sPixel;

inline void PrintTo(const sPixel& p, std::ostream* os) {
    *os << "(" << int(p.r) << ", " << int(p.g) << ", " << int(p.b) << ", " << int(p.a) << ")";
}

inline bool Near(const sPixel& p, int r, int g, int b, int tolerance = 2) {
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance &&
           std::abs(p.b - b) <= tolerance;
}

// A 240 x 240 pbuffer looking straight down on board space, 20 pixels a
// unit, x to the right and y up, the board's centre in the middle.
class CGlTest : public ::testing::Test {
protected:
    static constexpr int kSize = 240;
    static constexpr float kHalfSpan = 6;

    void SetUp() override {
        if (!context.Valid()) GTEST_SKIP() << "no GLX pbuffer on this display";
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-kHalfSpan, kHalfSpan, -kHalfSpan, kHalfSpan, -20, 20);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_COLOR_MATERIAL);
        glEnable(GL_LIGHT0);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glClearColor(0, 0, 1, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // The pixel under board point (x, y).
    sPixel At(float x, float y) const {
        const float scale = kSize / (2 * kHalfSpan);
        return context.Pixel(int((x + kHalfSpan) * scale), int((y + kHalfSpan) * scale));
    }
    sPixel AtSquare(int x, int y) const { return At(x - 3.5f, y - 3.5f); }

    COffscreenContext context{kSize, kSize};
};
