#pragma once

#include "tavixqtlib_export.h"

#include <QString>

namespace Json { class Value; }

namespace TavixQtLib {

// Reads a page or menu document into root. False (root untouched) when it cannot be read or parsed.
TAVIXQTLIB_EXPORT bool tavixReadPageDocument(const QString &fileName, Json::Value &root);

} // namespace TavixQtLib
