#pragma once

#include "controls/TavixQLabelExImpl.h"
#include "controls/views/TavixQListView.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QHash>
#include <QPointer>
#include <QRect>
#include <QVector>

namespace TavixQtLib {

// Private side of TavixQListView: row styles, the template, the application callbacks and the
// per-row caches used for hit testing.
class TAVIXQTLIB_EXPORT TavixQListViewImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    struct ControlRect
    {
        QPointer<QWidget> control;
        QRect rect;             // relative to the row's top-left
    };

    explicit TavixQListViewImpl(TavixQListView *view);

    bool serializeJsonValue(Json::Value **node, bool read) override;
    // The first kit widget inside the view becomes the template.
    void createComplete() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Index into itemBackgrounds: 2 selected, else 1 under the pointer, else 0.
    static int rowStyleIndex(bool mouseOver, bool selected);
    // Fills and lays the template out for the row (background, display callback, size) and records
    // its controls in the row layout cache. False without a template.
    bool prepareRow(const QModelIndex &index, const QSize &size, int styleIndex);
    // The template control under point (relative to the row), from the cache; the template itself
    // when no control is there.
    QWidget *controlAt(const QModelIndex &index, const QSize &rowSize, const QPoint &point);
    void clearRowCaches();

    // Text selection in a row's extended labels, while enableSelection is set. A press on selectable
    // text starts a selection (true), a move while pressed extends it; the row is repainted.
    bool startTextSelection(const QModelIndex &index, const QRect &row, const QPoint &pos);
    void extendTextSelection(const QPoint &pos);
    // True when pos (viewport coordinates) lies on selectable text of a row.
    bool overSelectableText(const QPoint &pos);

    bool enableSelection = false;
    int itemHeight = 20;
    int itemWidth = 20;
    QPointer<QWidget> itemTemplate;
    FillStyle templateBackground;       // the template's own background, used while an entry is not valid
    FillStyle background;
    FillStyle itemBackgrounds[4];
    TavixListItemSizeCallBack itemForSizeCallBack;
    TavixListItemDisplayCallBack itemDisplayCallBack;
    TavixListLabelExCallBack labelExCallBack;
    QHash<int, QVector<ControlRect>> rowLayoutCache;
    QHash<int, QString> rowTextCache;

private:
    // The selectable extended label under pos in the row, with the place hit in its text; the label's
    // index in the delegate's widget list, or -1.
    int selectableTextAt(const QModelIndex &index, const QRect &row, const QPoint &pos, TavixTextPlace *place);
    void applyTextSelection(int row);
    void updateRow(int row);

    TavixQListView *view = nullptr;
};

} // namespace TavixQtLib
