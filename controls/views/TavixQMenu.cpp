#include "controls/views/TavixQMenu.h"

#include "controls/views/TavixQMenuImpl.h"
#include "core/TavixPageDocument.h"
#include "resources/TavixQResourceManager.h"

#include <json/value.h>

#include <QAction>
#include <QActionEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>

#include <vector>

namespace TavixQtLib {

TavixQMenu::TavixQMenu(QWidget *parent)
    : QMenu(parent)
{
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground, true);
    setUp();
}

TavixQMenu::TavixQMenu(const QString &title, QWidget *parent)
    : QMenu(title, parent)
{
    setUp();
}

void TavixQMenu::setUp()
{
    m_impl = new TavixQMenuImpl(this);
    // Qt moves its current action by pointer and by keyboard alike; the hot entry follows it.
    connect(this, &QMenu::hovered, m_impl, [this](QAction *action) { m_impl->setHoverIndex(actions().indexOf(action)); });
    m_impl->applyTheme();
}

TavixQMenu::~TavixQMenu()
{
    // Deleted while its signals are held: destroyed() must still reach its receivers.
    if (m_holding)
        blockSignals(false);
    tavixDestroyImpl(this, m_impl);
}

TAVIX_DEFINE_CONTROL(TavixQMenu, "qtmenu")

ControlInfo TavixQMenu::getProps()
{
    ControlInfo info = tavixControlInfo(typeName(), "TavixQMenu", "Menu", "Control Menu", "menu");

    PropertyDef background = tavixPropertyDef(QStringLiteral("Background"), FillStyleRef);
    background.addOption(CommonNormal, QStringLiteral("Normal"));
    background.setFillStyle = [](QWidget *w, int, const FillStyle &style) {
        if (auto *menu = qobject_cast<TavixQMenu *>(w))
            menu->setBackground(style);
    };
    background.getFillStyle = [](QWidget *w, int) {
        auto *menu = qobject_cast<TavixQMenu *>(w);
        return menu ? menu->getBackground() : FillStyle();
    };
    info.properties.push_back(background);

    PropertyDef item = tavixPropertyDef(QStringLiteral("ItemBackground"), FillStyleRef);
    tavixAddStateOptions(item);
    item.setFillStyle = tavixBindAccessor(&TavixQMenu::setItemStyle);
    item.getFillStyle = tavixBindAccessor(&TavixQMenu::getItemStyle);
    info.properties.push_back(item);

    PropertyDef text = tavixPropertyDef(QStringLiteral("ItemTextStyle"), TextStyleRef);
    tavixAddStateOptions(text);
    text.setTextStyle = tavixBindAccessor(&TavixQMenu::setItemTextStyle);
    text.getTextStyle = tavixBindAccessor(&TavixQMenu::getItemTextStyle);
    info.properties.push_back(text);
    return info;
}

QAction *TavixQMenu::addIconAction(const QString &iconPath, const QString &text)
{
    QAction *action = addAction(text);
    if (!iconPath.isEmpty()) {
        action->setProperty("tavix_menu_icon_path", iconPath);
        if (!iconPath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
            action->setIcon(QIcon(iconPath));
    }
    return action;
}

void TavixQMenu::setBackground(const FillStyle &style)
{
    m_impl->background = style;
    update();
}

const FillStyle &TavixQMenu::getBackground() const
{
    return m_impl->background;
}

void TavixQMenu::setItemStyle(CtrlState state, const FillStyle &style)
{
    if (state < Normal || state > Disable)
        return;
    m_impl->itemBackgrounds[state] = style;
    update();
}

const FillStyle &TavixQMenu::getItemStyle(CtrlState state) const
{
    return m_impl->itemBackgrounds[tavixStateIndex(state)];
}

void TavixQMenu::setItemTextStyle(CtrlState state, const TextStyleDesc &style)
{
    if (state < Normal || state > Disable)
        return;
    m_impl->itemTextStyles[state] = style;
    update();
}

const TextStyleDesc &TavixQMenu::getItemTextStyle(CtrlState state) const
{
    return m_impl->itemTextStyles[tavixStateIndex(state)];
}

void TavixQMenu::setIconOffset(int offset)
{
    offset = qBound(0, offset, int(TavixQMenuImpl::kMaxIconOffset));
    // Sub-menus made from a document are children that nobody else reaches: they follow this menu.
    for (QAction *action : actions()) {
        auto *sub = qobject_cast<TavixQMenu *>(action->menu());
        if (sub && sub->parent() == this)
            sub->setIconOffset(offset);
    }
    if (m_impl->iconOffset == offset)
        return;
    m_impl->iconOffset = offset;
    updateGeometry();
    update();
}

int TavixQMenu::getIconOffset() const
{
    return m_impl->iconOffset;
}

QSize TavixQMenu::sizeHint() const
{
    return QMenu::sizeHint() + QSize(m_impl ? m_impl->iconOffset : 0, 0);
}

void TavixQMenu::hideEvent(QHideEvent *event)
{
    QMenu::hideEvent(event);
    if (m_impl)
        m_impl->hoverIndex = -1;
}

void TavixQMenu::actionEvent(QActionEvent *event)
{
    QMenu::actionEvent(event);
    if (event->type() == QEvent::ActionAdded)
        connect(event->action(), &QAction::triggered, this, &TavixQMenu::noteTriggered, Qt::UniqueConnection);
    else if (event->type() == QEvent::ActionRemoved)
        disconnect(event->action(), &QAction::triggered, this, &TavixQMenu::noteTriggered);
}

void TavixQMenu::noteTriggered()
{
    if (m_holding)
        m_fired = qobject_cast<QAction *>(sender());
}

template <class Fn>
void TavixQMenu::activateHoldingSignals(Fn &&qtHandler)
{
    if (m_holding || signalsBlocked()) {
        qtHandler();
        return;
    }
    struct Held
    {
        QPointer<QWidget> widget;
        bool wasVisible;
    };
    std::vector<Held> held;
    held.push_back({this, isVisible()});
    for (QWidget *w = parentWidget(); w && (qobject_cast<QMenu *>(w) || qobject_cast<QMenuBar *>(w));
         w = w->parentWidget()) {
        if (w->isVisible() && !w->signalsBlocked())
            held.push_back({w, true});
    }
    for (const Held &h : held)
        h.widget->blockSignals(true);
    m_holding = true;
    m_fired.clear();

    QPointer<TavixQMenu> alive(this);
    qtHandler();
    for (const Held &h : held) {
        if (h.widget)
            h.widget->blockSignals(false);
    }
    if (!alive)
        return;
    m_holding = false;
    // Qt may have chosen an entry meanwhile (Enter with none active picks the first); its hovered was held.
    if (QAction *active = activeAction())
        m_impl->setHoverIndex(actions().indexOf(active));
    const QPointer<QAction> fired = m_fired;
    m_fired.clear();

    for (const Held &h : held) {
        auto *menu = qobject_cast<QMenu *>(h.widget.data());
        if (menu && h.wasVisible && !menu->isVisible())
            emit menu->aboutToHide();
    }
    if (!fired)
        return;
    for (const Held &h : held) {
        if (!h.widget || !fired)
            continue;
        if (auto *menu = qobject_cast<QMenu *>(h.widget.data()))
            emit menu->triggered(fired);
        else if (auto *bar = qobject_cast<QMenuBar *>(h.widget.data()))
            emit bar->triggered(fired);
    }
}

void TavixQMenu::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
        activateHoldingSignals([&] { QMenu::keyPressEvent(event); });
        break;
    default:
        // Mnemonic keys may trigger too.
        if (!event->text().isEmpty() && event->text().at(0).isPrint())
            activateHoldingSignals([&] { QMenu::keyPressEvent(event); });
        else
            QMenu::keyPressEvent(event);
        break;
    }
}

void TavixQMenu::mouseReleaseEvent(QMouseEvent *event)
{
    QPointer<TavixQMenu> alive(this);
    activateHoldingSignals([&] { QMenu::mouseReleaseEvent(event); });
    if (alive && m_impl)
        m_impl->mouseReleaseEvent(event);
}

TAVIX_DEFINE_FORWARDED_PAINT(TavixQMenu)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQMenu, QMenu, enterEvent, TavixEnterEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQMenu, QMenu, leaveEvent, QEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQMenu, QMenu, mousePressEvent, QMouseEvent)
TAVIX_DEFINE_FORWARDED_EVENT(TavixQMenu, QMenu, mouseMoveEvent, QMouseEvent)

TavixQMenu *tavixCreateMenuByFileName(QWidget *parent, QString fileName)
{
    TavixQResourceManager *manager = TavixQResourceManager::getInstance();
    const bool previous = manager->isCreatedByFile();
    manager->setCreatedByFile(true);
    TavixQMenu *menu = nullptr;
    Json::Value root;
    if (tavixReadPageDocument(fileName, root)) {
        manager->setCreatedByFile(true);   // the reader may have lowered it; it stays up while building
        menu = new TavixQMenu(parent);
        menu->readJsonValue(&root);
    }
    manager->setCreatedByFile(previous);
    return menu;
}

} // namespace TavixQtLib
