#include "controls/TavixQStackContainerImpl.h"

#include "controls/TavixQContainer.h"
#include "controls/TavixQStackContainer.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixJson.h"
#include "core/TavixNodeEntries.h"
#include "core/TavixQWidgetBase.h"

#include <json/value.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace TavixQtLib {

namespace {

// Depth first, the root included: every container lays its children out for the page's new size.
void resizeContainers(QWidget *root)
{
    if (auto *container = qobject_cast<TavixQContainer *>(root))
        container->forceResize();
    // A layout pass may add or delete widgets; walk a guarded snapshot.
    QList<QPointer<QWidget>> children;
    for (QObject *child : root->children()) {
        if (child->isWidgetType())
            children.append(static_cast<QWidget *>(child));
    }
    for (const QPointer<QWidget> &child : children) {
        if (child)
            resizeContainers(child);
    }
}

} // namespace

int TavixQStackContainerImpl::indexOfObject(const QObject *object) const
{
    // Compared as QObject pointers: the object may be half destroyed already.
    for (int i = 0; i < pages.size(); ++i) {
        if (static_cast<const QObject *>(pages.at(i)) == object)
            return i;
    }
    return -1;
}

TavixQStackContainerImpl::TavixQStackContainerImpl(QWidget *widget)
    : TavixQWidgetBaseImpl(widget, QString::fromLatin1(TavixQStackContainer::typeName()))
{
}

void TavixQStackContainerImpl::paint(QPainter *painter, const QRect &rect)
{
    if (!drawBackground)
        return;
    drawFillStyle(painter, widget->isEnabled() ? background : disableBackground, rect);
}

bool TavixQStackContainerImpl::serializeJsonValue(Json::Value **node, bool read)
{
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node)
        return result;

    TavixStyleSlots styleSlots(this);
    styleSlots.fill(0, &background).fill(1, &disableBackground);
    if (read) {
        styleSlots.read(**node);
        if (const Json::Value *attr = tavixAttrNode(**node))
            tavixReadBool(*attr, "drawBackground", drawBackground);
        widget->update();
        return result;
    }
    styleSlots.write(**node);
    tavixWriteAttrBool(**node, "drawBackground", drawBackground, true);
    return result;
}

bool TavixQStackContainerImpl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        const int index = indexOfObject(watched);
        // Only the current page may be moved or resized from outside (its own layout, a caller).
        if (index >= 0 && index != currentIndex)
            fitPage(pages.at(index));
    }
    return TavixQWidgetBaseImpl::eventFilter(watched, event);
}

int TavixQStackContainerImpl::insertWidget(int index, QWidget *page)
{
    // The stack cannot hold itself or an ancestor: re-parenting would build a cycle.
    if (!page || page == widget || page->isAncestorOf(widget))
        return -1;
    if (index < 0 || index > pages.size())
        index = pages.size();

    const int old = pages.indexOf(page);
    if (old >= 0) {
        if (old == index)
            return old;
        pages.removeAt(old);
        if (old < index)
            --index;
        if (old == currentIndex)
            currentIndex = -1;
        else if (old < currentIndex)
            --currentIndex;
    }

    QPointer<TavixQStackContainerImpl> alive(this);
    QPointer<QWidget> guarded(page);
    if (page->parentWidget() != widget)
        page->setParent(widget);
    if (alive && guarded)
        page->installEventFilter(this);     // installing again only moves the filter to the front
    if (alive && guarded)
        page->hide();
    // Code run by re-parenting or hiding may have deleted the page or changed the list.
    if (!alive || !guarded)
        return -1;
    index = qBound(0, index, pages.size());
    pages.insert(index, page);
    fitPage(page);

    if (currentIndex < 0) {
        setCurrentIndex(index);
    } else {
        if (currentIndex >= index)
            ++currentIndex;     // the same page stays current
        refreshCurrentPage();
    }
    return index;
}

void TavixQStackContainerImpl::removeWidget(QWidget *page)
{
    const int index = page ? pages.indexOf(page) : -1;
    if (index < 0)
        return;
    page->removeEventFilter(this);
    QPointer<TavixQStackContainerImpl> alive(this);
    page->hide();   // its hide event may delete it, which drops it already
    if (!alive)
        return;
    const int now = indexOfObject(page);
    if (now >= 0)
        dropPageAt(now);
}

void TavixQStackContainerImpl::forgetPage(QObject *page)
{
    const int index = indexOfObject(page);
    if (index >= 0)
        dropPageAt(index);
}

void TavixQStackContainerImpl::dropPageAt(int index)
{
    pages.removeAt(index);
    if (pages.isEmpty()) {
        currentIndex = -1;
    } else if (currentIndex > index) {
        --currentIndex;
    } else if (currentIndex == index) {
        currentIndex = -1;
        setCurrentIndex(qMin(index, pages.size() - 1));
    }
}

void TavixQStackContainerImpl::setCurrentIndex(int index)
{
    if (!validIndex(index))
        return;
    if (index != currentIndex) {
        QPointer<TavixQStackContainerImpl> alive(this);
        QPointer<QWidget> next = pages.at(index);
        if (validIndex(currentIndex) && pages.at(currentIndex))
            pages.at(currentIndex)->hide();   // its hide event may add, remove or delete pages
        if (!alive)
            return;
        // Look the new page up again; if it went away meanwhile the switch is dropped and the current
        // page, as the removal left it, stays.
        const int now = next ? pages.indexOf(next.data()) : -1;
        if (now >= 0)
            currentIndex = now;
        else if (!validIndex(currentIndex))
            currentIndex = pages.isEmpty() ? -1 : qMin(index, pages.size() - 1);
    }
    refreshCurrentPage();
}

void TavixQStackContainerImpl::fitPage(QWidget *page)
{
    if (!page)
        return;
    const QRect target(0, 0, widget->width(), widget->height());
    if (page->geometry() == target)
        return;
    auto *control = dynamic_cast<ITavixQWidgetBase *>(page);
    if (control && control->getControlBase())
        control->getControlBase()->setGeometry(target);
    else
        page->setGeometry(target);
}

void TavixQStackContainerImpl::fitAllPages()
{
    const QList<QWidget *> snapshot = pages;
    for (QWidget *page : snapshot)
        fitPage(page);
}

void TavixQStackContainerImpl::refreshCurrentPage()
{
    if (!validIndex(currentIndex))
        return;
    QPointer<TavixQStackContainerImpl> alive(this);
    QPointer<QWidget> page = pages.at(currentIndex);
    if (!page)
        return;
    // Moving, showing and raising the page deliver events to it; code run by them may delete it or the stack.
    fitPage(page);
    if (page)
        page->show();
    if (page)
        page->raise();
    if (page)
        resizeContainers(page);
    if (!alive)
        return;
    if (page) {
        page->updateGeometry();
        page->update();
    }
    widget->updateGeometry();
    widget->update();
    // The page's updateGeometry() posts a LayoutRequest to the stack, whose handling refreshes the
    // page again; this refresh already answers it, so drop it rather than loop on it forever.
    QCoreApplication::removePostedEvents(widget, QEvent::LayoutRequest);
}

} // namespace TavixQtLib
