#include "config/ini_item.h"

#include "config/ini_object.h"
#include "config/ini_text.h"
#include "config/number_text.h"

#include <algorithm>
#include <string>

namespace {

// A matrix is stored column by column and written row by row.
constexpr int kMatrixFileOrder[16] = {0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15};
constexpr int kTripleOrder[3] = {0, 1, 2};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Integers separated by runs of blanks; missing ones read as 0.
template <typename Store> void ReadIntegers(const char* text, int count, Store store) {
    const std::string_view view(text);
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        while (at < view.size() && IsBlank(view[at])) ++at;
        store(i, config::ParseInt(text + at));
        const size_t blank = view.find_first_of(" \t", at);
        at = blank == std::string_view::npos ? view.size() : blank + 1;
    }
}

// Floats separated by exactly one space each: every space ends a field, so
// two spaces make an empty field that reads as 0.
void ReadFloats(const char* text, const int* order, int count, float* values) {
    std::string fields(text);
    for (char& c : fields)
        if (c == ' ') c = '\0';
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        values[order[i]] = static_cast<float>(config::ParseDouble(fields.c_str() + at));
        const size_t end = fields.find('\0', at);
        at = end == std::string::npos ? fields.size() : end + 1;
    }
}

void AppendFloats(std::string& out, const float* values, const int* order, int count,
                  bool spaceAfterLast) {
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += ' ';
        config::AppendFixed(out, values[order[i]]);
    }
    if (spaceAfterLast) out += ' ';
}

void AppendInts(std::string& out, const int32_t* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += ' ';
        config::AppendInt(out, values[i]);
    }
}

} // namespace

int CIniItem::ReadValue(CStrList& lines, int index, int offset) {
    if (!variable_) return 1;
    const Str& line = lines.GetAt(index);
    const char* text = line.c_str() + std::clamp(offset, 0, line.Length());
    switch (type_) {
    case INI_INT:
        *static_cast<int32_t*>(variable_) = config::ParseInt(text);
        break;
    case INI_FLOAT:
        *static_cast<float*>(variable_) = static_cast<float>(config::ParseDouble(text));
        break;
    case INI_INT4:
        ReadIntegers(text, 4,
                     [this](int i, int32_t v) { static_cast<int32_t*>(variable_)[i] = v; });
        break;
    case INI_STRING:
        *static_cast<Str*>(variable_) = text;
        break;
    case INI_BYTE3:
        ReadIntegers(text, 3, [this](int i, int32_t v) {
            static_cast<sIniByte3*>(variable_)->value[i] = static_cast<uint8_t>(v);
        });
        break;
    case INI_MATRIX:
        ReadFloats(text, kMatrixFileOrder, 16, static_cast<float*>(variable_));
        break;
    case INI_FLOAT3:
        ReadFloats(text, kTripleOrder, 3, static_cast<float*>(variable_));
        break;
    case INI_OBJECT:
        static_cast<CIniObject*>(variable_)->ParseText(text);
        break;
    default:
        break;
    }
    return 1;
}

int CIniItem::WriteValue(FILE* file) {
    std::string line(name_.View());
    line += '=';
    if (variable_ && type_ == INI_OBJECT)
        return WriteIniText(file, line) && static_cast<CIniObject*>(variable_)->WriteText(file) &&
               !std::ferror(file);
    if (variable_) AppendValueText(line);
    line += '\n';
    return WriteIniText(file, line);
}

void CIniItem::AppendValueText(std::string& line) const {
    switch (type_) {
    case INI_INT:
        config::AppendInt(line, *static_cast<const int32_t*>(variable_));
        break;
    case INI_FLOAT:
        config::AppendFixed(line, *static_cast<const float*>(variable_));
        break;
    case INI_INT4:
        AppendInts(line, static_cast<const int32_t*>(variable_), 4);
        break;
    case INI_STRING:
        line += static_cast<const Str*>(variable_)->View();
        break;
    case INI_BYTE3: {
        const auto* bytes = static_cast<const sIniByte3*>(variable_)->value;
        const int32_t values[3] = {bytes[0], bytes[1], bytes[2]};
        AppendInts(line, values, 3);
        break;
    }
    case INI_MATRIX:
        AppendFloats(line, static_cast<const float*>(variable_), kMatrixFileOrder, 16, true);
        break;
    case INI_FLOAT3:
        AppendFloats(line, static_cast<const float*>(variable_), kTripleOrder, 3, false);
        break;
    default:
        line += "ERR: UNKNOWN TYPE";
        break;
    }
}
