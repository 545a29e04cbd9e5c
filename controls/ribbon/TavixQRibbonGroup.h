#pragma once

#include "tavixqtlib_export.h"

#include <QFrame>
#include <QList>
#include <QStringList>

namespace TavixQtLib {

class TavixQCheckBox;
class TavixQComboBox;
class TavixQLabel;
class TavixQLineEdit;
class TavixQProgressBar;
class TavixQPushButton;
class TavixQRadioButton;
class TavixQRibbonPage;
class TavixQRibbonPanel;
class TavixQSpinBox;
class TavixQSwitch;

// One titled group of a ribbon page. Small items stack in columns of the bar's row count, large
// items (large buttons, separators, panels) take a whole column; the title sits along the bottom.
class TAVIXQTLIB_EXPORT TavixQRibbonGroup : public QFrame
{
    Q_OBJECT
public:
    explicit TavixQRibbonGroup(const QString &text = QString(), QWidget *parent = nullptr);

    // Each add… makes the control a child of the group, appends it to the items and lays the page out;
    // a group held by a bar gives it the bar's looks.
    TavixQPushButton *addButton(const QString &text, int style);
    TavixQCheckBox *addCheckBox(const QString &text);
    TavixQRadioButton *addRadioButton(const QString &text);
    TavixQLabel *addLabel(const QString &text);
    TavixQLineEdit *addLineEdit(const QString &text);
    TavixQComboBox *addComboBox(const QStringList &items);
    // The range is set first, so the value is clamped into it.
    TavixQSpinBox *addSpinBox(int value, int min, int max);
    TavixQProgressBar *addProgressBar(int value, int min, int max);
    // on: the thumb rests at the right.
    TavixQSwitch *addSwitch(bool on);
    void addSeparator();
    // The argument is not used.
    TavixQRibbonPanel *addPanel(int unused = 0);
    TavixQRibbonPanel *addVerticalPanel(int unused = 0);

    void setGroupText(const QString &text);
    QString groupText() const { return m_text; }
    QList<QWidget *> getItems() const { return m_items; }
    QList<TavixQRibbonPanel *> getPanels() const { return m_panels; }
    // The page holding the group (its parent), or null.
    TavixQRibbonPage *page() const;

    // Places the items in an item area `height` pixels high; rows below 1 count as 1.
    void updateLayout(int rows, int height);
    // Width of the item columns as laid out (runs of small items wrap at the row count), at least 90.
    QSize sizeHint() const override;

protected:
    // An item deleted by its owner leaves the lists.
    void childEvent(QChildEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    template <class T>
    T *append(T *item);
    int rowCount() const;

    QString m_text;
    QList<QWidget *> m_items;
    QList<TavixQRibbonPanel *> m_panels;
};

} // namespace TavixQtLib
