#include "app/shell/scene_renderer.h"

#include "app/controller/scene.h"
#include "platform/bitmap_font.h"
#include "render/board_theme.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr double kFieldOfView = 45.0;
constexpr double kNear = 0.1;
constexpr double kInitialFar = 20.0;

const platform::BitmapFontRequest kClockFont{"Arial", 30, 700, false};
const platform::BitmapFontRequest kMoveListFont{"Arial", 20, 700, false};

// The fonts keep their size in points: at two device pixels a point their
// glyphs are twice as tall.
platform::BitmapFontRequest InPixels(platform::BitmapFontRequest font, sPixelScale px) {
    font.height = px(font.height);
    return font;
}

// Black's clock stands 180 points from the right edge; a text wider than
// that (the font of this system runs a little wider) moves left so that its
// last digit stays on screen, as far from the edge as White's is.
int BlackClockX(int width, const std::string& text, sPixelScale px) {
    constexpr int kFromRight = 180, kMargin = 10;
    const int advance = platform::TextAdvance(InPixels(kClockFont, px), text);
    return width - std::max(px(kFromRight), advance + px(kMargin));
}

void Vertex(const point3d& p) {
    glVertex3f(p.x, p.y, p.z);
}

} // namespace

void CSceneRenderer::InitGL() {
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glEnable(GL_COLOR_MATERIAL);
    glCullFace(GL_BACK);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, scene_.aspect, kNear, kInitialFar);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.1f, 0.1f, 0.5f, 0.0f);
    ApplyCamera();

    const GLfloat noDirection[] = {0, 0, 0};
    const GLfloat light0[] = {100, 100, 100, 1};
    const GLfloat light1[] = {0, 0, 1000, 1};
    const GLfloat ambient[] = {0.1f, 0.1f, 0.1f, 1};
    glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, noDirection);
    glLightfv(GL_LIGHT0, GL_POSITION, light0);
    glLightfv(GL_LIGHT1, GL_SPOT_DIRECTION, noDirection);
    glLightfv(GL_LIGHT1, GL_POSITION, light1);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glEnable(GL_LIGHTING);

    if (!resourcesReady_) {
        resourcesReady_ = true;
        if (layers_.setUpSky) layers_.setUpSky();
        if (layers_.setUpBoardTextures) layers_.setUpBoardTextures();
    }
    ApplyCamera();
}

void CSceneRenderer::ApplyCamera() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // The far plane moves out with the camera and the sky (see DrawFrame).
    gluPerspective(kFieldOfView, scene_.aspect, kNear,
                   BoardTheme(scene_.settings.boardTheme).farPlane *
                       std::max(1.0, double(scene_.CameraZoom())));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const point3d eye = scene_.Eye();
    const point3d& at = scene_.lookAt;
    const float* up = scene_.orientation + 6;
    gluLookAt(eye.x, eye.y, eye.z, at.x, at.y, at.z, up[0], up[1], up[2]);
}

void CSceneRenderer::Resize(int width, int height) {
    glViewport(0, 0, width, height);
    ApplyCamera();
}

void CSceneRenderer::DrawFrame() {
    // The window moved to a screen of another pixel ratio.
    if (fontsBuilt_ && fontScale_.ratio != scene_.pixelRatio) {
        DeleteFonts();
        CreateFonts();
    }
    const bool multisampled =
        scene_.settings.smoothEdges && multisample_.Begin(scene_.viewWidth, scene_.viewHeight);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glMultMatrixf(scene_.settings.matrix);
    const auto sky = [this] {
        if (!scene_.settings.skyFlague || !layers_.drawSky) return;
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
        // The sky keeps its distance from the camera, growing and shrinking
        // with the zoom, so the horizon stays where it is and only the board
        // comes nearer or goes away.
        const float zoom = scene_.CameraZoom();
        glPushMatrix();
        if (zoom != 1.0f) glScalef(zoom, zoom, zoom);
        layers_.drawSky();
        glPopMatrix();
        glCullFace(GL_BACK);
    };
    if (layers_.drawBoard) {
        layers_.drawBoard(sky);
    } else {
        sky();
        DrawPlaceholderBoard();
    }
    glPopMatrix();
    DrawClocks();
    if (scene_.settings.moveList && layers_.drawMoveList) layers_.drawMoveList();
    if (multisampled) multisample_.End();
    glFlush();
}

void CSceneRenderer::DrawClocks() {
    if (!scene_.PrepareClockOverlay()) return;
    const int width = scene_.viewWidth;
    const sPixelScale px{scene_.pixelRatio};

    glDepthFunc(GL_ALWAYS);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0001f);
    glColor4f(1, 1, 1, 0.25f);
    glBegin(GL_QUADS);
    Vertex(scene_.WindowToWorld(px(1), px(35)));
    Vertex(scene_.WindowToWorld(width, px(35)));
    Vertex(scene_.WindowToWorld(width, px(10)));
    Vertex(scene_.WindowToWorld(px(1), px(10)));
    glEnd();

    glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glListBase(kClockFontBase);

    const std::string white = scene_.ClockText(0);
    const std::string black = scene_.ClockText(1);
    // A clock with little time left is drawn red over its shadow.
    const auto face = [this](int color, float r, float g, float b) {
        if (scene_.ClockIsLow(color))
            glColor3f(1, 0.1f, 0.1f);
        else
            glColor3f(r, g, b);
    };
    glColor3f(0, 0, 0);
    DrawText(white.c_str(), px(12), px(32));
    face(0, 1, 1, 1);
    DrawText(white.c_str(), px(10), px(30));
    const int blackX = BlackClockX(width, black, px);
    glColor3f(1, 1, 1);
    DrawText(black.c_str(), blackX + px(2), px(32));
    face(1, 0, 0, 0);
    DrawText(black.c_str(), blackX, px(30));

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
}

void CSceneRenderer::DrawText(const char* text, int windowX, int windowY) {
    const point3d at = scene_.WindowToWorld(windowX, windowY);
    glRasterPos3f(at.x, at.y, at.z);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
}

// Until the board layer exists: 64 squares in board space, A1 dark.
void CSceneRenderer::DrawPlaceholderBoard() {
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glBegin(GL_QUADS);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            if ((x + y) % 2 == 0)
                glColor3f(0.35f, 0.22f, 0.12f);
            else
                glColor3f(0.85f, 0.75f, 0.55f);
            const float left = x - 4.0f, bottom = y - 4.0f;
            glVertex3f(left, bottom, 0);
            glVertex3f(left + 1, bottom, 0);
            glVertex3f(left + 1, bottom + 1, 0);
            glVertex3f(left, bottom + 1, 0);
        }
    glEnd();
    glPopAttrib();
}

void CSceneRenderer::CreateFonts() {
    fontScale_ = {scene_.pixelRatio};
    platform::UseFontBitmaps(InPixels(kClockFont, fontScale_), kClockFontBase, 0, kFontListCount);
    platform::UseFontBitmaps(InPixels(kMoveListFont, fontScale_), kMoveListFontBase, 0,
                             kFontListCount);
    glListBase(kClockFontBase);
    fontsBuilt_ = true;
}

void CSceneRenderer::DeleteFonts() {
    if (!fontsBuilt_) return;
    glDeleteLists(kClockFontBase, kFontListCount);
    glDeleteLists(kMoveListFontBase, kFontListCount);
    fontsBuilt_ = false;
}

QImage CSceneRenderer::ReadFrame(int width, int height) {
    if (width <= 0 || height <= 0) return {};
    QImage image(width, height, QImage::Format_RGBA8888);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    glPopClientAttrib();
    return image.mirrored();
}
