#pragma once

#include "tavixqtlib_export.h"

#include <QList>
#include <QWidget>

namespace TavixQtLib {

class TavixQRibbonArea;
class TavixQRibbonGroup;

// One page of a ribbon: its groups side by side, each as wide as its size hint.
class TAVIXQTLIB_EXPORT TavixQRibbonPage : public QWidget
{
    Q_OBJECT
public:
    explicit TavixQRibbonPage(const QString &name = QString(), QWidget *parent = nullptr);

    TavixQRibbonGroup *addGroup(const QString &text);
    TavixQRibbonGroup *getGroup(int index) const;   // null outside 0 .. count - 1
    int getGroupCount() const { return m_groups.size(); }
    // Deletes the group; false when the page does not hold it.
    bool removeGroup(TavixQRibbonGroup *group);
    void clearGroups();

    QString pageName() const { return m_name; }
    QString displayName() const { return m_displayName; }
    void setDisplayName(const QString &text);
    // The area holding the page (its parent), or null.
    TavixQRibbonArea *area() const;

    void updateLayout();
    // Width of the groups with their gaps; height of the parent, or 92 without one.
    QSize sizeHint() const override;

protected:
    // A group deleted by its owner leaves the list.
    void childEvent(QChildEvent *event) override;

private:
    QString m_name;
    QString m_displayName;
    QList<TavixQRibbonGroup *> m_groups;
};

} // namespace TavixQtLib
