#include "app/controller/square_projection.h"

#include "app/controller/scene.h"
#include "render/geometry/matrix.h"
#include "render/geometry/vector.h"

#include <cmath>
#include <numbers>

bool SquareToWindow(const CScene& scene, int x, int y, sWindowPoint& pixel) {
    point3d centre;
    TransformColumns(centre, {float(x) - 3.5f, float(y) - 3.5f, 0}, scene.settings.matrix);

    // The camera's frame exactly as WindowToWorld builds it.
    const point3d eye = scene.Eye();
    point3d p;
    Sub(p, eye, scene.lookAt);
    const double d = std::tan(std::numbers::pi / 8) * Length(p);
    const double distance = Length(p);
    Normalize(p);
    point3d r, q;
    Cross(r, point3d{0, 1, 0}, p);
    Normalize(r);
    Cross(q, p, r);

    // The ray from the eye through the centre meets the plane through lookAt
    // that faces the camera.
    point3d toCentre;
    Sub(toCentre, eye, centre);
    const double depth = Dot(toCentre, p);
    if (depth <= 0) return false;
    point3d onPlane, offset;
    Scaled(onPlane, toCentre, float(-distance / depth));
    Add(onPlane, eye, onPlane);
    Sub(offset, onPlane, scene.lookAt);
    const double sx = Dot(offset, r), sy = Dot(offset, q);

    const double halfWidth = scene.viewWidth * 0.5, halfHeight = scene.viewHeight * 0.5;
    pixel.x = scene.viewWidth / 2 + int(std::lround(-sx * halfWidth / (d * scene.aspect)));
    pixel.y = scene.viewHeight / 2 + int(std::lround(sy * halfHeight / d));
    return true;
}
