#pragma once

#include "controls/views/TavixItemViewClicks.h"
#include "controls/views/TavixViewScrollBars.h"
#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QTreeView>

class QStandardItemModel;

namespace TavixQtLib {

class TavixQTreeConerWidget;
class TavixQTreeViewItemDelegate;
class TavixQTreeViewport;

// Headerless themed tree: rows painted from per-state fill and text styles, branches drawn by Qt. All
// rows share the tree's row height, so Qt lays out any number of rows without asking each one, and
// rows are painted only while visible; the tree never makes a widget per row.
//
// Qt's own input handlers emit pressed, clicked, doubleClicked, activated, entered, expanded and
// collapsed and then go on using the view. The tree runs them with its signals blocked and emits those
// signals itself once Qt is done, so a slot may delete the tree.
class TAVIXQTLIB_EXPORT TavixQTreeView : public QTreeView, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQTreeView)
public:
    explicit TavixQTreeView(QWidget *parent = nullptr);
    ~TavixQTreeView() override;

    // One background for the viewport, corner and viewport widgets; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CommonCtrlState state) const;
    // Rows: Normal plain, Hot under the pointer, Pressed selected (also when under the pointer); Disable
    // is kept, not painted. AllStates sets all four; other states outside 0..3 are ignored.
    void setItemBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getItemTextStyle(CtrlState state) const;
    // Kept for callers and not painted: the header is hidden.
    void setHeaderBgStyle(CtrlState state, const FillStyle &style);
    const FillStyle &getHeaderBgStyle(CtrlState state) const;
    void setHeaderTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getHeaderTextStyle(CtrlState state) const;
    // Row height in pixels; 0 (the default) means 20. Negative values store 0, values above 1000 store 1000.
    void setItemHeight(int height);
    int getItemHeight() const;

    TavixQTreeViewItemDelegate *getDelegate() const { return m_delegate; }
    TavixQTreeConerWidget *getCornerWidget() const { return m_corner; }
    TavixQTreeViewport *getViewportWidget() const { return m_viewport; }
    TavixQScrollBar *getScrollBar(bool horizontal) const { return m_bars.bar(horizontal); }
    void setScrollbarBackgroundStyle(bool horizontal, const FillStyle &style);
    void setScrollbarButtonIcon(bool horizontal, bool up, const QString &path);
    void setScrollbarButtonIconStyle(bool horizontal, bool up, const IconStyleDesc &style);
    void setScrollbarButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle &style);
    void setScrollbarThumb(bool horizontal, const QString &path);
    void setScrollbarThumbStyle(bool horizontal, CtrlState state, const FillStyle &style);
    void setScrollbarSize(bool horizontal, int size);   // both bars
    void setScrollbarBtnSize(bool horizontal, int size);

    // The rectangle of index's expand/collapse indicator in viewport coordinates; empty when the row
    // has no indicator (no children, or a top-level row without root decoration).
    QRect branchRect(const QModelIndex &index) const;

public slots:
    // 100 top-level rows "item1", each with one child row "item2" | "item3"; the model is owned by the
    // tree, and a previous demonstration model is deleted.
    void initDemoData();

protected:
    void paintEvent(QPaintEvent *event) override;
    void drawBranches(QPainter *painter, const QRect &rect, const QModelIndex &index) const override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    TAVIX_DECLARE_FORWARDED_INPUT_EVENTS

private:
    friend class TavixQTreeViewImpl;
    bool onBranch(const QPoint &pos) const;
    // Runs a Qt handler with the tree's signals blocked, then emits expanded or collapsed when the
    // row of watched changed. Returns false when a slot deleted the tree.
    template <class Handler>
    bool quietly(const QModelIndex &watched, Handler &&handler);
    bool emitExpansion(const QPersistentModelIndex &index, bool wasExpanded);
    void expandBelowQuietly(const QModelIndex &parent, QList<QPersistentModelIndex> &expanded);

    TavixViewScrollBars m_bars;
    TavixQTreeViewItemDelegate *m_delegate = nullptr;
    TavixQTreeConerWidget *m_corner = nullptr;
    TavixQTreeViewport *m_viewport = nullptr;
    QStandardItemModel *m_demoModel = nullptr;
    TavixItemViewPress m_press;                 // the press that may become a click
    QPersistentModelIndex m_pressedIndex;       // the last press on a row, for double clicks
    QPersistentModelIndex m_entered;            // the row entered signals were last emitted for
    bool m_releaseAfterDoubleClick = false;
};

} // namespace TavixQtLib
