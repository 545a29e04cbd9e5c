// Loads arbitrary bytes as a page document into a page window, saves the page and loads the saved text
// again.

#include "core/TavixLibrary.h"
#include "core/TavixPageDocument.h"
#include "designer/TavixQCanvasWindow.h"
#include "fuzz/TavixFuzzApp.h"
#include "fuzz/TavixFuzzJsonCheck.h"

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
    tavixFuzzCompareJsonReaders(data, size);
    const QString path = tavixFuzzScratch().filePath(QStringLiteral("fuzz.json"));
    if (!tavixFuzzWriteFile(path, QByteArray(reinterpret_cast<const char *>(data), int(size))))
        return 0;
    {
        QWidget canvas;
        TavixQCanvasWindow first(&canvas);
        tavixCreatePageByFileName(&first, path);
        QString saved;
        first.toJsonString(saved);
        if (tavixFuzzWriteFile(path, saved.toUtf8())) {
            TavixQCanvasWindow second(&canvas);
            tavixCreatePageByFileName(&second, path);
        }
    }
    tavixFuzzEndRun();
    return 0;
}
