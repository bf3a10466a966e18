#include "canvas.h"
#include "pictures.h"
#include "piece_shapes.h"

namespace assetgen {

namespace {

const Vec3 kInk = rgb(34, 40, 52);
constexpr float kRim = 0.035f;

void board(Canvas& c, Vec2 centre, float half) {
    const Shape square = [=](Vec2 p) { return boxDistance(p, centre, {half, half}, 0.02f); };
    c.fillOutlined(square, rgb(236, 214, 170), rgb(214, 186, 140), kInk, kRim);
    const float cell = half / 2;
    c.fill(
        [=](Vec2 p) {
            const int i = int(std::floor((p.x - centre.x + half) / cell));
            const int j = int(std::floor((p.y - centre.y + half) / cell));
            const float inCell = boxDistance(p,
                                             {centre.x - half + (float(i) + 0.5f) * cell,
                                              centre.y - half + (float(j) + 0.5f) * cell},
                                             {cell / 2, cell / 2});
            return (i + j) % 2 && i >= 0 && i < 4 && j >= 0 && j < 4 ? inCell : 1.0f;
        },
        rgb(122, 84, 54));
}

void badge(Canvas& c, Vec2 centre, Vec3 top, Vec3 bottom) {
    const Shape disc = [=](Vec2 p) { return circleDistance(p, centre, 0.19f); };
    c.fillOutlined(disc, top, bottom, kInk, kRim);
}

void drawNewGame(Canvas& c) {
    board(c, {0.44f, 0.44f}, 0.34f);
    const Vec2 m{0.72f, 0.72f};
    badge(c, m, rgb(120, 214, 96), rgb(40, 150, 44));
    c.fill(
        [=](Vec2 p) {
            return unite(boxDistance(p, m, {0.11f, 0.03f}), boxDistance(p, m, {0.03f, 0.11f}));
        },
        rgb(255, 255, 255));
}

void drawOpenGame(Canvas& c) {
    const std::vector<Vec2> back = {{0.08f, 0.22f}, {0.36f, 0.22f}, {0.44f, 0.3f},
                                    {0.86f, 0.3f},  {0.86f, 0.82f}, {0.08f, 0.82f}};
    const std::vector<Vec2> front = {{0.2f, 0.44f}, {0.96f, 0.44f}, {0.84f, 0.82f}, {0.08f, 0.82f}};
    c.fillOutlined([&](Vec2 p) { return polygonDistance(p, back); }, rgb(232, 184, 72),
                   rgb(196, 140, 40), kInk, kRim);
    c.fillOutlined([&](Vec2 p) { return polygonDistance(p, front); }, rgb(255, 222, 120),
                   rgb(236, 178, 64), kInk, kRim);
}

void drawSaveGame(Canvas& c) {
    const std::vector<Vec2> disk = {
        {0.1f, 0.1f}, {0.78f, 0.1f}, {0.9f, 0.22f}, {0.9f, 0.9f}, {0.1f, 0.9f}};
    c.fillOutlined([&](Vec2 p) { return polygonDistance(p, disk) - 0.01f; }, rgb(92, 142, 222),
                   rgb(44, 86, 170), kInk, kRim);
    c.fill(
        [](Vec2 p) {
            return boxDistance(p, {0.5f, 0.24f}, {0.22f, 0.12f}, 0.01f);
        },
        rgb(214, 222, 236));
    c.fill([](Vec2 p) { return boxDistance(p, {0.6f, 0.24f}, {0.05f, 0.08f}); }, rgb(44, 86, 170));
    c.fill(
        [](Vec2 p) {
            return boxDistance(p, {0.5f, 0.68f}, {0.3f, 0.18f}, 0.02f);
        },
        rgb(250, 250, 250));
    for (float y : {0.62f, 0.72f})
        c.fill(
            [=](Vec2 p) {
                return segmentDistance(p, {0.3f, y}, {0.7f, y}) - 0.015f;
            },
            rgb(150, 160, 180));
}

Shape triangle(std::vector<Vec2> points) {
    return [points](Vec2 p) { return polygonDistance(p, points) - 0.02f; };
}

const Vec3 kNavTop = rgb(110, 170, 246), kNavBottom = rgb(36, 92, 196);

void drawGoToStart(Canvas& c) {
    c.fillOutlined(
        [](Vec2 p) {
            return boxDistance(p, {0.16f, 0.5f}, {0.06f, 0.3f}, 0.02f);
        },
        kNavTop, kNavBottom, kInk, kRim);
    for (float x : {0.22f, 0.54f})
        c.fillOutlined(triangle({{x, 0.5f}, {x + 0.34f, 0.2f}, {x + 0.34f, 0.8f}}), kNavTop,
                       kNavBottom, kInk, kRim);
}

void drawGoToEnd(Canvas& c) {
    c.fillOutlined(
        [](Vec2 p) {
            return boxDistance(p, {0.84f, 0.5f}, {0.06f, 0.3f}, 0.02f);
        },
        kNavTop, kNavBottom, kInk, kRim);
    for (float x : {0.78f, 0.46f})
        c.fillOutlined(triangle({{x, 0.5f}, {x - 0.34f, 0.8f}, {x - 0.34f, 0.2f}}), kNavTop,
                       kNavBottom, kInk, kRim);
}

void drawPlay(Canvas& c) {
    c.fillOutlined(triangle({{0.86f, 0.5f}, {0.24f, 0.86f}, {0.24f, 0.14f}}), rgb(130, 222, 104),
                   rgb(36, 150, 48), kInk, kRim);
}

// A bent arrow: an arc over the top and a head at its left end pointing down.
void turnArrow(Canvas& c, bool mirrored, Vec3 top, Vec3 bottom) {
    const auto fix = [mirrored](Vec2 p) { return mirrored ? Vec2{1 - p.x, p.y} : p; };
    const Shape arrow = [=](Vec2 p) {
        const Vec2 q = fix(p);
        const float arc = arcDistance(q, {0.56f, 0.52f}, 0.27f, kPi, 2 * kPi + 0.6f) - 0.075f;
        return unite(arc, polygonDistance(q, {{0.08f, 0.5f}, {0.5f, 0.5f}, {0.29f, 0.82f}}));
    };
    c.fillOutlined(arrow, top, bottom, kInk, kRim);
}

void drawUndo(Canvas& c) {
    turnArrow(c, false, rgb(255, 196, 96), rgb(222, 124, 30));
}
void drawRedo(Canvas& c) {
    turnArrow(c, true, rgb(255, 196, 96), rgb(222, 124, 30));
}

void drawStopThinking(Canvas& c) {
    std::vector<Vec2> octagon;
    for (int i = 0; i < 8; ++i) {
        const float a = (float(i) + 0.5f) * kPi / 4;
        octagon.push_back({0.5f + 0.42f * std::cos(a), 0.5f + 0.42f * std::sin(a)});
    }
    c.fillOutlined([&](Vec2 p) { return polygonDistance(p, octagon); }, rgb(246, 96, 86),
                   rgb(184, 22, 22), kInk, kRim);
    c.fill(
        [](Vec2 p) {
            return boxDistance(p, {0.5f, 0.5f}, {0.25f, 0.075f}, 0.03f);
        },
        rgb(255, 255, 255));
}

float link(Vec2 p, Vec2 centre, float angle) {
    const float ca = std::cos(angle), sa = std::sin(angle);
    const Vec2 d{p.x - centre.x, p.y - centre.y};
    const Vec2 q{d.x * ca + d.y * sa, -d.x * sa + d.y * ca};
    return std::fabs(boxDistance(q, {0, 0}, {0.2f, 0.1f}, 0.1f)) - 0.055f;
}

void drawConnect(Canvas& c) {
    for (Vec2 m : {Vec2{0.33f, 0.62f}, Vec2{0.67f, 0.38f}})
        c.fillOutlined([=](Vec2 p) { return link(p, m, -0.6f); }, rgb(132, 220, 110),
                       rgb(40, 150, 60), kInk, kRim);
}

void drawCloseConnection(Canvas& c) {
    for (Vec2 m : {Vec2{0.26f, 0.7f}, Vec2{0.74f, 0.3f}})
        c.fillOutlined([=](Vec2 p) { return link(p, m, -0.6f); }, rgb(246, 120, 104),
                       rgb(186, 40, 32), kInk, kRim);
    for (float a : {-0.2f, 0.75f, 1.6f}) {
        const Vec2 from{0.5f + 0.08f * std::cos(a + 1.9f), 0.5f + 0.08f * std::sin(a + 1.9f)};
        const Vec2 to{0.5f + 0.2f * std::cos(a + 1.9f), 0.5f + 0.2f * std::sin(a + 1.9f)};
        c.fill([=](Vec2 p) { return segmentDistance(p, from, to) - 0.03f; }, rgb(250, 200, 40));
    }
}

void drawChat(Canvas& c) {
    const Shape bubble = [](Vec2 p) {
        const float body = ellipseDistance(p, {0.5f, 0.44f}, {0.42f, 0.32f});
        return unite(body, polygonDistance(p, {{0.22f, 0.6f}, {0.4f, 0.7f}, {0.14f, 0.92f}}));
    };
    c.fillOutlined(bubble, rgb(255, 255, 255), rgb(206, 220, 240), kInk, kRim);
    for (float x : {0.32f, 0.5f, 0.68f})
        c.fill([=](Vec2 p) { return circleDistance(p, {x, 0.44f}, 0.06f); }, rgb(60, 100, 170));
}

void drawStartGame(Canvas& c) {
    c.fillOutlined(
        [](Vec2 p) {
            return pieceDistance(Piece::Pawn, {(p.x - 0.38f) / 0.86f, (p.y - 0.05f) / 0.9f}) *
                   0.86f;
        },
        rgb(70, 70, 78), rgb(20, 20, 24), kInk, kRim);
    const Vec2 m{0.72f, 0.72f};
    badge(c, m, rgb(120, 214, 96), rgb(40, 150, 44));
    c.fill(triangle({{0.83f, 0.72f}, {0.66f, 0.82f}, {0.66f, 0.62f}}), rgb(255, 255, 255));
}

void drawRotateBoard(Canvas& c) {
    board(c, {0.5f, 0.5f}, 0.2f);
    for (float turn : {0.0f, kPi}) {
        const Shape arrow = [=](Vec2 p) {
            const float arc =
                arcDistance(p, {0.5f, 0.5f}, 0.38f, kPi * 0.85f + turn, kPi * 1.55f + turn) - 0.05f;
            const float a = kPi * 1.55f + turn;
            const Vec2 tip{0.5f + 0.38f * std::cos(a + 0.35f), 0.5f + 0.38f * std::sin(a + 0.35f)};
            const Vec2 in{0.5f + 0.26f * std::cos(a), 0.5f + 0.26f * std::sin(a)};
            const Vec2 out{0.5f + 0.5f * std::cos(a), 0.5f + 0.5f * std::sin(a)};
            return unite(arc, polygonDistance(p, {in, tip, out}));
        };
        c.fillOutlined(arrow, kNavTop, kNavBottom, kInk, kRim);
    }
}

void drawAbout(Canvas& c) {
    c.fillOutlined(
        [](Vec2 p) {
            return circleDistance(p, {0.5f, 0.5f}, 0.42f);
        },
        kNavTop, kNavBottom, kInk, kRim);
    c.fill(
        [](Vec2 p) {
            return unite(circleDistance(p, {0.5f, 0.28f}, 0.07f),
                         boxDistance(p, {0.5f, 0.6f}, {0.06f, 0.18f}, 0.02f));
        },
        rgb(255, 255, 255));
}

struct Button {
    const char* name;
    void (*draw)(Canvas&);
};

// In the toolbar's order, left to right.
constexpr Button kButtons[] = {
    {"new_game", drawNewGame},
    {"open_game", drawOpenGame},
    {"save_game", drawSaveGame},
    {"go_to_start", drawGoToStart},
    {"undo", drawUndo},
    {"play", drawPlay},
    {"redo", drawRedo},
    {"go_to_end", drawGoToEnd},
    {"stop_thinking", drawStopThinking},
    {"connect", drawConnect},
    {"close_connection", drawCloseConnection},
    {"chat", drawChat},
    {"start_game", drawStartGame},
    {"rotate_board", drawRotateBoard},
    {"about", drawAbout},
};

} // namespace

bool writeToolbar(const Output& out) {
    bool ok = true;
    for (const Button& button : kButtons)
        for (int size : {24, 48}) {
            Image image(size, size);
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) image.alphaAt(x, y) = 0;
            Canvas canvas(image);
            button.draw(canvas);
            const std::string name =
                std::string("resources/toolbar/") + button.name + (size == 48 ? "@2x.png" : ".png");
            ok = writePng(image, out.file(name)) && ok;
        }
    return ok;
}

} // namespace assetgen
