#include "designer/TavixQWindowDesigner.h"

#include "core/TavixJson.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "resources/TavixQResourceManager.h"

#include <QEvent>
#include <QMoveEvent>
#include <QResizeEvent>

#include <json/value.h>

namespace TavixQtLib {

// The designer's private side adds nothing to the shared one; it exists for the keyword and the theme.
class TavixQWindowDesignerImpl : public TavixQWidgetBaseImpl
{
public:
    explicit TavixQWindowDesignerImpl(QWidget *widget)
        : TavixQWidgetBaseImpl(widget, QString::fromLatin1(TavixQWindowDesigner::typeName()))
    {
    }
};

TavixQWindowDesigner::TavixQWindowDesigner(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground, true);
    m_impl = new TavixQWindowDesignerImpl(this);
    TavixQResourceManager::getInstance()->registerDesignerWindow(this);
    m_impl->applyTheme();
}

TavixQWindowDesigner::~TavixQWindowDesigner()
{
    TavixQResourceManager::getInstance()->unregisterDesignerWindow(this);
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQWindowDesigner, "qtwindow")

ControlInfo TavixQWindowDesigner::getProps()
{
    return tavixControlInfo(typeName(), "TavixQWindowDesigner", "WindowDesigner", "Window designer", "win");
}

bool TavixQWindowDesigner::readJsonValue(void *node)
{
    if (!ITavixQWidgetBase::readJsonValue(node))
        return false;
    const Json::Value *attr = tavixJsonMember(*static_cast<const Json::Value *>(node), "attr");
    QString theme;
    if (!attr || !attr->isObject() || !tavixReadString(*attr, "theme", theme) || theme.isEmpty())
        return true;
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    if (theme.contains(QLatin1String(".data")))
        manager->loadThemeFile(theme);
    else
        manager->loadThemeDir(theme);
    return true;
}

bool TavixQWindowDesigner::serializeJsonValue(Json::Value *node, bool read)
{
    const bool result = ITavixQWidgetBase::serializeJsonValue(node, read);
    if (read || !node || !node->isObject())
        return result;
    const QString theme = TavixQResourceManager::getInstance()->getThemePath();
    if (!theme.isEmpty()) {
        Json::Value &attr = (*node)["attr"];
        if (!attr.isObject())
            attr = Json::Value(Json::objectValue);
        attr["theme"] = tavixJsonString(theme);
    }
    return result;
}

void TavixQWindowDesigner::fillParent()
{
    if (QWidget *parent = parentWidget())
        m_base.setGeometry(0, 0, parent->width(), parent->height());
}

bool TavixQWindowDesigner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        fillParent();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TavixQWindowDesigner::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (pos() != QPoint(0, 0))
        move(0, 0);
}

void TavixQWindowDesigner::resizeEvent(QResizeEvent *event)
{
    if (QWidget *parent = parentWidget()) {
        fillParent();
        parent->installEventFilter(this);
    }
    for (QObject *child : children()) {
        auto *control = dynamic_cast<ITavixQWidgetBase *>(child);
        if (control && control->getControlBase())
            control->resizeWidget();
    }
    QWidget::resizeEvent(event);
}

} // namespace TavixQtLib
