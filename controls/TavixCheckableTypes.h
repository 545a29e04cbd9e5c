#pragma once

namespace TavixQtLib {

// Selects one of the three caption styles of a check box or radio button. Scoped, since its
// Disable would clash with CtrlState's.
enum class CheckBoxTextState : int {
    Checked = 0,
    Unchecked = 1,
    Disable = 2
};

// One of the four indicator images of a radio button; All sets every one.
enum class RadioIconState : int {
    Checked = 0,
    CheckedHot = 1,
    Uncheck = 2,
    UncheckHot = 3,
    All = 4
};

} // namespace TavixQtLib
