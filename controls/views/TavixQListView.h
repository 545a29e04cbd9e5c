#pragma once

#include "controls/views/TavixItemViewClicks.h"
#include "controls/views/TavixViewScrollBars.h"
#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QListView>
#include <QStyleOptionViewItem>

#include <functional>

class QStandardItemModel;

namespace TavixQtLib {

class TavixQLabelEx;
class TavixQListView;
class TavixQListViewItemDelegate;

// Row size provider; the result's sides are kept within 0..10000.
using TavixListItemSizeCallBack =
    std::function<QSize(const TavixQListView *, const QStyleOptionViewItem &, const QModelIndex &)>;
// Fills the template for one row just before that row is drawn.
using TavixListItemDisplayCallBack = std::function<void(const TavixQListView *, const QWidget *, const QModelIndex &)>;
// Fills each extended label of the template for a row, after the display callback.
using TavixListLabelExCallBack = std::function<void(const TavixQListView *, TavixQLabelEx *, const QModelIndex &)>;

// Template list: a kit widget inside the view is the item template. Each visible row is drawn by
// filling the template through the display callback, laying it out at the row's size and rendering
// it; rows outside the viewport cost nothing. A press on a control inside a row emits pressCtrl.
class TAVIXQTLIB_EXPORT TavixQListView : public QListView, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQListView)
public:
    explicit TavixQListView(QWidget *parent = nullptr);
    ~TavixQListView() override;

    // One background for the whole viewport; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CommonCtrlState state) const;
    // Template background per row: Normal plain, Hot under the pointer, Pressed selected. An entry
    // that is not valid (the default) leaves the template's own background.
    void setItemBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getItemBackground(CtrlState state) const;
    // Row size in pixels (width in icon mode); 0 means 20, values are kept within 0..1000.
    void setItemHeight(int height);
    int getItemHeight() const;
    void setItemWidth(int width);
    int getItemWidth() const;
    // Gap between rows, kept within 0..1000.
    void setItemSpace(int space);
    int getItemSpace() const;
    // 0 list, 1 icon; other values read as list.
    void setItemMode(int mode);
    int getItemMode() const;
    // While set, text of the template's extended labels that is selectable by mouse can be selected
    // in a row by pressing and dragging; the rows' own selection is not changed by such a drag.
    void setEnableSelection(bool enable);
    bool getEnableSelection() const;

    // The template becomes a hidden child of this view; null removes it (rows then draw nothing). The
    // view itself, its viewport and its ancestors are refused.
    void setItemTemplate(QWidget *itemTemplate);
    QWidget *getitemTemplate() const;
    void setItemForSizeCallBack(const TavixListItemSizeCallBack &callBack);
    TavixListItemSizeCallBack getItemForSizeCallBack() const;
    void setItemDisplayCallBack(const TavixListItemDisplayCallBack &callBack);
    TavixListItemDisplayCallBack getItemDisplayCallBack() const;
    void setLabelExCallBack(const TavixListLabelExCallBack &callBack);
    TavixListLabelExCallBack getLabelExCallBack() const;

    TavixQListViewItemDelegate *getDelegate() const { return m_delegate; }
    TavixQScrollBar *getScrollBar(bool horizontal) const { return m_bars.bar(horizontal); }
    void setScrollbarBackgroundStyle(bool horizontal, const FillStyle &style);
    void setScrollbarButtonIcon(bool horizontal, bool up, const QString &path);
    void setScrollbarButtonIconStyle(bool horizontal, bool up, const IconStyleDesc &style);
    void setScrollbarButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle &style);
    void setScrollbarThumb(bool horizontal, const QString &path);
    void setScrollbarThumbStyle(bool horizontal, CtrlState state, const FillStyle &style);
    void setScrollbarSize(bool horizontal, int size);   // both bars
    void setScrollbarBtnSize(bool horizontal, int size);

public slots:
    void clearHighLight();
    // A model of 20 empty rows, owned by the view; a previous demonstration model is deleted.
    void initDemoData();

signals:
    // A press inside a row: the template control under the pointer (the template itself when no
    // control is there) and the row's index.
    void pressCtrl(QWidget *pWidget, const QModelIndex &index);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    // Qt paints the viewport; the focus frame goes over it.
    void paintEvent(QPaintEvent *event) override;
    TAVIX_DECLARE_FORWARDED_INPUT_EVENTS

private:
    friend class TavixQListViewImpl;
    void relayoutRows();

    TavixViewScrollBars m_bars;
    TavixQListViewItemDelegate *m_delegate = nullptr;
    QStandardItemModel *m_demoModel = nullptr;
    TavixItemViewPress m_press;
};

} // namespace TavixQtLib
