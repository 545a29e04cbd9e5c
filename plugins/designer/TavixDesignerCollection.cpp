#include "TavixDesignerCollection.h"

#include "TavixDesignerWidget.h"

#include "core/TavixControlRegistry.h"
#include "resources/TavixQResourceManager.h"

namespace TavixQtLib {

namespace {
constexpr const char *kPageWindowKeyword = "Window";
} // namespace

TavixDesignerCollection::TavixDesignerCollection(QObject *parent)
    : QObject(parent)
{
    // The registry and the built-in looks, but not init(): its application style would restyle the
    // whole of Qt Designer.
    if (listedTypes().empty()) {
        tavixInitQtControl();
        TavixQResourceManager::getInstance()->initDefaultImageRes();
        TavixQResourceManager::getInstance()->initDefaultStyleRes();
    }
    for (const std::string &keyword : listedTypes()) {
        // A page window is the top level a page is built in, not a widget a form places.
        if (keyword == kPageWindowKeyword)
            continue;
        const auto it = controlInfoMap().find(keyword);
        if (it != controlInfoMap().end() && !it->second.className.empty())
            m_widgets.append(new TavixDesignerWidget(it->second, this));
    }
}

} // namespace TavixQtLib
