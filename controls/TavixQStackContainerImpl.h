#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QList>

namespace TavixQtLib {

// Page bookkeeping of a TavixQStackContainer; watches its pages through an event filter.
class TAVIXQTLIB_EXPORT TavixQStackContainerImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQStackContainerImpl(QWidget *widget);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    int insertWidget(int index, QWidget *page);
    void removeWidget(QWidget *page);
    void setCurrentIndex(int index);
    bool validIndex(int index) const { return index >= 0 && index < pages.size(); }
    int indexOfObject(const QObject *object) const;

    // Gives page the stack's whole rectangle (through the widget base for kit controls).
    void fitPage(QWidget *page);
    void fitAllPages();
    // Fits, shows and raises the current page and lays out every container inside it.
    void refreshCurrentPage();
    // Drops a page that is being deleted or re-parented away, without touching it.
    void forgetPage(QObject *page);

    bool drawBackground = true;
    FillStyle background;           // painted while enabled
    FillStyle disableBackground;    // painted while disabled
    QList<QWidget *> pages;
    int currentIndex = -1;

private:
    void dropPageAt(int index);
};

} // namespace TavixQtLib
