// Loads arbitrary bytes as a menu document through the file loader and paints the menu and its sub-menus.

#include "controls/views/TavixQMenu.h"
#include "core/TavixLibrary.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace TavixQtLib;

namespace {

QTemporaryDir *scratch = nullptr;

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
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = scratch->filePath(QStringLiteral("menu.json"));
    if (!writeFile(path, QByteArray(reinterpret_cast<const char *>(data), int(size))))
        return 0;
    QWidget host;   // owns the menu and, through it, every sub-menu
    TavixQMenu *menu = tavixCreateMenuByFileName(&host, path);
    if (!menu)
        return 0;
    menu->sizeHint();
    // A fixed rectangle: a document of thousands of entries must not make the grab itself huge.
    menu->grab(QRect(0, 0, 160, 240));
    int painted = 0;
    for (TavixQMenu *sub : menu->findChildren<TavixQMenu *>()) {
        if (++painted > 8)
            break;
        sub->grab(QRect(0, 0, 160, 120));
    }
    QCoreApplication::sendPostedEvents();
    return 0;
}
