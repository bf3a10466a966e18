#pragma once

#include "image.h"
#include "shapes.h"

namespace assetgen {

// Paints distance-field shapes onto a picture whose side is one unit: (0, 0) is the top
// left corner, (1, 1) the bottom right one. Edges are smoothed over one pixel.
class Canvas {
public:
    explicit Canvas(Image& image) : image_(image) {}

    float pixel() const { return 1.0f / float(image_.width()); }
    Vec2 centreOf(int x, int y) const;

    // Blends the colour fn(p) over every pixel the shape covers.
    void fill(const Shape& shape, const std::function<Vec3(Vec2)>& colour, float opacity = 1);
    void fill(const Shape& shape, Vec3 colour, float opacity = 1);
    // A vertically shaded body with a dark rim: the toolbar's look.
    void fillOutlined(const Shape& shape, Vec3 top, Vec3 bottom, Vec3 outline, float outlineWidth);
    // Softly darkens below and to the right of a shape.
    void dropShadow(const Shape& shape, Vec2 offset, float softness, float opacity);

private:
    Image& image_;
};

} // namespace assetgen
