// Feeds arbitrary bytes to the style document reader, writes the result back out and paints every
// style it read, so that extreme numbers reach the painting routines too.

#include "fuzz/TavixFuzzJsonCheck.h"
#include "core/TavixJson.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixQResourceManagerImpl.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace TavixQtLib;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never destroyed, and reachable through Qt's own instance pointer: Qt 5's offscreen platform
    // leaves its screen behind when the application goes, which the leak check at exit would report.
    new QGuiApplication(*argc, *argv);
    TavixQResourceManager::getInstance()->initDefaultImageRes();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tavixFuzzCompareJsonReaders(data, size);
    Json::Value root;
    if (!tavixParseJson(reinterpret_cast<const char *>(data), size, root))
        return 0;
    const Json::Value *styles = tavixJsonMember(root, "style");
    if (!styles)
        return 0;
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    TavixQResourceManagerImpl set;
    manager->readStyle(&set, *styles);
    Json::Value out;
    manager->writeStyle(&set, out);

    QImage canvas(48, 32, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    for (FillStyle fill : set.fillStyles) {
        // Image names would otherwise reach arbitrary files on disk; a built-in image keeps the
        // nine-slice arithmetic in play.
        if (!fill.img.isEmpty())
            fill.img = QStringLiteral("IDB_CHECKED");
        tavixDrawFillStyle(&painter, fill, 2, 3, 40, 26);
    }
    for (const TextStyleDesc &text : set.textStyles) {
        tavixDrawTextStyle(&painter, QStringLiteral("Ag"), text, QRect(1, 1, 44, 28));
        tavixMeasureText(text, QStringLiteral("Ag"));
    }
    return 0;
}
