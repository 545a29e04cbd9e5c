#include "core/TavixLanguageText.h"

#include "resources/TavixQResourceManager.h"

namespace TavixQtLib {

namespace {
const QString kLanguageMarker = QStringLiteral("|->");
}

QString tavixTextFromNode(const QString &nodeText, QString &languageKey)
{
    if (!nodeText.startsWith(kLanguageMarker)) {
        languageKey.clear();
        return nodeText;
    }
    languageKey = nodeText.mid(kLanguageMarker.size());
    return TavixQResourceManager::getInstance()->getString(languageKey);
}

QString tavixTextForNode(const QString &shown, const QString &languageKey)
{
    if (!languageKey.isEmpty() && shown == TavixQResourceManager::getInstance()->getString(languageKey))
        return kLanguageMarker + languageKey;
    return shown;
}

bool tavixTranslateText(const QString &languageKey, QString &text)
{
    if (languageKey.isEmpty())
        return false;
    text = TavixQResourceManager::getInstance()->getString(languageKey);
    return true;
}

} // namespace TavixQtLib
