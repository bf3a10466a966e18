#pragma once

#include <cstdio>

// A value of an INI document that writes and reads its own text (type code
// INI_OBJECT). WriteText writes the value text and its line end; ParseText
// gets the value text of the key's line. Both return 1 on success, 0 on
// failure.
class CIniObject {
public:
    virtual ~CIniObject() = default;
    virtual int WriteText(FILE* file) = 0;
    virtual int ParseText(const char* text) = 0;
};
