#include "shell_fixture.h"

#include "app/shell/gl_surface.h"
#include "platform/message_box.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QAction>
#include <QTest>

#include <algorithm>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

CTavlionApp* application = nullptr;

// The program reads its data from the current directory; the staged copies
// are linked in, the settings file is the test's own.
void LinkStagedFiles(const fs::path& into, const std::vector<std::string>& withheld) {
    const fs::path stage = TAVLION_STAGE_DIR;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(stage, ec)) {
        const std::string name = entry.path().filename().string();
        if (name == "Tavlion.INI" || name == "Tavlion" || name == CScene::kKeptGameFileName)
            continue;
        if (std::find(withheld.begin(), withheld.end(), name) != withheld.end()) continue;
        fs::create_symlink(entry.path(), into / name, ec);
    }
}

} // namespace

CTavlionApp& ShellTest::App() {
    if (!application) {
        static int argc = 1;
        static char name[] = "shell_tests";
        static char* argv[] = {name, nullptr};
        // The background tune needs no sound card here.
        if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
#ifdef TAVLION_TEST_SCALE_FACTOR
        qputenv("QT_SCALE_FACTOR", TAVLION_TEST_SCALE_FACTOR);
#endif
        application = new CTavlionApp(argc, argv); // lives until the process ends
    }
    return *application;
}

void ShellTest::SetUp() {
    previousDir = fs::current_path();
    char pattern[] = "/tmp/tavlion-shell-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    workDir = pattern;
    LinkStagedFiles(workDir, withheld);
    fs::current_path(workDir);
    platform::SetMessageBoxHandler([this](const std::string& text, const std::string&, int) {
        boxes.push_back(text);
        return int(platform::kIdOk);
    });
    ASSERT_TRUE(App().CreateMainWindow());
}

void ShellTest::TearDown() {
    if (application) application->DestroyMainWindow();
    platform::SetMessageBoxHandler({});
    fs::current_path(previousDir);
    std::error_code ec;
    fs::remove_all(workDir, ec);
}

void ShellTest::ShowWindow(int width, int height) {
    Frame().resize(width, height);
    Frame().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    ASSERT_TRUE(QTest::qWaitFor([this] { return View().Surface()->isExposed(); }, 5000));
    QTest::qWait(50);
}

// Where the centre of square (x, y) lands in the view, in logical window
// coordinates (what the mouse reports).
QPointF ShellTest::SquareOnScreen(int x, int y) {
    CTavlionView& view = View();
    CGLSurface* surface = view.Surface();
    EXPECT_TRUE(surface->MakeCurrent());
    view.Renderer().ApplyCamera();
    glPushMatrix();
    glMultMatrixf(view.Scene().settings.matrix);
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPopMatrix();
    GLdouble wx = 0, wy = 0, wz = 0;
    gluProject(x - 3.5, y - 3.5, 0, model, projection, viewport, &wx, &wy, &wz);
    const qreal ratio = surface->devicePixelRatio();
    return {wx / ratio, (viewport[3] - wy) / ratio};
}

bool ShellTest::Enabled(int commandId) {
    Frame().UpdateCommandStates();
    return Frame().Action(commandId)->isEnabled();
}

bool ShellTest::Checked(int commandId) {
    Frame().UpdateCommandStates();
    return Frame().Action(commandId)->isChecked();
}
