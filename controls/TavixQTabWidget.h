#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QVariant>
#include <QWidget>

namespace TavixQtLib {

// A themed tab bar: a row or column of equally sized cells, each with a text, an icon and a data
// value, one of them selected. It hosts no pages; switch them from currentChanged().
class TAVIXQTLIB_EXPORT TavixQTabWidget : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQTabWidget)
public:
    explicit TavixQTabWidget(QWidget *parent = nullptr);
    ~TavixQTabWidget() override;

    // An empty selectedIconPath shows iconPath for the selected tab too.
    void addTab(const QString &text, const QString &iconPath = QString(),
                const QString &selectedIconPath = QString());
    // The selected and hot indices stay as they are.
    void removeTab(int index);
    void removeAllTab();
    void clear();
    int getTabCount() const;
    QString getTabText(int index) const;            // empty for an invalid index
    bool setTabText(int index, const QString &text);   // false for an invalid index
    QVariant getItemData(int index) const;          // invalid for an invalid index
    bool setItemData(int index, const QVariant &data);

    // Ignores indices outside 0..count-1 and the current one; otherwise emits currentChanged.
    void setSelectedIndex(int index);
    int getSelectedIndex() const;

    void setIsHor(bool horizontal);
    bool getIsHor() const;
    void setItemSize(int size);         // cell length along the bar, pixels
    int getItemSize() const;
    void setItemSpace(int space);       // gap between cells, pixels
    int getItemSpace() const;
    void setShowText(bool show);
    bool getShowText() const;
    void setShowIcon(bool show);
    bool getShowIcon() const;

    // One background for the whole bar; the state argument of the first overload is ignored.
    void setBackground(CtrlState state, const FillStyle &style);
    void setBackground(const FillStyle &style);
    const FillStyle &getBackground(CtrlState state = Normal) const;
    // Cells paint Pressed when selected, Hot under the pointer, otherwise Normal. state may be AllStates.
    void setItemBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getItemBackground(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getItemTextStyle(CtrlState state) const;

    QSize sizeHint() const override;

    // Three tabs "item1".."item3" without icons (what emulator mode shows).
    void initDemoData();

signals:
    // Also emitted when the pointer presses the tab that is already selected.
    void currentChanged(int index);

    TAVIX_DECLARE_FORWARDED_EVENTS
protected:
    // Arrows select the previous or next tab, Home and End the first and last, as on Qt's tab bar.
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace TavixQtLib
