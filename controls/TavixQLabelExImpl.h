#pragma once

#include "controls/TavixQTextLabelImpl.h"
#include "controls/TavixTextPlace.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QVector>

class QTextDocument;

namespace TavixQtLib {

class TavixQLabelEx;

class TAVIXQTLIB_EXPORT TavixQLabelExImpl : public TavixQTextLabelImpl
{
    Q_OBJECT
public:
    static constexpr QRgb kSelectionColor = 0xFF9BCAEF;   // (155, 202, 239)

    explicit TavixQLabelExImpl(TavixQLabelEx *label);

    void paint(QPainter *painter, const QRect &rect) override;
    // The document's default font from the active style.
    void applyStyle() override;
    QString text() const override;
    void showText(const QString &text) override;   // as plain text
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

    // The line under point (widget coordinates), or an invalid place.
    TavixTextPlace hitTest(const QPoint &point) const;
    void selectAll();
    void clearSelection();
    // Highlight rectangles of the selection, in widget coordinates, one per selected line part.
    QVector<QRectF> selectionRects() const;

    QString reservedText;
    TavixTextPlace selStart;
    TavixTextPlace selEnd;
    QTextDocument *document = nullptr;   // owned (child of this object)

private:
    bool interactive() const;
    // Lays the document out at the label's width, so hit tests match what is painted.
    void layOut() const;
};

} // namespace TavixQtLib
