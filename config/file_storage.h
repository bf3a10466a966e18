#pragma once

#include "config/file_writer.h"
#include "config/ini_partition.h"
#include "config/str.h"

#include <memory>
#include <vector>

// How a load went. Only a document that is there but cannot be read holds
// something a later save would destroy.
enum class LoadOutcome {
    Loaded,
    Missing,    // no file of that name
    Unreadable, // there, but could not be read
    NoLines,    // read, but empty or without a line end
};

// An INI document bound to the caller's variables. The caller declares every
// section and key it knows; Load sets the bound variables from a file and
// Save writes the whole document afresh from their current values, so
// anything not declared is dropped. The document owns its sections.
class CFileStorage {
public:
    CFileStorage() = default;
    CFileStorage(const CFileStorage&) = delete;
    CFileStorage& operator=(const CFileStorage&) = delete;
    virtual ~CFileStorage() = default;

    // A null name leaves the file name as it is.
    void SetFileName(const char* name);
    // Written before the first section; may span several lines.
    void SetBanner(const char* text) { banner_ = text; }
    void RemoveAll() { partitions_.clear(); }
    CIniPartition* AddPartition(const char* name);

    // A non-null path becomes the file name first. 1 when the file was read;
    // 0 when it could not be opened, was empty or held no line end, and then
    // no variable changed.
    int Load(const char* path = nullptr);
    // Load that tells why nothing was loaded.
    LoadOutcome Read(const char* path = nullptr);
    // A non-null path becomes the file name first. 1 when the whole document
    // reached the disk; 0 otherwise, and then the old file is untouched.
    int Save(const char* path = nullptr);

    // The files Save writes go through `writer` (null: the real files).
    void SetFileWriter(FileWriter* writer) { writer_ = writer; }

    const Str& GetFileName() const { return fileName_; }
    const Str& GetBanner() const { return banner_; }
    int GetCount() const { return static_cast<int>(partitions_.size()); }

private:
    CIniPartition* FindHeader(CStrList& lines, int index) const;
    bool WriteDocument(FILE* file) const;

    std::vector<std::unique_ptr<CIniPartition>> partitions_;
    Str fileName_;
    Str banner_;
    FileWriter* writer_ = nullptr;
};
