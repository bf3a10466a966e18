#pragma once

#include "midi/midi_file.h"

#include <string>

namespace midi {

// Where the comparison's report goes: "c:\mail\RprtMidi.txt" on Windows,
// "mail/RprtMidi.txt" in the user's home folder elsewhere.
std::string ReportPath();
// Sends reports elsewhere (tests use a temporary folder); empty restores the
// usual place.
void SetReportPath(std::string path);

// The file's events with their alignment, one line each.
std::string ReportText(const MidiFile& file);

// Creates or truncates the report; false, with nothing written, when it
// cannot be created.
bool WriteReport(const MidiFile& file, const std::string& path = ReportPath());

} // namespace midi
