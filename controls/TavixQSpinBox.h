#pragma once

#include "core/TavixControlDeclare.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

#include <QSpinBox>

namespace TavixQtLib {

// The spin box keeps only the common implementation.
class TAVIXQTLIB_EXPORT TavixQSpinBoxImpl : public TavixQWidgetBaseImpl
{
public:
    using TavixQWidgetBaseImpl::TavixQWidgetBaseImpl;
};

// A QSpinBox with a transparent, frameless look and the common base; Qt paints and edits it.
class TAVIXQTLIB_EXPORT TavixQSpinBox : public QSpinBox, public ITavixQWidgetBase
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQSpinBox)
public:
    explicit TavixQSpinBox(QWidget *parent = nullptr);
    ~TavixQSpinBox() override;

protected:
    // Qt paints the field; the focus frame goes over it.
    void paintEvent(QPaintEvent *event) override;
};

} // namespace TavixQtLib
