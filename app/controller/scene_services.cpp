#include "app/controller/scene.h"

int CScene::CServices::PlayerMode() const {
    return scene.settings.playerMode;
}
int CScene::CServices::PlayerColor() const {
    return scene.settings.playerColor;
}
int& CScene::CServices::CurrentMove() {
    return scene.settings.currentMove;
}
int CScene::CServices::GameLevel() const {
    return scene.settings.gameLevel;
}
int CScene::CServices::Animation() const {
    return scene.settings.animation;
}
const float* CScene::CServices::BoardMatrix() const {
    return scene.settings.matrix;
}
int CScene::CServices::Mirror() const {
    return scene.settings.mirror;
}
int CScene::CServices::Shadows() const {
    return scene.settings.shadows;
}
int CScene::CServices::Letters() const {
    return scene.settings.letters;
}
int CScene::CServices::DeleteFigures() const {
    return scene.settings.deleteFigures;
}
int CScene::CServices::TexturedFigures() const {
    return scene.settings.texturedFigures;
}
int CScene::CServices::TexturedBoard() const {
    return scene.settings.texturedBoard;
}
std::string CScene::CServices::ProgramDirectory() const {
    return scene.startupDir;
}

int& CScene::CServices::GameStarted() {
    return scene.gameStarted;
}
int CScene::CServices::WaitingForPeer() const {
    // A game whose connection dropped waits for the peer too.
    return scene.waitingForPeer || scene.connectionLost;
}
int CScene::CServices::NetworkGame() const {
    return scene.networkGame;
}
int* CScene::CServices::StopThinking() {
    return &scene.stopThinking;
}

GetComputerMoveFn CScene::CServices::ComputerMoveEntry() const {
    return scene.engine.ComputerMove();
}
GetCurrentStateFn CScene::CServices::CurrentStateEntry() const {
    return scene.engine.getCurrentState;
}

void CScene::CServices::PlaySoundEffect(int effect) {
    scene.PlaySoundEffect(effect);
}
void CScene::CServices::DrawFrame() {
    scene.DrawFrame();
}

int CScene::CServices::ChoosePromotion() {
    // The chooser opens on the queen; anything else than a piece a pawn may
    // become counts as the queen too.
    const int type = scene.typedPromotion ? scene.typedPromotion
                                          : scene.host.ChoosePromotion(scene.settings.currentMove);
    scene.promotionType = type >= 2 && type <= 5 ? type : 5;
    return scene.promotionType;
}

void CScene::CServices::SendMove(int fromX, int fromY, int toX, int toY) {
    if (!scene.networkGame) return;
    scene.waitingForPeer = 1;
    // The move withdraws an offer of ours; the next turn may make another.
    if (scene.drawOffer == DrawOffer::Made) scene.drawOffer = DrawOffer::None;
    scene.offeredThisTurn = false;
    scene.host.SendMoveToPeer(fromX, fromY, toX, toY, scene.board.rights);
}

void CScene::CServices::FaceWhite() {
    scene.FaceWhite();
}
void CScene::CServices::FaceBlack() {
    scene.FaceBlack();
}

void CScene::CServices::AnimateMove(CFigure* figure, CFigure* captured, int toX, int toY) {
    scene.host.AnimateMove(figure, captured, toX, toY);
}
void CScene::CServices::ShowCursor(bool shown) {
    scene.host.ShowCursor(shown);
}
void CScene::CServices::Pause(int milliseconds) {
    scene.host.Pause(milliseconds);
}

void CScene::CServices::MoveMade(int32_t mover) {
    if (scene.TimeControl().IsOn()) scene.countdown.AddIncrement(mover);
}
void CScene::CServices::ThinkingChanged(bool thinking) {
    if (thinking) scene.thinkingSince = ClockTickNow();
    scene.host.SetBusy(thinking);
}
