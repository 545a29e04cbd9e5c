#pragma once

// Captions that follow the language: a node's "text" of the form "|->key" names a translation key
// instead of giving the text itself.

#include "tavixqtlib_export.h"

#include <QString>

namespace TavixQtLib {

// The text to show for a node's "text". "|->key" stores key in languageKey and gives its translation;
// plain text clears languageKey, so a later language change does not overwrite it.
TAVIXQTLIB_EXPORT QString tavixTextFromNode(const QString &nodeText, QString &languageKey);
// What a node stores for the shown text: "|->key" while the text still is the key's translation
// (so a saved page keeps following the language), else the text itself.
TAVIXQTLIB_EXPORT QString tavixTextForNode(const QString &shown, const QString &languageKey);
// The key's translation in the current language; false (text untouched) without a key.
TAVIXQTLIB_EXPORT bool tavixTranslateText(const QString &languageKey, QString &text);

} // namespace TavixQtLib
