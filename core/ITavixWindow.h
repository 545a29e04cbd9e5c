#pragma once

#include "tavixqtlib_export.h"

class QWidget;

namespace TavixQtLib {

// A top-level kit window as core and resources see it. The window classes implement it, so the lower
// layers recognise a kit window and reach its widget without knowing the window classes.
class TAVIXQTLIB_EXPORT ITavixWindow
{
public:
    virtual ~ITavixWindow();

    // The window's own widget; the resource manager walks its children on theme and language changes.
    virtual QWidget *getWindowWidget() = 0;
};

} // namespace TavixQtLib
