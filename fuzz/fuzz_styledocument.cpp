// Feeds arbitrary bytes to the style document reader and writes the result back out.

#include "core/TavixJson.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixQResourceManagerImpl.h"

#include <json/value.h>

#include <cstddef>
#include <cstdint>

using namespace TavixQtLib;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
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
    return 0;
}
