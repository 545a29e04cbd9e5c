#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QList>
#include <QPointer>

namespace TavixQtLib {

class TavixQRibbonArea;
class TavixQRibbonBar;
class TavixQRibbonPage;
class TavixQTabWidget;

// Private side of TavixQRibbonBar: its settings, parts and sixteen style records.
class TAVIXQTLIB_EXPORT TavixQRibbonBarImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    // Style slots, as numbered in the bar's "style" entries.
    enum Slot : int {
        BarBackground = 0, AreaBackground = 1, GroupBackground = 2, SpareFill = 3,
        TabNormal = 4,      // .. 7, by CtrlState
        ButtonNormal = 8,   // .. 11, by CtrlState
        TabText = 12, GroupTitleText = 13, ButtonText = 14, SpareText = 15
    };
    static constexpr int kFillCount = 12;
    static constexpr int kTextCount = 4;
    static constexpr int kMinTabHeight = 22;
    static constexpr int kMaxHeaderHeight = 10000;   // a document's header height is kept below this
    static constexpr int kDefaultTopBarHeight = 34;

    explicit TavixQRibbonBarImpl(TavixQRibbonBar *bar);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void notifyChangeLanguage() override;

    // Pushes the records into the tab row and every item of the bar.
    void applyStyles();
    void applyItemStyle(QWidget *item);
    // Header row height: tabHeight (at least 22), raised to topBarHeight when a top bar shows.
    int headerHeight() const;
    // Width of one tab: tabItemWidth when at least 1, else max(3 x tabHeight, 76).
    int tabWidth() const;

    const FillStyle &fill(int slot) const { return fills[slot]; }
    const TextStyleDesc &text(int slot) const { return texts[slot - TabText]; }

    TavixQRibbonBar *bar = nullptr;
    TavixQRibbonArea *area = nullptr;
    TavixQTabWidget *tabBar = nullptr;
    // The bar deletes these when the top bar is reloaded; a caller may have deleted one first.
    QList<QPointer<QWidget>> leftItems;
    QList<QPointer<QWidget>> rightItems;
    bool selectingTab = false;
    bool building = false;      // a configuration is being built: one layout pass at its end
    bool minimized = false;
    bool showMenuBar = false;
    int groupHeight = 92;
    int groupRowCount = 3;
    int tabHeight = 30;
    int tabItemWidth = 0;
    int topBarHeight = 0;
    FillStyle fills[kFillCount];
    TextStyleDesc texts[kTextCount];
};

} // namespace TavixQtLib
