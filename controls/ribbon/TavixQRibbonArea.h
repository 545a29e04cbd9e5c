#pragma once

#include "tavixqtlib_export.h"

#include <QList>
#include <QWidget>

namespace TavixQtLib {

class TavixQRibbonBar;
class TavixQRibbonPage;

// The part of a ribbon below its tabs: holds the pages and shows the current one.
class TAVIXQTLIB_EXPORT TavixQRibbonArea : public QWidget
{
    Q_OBJECT
public:
    explicit TavixQRibbonArea(QWidget *parent = nullptr);

    // Appends a hidden page; the first page added to an area without a current page becomes current.
    TavixQRibbonPage *addPage(const QString &name);
    void clearPages();
    TavixQRibbonPage *pageAt(int index) const;   // null outside 0 .. count - 1
    int pageCount() const { return m_pages.size(); }
    QList<TavixQRibbonPage *> pages() const { return m_pages; }
    // Ignored outside 0 .. count - 1.
    void setCurrentPage(int index);
    int currentIndex() const { return m_current; }   // -1: none
    // The bar holding the area (its parent), or null.
    TavixQRibbonBar *bar() const;

    void updateLayout();

protected:
    // A page deleted by its owner leaves the list.
    void childEvent(QChildEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QList<TavixQRibbonPage *> m_pages;
    int m_current = -1;
};

} // namespace TavixQtLib
