#pragma once

#include "controls/ribbon/TavixQRibbonRowPanel.h"
#include "tavixqtlib_export.h"

namespace TavixQtLib {

// A stack of row panels; its items are the row panels. The vertical flag is kept for the caller and
// does not change the layout.
class TAVIXQTLIB_EXPORT TavixQRibbonPanel : public TavixQRibbonRowPanel
{
    Q_OBJECT
public:
    explicit TavixQRibbonPanel(QWidget *parent = nullptr, bool vertical = false);

    // The argument is not used.
    TavixQRibbonRowPanel *addRowPanel(int unused = 0);
    bool isVertical() const { return m_vertical; }

private:
    bool m_vertical = false;
};

} // namespace TavixQtLib
