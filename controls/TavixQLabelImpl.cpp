#include "controls/TavixQLabelImpl.h"

#include "controls/TavixQLabel.h"
#include "core/TavixAccessible.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"

#include <QFontMetrics>
#include <QPalette>
#include <QTextDocument>

namespace TavixQtLib {

namespace {

// Which of a font's attributes were set on it rather than inherited (Qt 6 renamed resolve()).
uint fontResolveMask(const QFont &font)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return font.resolveMask();
#else
    return font.resolve();
#endif
}

// True when a palette's role was set on it rather than inherited. Qt 6 keeps one bit per colour group
// and role; the role counts as set there when it is set in every group, as setBrush(All, ...) does.
bool paletteRoleResolved(const QPalette &palette, QPalette::ColorRole role)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QPalette::ResolveMask mask = palette.resolveMask();
    for (const int group : {int(QPalette::Active), int(QPalette::Inactive), int(QPalette::Disabled)}) {
        if (!(mask & (QPalette::ResolveMask(1) << (int(role) + group * int(QPalette::NColorRoles)))))
            return false;
    }
    return true;
#else
    return palette.resolve() & (1u << role);
#endif
}

Qt::Alignment styleAlignment(const TextStyleDesc &style)
{
    Qt::Alignment align;
    switch (style.hor) {
    case 0: align |= Qt::AlignLeft; break;
    case 1: align |= Qt::AlignHCenter; break;
    case 2: align |= Qt::AlignRight; break;
    default: break;
    }
    switch (style.ver) {
    case 0: align |= Qt::AlignTop; break;
    case 1: align |= Qt::AlignVCenter; break;
    case 2: align |= Qt::AlignBottom; break;
    default: break;
    }
    return align;
}

Qt::TextElideMode qtElideMode(int mode)
{
    switch (mode) {
    case 0: return Qt::ElideLeft;
    case 2: return Qt::ElideMiddle;
    default: return Qt::ElideRight;   // 1, and stray values from documents
    }
}

// True when text shows whole in width pixels without shaping it: no more characters than the widest
// glyph of the font fits. Only plain Latin-1 text, which the font itself draws at its own advances, is
// judged so; control characters (tabs, newlines, the 0x9c variant separator of eliding) are not.
bool surelyFits(const QString &text, const QFont &font, int dpi, int width)
{
    if (text.isEmpty())
        return true;
    if (fontResolveMask(font) & (QFont::LetterSpacingResolved | QFont::WordSpacingResolved))
        return false;
    // The labels of a page share a font or two, and looking its metrics up costs more than the rest of
    // the judgement: the last answer is kept, by font and resolution.
    static QFont lastFont;
    static int lastDpi = 0;
    static int lastMaxWidth = -1;
    if (lastMaxWidth < 0 || dpi != lastDpi || !(font == lastFont)) {
        lastFont = font;
        lastDpi = dpi;
        lastMaxWidth = QFontMetrics(font).maxWidth();
    }
    if (qint64(text.size()) * (lastMaxWidth + 1) > width)   // + 1: maxWidth() is rounded
        return false;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0) || u > 0xff)
            return false;
    }
    return true;
}

} // namespace

TavixQLabelImpl::TavixQLabelImpl(TavixQLabel *label)
    : TavixQTextLabelImpl(label, QString::fromLatin1(TavixQLabel::typeName()))
    , owner(label)
{
}

void TavixQLabelImpl::paintEvent(QPaintEvent *event)
{
    if (!label->isEnabled())
        state = Disable;
    else if (state == Disable)
        state = Normal;
    owner->paintAsQLabel(event);
}

void TavixQLabelImpl::applyStyle()
{
    const TextStyleDesc &style = activeStyle();
    label->setFont(tavixTextStyleFont(style));
    // Setting a palette resolves it against the application's per-class palettes; a label whose
    // own text colour is already this one (its page node restating the built-in look) skips that.
    const QBrush brush(style.color);
    const QPalette &current = label->palette();
    bool same = paletteRoleResolved(current, QPalette::WindowText);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        same = same && current.brush(group, QPalette::WindowText) == brush;
    if (!same) {
        QPalette palette = current;
        palette.setBrush(QPalette::All, QPalette::WindowText, brush);
        label->setPalette(palette);
    }
    label->setAlignment(styleAlignment(style));
    label->setWordWrap(!style.singleline || style.elideMode == 3);
    updateShownText();
}

QString TavixQLabelImpl::elided(const QString &text, const TextStyleDesc &style, const QFont &font, int width,
                                bool richText)
{
    if (style.elideMode == 3 || !style.singleline || richText)
        return text;
    return QFontMetrics(font).elidedText(text, qtElideMode(style.elideMode), qMax(0, width));
}

void TavixQLabelImpl::updateShownText()
{
    fullText = text();
    const Qt::TextFormat format = label->textFormat();
    const bool rich = format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(fullText));
    const int width = label->contentsRect().width() - 2 * label->margin();
    const TextStyleDesc &style = activeStyle();
    const QFont font = label->font();
    const bool cuts = style.elideMode != 3 && style.singleline && !rich;
    // A label a page is building and nobody sees yet gets its place later in the build and its size
    // when first shown (which resizes it and brings it here again): eliding it now would shape the text
    // for a width it is about to leave. Most other captions surely fit; shaping them only to learn that
    // would be the bulk of building a label.
    const bool unplaced = !label->isVisible() && TavixQResourceManager::getInstance()->isCreatedByFile();
    if (!cuts || unplaced || surelyFits(fullText, font, label->logicalDpiY(), width)) {
        shownText = fullText;
    } else if (lastElision.width == width && lastElision.mode == style.elideMode && lastElision.text == fullText
               && lastElision.font == font) {
        shownText = lastElision.shown;
    } else {
        shownText = elided(fullText, style, font, width, rich);
        lastElision = {fullText, font, width, style.elideMode, shownText};
    }
    if (shownText != label->text())
        label->QLabel::setText(shownText);
}

QString TavixQLabelImpl::text() const
{
    return label->text() != shownText ? label->text() : fullText;
}

void TavixQLabelImpl::showText(const QString &text)
{
    const QString before = this->text();
    const QString shownBefore = label->text();
    fullText = text;
    shownText = label->text();   // not a change made behind the label's back
    updateShownText();
    // QLabel announces a new shown text itself; an elided one may show the same while the name changed.
    if (label->text() == shownBefore && this->text() != before)
        tavixNotifyAccessibleName(label);
}

} // namespace TavixQtLib
