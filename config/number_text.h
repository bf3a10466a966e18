#pragma once

#include <cstdint>
#include <string>

// Numbers as the document files hold them. The decimal point is always "."
// whatever locale the process runs in, so files move between machines.
namespace config {

// The integer at the start of `text`: leading white space skipped, optional
// sign, decimal digits; no digits give 0, values beyond the 32-bit range stop
// at its ends.
int32_t ParseInt(const char* text);

// The floating-point number at the start of `text`, read as strtod reads it
// in the "C" locale; no number gives 0.
double ParseDouble(const char* text);

// "%d" and "%f" (six digits after the point, no exponent).
void AppendInt(std::string& out, int32_t value);
void AppendFixed(std::string& out, double value);

} // namespace config
