#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "tavixqtlib_export.h"

#include <QList>
#include <QPointer>

namespace TavixQtLib {

class TavixQContainer;

// Paints the scroll view's background, also under the viewport through an event filter on it.
class TAVIXQTLIB_EXPORT TavixQScrollViewImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQScrollViewImpl(QWidget *widget);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    // The first TavixQContainer child becomes the scrolled content.
    void createComplete() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    QPointer<TavixQContainer> content;
    QList<QWidget *> reserved;
    FillStyle background;       // one style for every state
    int reservedSize = 24;

private:
    void writeContent(Json::Value &node) const;
};

} // namespace TavixQtLib
