#pragma once

#include "core/ControlInfo.h"

#include <QSize>
#include <QString>

#include <vector>

class QWidget;

namespace TavixGallery {

// How the gallery shows one control type: its size in a sheet cell and the sample content that makes
// it look like it would in a page. A new control adds one row to gallerySamples().
struct GallerySample
{
    const char *keyword;                       // the registry's type keyword
    QSize size;                                // the control's size in a cell
    void (*setup)(QWidget *control);           // sample content; null uses applyGenericSample
    // Runs after the generic state forcing, for controls that keep more state than the Impl's
    // (a scroll bar's parts); null when the Impl's state is all the painting reads.
    void (*forceState)(QWidget *control, int state);
    // Only for a control that the registry does not list (the charts have no registry entry):
    // how to make it and what to call it. Listed controls leave both null.
    TavixQtLib::ControlCreateFunction create;
    const char *displayName;
};

// The size a control gets when its type has no row.
constexpr int kDefaultSampleWidth = 160;
constexpr int kDefaultSampleHeight = 48;

const std::vector<GallerySample> &gallerySamples();
const GallerySample *findSample(const QString &keyword);   // null when the type has no row
QSize sampleSize(const QString &keyword);                   // the row's size, else the default

// Sets the "text" property when the widget has one, and a range when it is a slider-like or
// progress widget, so that a control without a row still shows some content.
void applyGenericSample(QWidget *control);

// Shows state (CtrlState) for a grab: the Impl's state and hover, setEnabled(false) for Disable,
// then the row's own forcing. Painting reads these fields and only enter, leave and mouse events
// change them; a control shown off screen receives none.
void forceSampleState(const QString &keyword, QWidget *control, int state);

} // namespace TavixGallery
