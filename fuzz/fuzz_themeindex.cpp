// Loads arbitrary bytes as the theme.json of a theme directory (beside a shipped style document), looks
// every indexed node up and builds the controls whose theme names the index holds, so that they read
// their nodes from the theme set.

#include "core/TavixControlRegistry.h"
#include "core/TavixLibrary.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixQResourceManagerImpl.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopedPointer>
#include <QTemporaryDir>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

using namespace TavixQtLib;

namespace {

QTemporaryDir *scratch = nullptr;
int turn = 0;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never destroyed, and reachable through Qt's own instance pointer: Qt 5's offscreen platform
    // leaves its screen behind when the application goes, which the leak check at exit would report.
    new QApplication(*argc, *argv);
    init();
    static QTemporaryDir dir;
    scratch = &dir;
    QFile style(QStringLiteral(TAVIX_FUZZ_THEME_STYLE));
    if (!style.open(QIODevice::ReadOnly))
        abort();   // without styles every load fails and nothing past the style check is reached
    const QByteArray styles = style.readAll();
    for (const char *name : {"a", "b"}) {
        QDir(dir.path()).mkdir(QLatin1String(name));
        writeFile(dir.filePath(QLatin1String(name) + QStringLiteral("/style.json")), styles);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Two directories in turn: loading the directory already loaded changes nothing.
    const QString dir = scratch->filePath(QLatin1String(turn++ % 2 ? "b" : "a"));
    if (!writeFile(dir + QStringLiteral("/theme.json"), QByteArray(reinterpret_cast<const char *>(data), int(size))))
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
    QCoreApplication::sendPostedEvents();
    return 0;
}
