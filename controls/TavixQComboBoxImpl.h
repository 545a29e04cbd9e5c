#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "resources/FillStyle.h"
#include "resources/TextStyleDesc.h"
#include "tavixqtlib_export.h"

#include <QStyle>
#include <QString>

class QComboBox;

namespace TavixQtLib {

// Private side of TavixQComboBox: the field, drop-down button and popup row looks.
class TAVIXQTLIB_EXPORT TavixQComboBoxImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    static constexpr int kDefaultItemHeight = 25;
    static constexpr int kIconSide = 16;       // item icons in the field and the popup
    static constexpr int kIconColumn = 20;     // width set aside for an item icon

    explicit TavixQComboBoxImpl(QComboBox *combo);

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    // In emulator mode: three demonstration items, the first current.
    void createComplete() override;

    // The square drop-down button at the right end of rect.
    static QRect buttonRect(const QRect &rect);
    // Where the current text goes: rect, or rect right of the icon column when an icon is shown.
    static QRect textRect(const QRect &rect, bool withIcon);
    // Popup row look: 1 under the pointer (even when selected), 2 selected, else 0.
    static int rowLook(QStyle::State rowState);

    // Per-state setters: AllStates sets all four, any other state outside 0..3 the Normal entry.
    template <class T>
    static void setEntry(T (&entries)[4], int state, const T &value)
    {
        tavixSetPerState(entries, state == AllStates ? int(AllStates) : tavixStateIndex(state), value);
    }

    QString btnIcons[4];
    int itemHeight = kDefaultItemHeight;
    FillStyle backgrounds[4];
    FillStyle btnBackgrounds[4];
    TextStyleDesc textStyles[4];
    FillStyle popupBackground;
    FillStyle itemBackgrounds[4];       // 0 plain, 1 under the pointer, 2 selected; 3 unused
    TextStyleDesc itemTextStyles[4];

private:
    QComboBox *combo = nullptr;
};

} // namespace TavixQtLib
