#pragma once

#include <QTreeWidget>

namespace TavixDesigner {

// The controls of the page being edited, as a tree of "name (type)" rows. It is also the way to a
// control the canvas does not draw: one whose design-time visibility is off is listed greyed, and
// choosing it selects it on the canvas like a click would.
class PageOutline : public QTreeWidget
{
    Q_OBJECT
public:
    explicit PageOutline(QWidget *parent = nullptr);

    // Lists the controls of page (a page window); null empties the outline.
    void showPage(QWidget *page);
    // Marks widget's row as current without emitting controlChosen; none when it is not listed.
    void showSelected(QWidget *widget);
    QTreeWidgetItem *itemFor(const QWidget *widget) const;

signals:
    void controlChosen(QWidget *widget);

private:
    void addChildren(QWidget *parent, QTreeWidgetItem *under);
    bool m_settingCurrent = false;
};

} // namespace TavixDesigner
