#include "designer/TavixQWindow.h"

#include "resources/TavixQResourceManager.h"

namespace TavixQtLib {

TavixQWindow::TavixQWindow(QWidget *parent)
    : QWidget(parent)
{
    TavixQResourceManager::getInstance()->registerWindow(this);
}

TavixQWindow::~TavixQWindow()
{
    TavixQResourceManager::getInstance()->unregisterWindow(this);
}

} // namespace TavixQtLib
