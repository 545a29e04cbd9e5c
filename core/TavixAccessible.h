#pragma once

#include "tavixqtlib_export.h"

#include <QString>

class QAccessibleInterface;
class QObject;

namespace TavixQtLib {

// Installs tavixAccessibleFactory with QAccessible once per process; registering the controls does it.
TAVIXQTLIB_EXPORT void tavixInstallAccessibleFactory();

// The kit's accessibility factory: an interface for a kit control whose stock Qt interface would not
// know its caption, state or actions; null for everything else, which Qt's own interfaces then serve.
TAVIXQTLIB_EXPORT QAccessibleInterface *tavixAccessibleFactory(const QString &className, QObject *object);

// Tells accessibility clients that control's checked state changed (controls not derived from a
// Qt button, which does this itself).
TAVIXQTLIB_EXPORT void tavixNotifyAccessibleChecked(QObject *control);
// Tells accessibility clients that control's name changed with its caption (unless an accessible name
// set on it still wins).
TAVIXQTLIB_EXPORT void tavixNotifyAccessibleName(QObject *control);
// Tells accessibility clients that control's value (the text it reads as its state) is now value.
TAVIXQTLIB_EXPORT void tavixNotifyAccessibleValue(QObject *control, const QString &value);
// Tells accessibility clients that the selected child of control (a tab cell) is now child.
TAVIXQTLIB_EXPORT void tavixNotifyAccessibleSelection(QObject *control, int child);

} // namespace TavixQtLib
