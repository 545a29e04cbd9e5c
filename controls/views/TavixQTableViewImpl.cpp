#include "controls/views/TavixQTableViewImpl.h"

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQCheckBoxImpl.h"
#include "controls/TavixQContainer.h"
#include "controls/views/TavixItemExtent.h"
#include "controls/views/TavixQTableHeader.h"
#include "controls/views/TavixQTableView.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixNodeEntries.h"

#include <json/value.h>

#include <QMouseEvent>
#include <QPainter>
#include <QStandardItemModel>

namespace TavixQtLib {

namespace {

const QString kTableDefaultChecked = QStringLiteral("IDB_CHECKED");
const QString kDefaultUnchecked = QStringLiteral("IDB_UNCHECK");

} // namespace

TavixQTableViewImpl::TavixQTableViewImpl(TavixQTableView *table)
    : TavixQWidgetBaseImpl(table, QString::fromLatin1(TavixQTableView::typeName()))
    , TavixItemRowStyles(kDefaultItemExtent)
    , checkedImage(kTableDefaultChecked)
    , uncheckedImage(kDefaultUnchecked)
    , table(table)
{
    for (FillStyle &style : itemBackgrounds)
        style.valid = false;
    // Never shown and parentless, so a page save does not see it as a child of the table.
    checkBox = new TavixQCheckBox;
    checkBox->setShowText(false);
    FillStyle none;
    none.valid = false;
    checkBox->setBackground(AllStates, none);
    checkBox->setCheckedBackground(AllStates, none);
    checkBox->setCheckedIcon(checkedImage);
    checkBox->setUncheckIcon(uncheckedImage);
}

TavixQTableViewImpl::~TavixQTableViewImpl()
{
    delete checkBox;
}

int TavixQTableViewImpl::cellStyleIndex(bool selected, bool hot)
{
    if (selected)
        return Pressed;
    return hot ? Hot : Normal;
}

QRect TavixQTableViewImpl::checkRectIn(const QRect &cell) const
{
    return QRect(cell.x() + 5, cell.y(), checkImageSize.width(), cell.height());
}

void TavixQTableViewImpl::paintCheck(QPainter *painter, const QRect &rect, Qt::CheckState state,
                                     const QColor &mark) const
{
    checkBox->setChecked(state == Qt::Checked);
    TavixQCheckBoxImpl *box = checkBox->getImpl();
    if (!box)
        return;
    painter->save();
    painter->translate(rect.topLeft());
    box->paint(painter, QRect(QPoint(0, 0), rect.size()));
    if (state == Qt::PartiallyChecked) {
        // The unchecked box with a square in the middle, the usual sign for "some".
        const int side = qMax(3, qMin(rect.width(), rect.height()) * 3 / 10);
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->fillRect(QRect((rect.width() - side) / 2, (rect.height() - side) / 2, side, side), mark);
    }
    painter->restore();
}

TavixQContainer *TavixQTableViewImpl::preparedContainer(int column, const QSize &size) const
{
    TavixQContainer *container = columnWidgets.value(column);
    if (!container || size.isEmpty())
        return nullptr;
    if (container->size() != size)
        container->resize(size);
    // A hidden widget gets no resize event, so the container is laid out here.
    container->forceResize();
    return container;
}

void TavixQTableViewImpl::toggleRowCheck(const QModelIndex &index)
{
    QAbstractItemModel *model = table ? table->model() : nullptr;
    if (!model || !index.isValid())
        return;
    // Checked or unchecked, never the partial state a negated bool would store as 1.
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void TavixQTableViewImpl::setAllChecked(bool check)
{
    if (!table)
        return;
    QPointer<TavixQTableView> alive(table);
    if (QAbstractItemModel *model = table->model()) {
        settingAll = true;
        const int rows = model->rowCount();
        for (int row = 0; row < rows && alive; ++row)
            model->setData(model->index(row, 0), check ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        if (!alive)
            return;
        settingAll = false;
    }
    headerChecked = check;
    headerState = check ? Qt::Checked : Qt::Unchecked;
    // Rows the model refused to change still show in the box.
    updateHeaderState();
    table->horizontalHeader()->viewport()->update();
    table->viewport()->update();
    emit table->headerCheckedChanged(check);
}

void TavixQTableViewImpl::updateHeaderState()
{
    if (settingAll || !table || !checkStyle)
        return;
    QAbstractItemModel *model = table->model();
    const int rows = model ? model->rowCount() : 0;
    if (rows <= 0)
        return;
    bool anyChecked = false;
    bool anyUnchecked = false;
    // Stops as soon as both kinds are seen; only a uniform column is read to the end.
    for (int row = 0; row < rows && !(anyChecked && anyUnchecked); ++row) {
        if (model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked)
            anyChecked = true;
        else
            anyUnchecked = true;
    }
    const Qt::CheckState state = anyChecked ? (anyUnchecked ? Qt::PartiallyChecked : Qt::Checked) : Qt::Unchecked;
    if (state == headerState)
        return;
    headerState = state;
    headerChecked = state == Qt::Checked;
    table->horizontalHeader()->viewport()->update();
}

void TavixQTableViewImpl::watchModel(QAbstractItemModel *model)
{
    if (watched)
        disconnect(watched, nullptr, this, nullptr);
    watched = model;
    if (model) {
        connect(model, &QAbstractItemModel::dataChanged, this,
                [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QVector<int> &roles) {
                    if (topLeft.column() <= 0 && bottomRight.column() >= 0
                        && (roles.isEmpty() || roles.contains(Qt::CheckStateRole)))
                        updateHeaderState();
                });
        connect(model, &QAbstractItemModel::rowsInserted, this, &TavixQTableViewImpl::updateHeaderState);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &TavixQTableViewImpl::updateHeaderState);
        connect(model, &QAbstractItemModel::modelReset, this, &TavixQTableViewImpl::updateHeaderState);
    }
    hoverRow = -1;
    updateHeaderState();
}

void TavixQTableViewImpl::repaintRow(int row)
{
    if (!table || row < 0)
        return;
    const int y = table->rowViewportPosition(row);
    if (y < 0 && y + table->rowHeight(row) <= 0)
        return;
    table->viewport()->update(QRect(0, y, table->viewport()->width(), table->rowHeight(row)));
}

void TavixQTableViewImpl::setHoverRow(int row)
{
    if (row == hoverRow)
        return;
    const int old = hoverRow;
    hoverRow = row;
    repaintRow(old);
    repaintRow(row);
}

void TavixQTableViewImpl::mousePressEvent(QMouseEvent *event)
{
    if (!table || event->button() != Qt::LeftButton)
        return;
    const QModelIndex index = table->indexAt(event->pos());
    if (!index.isValid())
        return;
    const QRect cell = table->visualRect(index);
    if (checkStyle && index.column() == 0 && checkRectIn(cell).contains(event->pos())) {
        QPointer<TavixQTableView> alive(table);
        toggleRowCheck(index);
        if (!alive)
            return;
    }
    TavixQContainer *container = preparedContainer(index.column(), cell.size());
    if (!container)
        return;
    QWidget *hit = container->childAt(event->pos() - cell.topLeft());
    // The innermost kit control under the pointer, not the container itself.
    while (hit && hit != container && !dynamic_cast<ITavixQWidgetBase *>(hit))
        hit = hit->parentWidget();
    if (hit && hit != container)
        emit table->customControlClicked(index.row(), hit->objectName());
}

void TavixQTableViewImpl::mouseMoveEvent(QMouseEvent *event)
{
    if (!table)
        return;
    const QModelIndex index = table->indexAt(event->pos());
    setHoverRow(index.isValid() ? index.row() : -1);
    // Controls inside a container cell may change their look under the pointer.
    if (index.isValid() && columnWidgets.value(index.column()))
        table->viewport()->update(table->visualRect(index));
}

void TavixQTableViewImpl::leaveEvent(QEvent *)
{
    setHoverRow(-1);
}

bool TavixQTableViewImpl::serializeJsonValue(Json::Value **node, bool read)
{
    if (!TavixQWidgetBaseImpl::serializeJsonValue(node, read) || !table)
        return false;
    TavixStyleSlots styleSlots;
    styleSlots.fill(0, &background)
        .fillGroup(2, itemBackgrounds, 4)
        .textGroup(6, itemTextStyles, 4)
        .fillGroup(10, headerBackgrounds, 4)
        .textGroup(14, headerTextStyles, 4);

    if (read) {
        const Json::Value &in = **node;
        if (const Json::Value *attr = tavixAttrNode(in)) {
            bool flag = false;
            int height = 0;
            QString path;
            if (tavixReadBool(*attr, "multiselect", flag))
                table->setSelectionMode(flag ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
            if (tavixReadInt(*attr, "itemHeight", height))
                table->setItemHeight(height);
            if (tavixReadBool(*attr, "checkstyle", flag))
                table->setCheckstyle(flag);
            if (tavixReadString(*attr, "checkedImg", path))
                table->setCheckBoxImage(true, path);
            if (tavixReadString(*attr, "uncheckImg", path))
                table->setCheckBoxImage(false, path);
        }
        table->m_bars.readChildNodes(in);
        styleSlots.read(in);
        table->horizontalHeader()->viewport()->update();
        table->viewport()->update();
        return true;
    }

    Json::Value &out = **node;
    tavixWriteAttrBool(out, "multiselect", table->selectionMode() == QAbstractItemView::ExtendedSelection, false);
    tavixWriteAttrInt(out, "itemHeight", itemHeight, kDefaultItemExtent);
    tavixWriteAttrBool(out, "checkstyle", checkStyle, false);
    tavixWriteAttrString(out, "checkedImg", checkedImage, kTableDefaultChecked);
    tavixWriteAttrString(out, "uncheckImg", uncheckedImage, kDefaultUnchecked);
    styleSlots.write(out);
    table->m_bars.writeChildNodes(out);
    return true;
}

void TavixQTableViewImpl::createComplete()
{
    if (!table)
        return;
    table->m_bars.removeLoaderBars(table);
    if (tavixIsQtEmulator() && !table->model())
        table->initDemoData();
}

} // namespace TavixQtLib
