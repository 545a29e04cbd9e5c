#include "controls/views/TavixQTableView.h"

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQContainer.h"
#include "controls/views/TavixItemExtent.h"
#include "controls/views/TavixItemRowStyles.h"
#include "controls/views/TavixItemViewClicks.h"
#include "controls/views/TavixQTableHeader.h"
#include "controls/views/TavixQTableViewImpl.h"
#include "controls/views/TavixQTableViewitemDelegate.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStandardItemModel>

#include <algorithm>

namespace TavixQtLib {

namespace {

constexpr int kTableDemoRows = 20;
constexpr int kDemoColumns = 5;
constexpr int kMaxCheckSide = 256;      // an image of any size still leaves room for the text

// The corner between the two bars, painted with the table's background.
class TableCorner : public QWidget
{
public:
    explicit TableCorner(TavixQTableViewImpl *impl) : impl(impl) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!impl)
            return;
        QPainter painter(this);
        TavixQWidgetBaseImpl::drawFillStyle(&painter, impl->background, rect());
    }

private:
    TavixQTableViewImpl *impl = nullptr;
};

} // namespace

TavixQTableView::TavixQTableView(QWidget *parent)
    : QTableView(parent)
{
    m_impl = new TavixQTableViewImpl(this);
    m_delegate = new TavixQTableViewitemDelegate(m_impl, this);
    setItemDelegate(m_delegate);
    m_bars.install(this);
    setHorizontalHeader(new TavixQTableHeader(Qt::Horizontal, this));
    auto *rows = new TavixQTableHeader(Qt::Vertical, this);
    setVerticalHeader(rows);
    // Every row has the table's row height, so 100 000 rows are laid out without asking each one.
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(1);
    rows->setDefaultSectionSize(m_impl->rowHeight());
    rows->hide();
    setShowGrid(false);
    setCornerWidget(new TableCorner(m_impl));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameStyle(0);
    viewport()->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0);"));
    setMouseTracking(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    // Last, so that a theme entry also reaches the delegate, the headers and the owned bars.
    m_impl->applyTheme();
}

TavixQTableView::~TavixQTableView()
{
    setItemDelegate(nullptr);
    delete m_delegate;      // it holds the Impl
    m_delegate = nullptr;
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQTableView, "qtdatagrid")
TAVIX_DEFINE_VIEW_ROW_BACKGROUND_FORWARDS(TavixQTableView)
TAVIX_DEFINE_VIEW_ROW_TEXT_FORWARDS(TavixQTableView)

ControlInfo TavixQTableView::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQTableView", "TableView", "Control TableView", "datagrid");

    info.properties.push_back(tavixViewBackgroundRow<TavixQTableView>());
    info.properties.push_back(tavixViewItemBackgroundRow<TavixQTableView>(QStringLiteral("ItemBg")));
    info.properties.push_back(tavixViewItemTextRow<TavixQTableView>());

    PropertyDef headItem = tavixPropertyDef(QStringLiteral("HeadItemBg"), FillStyleRef);
    tavixAddStateOptions(headItem);
    headItem.setFillStyle = tavixBindAccessor(&TavixQTableView::setHeaderBackground);
    headItem.getFillStyle = tavixBindAccessor(&TavixQTableView::getHeaderBackground);
    info.properties.push_back(headItem);

    PropertyDef headText = tavixPropertyDef(QStringLiteral("HeadTextStyle"), TextStyleRef);
    tavixAddStateOptions(headText);
    headText.setTextStyle = tavixBindAccessor(&TavixQTableView::setHeaderTextStyle);
    headText.getTextStyle = tavixBindAccessor(&TavixQTableView::getHeaderTextStyle);
    info.properties.push_back(headText);

    info.properties.push_back(tavixViewItemHeightRow<TavixQTableView>());

    PropertyDef check = tavixPropertyDef(QStringLiteral("CheckStyle"), Bool);
    check.setBool = tavixBindAccessor(&TavixQTableView::setCheckstyle);
    check.getBool = tavixBindAccessor(&TavixQTableView::getCheckstyle);
    info.properties.push_back(check);

    PropertyDef checked = tavixPropertyDef(QStringLiteral("CheckedImage"), ImagePath);
    checked.setString = tavixBindAccessor(&TavixQTableView::setCheckedImage);
    checked.getString = tavixBindAccessor(&TavixQTableView::getCheckedImage);
    info.properties.push_back(checked);

    PropertyDef unchecked = tavixPropertyDef(QStringLiteral("UncheckedImage"), ImagePath);
    unchecked.setString = tavixBindAccessor(&TavixQTableView::setUncheckedImage);
    unchecked.getString = tavixBindAccessor(&TavixQTableView::getUncheckedImage);
    info.properties.push_back(unchecked);
    return info;
}

void TavixQTableView::setModel(QAbstractItemModel *model)
{
    QTableView::setModel(model);
    if (m_impl)
        m_impl->watchModel(model);
}

void TavixQTableView::setBackground(CommonCtrlState, const FillStyle &style)
{
    m_impl->background = style;
    viewport()->update();
    if (cornerWidget())
        cornerWidget()->update();
}

void TavixQTableView::setHeaderBackground(CtrlState state, const FillStyle &style)
{
    tavixSetPerState(m_impl->headerBackgrounds, state, style);
    horizontalHeader()->viewport()->update();
}

const FillStyle &TavixQTableView::getHeaderBackground(CtrlState state) const
{
    return m_impl->headerBackgrounds[tavixStateIndex(state)];
}

void TavixQTableView::setHeaderTextStyle(CtrlState state, const TextStyleDesc &style)
{
    tavixSetPerState(m_impl->headerTextStyles, state, style);
    horizontalHeader()->viewport()->update();
}

const TextStyleDesc &TavixQTableView::getHeaderTextStyle(CtrlState state) const
{
    return m_impl->headerTextStyles[tavixStateIndex(state)];
}

void TavixQTableView::setAlternateRows(bool alternate)
{
    m_impl->alternateRows = alternate;
    viewport()->update();
}

bool TavixQTableView::getAlternateRows() const
{
    return m_impl->alternateRows;
}

void TavixQTableView::setAlternateBackground(const FillStyle &style)
{
    m_impl->alternateBackground = style;
    viewport()->update();
}

const FillStyle &TavixQTableView::getAlternateBackground() const
{
    return m_impl->alternateBackground;
}

void TavixQTableView::setItemHeight(int height)
{
    height = tavixStoredItemExtent(height);
    if (m_impl->itemHeight == height)
        return;
    m_impl->itemHeight = height;
    verticalHeader()->setDefaultSectionSize(m_impl->rowHeight());
    viewport()->update();
}

void TavixQTableView::setCheckstyle(bool checkStyle)
{
    if (m_impl->checkStyle == checkStyle)
        return;
    m_impl->checkStyle = checkStyle;
    m_impl->updateHeaderState();
    horizontalHeader()->viewport()->update();
    viewport()->update();
}

bool TavixQTableView::getCheckstyle() const
{
    return m_impl->checkStyle;
}

void TavixQTableView::setCheckedImage(const QString &path)
{
    setCheckBoxImage(true, path);
}

QString TavixQTableView::getCheckedImage() const
{
    return m_impl->checkedImage;
}

void TavixQTableView::setUncheckedImage(const QString &path)
{
    setCheckBoxImage(false, path);
}

QString TavixQTableView::getUncheckedImage() const
{
    return m_impl->uncheckedImage;
}

void TavixQTableView::setCheckBoxImage(bool checked, const QString &path)
{
    (checked ? m_impl->checkedImage : m_impl->uncheckedImage) = path;
    if (checked)
        m_impl->checkBox->setCheckedIcon(path);
    else
        m_impl->checkBox->setUncheckIcon(path);
    const QSize size = TavixQWidgetBaseImpl::imageSize(path, false);
    if (size.isValid() && !size.isEmpty())
        m_impl->checkImageSize = size.boundedTo(QSize(kMaxCheckSide, kMaxCheckSide));
    horizontalHeader()->viewport()->update();
    viewport()->update();
}

QString TavixQTableView::getCheckBoxImage(bool checked) const
{
    return checked ? m_impl->checkedImage : m_impl->uncheckedImage;
}

bool TavixQTableView::getHeaderChecked() const
{
    return m_impl->headerChecked;
}

Qt::CheckState TavixQTableView::getHeaderCheckState() const
{
    return m_impl->headerState;
}

void TavixQTableView::headerChecked(bool check)
{
    m_impl->setAllChecked(check);
}

void TavixQTableView::setColumnWidget(int column, TavixQContainer *container)
{
    if (!container) {
        m_impl->columnWidgets.remove(column);
    } else {
        // Under the viewport: deleted with the table, and not a child a page save writes.
        if (container->parentWidget() != viewport())
            container->setParent(viewport());
        container->hide();
        m_impl->columnWidgets.insert(column, container);
    }
    viewport()->update();
}

TavixQContainer *TavixQTableView::getColumnWidget(int column) const
{
    return m_impl->columnWidgets.value(column);
}

QList<int> TavixQTableView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    // From the selection ranges, so that a large selection is not expanded cell by cell.
    for (const QItemSelectionRange &range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void TavixQTableView::initDemoData()
{
    auto *demo = new QStandardItemModel(kTableDemoRows, kDemoColumns, this);
    for (int column = 0; column < kDemoColumns; ++column)
        demo->setHeaderData(column, Qt::Horizontal, QStringLiteral("Col%1").arg(column + 1));
    for (int row = 0; row < kTableDemoRows; ++row) {
        for (int column = 0; column < kDemoColumns; ++column)
            demo->setData(demo->index(row, column), QStringLiteral("item %1 %2").arg(row).arg(column));
    }
    QAbstractItemModel *old = model();
    setModel(demo);
    if (old && old->parent() == this)
        old->deleteLater();
}

TavixQTableHeader *TavixQTableView::getHeader(Qt::Orientation orientation) const
{
    return qobject_cast<TavixQTableHeader *>(orientation == Qt::Horizontal ? horizontalHeader() : verticalHeader());
}

TAVIX_DEFINE_VIEW_SCROLLBAR_FORWARDS(TavixQTableView)

void TavixQTableView::paintEvent(QPaintEvent *event)
{
    if (m_impl) {
        QPainter painter(viewport());
        TavixQWidgetBaseImpl::drawFillStyle(&painter, m_impl->background, viewport()->rect());
    }
    QTableView::paintEvent(event);
    if (m_impl)
        m_impl->paintFocusFrame(viewport());
}

bool TavixQTableView::viewportEvent(QEvent *event)
{
    // The pointer leaving the rows ends the hover look even while it stays over the header or a bar.
    if (event->type() == QEvent::Leave && m_impl)
        m_impl->setHoverRow(-1);
    return QTableView::viewportEvent(event);
}

void TavixQTableView::keyPressEvent(QKeyEvent *event)
{
    // Space flips the current row's check box, as a press on it does.
    if (m_impl && m_impl->checkStyle && event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier
        && currentIndex().isValid()) {
        m_impl->toggleRowCheck(currentIndex().sibling(currentIndex().row(), 0));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TavixQTableView::mousePressEvent(QMouseEvent *event)
{
    m_press.record(this, event->pos());
    QPointer<TavixQTableView> alive(this);
    QTableView::mousePressEvent(event);
    if (alive && m_impl)
        m_impl->mousePressEvent(event);
}

void TavixQTableView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_impl)
        m_impl->mouseReleaseEvent(event);
    tavixItemViewRelease(this, event, m_press, [this](QMouseEvent *e) { QTableView::mouseReleaseEvent(e); });
}

void TavixQTableView::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_press.record(this, event->pos());
    QTableView::mouseDoubleClickEvent(event);
}

TAVIX_DEFINE_FORWARDED_EVENT(TavixQTableView, QTableView, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQTableView, QTableView, leaveEvent, QEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQTableView, QTableView, mouseMoveEvent, QMouseEvent)

} // namespace TavixQtLib
