#pragma once

#include "tavixqtlib_export.h"

#include <QListView>

namespace TavixQtLib {

class TavixQComboBoxImpl;
class TavixQComboItemDelegate;
class TavixQScrollBar;

// The popup list of a TavixQComboBox: the combo's popup background behind rows painted by its own
// TavixQComboItemDelegate, with a kit scroll bar.
class TAVIXQTLIB_EXPORT TavixQComboList : public QListView
{
    Q_OBJECT
public:
    // impl may be null (then Qt's look shows); it is not owned.
    explicit TavixQComboList(TavixQComboBoxImpl *impl, QWidget *parent = nullptr);
    ~TavixQComboList() override;

    // The combo box clears it before its Impl goes.
    void setImpl(TavixQComboBoxImpl *impl);
    TavixQComboItemDelegate *getDelegate() const { return m_delegate; }
    TavixQScrollBar *getScrollBar() const { return m_bar; }

    // Paints the popup background on the viewport ahead of each of its paint events.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TavixQComboBoxImpl *m_impl = nullptr;
    TavixQComboItemDelegate *m_delegate = nullptr;   // child of this list
    TavixQScrollBar *m_bar = nullptr;                // owned by the scroll area
};

} // namespace TavixQtLib
