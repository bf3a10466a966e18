// The "Figures" value of a game file: CBoard::ParseText. A board that took
// the text must write it back in a form it reads again to the same text, and
// browsing the loaded history must stay safe.
#include "fuzz/fuzz_support.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The value reaches the board as a C string: the text up to its first NUL.
    const std::string text(reinterpret_cast<const char*>(data), size);
    fuzz::CQuietBoard loaded;
    if (!loaded.board.ParseText(text.c_str())) return 0;

    const std::string written = fuzz::BoardText(loaded.board);
    fuzz::CQuietBoard reread;
    if (!reread.board.ParseText(written.c_str())) fuzz::Fail("a written board does not read back");
    if (fuzz::BoardText(reread.board) != written) fuzz::Fail("a board changed on its way back");

    CBoard& board = loaded.board;
    board.GoToStart();
    for (int i = 0; i < board.history.Count(); ++i) board.StepForward();
    board.StepBack();
    board.GoToEnd();
    board.ReplayGame();
    return 0;
}
