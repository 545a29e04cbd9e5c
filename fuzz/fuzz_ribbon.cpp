// Feeds arbitrary bytes to the ribbon bar as a configuration text, paints it, then loads the same text
// again so that the replacement of pages and top-bar items runs over a built bar.

#include "controls/ribbon/TavixQRibbonBar.h"
#include "core/TavixLibrary.h"

#include <QApplication>
#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace TavixQtLib;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never destroyed, and reachable through Qt's own instance pointer: Qt 5's offscreen platform
    // leaves its screen behind when the application goes, which the leak check at exit would report.
    new QApplication(*argc, *argv);
    init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    TavixQRibbonBar bar;
    if (!bar.loadConfigJson(text))
        return 0;
    bar.sizeHint();
    bar.resize(640, 160);
    QCoreApplication::sendPostedEvents();
    bar.grab();
    bar.loadConfigJson(text);
    bar.resize(90, 60);   // narrower than a page: groups collapse or clip
    QCoreApplication::sendPostedEvents();
    bar.grab();
    return 0;
}
