#include "controls/views/TavixViewScrollBars.h"

#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollBarImpl.h"
#include "core/TavixJson.h"

#include <json/value.h>

#include <QAbstractScrollArea>

#include <cstring>

namespace TavixQtLib {

namespace {

bool isScrollBarNode(const Json::Value &child)
{
    std::string type;
    return tavixReadStdString(child, "type", type) && (type == "qtscrollbar" || type == "scrollbar");
}

bool barCarriesLook(const TavixQScrollBar *bar, const Json::Value &written)
{
    return tavixJsonHas(written, "style") || !bar->getScrollbarBtnIcon(true).isEmpty()
        || !bar->getScrollbarBtnIcon(false).isEmpty() || !bar->getScrollbarThumbIcon().isEmpty();
}

} // namespace

void TavixViewScrollBars::install(QAbstractScrollArea *view)
{
    m_hBar = new TavixQScrollBar(Qt::Horizontal, view);
    m_vBar = new TavixQScrollBar(Qt::Vertical, view);
    view->setHorizontalScrollBar(m_hBar);
    view->setVerticalScrollBar(m_vBar);
}

void TavixViewScrollBars::styleBackground(TavixQScrollBar *b, const FillStyle &style)
{
    if (b)
        b->setScrollbarBackground(Normal, style);
}

void TavixViewScrollBars::styleButtonIcon(TavixQScrollBar *b, bool up, const QString &path)
{
    if (b)
        b->setScrollbarBtnIcon(up, path);
}

void TavixViewScrollBars::styleButtonIconStyle(TavixQScrollBar *b, bool up, const IconStyleDesc &style)
{
    if (b)
        b->setScrollbarIconStyle(up, style);
}

void TavixViewScrollBars::styleButton(TavixQScrollBar *b, bool up, CtrlState state, const FillStyle &style)
{
    if (!b)
        return;
    if (up)
        b->setScrollbarUpButton(state, style);
    else
        b->setScrollbarDownButton(state, style);
}

void TavixViewScrollBars::styleThumbIcon(TavixQScrollBar *b, const QString &icon)
{
    if (b)
        b->setScrollbarThumbIcon(icon);
}

void TavixViewScrollBars::styleThumb(TavixQScrollBar *b, CtrlState state, const FillStyle &style)
{
    if (b)
        b->setScrollbarThumb(state, style);
}

QString TavixViewScrollBars::sizeSheet(int size)
{
    return QStringLiteral(
        "QScrollBar::vertical{ width:%1; } QScrollBar::horizontal{ height:%2; } "
        "QScrollBar::add-line:vertical{ width:%3px;width:%3px; subcontrol-origin: margin;} "
        "QScrollBar::sub-line:vertical{ width:%3px;width:%3px;subcontrol-origin: margin; }")
        .arg(size).arg(size).arg(size);
}

QString TavixViewScrollBars::buttonSizeSheet(bool hor, int size)
{
    if (hor) {
        return QStringLiteral("QScrollBar::add-line{ width:%1px;width:%1px; }"
                              "QScrollBar::sub-line{ width:%1px;width:%1px; }").arg(size);
    }
    return QStringLiteral("QScrollBar::add-line:vertical{ height:%1px;width:%1px; }"
                          "QScrollBar::sub-line:vertical{ height:%1px;width:%1px; }").arg(size);
}

void TavixViewScrollBars::setBackgroundStyle(bool hor, const FillStyle &style)
{
    styleBackground(bar(hor), style);
}

void TavixViewScrollBars::setButtonIcon(bool hor, bool up, const QString &path)
{
    styleButtonIcon(bar(hor), up, path);
}

void TavixViewScrollBars::setButtonIconStyle(bool hor, bool up, const IconStyleDesc &style)
{
    styleButtonIconStyle(bar(hor), up, style);
}

void TavixViewScrollBars::setButtonStyle(bool hor, bool up, CtrlState state, const FillStyle &style)
{
    styleButton(bar(hor), up, state, style);
}

void TavixViewScrollBars::setThumb(bool hor, const QString &icon)
{
    styleThumbIcon(bar(hor), icon);
}

void TavixViewScrollBars::setThumbStyle(bool hor, CtrlState state, const FillStyle &style)
{
    styleThumb(bar(hor), state, style);
}

void TavixViewScrollBars::setSize(int size)
{
    const QString sheet = sizeSheet(size);
    for (TavixQScrollBar *b : {m_hBar.data(), m_vBar.data()}) {
        if (b)
            b->setStyleSheet(sheet);
    }
}

void TavixViewScrollBars::setButtonSize(bool hor, int size)
{
    if (TavixQScrollBar *b = bar(hor))
        b->setStyleSheet(buttonSizeSheet(hor, size));
}

void TavixViewScrollBars::readChildNodes(const Json::Value &node) const
{
    const Json::Value *children = tavixJsonMember(node, "child");
    if (!children || !children->isArray())
        return;
    for (Json::ArrayIndex i = 0; i < children->size(); ++i) {
        const Json::Value &child = (*children)[i];
        if (!isScrollBarNode(child))
            continue;
        bool hor = false;
        if (const Json::Value *attr = tavixJsonMember(child, "attr"))
            tavixReadBool(*attr, "hor", hor);
        TavixQScrollBar *b = bar(hor);
        if (!b || !b->getImpl())
            continue;
        // Only the bar's own keys: the common ones would rename, move or show the owned bar.
        Json::Value copy = child;
        Json::Value *target = &copy;
        b->getImpl()->serializeJsonValue(&target, true);
    }
}

void TavixViewScrollBars::writeChildNodes(Json::Value &node) const
{
    if (!node.isObject())
        return;
    for (TavixQScrollBar *b : {m_hBar.data(), m_vBar.data()}) {
        if (!b || !b->getImpl())
            continue;
        Json::Value written(Json::objectValue);
        Json::Value *target = &written;
        b->getImpl()->serializeJsonValue(&target, false);
        if (!barCarriesLook(b, written))
            continue;
        Json::Value entry(Json::objectValue);
        entry["type"] = "qtscrollbar";
        for (const std::string &key : written.getMemberNames()) {
            const Json::Value &value = written[key];
            if (!(value.isObject() && value.empty()))   // the bar leaves an empty "attr" when it has none
                entry[key] = value;
        }
        if (!node.isMember("child") || !node["child"].isArray())
            node["child"] = Json::Value(Json::arrayValue);
        node["child"].append(entry);
    }
}

void TavixViewScrollBars::removeLoaderBars(QAbstractScrollArea *view) const
{
    const auto strays = view->findChildren<TavixQScrollBar *>(QString(), Qt::FindDirectChildrenOnly);
    for (TavixQScrollBar *stray : strays) {
        if (stray != m_hBar && stray != m_vBar)
            delete stray;
    }
}

} // namespace TavixQtLib
