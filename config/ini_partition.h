#pragma once

#include "config/ini_assignments.h"
#include "config/ini_item.h"
#include "config/str.h"
#include "config/str_list.h"

#include <cstdio>
#include <memory>
#include <vector>

// One section of a document: its name without the brackets and its keys, in
// the order they were added. The section owns its keys.
class CIniPartition {
public:
    explicit CIniPartition(const char* name) : name_(name) {}
    CIniPartition(const CIniPartition&) = delete;
    CIniPartition& operator=(const CIniPartition&) = delete;
    virtual ~CIniPartition() = default;

    CIniItem* AddItem(const char* key, void* variable, int type);
    // A key of the caller's own kind, which may read or write differently.
    CIniItem* AddItem(std::unique_ptr<CIniItem> item);

    // Applies the body lines [first, end) to the keys; always 1.
    int ReadLines(CStrList& lines, int first, int end);
    // Adds the body lines [first, end) that name a key to `assignments`.
    void CollectLines(CStrList& lines, int first, int end, CIniAssignments& assignments) const;
    // Writes an empty line, the header and every key; 0 when a write failed.
    int WriteSection(FILE* file);

    const Str& GetName() const { return name_; }
    int GetCount() const { return static_cast<int>(items_.size()); }
    // The key whose name matches without regard to case, or null.
    CIniItem* Find(std::string_view key) const;

private:
    Str name_;
    std::vector<std::unique_ptr<CIniItem>> items_;
};

// Compares ASCII letters without regard to case; other bytes must be equal.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
