#include "TavixDesignerCollection.h"

#include "TavixDesignerWidget.h"

#include "core/TavixControlRegistry.h"
#include "resources/TavixQResourceManager.h"

namespace TavixQtLib {

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
        const auto it = controlInfoMap().find(keyword);
        if (it != controlInfoMap().end() && !it->second.className.empty())
            m_widgets.append(new TavixDesignerWidget(it->second, this));
    }
}

} // namespace TavixQtLib
