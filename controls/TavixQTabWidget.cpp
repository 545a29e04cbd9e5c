#include "controls/TavixQTabWidget.h"

#include "controls/TavixQTabWidgetImpl.h"
#include "core/TavixAccessible.h"
#include "resources/TavixPainting.h"

#include <QFontMetrics>
#include <QKeyEvent>

namespace TavixQtLib {

TavixQTabWidget::TavixQTabWidget(QWidget *parent)
    : QWidget(parent)
{
    m_impl = new TavixQTabWidgetImpl(this);
    setAttribute(Qt::WA_MouseTracking, true);
    setFocusPolicy(Qt::TabFocus);   // as Qt's tab bar: reached by Tab, a click selects without focusing
    m_impl->applyTheme();
}

TavixQTabWidget::~TavixQTabWidget()
{
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQTabWidget, "qttab")

ControlInfo TavixQTabWidget::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQTabWidget", "TabWidget", "Control TabWidget", "tab");

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(Normal, QStringLiteral("Normal"));
    background.addOption(Disable, QStringLiteral("Disable"));
    background.setFillStyle = tavixBindAccessor(
        static_cast<void (TavixQTabWidget::*)(CtrlState, const FillStyle &)>(&TavixQTabWidget::setBackground));
    background.getFillStyle = tavixBindAccessor(&TavixQTabWidget::getBackground);
    info.properties.push_back(background);

    PropertyDef itemBackground = tavixPropertyDef(QStringLiteral("ItemBg"), FillStyleRef);
    tavixAddStateOptions(itemBackground);
    itemBackground.setFillStyle = tavixBindAccessor(&TavixQTabWidget::setItemBackground);
    itemBackground.getFillStyle = tavixBindAccessor(&TavixQTabWidget::getItemBackground);
    info.properties.push_back(itemBackground);

    PropertyDef textStyle = tavixPropertyDef(QStringLiteral("TextStyle"), TextStyleRef);
    tavixAddStateOptions(textStyle);
    textStyle.setTextStyle = tavixBindAccessor(&TavixQTabWidget::setItemTextStyle);
    textStyle.getTextStyle = tavixBindAccessor(&TavixQTabWidget::getItemTextStyle);
    info.properties.push_back(textStyle);

    const auto addBool = [&info](const char *label, void (TavixQTabWidget::*set)(bool),
                                 bool (TavixQTabWidget::*get)() const) {
        PropertyDef def = tavixPropertyDef(QString::fromLatin1(label), Bool);
        def.setBool = tavixBindAccessor(set);
        def.getBool = tavixBindAccessor(get);
        info.properties.push_back(def);
    };
    const auto addInt = [&info](const char *label, void (TavixQTabWidget::*set)(int),
                                int (TavixQTabWidget::*get)() const) {
        PropertyDef def = tavixPropertyDef(QString::fromLatin1(label), Int);
        def.setInt = tavixBindAccessor(set);
        def.getInt = tavixBindAccessor(get);
        info.properties.push_back(def);
    };
    addBool("IsHorizontal", &TavixQTabWidget::setIsHor, &TavixQTabWidget::getIsHor);
    addInt("ItemSize", &TavixQTabWidget::setItemSize, &TavixQTabWidget::getItemSize);
    addInt("ItemSpace", &TavixQTabWidget::setItemSpace, &TavixQTabWidget::getItemSpace);
    addBool("ShowText", &TavixQTabWidget::setShowText, &TavixQTabWidget::getShowText);
    addBool("ShowIcon", &TavixQTabWidget::setShowIcon, &TavixQTabWidget::getShowIcon);
    return info;
}

// Changes to the tabs and the cell layout repaint: the bar must not show stale cells until an
// unrelated repaint.
void TavixQTabWidget::addTab(const QString &text, const QString &iconPath, const QString &selectedIconPath)
{
    m_impl->items.append({iconPath, selectedIconPath.isEmpty() ? iconPath : selectedIconPath, text, QVariant()});
    update();
    updateGeometry();
}

void TavixQTabWidget::removeTab(int index)
{
    if (index < 0 || index >= m_impl->items.size())
        return;
    m_impl->items.removeAt(index);
    update();
    updateGeometry();
}

void TavixQTabWidget::removeAllTab()
{
    m_impl->items.clear();
    update();
    updateGeometry();
}

void TavixQTabWidget::clear()
{
    removeAllTab();
}

int TavixQTabWidget::getTabCount() const
{
    return m_impl->items.size();
}

QString TavixQTabWidget::getTabText(int index) const
{
    return index >= 0 && index < m_impl->items.size() ? m_impl->items.at(index).text : QString();
}

// Its cells end to end along the bar; across it, room for the widest caption (vertical) or one line
// of the caption style (horizontal).
QSize TavixQTabWidget::sizeHint() const
{
    const int count = m_impl->items.size();
    const qint64 length = qBound(0, m_impl->itemSize, QWIDGETSIZE_MAX);
    const qint64 along = count > 0 ? count * length + qint64(count - 1) * m_impl->itemSpace : length;
    const int extent = int(qBound(qint64(0), along, qint64(QWIDGETSIZE_MAX)));
    const QFontMetrics metrics(tavixTextStyleFont(m_impl->itemTextStyles[tavixStateIndex(Normal)]));
    if (getIsHor())
        return QSize(extent, qMax(24, metrics.height() + 12));
    int widest = 0;
    for (const TavixTabItem &item : m_impl->items)
        widest = qMax(widest, metrics.horizontalAdvance(item.text));
    return QSize(qMax(24, widest + 16), extent);
}

bool TavixQTabWidget::setTabText(int index, const QString &text)
{
    if (index < 0 || index >= m_impl->items.size())
        return false;
    if (m_impl->items.at(index).text != text) {
        m_impl->items[index].text = text;
        update();
        updateGeometry();
    }
    return true;
}

QVariant TavixQTabWidget::getItemData(int index) const
{
    return index >= 0 && index < m_impl->items.size() ? m_impl->items.at(index).data : QVariant();
}

bool TavixQTabWidget::setItemData(int index, const QVariant &data)
{
    if (index < 0 || index >= m_impl->items.size())
        return false;
    m_impl->items[index].data = data;
    return true;
}

// A negative index is rejected like one past the end: it would select no cell at all.
void TavixQTabWidget::setSelectedIndex(int index)
{
    if (index < 0 || index >= m_impl->items.size() || index == m_impl->selectedIndex)
        return;
    m_impl->selectedIndex = index;
    update();
    tavixNotifyAccessibleSelection(this, index);
    emit currentChanged(index);
}

int TavixQTabWidget::getSelectedIndex() const
{
    return m_impl->selectedIndex;
}

void TavixQTabWidget::setIsHor(bool horizontal)
{
    m_impl->vertical = horizontal ? 0 : 1;
    update();
    updateGeometry();
}

bool TavixQTabWidget::getIsHor() const
{
    return m_impl->vertical == 0;
}

void TavixQTabWidget::setItemSize(int size)
{
    m_impl->itemSize = size;
    update();
    updateGeometry();
}

int TavixQTabWidget::getItemSize() const
{
    return m_impl->itemSize;
}

void TavixQTabWidget::setItemSpace(int space)
{
    m_impl->itemSpace = space;
    update();
    updateGeometry();
}

int TavixQTabWidget::getItemSpace() const
{
    return m_impl->itemSpace;
}

void TavixQTabWidget::setShowText(bool show)
{
    m_impl->showText = show;
    update();
}

bool TavixQTabWidget::getShowText() const
{
    return m_impl->showText;
}

void TavixQTabWidget::setShowIcon(bool show)
{
    m_impl->showIcon = show;
    update();
}

bool TavixQTabWidget::getShowIcon() const
{
    return m_impl->showIcon;
}

void TavixQTabWidget::setBackground(CtrlState, const FillStyle &style)
{
    setBackground(style);
}

void TavixQTabWidget::setBackground(const FillStyle &style)
{
    m_impl->background = style;
    update();
}

const FillStyle &TavixQTabWidget::getBackground(CtrlState) const
{
    return m_impl->background;
}

void TavixQTabWidget::setItemBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->itemBackgrounds, state, style);
    update();
}

const FillStyle &TavixQTabWidget::getItemBackground(CtrlState state) const
{
    return m_impl->itemBackgrounds[tavixStateIndex(state)];
}

void TavixQTabWidget::setItemTextStyle(CtrlState state, const TextStyleDesc &style)
{
    tavixSetPerState(m_impl->itemTextStyles, state, style);
    update();
    updateGeometry();
}

const TextStyleDesc &TavixQTabWidget::getItemTextStyle(CtrlState state) const
{
    return m_impl->itemTextStyles[tavixStateIndex(state)];
}

void TavixQTabWidget::initDemoData()
{
    for (const char *text : {"item1", "item2", "item3"})
        addTab(QString::fromLatin1(text));
}

void TavixQTabWidget::keyPressEvent(QKeyEvent *event)
{
    const int target = m_impl ? m_impl->keyTarget(event->key()) : -1;
    if (target < 0) {
        QWidget::keyPressEvent(event);   // ignored: Tab and the rest go on to the parent
        return;
    }
    event->accept();
    setSelectedIndex(target);   // emits last; a slot may delete the bar
}

TAVIX_DEFINE_FORWARDED_EVENTS(TavixQTabWidget, QWidget)

} // namespace TavixQtLib
