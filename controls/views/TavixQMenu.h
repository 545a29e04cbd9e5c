#pragma once

#include "core/TavixControlDeclare.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QMenu>

namespace TavixQtLib {

// Themed menu: Qt keeps the menu logic (actions, keyboard, sub-menus); every entry is painted from
// per-state fill and text styles, with an optional icon column in which an action's
// "tavix_menu_icon_path" (SVG included) or its QIcon is drawn.
class TAVIXQTLIB_EXPORT TavixQMenu : public QMenu, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQMenu)
public:
    // Frameless, with a translucent background: the kit's fill is all that shows.
    explicit TavixQMenu(QWidget *parent = nullptr);
    // Keeps Qt's window frame and background.
    TavixQMenu(const QString &title, QWidget *parent);
    ~TavixQMenu() override;

    // A plain action with text; a non-empty path becomes its "tavix_menu_icon_path" and, unless it
    // names an SVG, its QIcon too.
    QAction *addIconAction(const QString &iconPath, const QString &text);
    void setBackground(const FillStyle &style);
    const FillStyle &getBackground() const;
    // Entries: Normal, Hot under the pointer or chosen by keyboard, Disable for disabled actions.
    // States 0..3 only; others (AllStates included) are ignored.
    void setItemStyle(CtrlState state, const FillStyle &style);
    const FillStyle &getItemStyle(CtrlState state) const;
    void setItemTextStyle(CtrlState state, const TextStyleDesc &style);
    const TextStyleDesc &getItemTextStyle(CtrlState state) const;
    // Width of the icon column in pixels, 0 for none (then no icons are drawn). Clamped to 0..1000;
    // also given to the sub-menus this menu made from its document.
    void setIconOffset(int offset);
    int getIconOffset() const;

    // Qt's size hint widened by the icon column.
    QSize sizeHint() const override;

protected:
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void actionEvent(QActionEvent *event) override;
    TAVIX_DECLARE_FORWARDED_EVENTS

private slots:
    void noteTriggered();

private:
    void setUp();
    // Runs one of Qt's activating handlers with the signals of this menu and of the visible menus and
    // bars above it held back, then emits what they would have emitted (aboutToHide, triggered). Qt's
    // menu still uses its private data after emitting, so a slot deleting a menu there would pull it
    // out from under Qt; emitted afterwards, a slot may delete the menus freely.
    template <class Fn>
    void activateHoldingSignals(Fn &&qtHandler);

    bool m_holding = false;         // inside activateHoldingSignals
    QPointer<QAction> m_fired;      // the action Qt triggered meanwhile
};

// Builds a menu from a menu document (entries with "text", "icon" and nested "items", and the
// "background", "item0".."item3", "text0".."text3" style names). Null, with nothing created, when the
// document cannot be found or parsed.
TAVIXQTLIB_EXPORT TavixQMenu *tavixCreateMenuByFileName(QWidget *parent, QString fileName);

} // namespace TavixQtLib
