#pragma once

#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

// A top-level kit window. It registers with the resource manager for its lifetime so that theme,
// font and language changes reach its controls.
class TAVIXQTLIB_EXPORT TavixQWindow : public QWidget
{
    Q_OBJECT
public:
    explicit TavixQWindow(QWidget *parent = nullptr);
    ~TavixQWindow() override;

    static const char *typeName() { return "TavixWindow"; }
};

} // namespace TavixQtLib
