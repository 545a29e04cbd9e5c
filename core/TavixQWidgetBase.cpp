#include "core/TavixQWidgetBase.h"

#include "core/ITavixQWidgetBase.h"
#include "core/ITavixWindow.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "core/TavixTypes.h"
#include "resources/TavixQResourceManager.h"

#include <QMetaObject>
#include <QVariant>
#include <QWidget>

#include <json/value.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>

namespace TavixQtLib {

namespace {

constexpr int kDockMax = DockFar;

ITavixQWidgetBase *controlOf(QWidget *widget)
{
    return dynamic_cast<ITavixQWidgetBase *>(widget);
}

// The owner as a kit control; a page builds thousands, so the cast is spared when the control said so.
ITavixQWidgetBase *controlOf(const TavixQWidgetBase &base)
{
    return base.control ? base.control : controlOf(base.owner);
}

QString typeNameOf(QWidget *widget)
{
    ITavixQWidgetBase *control = controlOf(widget);
    return control ? control->getTypeName() : QString();
}

// Reads the node's "x", "y", "w" and "h" into xywh; a missing or malformed key keeps its value.
void readXywh(const Json::Value &node, int (&xywh)[4])
{
    int i = 0;
    for (const char *key : {"x", "y", "w", "h"})
        tavixReadInt(node, key, xywh[i++]);
}

// Qt rejects sizes outside 0..QWIDGETSIZE_MAX with a warning; clamp first.
int clampSize(int value)
{
    return value < 1 ? 0 : std::min(value, int(QWIDGETSIZE_MAX));
}

// The common keys of a node, found in one pass over its few members rather than one search of the
// member map per key: a page reads them for every control it builds.
class CommonKeys
{
public:
    enum Key {
        Name, Tooltip, Visibility, Enable, Layout, X, Y, W, H, AbsoluteLayout, DockHor, DockVer, DockOffsetX,
        DockOffsetY, WidthPolicy, HeightPolicy, MinWidth, MinHeight, MaxWidth, MaxHeight, KeyCount
    };

    explicit CommonKeys(const Json::Value &node)
    {
        static const std::string kNames[KeyCount] = {
            "name", "tooltip", "visibility", "enable", "layout", "x", "y", "w", "h", "absoluteLayout",
            "absoluteDockHor", "absoluteDockVer", "absoluteDockOffsetX", "absoluteDockOffsetY", "widthPolicy",
            "heightPolicy", "minWidth", "minHeight", "maxWidth", "maxHeight"};
        if (!node.isObject())
            return;
        for (auto it = node.begin(), end = node.end(); it != end; ++it) {
            const char *nameEnd = nullptr;
            const char *name = it.memberName(&nameEnd);
            if (!name)
                continue;
            const size_t length = size_t(nameEnd - name);
            for (int key = 0; key < KeyCount; ++key) {
                if (kNames[key].size() == length && std::memcmp(kNames[key].data(), name, length) == 0) {
                    values[key] = &*it;
                    break;
                }
            }
        }
    }

    bool has(Key key) const { return values[key] != nullptr; }
    bool readInt(Key key, int &out) const { return values[key] && tavixJsonToInt(*values[key], out); }
    bool readBool(Key key, bool &out) const { return values[key] && tavixJsonToBool(*values[key], out); }
    bool readString(Key key, QString &out) const { return values[key] && tavixJsonToString(*values[key], out); }

    // A policy key: absent keeps current; present but not -1, 0 or 1 (or not a number) is -1.
    int readPolicy(Key key, int current) const
    {
        if (!has(key))
            return current;
        int value = PolicyDefault;
        if (!readInt(key, value) || value < PolicyDefault || value > PolicyFixed)
            return PolicyDefault;
        return value;
    }

private:
    const Json::Value *values[KeyCount] = {};
};

} // namespace

TavixQWidgetBase::TavixQWidgetBase(QWidget *owner)
    : owner(owner)
{
}

TavixQWidgetBase::TavixQWidgetBase(QWidget *owner, ITavixQWidgetBase *control, QVariant *visibilityFlag)
    : owner(owner)
    , control(control)
    , visibilityFlag(visibilityFlag)
{
}

void TavixQWidgetBase::setOpacity(int value)
{
    if (opacity == value)
        return;
    opacity = value;
    if (owner)
        owner->update();
}

void TavixQWidgetBase::setLayoutRatio(int ratio)
{
    layoutType = Ratio;
    layoutData[0] = ratio > 0 ? ratio : 1;
    QWidget *parent = owner ? owner->parentWidget() : nullptr;
    // The container is found by keyword and called through the meta-object (forceResize() is
    // invokable there), so that the base does not depend on the container class.
    if (parent && typeNameOf(parent) == QLatin1String("qtcontainer")
        && parent->metaObject()->indexOfMethod("forceResize()") >= 0)
        QMetaObject::invokeMethod(parent, "forceResize", Qt::DirectConnection);
}

int TavixQWidgetBase::getLayoutRatio() const
{
    if (layoutType != Ratio)
        return 1;
    return std::max(1, layoutData[0]);
}

void TavixQWidgetBase::getLayoutData(void *&data) const
{
    if (layoutType == Ratio || layoutType == Absolute)
        data = const_cast<int *>(layoutData);
    else
        data = nullptr;
}

void TavixQWidgetBase::setGeometry(const QRect &rect)
{
    setGeometry(rect.x(), rect.y(), rect.width(), rect.height());
}

void TavixQWidgetBase::setGeometry(int x, int y, int w, int h)
{
    layoutType = Absolute;
    layoutData[0] = x;
    layoutData[1] = y;
    layoutData[2] = w;
    layoutData[3] = h;
    applyGeometry();
}

// The stored place, as Qt can take it: QRect adds a position and a length, which values from a page
// (or a host) near the ends of int would overflow. The stored values stay as given.
void TavixQWidgetBase::applyGeometry()
{
    if (owner) {
        owner->setGeometry(tavixClampCoord(layoutData[0]), tavixClampCoord(layoutData[1]), clampSize(layoutData[2]),
                           clampSize(layoutData[3]));
    }
}

void TavixQWidgetBase::setAbsoluteDock(DockLayoutType hor, DockLayoutType ver, int offsetX, int offsetY)
{
    absoluteLayout = true;
    absoluteDockHor = qBound(0, int(hor), kDockMax);
    absoluteDockVer = qBound(0, int(ver), kDockMax);
    absoluteDockOffsetX = offsetX;
    absoluteDockOffsetY = offsetY;
}

void TavixQWidgetBase::getAbsoluteDock(DockLayoutType &hor, DockLayoutType &ver, int &offsetX,
                                       int &offsetY) const
{
    hor = DockLayoutType(absoluteDockHor);
    ver = DockLayoutType(absoluteDockVer);
    offsetX = absoluteDockOffsetX;
    offsetY = absoluteDockOffsetY;
}

void TavixQWidgetBase::getAbsoluteDock(DockLayoutType &hor, DockLayoutType &ver) const
{
    hor = DockLayoutType(absoluteDockHor);
    ver = DockLayoutType(absoluteDockVer);
}

QString TavixQWidgetBase::getThemeName() const
{
    const TavixQWidgetBaseImpl *impl = TavixQWidgetBaseImpl::fromWidget(owner);
    return impl ? impl->themeName : QString();
}

void TavixQWidgetBase::setThemeName(const QString &name)
{
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    const bool hasTheme = manager->getThemeManagerIml() || !manager->getThemePath().isEmpty();
    if (!hasTheme || manager->isDesigner())
        return;
    TavixQWidgetBaseImpl *impl = TavixQWidgetBaseImpl::fromWidget(owner);
    if (!impl)
        return;
    impl->themeName = name;
    refreshTheme();
}

void TavixQWidgetBase::refreshTheme()
{
    if (TavixQWidgetBaseImpl *impl = TavixQWidgetBaseImpl::fromWidget(owner))
        impl->applyTheme();
}

void TavixQWidgetBase::resizeWidget()
{
    QWidget *parent = owner ? owner->parentWidget() : nullptr;
    if (!parent)
        return;
    if (layoutType != Absolute)
        return;
    const ITavixQWidgetBase *self = controlOf(*this);
    if (self && self->getTypeName() == QLatin1String("qtcontainer")
        && (parent->isWindow() || dynamic_cast<ITavixWindow *>(parent))) {
        layoutData[0] = 0;
        layoutData[1] = 0;
        layoutData[2] = parent->width();
        layoutData[3] = parent->height();
    }
    applyGeometry();
}

void TavixQWidgetBase::LoadLayout(const Json::Value &node)
{
    static const Json::Value kNull;
    const Json::Value *found = tavixJsonMember(node, "layout");
    const Json::Value &layout = found ? *found : kNull;
    // Without "type" the layout is a ratio; a "type" that is not an integer names neither kind.
    int type = tavixJsonHas(layout, "type") ? -1 : int(Ratio);
    tavixReadInt(layout, "type", type);
    if (type == Ratio) {
        int ratio = 1;
        tavixReadInt(layout, "ratio", ratio);
        layoutType = Ratio;
        layoutData[0] = std::max(1, ratio);
        return;
    }
    layoutType = Absolute;
    if (type != Absolute)
        return;
    int xywh[4] = {0, 0, owner ? owner->width() : 0, owner ? owner->height() : 0};
    // Absolute coordinates sit on the node itself, not inside "layout".
    readXywh(node, xywh);
    setGeometry(xywh[0], xywh[1], xywh[2], xywh[3]);
}

void TavixQWidgetBase::SaveLayout(Json::Value &node)
{
    if (!node.isObject() && !node.isNull())
        return;   // only an object can take the layout keys
    if (layoutType == Ratio) {
        Json::Value layout(Json::objectValue);
        layout["type"] = int(Ratio);
        layout["ratio"] = getLayoutRatio();
        node["layout"] = layout;
        for (const char *key : {"x", "y", "w", "h"})
            node.removeMember(key);
        return;
    }
    layoutType = Absolute;
    if (tavixIsInDesigner() && owner) {
        const QRect g = owner->geometry();
        layoutData[0] = g.x();
        layoutData[1] = g.y();
        layoutData[2] = g.width();
        layoutData[3] = g.height();
    }
    node.removeMember("layout");
    node.removeMember("x");
    node.removeMember("y");
    if (layoutData[0] != 0)
        node["x"] = layoutData[0];
    if (layoutData[1] != 0)
        node["y"] = layoutData[1];
    node["w"] = layoutData[2];
    node["h"] = layoutData[3];
}

bool TavixQWidgetBase::serializeJsonValue(Json::Value *node, bool read)
{
    if (!node || !owner)
        return false;
    ITavixQWidgetBase *self = controlOf(*this);
    // Menus keep no common keys.
    if (self && self->getTypeName() == QLatin1String("qtmenu"))
        return false;

    if (!read) {
        if (!node->isObject() && !node->isNull())
            return false;
        Json::Value &out = *node;
        if (self)
            out["type"] = tavixJsonString(self->getTypeName());
        out["name"] = tavixJsonString(owner->objectName());
        if (!owner->toolTip().isEmpty())
            out["tooltip"] = tavixJsonString(owner->toolTip());
        const QVariant visibility = owner->property("visibility");
        // Only an explicit false: a control never marked hidden is not written as hidden.
        if (visibility.isValid() && !visibility.toBool())
            out["visibility"] = false;
        // The control's own setting; a disabled ancestor is not this control's state.
        if (owner->testAttribute(Qt::WA_ForceDisabled))
            out["enable"] = false;
        if (absoluteLayout) {
            out["absoluteLayout"] = true;
            if (absoluteDockHor != 0)
                out["absoluteDockHor"] = absoluteDockHor;
            if (absoluteDockVer != 0)
                out["absoluteDockVer"] = absoluteDockVer;
            if (absoluteDockOffsetX != 0)
                out["absoluteDockOffsetX"] = absoluteDockOffsetX;
            if (absoluteDockOffsetY != 0)
                out["absoluteDockOffsetY"] = absoluteDockOffsetY;
        }
        if (widthPolicy != PolicyDefault)
            out["widthPolicy"] = widthPolicy;
        if (heightPolicy != PolicyDefault)
            out["heightPolicy"] = heightPolicy;
        if (owner->minimumWidth() > 0)
            out["minWidth"] = owner->minimumWidth();
        if (owner->minimumHeight() > 0)
            out["minHeight"] = owner->minimumHeight();
        if (owner->maximumWidth() != QWIDGETSIZE_MAX)
            out["maxWidth"] = owner->maximumWidth();
        if (owner->maximumHeight() != QWIDGETSIZE_MAX)
            out["maxHeight"] = owner->maximumHeight();
        SaveLayout(out);
        return true;
    }

    // A theme entry being applied never renames, moves or hides a control.
    if (TavixQResourceManager::getInstance()->isLoadFromThemeRes() || !node->isObject())
        return false;
    const Json::Value &in = *node;
    const CommonKeys keys(in);

    QString text;
    if (keys.readString(CommonKeys::Name, text))
        owner->setObjectName(text);
    if (keys.readString(CommonKeys::Tooltip, text))
        owner->setToolTip(text);

    bool visible = true;
    const bool given = keys.readBool(CommonKeys::Visibility, visible);
    // Showing a control that is its own window would open it on the screen. It keeps the flag and, not
    // hidden explicitly, shows with the parent it is later given.
    if (!owner->isWindow()) {
        // A child that is not hidden already shows with its parent: setVisible(true) would only polish and
        // size it now, once per control of a page, work its first showing does anyway. A hidden one (its
        // parent is on screen, or it was hidden before) is shown; hiding always marks it explicitly.
        if (!visible || owner->isHidden())
            owner->setVisible(visible);
    } else if (given && !visible) {
        owner->setVisible(false);
    }
    if (visibilityFlag)
        *visibilityFlag = visible;
    else
        owner->setProperty("visibility", visible);

    bool enabled = true;
    if (keys.readBool(CommonKeys::Enable, enabled))
        owner->setEnabled(enabled);

    if (keys.has(CommonKeys::Layout)) {
        LoadLayout(in);
    } else {
        // Stored only; resizeWidget() or the container applies the geometry.
        layoutType = Absolute;
        std::fill(std::begin(layoutData), std::end(layoutData), 0);
        int i = 0;
        for (const CommonKeys::Key key : {CommonKeys::X, CommonKeys::Y, CommonKeys::W, CommonKeys::H})
            keys.readInt(key, layoutData[i++]);
    }

    absoluteLayout = keys.has(CommonKeys::DockHor) || keys.has(CommonKeys::DockVer)
                     || keys.has(CommonKeys::DockOffsetX) || keys.has(CommonKeys::DockOffsetY);
    keys.readBool(CommonKeys::AbsoluteLayout, absoluteLayout);
    int dock = 0;
    absoluteDockHor = keys.readInt(CommonKeys::DockHor, dock) ? qBound(0, dock, kDockMax) : 0;
    dock = 0;
    absoluteDockVer = keys.readInt(CommonKeys::DockVer, dock) ? qBound(0, dock, kDockMax) : 0;
    int offset = 0;
    absoluteDockOffsetX = keys.readInt(CommonKeys::DockOffsetX, offset) ? offset : 0;
    offset = 0;
    absoluteDockOffsetY = keys.readInt(CommonKeys::DockOffsetY, offset) ? offset : 0;

    widthPolicy = keys.readPolicy(CommonKeys::WidthPolicy, widthPolicy);
    heightPolicy = keys.readPolicy(CommonKeys::HeightPolicy, heightPolicy);

    int size = 0;
    if (keys.readInt(CommonKeys::MinWidth, size))
        owner->setMinimumWidth(clampSize(size));
    if (keys.readInt(CommonKeys::MinHeight, size))
        owner->setMinimumHeight(clampSize(size));
    if (keys.readInt(CommonKeys::MaxWidth, size))
        owner->setMaximumWidth(clampSize(size));
    if (keys.readInt(CommonKeys::MaxHeight, size))
        owner->setMaximumHeight(clampSize(size));
    return true;
}

QWidget *TavixQWidgetBase::cloneWidget(const QString &)
{
    const QString keyword = typeNameOf(owner);
    if (keyword.isEmpty())
        return nullptr;
    return tavixCreateControlByKeyword(keyword.toUtf8().constData(), owner->parentWidget());
}

} // namespace TavixQtLib
