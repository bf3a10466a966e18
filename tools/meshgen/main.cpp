// Makes the embedded mesh tables of the game from the designs in this
// folder. Usage:
//   meshgen <output mesh_tables.cpp>    write the tables
//   meshgen --glyph-preview <out.pgm>   draw the glyphs for a look
#include "preview.h"
#include "tables.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv) {
    try {
        if (argc == 3 && std::string(argv[1]) == "--glyph-preview") {
            WriteGlyphPreview(argv[2]);
            return 0;
        }
        if (argc != 2) {
            std::fprintf(stderr, "usage: meshgen <mesh_tables.cpp> | --glyph-preview <out.pgm>\n");
            return 2;
        }
        WriteMeshTables(argv[1]);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "meshgen: %s\n", e.what());
        return 1;
    }
}
