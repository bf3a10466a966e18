#pragma once

// The document of the window: it holds nothing, all game data lives in the
// controller owned by the view.
class CTavlionDoc {};
