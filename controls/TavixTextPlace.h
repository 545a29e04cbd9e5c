#pragma once

#include "tavixqtlib_export.h"

namespace TavixQtLib {

// A place in the document: block, line within the block, cursor position within the block.
struct TAVIXQTLIB_EXPORT TavixTextPlace
{
    int block = -1;
    int line = -1;
    int position = -1;

    bool isValid() const { return block >= 0 && line >= 0 && position >= 0; }
    bool operator==(const TavixTextPlace &o) const
    {
        return block == o.block && line == o.line && position == o.position;
    }
    bool operator!=(const TavixTextPlace &o) const { return !(*this == o); }
    bool operator<(const TavixTextPlace &o) const;
};

} // namespace TavixQtLib
