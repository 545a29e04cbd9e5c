#pragma once

#include "controls/views/TavixItemRowStyles.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

namespace TavixQtLib {

class TavixQList;

// Private side of TavixQList: the row styles the delegate paints with and the viewport background.
class TAVIXQTLIB_EXPORT TavixQListImpl : public TavixQWidgetBaseImpl, public TavixItemRowStyles
{
    Q_OBJECT
public:
    explicit TavixQListImpl(TavixQList *list);

    bool serializeJsonValue(Json::Value **node, bool read) override;
    // Emulator mode fills the list with demonstration rows; page-made extra scroll bars go.
    void createComplete() override;
    // Paints the background under the viewport before Qt paints the rows.
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Index into itemBackgrounds and itemTextStyles: 1 under the pointer, else 2 selected, else 0.
    static int rowStyleIndex(bool mouseOver, bool selected);

private:
    TavixQList *list = nullptr;
};

} // namespace TavixQtLib
