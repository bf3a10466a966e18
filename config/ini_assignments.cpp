#include "config/ini_assignments.h"

#include <algorithm>

void CIniAssignments::Assign(CIniItem* item, int index, int offset) {
    std::erase_if(assignments_, [item](const sAssignment& a) { return a.item == item; });
    assignments_.push_back({item, index, offset});
}

void CIniAssignments::Apply(CStrList& lines) const {
    for (const sAssignment& a : assignments_) {
        // One value the item cannot take must not stop the others.
        try {
            a.item->ReadValue(lines, a.index, a.offset);
        } catch (...) {
        }
    }
}
