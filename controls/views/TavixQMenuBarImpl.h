#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

class QAction;

namespace TavixQtLib {

class TavixQMenuBar;

// Private side of TavixQMenuBar: the entry under the pointer and the per-state looks.
class TAVIXQTLIB_EXPORT TavixQMenuBarImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQMenuBarImpl(TavixQMenuBar *bar);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

    // The CtrlState entry index is painted with.
    int entryState(int index, QAction *action) const;

    int hotIndex = -1;
    FillStyle background;
    TextStyleDesc textStyles[4];
    FillStyle itemBackgrounds[4];
    FillStyle popupBackground;
    TextStyleDesc popupTextStyles[4];
    FillStyle popupItemBackgrounds[4];

private:
    TavixQMenuBar *bar = nullptr;
};

// Caption of an action as shown: mnemonic markers removed ("&&" keeps one "&"), the shortcut part after
// a tab left out.
TAVIXQTLIB_EXPORT QString tavixMenuCaption(const QString &text);

} // namespace TavixQtLib
