#pragma once

#include <cstddef>

namespace TavixQtLib {

// Interaction state of a control; per-state styles are indexed by it.
enum CtrlState : int {
    Normal = 0,
    Hot = 1,
    Pressed = 2,
    Disable = 3,
    AllStates = 4   // accepted only by per-state setters: applies to all four states
};

// The entry a per-state getter reads: states outside Normal..Disable (AllStates among them) read Normal.
constexpr int tavixStateIndex(int state)
{
    return state >= Normal && state <= Disable ? state : int(Normal);
}

// A coordinate or length computed in 64 bits from page values, brought back to +-2^28: far beyond any
// widget (QWIDGETSIZE_MAX is 2^24 - 1), near enough that QRect's own sums of two cannot overflow.
constexpr int tavixClampCoord(long long value)
{
    constexpr long long kLimit = 1LL << 28;
    return int(value < -kLimit ? -kLimit : value > kLimit ? kLimit : value);
}

// Calls fn on the entry of state, or on every entry for AllStates; other states are ignored.
template <class T, std::size_t N, class Fn>
void tavixForState(T (&entries)[N], int state, Fn &&fn)
{
    static_assert(N == std::size_t(AllStates), "one entry per CtrlState");
    if (state == AllStates) {
        for (T &entry : entries)
            fn(entry);
    } else if (state >= Normal && state <= Disable) {
        fn(entries[state]);
    }
}

// Per-state setter: one entry, or all four for AllStates; other states are ignored.
template <class T, std::size_t N>
void tavixSetPerState(T (&entries)[N], int state, const T &value)
{
    tavixForState(entries, state, [&value](T &entry) { entry = value; });
}

// Single-style background accessors take this instead of CtrlState.
enum CommonCtrlState : int {
    CommonNormal = 0,
    CommonDisable = 1
};

enum LayoutType : int {
    Ratio = 0,
    Absolute = 1
};

enum LayoutSizePolicy : int {
    PolicyDefault = -1,
    PolicyExpanding = 0,
    PolicyFixed = 1
};

enum DockLayoutType : int {
    DockNear = 0,
    DockCenter = 1,
    DockFar = 2
};

// Kind of value a PropertyDef edits; 7 and 8 are unassigned.
enum PropertyType : int {
    ObjectName = 0,
    String = 1,
    ReadOnlyString = 2,
    Bool = 3,
    GroupLine = 4,
    FillStyleRef = 5,
    TextStyleRef = 6,
    ImagePath = 9,
    Int = 10,
    IntPair = 11,
    IntQuad = 12,
    Enumeration = 13,
    Color = 14
};

} // namespace TavixQtLib
