#pragma once

// Caption handling shared by the kit's buttons: the "|->" translation marker of a node's "text".

#include <QString>

class QAbstractButton;

namespace TavixQtLib {

// Sets the caption from a node's "text". Text starting with "|->" names a translation key: the key
// is stored in languageKey and the caption becomes its translation; other text clears languageKey.
void tavixApplyButtonCaption(QAbstractButton *button, const QString &text, QString &languageKey);
// The caption as a node stores it: the "|->" marker while the caption still shows its key's
// translation (so a saved page keeps following the language), else the caption itself.
QString tavixButtonCaptionForNode(const QAbstractButton *button, const QString &languageKey);
// Re-translates the caption when it has a translation key.
void tavixTranslateButtonCaption(QAbstractButton *button, const QString &languageKey);

} // namespace TavixQtLib
