#include "controls/ribbon/TavixQRibbonGroup.h"

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQSwitch.h"
#include "controls/ribbon/RibbonSeparator.h"
#include "controls/ribbon/TavixQRibbonArea.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonPage.h"
#include "controls/ribbon/TavixQRibbonPanel.h"
#include "controls/ribbon/TavixQRibbonPushButton.h"
#include "controls/ribbon/TavixRibbonLayout.h"
#include "core/TavixAccessible.h"
#include "core/TavixTypes.h"

#include <QChildEvent>
#include <QResizeEvent>

namespace TavixQtLib {

namespace {

constexpr int kMinGroupWidth = 90;
constexpr int kDefaultHeight = 92;
constexpr int kItemTop = 6;
constexpr int kGroupItemGap = 6;
constexpr int kMinRowHeight = 24;
constexpr int kGroupMinItemHeight = 16;
constexpr int kGroupTitleBand = 20;   // the title's strip along the bottom

TavixQRibbonBar *barOf(const TavixQRibbonGroup *group)
{
    const TavixQRibbonPage *page = group->page();
    const TavixQRibbonArea *area = page ? page->area() : nullptr;
    return area ? area->bar() : nullptr;
}

} // namespace

TavixQRibbonGroup::TavixQRibbonGroup(const QString &text, QWidget *parent)
    : QFrame(parent)
    , m_text(text)
{
    setMouseTracking(true);
}

TavixQRibbonPage *TavixQRibbonGroup::page() const
{
    return qobject_cast<TavixQRibbonPage *>(parentWidget());
}

template <class T>
T *TavixQRibbonGroup::append(T *item)
{
    m_items.append(item);
    item->show();
    updateGeometry();
    // While the bar builds a configuration it styles and places everything once at the end.
    if (tavixRibbonIsBuilding(this))
        return item;
    if (TavixQRibbonBar *bar = barOf(this))
        bar->applyItemStyle(item);
    // The group's width follows its items: the whole page moves.
    if (TavixQRibbonPage *p = page())
        p->updateLayout();
    else
        updateLayout(rowCount(), qMax(0, height() - kGroupTitleBand));
    return item;
}

TavixQPushButton *TavixQRibbonGroup::addButton(const QString &text, int style)
{
    auto *button = new TavixQRibbonPushButton(this, style);
    button->setText(text);
    return append(button);
}

TavixQCheckBox *TavixQRibbonGroup::addCheckBox(const QString &text)
{
    auto *box = new TavixQCheckBox(this);
    box->setText(text);
    return append(box);
}

TavixQRadioButton *TavixQRibbonGroup::addRadioButton(const QString &text)
{
    auto *radio = new TavixQRadioButton(this);
    radio->setText(text);
    return append(radio);
}

TavixQLabel *TavixQRibbonGroup::addLabel(const QString &text)
{
    auto *label = new TavixQLabel(this);
    label->setText(text);
    return append(label);
}

TavixQLineEdit *TavixQRibbonGroup::addLineEdit(const QString &text)
{
    auto *edit = new TavixQLineEdit(this);
    edit->setText(text);
    return append(edit);
}

TavixQComboBox *TavixQRibbonGroup::addComboBox(const QStringList &items)
{
    auto *combo = new TavixQComboBox(this);
    combo->addItems(items);
    return append(combo);
}

TavixQSpinBox *TavixQRibbonGroup::addSpinBox(int value, int min, int max)
{
    auto *box = new TavixQSpinBox(this);
    box->setRange(min, max);
    box->setValue(value);
    return append(box);
}

TavixQProgressBar *TavixQRibbonGroup::addProgressBar(int value, int min, int max)
{
    auto *bar = new TavixQProgressBar(this);
    bar->setRange(min, max);
    // Qt ignores a value outside the range and leaves the bar reset, showing nothing; a spin box clamps.
    bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
    return append(bar);
}

TavixQSwitch *TavixQRibbonGroup::addSwitch(bool on)
{
    auto *toggle = new TavixQSwitch(this);
    toggle->setSwitchToLeft(!on);
    return append(toggle);
}

void TavixQRibbonGroup::addSeparator()
{
    append(new RibbonSeparator(this));
}

TavixQRibbonPanel *TavixQRibbonGroup::addPanel(int)
{
    auto *panel = new TavixQRibbonPanel(this);
    m_panels.append(panel);
    return append(panel);
}

TavixQRibbonPanel *TavixQRibbonGroup::addVerticalPanel(int)
{
    auto *panel = new TavixQRibbonPanel(this, true);
    m_panels.append(panel);
    return append(panel);
}

void TavixQRibbonGroup::setGroupText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
    tavixNotifyAccessibleName(this);
}

int TavixQRibbonGroup::rowCount() const
{
    const TavixQRibbonBar *bar = barOf(this);
    return bar ? bar->getGroupRowCount() : 3;
}

void TavixQRibbonGroup::updateLayout(int rows, int height)
{
    rows = qMax(rows, 1);
    const int area = height - 2 * kItemTop;
    const int rowHeight = qMax(area / rows, kMinRowHeight);
    long long x = kItemTop;
    QList<QWidget *> column;
    int columnWidth = 0;
    const auto flush = [&]() {
        for (int j = 0; j < column.size(); ++j) {
            const int h = qMin(qMax(tavixRibbonItemSize(column.at(j)).height(), kGroupMinItemHeight), rowHeight);
            const long long y = kItemTop + (long long)(j) * rowHeight + qMax((rowHeight - h) / 2, 0);
            column.at(j)->setGeometry(tavixClampCoord(x), tavixClampCoord(y), columnWidth, h);
        }
        x += columnWidth + kGroupItemGap;
        column.clear();
        columnWidth = 0;
    };
    for (QWidget *item : m_items) {
        if (tavixRibbonIsSmallItem(item)) {
            column.append(item);
            columnWidth = qMax(columnWidth, tavixRibbonItemSize(item).width());
            if (column.size() >= rows)
                flush();
            continue;
        }
        if (!column.isEmpty())
            flush();
        const int w = tavixRibbonItemSize(item).width();
        item->setGeometry(tavixClampCoord(x), kItemTop, w, qMax(area, 0));
        x += w + kGroupItemGap;
    }
    if (!column.isEmpty())
        flush();
}

// Counts the columns updateLayout makes, wrapping runs of small items at the row count: a hint that
// ignored the wrap would leave the last columns outside the group.
QSize TavixQRibbonGroup::sizeHint() const
{
    const int rows = qMax(rowCount(), 1);
    long long w = 2 * kItemTop;
    int columnWidth = 0;
    int inColumn = 0;
    for (const QWidget *item : m_items) {
        const QSize size = tavixRibbonItemSize(item);
        if (tavixRibbonIsSmallItem(item)) {
            columnWidth = qMax(columnWidth, size.width());
            if (++inColumn >= rows) {
                w += columnWidth + kGroupItemGap;
                columnWidth = 0;
                inColumn = 0;
            }
            continue;
        }
        if (inColumn > 0)
            w += columnWidth + kGroupItemGap;
        columnWidth = 0;
        inColumn = 0;
        w += size.width() + kGroupItemGap;
    }
    if (inColumn > 0)
        w += kGroupItemGap + columnWidth;
    const int h = parentWidget() ? parentWidget()->height() : kDefaultHeight;
    return QSize(tavixClampCoord(qMax<long long>(w, kMinGroupWidth)), h);
}

void TavixQRibbonGroup::childEvent(QChildEvent *event)
{
    QFrame::childEvent(event);
    if (!event->removed())
        return;
    const QObject *child = event->child();
    for (int i = 0; i < m_items.size(); ++i) {
        if (static_cast<QObject *>(m_items.at(i)) == child) {
            m_items.removeAt(i);
            break;
        }
    }
    for (int i = 0; i < m_panels.size(); ++i) {
        if (static_cast<QObject *>(m_panels.at(i)) == child) {
            m_panels.removeAt(i);
            break;
        }
    }
}

void TavixQRibbonGroup::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    updateLayout(rowCount(), qMax(0, height() - kGroupTitleBand));
}

void TavixQRibbonGroup::paintEvent(QPaintEvent *event)
{
    if (TavixQRibbonBar *bar = barOf(this))
        bar->paintGroup(this);
    else
        QFrame::paintEvent(event);
}

} // namespace TavixQtLib
