#include "core/ITavixPageWindow.h"

namespace TavixQtLib {

// Out of line so that the interface's type information lives in the library, where dynamic_cast finds it.
ITavixPageWindow::~ITavixPageWindow() = default;

} // namespace TavixQtLib
