#include "controls/TavixButtonCaption.h"

#include "resources/TavixQResourceManager.h"

#include <QAbstractButton>

namespace TavixQtLib {

namespace {
const QString kLanguageMarker = QStringLiteral("|->");
}

void tavixApplyButtonCaption(QAbstractButton *button, const QString &text, QString &languageKey)
{
    if (!button)
        return;
    if (text.startsWith(kLanguageMarker)) {
        languageKey = text.mid(kLanguageMarker.size());
        button->setText(TavixQResourceManager::getInstance()->getString(languageKey));
    } else {
        // A plain caption ends any earlier binding, or a language change would overwrite it.
        languageKey.clear();
        button->setText(text);
    }
}

QString tavixButtonCaptionForNode(const QAbstractButton *button, const QString &languageKey)
{
    if (!button)
        return QString();
    if (!languageKey.isEmpty()
        && button->text() == TavixQResourceManager::getInstance()->getString(languageKey))
        return kLanguageMarker + languageKey;
    return button->text();
}

void tavixTranslateButtonCaption(QAbstractButton *button, const QString &languageKey)
{
    if (button && !languageKey.isEmpty())
        button->setText(TavixQResourceManager::getInstance()->getString(languageKey));
}

} // namespace TavixQtLib
