#include "config/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace config {
namespace {

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

locale_t ClassicLocale() {
    static const locale_t classic = newlocale(LC_NUMERIC_MASK, "C", locale_t{});
    return classic;
}

} // namespace

int32_t ParseInt(const char* text) {
    if (!text) return 0;
    while (IsCSpace(*text)) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    // Accumulate towards the negative end, which holds one value more.
    constexpr int64_t lowest = std::numeric_limits<int32_t>::min();
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        value = std::max(lowest, value * 10 - (*text - '0'));
    if (!negative) value = std::min<int64_t>(-value, std::numeric_limits<int32_t>::max());
    return static_cast<int32_t>(value);
}

double ParseDouble(const char* text) {
    if (!text) return 0.0;
    return strtod_l(text, nullptr, ClassicLocale());
}

void AppendInt(std::string& out, int32_t value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void AppendFixed(std::string& out, double value) {
    // The largest double has 309 digits before the point.
    char buffer[320];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    out.append(buffer, result.ptr);
}

} // namespace config
