#include "canvas.h"
#include "environments.h"
#include "font.h"
#include "pictures.h"
#include "piece_shapes.h"
#include "pieces2d.h"
#include "textures.h"

namespace assetgen {

namespace {

// A little scene for the start-up picture: a board with a game under way, floating over the
// sea at sunset, traced by sphere marching over distance fields.

struct Placed {
    Piece piece;
    Side side;
    int file, rank;
};

constexpr Placed kGame[] = {
    {Piece::King, Side::White, 6, 0},   {Piece::Rook, Side::White, 5, 0},
    {Piece::Pawn, Side::White, 5, 1},   {Piece::Pawn, Side::White, 6, 1},
    {Piece::Pawn, Side::White, 7, 1},   {Piece::Knight, Side::White, 5, 2},
    {Piece::Bishop, Side::White, 2, 3}, {Piece::Pawn, Side::White, 4, 3},
    {Piece::Pawn, Side::White, 3, 2},   {Piece::Queen, Side::White, 3, 0},
    {Piece::Pawn, Side::White, 0, 1},   {Piece::Pawn, Side::White, 1, 1},
    {Piece::King, Side::Black, 6, 7},   {Piece::Rook, Side::Black, 4, 7},
    {Piece::Pawn, Side::Black, 5, 6},   {Piece::Pawn, Side::Black, 6, 6},
    {Piece::Pawn, Side::Black, 7, 5},   {Piece::Knight, Side::Black, 2, 5},
    {Piece::Bishop, Side::Black, 4, 6}, {Piece::Pawn, Side::Black, 4, 4},
    {Piece::Pawn, Side::Black, 3, 5},   {Piece::Queen, Side::Black, 3, 7},
    {Piece::Pawn, Side::Black, 0, 6},   {Piece::Pawn, Side::Black, 1, 5},
};

constexpr float kPieceScale = 1.25f, kBoardThickness = 0.35f;

enum class Material { Sky, LightSquare, DarkSquare, BoardSide, WhitePiece, BlackPiece };

struct Hit {
    float distance;
    Material material;
};

float extrude(float planar, float depth, float halfThickness) {
    const float w = std::fabs(depth) - halfThickness;
    const float ox = std::max(planar, 0.0f), oy = std::max(w, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(planar, w), 0.0f);
}

float pieceDistance3(const Placed& placed, Vec3 l) {
    const float radius = std::sqrt(l.x * l.x + l.y * l.y);
    const float bound = std::max({radius - 0.42f, l.z - 1.3f, -l.z});
    if (bound > 0.05f) return bound;
    const float s = kPieceScale;
    const Vec2 turned{radius / s, 0.93f - l.z / s};
    const Vec2 flat{l.x / s, 0.93f - l.z / s};
    switch (placed.piece) {
    case Piece::Knight: {
        // The black knight looks the other way.
        const Vec2 facing{placed.side == Side::White ? flat.x : -flat.x, flat.y};
        return extrude(pieceDistance(Piece::Knight, facing) * s, l.y, kKnightHalfThickness * s);
    }
    case Piece::King:
        return unite(kingBodyDistance(turned) * s,
                     extrude(kingCrossDistance(flat) * s, l.y, 0.035f * s));
    default:
        return pieceDistance(placed.piece, turned) * s;
    }
}

Hit scene(Vec3 p) {
    const float boardBox = [&] {
        const Vec3 q{std::fabs(p.x) - 4.0f, std::fabs(p.y) - 4.0f,
                     std::fabs(p.z + kBoardThickness / 2) - kBoardThickness / 2};
        const Vec3 outside{std::max(q.x, 0.0f), std::max(q.y, 0.0f), std::max(q.z, 0.0f)};
        return length(outside) + std::min(std::max({q.x, q.y, q.z}), 0.0f);
    }();
    Hit best{boardBox, Material::BoardSide};
    if (p.z > -0.001f && std::fabs(p.x) < 4 && std::fabs(p.y) < 4) {
        const int file = int(std::floor(p.x + 4)), rank = int(std::floor(p.y + 4));
        best.material = (file + rank) % 2 ? Material::LightSquare : Material::DarkSquare;
    }
    for (const Placed& placed : kGame) {
        const Vec3 l{p.x - (float(placed.file) - 3.5f), p.y - (float(placed.rank) - 3.5f), p.z};
        const float d = pieceDistance3(placed, l);
        if (d < best.distance)
            best = {d, placed.side == Side::White ? Material::WhitePiece : Material::BlackPiece};
    }
    return best;
}

Vec3 normalAt(Vec3 p) {
    constexpr float e = 0.0015f;
    return normalize(
        Vec3{scene({p.x + e, p.y, p.z}).distance - scene({p.x - e, p.y, p.z}).distance,
             scene({p.x, p.y + e, p.z}).distance - scene({p.x, p.y - e, p.z}).distance,
             scene({p.x, p.y, p.z + e}).distance - scene({p.x, p.y, p.z - e}).distance});
}

bool march(Vec3 from, Vec3 dir, float far, Vec3& at, Hit& hit) {
    float t = 0.002f;
    for (int i = 0; i < 300 && t < far; ++i) {
        at = from + dir * t;
        hit = scene(at);
        if (hit.distance < 0.0004f * (1 + t)) return true;
        t += hit.distance * 0.9f;
    }
    return false;
}

float softShadow(Vec3 from, Vec3 dir) {
    float light = 1, t = 0.01f;
    for (int i = 0; i < 80 && t < 12; ++i) {
        const float d = scene(from + dir * t).distance;
        if (d < 0.0005f) return 0;
        light = std::min(light, 10 * d / t);
        t += std::clamp(d, 0.01f, 0.3f);
    }
    return clamp01(light);
}

const Vec3 kKeyLight = normalize(Vec3{-0.55f, 0.35f, 0.62f});

Vec3 surfaceColour(Material m, Vec3 p, const Image& marble) {
    switch (m) {
    case Material::LightSquare:
        return rgb(214, 171, 123);
    case Material::DarkSquare: {
        const float u = p.x + 4 - std::floor(p.x + 4), v = p.y + 4 - std::floor(p.y + 4);
        const Vec3 stone =
            marble.at(int(u * float(marble.width() - 1)), int(v * float(marble.height() - 1)));
        return stone * rgb(140, 123, 129);
    }
    case Material::BoardSide:
        return rgb(96, 58, 34) * (0.85f + 0.15f * std::sin(p.z * 40 + p.x * 3));
    case Material::WhitePiece:
        return rgb(238, 222, 196);
    case Material::BlackPiece:
        return rgb(58, 44, 40);
    case Material::Sky:
        break;
    }
    return {};
}

Vec3 shade(Vec3 p, Vec3 dir, const Hit& hit, const Image& marble, int bounce);

Vec3 trace(Vec3 from, Vec3 dir, const Image& marble, int bounce) {
    Vec3 at;
    Hit hit;
    if (!march(from, dir, 40, at, hit)) return sunsetSky(dir);
    return shade(at, dir, hit, marble, bounce);
}

Vec3 shade(Vec3 p, Vec3 dir, const Hit& hit, const Image& marble, int bounce) {
    const Vec3 n = normalAt(p);
    const Vec3 base = surfaceColour(hit.material, p, marble);
    const float shadow = softShadow(p + n * 0.003f, kKeyLight);
    const float diffuse = std::max(0.0f, dot(n, kKeyLight)) * shadow;
    const float skyLight = 0.3f + 0.2f * n.z;
    const bool piece = hit.material == Material::WhitePiece || hit.material == Material::BlackPiece;
    const Vec3 warm = rgb(255, 214, 170), cool = rgb(176, 170, 204);
    Vec3 c = base * (warm * (1.25f * diffuse) + cool * skyLight);
    const Vec3 halfway = normalize(kKeyLight - dir);
    const float gloss = piece ? 60.0f : 30.0f;
    c += warm * (std::pow(std::max(0.0f, dot(n, halfway)), gloss) * shadow * (piece ? 0.5f : 0.2f));
    // The squares are polished: they mirror the pieces faintly.
    const bool square =
        hit.material == Material::LightSquare || hit.material == Material::DarkSquare;
    if (square && bounce == 0 && n.z > 0.9f) {
        const Vec3 mirrored = trace(p + n * 0.004f, reflect(dir, n), marble, 1);
        c = mix(c, mirrored, 0.18f);
    }
    return c;
}

Image renderScene(int width, int height) {
    const Image marble = makeMarble(256);
    const Vec3 eye{0.6f, -10.2f, 3.4f}, target{0.2f, 0.8f, 0.7f};
    const Vec3 forward = normalize(target - eye);
    const Vec3 right = normalize(cross(forward, Vec3{0, 0, 1}));
    const Vec3 up = cross(right, forward);
    const float half = std::tan(20.0f * kPi / 180);
    const float aspect = float(width) / float(height);
    Image image(width, height);
    image.shade([&](float x, float y) {
        const float sx = (2 * x / float(width) - 1) * half * aspect,
                    sy = (1 - 2 * y / float(height)) * half;
        return trace(eye, normalize(forward + right * sx + up * sy), marble, 0);
    });
    return image;
}

void drawTitle(Image& image) {
    Canvas canvas(image);
    const std::string title = "Tavlion";
    const float height = 0.105f; // of the picture's width
    const float aspect = float(image.height()) / float(image.width());
    const Vec2 origin{0.5f - textWidth(title, height) / 2, 0.2f * aspect};
    const Shape text = [&](Vec2 p) { return textDistance(title, p, origin, height, 0.075f); };
    canvas.dropShadow(text, {0.004f, 0.006f}, 0.012f, 0.55f);
    canvas.fill([&](Vec2 p) { return text(p) - 0.004f; }, rgb(60, 30, 20));
    canvas.fill(text, [&](Vec2 p) {
        const float t = clamp01((p.y - (origin.y - height)) / height);
        return mix(rgb(255, 240, 180), rgb(214, 140, 52), t);
    });
}

} // namespace

bool writeSplash(const Output& out) {
    constexpr int kWidth = 520, kHeight = 312, kSupersample = 2;
    Image picture =
        downsample(renderScene(kWidth * kSupersample, kHeight * kSupersample), kSupersample);
    drawTitle(picture);
    return writeBmp24(picture, out.file("resources/splash.bmp"));
}

} // namespace assetgen
