// Loads arbitrary bytes as a page document into a page window, saves the page and loads the saved text
// again.

#include "fuzz/TavixFuzzJsonCheck.h"
#include "core/TavixLibrary.h"
#include "core/TavixPageDocument.h"
#include "designer/TavixQCanvasWindow.h"

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
    tavixFuzzCompareJsonReaders(data, size);
    const QString path = scratch->filePath(QStringLiteral("fuzz.json"));
    if (!writeFile(path, QByteArray(reinterpret_cast<const char *>(data), int(size))))
        return 0;
    QWidget canvas;
    TavixQCanvasWindow first(&canvas);
    tavixCreatePageByFileName(&first, path);
    QString saved;
    first.toJsonString(saved);
    if (writeFile(path, saved.toUtf8())) {
        TavixQCanvasWindow second(&canvas);
        tavixCreatePageByFileName(&second, path);
    }
    QCoreApplication::sendPostedEvents();
    return 0;
}
