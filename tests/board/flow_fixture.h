#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "fake_services.h"
#include "platform/library.h"
#include "platform/message_box.h"
#include "render/geometry/matrix.h"
#include "render/geometry/vector.h"

// The built engine library, bound by ordinal as the program binds it.
struct sEngineEntries {
    GetComputerMoveFn computerMove = nullptr;
    GetCurrentStateFn currentState = nullptr;
};

inline const sEngineEntries& BuiltEngine() {
    static const sEngineEntries entries = [] {
        sEngineEntries e;
        char cwd[4096];
        if (!getcwd(cwd, sizeof cwd) || chdir(TAVLION_STAGE_DIR) != 0) return e;
        if (platform::LibraryHandle lib = platform::LoadLibrary(kEngineLibraryName)) {
            e.computerMove = reinterpret_cast<GetComputerMoveFn>(
                platform::GetProcAddress(lib, kGetComputerMoveOrdinal));
            e.currentState = reinterpret_cast<GetCurrentStateFn>(
                platform::GetProcAddress(lib, kGetCurrentStateOrdinal));
        }
        if (chdir(cwd) != 0) std::abort();
        return e;
    }();
    return entries;
}

// The computer's replies, played from a list instead of searched.
struct sScript {
    std::deque<sLastMove> moves;
    const CBoard* board = nullptr;
    int calls = 0;
    int thinkingDuringCall = 0;
    int framesBeforeCall = -1;
    const int* frames = nullptr;
    std::function<void()> duringCall;

    static sScript& Get() {
        static sScript script;
        return script;
    }

    static int Play(sFigureList* list, int, int, sRuleState*, CFigure** captured, CFigure** moved,
                    int* x, int* y, int* stop) {
        sScript& s = Get();
        ++s.calls;
        s.thinkingDuringCall = s.board ? s.board->thinking : -1;
        s.framesBeforeCall = s.frames ? *s.frames : -1;
        *stop = 1; // as if Stop Thinking came during the search
        if (s.duringCall) s.duringCall();
        if (s.moves.empty()) return 0;
        const sLastMove m = s.moves.front();
        s.moves.pop_front();
        for (int i = 0; i < list->count; ++i) {
            CFigure* f = list->figures[i];
            if (f->x == m.fromX && f->y == m.fromY) *moved = f;
            if (f->x == m.toX && f->y == m.toY) *captured = f;
        }
        *x = m.toX;
        *y = m.toY;
        return 0;
    }
};

struct CFlowServices : CFakeServices {
    GetComputerMoveFn computerMove = nullptr;
    GetCurrentStateFn currentState = nullptr;
    int promotionsAsked = 0;
    std::vector<int> faces; // the side each turn of the board faced
    std::vector<std::array<int, 4>> sent;

    GetComputerMoveFn ComputerMoveEntry() const override { return computerMove; }
    GetCurrentStateFn CurrentStateEntry() const override { return currentState; }
    int ChoosePromotion() override {
        ++promotionsAsked;
        return promotionType;
    }
    void SendMove(int fx, int fy, int tx, int ty) override { sent.push_back({fx, fy, tx, ty}); }
    void FaceWhite() override {
        SetIdentity(matrix);
        SetRotation(matrix, 0, 0, M_PI);
        faces.push_back(kWhite);
    }
    void FaceBlack() override {
        SetIdentity(matrix);
        faces.push_back(kBlack);
    }
};

inline sSquare Sq(const char* name) {
    return {name[0] - 'A', name[1] - '1'};
}

class CFlowTest : public ::testing::Test {
protected:
    CFlowServices services;
    CMoveTable moves;
    CBoard board{services, moves};
    std::vector<std::string> boxes;
    platform::MessageBoxHandler previousHandler;

    static constexpr point3d kEye{0, 8, 8};

    void SetUp() override {
        previousHandler = platform::SetMessageBoxHandler(
            [this](const std::string& text, const std::string&, int) {
                boxes.push_back(text);
                return int(platform::kIdOk);
            });
        services.currentState = BuiltEngine().currentState;
        ASSERT_NE(services.currentState, nullptr) << "the engine library is not built";
        sScript::Get() = {};
        sScript::Get().board = &board;
        sScript::Get().frames = &services.frames;
    }
    void TearDown() override { platform::SetMessageBoxHandler(previousHandler); }

    void NewGame(int mode, int color) {
        services.playerMode = mode;
        services.playerColor = color;
        services.currentMove = color;
        services.gameStarted = 0;
        board.ResetGame();
        color == kWhite ? services.FaceWhite() : services.FaceBlack();
        services.faces.clear();
    }

    // Only the given figures on the board, `toMove` to move; two players
    // unless `mode` says otherwise.
    void Position(std::initializer_list<sState> figures, int toMove, int mode = 1) {
        NewGame(mode, kWhite);
        board.ClearFigures();
        for (const sState& f : figures) board.AddFigure(f.type, f.color, f.x, f.y);
        board.ClearHistory();
        board.PushHistory();
        services.currentMove = toMove;
        services.gameStarted = 1;
        toMove == kWhite ? services.FaceWhite() : services.FaceBlack();
        services.faces.clear();
    }

    // A click as the view gives it: the point under the mouse on the plane
    // through the camera's target, perpendicular to the view.
    void Click(sSquare s) {
        point3d centre, ray;
        TransformColumns(centre, {s.x - 3.5f, s.y - 3.5f, 0}, services.matrix);
        Sub(ray, centre, kEye);
        const point3d normal{0, 1, 1};
        const float t = float(-Dot(normal, kEye) / Dot(normal, ray));
        board.OnBoardClick({kEye.x + t * ray.x, kEye.y + t * ray.y, kEye.z + t * ray.z}, kEye);
    }
    void Click(const char* square) { Click(Sq(square)); }
    void Move(const char* from, const char* to) {
        Click(from);
        Click(to);
    }

    // Everything a move could leave behind.
    std::string Snapshot() {
        char* data = nullptr;
        size_t size = 0;
        FILE* file = open_memstream(&data, &size);
        board.WriteText(file);
        fclose(file);
        std::string s(data, size);
        free(data);
        const sLastMove& m = board.lastMove;
        for (int v : {board.rights[12], board.rights[13], m.fromX, m.fromY, m.toX, m.toY,
                      board.moveCount, board.historyIndex, board.selected, board.gameOver,
                      services.currentMove, services.gameStarted})
            s += " " + std::to_string(v);
        return s;
    }

    const CFigure* At(const char* square) const {
        const sSquare s = Sq(square);
        return board.FigureAt(s.x, s.y);
    }
    int TypeAt(const char* square) const { return At(square) ? At(square)->type : 0; }

    std::vector<std::string> MoveTexts() const {
        std::vector<std::string> out;
        for (const sMove* m : moves.entries) out.push_back(m->text);
        return out;
    }
};

// Against the computer, whose replies come from the script.
class CScriptedFlowTest : public CFlowTest {
protected:
    void SetUp() override {
        CFlowTest::SetUp();
        services.computerMove = &sScript::Play;
    }
    void Reply(const char* from, const char* to) {
        const sSquare f = Sq(from), t = Sq(to);
        sScript::Get().moves.push_back({f.x, f.y, t.x, t.y});
    }
};
