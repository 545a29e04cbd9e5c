#pragma once

// Both JSON readers of the kit must accept and refuse alike and build equal trees; a driver that parses
// its input checks that first and stops the run on any difference.

#include "core/TavixJson.h"

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

inline void tavixFuzzCompareJsonReaders(const uint8_t *data, size_t size)
{
    const char *text = reinterpret_cast<const char *>(data);
    Json::Value ours, library;
    const bool oursOk = TavixQtLib::tavixParseJson(text, size, ours);
    const bool libraryOk = TavixQtLib::tavixParseJsonByLibrary(text, size, library);
    if (oursOk != libraryOk || (oursOk && !(ours == library)))
        std::abort();
}
