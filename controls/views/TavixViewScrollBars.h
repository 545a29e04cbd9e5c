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

    // The restyling of one kit bar, shared with TavixQScrollView, whose bars are not held here. A null
    // bar (the area holds no kit bar) is left alone.
    static void styleBackground(TavixQScrollBar *b, const FillStyle &style);
    static void styleButtonIcon(TavixQScrollBar *b, bool up, const QString &path);
    static void styleButtonIconStyle(TavixQScrollBar *b, bool up, const IconStyleDesc &style);
    static void styleButton(TavixQScrollBar *b, bool up, CtrlState state, const FillStyle &style);
    static void styleThumbIcon(TavixQScrollBar *b, const QString &icon);
    static void styleThumb(TavixQScrollBar *b, CtrlState state, const FillStyle &style);
    // The style sheets setSize and setButtonSize apply.
    static QString sizeSheet(int size);
    static QString buttonSizeSheet(bool hor, int size);

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

// Defines a view's seven scroll-bar restyling calls as forwards to its TavixViewScrollBars member m_bars;
// the view's header keeps their declarations, which are part of its API.
#define TAVIX_DEFINE_VIEW_SCROLLBAR_FORWARDS(Class)                                                         \
    void Class::setScrollbarBackgroundStyle(bool horizontal, const FillStyle &style)                      \
    { m_bars.setBackgroundStyle(horizontal, style); }                                                     \
    void Class::setScrollbarButtonIcon(bool horizontal, bool up, const QString &path)                     \
    { m_bars.setButtonIcon(horizontal, up, path); }                                                       \
    void Class::setScrollbarButtonIconStyle(bool horizontal, bool up, const IconStyleDesc &style)         \
    { m_bars.setButtonIconStyle(horizontal, up, style); }                                                 \
    void Class::setScrollbarButtonStyle(bool horizontal, bool up, CtrlState state, const FillStyle &style) \
    { m_bars.setButtonStyle(horizontal, up, state, style); }                                              \
    void Class::setScrollbarThumb(bool horizontal, const QString &path)                                   \
    { m_bars.setThumb(horizontal, path); }                                                                \
    void Class::setScrollbarThumbStyle(bool horizontal, CtrlState state, const FillStyle &style)          \
    { m_bars.setThumbStyle(horizontal, state, style); }                                                   \
    void Class::setScrollbarSize(bool, int size)                                                          \
    { m_bars.setSize(size); }

} // namespace TavixQtLib
