#pragma once

#include "core/ITavixPageWindow.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QString>

class QWidget;

namespace TavixQtLib {

class TavixQWindowImpl;

// The settings TavixQSubWin and TavixQWindow share: dragging by body or caption, border resizing,
// minimum sizes, background and translucency. Owns the window's TavixQWindowImpl.
class TAVIXQTLIB_EXPORT TavixQFramelessWindow : public ITavixPageWindow
{
public:
    // Also switches mouse tracking, which the border cursors need, to the same value.
    void setResizeable(bool resizeable) override;
    bool getResizeable() const;
    void setCanDrag(bool canDrag) override;
    bool getCanGrag() const;
    void setOnlyDragCaption(bool only) override;
    bool getOnlyDragCaption() const;
    void setCaptionHeight(int height) override;
    bool getCaptionHeight() const;          // whether there is a caption (height not 0)
    // Limits of border resizing, in pixels; negative values store 0.
    void setMinWidth(int width) override;
    void setMinHeight(int height) override;
    int getMinWidth() const;
    int getMinHeight() const;
    void setMaximizeOnDoubleClick(bool on) override; // double-clicking the caption toggles maximized
    void setBackgroundColor(const FillRes &fill);
    void setBackgroundImage(const QString &path, const ImageDesc &desc);
    void setUseFillColor(bool useColor);    // the colour rather than the image
    void setShowBackground(bool show);      // paint a background at all
    // On: frameless and translucent. Off: opaque again (the frame flag stays).
    void setTransparent(bool on) override;
    // Moves the left (top) edge to the value; the right (bottom) edge stays where it is.
    void setX(int x);
    void setY(int y);
    void centerWindow();                    // on the primary screen
    // The topmost visible widget at (x, y), in this window's coordinates, among w and its descendants.
    QWidget *hitTest(QWidget *w, int x, int y) const;

    TavixQWindowImpl *getImpl() const { return m_impl; }

protected:
    TavixQFramelessWindow(QWidget *window, const char *typeName, bool subWindow);
    ~TavixQFramelessWindow() override;

    TavixQWindowImpl *m_impl = nullptr;     // owned

private:
    QWidget *m_window = nullptr;

    TavixQFramelessWindow(const TavixQFramelessWindow &) = delete;
    TavixQFramelessWindow &operator=(const TavixQFramelessWindow &) = delete;
};

} // namespace TavixQtLib
