// The library's answer as a standard move, and the legal move played when
// the library's own rules allow what the standard ones do not.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engines/figure_set.h"
#include "notation/fen.h"
#include "notation/move_generator.h"
#include "uci/library_searcher.h"

namespace {

namespace fs = std::filesystem;

// White may castle queenside only; the library's castling does not read the
// rook words, so it may castle kingside.
constexpr const char* kOnlyQueenside = "4k3/8/8/8/8/8/P7/R3K2R w Q - 0 1";

bool writeReport = true;

// Castles kingside, as the library may here, and reports that move first
// and a2-a3 second.
int CastlingEntry(sFigureList* list, int, int, sRuleState*, CFigure** captured, CFigure** moved,
                  int* x, int* y, int*) {
    *captured = nullptr;
    *moved = engines::FigureOn(*list, 4, 0);
    *x = 6, *y = 0;
    engines::FigureOn(*list, 7, 0)->x = 5;
    if (writeReport) {
        std::ofstream report("!debug.$$$");
        report << "\n\n0) 6 from (E,1) to (G,1) type=2 price=20\n"
                  "1) 1 from (A,2) to (A,3) type=0 price=3\n"
                  "2) 4 from (A,1) to (B,1) type=0 price=-5\n";
    }
    return 0;
}

// Promotes, as the library does, by making the pawn a queen.
int PromotingEntry(sFigureList* list, int, int, sRuleState*, CFigure** captured, CFigure** moved,
                   int* x, int* y, int*) {
    *captured = nullptr;
    *moved = engines::FigureOn(*list, 0, 6);
    (*moved)->type = kQueen;
    *x = 0, *y = 7;
    return 0;
}

class LibrarySearcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("library-searcher-" + std::to_string(getpid()));
        fs::create_directories(folder);
        previous = fs::current_path();
        fs::current_path(folder);
        writeReport = true;
    }
    void TearDown() override {
        fs::current_path(previous);
        fs::remove_all(folder);
    }
    fs::path folder, previous;
};

TEST_F(LibrarySearcherTest, AnIllegalChoiceGivesWayToTheBestLegalMoveOfTheReport) {
    const notation::Position p = notation::ReadFen(kOnlyQueenside).position;
    LibrarySearcher searcher(&CastlingEntry);
    int stop = 0;
    const SearchResult r = searcher.Search(p, 0, &stop);
    ASSERT_TRUE(r.move);
    EXPECT_EQ(notation::ToUci(*r.move), "a2a3");
    EXPECT_EQ(r.scoreCp, 3);
    EXPECT_EQ(r.depth, 3);
}

TEST_F(LibrarySearcherTest, WithoutAReportTheFirstLegalMoveIsPlayed) {
    const notation::Position p = notation::ReadFen(kOnlyQueenside).position;
    writeReport = false;
    // A report of an earlier search must not be taken for this one's.
    std::ofstream("!debug.$$$") << "0) 1 from (A,2) to (A,4) type=0 price=9\n";
    LibrarySearcher searcher(&CastlingEntry);
    int stop = 0;
    const SearchResult r = searcher.Search(p, 1, &stop);
    ASSERT_TRUE(r.move);
    EXPECT_EQ(*r.move, notation::LegalMoves(p)[0]);
}

TEST_F(LibrarySearcherTest, APawnMadeAQueenIsAPromotion) {
    const notation::Position p = notation::ReadFen("7k/P7/8/8/8/8/8/K7 w - - 0 1").position;
    LibrarySearcher searcher(&PromotingEntry);
    int stop = 0;
    const SearchResult r = searcher.Search(p, 2, &stop);
    ASSERT_TRUE(r.move);
    EXPECT_EQ(notation::ToUci(*r.move), "a7a8q");
}

} // namespace
