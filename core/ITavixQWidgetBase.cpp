#include "core/ITavixQWidgetBase.h"

#include "core/TavixJson.h"
#include "core/TavixQWidgetBase.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "resources/TavixQResourceManager.h"

#include <QVariant>
#include <QWidget>

#include <json/value.h>

namespace TavixQtLib {

namespace {

// The switch is raised while a theme entry is read. It must not outlive the synchronous read, yet a
// read nested in a theme application (switch already up) must not drop it for the outer reader; so
// the previous value comes back.
class ThemeSwitchRestorer
{
public:
    ThemeSwitchRestorer()
        : manager(TavixQResourceManager::getInstance())
        , previous(manager->isLoadFromThemeRes())
    {
    }
    ~ThemeSwitchRestorer() { manager->setSwitchToThemeRes(previous); }
    ThemeSwitchRestorer(const ThemeSwitchRestorer &) = delete;
    ThemeSwitchRestorer &operator=(const ThemeSwitchRestorer &) = delete;

private:
    TavixQResourceManager *manager;
    bool previous;
};

} // namespace

bool ITavixQWidgetBase::readJsonValue(void *node)
{
    TavixQWidgetBaseImpl *impl = getControlImpl();
    if (!impl || !node)
        return false;
    ThemeSwitchRestorer restorer;
    Json::Value *value = static_cast<Json::Value *>(node);
    if (TavixQWidgetBase *b = getControlBase())
        b->serializeJsonValue(value, true);
    return impl->serializeJsonValue(&value, true);
}

void ITavixQWidgetBase::setLayoutRatio(int ratio)
{
    if (TavixQWidgetBase *b = getControlBase())
        b->setLayoutRatio(ratio);
}

int ITavixQWidgetBase::getLayoutRatio() const
{
    const TavixQWidgetBase *b = base();
    return b ? b->getLayoutRatio() : 1;
}

void ITavixQWidgetBase::setWidthPolicy(LayoutSizePolicy policy)
{
    if (TavixQWidgetBase *b = getControlBase())
        b->setWidthPolicy(policy);
}

LayoutSizePolicy ITavixQWidgetBase::getWidthPolicy() const
{
    const TavixQWidgetBase *b = base();
    return b ? b->getWidthPolicy() : PolicyDefault;
}

void ITavixQWidgetBase::setHeightPolicy(LayoutSizePolicy policy)
{
    if (TavixQWidgetBase *b = getControlBase())
        b->setHeightPolicy(policy);
}

LayoutSizePolicy ITavixQWidgetBase::getHeightPolicy() const
{
    const TavixQWidgetBase *b = base();
    return b ? b->getHeightPolicy() : PolicyDefault;
}

void ITavixQWidgetBase::setAbsoluteLayout(bool absolute)
{
    if (TavixQWidgetBase *b = getControlBase())
        b->setAbsoluteLayout(absolute);
}

bool ITavixQWidgetBase::getAbsoluteLayout() const
{
    const TavixQWidgetBase *b = base();
    return b && b->getAbsoluteLayout();
}

void ITavixQWidgetBase::setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY)
{
    if (TavixQWidgetBase *b = getControlBase())
        b->setAbsoluteDock(hor, ver, offsetX, offsetY);
}

void ITavixQWidgetBase::getAbsoluteDock(DockLayoutType &hor, DockLayoutType &ver, int &offsetX, int &offsetY) const
{
    if (const TavixQWidgetBase *b = base()) {
        b->getAbsoluteDock(hor, ver, offsetX, offsetY);
        return;
    }
    hor = DockNear;
    ver = DockNear;
    offsetX = 0;
    offsetY = 0;
}

void ITavixQWidgetBase::getAbsoluteDock(DockLayoutType &hor, DockLayoutType &ver) const
{
    int x = 0;
    int y = 0;
    getAbsoluteDock(hor, ver, x, y);
}

void ITavixQWidgetBase::getLayoutData(void *&data) const
{
    data = nullptr;
    if (const TavixQWidgetBase *b = base())
        b->getLayoutData(data);
}

void ITavixQWidgetBase::setGeometry(int x, int y, int w, int h)
{
    if (TavixQWidgetBase *b = getControlBase())
        b->setGeometry(x, y, w, h);
}

void ITavixQWidgetBase::setOpacity(int opacity)
{
    if (TavixQWidgetBase *b = getControlBase())
        b->setOpacity(opacity);
}

int ITavixQWidgetBase::getOpacity() const
{
    const TavixQWidgetBase *b = base();
    return b ? b->getOpacity() : 255;
}

LayoutType ITavixQWidgetBase::getLayoutType() const
{
    const TavixQWidgetBase *b = base();
    return b ? b->getLayoutType() : Absolute;
}

void ITavixQWidgetBase::createComplete()
{
    if (TavixQWidgetBaseImpl *impl = getControlImpl())
        impl->createComplete();
}

void ITavixQWidgetBase::resizeWidget()
{
    if (TavixQWidgetBase *b = getControlBase())
        b->resizeWidget();
}

void ITavixQWidgetBase::notifyChangeLanguage()
{
    if (TavixQWidgetBaseImpl *impl = getControlImpl())
        impl->notifyChangeLanguage();
}

bool ITavixQWidgetBase::serializeJsonValue(Json::Value *node, bool read)
{
    TavixQWidgetBaseImpl *impl = getControlImpl();
    if (!node)
        return false;
    ThemeSwitchRestorer restorer;
    if (TavixQWidgetBase *b = getControlBase())
        b->serializeJsonValue(node, read);
    if (!impl)
        return false;
    const bool result = impl->serializeJsonValue(&node, read);
    if (!read)
        impl->dropThemeSupplied(*node);
    return result;
}

void ITavixQWidgetBase::setThemeName(const QString &name)
{
    if (TavixQWidgetBase *b = getControlBase())
        b->setThemeName(name);
}

QString ITavixQWidgetBase::jsonData() const
{
    const TavixQWidgetBase *b = base();
    return b ? b->jsonText : QString();
}

void ITavixQWidgetBase::setJsonData(const QString &text)
{
    TavixQWidgetBase *b = getControlBase();
    if (!b || text == b->jsonText)
        return;
    const bool firstText = b->jsonText.isEmpty() && !text.isEmpty();
    // Stored before reading, so that a read which sets the data again sees the new text.
    b->jsonText = text;
    if (!firstText)
        return;
    Json::Value root;
    if (tavixParseJson(text.toUtf8(), root))
        readJsonValue(&root);
}

QString ITavixQWidgetBase::getThemeName() const
{
    const TavixQWidgetBase *b = base();
    return b ? b->getThemeName() : QString();
}

void ITavixQWidgetBase::setInnerVisible(bool visible)
{
    TavixQWidgetBase *b = getControlBase();
    QWidget *owner = b ? b->getOwner() : nullptr;
    if (!owner)
        return;
    owner->setProperty("visibility", visible);
    // The flag is what matters: the designer canvas paints hidden controls itself.
    owner->setVisible(false);
}

bool ITavixQWidgetBase::getInnerVisible() const
{
    const TavixQWidgetBase *b = base();
    const QWidget *owner = b ? b->getOwner() : nullptr;
    if (!owner)
        return true;
    const QVariant flag = owner->property("visibility");
    // A control never read from a node nor marked hidden counts as visible.
    return flag.isValid() ? flag.toBool() : true;
}

bool ITavixQWidgetBase::getDelegateItemVisible() const
{
    const TavixQWidgetBaseImpl *impl = getControlImpl();
    return impl ? impl->delegateItemVisible : true;
}

void ITavixQWidgetBase::setDelegateItemVisible(bool visible)
{
    if (TavixQWidgetBaseImpl *impl = getControlImpl())
        impl->delegateItemVisible = visible;
}

QWidget *ITavixQWidgetBase::cloneWidget(const QString &name)
{
    TavixQWidgetBase *b = getControlBase();
    return b ? b->cloneWidget(name) : nullptr;
}

} // namespace TavixQtLib
