#pragma once

#include "tavixqtlib_export.h"

#include <QMdiArea>

namespace TavixQtLib {

// The MDI area a TavixQWindow can be told about (setMDIArea). The kit only stores it; it is Qt's own
// QMdiArea under the kit's name, so an application can host sub-windows in it.
class TAVIXQTLIB_EXPORT TavixQMDIArea : public QMdiArea
{
    Q_OBJECT
public:
    explicit TavixQMDIArea(QWidget *parent = nullptr)
        : QMdiArea(parent)
    {
    }
};

} // namespace TavixQtLib
