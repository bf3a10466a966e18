#include "render/sky.h"

#include "platform/message_box.h"
#include "platform/paths.h"
#include "render/environments.h"
#include "render/geometry/matrix.h"
#include "render/sky_faces.h"

#include <GL/gl.h>

#include <numbers>

CSky::CSky() {
    for (int i = 0; i < kParts; ++i) {
        const sSkyFaceTable& face = SkyFaceTable(i);
        parts_[i].Build(face.vertexCount, face.vertices, face.triangleCount, face.indices);
    }
}

void CSky::Init(const std::string& startupDir, int& skyNumber) {
    startupDir_ = startupDir;
    skyNumber_ = &skyNumber;
    SelectEnvironment(skyNumber);
}

void CSky::SetScale(float factor) {
    for (CSkyPart& part : parts_) part.SetScale(factor);
}

int CSky::SelectEnvironment(int n) {
    if (!Initialised()) return 0;
    const std::string folder = EnvironmentsFolder(startupDir_);
    const auto names = ListEnvironments(folder);
    if (!names || names->empty()) {
        platform::ShowMessageBox("No Subdirectories!", "Tavlion", platform::kOk);
        return 0;
    }
    const int last = int(names->size()) - 1;
    const int chosen = n < 0 ? 0 : n > last ? last : n;
    if (chosen != n && skyNumber_) *skyNumber_ = chosen;
    environmentFolder_ = folder + platform::kPathSeparator + (*names)[std::size_t(chosen)];
    LoadTextures();
    return 1;
}

void CSky::LoadTextures() {
    if (environmentFolder_.empty()) return;
    texturesLoaded_ = true;
    for (int i = 0; i < kParts; ++i)
        parts_[i].LoadImage(
            platform::NativePath(environmentFolder_ + "\\Sky_" + kSkyFaceNames[i] + ".jpg"));
}

void CSky::Draw() const {
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);

    float turn[16];
    SetIdentity(turn);
    SetRotation(turn, std::numbers::pi / 2, 0, 0);
    glPushMatrix();
    glMultMatrixf(turn);
    glColor4f(0, 0, 0, 0);
    for (const CSkyPart& part : parts_) part.Draw();
    glPopMatrix();

    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
}

void CSky::DropTextures() {
    for (CSkyPart& part : parts_) part.DropTexture();
    texturesLoaded_ = false;
}
