#pragma once

#include "config/ini_item.h"
#include "config/str_list.h"

#include <vector>

// The lines of a document that give its keys their values. Of the lines that
// name one key only the last counts, as if each had been applied in turn:
// a last value that its key refuses then leaves the variable as it was
// before the load, not holding an earlier value of the same file.
class CIniAssignments {
public:
    // Line `index`, from byte `offset` on, is the value of `item` in place of
    // any earlier line. Lines come in file order.
    void Assign(CIniItem* item, int index, int offset);
    // Reads the kept lines into their keys, in file order.
    void Apply(CStrList& lines) const;

private:
    struct sAssignment {
        CIniItem* item;
        int index;
        int offset;
    };
    std::vector<sAssignment> assignments_;
};
