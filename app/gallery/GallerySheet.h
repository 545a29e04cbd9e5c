#pragma once

#include <QImage>
#include <QString>
#include <QVector>

class QWidget;

namespace TavixGallery {

// One control type the gallery shows.
struct GalleryEntry
{
    QString keyword;
    QString displayName;
};

// The registry's listed types in keyword order, then the sample rows that bring their own creator.
QVector<GalleryEntry> galleryEntries();

// A new parentless control of keyword with its sample content at its gallery size; the caller owns it.
// Null when the keyword cannot be created.
QWidget *createSampleControl(const QString &keyword);

// Whether the control has checked variants: a button that is checkable.
bool hasCheckedVariant(const QWidget *control);

QString stateName(int state);   // "Normal", "Hot", "Pressed", "Disable"

// The control alone, forced into state (CtrlState), on the cells' checkered background. Null image when
// the keyword cannot be created. ratio is the image's device pixel ratio: its pixels are size x ratio.
QImage renderSampleCell(const QString &keyword, int state, bool checked, qreal ratio = 1.0);

// The contact sheet of one type: a caption row (display name, keyword, look), the state names, and
// one row of four cells, or two (unchecked, checked) for a checkable control; painted at ratio.
QImage renderSheet(const GalleryEntry &entry, const QString &lookName, qreal ratio = 1.0);

// The scrollable gallery window: one row per entry, its sheet and a live control to try. Not shown yet;
// the caller owns it.
QWidget *createGalleryWindow(const QString &lookName);

} // namespace TavixGallery
