// Loads arbitrary bytes as a menu document through the file loader and paints the menu and its sub-menus.

#include "controls/views/TavixQMenu.h"
#include "core/TavixLibrary.h"
#include "fuzz/TavixFuzzApp.h"

#include <QWidget>

#include <cstddef>
#include <cstdint>

using namespace TavixQtLib;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    tavixFuzzStartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = tavixFuzzScratch().filePath(QStringLiteral("menu.json"));
    if (!tavixFuzzWriteFile(path, QByteArray(reinterpret_cast<const char *>(data), int(size))))
        return 0;
    {
        QWidget host;   // owns the menu and, through it, every sub-menu
        if (TavixQMenu *menu = tavixCreateMenuByFileName(&host, path)) {
            menu->sizeHint();
            // A fixed rectangle: a document of thousands of entries must not make the grab itself huge.
            menu->grab(QRect(0, 0, 160, 240));
            int painted = 0;
            for (TavixQMenu *sub : menu->findChildren<TavixQMenu *>()) {
                if (++painted > 8)
                    break;
                sub->grab(QRect(0, 0, 160, 120));
            }
        }
    }
    tavixFuzzEndRun();
    return 0;
}
