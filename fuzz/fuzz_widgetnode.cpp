// Parses arbitrary bytes as a widget node and lets every registered control type read, lay out, paint and
// write it.
//
// A run frees what it allocates, so that libFuzzer skips the full leak scan it makes after every run
// that allocates more than it frees: what Qt keeps for good (metatypes, style, fonts and glyphs) is
// filled once before fuzzing by running every seed, Qt's parts are drawn in a style without a pixmap
// cache, and the pixmap cache is emptied after each run.

#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "fuzz/TavixFuzzApp.h"
#include "fuzz/TavixFuzzWarmUp.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProxyStyle>
#include <QScopedPointer>
#include <QStyleFactory>
#include <QWidget>

#include <json/value.h>

#include <cstddef>
#include <cstdint>

using namespace TavixQtLib;

namespace {
void runOne(const uint8_t *data, size_t size)
{
    Json::Value node;
    if (!tavixParseJson(reinterpret_cast<const char *>(data), size, node))
        return;
    {
        QWidget parent;
        for (const auto &entry : creatorMap()) {
            QScopedPointer<QWidget> widget(tavixCreateControlFromNode(entry.first.c_str(), node, &parent));
            if (auto *control = dynamic_cast<ITavixQWidgetBase *>(widget.data())) {
                // The node's children as push buttons inside it, so that containers lay out what they say.
                const Json::Value *children = tavixJsonMember(node, "child");
                for (Json::ArrayIndex i = 0; children && children->isArray() && i < children->size() && i < 4; ++i)
                    tavixCreateControlFromNode("qtbutton", (*children)[i], widget.data());
                Json::Value out;
                control->serializeJsonValue(&out, false);
                widget->resize(120, 40);
                QCoreApplication::sendPostedEvents();   // containers lay their children out from posted events
                widget->grab();
            }
        }
    }
    tavixFuzzEndRun();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    tavixFuzzStartApplication(argc, argv);
    // Fusion, the base under the kit's style, caches the pixmaps it draws Qt's own parts with (spin box
    // frames) under keys that hold the palette's serial, new with every control, so each run would leave
    // entries behind. The kit's style stays on top; the Windows style draws the rest without a cache.
    if (auto *style = qobject_cast<QProxyStyle *>(QApplication::style()))
        style->setBaseStyle(QStyleFactory::create(QStringLiteral("Windows")));
    tavixFuzzWarmUp(*argc, *argv, runOne);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    runOne(data, size);
    return 0;
}
