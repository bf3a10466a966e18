#include "midi/compare_report.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace midi {
namespace {

constexpr char kLineEnd[] = "\r\n";

std::mutex pathMutex;
std::string overridePath;

#ifndef _WIN32
std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) return user->pw_dir;
    return ".";
}
#endif

template <typename... Args> void AppendLine(std::string& out, const char* format, Args... args) {
    char line[160];
    std::snprintf(line, sizeof line, format, args...);
    out += line;
    out += kLineEnd;
}

} // namespace

std::string ReportPath() {
    {
        std::lock_guard lock(pathMutex);
        if (!overridePath.empty()) return overridePath;
    }
#ifdef _WIN32
    return "c:\\mail\\RprtMidi.txt";
#else
    return (std::filesystem::path(HomeFolder()) / "mail" / "RprtMidi.txt").string();
#endif
}

void SetReportPath(std::string path) {
    std::lock_guard lock(pathMutex);
    overridePath = std::move(path);
}

std::string ReportText(const MidiFile& file) {
    std::string out;
    out = std::string("Table of MIDI Event") + kLineEnd;
    AppendLine(out, "Type = %d, Count Trecks = %d, Count ticks = %d", int(file.formatType()),
               int(file.trackCount()), int(file.division()));
    for (std::size_t t = 0; t < file.tracks().size(); ++t) {
        AppendLine(out, "%d Treck:", int(t));
        for (const sMidiEvent& e : file.tracks()[t].events) {
            AppendLine(out, "%.10d %.10d %.10d %.4d %.4d %.4d %.4d %.4d %f", int(e.time),
                       int(e.alignedTime), int(e.reserved), int(e.status), int(e.data1),
                       int(e.data2), int(e.shift), int(e.tempoPercent), double(e.score));
        }
    }
    return out;
}

bool WriteReport(const MidiFile& file, const std::string& path) {
#ifndef _WIN32
    // The folder of the usual place may not exist yet on a new account.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
#endif
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    const std::string text = ReportText(file);
    out.write(text.data(), std::streamsize(text.size()));
    return bool(out);
}

} // namespace midi
