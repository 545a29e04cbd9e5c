#pragma once

// Helpers shared by the test executables.

#include "core/TavixJson.h"

#include <QByteArray>
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

} // namespace tavixtest
