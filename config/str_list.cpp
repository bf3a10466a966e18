#include "config/str_list.h"

#include "config/file_reader.h"

#include <string>

int CStrList::LoadFromFile(const char* name) {
    std::string bytes;
    if (ReadFileBytes(name, bytes) != FileRead::Read) {
        lines_.clear();
        return 0;
    }
    return LoadFromText(bytes);
}

int CStrList::LoadFromText(std::string_view text) {
    lines_.clear();
    for (size_t end; (end = text.find('\n')) != std::string_view::npos;
         text.remove_prefix(end + 1)) {
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.push_back({Str(line), static_cast<int>(line.size())});
    }
    return lines_.empty() ? 0 : 1;
}

Str& CStrList::GetAt(int index) {
    if (index >= 0 && index < GetCount()) return lines_[static_cast<size_t>(index)].text;
    spare_ = "";
    return spare_;
}

int CStrList::GetReadLength(int index) const {
    return index >= 0 && index < GetCount() ? lines_[static_cast<size_t>(index)].readLength : 0;
}
