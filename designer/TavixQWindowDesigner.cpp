#include "designer/TavixQWindowDesigner.h"

#include "resources/TavixQResourceManager.h"

namespace TavixQtLib {

TavixQWindowDesigner::TavixQWindowDesigner(QWidget *parent)
    : QWidget(parent)
{
    TavixQResourceManager::getInstance()->registerDesignerWindow(this);
}

TavixQWindowDesigner::~TavixQWindowDesigner()
{
    TavixQResourceManager::getInstance()->unregisterDesignerWindow(this);
}

} // namespace TavixQtLib
