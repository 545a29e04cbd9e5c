// Feeds arbitrary bytes to the language table reader and looks up what it produced.

#include "resources/TavixQResourceManager.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

using namespace TavixQtLib;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    manager->readLanguage(QByteArray(reinterpret_cast<const char *>(data), int(size)));
    for (const QString &language : manager->getLanguageList()) {
        manager->setCurrentLanguage(language);
        manager->getString(QStringLiteral("ok"));
    }
    // Each input starts from empty tables: the run frees what it allocated, and memory stays flat.
    manager->clearLanguages();
    return 0;
}
