#pragma once

#include "tavixqtlib_export.h"

namespace TavixQtLib {

// A window that takes a page document's window keys ("trans", "drag", "resize", "minH", "minW",
// "onlyDragCaption", "dbmax", "dbheight"). The page loader reaches the windows through it, so core needs
// no designer headers; the finished windows and the designer's page window implement it.
class TAVIXQTLIB_EXPORT ITavixPageWindow
{
public:
    virtual ~ITavixPageWindow();

    virtual void setTransparent(bool on) = 0;
    virtual void setCanDrag(bool canDrag) = 0;
    virtual void setResizeable(bool resizeable) = 0;
    virtual void setMinHeight(int height) = 0;
    virtual void setMinWidth(int width) = 0;
    virtual void setOnlyDragCaption(bool only) = 0;
    virtual void setMaximizeOnDoubleClick(bool on) = 0;
    virtual void setCaptionHeight(int height) = 0;
};

} // namespace TavixQtLib
