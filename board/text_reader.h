#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads the fields of a value text without ever looking past its end. A
// field ends at its separator or at the end of the text; a trailing line end
// is not part of the text.
class CTextReader {
public:
    explicit CTextReader(const char* text);

    // An optionally negative decimal within int32, then `separator`.
    bool ReadNumber(int32_t& value, char separator = ' ');
    // A number from 0 up to the bytes left, so that no count asks for more
    // entries than the text can hold.
    bool ReadCount(int32_t& count, char separator = ' ');
    // The bytes up to `terminator`, which must follow.
    bool ReadField(std::string& field, char terminator);
    // Nothing but blanks is left.
    bool AtEnd() const;

    size_t Position() const { return pos_; }
    size_t Remaining() const { return length_ - pos_; }

private:
    bool Separator(char separator);

    const char* text_;
    size_t length_;
    size_t pos_ = 0;
};
