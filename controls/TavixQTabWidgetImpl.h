#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace TavixQtLib {

class TavixQTabWidget;

struct TavixTabItem
{
    QString iconPath;
    QString selectedIconPath;
    QString text;
    QVariant data;
};

class TAVIXQTLIB_EXPORT TavixQTabWidgetImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQTabWidgetImpl(TavixQTabWidget *tab);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void createComplete() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

    // Cell index of n along a bar of the given size. Sizes and gaps come from documents: the offset is
    // computed wide and kept within Qt's coordinate range, a negative cell length counts as 0.
    static QRect cellRect(int index, bool horizontal, int itemSize, int itemSpace, const QSize &size);
    QRect cellRect(int index) const;
    // The first cell containing pos, or -1.
    int cellAt(const QPoint &pos) const;
    // The tab a navigation key selects (arrows step without wrapping, Home and End jump), or -1 for
    // any other key. A selection outside the list counts from its nearer end.
    int keyTarget(int key) const;
    // The selected cell, inset so the frame sits inside its border.
    QRect focusFrameRect() const override;

    TavixQTabWidget *tab = nullptr;
    bool showIcon = true;
    bool showText = true;
    int selectedIndex = 0;
    int hotIndex = -1;
    int itemSpace = 0;
    int vertical = 0;               // 0: cells run horizontally
    int itemSize = 50;
    QList<TavixTabItem> items;
    FillStyle background;
    FillStyle itemBackgrounds[4];   // by CtrlState; Disable is kept but not painted
    TextStyleDesc itemTextStyles[4];
    IconStyleDesc iconStyle;
};

} // namespace TavixQtLib
