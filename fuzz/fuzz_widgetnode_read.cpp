// The widget-node driver without layout and painting: every registered control type reads the node and
// writes it back, so that the readers get many times the runs of fuzz_widgetnode.

#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"

#include <QApplication>
#include <QScopedPointer>
#include <QWidget>

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace TavixQtLib;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static QApplication app(*argc, *argv);
    init();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Json::Value node;
    if (!tavixParseJson(reinterpret_cast<const char *>(data), size, node))
        return 0;
    QWidget parent;
    for (const auto &entry : creatorMap()) {
        QScopedPointer<QWidget> widget(tavixCreateControlFromNode(entry.first.c_str(), node, &parent));
        if (auto *control = dynamic_cast<ITavixQWidgetBase *>(widget.data())) {
            Json::Value out;
            control->serializeJsonValue(&out, false);
            // What a control wrote it must read again.
            control->readJsonValue(&out);
        }
    }
    return 0;
}
