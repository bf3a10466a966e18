#pragma once

#include "config/str.h"

#include <string_view>
#include <vector>

// The lines of a text file. A line ends at LF; a CR just before the LF belongs
// to the line end, so LF and CR LF files give the same lines. Bytes after the
// last LF are no line. Each line remembers the length it was read with, even
// after its text is changed.
class CStrList {
public:
    virtual ~CStrList() = default;

    // 1 when the file was read and held at least one line end, else 0 (the
    // list is then empty).
    int LoadFromFile(const char* name);
    int LoadFromText(std::string_view text);

    int GetCount() const { return static_cast<int>(lines_.size()); }
    // An index outside the list gives an empty spare line.
    Str& GetAt(int index);
    int GetReadLength(int index) const;

private:
    struct Line {
        Str text;
        int readLength;
    };
    std::vector<Line> lines_;
    Str spare_;
};
