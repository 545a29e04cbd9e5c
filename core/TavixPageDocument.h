#pragma once

#include "tavixqtlib_export.h"

#include <QString>

namespace Json { class Value; }
class QWidget;

namespace TavixQtLib {

// Locates a page (or menu) document and parses it into root. ".json" is appended when the name does not
// contain it (case-sensitive); the resource sets are searched first, then the skin folder + name, then the
// name itself. False, root untouched, when nothing is found, the file is empty or does not parse. The
// resource manager's created-by-file flag is raised for the call.
//
// Documents read lately are kept parsed, by their text: reading or building a page whose text is
// unchanged skips the parser (an edited file is parsed again). The kept text stays within 2 MB.
TAVIXQTLIB_EXPORT bool tavixReadPageDocument(const QString &fileName, Json::Value &root);

// Lets go of the kept parsed documents (TavixQResourceManager::releaseRes() does too).
TAVIXQTLIB_EXPORT void tavixReleasePageDocuments();

// Builds a page document under parent: its window keys go to a page window parent, its elements are
// created depth first (each control completes after its children) and the top-level ones take their
// geometry. Returns the control made from the last element, or null: when that element made no kit
// control, when the document has no elements, cannot be read, or parent is null (then nothing is built).
TAVIXQTLIB_EXPORT QWidget *tavixCreatePageByFileName(QWidget *parent, const QString &fileName);

} // namespace TavixQtLib
