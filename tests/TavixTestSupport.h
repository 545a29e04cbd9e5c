#pragma once

// Helpers shared by the test executables.

#include "core/TavixJson.h"
#include "resources/FillStyle.h"

#include <QByteArray>
#include <QColor>
#include <QCoreApplication>
#include <QCursor>
#include <QString>
#include <QtGlobal>

namespace tavixtest {

// Parses a document written in a test; one that does not parse is a fault of the test itself.
inline Json::Value parse(const QByteArray &text)
{
    Json::Value value;
    if (!TavixQtLib::tavixParseJson(text, value))
        qFatal("test JSON does not parse: %s", text.constData());
    return value;
}

inline QByteArray show(const Json::Value &value)
{
    return QByteArray::fromStdString(TavixQtLib::tavixJsonCompact(value));
}

// Probe colours the item-view tests paint rows and backgrounds with and look for in grabbed pixels.
inline const QColor kRed(255, 0, 0);
inline const QColor kGreen(0, 255, 0);
inline const QColor kBlue(0, 0, 255);
inline const QColor kGrey(90, 90, 90);
inline const QColor kYellow(255, 255, 0);
inline const QColor kMagenta(255, 0, 255);

// A plain colour fill, optionally a named style.
inline TavixQtLib::FillStyle solid(const QColor &colour, const char *name = "")
{
    TavixQtLib::FillStyle style;
    style.color = colour;
    style.name = QString::fromLatin1(name);
    return style;
}

} // namespace tavixtest

namespace {

// Qt 6 gives a window that appears under the cursor an enter event, which would make the first row
// or control Hot before a test moves the mouse; the offscreen cursor starts where test windows
// appear, so it is moved away once per test program (Qt 5 sends no such event).
void tavixTestCursorAway()
{
    QCursor::setPos(-1000, -1000);
}
Q_COREAPP_STARTUP_FUNCTION(tavixTestCursorAway)

} // namespace

