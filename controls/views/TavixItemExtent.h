#pragma once

#include <QtGlobal>

namespace TavixQtLib {

// Row extents of the item views. 0 means the default; values are kept within 0..kMaxItemExtent so
// that row count times row extent stays inside int for any model a view can show without delay.
constexpr int kDefaultItemExtent = 20;
constexpr int kMaxItemExtent = 1000;

constexpr int tavixStoredItemExtent(int value)
{
    return value < 0 ? 0 : (value > kMaxItemExtent ? kMaxItemExtent : value);
}

constexpr int tavixEffectiveItemExtent(int stored)
{
    return stored > 0 ? stored : kDefaultItemExtent;
}

} // namespace TavixQtLib
