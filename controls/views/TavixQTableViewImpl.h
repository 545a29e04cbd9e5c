#pragma once

#include "controls/views/TavixItemRowStyles.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QMap>
#include <QPointer>
#include <QSize>

class QAbstractItemModel;

namespace TavixQtLib {

class TavixQCheckBox;
class TavixQContainer;
class TavixQTableView;

// Private side of TavixQTableView: cell and header styles, the check column and the column containers.
class TAVIXQTLIB_EXPORT TavixQTableViewImpl : public TavixQWidgetBaseImpl, public TavixItemRowStyles
{
    Q_OBJECT
public:
    explicit TavixQTableViewImpl(TavixQTableView *table);
    ~TavixQTableViewImpl() override;

    bool serializeJsonValue(Json::Value **node, bool read) override;
    // Emulator mode shows demonstration rows; page-made extra scroll bars go.
    void createComplete() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

    // 2 selected, else 1 hot, else 0.
    static int cellStyleIndex(bool selected, bool hot);
    // Where a row's check mark sits inside a cell of column 0.
    QRect checkRectIn(const QRect &cell) const;
    // Paints a check box of the given state into rect; partly checked adds a square of colour mark.
    void paintCheck(QPainter *painter, const QRect &rect, Qt::CheckState state, const QColor &mark) const;
    // Lays the column's container out at size; null when the column has none.
    TavixQContainer *preparedContainer(int column, const QSize &size) const;

    // Sets every row of column 0, then the header box, and emits headerCheckedChanged.
    void setAllChecked(bool check);
    void toggleRowCheck(const QModelIndex &index);
    // Follows the rows: checked when all are, partly checked when some are.
    void updateHeaderState();
    void watchModel(QAbstractItemModel *model);
    void setHoverRow(int row);

    bool alternateRows = false;
    FillStyle alternateBackground;
    FillStyle headerBackgrounds[4];
    TextStyleDesc headerTextStyles[4];
    int hoverRow = -1;
    TavixQCheckBox *checkBox = nullptr;     // owned, never shown; paints the marks
    bool checkStyle = false;
    QSize checkImageSize = QSize(24, 24);
    QString checkedImage;
    QString uncheckedImage;
    bool headerChecked = false;
    Qt::CheckState headerState = Qt::Unchecked;
    QMap<int, QPointer<TavixQContainer>> columnWidgets;

private:
    void repaintRow(int row);

    TavixQTableView *table = nullptr;
    QPointer<QAbstractItemModel> watched;
    bool settingAll = false;
};

} // namespace TavixQtLib
