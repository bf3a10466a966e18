// Loads "Engine.dll" as the game does, binds its entry points by ordinal and
// answers the table of positions; the transcript must equal the Linux
// build's. Run it in an empty folder: the engine writes its report there.
//   engine_dll_test <expected transcript> <actual transcript>

#include "engine/engine_api.h"
#include "engine_transcript.h"
#include "library_entries.h"
#include "message_boxes.h"
#include "transcript.h"

#include <windows.h>

#include <cstdio>

namespace {

// Timer messages keep coming to the calling thread while the engine pumps.
void KeepMessagesComing(bool on) {
    static UINT_PTR timer = 0;
    if (on) {
        timer = SetTimer(nullptr, 0, 10, nullptr);
    } else {
        KillTimer(nullptr, timer);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::printf("usage: engine_dll_test <expected transcript> <actual transcript>\n");
        return 2;
    }
    const HMODULE engine = LoadLibraryA(kEngineLibraryName);
    if (!engine) {
        std::printf("cannot load %s (error %lu)\n", kEngineLibraryName, GetLastError());
        return 1;
    }
    dll_test::EngineHost host;
    host.computerMove =
        dll_test::Entry<GetComputerMoveFn>(engine, MAKEINTRESOURCEA(kGetComputerMoveOrdinal));
    host.currentState =
        dll_test::Entry<GetCurrentStateFn>(engine, MAKEINTRESOURCEA(kGetCurrentStateOrdinal));
    host.keepMessagesComing = KeepMessagesComing;
    host.messageBoxes = dll_test::TakeMessageBoxes;
    dll_test::ConfirmMessageBoxes();
    if (!host.computerMove || !host.currentState) {
        std::printf("the entry points with ordinals 1 and 2 are missing\n");
        return 1;
    }
    if (dll_test::FreezeClock(engine, dll_test::kFrozenSecond) == 0) {
        std::printf("the engine imports no clock of the C runtime to freeze\n");
        return 1;
    }
    return dll_test::CompareWithExpected(argv[1], argv[2], dll_test::EngineTranscript(host));
}
