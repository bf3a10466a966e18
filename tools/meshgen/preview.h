#pragma once

#include <string>

// Writes the sixteen glyph outlines, filled from their triangles, side by
// side into a grey-scale PGM picture (for checking their design).
void WriteGlyphPreview(const std::string& path);
