#include "PageOutline.h"

#include "core/ControlInfo.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"

#include <QHeaderView>
#include <QPointer>

using namespace TavixQtLib;

namespace TavixDesigner {

namespace {

constexpr int kWidgetRole = Qt::UserRole;

QWidget *widgetOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, kWidgetRole).value<QPointer<QWidget>>().data() : nullptr;
}

} // namespace

PageOutline::PageOutline(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    header()->hide();
    setIndentation(14);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (m_settingCurrent)
            return;
        if (QWidget *widget = widgetOf(item))
            emit controlChosen(widget);   // last: a slot may rebuild the outline
    });
    // A click on the current row chooses it again: the canvas may have let go of it meanwhile.
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        if (QWidget *widget = widgetOf(item))
            emit controlChosen(widget);
    });
}

void PageOutline::showPage(QWidget *page)
{
    const QPointer<QWidget> current = widgetOf(currentItem());
    m_settingCurrent = true;
    clear();
    if (page)
        addChildren(page, invisibleRootItem());
    expandAll();
    m_settingCurrent = false;
    showSelected(current);
}

void PageOutline::showSelected(QWidget *widget)
{
    m_settingCurrent = true;
    setCurrentItem(itemFor(widget));
    m_settingCurrent = false;
}

QTreeWidgetItem *PageOutline::itemFor(const QWidget *widget) const
{
    if (!widget)
        return nullptr;
    for (QTreeWidgetItemIterator it(const_cast<PageOutline *>(this)); *it; ++it) {
        if (widgetOf(*it) == widget)
            return *it;
    }
    return nullptr;
}

// Page controls carry a design-time "visibility" flag; the parts a control makes for itself (a view's
// scroll bars, an editor inside a spin box) do not, and belong to their control's row.
void PageOutline::addChildren(QWidget *parent, QTreeWidgetItem *under)
{
    for (QObject *object : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget || !widget->property("visibility").isValid())
            continue;
        // The palette's name for the type, as the user dragged it in; the keyword when it has none.
        auto *control = dynamic_cast<ITavixQWidgetBase *>(widget);
        QString type = control ? control->getTypeName() : QString::fromLatin1(widget->metaObject()->className());
        if (const ControlInfo *info = tavixGetControlInfo(type); info && !info->displayName.empty())
            type = QString::fromStdString(info->displayName);
        const QString text = QStringLiteral("%1 (%2)").arg(widget->objectName(), type);
        auto *item = new QTreeWidgetItem(under, {text});
        item->setData(0, kWidgetRole, QVariant::fromValue(QPointer<QWidget>(widget)));
        item->setToolTip(0, text);   // the dock is narrow
        if (!widget->property("visibility").toBool()) {
            item->setForeground(0, palette().brush(QPalette::Disabled, QPalette::Text));
            item->setToolTip(0, text + QStringLiteral(": hidden, the page does not show it"));
        }
        addChildren(widget, item);
    }
}

} // namespace TavixDesigner
