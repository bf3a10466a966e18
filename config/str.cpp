#include "config/str.h"

#include <cstdarg>
#include <cstdio>

Str& Str::operator=(const char* text) {
    if (text)
        bytes_ = text;
    else
        bytes_.clear();
    return *this;
}

Str& Str::operator=(std::string_view text) {
    bytes_ = text;
    return *this;
}

Str& Str::operator+=(std::string_view text) {
    bytes_ += text;
    return *this;
}

Str Str::Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    Str result;
    if (length > 0) {
        result.bytes_.resize(static_cast<size_t>(length));
        std::vsnprintf(result.bytes_.data(), result.bytes_.size() + 1, format, args);
    }
    va_end(args);
    return result;
}

char& Str::operator[](int index) {
    if (index >= 0 && index < Length()) return bytes_[static_cast<size_t>(index)];
    spare_ = 0;
    return spare_;
}

char Str::operator[](int index) const {
    return index >= 0 && index < Length() ? bytes_[static_cast<size_t>(index)] : 0;
}

void Str::TrimRight(std::string_view characters) {
    const size_t last = bytes_.find_last_not_of(characters);
    bytes_.erase(last == std::string::npos ? 0 : last + 1);
}
