#pragma once

#include "core/ITavixWindow.h"
#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

// The root of a page being designed. It registers with the resource manager for its lifetime so that theme,
// font and language changes reach its controls.
class TAVIXQTLIB_EXPORT TavixQWindowDesigner : public QWidget, public ITavixWindow
{
    Q_OBJECT
public:
    explicit TavixQWindowDesigner(QWidget *parent = nullptr);
    ~TavixQWindowDesigner() override;

    static const char *typeName() { return "qtwindow"; }
    QWidget *getWindowWidget() override { return this; }
};

} // namespace TavixQtLib
