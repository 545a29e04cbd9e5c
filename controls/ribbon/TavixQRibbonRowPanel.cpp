#include "controls/ribbon/TavixQRibbonRowPanel.h"

#include "controls/ribbon/TavixQRibbonPushButton.h"
#include "core/TavixTypes.h"

#include <QChildEvent>
#include <QResizeEvent>

namespace TavixQtLib {

TavixQRibbonRowPanel::TavixQRibbonRowPanel(QWidget *parent)
    : QWidget(parent)
{
}

TavixQPushButton *TavixQRibbonRowPanel::addButton(int style)
{
    auto *button = new TavixQRibbonPushButton(this, style);
    appendItem(button);
    return button;
}

void TavixQRibbonRowPanel::appendItem(QWidget *item)
{
    m_items.append(item);
    item->show();
    updateGeometry();
}

QSize TavixQRibbonRowPanel::sizeHint() const
{
    long long width = 0;
    int height = 0;
    for (const QWidget *item : m_items) {
        const QSize hint = item->sizeHint();
        width += qMax(0, hint.width()) + 6;
        height = qMax(height, hint.height());
    }
    return QSize(tavixClampCoord(qMax(0LL, width - 6)), height);
}

void TavixQRibbonRowPanel::childEvent(QChildEvent *event)
{
    QWidget::childEvent(event);
    if (!event->removed())
        return;
    for (int i = 0; i < m_items.size(); ++i) {
        if (static_cast<QObject *>(m_items.at(i)) == event->child()) {
            m_items.removeAt(i);
            return;
        }
    }
}

void TavixQRibbonRowPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    long long x = 0;
    for (QWidget *item : m_items) {
        const int w = qMax(0, item->sizeHint().width());
        item->setGeometry(tavixClampCoord(x), 0, w, height());
        x += w + 6;
    }
}

} // namespace TavixQtLib
