#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QColor>
#include <QPolygon>

namespace TavixQtLib {

class TAVIXQTLIB_EXPORT TavixQGroupBoxImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQGroupBoxImpl(QWidget *widget);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void notifyChangeLanguage() override;

    // The frame: from the left end of the top-edge gap round the box to its right end. The gap runs
    // from 5 to 9 + captionWidth pixels from the left, at half the caption height.
    static QPolygon framePath(const QRect &rect, int captionWidth, int captionHeight, int lineSize);
    // Caption size as painted: no width while the caption is hidden.
    QSize captionSize() const;
    // A caption read from a page or a language switch, announced like one set through setText().
    void setCaption(const QString &caption);

    bool showText = true;
    FillStyle background;
    QString text;
    QString languageKey;        // translation key of text, from a "|->key" caption
    TextStyleDesc textStyle;
    QColor lineColor = QColor(0, 0, 0);
    int lineSize = 1;
};

} // namespace TavixQtLib
