#include "controls/ribbon/TavixQRibbonPanel.h"

namespace TavixQtLib {

TavixQRibbonPanel::TavixQRibbonPanel(QWidget *parent, bool vertical)
    : TavixQRibbonRowPanel(parent)
    , m_vertical(vertical)
{
}

TavixQRibbonRowPanel *TavixQRibbonPanel::addRowPanel(int)
{
    auto *row = new TavixQRibbonRowPanel(this);
    appendItem(row);
    return row;
}

} // namespace TavixQtLib
