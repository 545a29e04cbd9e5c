#include "controls/TavixQLabelExImpl.h"

#include "controls/TavixQLabelEx.h"
#include "core/TavixAccessible.h"
#include "resources/TavixPainting.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <tuple>

namespace TavixQtLib {

bool TavixTextPlace::operator<(const TavixTextPlace &o) const
{
    return std::tie(block, line, position) < std::tie(o.block, o.line, o.position);
}

TavixQLabelExImpl::TavixQLabelExImpl(TavixQLabelEx *owner)
    : TavixQTextLabelImpl(owner, QString::fromLatin1(TavixQLabelEx::typeName()))
    , document(new QTextDocument(this))
{
}

bool TavixQLabelExImpl::interactive() const
{
    return label->textInteractionFlags() != Qt::NoTextInteraction;
}

void TavixQLabelExImpl::applyStyle()
{
    document->setDefaultFont(tavixTextStyleFont(activeStyle()));
    label->updateGeometry();
    label->update();
}

void TavixQLabelExImpl::showText(const QString &text)
{
    const bool changed = text != document->toPlainText();
    clearSelection();
    document->setPlainText(text);
    label->updateGeometry();
    label->update();
    if (changed)
        tavixNotifyAccessibleName(label);   // set, read from a page or translated alike
}

QString TavixQLabelExImpl::text() const
{
    return document->toPlainText();
}

void TavixQLabelExImpl::layOut() const
{
    // Setting an unchanged width would still lay the whole document out again.
    const qreal width = qMax(1, label->width());
    if (document->textWidth() != width)
        document->setTextWidth(width);
    document->documentLayout()->documentSize();
}

TavixTextPlace TavixQLabelExImpl::hitTest(const QPoint &point) const
{
    layOut();
    int blockIndex = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next(), ++blockIndex) {
        const QTextLayout *layout = block.layout();
        if (!layout)
            continue;
        const QPointF origin = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (line.rect().translated(origin).contains(point))
                return {blockIndex, i, line.xToCursor(point.x() - origin.x())};
        }
    }
    return {};
}

void TavixQLabelExImpl::selectAll()
{
    layOut();
    const QTextBlock last = document->lastBlock();
    const QTextLayout *layout = last.layout();
    selStart = {0, 0, 0};
    selEnd = {qMax(0, document->blockCount() - 1), layout ? qMax(0, layout->lineCount() - 1) : 0,
              qMax(0, last.length() - 1)};
}

void TavixQLabelExImpl::clearSelection()
{
    selStart = selEnd = TavixTextPlace();
}

QVector<QRectF> TavixQLabelExImpl::selectionRects() const
{
    QVector<QRectF> rects;
    if (!selStart.isValid() || !selEnd.isValid() || selStart == selEnd)
        return rects;
    layOut();
    // Dragging backwards selects the same text as dragging forwards.
    const TavixTextPlace from = qMin(selStart, selEnd);
    const TavixTextPlace to = qMax(selStart, selEnd);
    int blockIndex = 0;
    for (QTextBlock block = document->begin(); block.isValid() && blockIndex <= to.block;
         block = block.next(), ++blockIndex) {
        const QTextLayout *layout = block.layout();
        if (blockIndex < from.block || !layout)
            continue;
        const QPointF origin = layout->position();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const bool first = blockIndex == from.block && i == from.line;
            const bool last = blockIndex == to.block && i == to.line;
            if ((blockIndex == from.block && i < from.line) || (blockIndex == to.block && i > to.line))
                continue;
            const QTextLine line = layout->lineAt(i);
            const qreal left = first ? line.cursorToX(qBound(line.textStart(), from.position, line.textStart() + line.textLength()))
                                     : line.x();
            const qreal right = last ? line.cursorToX(qBound(line.textStart(), to.position, line.textStart() + line.textLength()))
                                     : line.x() + line.horizontalAdvance();
            if (right > left)
                rects.append(QRectF(origin.x() + left, origin.y() + line.y(), right - left, line.height()));
        }
    }
    return rects;
}

void TavixQLabelExImpl::paint(QPainter *painter, const QRect &rect)
{
    painter->save();
    painter->setRenderHint(QPainter::TextAntialiasing, true);
    painter->translate(rect.topLeft());
    layOut();
    for (const QRectF &r : selectionRects())
        painter->fillRect(r, QColor::fromRgb(kSelectionColor));
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = label->palette();
    context.palette.setColor(QPalette::Text, activeStyle().color);
    context.clip = QRectF(0, 0, rect.width(), rect.height());
    painter->setClipRect(context.clip);
    document->documentLayout()->draw(painter, context);
    painter->restore();
}

void TavixQLabelExImpl::mousePressEvent(QMouseEvent *event)
{
    if (!interactive() || !event)
        return;
    // QLabel ignores a press it has no use for; taken here, the drag that follows comes to this label.
    event->accept();
    // A press starts a selection where it lands.
    selStart = selEnd = hitTest(event->pos());
    label->setMouseTracking(true);
    label->update();
}

void TavixQLabelExImpl::mouseMoveEvent(QMouseEvent *event)
{
    if (!interactive() || !event)
        return;
    event->accept();
    // Beside the text there is no line to hit: the selection keeps its last end instead of vanishing.
    const TavixTextPlace hit = hitTest(event->pos());
    if (hit.isValid() && hit != selEnd) {
        selEnd = hit;
        label->update();
    }
}

void TavixQLabelExImpl::mouseReleaseEvent(QMouseEvent *event)
{
    if (!interactive() || !event)
        return;
    event->accept();
    label->setMouseTracking(false);
    label->update();
}

void TavixQLabelExImpl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!interactive() || !event)
        return;
    event->accept();
    selectAll();
    label->update();
}

} // namespace TavixQtLib
