#include "midi/control_registry.h"

#include "midi/midi_keyboard.h"
#include "midi/player.h"

#include <map>

namespace midi {
namespace {

std::map<ControlHandle, CMidiKeyboard*>& Controls() {
    static std::map<ControlHandle, CMidiKeyboard*> controls;
    return controls;
}

} // namespace

void RegisterControl(ControlHandle handle, CMidiKeyboard* control) {
    Controls()[handle] = control;
}

void UnregisterControl(ControlHandle handle) {
    const auto found = Controls().find(handle);
    if (found == Controls().end()) return;
    CMidiKeyboard* dying = found->second;
    Controls().erase(found);
    for (auto& [other, control] : Controls()) {
        if (control->compared() == dying) control->SetCompared(nullptr);
    }
    Player::Instance().Forget(dying);
}

CMidiKeyboard* FindControl(ControlHandle handle) {
    const auto found = Controls().find(handle);
    return found == Controls().end() ? nullptr : found->second;
}

} // namespace midi
