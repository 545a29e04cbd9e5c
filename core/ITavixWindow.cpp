#include "core/ITavixWindow.h"

namespace TavixQtLib {

// Out of line so that the interface's type information lives in the library, where dynamic_cast finds it.
ITavixWindow::~ITavixWindow() = default;

} // namespace TavixQtLib
