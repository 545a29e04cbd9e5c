#pragma once

#include "core/TavixControlDeclare.h"
#include "tavixqtlib_export.h"

#include <QList>
#include <QWidget>

namespace Json { class Value; }

namespace TavixQtLib {

class TavixQRibbonArea;
class TavixQRibbonGroup;
class TavixQRibbonPage;
class TavixQTabWidget;

// A tabbed command bar: a header row (top-bar items at both ends, the tab row between them) above an
// area showing the current page, each page a row of titled groups of kit controls. The content comes
// from a JSON configuration document or from the page and group API. Clicking the tab of the page
// already shown toggles a minimized mode in which only the header remains.
class TAVIXQTLIB_EXPORT TavixQRibbonBar : public QWidget, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQRibbonBar)
public:
    explicit TavixQRibbonBar(QWidget *parent = nullptr);
    ~TavixQRibbonBar() override;

    // Replace all pages and top-bar items. false for a missing, unreadable or malformed document,
    // which leaves the bar as it was.
    bool loadConfigFile(const QString &path);
    bool loadConfigJson(const QString &json);

    TavixQRibbonPage *addPage(const QString &name);
    void clearPages();
    // false outside 0 .. count - 1.
    bool setCurrentPage(int index);
    int currentPage() const;   // -1: none
    void setMinimized(bool minimized);
    bool isMinimized() const;

    TavixQTabWidget *tabBar() const;
    TavixQRibbonArea *area() const;
    QList<TavixQRibbonPage *> pages() const;
    QList<QWidget *> topBarItems(bool right) const;
    int getGroupHeight() const;
    int getGroupRowCount() const;
    int getTabHeight() const;
    int getTabItemWidth() const;
    int getTopBarHeight() const;
    bool getShowMenuBar() const;

    void updateLayout();
    void paintArea(TavixQRibbonArea *area);
    void paintGroup(TavixQRibbonGroup *group);
    // Gives one item the looks the bar gives its items (ribbon buttons its button styles, other kit
    // controls their theme entry); groups call it for each item they add.
    void applyItemStyle(QWidget *item);

    // The header's height plus, unless minimized, a page of groups groupHeight high.
    QSize sizeHint() const override;

signals:
    void currentPageChanged(int index);
    void minimizedChanged(bool minimized);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool loadConfig(const Json::Value &root);
    QWidget *createRibbonItem(const Json::Value &item, QWidget *parent, TavixQRibbonGroup *group);
    void loadTopBarItems(const Json::Value &root);
    void clearTopBarItems();
    void showPage(int index);
    void onTabChanged(int index);
};

} // namespace TavixQtLib
