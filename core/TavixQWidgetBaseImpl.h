#pragma once

#include "core/TavixTypes.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TavixPainting.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QObject>
#include <QStringList>
#include <QVariant>

#include <map>
#include <string>
#include <utility>

namespace Json { class Value; }
class QEvent;
class QKeyEvent;
class QMouseEvent;
class QPaintEvent;
class QPainter;
class QWidget;

namespace TavixQtLib {

// One typed value of a control's "attr" object, kept so that it survives a load and save.
struct TAVIXQTLIB_EXPORT TavixAttribute
{
    enum Kind : int {
        BoolKind = 0, StringKind = 1, Int8Kind = 2, UInt8Kind = 3, Int16Kind = 4, UInt16Kind = 5,
        UInt32Kind = 6, Int32Kind = 7, Int64Kind = 8, UInt64Kind = 9, FloatKind = 10, DoubleKind = 11,
        StringListKind = 12
    };
    int kind = BoolKind;
    QVariant value;     // bool, QString, qint64/quint64 for integers, double, QStringList
};

// Private side shared by every control: interaction state, theme name, attributes, painting.
// Published on the control as the dynamic property "impl".
class TAVIXQTLIB_EXPORT TavixQWidgetBaseImpl : public QObject
{
    Q_OBJECT
public:
    TavixQWidgetBaseImpl(QWidget *widget, const QString &typeName);
    ~TavixQWidgetBaseImpl() override;

    // Tracks Disable against the widget's enabled state, then calls paint() on the whole widget.
    virtual void paintEvent(QPaintEvent *event);
    virtual void paint(QPainter *painter, const QRect &rect);
    // "attr", "theme" and "child". Reading a page node applies the theme entry it names first, so that
    // the caller's reading of the node's own keys goes over it; *node is left as given.
    virtual bool serializeJsonValue(Json::Value **node, bool read);
    virtual void notifyChangeLanguage();
    virtual void createComplete();
    virtual void mousePressEvent(QMouseEvent *event);
    virtual void mouseReleaseEvent(QMouseEvent *event);
    virtual void enterEvent(QEvent *event);
    virtual void leaveEvent(QEvent *event);
    virtual void mouseMoveEvent(QMouseEvent *event);
    virtual void mouseDoubleClickEvent(QMouseEvent *event);

    // Keyboard focus. A filter the constructor installs notes whether focus arrived from the keyboard
    // (Tab, Backtab, a shortcut); focus that returns from a popup or window switch keeps what it had.
    bool hasKeyboardFocus() const;
    // The style's focus frame over the control's painting, shown while it has keyboard focus. The
    // "focusFrame" attribute (page or theme entry) turns it off; on by default.
    bool getFocusFrame() const;
    // Stores the attribute only when the value differs from what the theme entries or default give.
    void setFocusFrame(bool on);
    // Draws the frame on rect when the control has keyboard focus and its frame is on; paintEvent()
    // calls it after paint() with focusFrameRect(). Controls painting elsewhere make this one call.
    void drawFocusFrame(QPainter *painter, const QRect &rect) const;
    // The same for a control that paints outside paintEvent() (Qt paints it, or it paints a viewport):
    // opens a painter on surface, after the control's painting, only when the frame shows.
    void paintFocusFrame(QWidget *surface) const;
    // Where the frame goes: the whole control unless a control marks one part (a tab bar's cell).
    virtual QRect focusFrameRect() const;
    // Enter or Return, which activate buttons, check boxes and switches like Space.
    static bool isEnterKey(const QKeyEvent *event);

    // Finds a control's Impl through its "impl" property; null for other widgets.
    static TavixQWidgetBaseImpl *fromWidget(const QWidget *widget);

    // Applies the theme entry named themeName (at construction and on every theme change).
    void applyTheme();
    // The entry themeName names in the current theme; null without one and in designer mode.
    const Json::Value *themeEntry() const;

    // The control's own attributes, which a save writes. Lookups fall back to the "attr" objects of the
    // theme entries (themeName's, then the type keyword's), read in place: what a theme supplies is
    // shared by every control, never copied.
    void setAttribute(const std::string &name, const TavixAttribute &value);
    bool hasAttribute(const std::string &name) const;
    TavixAttribute getAttribute(const std::string &name) const;

    // Removes from a written node's "attr" the keys the page did not give whose value is what the theme
    // entries supply: reading the page under its theme gives them back.
    void dropThemeSupplied(Json::Value &node) const;

    // Where each style slot's record came from, so that a save writes the page's entries, not the
    // theme's. Style readers note every record they set (TavixStyleSlots does it for its owner).
    void noteStyle(int slot, bool isTextStyle, const QString &name);
    // The name a save writes for a slot holding current: current itself unless a theme entry supplied
    // it; then the name the page (or a reader after it) gave the slot, or empty when it gave none.
    QString ownStyleName(int slot, bool isTextStyle, const QString &current) const;

    // Painting routines (resources/TavixPainting.h).
    static void drawFillStyle(QPainter *p, const FillStyle &s, const QRect &r) { tavixDrawFillStyle(p, s, r); }
    static void drawFillStyle(QPainter *p, const FillStyle &s, int x, int y, int w, int h)
    {
        tavixDrawFillStyle(p, s, x, y, w, h);
    }
    static void drawColorFill(QPainter *p, const FillRes &s, int x, int y, int w, int h)
    {
        tavixDrawColorFill(p, s, x, y, w, h);
    }
    static void drawImageFill(QPainter *p, const ImageDesc &s, int x, int y, int w, int h)
    {
        tavixDrawImageFill(p, s, x, y, w, h);
    }
    static QPainterPath roundedRectPath(const QRectF &r, qreal radius, bool tl, bool tr, bool br, bool bl)
    {
        return tavixRoundedRectPath(r, radius, tl, tr, br, bl);
    }
    static void drawTextStyle(QPainter *p, const QString &text, const TextStyleDesc &s, const QRect &r)
    {
        tavixDrawTextStyle(p, text, s, r);
    }
    static void drawTextStyle(QPainter *p, const QString &text, const TextStyleDesc &s, const QRect &r,
                              TavixTextLayoutCache *cache)
    {
        tavixDrawTextStyle(p, text, s, r, cache);
    }
    static void drawIconImage(QPainter *p, const QString &path, const IconStyleDesc &i, const QRect &r, bool gray)
    {
        tavixDrawIconImage(p, path, i, r, gray);
    }
    static void drawIconPixmap(QPainter *p, const QIcon &icon, const QSize &size, const IconStyleDesc &i,
                               const QRect &r)
    {
        tavixDrawIconPixmap(p, icon, size, i, r);
    }
    static QSize measureText(const TextStyleDesc &s, const QString &text) { return tavixMeasureText(s, text); }
    static QSize imageSize(const QString &path, bool gray) { return tavixImageSize(path, gray); }
    static bool isSvgPath(const QString &path) { return tavixIsSvgPath(path); }
    static QSize scaleSize(const QSize &size) { return tavixScaleSize(size); }

    QString typeName;
    QString themeName;              // starts as the type keyword
    bool hover = false;
    bool delegateItemVisible = true;
    int state = Normal;             // CtrlState
    std::map<std::string, TavixAttribute> attributes;   // the control's own, not the theme's
    QWidget *widget = nullptr;
    bool keyboardFocus = false;     // the last focus change came from the keyboard
    TavixTextLayoutCache textLayouts;   // the control's captions, for drawTextStyle

private:
    friend class TavixFocusWatch;
    void noteFocusChange(bool in, Qt::FocusReason reason);
    bool applyThemeEntry(const Json::Value &entry);
    // The value of an "attr" key that the theme entries a fresh control reading its page would apply
    // give it; null when they give none.
    const Json::Value *suppliedAttribute(const std::string &name) const;
    bool themeAttribute(const std::string &name, TavixAttribute &out) const;

    using StyleKey = std::pair<int, bool>;          // slot, text style
    std::map<StyleKey, QString> themeStyleNames;    // names the theme entry set
    std::map<StyleKey, QString> ownStyleNames;      // names the page or a caller's read set
};

} // namespace TavixQtLib
