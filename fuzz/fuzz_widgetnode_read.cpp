// The widget-node driver without layout and painting: one control of every registered type, made bare,
// reads each node and writes itself back, as live controls re-read their theme nodes on a theme change.
// The readers so get many times the runs of fuzz_widgetnode.
//
// Every run makes and destroys its own controls, so that a run frees what it allocates: libFuzzer runs a
// full leak scan after every run that allocates more than it frees, and controls kept from run to run
// (a combo box gains an item per read) made nearly every run do so. What Qt keeps for good (metatypes,
// style, fonts) is filled once before fuzzing by running every seed.

#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "fuzz/TavixFuzzApp.h"
#include "fuzz/TavixFuzzWarmUp.h"

#include <QWidget>

#include <json/value.h>

#include <cstddef>
#include <cstdint>
#include <memory>

using namespace TavixQtLib;

namespace {
void runOne(const uint8_t *data, size_t size)
{
    Json::Value node;
    if (!tavixParseJson(reinterpret_cast<const char *>(data), size, node))
        return;
    QWidget parent;
    for (const auto &entry : creatorMap()) {
        std::unique_ptr<QWidget> widget(tavixCreateControlByKeyword(entry.first.c_str(), &parent));
        if (auto *control = dynamic_cast<ITavixQWidgetBase *>(widget.get())) {
            control->readJsonValue(&node);
            Json::Value out;
            control->serializeJsonValue(&out, false);
        }
    }
    tavixFuzzEndRun();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    tavixFuzzStartApplication(argc, argv);
    tavixFuzzWarmUp(*argc, *argv, runOne);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    runOne(data, size);
    return 0;
}
