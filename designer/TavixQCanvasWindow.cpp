#include "designer/TavixQCanvasWindow.h"

#include "core/ITavixQWidgetBase.h"
#include "core/TavixJson.h"

#include <QVariant>

#include <json/value.h>

#include <climits>
#include <string>

namespace TavixQtLib {

namespace {

constexpr int kIndent = 3;

bool isScalar(const Json::Value &value)
{
    return !value.isObject() && !value.isArray();
}

// Styled text like the JSON library's own writer, except that an object's "type" comes first, so that a
// page node reads as what it creates.
void writeStyled(const Json::Value &value, int depth, std::string &out)
{
    const std::string inner(size_t(depth + 1) * kIndent, ' ');
    const std::string outer(size_t(depth) * kIndent, ' ');
    if (value.isObject()) {
        std::vector<std::string> keys = value.getMemberNames();
        if (keys.empty()) {
            out += "{}";
            return;
        }
        for (size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == "type" && i > 0) {
                keys.erase(keys.begin() + long(i));
                keys.insert(keys.begin(), "type");
                break;
            }
        }
        out += "{\n";
        for (size_t i = 0; i < keys.size(); ++i) {
            out += inner;
            out += tavixJsonCompact(Json::Value(keys[i]));
            out += " : ";
            writeStyled(value[keys[i]], depth + 1, out);
            out += i + 1 < keys.size() ? ",\n" : "\n";
        }
        out += outer;
        out += '}';
        return;
    }
    if (value.isArray()) {
        const Json::ArrayIndex n = value.size();
        if (n == 0) {
            out += "[]";
            return;
        }
        bool flat = true;
        for (Json::ArrayIndex i = 0; i < n && flat; ++i)
            flat = isScalar(value[i]);
        if (flat) {
            out += "[ ";
            for (Json::ArrayIndex i = 0; i < n; ++i) {
                out += tavixJsonCompact(value[i]);
                out += i + 1 < n ? ", " : " ";
            }
            out += ']';
            return;
        }
        out += "[\n";
        for (Json::ArrayIndex i = 0; i < n; ++i) {
            out += inner;
            writeStyled(value[i], depth + 1, out);
            out += i + 1 < n ? ",\n" : "\n";
        }
        out += outer;
        out += ']';
        return;
    }
    out += tavixJsonCompact(value);
}

// Shown at design time unless the "visibility" flag says otherwise; a widget without the flag (the window,
// a plain Qt widget) counts as shown.
bool shownAtDesignTime(const QWidget *widget)
{
    const QVariant flag = widget->property("visibility");
    return !flag.isValid() || flag.toBool();
}

PropertyDef intRow(const char *label, int (TavixQCanvasWindow::*get)() const,
                   void (TavixQCanvasWindow::*set)(int))
{
    PropertyDef def = tavixPropertyDef(QString::fromLatin1(label), Int);
    def.getInt = tavixBindAccessor(get);
    def.setInt = tavixBindAccessor(set);
    return def;
}

} // namespace

// The registry's row for the keyword "Window" (core/TavixControlRegistry.cpp).
QWidget *tavixCreateCanvasWindow()
{
    return TavixQCanvasWindow::createCanvas();
}

ControlInfo tavixCanvasWindowProps()
{
    return TavixQCanvasWindow::getProps();
}

TavixQCanvasWindow::TavixQCanvasWindow(QWidget *parent)
    : QWidget(parent)
{
    m_backgroundColor.border = true;   // with no border width it still draws no border
    setAttribute(Qt::WA_NoSystemBackground, true);
}

TavixQCanvasWindow::~TavixQCanvasWindow() = default;

QWidget *TavixQCanvasWindow::createCanvas()
{
    return new TavixQCanvasWindow();
}

ControlInfo TavixQCanvasWindow::getProps()
{
    ControlInfo info;
    info.typeName = "window";
    info.className = "TavixQWindow";
    info.displayName = "Window";
    info.description = "Control Window";
    info.iconName = "win";
    PropertyDef name = tavixPropertyDef(QStringLiteral("Name"), ObjectName);
    name.setString = [](QWidget *w, const QString &text) { if (w) w->setObjectName(text); };
    name.getString = [](QWidget *w) { return w ? w->objectName() : QString(); };
    info.properties.push_back(name);
    info.properties.push_back(intRow("Width", &TavixQCanvasWindow::getWidth, &TavixQCanvasWindow::setWidth));
    info.properties.push_back(intRow("Height", &TavixQCanvasWindow::getHeight, &TavixQCanvasWindow::setHeight));
    info.properties.push_back(intRow("MinWidth", &TavixQCanvasWindow::getMinWidth, &TavixQCanvasWindow::setMinWidth));
    info.properties.push_back(intRow("MinHeight", &TavixQCanvasWindow::getMinHeight, &TavixQCanvasWindow::setMinHeight));
    return info;
}

// Qt takes sizes from 0 to QWIDGETSIZE_MAX; anything else from an editor or a document is brought into it.
void TavixQCanvasWindow::setWidth(int width)
{
    setFixedWidth(qBound(0, width, QWIDGETSIZE_MAX));
}

void TavixQCanvasWindow::setHeight(int height)
{
    setFixedHeight(qBound(0, height, QWIDGETSIZE_MAX));
}

void TavixQCanvasWindow::setResizeable(bool resizeable)
{
    m_resizeable = resizeable;
    setAttribute(Qt::WA_MouseTracking, resizeable);
}

void TavixQCanvasWindow::setBackgroundImage(const QString &path, const ImageDesc &desc)
{
    m_backgroundImage = path;
    m_backgroundImageDesc = desc;
}

void TavixQCanvasWindow::setTransparent(bool on)
{
    m_transparent = on;
    if (on && !(windowFlags() & Qt::FramelessWindowHint)) {
        // Changing window flags hides a widget; the page window stays as shown or hidden as it was.
        const bool shown = isVisible();
        setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
        if (shown)
            show();
    }
    setAttribute(Qt::WA_TranslucentBackground, on);
}

void TavixQCanvasWindow::setX(int x)
{
    move(x, pos().y());
}

void TavixQCanvasWindow::setY(int y)
{
    move(pos().x(), y);
}

void TavixQCanvasWindow::hideAllWidges()
{
    for (QWidget *child : findChildren<QWidget *>())
        child->setVisible(false);
}

QWidget *TavixQCanvasWindow::HitTestWithChildren(QWidget *widget, int x, int y)
{
    if (!widget || !shownAtDesignTime(widget))
        return nullptr;
    // Hidden widgets cannot be mapped through the screen; their positions are summed up to the window.
    QPoint origin;
    const QWidget *w = widget;
    while (w && w != this) {
        origin += w->pos();
        w = w->parentWidget();
    }
    if (w != this)
        return nullptr;   // not inside this window
    // The canvas clips every widget to its parent: what sticks out (a hidden control's stale part too)
    // is not drawn there, so it is not hit there either.
    if (!QRect(origin, widget->size()).contains(x, y))
        return nullptr;
    // The canvas draws children in child order, so the later of two overlapping siblings is the one seen.
    const QObjectList &children = widget->children();
    for (int i = children.size() - 1; i >= 0; --i) {
        QObject *child = children.at(i);
        if (!child->isWidgetType())
            continue;
        // A control's own part (no design-time flag) that the control keeps hidden is not there to hit.
        if (!child->property("visibility").isValid() && static_cast<QWidget *>(child)->isHidden())
            continue;
        if (QWidget *hit = HitTestWithChildren(static_cast<QWidget *>(child), x, y))
            return hit;
    }
    return widget;
}

void TavixQCanvasWindow::toJsonString(QString &out)
{
    Json::Value root(Json::objectValue);
    root["w"] = width();
    root["h"] = height();
    // The minimums, the drag flag and the caption are always written: a value left out reads back as the
    // finished window's default, which a page of 0, false or 35 does not have.
    root["minW"] = m_minWidth;
    root["minH"] = m_minHeight;
    if (m_resizeable)
        root["resize"] = true;
    root["drag"] = m_canDrag;
    if (m_onlyDragCaption)
        root["onlyDragCaption"] = true;
    if (m_maximizeOnDoubleClick)
        root["dbmax"] = true;
    root["dbheight"] = m_captionHeight;
    if (m_transparent)
        root["trans"] = true;
    Json::Value elements(Json::arrayValue);
    for (QObject *child : children()) {
        auto *control = dynamic_cast<ITavixQWidgetBase *>(child);
        if (!control)
            continue;
        Json::Value node(Json::objectValue);
        control->serializeJsonValue(&node, false);
        elements.append(node);
    }
    if (!elements.empty())
        root["elements"] = elements;
    std::string text;
    writeStyled(root, 0, text);
    text += '\n';
    out = QString::fromStdString(text);
}

} // namespace TavixQtLib
