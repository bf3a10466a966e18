#include "piece_shapes.h"

namespace assetgen {

namespace {

// Right halves of the turned outlines, top to bottom, as (half width, y).
const std::vector<Vec2> kPawnBody = mirroredOutline({{0.06f, 0.36f},
                                                     {0.14f, 0.41f},
                                                     {0.14f, 0.44f},
                                                     {0.08f, 0.47f},
                                                     {0.11f, 0.66f},
                                                     {0.19f, 0.75f},
                                                     {0.25f, 0.80f},
                                                     {0.27f, 0.86f},
                                                     {0.29f, 0.93f}});
const std::vector<Vec2> kRookBody = mirroredOutline({{0.23f, 0.12f},
                                                     {0.23f, 0.28f},
                                                     {0.17f, 0.33f},
                                                     {0.17f, 0.70f},
                                                     {0.24f, 0.76f},
                                                     {0.27f, 0.80f},
                                                     {0.27f, 0.86f},
                                                     {0.30f, 0.93f}});
const std::vector<Vec2> kBishopBody = mirroredOutline({{0.05f, 0.45f},
                                                       {0.15f, 0.49f},
                                                       {0.15f, 0.53f},
                                                       {0.08f, 0.56f},
                                                       {0.11f, 0.70f},
                                                       {0.20f, 0.77f},
                                                       {0.26f, 0.81f},
                                                       {0.27f, 0.86f},
                                                       {0.29f, 0.93f}});
const std::vector<Vec2> kQueenBody = mirroredOutline({{0.06f, 0.30f},
                                                      {0.16f, 0.36f},
                                                      {0.20f, 0.40f},
                                                      {0.12f, 0.45f},
                                                      {0.09f, 0.52f},
                                                      {0.13f, 0.68f},
                                                      {0.21f, 0.76f},
                                                      {0.27f, 0.81f},
                                                      {0.28f, 0.86f},
                                                      {0.30f, 0.93f}});
const std::vector<Vec2> kQueenCrown = {{-0.25f, 0.15f}, {-0.15f, 0.31f}, {-0.12f, 0.11f},
                                       {-0.04f, 0.29f}, {0.0f, 0.08f},   {0.04f, 0.29f},
                                       {0.12f, 0.11f},  {0.15f, 0.31f},  {0.25f, 0.15f},
                                       {0.18f, 0.40f},  {-0.18f, 0.40f}};
const std::vector<Vec2> kKingBody = mirroredOutline({{0.07f, 0.24f},
                                                     {0.19f, 0.29f},
                                                     {0.21f, 0.36f},
                                                     {0.14f, 0.41f},
                                                     {0.10f, 0.47f},
                                                     {0.13f, 0.66f},
                                                     {0.21f, 0.75f},
                                                     {0.27f, 0.81f},
                                                     {0.28f, 0.86f},
                                                     {0.30f, 0.93f}});
// The knight looks to the left.
const std::vector<Vec2> kKnight = {
    {-0.28f, 0.93f}, {0.30f, 0.93f},  {0.28f, 0.84f},  {0.21f, 0.79f},  {0.22f, 0.62f},
    {0.25f, 0.45f},  {0.22f, 0.29f},  {0.13f, 0.18f},  {0.03f, 0.13f},  {-0.02f, 0.05f},
    {-0.07f, 0.13f}, {-0.15f, 0.17f}, {-0.24f, 0.28f}, {-0.34f, 0.42f}, {-0.38f, 0.50f},
    {-0.35f, 0.56f}, {-0.27f, 0.58f}, {-0.18f, 0.53f}, {-0.10f, 0.52f}, {-0.10f, 0.58f},
    {-0.17f, 0.68f}, {-0.22f, 0.80f}, {-0.27f, 0.84f}};

float knightDistance(Vec2 p) {
    const float base = boxDistance(p, {0.01f, 0.885f}, {0.28f, 0.045f}, 0.02f);
    return unite(polygonDistance(p, kKnight), base);
}

float horizontal(Vec2 p, float y, float halfWidth) {
    return segmentDistance(p, {-halfWidth, y}, {halfWidth, y});
}

} // namespace

float kingBodyDistance(Vec2 p) {
    return polygonDistance(p, kKingBody);
}

float kingCrossDistance(Vec2 p) {
    return unite(boxDistance(p, {0, 0.13f}, {0.03f, 0.11f}, 0.01f),
                 boxDistance(p, {0, 0.11f}, {0.09f, 0.03f}, 0.01f));
}

float pieceDistance(Piece piece, Vec2 p) {
    switch (piece) {
    case Piece::Pawn:
        return smoothUnite(circleDistance(p, {0, 0.25f}, 0.13f), polygonDistance(p, kPawnBody),
                           0.02f);
    case Piece::Knight:
        return knightDistance(p);
    case Piece::Bishop: {
        const float mitre = unite(ellipseDistance(p, {0, 0.31f}, {0.13f, 0.17f}),
                                  circleDistance(p, {0, 0.11f}, 0.05f));
        const float cut = segmentDistance(p, {0.04f, 0.29f}, {0.15f, 0.19f}) - 0.012f;
        return smoothUnite(subtract(mitre, cut), polygonDistance(p, kBishopBody), 0.015f);
    }
    case Piece::Rook: {
        float d = polygonDistance(p, kRookBody);
        for (float x : {-0.115f, 0.115f})
            d = subtract(d, boxDistance(p, {x, 0.12f}, {0.035f, 0.06f}));
        return d;
    }
    case Piece::Queen: {
        float d = unite(polygonDistance(p, kQueenBody), polygonDistance(p, kQueenCrown));
        for (Vec2 tip : {Vec2{-0.25f, 0.14f}, Vec2{-0.12f, 0.10f}, Vec2{0, 0.07f},
                         Vec2{0.12f, 0.10f}, Vec2{0.25f, 0.14f}})
            d = unite(d, circleDistance(p, tip, 0.04f));
        return d;
    }
    case Piece::King:
        return unite(kingBodyDistance(p), kingCrossDistance(p));
    }
    return 1;
}

float pieceGrooveDistance(Piece piece, Vec2 p) {
    switch (piece) {
    case Piece::Pawn:
        return horizontal(p, 0.80f, 0.25f);
    case Piece::Knight: {
        const float mane = segmentDistance(p, {0.04f, 0.17f}, {0.16f, 0.32f});
        const float eye = circleDistance(p, {-0.12f, 0.28f}, 0.025f);
        return unite(unite(mane, std::max(eye, 0.0f)), horizontal(p, 0.84f, 0.27f));
    }
    case Piece::Bishop:
        return unite(horizontal(p, 0.51f, 0.15f), horizontal(p, 0.81f, 0.26f));
    case Piece::Rook:
        return unite(horizontal(p, 0.28f, 0.2f), horizontal(p, 0.76f, 0.24f));
    case Piece::Queen:
    case Piece::King:
        return unite(horizontal(p, 0.40f, 0.19f), horizontal(p, 0.81f, 0.26f));
    }
    return 1;
}

} // namespace assetgen
