#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QMenuBar>

namespace TavixQtLib {

// Themed menu bar: Qt keeps the menu logic (actions, keyboard, popups); every entry is painted from
// per-state fill and text styles. The popup records are stored for the host; the bar does not push
// them into the menus it opens.
class TAVIXQTLIB_EXPORT TavixQMenuBar : public QMenuBar, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQMenuBar)
public:
    explicit TavixQMenuBar(QWidget *parent = nullptr);
    ~TavixQMenuBar() override;

    using QMenuBar::addMenu;
    // Qt's geometry of the entry; an empty rectangle for a null or foreign action.
    QRect actionGeometry(QAction *action) const;

    // One background for the whole bar; the state is ignored.
    void setBackground(CommonCtrlState state, const FillStyle &style);
    const FillStyle &getBackground(CommonCtrlState state) const;
    // Entries: Normal, Hot under the pointer or chosen by keyboard, Pressed while its popup is open,
    // Disable for disabled actions. AllStates sets all four; other states outside 0..3 are ignored.
    void setItemBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getItemBackground(CtrlState state) const;
    void setTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getTextStyle(CtrlState state) const;

    void setPopupBackground(CommonCtrlState state, const FillStyle &style);   // one record
    const FillStyle &getPopupBackground(CommonCtrlState state) const;
    // States 0..3 only; others (AllStates included) are ignored.
    void setPopupItemBackground(CtrlState state, const FillStyle &style);
    const FillStyle &getPopupItemBackground(CtrlState state) const;
    void setPopupTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getPopupTextStyle(CtrlState state) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void actionEvent(QActionEvent *event) override;
    TAVIX_DECLARE_FORWARDED_EVENTS

private slots:
    void noteTriggered();
    void noteHovered();

private:
    // Runs one of Qt's activating handlers with the bar's signals held back, then emits what it would
    // have emitted (hovered, triggered): Qt's bar still uses its private data after triggering an
    // entry, so a slot deleting the bar must run only once Qt's handler has returned.
    template <class Fn>
    void activateHoldingSignals(Fn &&qtHandler);

    bool m_holding = false;
    QPointer<QAction> m_fired;
    QPointer<QAction> m_hovered;
};

} // namespace TavixQtLib
