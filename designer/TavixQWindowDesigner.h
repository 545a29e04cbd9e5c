#pragma once

#include "core/ITavixWindow.h"
#include "core/TavixControlDeclare.h"
#include "tavixqtlib_export.h"

#include <QWidget>

namespace TavixQtLib {

// The client area of a designed top-level window: it always fills its parent at (0, 0), lays out its kit
// children again when resized and keeps the page's theme in its node's "attr". It registers with the
// resource manager for its lifetime so that theme, font and language changes reach its controls.
class TAVIXQTLIB_EXPORT TavixQWindowDesigner : public QWidget, public ITavixQWidgetBase, public ITavixWindow
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQWindowDesigner)
public:
    explicit TavixQWindowDesigner(QWidget *parent = nullptr);
    ~TavixQWindowDesigner() override;

    QWidget *getWindowWidget() override { return this; }
    // The common keys; then an "attr" "theme" is loaded, as an archive when it names a ".data" file,
    // else as a theme folder.
    bool readJsonValue(void *node) override;
    // The common keys; then the current theme's path as "attr" "theme".
    bool serializeJsonValue(Json::Value *node, bool read) override;
    // Takes the parent's resize events: the designer follows the parent's size itself.
    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fillParent();
};

} // namespace TavixQtLib
