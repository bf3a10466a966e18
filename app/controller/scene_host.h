#pragma once

#include "engine/engine_api.h"

#include <string>
#include <vector>

namespace notation {
struct PgnGameEntry;
}

// What the game controller needs from the window that shows it: the GL
// context, the dialogs, the music and the network link. The controller is
// free of Qt and GL; the window implements these hooks. Every hook has a
// harmless default so a host (or a test) overrides only what it has.
class CSceneHost {
public:
    virtual ~CSceneHost() = default;

    // Global rendering state; called by CScene::Create after the settings
    // are loaded, with the context current.
    virtual void InitGL() {}
    // Projection and model-view from the controller's camera fields.
    virtual void ApplyCamera() {}
    // Makes the context current, draws one complete frame, swaps.
    virtual void RenderFrame() {}
    // The bitmap fonts of the clocks and the move list.
    virtual void CreateFonts() {}
    virtual void DeleteFonts() {}

    // Runs the promotion chooser modally for a pawn of `color` and returns
    // the chosen type (2 knight .. 5 queen).
    virtual int ChoosePromotion(int color) {
        (void)color;
        return 5;
    }

    // The move animation of the board drawing; returns when it has played.
    virtual void AnimateMove(CFigure* figure, CFigure* captured, int toX, int toY) {
        (void)figure, (void)captured, (void)toX, (void)toY;
    }
    // The mouse cursor over the view, hidden during a replay.
    virtual void ShowCursor(bool shown) { (void)shown; }
    // Waits between the positions of a replay, keeping the window alive.
    virtual void Pause(int milliseconds) { (void)milliseconds; }

    // The game to import from a file of several; -1 when none was chosen.
    virtual int ChoosePgnGame(const std::vector<notation::PgnGameEntry>& games) {
        (void)games;
        return 0;
    }
    // The network opponent's nickname; empty when not known.
    virtual std::string PeerNickname() const { return {}; }

    // The main window's caption.
    virtual void SetTitle(const std::string& title) { (void)title; }

    // Background tune.
    virtual void StartMusic() {}
    virtual void StopMusic() {}

    // Selects sky `number` and loads its pictures.
    virtual void ReloadSky(int number) { (void)number; }

    // Network link: a local move or a new game for the peer, and closing the
    // connection when the controller goes away.
    virtual void SendMoveToPeer(int fromX, int fromY, int toX, int toY, const sRuleState& rules) {
        (void)fromX, (void)fromY, (void)toX, (void)toY, (void)rules;
    }
    virtual void SendNewGameToPeer() {}
    virtual void CloseConnection() {}
    // The end of a game for the peer: a resignation, and the draw words
    // ("OFFER", "ACCEPT", "DECLINE", "AGREED", "CLAIM").
    virtual void SendResignToPeer() {}
    virtual void SendDrawToPeer(const std::string& word) { (void)word; }

    // The engine thinks: the cursor over the view shows it is busy.
    virtual void SetBusy(bool busy) { (void)busy; }
};
