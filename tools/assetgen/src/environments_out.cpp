#include "environments.h"
#include "output.h"
#include "sky_parts.h"

namespace assetgen {

const Environment kEnvironments[3] = {
    {"Clear Day", clearDaySky, skyDirection(150, 12)},
    {"Starry Night", starryNightSky, skyDirection(-30, 15)},
    {"Sunset", sunsetSky, skyDirection(12, 8)},
};

bool writeEnvironments(const Output& out) {
    constexpr int kFaceSize = 512, kSamples = 2, kQuality = 90;
    bool ok = true;
    for (const Environment& environment : kEnvironments) {
        const std::string folder = std::string("assets/data/Environment/") + environment.folder;
        for (const SkyFace& face : kSkyFaces) {
            const Image picture = renderFace(face, kFaceSize, environment.sky, kSamples);
            const std::string name = folder + "/Sky_" + face.name + ".jpg";
            ok = writeJpeg(picture, out.file(name), kQuality) && ok;
        }
        const Image preview = renderPreview(environment.previewForward, 128, 1.7f, environment.sky);
        ok = writeJpeg(preview, out.file(folder + "/Sky.jpg"), kQuality) && ok;
    }
    return ok;
}

} // namespace assetgen
