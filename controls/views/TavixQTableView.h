#pragma once

#include "controls/views/TavixItemViewClicks.h"
#include "controls/views/TavixViewScrollBars.h"
#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QList>
#include <QTableView>

namespace TavixQtLib {

class TavixQContainer;
class TavixQTableHeader;
class TavixQTableViewitemDelegate;

// Row-selecting data grid painted from fill and text styles: themed header sections, per-state cell
// looks, optional alternating rows, an optional check-box column (column 0) with a check-all box in
// the header, and optional per-column containers whose controls report clicks by name. Only visible
// rows are painted; the view makes no widget per row.
class TAVIXQTLIB_EXPORT TavixQTableView : public QTableView, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQTableView)
public:
    explicit TavixQTableView(QWidget *parent = nullptr);
    ~TavixQTableView() override;

    void setModel(QAbstractItemModel *model) override;

    // One background for the table, its corner and viewport; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CommonCtrlState state) const;
    // Cells: Normal plain, Hot row under the pointer, Pressed selected. AllStates sets all four.
    void setItemBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getItemTextStyle(CtrlState state) const;
    // Header sections (the Normal entry is painted).
    void setHeaderBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getHeaderBackground(CtrlState state) const;
    void setHeaderTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getHeaderTextStyle(CtrlState state) const;
    // Even rows (0, 2, ...) take the alternate background when not hot or selected.
    void setAlternateRows(bool alternate);
    bool getAlternateRows() const;
    void setAlternateBackground(const FillStyle &style);
    const FillStyle &getAlternateBackground() const;
    // Height of the cell text band, which is also the row height; 0 means 20, kept within 0..1000.
    void setItemHeight(int height);
    int getItemHeight() const;
    // Column 0 carries check boxes and the header a check-all box.
    void setCheckstyle(bool checkStyle);
    bool getCheckstyle() const;
    void setCheckedImage(const QString &path);
    QString getCheckedImage() const;
    void setUncheckedImage(const QString &path);
    QString getUncheckedImage() const;
    // Stores the image for one state; an image the resource manager knows also gives the check size.
    void setCheckBoxImage(bool checked, const QString &path);
    QString getCheckBoxImage(bool checked) const;
    // State of the check-all box: true when every row is checked. The box shows partly checked while
    // only some rows are.
    bool getHeaderChecked() const;
    Qt::CheckState getHeaderCheckState() const;
    // The container is hidden, owned by the view and rendered into every cell of the column; a null
    // container removes the column's entry. Columns outside the model are kept for a later model.
    void setColumnWidget(int column, TavixQContainer *container);
    TavixQContainer *getColumnWidget(int column) const;
    // Distinct selected rows in ascending order.
    QList<int> selectedRows() const;
    // A 20 x 5 demonstration model ("Col1".."Col5", cells "item row col"), owned by the view.
    void initDemoData();

    TavixQTableHeader *getHeader(Qt::Orientation orientation) const;
    TavixQTableViewitemDelegate *getDelegate() const { return m_delegate; }
    TavixQScrollBar *getScrollBar(bool horizontal) const { return m_bars.bar(horizontal); }
    void setScrollbarBackgroundStyle(bool horizontal, const FillStyle &style);
    void setScrollbarButtonIcon(bool horizontal, bool up, const QString &path);
    void setScrollbarButtonIconStyle(bool horizontal, bool up, const IconStyleDesc &style);
    void setScrollbarButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle &style);
    void setScrollbarThumb(bool horizontal, const QString &path);
    void setScrollbarThumbStyle(bool horizontal, CtrlState state, const FillStyle &style);
    void setScrollbarSize(bool horizontal, int size);   // both bars

public slots:
    // Sets the check-all box and every row of column 0 to checked or unchecked, then emits
    // headerCheckedChanged.
    void headerChecked(bool check);

signals:
    void headerCheckedChanged(bool check);
    void customControlClicked(int row, const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    TAVIX_DECLARE_FORWARDED_INPUT_EVENTS

private:
    friend class TavixQTableViewImpl;
    friend class TavixQTableHeader;
    TavixViewScrollBars m_bars;
    TavixQTableViewitemDelegate *m_delegate = nullptr;
    TavixItemViewPress m_press;
};

} // namespace TavixQtLib
