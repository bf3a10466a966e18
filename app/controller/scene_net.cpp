#include "app/controller/scene.h"

std::string CScene::CNetSide::Nickname() const {
    return std::string(scene.settings.nickname.View());
}
int CScene::CNetSide::PlayerColor() const {
    return scene.settings.playerColor;
}
const CBoard& CScene::CNetSide::Board() const {
    return scene.board;
}
const CMoveTable& CScene::CNetSide::Moves() const {
    return scene.moveTable;
}
bool CScene::CNetSide::IsNetworkGame() const {
    return scene.networkGame != 0;
}
bool CScene::CNetSide::Discoverable() const {
    return scene.settings.discoverable != 0;
}

void CScene::CNetSide::SetNickname(const std::string& nickname) {
    scene.settings.nickname = nickname;
}
void CScene::CNetSide::SetDiscoverable(bool discoverable) {
    scene.settings.discoverable = discoverable ? 1 : 0;
}
void CScene::CNetSide::OnListening() {
    scene.settings.currentMove = scene.settings.playerColor;
}
void CScene::CNetSide::OnNetworkGameBegun() {
    scene.networkGame = 1;
}
void CScene::CNetSide::OnConnectionClosed() {
    // The game stays on the board, from now on without the peer.
    if (scene.networkGame) scene.board.RestartHistory();
    scene.waitingForPeer = 0;
    scene.ForgetDrawOffer();
    scene.networkGame = 0;
    scene.connectionLost = 0;
}
void CScene::CNetSide::OnConnectionLost() {
    OnConnectionClosed();
    scene.connectionLost = 1;
}
void CScene::CNetSide::OnLinkRestored(bool waitingForPeer) {
    scene.connectionLost = 0;
    scene.waitingForPeer = waitingForPeer ? 1 : 0;
}
void CScene::CNetSide::Redraw() {
    scene.DrawFrame();
}

void CScene::CNetSide::OnPeerColour(const std::string& text) {
    scene.OnPeerColour(text);
}
void CScene::CNetSide::OnPeerMove(int fromX, int fromY, int toX, int toY,
                                  const sRuleState& rights) {
    scene.OnPeerMove(fromX, fromY, toX, toY, rights);
}
void CScene::CNetSide::OnPeerNewGame() {
    scene.OnPeerNewGame();
}
void CScene::CNetSide::OnPeerResign() {
    scene.OnPeerResign();
}
void CScene::CNetSide::OnPeerDraw(const std::string& word) {
    scene.OnPeerDraw(word);
}
