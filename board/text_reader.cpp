#include "board/text_reader.h"

#include <cstring>

CTextReader::CTextReader(const char* text) : text_(text ? text : ""), length_(strlen(text_)) {
    while (length_ > 0 && (text_[length_ - 1] == '\n' || text_[length_ - 1] == '\r')) --length_;
}

bool CTextReader::Separator(char separator) {
    if (pos_ == length_) return true;
    if (text_[pos_] != separator) return false;
    ++pos_;
    return true;
}

bool CTextReader::ReadNumber(int32_t& value, char separator) {
    size_t p = pos_;
    const bool negative = p < length_ && text_[p] == '-';
    if (negative) ++p;
    const size_t digits = p;
    int64_t magnitude = 0;
    while (p < length_ && text_[p] >= '0' && text_[p] <= '9') {
        magnitude = magnitude * 10 + (text_[p++] - '0');
        if (magnitude > int64_t{INT32_MAX} + 1) return false;
    }
    if (p == digits) return false;
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX) return false;
    const size_t start = pos_;
    pos_ = p;
    if (!Separator(separator)) {
        pos_ = start;
        return false;
    }
    value = static_cast<int32_t>(signedValue);
    return true;
}

bool CTextReader::ReadCount(int32_t& count, char separator) {
    int32_t value = 0;
    if (!ReadNumber(value, separator)) return false;
    if (value < 0 || static_cast<size_t>(value) > Remaining()) return false;
    count = value;
    return true;
}

bool CTextReader::ReadField(std::string& field, char terminator) {
    const void* end = memchr(text_ + pos_, terminator, length_ - pos_);
    if (!end) return false;
    const size_t stop = static_cast<const char*>(end) - text_;
    field.assign(text_ + pos_, stop - pos_);
    pos_ = stop + 1;
    return true;
}

bool CTextReader::AtEnd() const {
    for (size_t p = pos_; p < length_; ++p)
        if (text_[p] != ' ' && text_[p] != '\t') return false;
    return true;
}
