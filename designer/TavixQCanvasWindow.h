#pragma once

#include "core/ControlInfo.h"
#include "core/ITavixPageWindow.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QString>
#include <QWidget>

namespace TavixQtLib {

// The page window of the design canvas: one per open page document. It holds the page's window settings,
// writes the whole page back as a page document and finds the widget under a point. It paints nothing;
// the canvas draws its content.
class TAVIXQTLIB_EXPORT TavixQCanvasWindow : public QWidget, public ITavixPageWindow
{
    Q_OBJECT
public:
    explicit TavixQCanvasWindow(QWidget *parent = nullptr);
    ~TavixQCanvasWindow() override;

    static QWidget *createCanvas();     // parentless; the registry's creator
    static const char *typeName() { return "Window"; }
    QString getTypeName() const { return QString::fromLatin1(typeName()); }
    static ControlInfo getProps();      // no common rows; its keyword is "window"

    // Fixed sizes: the page window keeps the size the page gives it.
    void setWidth(int width);
    void setHeight(int height);
    int getWidth() const { return width(); }
    int getHeight() const { return height(); }
    void setMinWidth(int width) override { m_minWidth = width; }
    int getMinWidth() const { return m_minWidth; }
    void setMinHeight(int height) override { m_minHeight = height; }
    int getMinHeight() const { return m_minHeight; }
    void setResizeable(bool resizeable) override;   // also switches mouse tracking
    bool getResizeable() const { return m_resizeable; }
    void setCanDrag(bool canDrag) override { m_canDrag = canDrag; }
    bool getCanGrag() const { return m_canDrag; }
    void setOnlyDragCaption(bool only) override { m_onlyDragCaption = only; }
    bool getOnlyDragCaption() const { return m_onlyDragCaption; }
    void setCaptionHeight(int height) override { m_captionHeight = height; }
    bool getCaptionHeight() const { return m_captionHeight != 0; }   // whether there is a caption
    int getCaptionHeightValue() const { return m_captionHeight; }
    void setMaximizeOnDoubleClick(bool on) override { m_maximizeOnDoubleClick = on; }
    bool getMaximizeOnDoubleClick() const { return m_maximizeOnDoubleClick; }
    // Kept for the finished window; not used at design time.
    void setBackgroundColor(const FillRes &fill) { m_backgroundColor = fill; }
    void setBackgroundImage(const QString &path, const ImageDesc &desc);
    void setUseFillColor(bool useColor) { m_useFillColor = useColor; }
    void setShowBackground(bool show) { m_showBackground = show; }
    // On: frameless and translucent. Recorded, so that a saved page keeps "trans".
    void setTransparent(bool on) override;
    bool getTransparent() const { return m_transparent; }
    void setPageName(const QString &name) { m_pageName = name; }
    QString pageName() const { return m_pageName; }
    // Move the left (top) edge to the value, keeping the size.
    void setX(int x);
    void setY(int y);

    // Hides every descendant widget; at design time the canvas draws them.
    void hideAllWidges();
    // The deepest widget at (x, y), in this window's coordinates, among widget and its descendants that are
    // shown at design time (their "visibility" property is not false); among overlapping siblings the
    // topmost (the later child). Null when there is none.
    QWidget *HitTestWithChildren(QWidget *widget, int x, int y);
    // The page document: the window keys, then one element node per direct kit child, "type" first.
    void toJsonString(QString &out);

private:
    bool m_resizeable = false;
    bool m_canDrag = true;
    int m_borderWidth = 4;              // the finished window's resize band; unused here
    int m_reserved = 0;
    QString m_backgroundImage;
    ImageDesc m_backgroundImageDesc;
    FillRes m_backgroundColor;
    bool m_useFillColor = true;
    bool m_showBackground = false;
    int m_minWidth = 400;
    int m_minHeight = 400;
    bool m_onlyDragCaption = false;
    int m_captionHeight = 40;
    bool m_maximizeOnDoubleClick = false;
    bool m_transparent = false;
    QString m_pageName;
};

} // namespace TavixQtLib
