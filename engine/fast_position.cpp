#include "engine/fast_position.h"

#include "engine/move_generator.h"
#include "engine/rule_words.h"

#include <cstdlib>
#include <cstring>

namespace engine::fast {
namespace {

constexpr uint64_t Bit(int square) {
    return uint64_t{1} << square;
}

// The step tables unrolled per colour and square: each ray holds its landing
// squares up to the edge, in table order. Knight and king steps are rays of
// one square.
struct RayTable {
    uint8_t rayCount;
    uint8_t length[8];
    uint8_t squares[8][7];
};

enum LineKind : uint8_t { kNoLine, kDiagonal, kOrthogonal };

struct Tables {
    RayTable rays[2][7][64];
    uint64_t pawnAttacks[2][64];
    uint64_t stepAttacks[7][64];
    uint64_t between[64][64];
    uint8_t line[64][64];
    uint64_t rayMask[8][64]; // the queen's rays of colour 0: four diagonals, four lines

    Tables() {
        std::memset(this, 0, sizeof *this);
        for (int color = 0; color < 2; ++color)
            for (int sq = 0; sq < 64; ++sq) {
                for (int type = kKnight; type <= kKing; ++type)
                    BuildRays(rays[color][type][sq], FigureSteps(type), sq % 8, sq / 8,
                              Direction(color));
                for (const sStep& step : PawnCaptureSteps()) {
                    const int x = sq % 8 + step.dx, y = sq / 8 + step.dy * Direction(color);
                    if (engine::OnBoard(x, y)) pawnAttacks[color][sq] |= Bit(y * 8 + x);
                }
            }
        for (int sq = 0; sq < 64; ++sq)
            for (int type : {kKnight, kKing}) {
                const RayTable& t = rays[0][type][sq];
                for (int r = 0; r < t.rayCount; ++r)
                    if (t.length[r]) stepAttacks[type][sq] |= Bit(t.squares[r][0]);
            }
        for (int a = 0; a < 64; ++a) {
            const RayTable& queen = rays[0][kQueen][a];
            for (int r = 0; r < queen.rayCount; ++r) {
                uint64_t passed = 0;
                for (int i = 0; i < queen.length[r]; ++i) {
                    const int b = queen.squares[r][i];
                    between[a][b] = passed;
                    line[a][b] = r < 4 ? kDiagonal : kOrthogonal;
                    passed |= Bit(b);
                }
                rayMask[r][a] = passed;
            }
        }
    }

    static void BuildRays(RayTable& table, std::span<const sStep> steps, int x, int y, int dir) {
        int ray = -1;
        bool onBoard = false;
        for (std::size_t j = 0; j < steps.size(); ++j) {
            if (j == 0 || steps[j].next == 0 || steps[j].next != steps[j - 1].next) {
                ++ray;
                onBoard = true;
            }
            const int tx = x + steps[j].dx, ty = y + steps[j].dy * dir;
            onBoard = onBoard && engine::OnBoard(tx, ty);
            if (onBoard)
                table.squares[ray][table.length[ray]++] = static_cast<uint8_t>(ty * 8 + tx);
        }
        table.rayCount = static_cast<uint8_t>(ray + 1);
    }
};

// Built before main; the search only runs after that.
const Tables kTables;

inline const Tables& T() {
    return kTables;
}

// The squares of ray r from `square` up to and including the first blocker.
// Rays 0, 1, 4 and 5 of the queen's table run towards higher square numbers
// ((1, 1), (-1, 1), (1, 0), (0, 1)); the others towards lower ones.
inline uint64_t RayAttacks(int r, int square, uint64_t blockers) {
    const uint64_t ray = T().rayMask[r][square];
    const uint64_t hit = ray & blockers;
    if (!hit) return ray;
    const bool upwards = r == 0 || r == 1 || r == 4 || r == 5;
    const int nearest = upwards ? __builtin_ctzll(hit) : 63 - __builtin_clzll(hit);
    return ray & ~T().rayMask[r][nearest];
}

struct Emitter {
    Move* out;
    int count = 0;
    void operator()(int figure, int square, int kind, int other, int capturedType) {
        out[count++] = {static_cast<int8_t>(figure),
                        static_cast<int8_t>(square % 8),
                        static_cast<int8_t>(square / 8),
                        static_cast<int8_t>(kind),
                        static_cast<int8_t>(other),
                        static_cast<int8_t>(capturedType),
                        0};
    }
};

void PawnMoves(const Position& p, int i, Emitter& emit) {
    const Figure& f = p.figures[i];
    const int dir = Direction(f.color);
    const int y1 = f.y + dir;
    if (y1 >= 0 && y1 < 8 && p.board[y1 * 8 + f.x] == kNoFigure) {
        emit(i, y1 * 8 + f.x, kPlainMove, kNoFigure, 0);
        const int y2 = f.y + 2 * dir;
        const bool onStart = f.color == 0 ? f.y <= 1 : f.y >= 6;
        if (onStart && y2 >= 0 && y2 < 8 && p.board[y2 * 8 + f.x] == kNoFigure)
            emit(i, y2 * 8 + f.x, kPlainMove, kNoFigure, 0);
    }
    if (y1 < 0 || y1 >= 8) return;
    const bool enPassant = p.rules[rule::EnPassantAllowed(f.color)] != 0;
    for (int dx : {-1, 1}) {
        const int x = f.x + dx;
        if (x < 0 || x >= 8) continue;
        const int target = y1 * 8 + x;
        const int occupant = p.board[target];
        if (occupant != kNoFigure) {
            if (p.figures[occupant].color != f.color)
                emit(i, target, kCapture, occupant, p.figures[occupant].type);
        } else if (enPassant && p.rules[rule::EnPassantX(f.color)] == x &&
                   p.rules[rule::EnPassantY(f.color)] == y1) {
            const int passedY = y1 - dir;
            const int passed = passedY >= 0 && passedY < 8 ? p.board[passedY * 8 + x] : kNoFigure;
            if (passed != kNoFigure)
                emit(i, target, kCapture, passed, p.figures[passed].type);
            else
                emit(i, target, kPlainMove, kNoFigure, 0);
        }
    }
}

void CastlingMoves(const Position& p, int i, uint64_t attacked, Emitter& emit) {
    const Figure& king = p.figures[i];
    if (p.rules[rule::KingMoved(king.color)] != 0) return;
    const int home = HomeRank(king.color);
    const int kingSquare = king.y * 8 + king.x;
    for (int dx : {-2, 2}) {
        const int tx = king.x + dx;
        if (tx < 0 || tx >= 8) continue;
        const int cornerX = dx < 0 ? 0 : 7;
        const int corner = p.board[home * 8 + cornerX];
        if (corner == kNoFigure || p.figures[corner].type != kRook) continue;
        if ((attacked & Bit(kingSquare)) || (attacked & Bit(home * 8 + cornerX))) continue;
        const int step = cornerX < king.x ? 1 : -1;
        bool clear = true;
        for (int x = cornerX + step; clear && x != king.x && x >= 0 && x < 8; x += step)
            clear = p.board[home * 8 + x] == kNoFigure && !(attacked & Bit(home * 8 + x));
        if (clear) emit(i, king.y * 8 + tx, kCastling, corner, 0);
    }
}

void PieceMoves(const Position& p, int i, uint64_t attacked, Emitter& emit) {
    const Figure& f = p.figures[i];
    const RayTable& t = T().rays[f.color][f.type][f.y * 8 + f.x];
    const bool king = f.type == kKing;
    for (int r = 0; r < t.rayCount; ++r)
        for (int k = 0; k < t.length[r]; ++k) {
            const int square = t.squares[r][k];
            if (king && (attacked & Bit(square))) continue;
            const int occupant = p.board[square];
            if (occupant == kNoFigure) {
                emit(i, square, kPlainMove, kNoFigure, 0);
                continue;
            }
            if (p.figures[occupant].color != f.color)
                emit(i, square, kCapture, occupant, p.figures[occupant].type);
            break;
        }
    if (king) CastlingMoves(p, i, attacked, emit);
}

void Place(Position& p, int i, int x, int y) {
    Figure& f = p.figures[i];
    if (p.OnBoard(i) && p.board[f.y * 8 + f.x] == i) {
        p.board[f.y * 8 + f.x] = kNoFigure;
        p.occupied &= ~Bit(f.y * 8 + f.x);
    }
    f.x = static_cast<int8_t>(x);
    f.y = static_cast<int8_t>(y);
    p.board[y * 8 + x] = static_cast<int8_t>(i);
    p.occupied |= Bit(y * 8 + x);
}

void Remove(Position& p, int i) {
    const int square = p.SquareOf(i);
    if (square != kNoSquare) {
        p.board[square] = kNoFigure;
        p.occupied &= ~Bit(square);
    }
    for (int j = i + 1; j < p.count; ++j) {
        p.figures[j - 1] = p.figures[j];
        if (p.OnBoard(j - 1)) p.board[p.SquareOf(j - 1)] = static_cast<int8_t>(j - 1);
    }
    --p.count;
}

} // namespace

bool Load(const sFigureList& list, const sRuleState& rules, Position& p) {
    const int n = FigureCount(list);
    if (n > kMaxFigures) return false;
    std::memset(p.board, kNoFigure, sizeof p.board);
    p.occupied = 0;
    p.count = n;
    p.rules = rules;
    int kings[2] = {0, 0};
    for (int i = 0; i < n; ++i) {
        const CFigure* f = list.figures[i];
        if (!f || f->type < kPawn || f->type > kKing || !IsPlayerColor(f->color)) return false;
        if (f->type == kKing && ++kings[f->color] > 1) return false;
        p.figures[i] = {static_cast<int8_t>(f->type), static_cast<int8_t>(f->color), kOffBoard,
                        kOffBoard};
        if (!engine::OnBoard(*f)) continue;
        const int square = SquareIndex(f->x, f->y);
        if (p.board[square] != kNoFigure) return false;
        Place(p, i, f->x, f->y);
    }
    return true;
}

int FindKing(const Position& p, int color) {
    for (int i = 0; i < p.count; ++i)
        if (p.figures[i].type == kKing && p.figures[i].color == color) return i;
    return -1;
}

uint64_t AttacksOf(const Position& p, int i, int liftedSquare) {
    const int square = p.SquareOf(i);
    if (square == kNoSquare || square == liftedSquare) return 0;
    const Figure& f = p.figures[i];
    switch (f.type) {
    case kPawn:
        return T().pawnAttacks[f.color][square];
    case kKnight:
    case kKing:
        return T().stepAttacks[f.type][square];
    default:
        break;
    }
    const uint64_t blockers = p.occupied & ~(liftedSquare < 64 ? Bit(liftedSquare) : 0);
    const int first = f.type == kRook ? 4 : 0;
    const int last = f.type == kBishop ? 4 : 8;
    uint64_t attacks = 0;
    for (int r = first; r < last; ++r) attacks |= RayAttacks(r, square, blockers);
    return attacks;
}

uint64_t AttacksBy(const Position& p, int color, int liftedSquare) {
    uint64_t attacks = 0;
    for (int i = 0; i < p.count; ++i)
        if (p.figures[i].color == color) attacks |= AttacksOf(p, i, liftedSquare);
    return attacks;
}

bool IsAttacked(const Position& p, int square, int color) {
    const Tables& t = T();
    for (int i = 0; i < p.count; ++i) {
        const Figure& f = p.figures[i];
        if (f.color != color || !p.OnBoard(i)) continue;
        const int from = f.y * 8 + f.x;
        bool hit = false;
        switch (f.type) {
        case kPawn:
            hit = t.pawnAttacks[f.color][from] & Bit(square);
            break;
        case kKnight:
        case kKing:
            hit = t.stepAttacks[f.type][from] & Bit(square);
            break;
        default: {
            const uint8_t line = t.line[from][square];
            const bool aligned = f.type == kQueen    ? line != kNoLine
                                 : f.type == kBishop ? line == kDiagonal
                                                     : line == kOrthogonal;
            hit = aligned && !(t.between[from][square] & p.occupied);
        }
        }
        if (hit) return true;
    }
    return false;
}

int GenerateMoves(const Position& p, int i, uint64_t enemyAttacks, Move* out) {
    Emitter emit{out};
    if (!p.OnBoard(i)) return 0;
    if (p.figures[i].type == kPawn)
        PawnMoves(p, i, emit);
    else
        PieceMoves(p, i, enemyAttacks, emit);
    return emit.count;
}

int GenerateAllMoves(const Position& p, int color, uint64_t enemyAttacks, Move* out) {
    int count = 0;
    for (int i = 0; i < p.count; ++i)
        if (p.figures[i].color == color) count += GenerateMoves(p, i, enemyAttacks, out + count);
    return count;
}

void Apply(Position& child, const Position& parent, const Move& move) {
    child = parent;
    const Figure& mover = parent.figures[move.figure];
    UpdateRights(child.rules, mover.type, mover.color, mover.x);
    if (move.kind == kCapture) {
        const int victim = child.board[parent.SquareOf(move.other)];
        if (victim != kNoFigure) Remove(child, victim);
    }
    const int moving = child.board[mover.y * 8 + mover.x];
    if (moving != kNoFigure) Place(child, moving, move.x, move.y);
    if (move.kind == kCastling) {
        const Figure& rook = parent.figures[move.other];
        const int corner = child.board[rook.y * 8 + rook.x];
        if (corner != kNoFigure && (rook.x == 0 || rook.x == 7))
            Place(child, corner, rook.x == 0 ? 3 : 5, rook.y);
    }
}

} // namespace engine::fast
