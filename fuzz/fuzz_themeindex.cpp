// Loads arbitrary bytes as the theme.json of a theme directory (beside a shipped style document), looks
// every indexed node up and builds the controls whose theme names the index holds, so that they read
// their nodes from the theme set.

#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "fuzz/TavixFuzzApp.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixQResourceManagerImpl.h"

#include <QDir>
#include <QFile>
#include <QScopedPointer>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace TavixQtLib;

namespace {
int turn = 0;
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    tavixFuzzStartApplication(argc, argv);
    QFile style(QStringLiteral(TAVIX_FUZZ_THEME_STYLE));
    if (!style.open(QIODevice::ReadOnly))
        abort();   // without styles every load fails and nothing past the style check is reached
    const QByteArray styles = style.readAll();
    const QDir dir(tavixFuzzScratch().path());
    for (const char *name : {"a", "b"}) {
        dir.mkdir(QLatin1String(name));
        tavixFuzzWriteFile(dir.filePath(QLatin1String(name) + QStringLiteral("/style.json")), styles);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Two directories in turn: loading the directory already loaded changes nothing.
    const QString dir = tavixFuzzScratch().filePath(QLatin1String(turn++ % 2 ? "b" : "a"));
    if (!tavixFuzzWriteFile(dir + QStringLiteral("/theme.json"), QByteArray(reinterpret_cast<const char *>(data), int(size))))
        return 0;
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    if (!manager->loadThemeDir(dir))
        return 0;
    TavixQResourceManagerImpl *set = manager->getThemeManagerIml();
    if (!set)
        return 0;
    std::vector<std::string> names;
    for (const auto &node : set->themeNodes)
        names.push_back(node.first);
    {
        QWidget parent;
        int built = 0;
        for (const std::string &name : names) {
            manager->getThemeJsonValue(name.c_str());
            // A control reads the node named after its type keyword when it is constructed.
            if (creatorMap().count(name) && ++built <= 12) {
                QScopedPointer<QWidget> widget(tavixCreateControlByKeyword(name.c_str(), &parent));
                if (widget) {
                    widget->resize(80, 30);
                    widget->grab();
                }
            }
        }
    }
    tavixFuzzEndRun();
    return 0;
}
