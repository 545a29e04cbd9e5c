#pragma once

// Sizes shared by the ribbon's layout code: the bar places top-bar items with them, a group its items.

#include "tavixqtlib_export.h"

#include <QSize>

class QWidget;

namespace TavixQtLib {

// The size a ribbon gives an item: its preferred size by class (a kit control's fixed ribbon size, else
// its size hint), replaced per axis by "tavixRibbonWidth" / "tavixRibbonHeight" when above 0. Each side
// stays within 0 .. QWIDGETSIZE_MAX, so sums of a group's items are computed wide without overflow.
TAVIXQTLIB_EXPORT QSize tavixRibbonItemSize(const QWidget *item);

// Small items stack in a group's rows; large ones take a whole column.
TAVIXQTLIB_EXPORT bool tavixRibbonIsSmallItem(const QWidget *item);

// Whether the bar holding part is building a configuration. Parts then skip their own layout passes:
// one pass at the end places everything, where a pass per added item would cost time growing with the
// square of the document's size.
TAVIXQTLIB_EXPORT bool tavixRibbonIsBuilding(const QWidget *part);

} // namespace TavixQtLib
