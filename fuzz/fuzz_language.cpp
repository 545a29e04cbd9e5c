// Feeds arbitrary bytes to the language table reader and looks up what it produced.

#include "resources/TavixQResourceManager.h"

#include <QByteArray>
#include <QSet>

#include <cstddef>
#include <cstdint>

using namespace TavixQtLib;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    // Tables accumulate across reads, so only the languages this input added are visited: the run
    // stays as fast at the millionth input as at the first.
    const QStringList before = manager->getLanguageList();
    const QSet<QString> known(before.begin(), before.end());
    manager->readLanguage(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    for (const QString &language : manager->getLanguageList()) {
        if (known.contains(language))
            continue;
        manager->setCurrentLanguage(language);
        manager->getString(QStringLiteral("ok"));
    }
    return 0;
}
