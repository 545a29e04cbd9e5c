#pragma once

#include "controls/TavixQScrollBar.h"
#include "core/TavixTypes.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QPointer>
#include <QString>

namespace Json { class Value; }
class QAbstractScrollArea;

namespace TavixQtLib {


// The two kit scroll bars an item view owns, and the restyling calls every view forwards to them
// (also used by the table and tree views). hor true selects the horizontal bar.
class TAVIXQTLIB_EXPORT TavixViewScrollBars
{
public:
    // Creates both bars and installs them as the view's scroll bars.
    void install(QAbstractScrollArea *view);
    TavixQScrollBar *bar(bool hor) const { return hor ? m_hBar.data() : m_vBar.data(); }

    void setBackgroundStyle(bool hor, const FillStyle &style);
    void setButtonIcon(bool hor, bool up, const QString &path);
    void setButtonIconStyle(bool hor, bool up, const IconStyleDesc &style);
    void setButtonStyle(bool hor, bool up, CtrlState state, const FillStyle &style);
    void setThumb(bool hor, const QString &icon);
    void setThumbStyle(bool hor, CtrlState state, const FillStyle &style);
    // Style sheets; each call replaces the whole sheet of the bars it touches.
    void setSize(int size);                 // both bars
    void setButtonSize(bool hor, int size);

    // A view's "child" entries of type "qtscrollbar" (or "scrollbar") restyle the owned bar of the
    // same orientation instead of adding a bar.
    void readChildNodes(const Json::Value &node) const;
    // Appends a "qtscrollbar" child entry for each bar that carries a named style or an icon.
    void writeChildNodes(Json::Value &node) const;
    // Deletes the extra bars a page loader made from those entries (direct children of the view),
    // so they neither show over the rows nor get written a second time.
    void removeLoaderBars(QAbstractScrollArea *view) const;

private:
    QPointer<TavixQScrollBar> m_hBar;
    QPointer<TavixQScrollBar> m_vBar;
};

} // namespace TavixQtLib
