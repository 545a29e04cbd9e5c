// The widget-node driver without construction, layout and painting: one control of every registered
// type, made once, reads each node and writes itself back, as live controls re-read their theme nodes on
// a theme change. The readers so get many times the runs of fuzz_widgetnode; a finding that does not
// come back when its input runs alone depends on what earlier inputs left in the controls.

#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace TavixQtLib;

namespace {
std::vector<ITavixQWidgetBase *> &controls()
{
    static std::vector<ITavixQWidgetBase *> all;
    return all;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never destroyed, and reachable through Qt's own instance pointer: Qt 5's offscreen platform
    // leaves its screen behind when the application goes, which the leak check at exit would report.
    new QApplication(*argc, *argv);
    init();
    static QWidget parent;
    for (const auto &entry : creatorMap()) {
        if (auto *control = dynamic_cast<ITavixQWidgetBase *>(tavixCreateControlByKeyword(entry.first.c_str(), &parent)))
            controls().push_back(control);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Json::Value node;
    if (!tavixParseJson(reinterpret_cast<const char *>(data), size, node))
        return 0;
    for (ITavixQWidgetBase *control : controls()) {
        control->readJsonValue(&node);
        Json::Value out;
        control->serializeJsonValue(&out, false);
    }
    // Without an event loop, posted events and deferred deletions would pile up from run to run.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
