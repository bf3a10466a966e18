#pragma once

#include "triangulate.h"

#include <functional>
#include <vector>

// Plane figures as signed distance estimates (negative inside). Only the
// zero level matters: it is traced into outlines and triangulated.
using Shape = std::function<double(Point2)>;

Shape Bar(Point2 a, Point2 b, double halfWidth); // a straight stroke with flat ends
Shape Ellipse(Point2 centre, double rx, double ry);
Shape Rect(double x0, double y0, double x1, double y1);
// An elliptical stroke between the outer and inner ellipse, kept to the
// angles from..to (degrees, counter-clockwise), ends cut radially.
Shape Arc(Point2 centre, double rx, double ry, double innerRx, double innerRy, double fromDeg,
          double toDeg);
// A bowl of B, D, P: straight top and bottom bars from x0 joined by a half
// ellipse reaching x1; bars hv thick, the curve hh thick at its widest.
Shape Bowl(double x0, double x1, double y0, double y1, double hv, double hh);

Shape Union(std::vector<Shape> parts);
Shape Intersection(Shape a, Shape b);
Shape Difference(Shape a, Shape b);

// The shape's zero level inside the box, traced on a grid of `cell`, as
// closed loops (outlines counter-clockwise, holes clockwise), simplified to
// `tolerance`.
std::vector<std::vector<Point2>> TraceOutlines(const Shape& shape, double x0, double y0, double x1,
                                               double y1, double cell, double tolerance);
