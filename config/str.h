#pragma once

#include <string>
#include <string_view>

// A byte string that always ends with a 0 byte. Bytes are taken as they come:
// no encoding is assumed or converted. Indexing never fails: an index outside
// the text reaches a spare character instead, so a stray write is harmless.
class Str {
public:
    Str() = default;
    Str(const char* text) { *this = text; }
    Str(std::string_view text) : bytes_(text) {}

    Str& operator=(const char* text);
    Str& operator=(std::string_view text);
    Str& operator+=(std::string_view text);

    static Str Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

    const char* c_str() const { return bytes_.c_str(); }
    std::string_view View() const { return bytes_; }

    int Length() const { return static_cast<int>(bytes_.size()); }
    // The bytes held, the closing 0 included.
    int Size() const { return Length() + 1; }
    bool IsEmpty() const { return bytes_.empty(); }

    char& operator[](int index);
    char operator[](int index) const;

    // Drops the given characters from the end of the text.
    void TrimRight(std::string_view characters);

    friend bool operator==(const Str& a, const Str& b) { return a.bytes_ == b.bytes_; }
    friend bool operator==(const Str& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const Str& a, const char* b) {
        return a.View() == std::string_view(b ? b : "");
    }

private:
    std::string bytes_;
    char spare_ = 0;
};
