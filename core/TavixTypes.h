#pragma once

namespace TavixQtLib {

// Interaction state of a control; per-state styles are indexed by it.
enum CtrlState : int {
    Normal = 0,
    Hot = 1,
    Pressed = 2,
    Disable = 3,
    AllStates = 4   // accepted only by per-state setters: applies to all four states
};

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
