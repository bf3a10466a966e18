#pragma once

#include "engine/engine_api.h"

// The places GetComputerMove writes its answer to.
struct EntryOutputs {
    CFigure* captured = nullptr;
    CFigure* moved = nullptr;
    int x = -1, y = -1;
};
