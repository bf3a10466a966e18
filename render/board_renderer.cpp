#include "render/board_renderer.h"

#include "board/board.h"
#include "board/board_services.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "render/bmp_file.h"
#include "render/embedded_meshes.h"
#include "render/geometry/matrix.h"
#include "render/gl/texture_upload.h"
#include "render/texture_image.h"

#include <GL/gl.h>

namespace {

// Where the player asked for the engine's move; the same on every board.
constexpr sRgba kHint = {0.1f, 0.55f, 1, 0.9f};
constexpr sRgba kCheck = {1.0f, 0.0f, 0.0f, 1.0f};
constexpr sRgba kShadow = {0, 0, 0, 0.15f};
constexpr float kSideDepth = 1.2f;

void Colour(const sRgba& c) {
    glColor4f(c.r, c.g, c.b, c.a);
}

void Vertex(const point3d& p, float dz = 0) {
    glVertex3f(p.x, p.y, p.z + dz);
}

void Translate(const point3d& p) {
    glTranslatef(p.x, p.y, p.z);
}

// The corners of the board's top (squares and frame), counter-clockwise
// from (-4, -4) as seen from above.
void OuterCorners(const CBoardGrid& grid, float frame, point3d corners[4]) {
    const point3d inner[4] = {grid(0, 0), grid(8, 0), grid(8, 8), grid(0, 8)};
    const float out[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int k = 0; k < 4; ++k)
        corners[k] = {inner[k].x + out[k][0] * frame, inner[k].y + out[k][1] * frame, inner[k].z};
}

} // namespace

void EnableBlending() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0001f);
}

void DisableBlending() {
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
}

namespace {

void CompilePositions(const MeshTable& table) {
    if (!table.vertexCount || !table.faceCount) return;
    glVertexPointer(3, GL_FLOAT, sizeof(vert_t), table.vertices);
    glDrawElements(GL_TRIANGLES, GLsizei(table.faceCount * 3), GL_UNSIGNED_INT, table.faces);
}

unsigned int LoadBoardTexture(const std::string& directory, const char* name) {
    BMP_File picture;
    if (!picture.Load(platform::NativePath(directory + "\\Textures\\" + name).c_str())) {
        platform::ShowMessageBox("Can't load image", "Board", platform::kOk);
        return 0;
    }
    return UploadTexture(TextureFromBmp(picture));
}

} // namespace

CBoardRenderer::CBoardRenderer() {
    meshes_.Build();
    for (int i = 0; i < 6; ++i) {
        cullFigure_[i] = IsClosedOutward(meshes_[i], EdgeMatch::ByIndex);
        cullReflection_[i] = IsClosedOutward(meshes_[i], EdgeMatch::ByPosition);
    }
    SetIdentity(spin_);
}

CBoardRenderer::~CBoardRenderer() = default;

void CBoardRenderer::LoadTextures(const CBoardServices& services) {
    for (unsigned int* texture : {&woodTexture_, &boardTexture_})
        if (*texture) glDeleteTextures(1, texture), *texture = 0;
    const std::string directory = services.ProgramDirectory();
    woodTexture_ = LoadBoardTexture(directory, "wood.bmp");
    if (woodTexture_) boardTexture_ = LoadBoardTexture(directory, "board.bmp");
}

void CBoardRenderer::ReleaseGL() {
    for (unsigned int* texture : {&woodTexture_, &boardTexture_})
        if (*texture) glDeleteTextures(1, texture);
    if (lists_) glDeleteLists(lists_, kListCount);
    for (CMeshBuffers& buffers : meshBuffers_) buffers.Release();
    DropGL();
}

void CBoardRenderer::DropGL() {
    woodTexture_ = boardTexture_ = lists_ = 0;
    for (CMeshBuffers& buffers : meshBuffers_) buffers.Drop();
}

void CBoardRenderer::BuildLists() {
    lists_ = glGenLists(kListCount);
    if (!lists_) return;
    for (int i = 0; i < 6; ++i) meshBuffers_[i].Upload(meshes_[i]);
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    auto compile = [this](int list, const MeshTable& table) {
        glNewList(lists_ + list, GL_COMPILE);
        CompilePositions(table);
        glEndList();
    };
    compile(kShadowList, ShadowTable());
    for (int n = 0; n < 8; ++n) {
        compile(kLetterLists + n, LetterGlyph(n));
        compile(kDigitLists + n, DigitGlyph(n));
    }
    glPopClientAttrib();
}

void CBoardRenderer::DrawMesh(int type, bool reflected) const {
    if (type < 1 || type > 6) return;
    if ((reflected ? cullReflection_ : cullFigure_)[type - 1]) glEnable(GL_CULL_FACE);
    meshBuffers_[type - 1].Draw();
    glDisable(GL_CULL_FACE);
}

void CBoardRenderer::DrawBoard(const CBoard& board, const CBoardServices& services,
                               const std::function<void()>& background) {
    if (!lists_) BuildLists();
    DrawSides();
    if (theme_->frameWidth > 0) DrawFrame();
    DrawFigures(board, services);
    if (services.DeleteFigures() && !theme_->capturedInTray) DrawCaptured(board);
    if (background) {
        background();
        glDisable(GL_CULL_FACE);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    }
    DrawSquares(board, services);
    DrawMoveOutline(board.lastMove, false);
    DrawMoveOutline(board.hint, true);
    DrawCheck(board.checkedKing);
    if (services.Shadows()) DrawShadows(board);
    if (services.Letters()) DrawGlyphs();
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    if (services.DeleteFigures() && theme_->capturedInTray) DrawCapturedTray(board, services);
}

// Wood tinted by `tint`, or no texture at all.
void CBoardRenderer::UseWood(bool wood, const float tint[3]) const {
    if (!wood) {
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, woodTexture_);
    glEnable(GL_TEXTURE_2D);
    glColor3fv(tint);
}

void CBoardRenderer::DrawSides() const {
    DisableBlending();
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glDisable(GL_LIGHTING);
    const bool wood = theme_->woodenSides;
    UseWood(wood, theme_->sideColours[0]);
    point3d outer[4];
    OuterCorners(grid_, theme_->frameWidth, outer);
    // Clockwise seen from above, so that the outside of every side faces out.
    const point3d corners[4] = {outer[0], outer[3], outer[2], outer[1]};
    // Along the side and down it, for the wood.
    const float u[4] = {0, 1, 1, 0}, v[4] = {0, 0, 1, 1};
    glBegin(GL_QUADS);
    for (int side = 0; side < 4; ++side) {
        const point3d& a = corners[side];
        const point3d& b = corners[(side + 1) % 4];
        const float dz[4] = {0, 0, -kSideDepth, -kSideDepth};
        const point3d* at[4] = {&a, &b, &b, &a};
        for (int k = 0; k < 4; ++k) {
            if (wood)
                glTexCoord2f(u[k], v[k] * 0.25f);
            else
                glColor3fv(theme_->sideColours[k]);
            Vertex(*at[k], dz[k]);
        }
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

// The wooden frame between the squares and the sides, four strips with the
// grain running along them.
void CBoardRenderer::DrawFrame() const {
    UseWood(woodTexture_ != 0, theme_->frameTint);
    if (!woodTexture_) glColor3fv(theme_->frameTint);
    point3d outer[4];
    OuterCorners(grid_, theme_->frameWidth, outer);
    const point3d inner[4] = {grid_(0, 0), grid_(8, 0), grid_(8, 8), grid_(0, 8)};
    glBegin(GL_QUADS);
    for (int side = 0; side < 4; ++side) {
        const int next = (side + 1) % 4;
        const point3d* at[4] = {&outer[side], &outer[next], &inner[next], &inner[side]};
        const float u[4] = {0, 1, 0.9f, 0.1f}, v[4] = {0, 0, 0.12f, 0.12f};
        for (int k = 0; k < 4; ++k) {
            glTexCoord2f(u[k], v[k] + 0.2f * float(side));
            Vertex(*at[k]);
        }
    }
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void CBoardRenderer::PlaceFigure(const CBoard& board, const CFigure& figure) const {
    if (board.animating && &figure == board.selectedFigure)
        Translate(movingPosition_);
    else if (board.animating && &figure == capturedInFlight_)
        Translate(capturedPosition_);
    else
        Translate(SquareCentre(figure.x, figure.y));
}

void CBoardRenderer::DrawFigures(const CBoard& board, const CBoardServices& services) const {
    glDisable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, woodTexture_);
    if (services.TexturedFigures()) glEnable(GL_TEXTURE_2D);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    const bool mirror = services.Mirror() != 0;
    for (const CFigure* figure : board.figures) {
        const bool moving = board.animating && figure == board.selectedFigure;
        const bool flying = board.animating && figure == capturedInFlight_;
        glPushMatrix();
        PlaceFigure(board, *figure);
        glColor3fv(figure->color == 0 ? theme_->whiteFigure : theme_->blackFigure);
        if (flying) {
            glPushMatrix();
            glMultMatrixf(spin_);
            DrawMesh(figure->type);
            glPopMatrix();
        } else {
            DrawMesh(figure->type);
        }
        if (mirror) {
            if (moving) glTranslatef(0, 0, -2 * movingPosition_.z);
            if (flying) glTranslatef(0, 0, -2 * capturedPosition_.z);
            glMultMatrixf(kReflection);
            DrawMesh(figure->type, true);
        }
        glPopMatrix();
    }
}

void CBoardRenderer::DrawOutline(int x, int y, float z) const {
    glBegin(GL_LINE_LOOP);
    Vertex(grid_(x, y), z);
    Vertex(grid_(x + 1, y), z);
    Vertex(grid_(x + 1, y + 1), z);
    Vertex(grid_(x, y + 1), z);
    glEnd();
}

void CBoardRenderer::DrawSquares(const CBoard& board, const CBoardServices& services) const {
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisable(GL_LIGHTING);
    glLineWidth(2);
    if (services.Mirror())
        EnableBlending();
    else
        DisableBlending();
    glDisable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, boardTexture_);
    const sBoardTheme& t = *theme_;
    const bool texturedBoard = services.TexturedBoard() != 0;
    if (t.woodenSquares) glBindTexture(GL_TEXTURE_2D, woodTexture_);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool light = (x + y) % 2 == 1;
            if ((light && !t.woodenSquares) || !texturedBoard)
                glDisable(GL_TEXTURE_2D);
            else
                glEnable(GL_TEXTURE_2D);
            const bool isSelected = board.selectedSquare == sSquare{x, y};
            const sRgba& plain = light ? t.lightSquare : t.darkSquare;
            Colour(!board.selected        ? plain
                   : isSelected           ? t.selected
                   : board.IsTarget(x, y) ? t.target
                                          : plain);
            glBegin(GL_QUADS);
            glTexCoord2f(1, 0);
            Vertex(grid_(x, y));
            glTexCoord2f(0, 0);
            Vertex(grid_(x + 1, y));
            glTexCoord2f(0, 1);
            Vertex(grid_(x + 1, y + 1));
            glTexCoord2f(1, 1);
            Vertex(grid_(x, y + 1));
            glEnd();
            Colour(t.outline);
            DrawOutline(x, y, 0);
        }
}

void CBoardRenderer::DrawMoveOutline(const sLastMove& m, bool hint) const {
    glDisable(GL_TEXTURE_2D);
    glLineWidth(3);
    Colour(hint ? kHint : theme_->lastMove);
    // A hint is drawn above the last move's outline, where the two share a square.
    const float lift = hint ? 0.06f : 0.05f;
    for (const sSquare s : {sSquare{m.fromX, m.fromY}, sSquare{m.toX, m.toY}})
        if (IsOnBoard(s.x, s.y)) DrawOutline(s.x, s.y, lift);
}

// A king in check: a wider, pure red line, above the last move's.
void CBoardRenderer::DrawCheck(sSquare king) const {
    if (!IsOnBoard(king.x, king.y)) return;
    glLineWidth(6);
    Colour(kCheck);
    DrawOutline(king.x, king.y, 0.07f);
    glLineWidth(3);
}

void CBoardRenderer::DrawShadows(const CBoard& board) const {
    for (const CFigure* figure : board.figures) {
        glPushMatrix();
        if (board.animating && figure == board.selectedFigure)
            glTranslatef(movingPosition_.x, movingPosition_.y, 0);
        else
            Translate(SquareCentre(figure->x, figure->y));
        EnableBlending();
        glTranslatef(0, 0, 0.01f);
        Colour(kShadow);
        glDisableClientState(GL_NORMAL_ARRAY);
        glCallList(lists_ + kShadowList);
        glEnableClientState(GL_NORMAL_ARRAY);
        DisableBlending();
        glPopMatrix();
    }
}

void CBoardRenderer::DrawGlyphs() const {
    const sBoardTheme& t = *theme_;
    Colour(t.glyph);
    glDisableClientState(GL_NORMAL_ARRAY);
    for (int n = 0; n < 8; ++n) {
        glPushMatrix();
        glTranslatef(float(n) - 3.5f, t.letterY, 0.01f);
        glCallList(lists_ + kLetterLists + n);
        glPopMatrix();
        glPushMatrix();
        glTranslatef(t.digitX, float(n) - 3.5f - t.digitDrop, 0.01f);
        glCallList(lists_ + kDigitLists + n);
        glPopMatrix();
    }
    glEnableClientState(GL_NORMAL_ARRAY);
}
