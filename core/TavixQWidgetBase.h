#pragma once

#include "core/TavixTypes.h"
#include "tavixqtlib_export.h"

#include <QRect>
#include <QString>
#include <QVariant>

namespace Json { class Value; }
class QWidget;

namespace TavixQtLib {

class ITavixQWidgetBase;

// Layout attributes, opacity and owner of one control, and the common part of its JSON node.
// Held by value as a member of every control.
class TAVIXQTLIB_EXPORT TavixQWidgetBase
{
public:
    explicit TavixQWidgetBase(QWidget *owner);
    // For a kit control, which passes itself twice and the storage of its "visibility" property: the base
    // then needs no cast to find the control, nor a property search to set the flag.
    TavixQWidgetBase(QWidget *owner, ITavixQWidgetBase *control, QVariant *visibilityFlag = nullptr);
    virtual ~TavixQWidgetBase() = default;
    TavixQWidgetBase(const TavixQWidgetBase &) = default;
    TavixQWidgetBase &operator=(const TavixQWidgetBase &) = default;

    void setOpacity(int opacity);
    int getOpacity() const { return opacity; }
    // Switches to Ratio; values below 1 store 1. A parent container lays out again.
    void setLayoutRatio(int ratio);
    int getLayoutRatio() const;
    LayoutType getLayoutType() const { return LayoutType(layoutType); }
    void getLayoutData(void *&data) const;
    // Switches to Absolute and moves the owner.
    void setGeometry(const QRect &rect);
    void setGeometry(int x, int y, int w, int h);
    void setWidthPolicy(LayoutSizePolicy policy) { widthPolicy = policy; }
    void setHeightPolicy(LayoutSizePolicy policy) { heightPolicy = policy; }
    LayoutSizePolicy getWidthPolicy() const { return LayoutSizePolicy(widthPolicy); }
    LayoutSizePolicy getHeightPolicy() const { return LayoutSizePolicy(heightPolicy); }
    void setAbsoluteLayout(bool absolute) { absoluteLayout = absolute; }
    bool getAbsoluteLayout() const { return absoluteLayout; }
    // Turns on absolute docking; alignments are clamped to 0..2, offsets kept as given.
    void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY);
    void getAbsoluteDock(DockLayoutType &hor, DockLayoutType &ver, int &offsetX, int &offsetY) const;
    void getAbsoluteDock(DockLayoutType &hor, DockLayoutType &ver) const;
    QWidget *getOwner() const { return owner; }

    QString getThemeName() const;
    // Takes effect only with a current theme and outside designer mode.
    void setThemeName(const QString &name);
    void refreshTheme();
    void resizeWidget();
    void LoadLayout(const Json::Value &node);
    void SaveLayout(Json::Value &node);
    virtual bool serializeJsonValue(Json::Value *node, bool read);
    QWidget *cloneWidget(const QString &name);

    int opacity = 255;
    int widthPolicy = PolicyDefault;
    int heightPolicy = PolicyDefault;
    bool absoluteLayout = false;
    int absoluteDockHor = DockNear;
    int absoluteDockVer = DockNear;
    int absoluteDockOffsetX = 0;
    int absoluteDockOffsetY = 0;
    int layoutType = Absolute;
    int layoutData[4] = {0, 0, 0, 0};   // Ratio: ratio; Absolute: x, y, w, h
    QWidget *owner = nullptr;
    ITavixQWidgetBase *control = nullptr;   // the owner as a kit control, when given at construction
    QVariant *visibilityFlag = nullptr;     // what the owner's "visibility" property reads, when given
    QString jsonText;   // the text last given to setJsonData

private:
    void applyGeometry();   // the stored Absolute place to the owner, bounded for Qt
};

} // namespace TavixQtLib
