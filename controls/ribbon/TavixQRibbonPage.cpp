#include "controls/ribbon/TavixQRibbonPage.h"

#include "controls/ribbon/TavixQRibbonArea.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonGroup.h"
#include "controls/ribbon/TavixRibbonLayout.h"
#include "controls/TavixQTabWidget.h"
#include "core/TavixAccessible.h"
#include "core/TavixTypes.h"

#include <QChildEvent>

namespace TavixQtLib {

namespace {

constexpr int kPadding = 4;
constexpr int kGroupGap = 6;
constexpr int kTitleBand = 20;

} // namespace

TavixQRibbonPage::TavixQRibbonPage(const QString &name, QWidget *parent)
    : QWidget(parent)
    , m_name(name)
    , m_displayName(name)
{
}

TavixQRibbonArea *TavixQRibbonPage::area() const
{
    return qobject_cast<TavixQRibbonArea *>(parentWidget());
}

TavixQRibbonGroup *TavixQRibbonPage::addGroup(const QString &text)
{
    auto *group = new TavixQRibbonGroup(text, this);
    m_groups.append(group);
    group->show();
    updateLayout();
    return group;
}

TavixQRibbonGroup *TavixQRibbonPage::getGroup(int index) const
{
    return index >= 0 && index < m_groups.size() ? m_groups.at(index) : nullptr;
}

bool TavixQRibbonPage::removeGroup(TavixQRibbonGroup *group)
{
    if (!group || !m_groups.removeOne(group))
        return false;
    delete group;
    updateLayout();
    return true;
}

void TavixQRibbonPage::clearGroups()
{
    const QList<TavixQRibbonGroup *> groups = m_groups;
    m_groups.clear();
    qDeleteAll(groups);
    updateLayout();
}

void TavixQRibbonPage::setDisplayName(const QString &text)
{
    if (text == m_displayName)
        return;
    m_displayName = text;
    // The bar's tab for this page shows the display name.
    if (const TavixQRibbonArea *a = area()) {
        if (TavixQRibbonBar *bar = a->bar())
            bar->tabBar()->setTabText(a->pages().indexOf(this), text);
    }
    tavixNotifyAccessibleName(this);   // the page's accessible name is its display name
}

void TavixQRibbonPage::updateLayout()
{
    if (tavixRibbonIsBuilding(this))
        return;
    const int groupHeight = qMax(height() - 2 * kPadding, 0);
    const TavixQRibbonArea *a = area();
    const TavixQRibbonBar *bar = a ? a->bar() : nullptr;
    const int rows = bar ? bar->getGroupRowCount() : 3;
    long long x = kPadding;
    for (TavixQRibbonGroup *group : m_groups) {
        const int w = group->sizeHint().width();
        group->setGeometry(tavixClampCoord(x), kPadding, w, groupHeight);
        group->updateLayout(rows, qMax(groupHeight - kTitleBand, 0));
        x += w + kGroupGap;
    }
}

void TavixQRibbonPage::childEvent(QChildEvent *event)
{
    QWidget::childEvent(event);
    if (!event->removed())
        return;
    for (int i = 0; i < m_groups.size(); ++i) {
        if (static_cast<QObject *>(m_groups.at(i)) == event->child()) {
            m_groups.removeAt(i);
            return;
        }
    }
}

QSize TavixQRibbonPage::sizeHint() const
{
    long long w = kPadding;
    for (const TavixQRibbonGroup *group : m_groups)
        w += group->sizeHint().width() + kGroupGap;
    w += kPadding;
    return QSize(tavixClampCoord(w), parentWidget() ? parentWidget()->height() : 92);
}

} // namespace TavixQtLib
