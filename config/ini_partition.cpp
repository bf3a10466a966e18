#include "config/ini_partition.h"

#include "config/ini_text.h"

#include <algorithm>
#include <string>

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

CIniItem* CIniPartition::AddItem(const char* key, void* variable, int type) {
    return items_.emplace_back(std::make_unique<CIniItem>(key, variable, type)).get();
}

CIniItem* CIniPartition::AddItem(std::unique_ptr<CIniItem> item) {
    return items_.emplace_back(std::move(item)).get();
}

CIniItem* CIniPartition::Find(std::string_view key) const {
    for (const auto& item : items_)
        if (EqualsIgnoringCase(item->GetName().View(), key)) return item.get();
    return nullptr;
}

void CIniPartition::CollectLines(CStrList& lines, int first, int end,
                                 CIniAssignments& assignments) const {
    for (int index = first; index < end; ++index) {
        const std::string_view line = lines.GetAt(index).View();
        const size_t equals = line.find('=');
        const bool split = equals != std::string_view::npos;
        if (CIniItem* item = Find(split ? line.substr(0, equals) : line))
            assignments.Assign(item, index, split ? static_cast<int>(equals) + 1 : 0);
    }
}

int CIniPartition::ReadLines(CStrList& lines, int first, int end) {
    CIniAssignments assignments;
    CollectLines(lines, first, end, assignments);
    assignments.Apply(lines);
    return 1;
}

int CIniPartition::WriteSection(FILE* file) {
    bool ok = WriteIniText(file, "\n[" + std::string(name_.View()) + "]\n");
    for (const auto& item : items_) ok = item->WriteValue(file) && ok;
    return ok ? 1 : 0;
}
