#include "app/controller/scene.h"

#include "render/geometry/matrix.h"
#include "render/geometry/vector.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The camera's tilt stays between a low view and one from high above.
constexpr float kMaxYAngle = 0.7479983f;
constexpr float kMinYAngle = -0.5235988f;
constexpr float kPixelsPerRadian = 100.0f;

// Nearer than this a square at the edge of a board seen square-on leaves a
// view of 4:3 at the lowest tilt; farther than this the board grows too
// small to play on.
constexpr float kNearestCamera = 10.0f;
constexpr float kFarthestCamera = 20.0f;
constexpr float kZoomStep = 1.1f; // distance factor of one wheel notch

// m := R * m, R applied after the current orientation (column-major).
void TurnAfter(float m[16], const float turn[16]) {
    MultiplyMatrices(m, m, turn);
}

} // namespace

void CScene::SetViewSize(int width, int height) {
    viewWidth = width;
    viewHeight = height;
    aspect = height != 0 ? float(width) / float(height) : 1.0f;
}

void CScene::ApplyCamera() {
    host.ApplyCamera();
}

void CScene::ResetCamera() {
    settings.yAngle = 0;
    SetHalfTurn(settings.matrix);
    for (int i = 0; i < 9; ++i) orientation[i] = i % 4 == 0 ? 1.0f : 0.0f;
    settings.eye = {0, 8, 8};
    settings.cameraDistance = kStandardCameraDistance;
    lookAt = {0, 0, 0};
    ApplyCamera();
}

void CScene::RotateBoard() {
    float halfTurn[16];
    SetHalfTurn(halfTurn);
    TurnAfter(settings.matrix, halfTurn);
    DrawFrame();
}

void CScene::RotateCamera(float dx, float dy) {
    float v = dy / kPixelsPerRadian;
    float& yAngle = settings.yAngle;
    yAngle += v;
    if (yAngle > kMaxYAngle) {
        v -= yAngle - kMaxYAngle;
        yAngle = kMaxYAngle;
    }
    if (yAngle < kMinYAngle) {
        v -= yAngle - kMinYAngle;
        yAngle = kMinYAngle;
    }

    float turn[16];
    SetIdentity(turn);
    SetRotation(turn, 0, 0, dx / kPixelsPerRadian);
    TurnAfter(settings.matrix, turn);

    point3d& eye = settings.eye;
    const float c = std::cos(v), s = std::sin(v);
    const float y = eye.y * c - eye.z * s;
    eye.z = eye.y * s + eye.z * c;
    eye.y = y;

    ApplyCamera();
    DrawFrame();
}

void CScene::ZoomCamera(float steps) {
    settings.cameraDistance *= std::pow(kZoomStep, -steps);
    KeepCameraDistanceInLimits();
    ApplyCamera();
    DrawFrame();
}

void CScene::KeepCameraDistanceInLimits() {
    float& distance = settings.cameraDistance;
    distance = std::isfinite(distance) ? std::clamp(distance, kNearestCamera, kFarthestCamera)
                                       : kStandardCameraDistance;
}

// "Camera Position" stays at the distance a build without zoom keeps, so that
// such a build reads a sensible camera from the same files; the zoom is the
// distance of a key of its own, a factor on that position. Unzoomed, the eye
// is "Camera Position" to the bit, however tilting has rounded its length.
point3d CScene::Eye() const {
    const float zoom = CameraZoom();
    if (zoom == 1.0f) return settings.eye;
    point3d offset, eye;
    Sub(offset, settings.eye, lookAt);
    Scaled(offset, offset, zoom);
    Add(eye, lookAt, offset);
    return eye;
}

point3d CScene::WindowToWorld(int x, int y) const {
    point3d p;
    Sub(p, Eye(), lookAt);
    // Half the view's height at the target's distance (half of 45 degrees).
    const float d = float(std::tan(std::numbers::pi / 8)) * Length(p);
    const float sx = -d * float(x - viewWidth / 2) / (float(viewWidth) * 0.5f) * aspect;
    const float sy = d * float(y - viewHeight / 2) / (float(viewHeight) * 0.5f);

    Normalize(p);
    point3d r, q;
    Cross(r, point3d{0, 1, 0}, p);
    Normalize(r);
    Cross(q, p, r);

    point3d result, step;
    Scaled(step, q, sy);
    Add(result, lookAt, step);
    Scaled(step, r, sx);
    Add(result, result, step);
    return result;
}
