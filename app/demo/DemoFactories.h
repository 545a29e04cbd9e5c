#pragma once

#include "resources/FillStyle.h"

#include <QColor>
#include <QString>

class QWidget;

namespace TavixQtLib {
class TavixQLabel;
}

namespace TavixDemo {

// A solid colour fill with rounded corners and an optional border of the given width.
TavixQtLib::FillStyle makeFill(const QColor &fill, int radius = 0, const QColor &border = QColor(0, 0, 0, 0),
                               int borderWidth = 0);
TavixQtLib::FillStyle transparentFill();

// Every label of the dashboard and its pages: the global font family at `size` pixels, expanding in
// both directions. Its colour is the light-theme colour; adaptLabels() keeps it readable on dark themes.
TavixQtLib::TavixQLabel *makeLabel(QWidget *parent, const QString &text, const QColor &color, int size,
                                   bool bold);
// Word wrap on or off (the text style's single-line flag).
void setLabelWrap(TavixQtLib::TavixQLabel *label, bool wrap);
void setLabelCentered(TavixQtLib::TavixQLabel *label);
// A label painted on a fill the demo draws itself keeps its colour in every theme.
void pinLabelColor(TavixQtLib::TavixQLabel *label);

// Re-applies every factory label's own style under `root`, with colours turned light when `dark`.
// A theme change restyles labels from the theme's "qtlabel" node; this restores the page hierarchy.
void adaptLabels(QWidget *root, bool dark);
// The colour a factory colour takes on a dark background.
QColor darkVariant(const QColor &color);

} // namespace TavixDemo
