#include "controls/views/TavixQListView.h"

#include "controls/TavixQContainer.h"
#include "controls/views/TavixItemExtent.h"
#include "controls/views/TavixItemRowStyles.h"
#include "controls/views/TavixItemViewClicks.h"
#include "controls/views/TavixQListViewImpl.h"
#include "controls/views/TavixQListViewItemDelegate.h"

#include <QMouseEvent>
#include <QPointer>
#include <QStandardItemModel>

namespace TavixQtLib {

namespace {

constexpr int kListViewDemoRows = 20;
constexpr int kMaxSpacing = 1000;

} // namespace

TavixQListView::TavixQListView(QWidget *parent)
    : QListView(parent)
{
    m_impl = new TavixQListViewImpl(this);
    m_delegate = new TavixQListViewItemDelegate(m_impl, this);
    setItemDelegate(m_delegate);
    m_bars.install(this);
    setFrameStyle(0);
    setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    viewport()->installEventFilter(m_impl);
    viewport()->setAttribute(Qt::WA_Hover, true);
    setMouseTracking(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSpacing(1);
    viewport()->setBackgroundRole(QPalette::NoRole);
    // Rows share one size until a size callback says otherwise, so Qt never asks every row.
    setUniformItemSizes(true);
    m_impl->applyTheme();
}

TavixQListView::~TavixQListView()
{
    viewport()->removeEventFilter(m_impl);
    m_delegate->detach();
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQListView, "qtlistview")
TAVIX_DEFINE_VIEW_ROW_BACKGROUND_FORWARDS(TavixQListView)

ControlInfo TavixQListView::getProps()
{
    ControlInfo info =
        tavixControlInfo(typeName(), "TavixQListView", "ListView", "Control ListView", "templatelist");

    info.properties.push_back(tavixViewBackgroundRow<TavixQListView>());
    info.properties.push_back(tavixViewItemBackgroundRow<TavixQListView>(QStringLiteral("ItemBackground")));

    const struct
    {
        const char *label;
        void (TavixQListView::*set)(int);
        int (TavixQListView::*get)() const;
    } ints[] = {
        {"ItemHeight", &TavixQListView::setItemHeight, &TavixQListView::getItemHeight},
        {"ItemWidth", &TavixQListView::setItemWidth, &TavixQListView::getItemWidth},
        {"ItemSpace", &TavixQListView::setItemSpace, &TavixQListView::getItemSpace},
    };
    for (const auto &row : ints) {
        PropertyDef def = tavixPropertyDef(QString::fromLatin1(row.label), Int);
        def.setInt = tavixBindAccessor(row.set);
        def.getInt = tavixBindAccessor(row.get);
        info.properties.push_back(def);
    }

    PropertyDef mode = tavixPropertyDef(QStringLiteral("ItemMode"), Enumeration);
    mode.addOption(0, QStringLiteral("List"));
    mode.addOption(1, QStringLiteral("Icon"));
    mode.setInt = tavixBindAccessor(&TavixQListView::setItemMode);
    mode.getInt = tavixBindAccessor(&TavixQListView::getItemMode);
    info.properties.push_back(mode);
    return info;
}

void TavixQListView::relayoutRows()
{
    m_impl->clearRowCaches();
    doItemsLayout();
    viewport()->update();
}

void TavixQListView::setBackground(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    viewport()->update();
}

void TavixQListView::setItemHeight(int height)
{
    height = tavixStoredItemExtent(height);
    if (m_impl->itemHeight == height)
        return;
    m_impl->itemHeight = height;
    relayoutRows();
}

void TavixQListView::setItemWidth(int width)
{
    width = tavixStoredItemExtent(width);
    if (m_impl->itemWidth == width)
        return;
    m_impl->itemWidth = width;
    relayoutRows();
}

int TavixQListView::getItemWidth() const
{
    return m_impl->itemWidth;
}

void TavixQListView::setItemSpace(int space)
{
    setSpacing(qBound(0, space, kMaxSpacing));
}

int TavixQListView::getItemSpace() const
{
    return spacing();
}

void TavixQListView::setItemMode(int mode)
{
    setViewMode(mode == 1 ? QListView::IconMode : QListView::ListMode);
    m_impl->clearRowCaches();
}

int TavixQListView::getItemMode() const
{
    return viewMode() == QListView::IconMode ? 1 : 0;
}

void TavixQListView::setEnableSelection(bool enable)
{
    if (m_impl->enableSelection == enable)
        return;
    m_impl->enableSelection = enable;
    if (!enable) {
        m_delegate->clearHighLight();
        viewport()->unsetCursor();
    }
    m_impl->clearRowCaches();
    viewport()->update();
}

bool TavixQListView::getEnableSelection() const
{
    return m_impl->enableSelection;
}

void TavixQListView::setItemTemplate(QWidget *itemTemplate)
{
    // The view, its viewport or an ancestor cannot become a hidden child of the view.
    if (itemTemplate == m_impl->itemTemplate || itemTemplate == viewport()
        || (itemTemplate && (itemTemplate == this || itemTemplate->isAncestorOf(this))))
        return;
    m_impl->itemTemplate = itemTemplate;
    if (itemTemplate) {
        if (itemTemplate->parentWidget() != this)
            itemTemplate->setParent(this);
        itemTemplate->hide();
        if (auto *container = qobject_cast<TavixQContainer *>(itemTemplate))
            m_impl->templateBackground = container->getBackground();
    }
    m_delegate->setWidgets(itemTemplate);
    relayoutRows();
}

QWidget *TavixQListView::getitemTemplate() const
{
    return m_impl->itemTemplate;
}

void TavixQListView::setItemForSizeCallBack(const TavixListItemSizeCallBack &callBack)
{
    m_impl->itemForSizeCallBack = callBack;
    // Rows may differ in size only when a provider says so.
    setUniformItemSizes(!callBack);
    relayoutRows();
}

TavixListItemSizeCallBack TavixQListView::getItemForSizeCallBack() const
{
    return m_impl->itemForSizeCallBack;
}

void TavixQListView::setItemDisplayCallBack(const TavixListItemDisplayCallBack &callBack)
{
    m_impl->itemDisplayCallBack = callBack;
    m_impl->clearRowCaches();
    viewport()->update();
}

TavixListItemDisplayCallBack TavixQListView::getItemDisplayCallBack() const
{
    return m_impl->itemDisplayCallBack;
}

void TavixQListView::setLabelExCallBack(const TavixListLabelExCallBack &callBack)
{
    m_impl->labelExCallBack = callBack;
    m_impl->clearRowCaches();
    viewport()->update();
}

TavixListLabelExCallBack TavixQListView::getLabelExCallBack() const
{
    return m_impl->labelExCallBack;
}

TAVIX_DEFINE_VIEW_SCROLLBAR_FORWARDS(TavixQListView)

void TavixQListView::setScrollbarBtnSize(bool horizontal, int size)
{
    m_bars.setButtonSize(horizontal, size);
}

void TavixQListView::clearHighLight()
{
    m_delegate->clearHighLight();
    viewport()->update();
}

void TavixQListView::initDemoData()
{
    QStandardItemModel *previous = m_demoModel;
    m_demoModel = new QStandardItemModel(kListViewDemoRows, 1, this);
    setModel(m_demoModel);
    delete previous;
    m_impl->clearRowCaches();
}

void TavixQListView::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    if (m_impl)
        m_impl->clearRowCaches();
}

void TavixQListView::mousePressEvent(QMouseEvent *event)
{
    QPointer<TavixQListView> alive(this);
    m_press.record(this, event->pos());
    // Emitted before Qt handles the press, and from here rather than from inside Qt's handler, so
    // that a slot may delete the view.
    if (m_impl->enableSelection && event->button() == Qt::LeftButton)
        m_impl->startTextSelection(m_press.index, visualRect(m_press.index), event->pos());
    if (m_press.index.isValid() && m_delegate->hasTemplate()) {
        const QModelIndex index = m_press.index;
        const QRect row = visualRect(index);
        if (QWidget *control = m_impl->controlAt(index, row.size(), event->pos() - row.topLeft())) {
            emit pressCtrl(control, index);
            if (!alive)
                return;
        }
    }
    QListView::mousePressEvent(event);
    if (alive && m_impl)
        m_impl->mousePressEvent(event);
}

void TavixQListView::mouseReleaseEvent(QMouseEvent *event)
{
    m_delegate->pressed = false;
    if (m_impl)
        m_impl->mouseReleaseEvent(event);
    tavixItemViewRelease(this, event, m_press, [this](QMouseEvent *e) { QListView::mouseReleaseEvent(e); });
}

void TavixQListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_press.record(this, event->pos());
    QListView::mouseDoubleClickEvent(event);
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQListView, QListView, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQListView, QListView, leaveEvent, QEvent)

void TavixQListView::paintEvent(QPaintEvent *event)
{
    QListView::paintEvent(event);
    if (m_impl)
        m_impl->paintFocusFrame(viewport());
}
void TavixQListView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_impl->enableSelection) {
        const bool selecting = m_delegate->pressed;
        if (selecting)
            m_impl->extendTextSelection(event->pos());
        if (selecting || m_impl->overSelectableText(event->pos()))
            viewport()->setCursor(Qt::IBeamCursor);
        else
            viewport()->unsetCursor();
        // A drag that selects text leaves the rows' own selection alone.
        if (selecting) {
            m_impl->mouseMoveEvent(event);
            return;
        }
    }
    QPointer<TavixQListView> alive(this);
    QListView::mouseMoveEvent(event);
    if (alive && m_impl)
        m_impl->mouseMoveEvent(event);
}

} // namespace TavixQtLib
