#pragma once

#include "config/str.h"
#include "config/str_list.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>

// Type codes of a key's bound variable; callers pass them as numbers.
enum IniType : int32_t {
    INI_INT = 0,    // int32_t
    INI_FLOAT = 1,  // float
    INI_INT4 = 2,   // int32_t[4]
    INI_STRING = 3, // Str
    INI_BYTE3 = 4,  // sIniByte3
    INI_MATRIX = 6, // float[16], column by column
    INI_FLOAT3 = 7, // float[3]
    INI_OBJECT = 8, // CIniObject
};

// The variable of an INI_BYTE3 key: three bytes after a word the document
// leaves alone.
struct sIniByte3 {
    int32_t reserved;
    uint8_t value[3];
};

// One key of a section, bound to a variable of the caller's, which must
// outlive the document.
class CIniItem {
public:
    CIniItem(const char* name, void* variable, int type)
        : name_(name), variable_(variable), type_(type) {}

    // Sets the variable from the text of line `index` starting at byte
    // `offset`.
    virtual int ReadValue(CStrList& lines, int index, int offset);
    // Writes "name=", the value text and the line end; 0 when a write failed.
    virtual int WriteValue(FILE* file);
    virtual ~CIniItem() = default;

    const Str& GetName() const { return name_; }
    int GetType() const { return type_; }

private:
    void AppendValueText(std::string& line) const;

    Str name_;
    void* variable_ = nullptr;
    int type_ = INI_INT;
};

// A key written only while `wanted` says so, so that a document without the
// value stays as it was before the key existed. Reading a document without
// the key leaves the variable as it is.
class CIniOptional : public CIniItem {
public:
    CIniOptional(const char* name, void* variable, int type, std::function<bool()> wanted)
        : CIniItem(name, variable, type), wanted_(std::move(wanted)) {}
    int WriteValue(FILE* file) override { return wanted_() ? CIniItem::WriteValue(file) : 1; }

private:
    std::function<bool()> wanted_;
};
