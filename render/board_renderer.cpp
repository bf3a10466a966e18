#include "render/board_renderer.h"

#include "board/board.h"
#include "board/board_services.h"
#include "platform/message_box.h"
#include "platform/paths.h"
#include "render/bmp_file.h"
#include "render/embedded_meshes.h"
#include "render/geometry/matrix.h"
#include "render/geometry/vector.h"
#include "render/gl/texture_upload.h"
#include "render/texture_image.h"

#include <GL/gl.h>

#include <map>
#include <utility>

namespace {

struct sRgba {
    float r, g, b, a;
};

constexpr float kWhiteFigure[3] = {1, 1, 1};
constexpr float kBlackFigure[3] = {0.5f, 0.5f, 0.5f};
constexpr sRgba kLightSquare = {214 / 255.0f, 171 / 255.0f, 123 / 255.0f, 0.75f};
constexpr sRgba kDarkSquare = {140 / 255.0f, 123 / 255.0f, 129 / 255.0f, 0.75f};
constexpr sRgba kSelectedSquare = {1, 1, 0, 0.75f};
constexpr sRgba kTargetSquare = {1, 1, 1, 0.75f};
constexpr sRgba kOutline = {0.15f, 0.75f, 0.15f, 0.75f};
constexpr sRgba kLastMove = {0.75f, 0.15f, 0.15f, 0.75f};
constexpr sRgba kShadow = {0, 0, 0, 0.15f};
constexpr sRgba kGlyph = {1, 0.1f, 1, 1};

// The colours of the four corners of every side quad, blended smoothly.
constexpr float kSideColours[4][3] = {
    {0.6f, 0, 0}, {0.6f, 0.6f, 0}, {0, 0.6f, 0.6f}, {0.6f, 0, 0.6f}};
constexpr float kSideDepth = 1.2f;

// (x, y, z) -> (-y, -x, -z): the figure seen upside down under the board.
constexpr float kReflection[16] = {0, -1, 0, 0, -1, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};

// Where the captured figures stand: pawns in the inner column, the others
// in the outer one, one square apart.
struct sCapturedRow {
    float pawnX, otherX, firstY, stepY;
    const float* colour;
};
constexpr sCapturedRow kCapturedBlackRow = {4.5f, 4.9f, -3.5f, 1, kBlackFigure};
constexpr sCapturedRow kCapturedWhiteRow = {-4.6f, -5.0f, 3.5f, -1, kWhiteFigure};

void Colour(const sRgba& c) {
    glColor4f(c.r, c.g, c.b, c.a);
}

void Vertex(const point3d& p, float dz = 0) {
    glVertex3f(p.x, p.y, p.z + dz);
}

void Translate(const point3d& p) {
    glTranslatef(p.x, p.y, p.z);
}

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

point3d Position(const vert_t& v) {
    return {v.x, v.y, v.z};
}

void CompilePositions(const MeshTable& table) {
    if (!table.vertexCount || !table.faceCount) return;
    glVertexPointer(3, GL_FLOAT, sizeof(vert_t), table.vertices);
    glDrawElements(GL_TRIANGLES, GLsizei(table.faceCount * 3), GL_UNSIGNED_INT, table.faces);
}

// Every edge used once in each direction, and a positive volume.
bool IsClosedOutward(const CMesh& mesh) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
    double volume = 0;
    for (const face_t& f : mesh.faces) {
        const std::uint32_t corners[3] = {f.a, f.b, f.c};
        for (int k = 0; k < 3; ++k)
            if (++edges[{corners[k], corners[(k + 1) % 3]}] > 1) return false;
        point3d bc;
        Cross(bc, Position(mesh.vertices[f.b]), Position(mesh.vertices[f.c]));
        volume += Dot(Position(mesh.vertices[f.a]), bc);
    }
    for (const auto& [edge, count] : edges)
        if (!edges.contains({edge.second, edge.first})) return false;
    return !edges.empty() && volume > 0;
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
    for (int i = 0; i < 6; ++i) closed_[i] = IsClosedOutward(meshes_[i]);
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

void CBoardRenderer::DrawMesh(int type) const {
    if (type < 1 || type > 6) return;
    if (closed_[type - 1]) glEnable(GL_CULL_FACE);
    meshBuffers_[type - 1].Draw();
    glDisable(GL_CULL_FACE);
}

void CBoardRenderer::DrawBoard(const CBoard& board, const CBoardServices& services,
                               const std::function<void()>& background) {
    if (!lists_) BuildLists();
    DrawSides();
    DrawFigures(board, services);
    if (services.DeleteFigures()) DrawCaptured(board);
    if (background) {
        background();
        glDisable(GL_CULL_FACE);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    }
    DrawSquares(board, services);
    DrawLastMove(board);
    if (services.Shadows()) DrawShadows(board);
    if (services.Letters()) DrawGlyphs();
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void CBoardRenderer::DrawSides() const {
    glDisable(GL_TEXTURE_2D);
    DisableBlending();
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glDisable(GL_LIGHTING);
    const point3d corners[4] = {grid_(0, 0), grid_(0, 8), grid_(8, 8), grid_(8, 0)};
    glBegin(GL_QUADS);
    for (int side = 0; side < 4; ++side) {
        const point3d& a = corners[side];
        const point3d& b = corners[(side + 1) % 4];
        const float dz[4] = {0, 0, -kSideDepth, -kSideDepth};
        const point3d* at[4] = {&a, &b, &b, &a};
        for (int k = 0; k < 4; ++k) {
            glColor3fv(kSideColours[k]);
            Vertex(*at[k], dz[k]);
        }
    }
    glEnd();
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
        glColor3fv(figure->color == 0 ? kWhiteFigure : kBlackFigure);
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
            DrawMesh(figure->type);
        }
        glPopMatrix();
    }
}

void CBoardRenderer::DrawCaptured(const CBoard& board) const {
    glEnable(GL_LIGHTING);
    const auto drawRow = [this](const CFigureList& list, const sCapturedRow& row) {
        int pawns = 0, others = 0;
        glColor3fv(row.colour);
        for (const CFigure* figure : list) {
            const bool pawn = figure->type == kPawn;
            const int n = pawn ? pawns++ : others++;
            glPushMatrix();
            glTranslatef(pawn ? row.pawnX : row.otherX, row.firstY + row.stepY * float(n), 0);
            DrawMesh(figure->type);
            glPopMatrix();
        }
    };
    drawRow(board.capturedBlack, kCapturedBlackRow);
    drawRow(board.capturedWhite, kCapturedWhiteRow);
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
    const bool texturedBoard = services.TexturedBoard() != 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool light = (x + y) % 2 == 1;
            if (light || !texturedBoard)
                glDisable(GL_TEXTURE_2D);
            else
                glEnable(GL_TEXTURE_2D);
            const bool isSelected = board.selectedSquare == sSquare{x, y};
            Colour(!board.selected        ? (light ? kLightSquare : kDarkSquare)
                   : isSelected           ? kSelectedSquare
                   : board.IsTarget(x, y) ? kTargetSquare
                                          : (light ? kLightSquare : kDarkSquare));
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
            Colour(kOutline);
            DrawOutline(x, y, 0);
        }
}

void CBoardRenderer::DrawLastMove(const CBoard& board) const {
    glDisable(GL_TEXTURE_2D);
    glLineWidth(3);
    Colour(kLastMove);
    const sLastMove& m = board.lastMove;
    for (const sSquare s : {sSquare{m.fromX, m.fromY}, sSquare{m.toX, m.toY}})
        if (IsOnBoard(s.x, s.y)) DrawOutline(s.x, s.y, 0.05f);
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
    Colour(kGlyph);
    glDisableClientState(GL_NORMAL_ARRAY);
    for (int n = 0; n < 8; ++n) {
        glPushMatrix();
        glTranslatef(float(n) - 3.5f, -4, 0.01f);
        glCallList(lists_ + kLetterLists + n);
        glPopMatrix();
        glPushMatrix();
        glTranslatef(-3.9f, float(n) - 3.5f, 0.01f);
        glCallList(lists_ + kDigitLists + n);
        glPopMatrix();
    }
    glEnableClientState(GL_NORMAL_ARRAY);
}
