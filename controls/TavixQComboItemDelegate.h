#pragma once

#include "tavixqtlib_export.h"

#include <QItemDelegate>

namespace TavixQtLib {

class TavixQComboBoxImpl;

// Paints the rows of a combo box popup with the combo's row styles, by hover and selection.
class TAVIXQTLIB_EXPORT TavixQComboItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    // impl may be null (then rows use Qt's look); it is not owned.
    explicit TavixQComboItemDelegate(TavixQComboBoxImpl *impl, QObject *parent = nullptr);

    void setImpl(TavixQComboBoxImpl *impl) { m_impl = impl; }
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // The option's width by the combo's row height.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    TavixQComboBoxImpl *m_impl = nullptr;
};

} // namespace TavixQtLib
