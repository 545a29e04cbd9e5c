#pragma once

#include "core/ITavixWindow.h"
#include "designer/TavixQFramelessWindow.h"
#include "tavixqtlib_export.h"

#include <QDialog>

namespace TavixQtLib {

class TavixQMDIArea;

// A top-level kit window: the sub-window's dragging and resizing on a dialog, with a modal loop of its
// own. It registers with the resource manager for its lifetime so that theme, font and language
// changes reach its controls.
class TAVIXQTLIB_EXPORT TavixQWindow : public QDialog, public TavixQFramelessWindow, public ITavixWindow
{
    Q_OBJECT
public:
    explicit TavixQWindow(QWidget *parent = nullptr);
    ~TavixQWindow() override;

    static const char *typeName() { return "TavixWindow"; }
    QString getTypeName() const { return QString::fromLatin1(typeName()); }
    QWidget *getWindowWidget() override { return this; }

    // Shows the window application-modal and returns once it is closed, hidden or closeModal() runs.
    void doModal();
    void closeModal();
    // Only stored.
    void setMDIArea(TavixQMDIArea *area);
    TavixQMDIArea *getMDIArea() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;
};

} // namespace TavixQtLib
