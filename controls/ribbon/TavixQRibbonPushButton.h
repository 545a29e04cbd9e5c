#pragma once

#include "controls/TavixQPushButton.h"
#include "tavixqtlib_export.h"

namespace TavixQtLib {

// How a ribbon button is sized; it paints the same either way. Other values are kept as given: 0
// sizes like a small button, every other value like a large one.
enum TAVIX_RIBBON_BUTTON_STYLE : int {
    RibbonButtonDefault = 0,
    RibbonButtonLarge = 5,   // a whole group column, 72 x 68 preferred
    RibbonButtonSmall = 6    // one row of a group column, 92 x 24 preferred
};

// A command of a ribbon group: a kit push button with a ribbon size. The bar that holds it gives it
// its looks, so a theme's push-button entry does not restyle it.
class TAVIXQTLIB_EXPORT TavixQRibbonPushButton : public TavixQPushButton
{
    Q_OBJECT
public:
    explicit TavixQRibbonPushButton(QWidget *parent = nullptr, int style = RibbonButtonLarge);

    void setRibbonButtonStyle(int style);
    int ribbonButtonStyle() const { return m_style; }

    QSize sizeHint() const override;

private:
    int m_style = RibbonButtonLarge;
};

} // namespace TavixQtLib
