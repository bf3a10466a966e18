#include "config/file_storage.h"

#include "config/file_reader.h"
#include "config/ini_text.h"
#include "config/str_list.h"

void CFileStorage::SetFileName(const char* name) {
    if (name) fileName_ = name;
}

CIniPartition* CFileStorage::AddPartition(const char* name) {
    return partitions_.emplace_back(std::make_unique<CIniPartition>(name)).get();
}

// A header is "[" and the name in any case, with the length of the line as
// read (trailing blanks counted) being exactly the name's plus two; the last
// character is not looked at.
CIniPartition* CFileStorage::FindHeader(CStrList& lines, int index) const {
    const std::string_view line = lines.GetAt(index).View();
    if (line.empty() || line[0] != '[') return nullptr;
    const int length = lines.GetReadLength(index);
    for (const auto& partition : partitions_) {
        const std::string_view name = partition->GetName().View();
        if (static_cast<size_t>(length) == name.size() + 2 &&
            EqualsIgnoringCase(line.substr(1, name.size()), name))
            return partition.get();
    }
    return nullptr;
}

int CFileStorage::Load(const char* path) {
    return Read(path) == LoadOutcome::Loaded ? 1 : 0;
}

LoadOutcome CFileStorage::Read(const char* path) {
    SetFileName(path);
    std::string bytes;
    switch (ReadFileBytes(fileName_.c_str(), bytes)) {
    case FileRead::Missing:
        return LoadOutcome::Missing;
    case FileRead::Failed:
        return LoadOutcome::Unreadable;
    case FileRead::Read:
        break;
    }
    CStrList lines;
    if (!lines.LoadFromText(bytes)) return LoadOutcome::NoLines;
    const int count = lines.GetCount();
    for (int i = 0; i < count; ++i) lines.GetAt(i).TrimRight(" \t");
    // A section may come again; its keys are looked at over the whole file.
    CIniAssignments assignments;
    for (int i = 0; i < count;) {
        CIniPartition* partition = FindHeader(lines, i++);
        if (!partition) continue;
        const int first = i;
        while (i < count && lines.GetAt(i)[0] != '[') ++i;
        partition->CollectLines(lines, first, i, assignments);
    }
    assignments.Apply(lines);
    return LoadOutcome::Loaded;
}

bool CFileStorage::WriteDocument(FILE* file) const {
    bool ok = WriteIniText(file, banner_.View()) && WriteIniText(file, "\n");
    for (const auto& partition : partitions_) ok = partition->WriteSection(file) && ok;
    return ok;
}

int CFileStorage::Save(const char* path) {
    SetFileName(path);
    if (fileName_.IsEmpty()) return 0;
    FileWriter& writer = writer_ ? *writer_ : DefaultFileWriter();
    return ReplaceFile(fileName_.c_str(), writer,
                       [this](FILE* file) { return WriteDocument(file); })
               ? 1
               : 0;
}
