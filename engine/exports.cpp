#include "engine/engine_api.h"

// Entry points are added with the engine.
