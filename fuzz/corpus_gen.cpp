// Writes the seed corpus of every fuzzer: files of each kind made by the
// program's own writers, plus damaged copies of them.
//   fuzz_corpus_gen <corpus dir> <source dir>
#include "app/controller/settings_binding.h"
#include "config/file_storage.h"
#include "config/ini_item.h"
#include "fuzz/fuzz_support.h"
#include "net/discovery_datagram.h"
#include "net/game_record.h"
#include "net/packet.h"
#include "notation/fen.h"
#include "notation/pgn_writer.h"
#include "notation/play.h"
#include "notation/san.h"
#include "render/bmp_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <jpeglib.h>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

fs::path corpus;

void Put(const char* target, const std::string& name, const Bytes& bytes) {
    const fs::path dir = corpus / target;
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes Of(const std::string& text) {
    return {text.begin(), text.end()};
}

Bytes ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Bytes Cut(Bytes bytes, size_t size) {
    bytes.resize(std::min(size, bytes.size()));
    return bytes;
}

// A valid file, its first half, and a copy with a few bytes flipped.
void PutWithDamage(const char* target, const std::string& name, const Bytes& bytes) {
    Put(target, name, bytes);
    Put(target, "cut-" + name, Cut(bytes, bytes.size() / 2));
    Bytes flipped = bytes;
    for (size_t i = 7; i < flipped.size(); i += flipped.size() / 5 + 1) flipped[i] ^= 0x5A;
    Put(target, "flipped-" + name, flipped);
}

// --- settings and game files ---

void PlayMove(CBoard& board, int32_t fx, int32_t fy, int32_t tx, int32_t ty) {
    CFigure* mover = board.FigureAt(fx, fy);
    board.CaptureFigure(board.FigureAt(tx, ty));
    mover->x = tx, mover->y = ty;
    board.lastMove = {fx, fy, tx, ty};
    board.AddMove();
    board.PushHistory();
}

void WriteDocuments() {
    const std::string path = fuzz::WriteInputFile(nullptr, 0, "corpus.ini");

    sSettings settings;
    settings.nickname = "Anna K";
    CFileStorage settingsFile;
    settingsFile.SetBanner(kSettingsBanner);
    BindProgramSettings(settingsFile, settings);
    settingsFile.Save(path.c_str());
    const Bytes savedSettings = ReadFile(path);
    PutWithDamage("config_document", "settings.ini", savedSettings);

    fuzz::CQuietBoard game;
    CFileStorage gameFile;
    BindSettings(gameFile, settings);
    gameFile.SetBanner(kSettingsBanner);
    gameFile.AddPartition("Board")->AddItem("Figures", static_cast<CIniObject*>(&game.board),
                                            INI_OBJECT);
    CBoard& board = game.board;
    board.ClearHistory();
    board.SetupFigures();
    board.PushHistory();
    Put("board_text", "new-game.txt", Of(fuzz::BoardText(board)));
    gameFile.Save(path.c_str());
    PutWithDamage("config_document", "new-game.ini", ReadFile(path));

    PlayMove(board, 4, 1, 4, 3);
    PlayMove(board, 3, 6, 3, 4);
    PlayMove(board, 4, 3, 3, 4);
    PlayMove(board, 3, 7, 3, 4);
    PlayMove(board, 1, 0, 2, 2);
    board.rights[0] = 1;
    board.rights[6] = -7;
    board.PushHistory();
    const std::string figures = fuzz::BoardText(board);
    PutWithDamage("board_text", "played.txt", Of(figures));
    gameFile.Save(path.c_str());
    const Bytes savedGame = ReadFile(path);
    PutWithDamage("config_document", "played.ini", savedGame);

    Put("board_text", "empty-board.txt", Of("0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 \r\n"));
    Put("board_text", "huge-count.txt", Of("2147483647 1 0 0 0 "));
    Put("board_text", "negative.txt", Of("-1 6 0 4 0 "));
    Put("config_document", "no-line-end.ini", Of("[Settings]\nMusic=0"));
    Put("config_document", "lone-keys.ini",
        Of("Music=0\r\n[settings]\r\nMatrix=1,2,3\r\nCamera Position=nan,inf,-0\r\n"
           "YAngle=1e39\r\nNickname=" +
           std::string(300, 'x') + "\r\n[Board]\r\nFigures=\r\n[Board] \r\n"));
    // A value's own CR just before the line end once fused with it on saving.
    Put("config_document", "value-ending-in-cr.ini", Of("[settings]\nNickname= \r\r\n"));
    Put("config_document", "mixed-ends.ini",
        Of("\xEF\xBB\xBF[Settings]\rGame Level=-2147483649\n\n[Settings]\r\nGame Level=2\r\n"
           "Timer = 1\r\n=\r\n[\r\n"));
}

// --- packets ---

Bytes Stream(const std::vector<CPkg>& packets, const Bytes& cuts) {
    Bytes out{uint8_t(cuts.size())};
    out.insert(out.end(), cuts.begin(), cuts.end());
    for (const CPkg& pkg : packets) pkg.Serialize(out);
    return out;
}

void WritePackets() {
    sRuleState rights{};
    for (int i = 0; i < 14; ++i) rights[i] = i % 3 - 1;
    const CPkg move = CPkg::Move(4, 1, 4, 3, rights);
    const CPkg chat = CPkg::Text(PKG_CHAT, "Anna : Gute Partie \xE4\xF6\xFC");
    const CPkg hello = CPkg::Text(PKG_HELLO, "Anna Hello!");
    const CPkg white = CPkg::Text(PKG_COLOR, "WHITE");
    const CPkg black = CPkg::Text(PKG_COLOR, "BLACK");
    const CPkg newGame = CPkg::Text(PKG_NEWGAME, "");
    const CPkg longChat = CPkg::Text(PKG_CHAT, "Anna : " + std::string(700, 'z'));

    Put("packet_stream", "move", Stream({move}, {}));
    Put("packet_stream", "hello-color", Stream({hello, white}, {3, 1, 60}));
    Put("packet_stream", "game", Stream({hello, black, newGame, move, chat, move}, {10, 10, 10}));
    Put("packet_stream", "long-chat", Stream({longChat, newGame}, {200, 255, 7}));
    Bytes cut = Stream({chat, move}, {1, 1, 1, 1});
    Put("packet_stream", "cut", Cut(cut, cut.size() - 3));
    Bytes bad = Stream({chat}, {});
    bad.push_back(0x7F); // no kind of ours
    Bytes tail(68, 0);
    bad.insert(bad.end(), tail.begin(), tail.end());
    Put("packet_stream", "bad-kind", bad);
    Bytes huge = Stream({move}, {});
    huge[1 + 1 + sizeof(sRuleState) + 4] = 0xFF; // a length escape announcing a long text
    Put("packet_stream", "long-length", huge);
}

// --- discovery and taking up a lost game ---

void WriteDiscoveryAndRecords() {
    const Bytes answer = EncodeDiscoveryAnswer({0xC0FFEE, 0x7F000001, 5555, 1, "Anna \xE4"});
    Put("discovery_datagram", "query", EncodeDiscoveryQuery());
    PutWithDamage("discovery_datagram", "answer", answer);
    Put("discovery_datagram", "unnamed-answer", EncodeDiscoveryAnswer({7, 0, 1, 0, ""}));
    Put("discovery_datagram", "long-answer",
        EncodeDiscoveryAnswer({~0u, ~0u, 65535, 0, std::string(kMaxDiscoveryNickname, 'n')}));

    const std::string start = "RNBQKBNRPPPPPPPP................................pppppppprnbqkbnr";
    const std::string afterE4 = "RNBQKBNRPPPP.PPP............P...................pppppppprnbqkbnr";
    const auto text = [](const std::string& position, std::vector<sPlayedMove> moves) {
        return EncodeGameRecord({position, std::move(moves)});
    };
    const sPlayedMove e4{4, 1, 4, 3}, e5{4, 6, 4, 4};
    Put("game_record", "same", Of(text(afterE4, {e4}) + "\n" + text(afterE4, {e4})));
    Put("game_record", "one-more", Of(text(afterE4, {e4}) + "\n" + text(start, {})));
    Put("game_record", "differ", Of(text(start, {e4, e5}) + "\n" + text(start, {e5})));
    PutWithDamage("game_record", "long",
                  Of(text(start, std::vector<sPlayedMove>(300, e4)) + "\n" +
                     text(start, std::vector<sPlayedMove>(299, e4))));
}

// --- chess notation ---

// The moves that read in turn from `start`, written as PGN.
std::string PgnOf(const notation::Position& start, const std::vector<const char*>& san) {
    notation::PgnExport game;
    game.start = start;
    game.header.white = "Anna \"K\"";
    game.header.black = notation::ComputerPlayerName(2);
    game.header.date = notation::PgnDate(2024, 5, 17);
    notation::Position p = start;
    for (const char* text : san) {
        const notation::SanReading move = notation::ParseSan(p, text);
        if (!move) break;
        game.san.push_back(notation::ToSan(p, move.move));
        p = notation::Play(p, move.move);
    }
    game.header.result = notation::ResultOf(p);
    game.comment = "written by the library";
    return notation::WritePgn(game);
}

void WriteNotation() {
    const std::string scandinavian = PgnOf(
        notation::StartPosition(),
        {"e4",  "d5",  "exd5", "Qxd5", "Nc3", "Qa5", "d4", "c6",   "Nf3",  "Bf5", "Bc4", "e6",
         "O-O", "Nf6", "Bd2",  "Nbd7", "Re1", "Bb4", "a3", "Bxc3", "Bxc3", "Qc7", "d5",  "O-O-O"});
    const std::string passing = PgnOf(notation::StartPosition(), {"e4", "Nf6", "e5", "d5", "exd6"});
    const std::string promoting = PgnOf(
        notation::ReadFen("4k3/P7/8/8/8/8/6p1/4K2R b K - 0 40").position, {"g1=N", "a8=Q+", "Kd7"});
    PutWithDamage("pgn_text", "games.pgn", Of(scandinavian + passing + promoting));
    Put("pgn_text", "annotated.pgn",
        Of("% escape line\n[Event \"a\"]\n[White \"x\\\\y\"]\n\n"
           "{comment (with) parentheses} 1.e4 $1 e5!? 2. Nf3 (2. f4 exf4 (2... d5 {n}) 3. Nf3) "
           "Nc6 ; to the end of the line\n3. Bb5 a6 4. Ba4 Nf6 5. O-O 1-0\n\n1. d4 d5 2. c4\n"));
    Put("pgn_text", "refused.pgn",
        Of("[White \"A\"]\n\n1. e4 e5 2. Nxe5 *\n\n1. e4 e5 2. Nf3 Nc6 3. Bc4 Ne7 *\n"
           "[FEN \"8/8/8/8/8/8/8/8 w - - 0 1\"]\n\n*\n[FEN \"4k3/8/8/8/8/8/8/4K3 b - - 0 1\"]\n"
           "\n1... Kd7 2. e9 0-0 --\n"));

    for (const auto& [name, fen] : std::vector<std::pair<const char*, const char*>>{
             {"start.fen", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1"},
             {"castling.fen",
              "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"},
             {"en-passant.fen", "rnbqkbnr/ppp1pppp/8/8/3pP3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 3"},
             {"promotion.fen", "r1n1k3/1P6/8/8/8/8/6p1/4K2R w K - 0 1"},
             {"short.fen", "4k3/8/8/8/8/8/8/4K3 w - -"},
             {"refused.fen", "4k3/8/8/8/8/8/8/4K2r b X e9 -1 0 extra"},
         })
        Put("fen_text", name, Of(fen));
}

// --- MIDI ---

void BigEndian(Bytes& out, uint32_t value, int width) {
    for (int shift = 8 * (width - 1); shift >= 0; shift -= 8) out.push_back(value >> shift & 0xFF);
}

void Chunk(Bytes& out, const char* id, const Bytes& body) {
    out.insert(out.end(), id, id + 4);
    BigEndian(out, uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
}

Bytes Song(const std::vector<Bytes>& tracks, uint16_t division) {
    Bytes header;
    BigEndian(header, tracks.size() > 1 ? 1 : 0, 2);
    BigEndian(header, uint32_t(tracks.size()), 2);
    BigEndian(header, division, 2);
    Bytes out;
    Chunk(out, "MThd", header);
    for (const Bytes& track : tracks) Chunk(out, "MTrk", track);
    return out;
}

void WriteMidi(const fs::path& source) {
    PutWithDamage("midi_file", "sonata.mid", ReadFile(source / "assets/data/Sounds/SONAT_A1.MID"));
    // Tempo, a running-status scale, a text, a system-exclusive block.
    const Bytes scale = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0x90, 60,
                         100,  0x60, 62,   100,  0x60, 64,   100,  0x83, 0x00, 60,
                         0x00, 0x00, 0xFF, 0x01, 0x03, 'a',  'b',  'c',  0x00, 0xF0,
                         0x02, 0x7E, 0xF7, 0x10, 0xC0, 0x05, 0x00, 0xFF, 0x2F, 0x00};
    PutWithDamage("midi_file", "scale.mid", Song({scale}, 96));
    const Bytes other = {0x00, 0x91, 40, 90, 0x81, 0x40, 0x81, 40, 0, 0x00, 0xFF, 0x2F, 0x00};
    Put("midi_file", "two-tracks.mid", Song({scale, other}, 480));
    Put("midi_file", "smpte.mid", Song({other}, 0xE728));
    Put("midi_file", "header-only.mid", Song({}, 96));
}

// --- pictures ---

Bytes Bmp(int width, int height, int bits, uint8_t seed) {
    const size_t rowBytes = (size_t(width) * 3 + 3) & ~size_t(3);
    const uint32_t imageBytes = uint32_t(rowBytes * size_t(height < 0 ? -height : height));
    Bytes out = {'B', 'M'};
    auto little = [&](uint32_t v, int n) {
        for (int i = 0; i < n; ++i) out.push_back(v >> (8 * i) & 0xFF);
    };
    little(14 + 40 + imageBytes, 4);
    little(0, 4);
    little(14 + 40, 4);
    little(40, 4);
    little(uint32_t(width), 4);
    little(uint32_t(height), 4);
    little(1, 2);
    little(uint32_t(bits), 2);
    little(0, 4);
    little(imageBytes, 4);
    little(2835, 4);
    little(2835, 4);
    little(0, 4);
    little(0, 4);
    for (uint32_t i = 0; i < imageBytes; ++i) out.push_back(uint8_t(i * 37 + seed));
    return out;
}

// The top left corner of one of the program's textures, as a 24-bit BMP.
Bytes TextureCorner(const fs::path& path, int size) {
    BMP_File texture;
    if (!texture.Load(path.string().c_str())) return Bmp(size, size, 24, 1);
    Bytes out = Bmp(size, size, 24, 0);
    const size_t rowBytes = (size_t(size) * 3 + 3) & ~size_t(3);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const mColor_24* p = texture.Pixel(x, y);
            uint8_t* at = &out[54 + (size - 1 - y) * rowBytes + 3 * x];
            at[0] = p->b, at[1] = p->g, at[2] = p->r;
        }
    return out;
}

Bytes Jpeg(int width, int height, bool grey, bool progressive) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = grey ? 1 : 3;
    cinfo.in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 60, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    Bytes row(size_t(width) * size_t(cinfo.input_components));
    for (int y = 0; y < height; ++y) {
        for (size_t i = 0; i < row.size(); ++i) row[i] = uint8_t(i * 11 + y * 23);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

void WritePictures(const fs::path& source) {
    PutWithDamage("bmp_file", "board-corner.bmp",
                  TextureCorner(source / "assets/data/Textures/board.bmp", 16));
    Put("bmp_file", "wood-corner.bmp", TextureCorner(source / "assets/data/Textures/wood.bmp", 8));
    Put("bmp_file", "odd-width.bmp", Bmp(5, 3, 24, 9));
    Put("bmp_file", "one-pixel.bmp", Bmp(1, 1, 24, 0));
    Put("bmp_file", "top-down.bmp", Bmp(4, -4, 24, 2));
    Put("bmp_file", "eight-bit.bmp", Bmp(4, 4, 8, 3));
    Put("bmp_file", "short.bmp", Cut(Bmp(64, 64, 24, 4), 400));

    PutWithDamage("jpg_file", "colour.jpg", Jpeg(16, 16, false, false));
    PutWithDamage("jpg_file", "grey.jpg", Jpeg(9, 7, true, false));
    Put("jpg_file", "progressive.jpg", Jpeg(24, 8, false, true));
    Put("jpg_file", "wide.jpg", Jpeg(33, 1, false, false));
}

// --- engine positions: the bytes the fuzzer reads a position from ---

void WriteEngine() {
    Bytes bytes;
    for (int n : {8, 40, 120, 300}) {
        bytes.clear();
        for (int i = 0; i < n; ++i) bytes.push_back(uint8_t(i * 73 + n));
        Put("engine", "position-" + std::to_string(n), bytes);
    }
}

// --- sessions of tavlion-uci: the lines a chess program sends ---

void WriteUciSessions() {
    Put("uci_session", "handshake", Of("uci\nisready\nucinewgame\nsetoption name Level value 1\n"));
    Put("uci_session", "startpos",
        Of("position startpos moves e2e4 e7e5 g1f3\ngo depth 3\ngo movetime 100\n"));
    Put("uci_session", "fen",
        Of("position fen r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1 moves e1g1\ngo wtime 1000 "
           "btime 1000\nstop\n"));
    Put("uci_session", "infinite", Of("position startpos\ngo infinite\nisready\nstop\nquit\n"));
    Put("uci_session", "mate", Of("position fen 7k/5Q1Q/8/8/8/8/8/K7 b - - 0 1\ngo\n"));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <corpus dir> <source dir>\n", argv[0]);
        return 2;
    }
    corpus = argv[1];
    const fs::path source = argv[2];
    fuzz::SilenceMessageBoxes();
    WriteDocuments();
    WritePackets();
    WriteDiscoveryAndRecords();
    WriteMidi(source);
    WritePictures(source);
    WriteEngine();
    WriteNotation();
    WriteUciSessions();
    return 0;
}
