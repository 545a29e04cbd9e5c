#pragma once

#include "core/TavixTypes.h"
#include "tavixqtlib_export.h"

#include <QString>

namespace Json { class Value; }
class QWidget;

namespace TavixQtLib {

class TavixQWidgetBase;
class TavixQWidgetBaseImpl;

// The interface every kit control implements; generic code (containers, page loading, the canvas)
// reaches controls through it with a dynamic_cast. Each control implements the three pure functions;
// the rest forward to the TavixQWidgetBase member and the Impl by default.
class TAVIXQTLIB_EXPORT ITavixQWidgetBase
{
public:
    virtual ~ITavixQWidgetBase() = default;

    virtual TavixQWidgetBase *getControlBase() = 0;
    // Reads a whole node (a Json::Value*): the common keys, then the control's own.
    virtual bool readJsonValue(void *node);
    virtual void setLayoutRatio(int ratio);
    virtual int getLayoutRatio() const;
    virtual void setWidthPolicy(LayoutSizePolicy policy);
    virtual LayoutSizePolicy getWidthPolicy() const;
    virtual void setHeightPolicy(LayoutSizePolicy policy);
    virtual LayoutSizePolicy getHeightPolicy() const;
    virtual void setAbsoluteLayout(bool absolute);
    virtual bool getAbsoluteLayout() const;
    virtual void setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY);
    virtual void getAbsoluteDock(DockLayoutType &hor, DockLayoutType &ver, int &offsetX, int &offsetY) const;
    virtual void getAbsoluteDock(DockLayoutType &hor, DockLayoutType &ver) const;
    virtual void getLayoutData(void *&data) const;   // int[4]: ratio, or x, y, w, h
    virtual void setGeometry(int x, int y, int w, int h);
    virtual void setOpacity(int opacity);
    virtual int getOpacity() const;
    virtual LayoutType getLayoutType() const;
    virtual QString getTypeName() const = 0;
    virtual TavixQWidgetBaseImpl *getControlImpl() const = 0;
    virtual void createComplete();
    virtual void resizeWidget();
    virtual void notifyChangeLanguage();
    virtual bool serializeJsonValue(Json::Value *node, bool read);
    virtual void setThemeName(const QString &name);
    virtual QString jsonData() const;
    virtual void setJsonData(const QString &text);

    // Shared by every control.
    QString getThemeName() const;
    QString getInnerTypeName() const { return getTypeName(); }
    // Stores the "visibility" flag and hides the control (the canvas draws hidden controls itself).
    void setInnerVisible(bool visible);
    bool getInnerVisible() const;
    bool getDelegateItemVisible() const;
    void setDelegateItemVisible(bool visible);
    // A fresh control of this one's keyword under the same parent, through the registry.
    QWidget *cloneWidget(const QString &name);

private:
    const TavixQWidgetBase *base() const { return const_cast<ITavixQWidgetBase *>(this)->getControlBase(); }
};

} // namespace TavixQtLib
