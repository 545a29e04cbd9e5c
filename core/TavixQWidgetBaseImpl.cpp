#include "core/TavixQWidgetBaseImpl.h"

#include "core/ITavixQWidgetBase.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"
#include "resources/TavixQResourceManager.h"

#include <QAbstractScrollArea>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWidget>

#include <json/value.h>

#include <climits>
#include <limits>

namespace TavixQtLib {

namespace {

constexpr const char *kImplProperty = "impl";
constexpr const char *kFocusFrameAttribute = "focusFrame";

// Integers are written with the JSON type a reader gives their text, so that a load and save
// compares equal as Json::Value.
Json::Value integerValue(qint64 value)
{
    return Json::Value(Json::Int64(value));
}

Json::Value unsignedValue(quint64 value)
{
    if (value <= quint64(std::numeric_limits<qint64>::max()))
        return Json::Value(Json::Int64(value));
    return Json::Value(Json::UInt64(value));
}

Json::Value attributeToJson(const TavixAttribute &attr)
{
    switch (attr.kind) {
    case TavixAttribute::BoolKind:
        return Json::Value(attr.value.toBool());
    case TavixAttribute::StringKind:
        return tavixJsonString(attr.value.toString());
    case TavixAttribute::Int8Kind:
    case TavixAttribute::Int16Kind:
    case TavixAttribute::Int32Kind:
    case TavixAttribute::Int64Kind:
        return integerValue(attr.value.toLongLong());
    case TavixAttribute::UInt8Kind:
    case TavixAttribute::UInt16Kind:
    case TavixAttribute::UInt32Kind:
    case TavixAttribute::UInt64Kind:
        return unsignedValue(attr.value.toULongLong());
    case TavixAttribute::FloatKind:
    case TavixAttribute::DoubleKind:
        return Json::Value(attr.value.toDouble());
    case TavixAttribute::StringListKind: {
        Json::Value list(Json::arrayValue);
        for (const QString &item : attr.value.toStringList())
            list.append(tavixJsonString(item));
        return list;
    }
    default:
        return Json::Value();
    }
}

// Equal as a reader takes them: booleans are written as 0 or 1, and a theme may give either.
bool sameValue(const Json::Value &a, const Json::Value &b)
{
    if (a.isBool() == b.isBool())
        return a == b;
    const Json::Value &flag = a.isBool() ? a : b;
    const Json::Value &number = a.isBool() ? b : a;
    return number.isInt() && number.asInt() == (flag.asBool() ? 1 : 0);
}

// Kinds are tried in a fixed order: bool, string, int32, uint32, wider integers, double, string list.
bool attributeFromJson(const Json::Value &value, TavixAttribute &out)
{
    QString text;
    switch (value.type()) {
    case Json::booleanValue:
        out.kind = TavixAttribute::BoolKind;
        out.value = value.asBool();
        return true;
    case Json::stringValue:
        tavixJsonToString(value, text);
        out.kind = TavixAttribute::StringKind;
        out.value = text;
        return true;
    case Json::intValue:
    case Json::uintValue:
        if (value.isInt()) {
            out.kind = TavixAttribute::Int32Kind;
            out.value = qint64(value.asInt());
        } else if (value.isUInt()) {
            out.kind = TavixAttribute::UInt32Kind;
            out.value = quint64(value.asUInt());
        } else if (value.isInt64()) {
            // Kept as an integer: a double would lose digits above 2^53.
            out.kind = TavixAttribute::Int64Kind;
            out.value = qint64(value.asInt64());
        } else {
            out.kind = TavixAttribute::UInt64Kind;
            out.value = quint64(value.asUInt64());
        }
        return true;
    case Json::realValue:
        out.kind = TavixAttribute::DoubleKind;
        out.value = value.asDouble();
        return true;
    case Json::arrayValue: {
        const Json::Value *first = tavixJsonAt(value, 0);
        if (!first || !first->isString())
            return false;
        QStringList list;
        for (Json::ArrayIndex i = 0; i < value.size(); ++i) {
            const Json::Value &item = value[i];
            if (item.isString()) {
                tavixJsonToString(item, text);
                list.append(text);
            } else if (item.isNull() || item.isBool() || item.isNumeric()) {
                list.append(QString::fromStdString(item.asString()));   // safe for scalars
            }
            // Nested arrays and objects have no text form; they are dropped.
        }
        out.kind = TavixAttribute::StringListKind;
        out.value = list;
        return true;
    }
    default:
        return false;
    }
}

// An attribute read as a switch: booleans, and numbers as the 0 or 1 control nodes write.
bool attributeFlag(const TavixAttribute &attr, bool fallback)
{
    switch (attr.kind) {
    case TavixAttribute::BoolKind:
        return attr.value.toBool();
    case TavixAttribute::StringKind:
    case TavixAttribute::StringListKind:
        return fallback;
    default:
        return attr.value.toDouble() != 0.0;
    }
}

} // namespace

// Watches every control's focus changes for its Impl. A separate object, so that Impls keep their own
// eventFilter() overrides without having to call this one; one for all controls, so that building a
// control does not build a watcher too. Focus changes are rare: the Impl is looked up when one comes.
class TavixFocusWatch : public QObject
{
public:
    static QObject *instance()
    {
        // Never deleted: controls may outlive any owner it could be given. Widgets live in one thread.
        static TavixFocusWatch *const watch = new TavixFocusWatch;
        return watch;
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type == QEvent::FocusIn || type == QEvent::FocusOut) && watched->isWidgetType()) {
            TavixQWidgetBaseImpl *impl = TavixQWidgetBaseImpl::fromWidget(static_cast<QWidget *>(watched));
            if (impl && impl->widget == watched)
                impl->noteFocusChange(type == QEvent::FocusIn, static_cast<QFocusEvent *>(event)->reason());
        }
        return false;
    }
};

TavixQWidgetBaseImpl::TavixQWidgetBaseImpl(QWidget *widget, const QString &typeName)
    : QObject(nullptr)
    , typeName(typeName)
    , themeName(typeName)
    , widget(widget)
{
    if (widget) {
        widget->setProperty(kImplProperty, QVariant::fromValue(static_cast<void *>(this)));
        // A child of this object: deleted with it, and Qt skips a filter that is gone.
        widget->installEventFilter(TavixFocusWatch::instance());
    }
}

TavixQWidgetBaseImpl::~TavixQWidgetBaseImpl()
{
    // Nothing may reach this object through the property once it is gone.
    if (widget && fromWidget(widget) == this)
        widget->setProperty(kImplProperty, QVariant());
}

TavixQWidgetBaseImpl *TavixQWidgetBaseImpl::fromWidget(const QWidget *widget)
{
    if (!widget)
        return nullptr;
    const QVariant value = widget->property(kImplProperty);
    if (value.userType() != QMetaType::VoidStar)
        return nullptr;
    return static_cast<TavixQWidgetBaseImpl *>(value.value<void *>());
}

void TavixQWidgetBaseImpl::paintEvent(QPaintEvent *)
{
    if (!widget)
        return;
    if (!widget->isEnabled())
        state = Disable;
    else if (state == Disable)
        state = Normal;
    QPainter painter(widget);
    // The control's alpha applies to everything its paint() draws.
    if (auto *control = dynamic_cast<ITavixQWidgetBase *>(widget)) {
        const int opacity = control->getOpacity();
        if (opacity < 255)
            painter.setOpacity(qBound(0, opacity, 255) / 255.0);
    }
    paint(&painter, QRect(0, 0, widget->width(), widget->height()));
    drawFocusFrame(&painter, focusFrameRect());
}

void TavixQWidgetBaseImpl::noteFocusChange(bool in, Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        keyboardFocus = in;
        break;
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason:
        // Focus leaves for a popup or another window and comes back the way it came.
        break;
    default:
        keyboardFocus = false;   // a click, or focus set by code
        break;
    }
    // An item view paints on its viewport, which the view's own focus handling does not repaint whole.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
        area->viewport()->update();
}

bool TavixQWidgetBaseImpl::hasKeyboardFocus() const
{
    return keyboardFocus && widget && widget->hasFocus();
}

bool TavixQWidgetBaseImpl::getFocusFrame() const
{
    if (!hasAttribute(kFocusFrameAttribute))
        return true;
    return attributeFlag(getAttribute(kFocusFrameAttribute), true);
}

void TavixQWidgetBaseImpl::setFocusFrame(bool on)
{
    const auto own = attributes.find(kFocusFrameAttribute);
    const bool was = getFocusFrame();
    if (own != attributes.end())
        attributes.erase(own);
    if (getFocusFrame() != on) {
        TavixAttribute flag;
        flag.kind = TavixAttribute::Int32Kind;   // control nodes write booleans as 0 or 1
        flag.value = qint64(on ? 1 : 0);
        attributes[kFocusFrameAttribute] = flag;
    }
    if (widget && was != on)
        widget->update();
}

void TavixQWidgetBaseImpl::drawFocusFrame(QPainter *painter, const QRect &rect) const
{
    if (!painter || rect.isEmpty() || !hasKeyboardFocus() || !getFocusFrame())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(widget);
    option.rect = rect;
    // The control has decided that focus came from the keyboard; styles that wait for the window's
    // keyboard flag would otherwise skip the frame.
    option.state |= QStyle::State_KeyboardFocusChange | QStyle::State_HasFocus;
    option.backgroundColor = widget->palette().color(widget->backgroundRole());
    painter->save();
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, painter, widget);
    painter->restore();
}

void TavixQWidgetBaseImpl::paintFocusFrame(QWidget *surface) const
{
    if (!surface || !hasKeyboardFocus() || !getFocusFrame())
        return;
    QPainter painter(surface);
    drawFocusFrame(&painter, surface == widget ? focusFrameRect() : surface->rect());
}

QRect TavixQWidgetBaseImpl::focusFrameRect() const
{
    return widget ? widget->rect() : QRect();
}

bool TavixQWidgetBaseImpl::isEnterKey(const QKeyEvent *event)
{
    if (!event || event->isAutoRepeat())
        return false;
    const Qt::KeyboardModifiers others = event->modifiers() & ~Qt::KeypadModifier;
    return others == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

void TavixQWidgetBaseImpl::paint(QPainter *, const QRect &)
{
}

bool TavixQWidgetBaseImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!node || !*node)
        return false;
    Json::Value &current = **node;

    if (!read) {
        if (!current.isObject() && !current.isNull())
            return false;
        if (!attributes.empty()) {
            Json::Value &attr = tavixAttrObject(current);
            for (const auto &entry : attributes)
                attr[entry.first] = attributeToJson(entry.second);
        }
        if (!themeName.isEmpty())
            current["theme"] = tavixJsonString(themeName);
        if (tavixIsSerializeChild() && widget) {
            Json::Value children(Json::arrayValue);
            for (QObject *child : widget->children()) {
                ITavixQWidgetBase *control = dynamic_cast<ITavixQWidgetBase *>(child);
                if (!control)
                    continue;
                Json::Value childNode(Json::objectValue);
                control->serializeJsonValue(&childNode, false);
                children.append(childNode);
            }
            if (!children.empty())
                current["child"] = children;
        }
        return true;
    }

    if (!current.isObject())
        return false;
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    // A theme entry supplies looks only: its attributes stay in the entry, its name is not taken.
    if (manager->isLoadFromThemeRes())
        return true;
    if (const Json::Value *attr = tavixAttrNode(current)) {
        // Walked in place, in the order jsoncpp lists the names: no copied name list, no second search
        // per name, and a name holding a NUL byte keeps its whole length.
        for (auto it = attr->begin(), end = attr->end(); it != end; ++it) {
            const char *nameEnd = nullptr;
            const char *name = it.memberName(&nameEnd);
            TavixAttribute parsed;
            if (name && attributeFromJson(*it, parsed))
                attributes[std::string(name, size_t(nameEnd - name))] = parsed;
        }
    }
    std::string theme;
    if (tavixReadStdString(current, "theme", theme)) {
        // Kept, so that theme changes and saves use the page's name; applied before the caller reads
        // the node's own keys, so that they stand over what the entry supplies.
        themeName = QString::fromUtf8(theme.data(), int(qMin<size_t>(theme.size(), INT_MAX)));
        if (const Json::Value *entry = themeEntry())
            applyThemeEntry(*entry);
    }
    return true;
}

void TavixQWidgetBaseImpl::notifyChangeLanguage()
{
}

void TavixQWidgetBaseImpl::createComplete()
{
}

void TavixQWidgetBaseImpl::mousePressEvent(QMouseEvent *)
{
    state = Pressed;
    if (widget)
        widget->update();
}

void TavixQWidgetBaseImpl::mouseReleaseEvent(QMouseEvent *)
{
    state = hover ? Hot : Normal;
    if (widget)
        widget->update();
}

void TavixQWidgetBaseImpl::enterEvent(QEvent *)
{
    hover = true;
    state = Hot;
    if (widget)
        widget->update();
}

void TavixQWidgetBaseImpl::leaveEvent(QEvent *)
{
    hover = false;
    state = (!widget || widget->isEnabled()) ? Normal : Disable;
    if (widget)
        widget->update();
}

void TavixQWidgetBaseImpl::mouseMoveEvent(QMouseEvent *)
{
}

void TavixQWidgetBaseImpl::mouseDoubleClickEvent(QMouseEvent *)
{
}

const Json::Value *TavixQWidgetBaseImpl::themeEntry() const
{
    if (themeName.isEmpty())
        return nullptr;
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    // Designers edit the page's own values; theme entries would overwrite them.
    if (tavixIsInDesigner() || manager->isDesigner())
        return nullptr;
    return manager->getThemeJsonValue(themeName.toUtf8().constData());
}

void TavixQWidgetBaseImpl::applyTheme()
{
    if (const Json::Value *entry = widget ? themeEntry() : nullptr)
        applyThemeEntry(*entry);
}

bool TavixQWidgetBaseImpl::applyThemeEntry(const Json::Value &entry)
{
    ITavixQWidgetBase *control = dynamic_cast<ITavixQWidgetBase *>(widget);
    if (!control)
        return false;
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    // A control built while another reads its theme entry must leave the switch as it found it.
    const bool previous = manager->isLoadFromThemeRes();
    manager->setSwitchToThemeRes(true);
    // Readers take nodes as const; the pointer type only follows the call's signature.
    control->serializeJsonValue(const_cast<Json::Value *>(&entry), true);
    manager->setSwitchToThemeRes(previous);
    widget->update();
    return true;
}

void TavixQWidgetBaseImpl::setAttribute(const std::string &name, const TavixAttribute &value)
{
    attributes[name] = value;
}

bool TavixQWidgetBaseImpl::hasAttribute(const std::string &name) const
{
    TavixAttribute unused;
    return attributes.find(name) != attributes.end() || themeAttribute(name, unused);
}

TavixAttribute TavixQWidgetBaseImpl::getAttribute(const std::string &name) const
{
    const auto it = attributes.find(name);
    if (it != attributes.end())
        return it->second;
    TavixAttribute fromTheme;
    return themeAttribute(name, fromTheme) ? fromTheme : TavixAttribute();
}

const Json::Value *TavixQWidgetBaseImpl::suppliedAttribute(const std::string &name) const
{
    // A control reading its page applies the entry of its type keyword when it is built and the page's
    // entry after that: the later entry's value stands.
    const Json::Value *entries[] = {themeEntry(), nullptr};
    if (themeName != typeName && !typeName.isEmpty()) {
        TavixQResourceManager *manager = TavixQResourceManager::getInstance();
        if (!tavixIsInDesigner() && !manager->isDesigner())
            entries[1] = manager->getThemeJsonValue(typeName.toUtf8().constData());
    }
    for (const Json::Value *entry : entries) {
        const Json::Value *attr = entry ? tavixAttrNode(*entry) : nullptr;
        if (const Json::Value *value = attr ? tavixJsonMember(*attr, name.c_str()) : nullptr)
            return value;
    }
    return nullptr;
}

bool TavixQWidgetBaseImpl::themeAttribute(const std::string &name, TavixAttribute &out) const
{
    const Json::Value *value = suppliedAttribute(name);
    return value && attributeFromJson(*value, out);
}

void TavixQWidgetBaseImpl::dropThemeSupplied(Json::Value &node) const
{
    if (!node.isObject() || !tavixAttrNode(node))
        return;
    Json::Value &attr = node["attr"];
    for (const std::string &name : attr.getMemberNames()) {
        if (attributes.find(name) != attributes.end())
            continue;
        const Json::Value *supplied = suppliedAttribute(name);
        if (supplied && sameValue(*supplied, attr[name]))
            attr.removeMember(name);
    }
}

void TavixQWidgetBaseImpl::noteStyle(int slot, bool isTextStyle, const QString &name)
{
    const StyleKey key(slot, isTextStyle);
    if (TavixQResourceManager::getInstance()->isLoadFromThemeRes()) {
        themeStyleNames[key] = name;
    } else {
        ownStyleNames[key] = name;
        themeStyleNames.erase(key);
    }
}

QString TavixQWidgetBaseImpl::ownStyleName(int slot, bool isTextStyle, const QString &current) const
{
    const StyleKey key(slot, isTextStyle);
    const auto theme = themeStyleNames.find(key);
    if (theme == themeStyleNames.end() || theme->second != current)
        return current;
    const auto own = ownStyleNames.find(key);
    return own != ownStyleNames.end() ? own->second : QString();
}

} // namespace TavixQtLib
