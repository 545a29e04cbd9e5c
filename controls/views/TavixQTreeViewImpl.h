#pragma once

#include "controls/views/TavixItemRowStyles.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

namespace TavixQtLib {

class TavixQTreeView;

// Private side of TavixQTreeView: the row styles the delegate paints with, the background the viewport,
// corner and viewport widgets share, and the header styles kept for callers (the header is hidden).
class TAVIXQTLIB_EXPORT TavixQTreeViewImpl : public TavixQWidgetBaseImpl, public TavixItemRowStyles
{
    Q_OBJECT
public:
    explicit TavixQTreeViewImpl(TavixQTreeView *tree);

    bool serializeJsonValue(Json::Value **node, bool read) override;
    // Emulator mode gives a model-less tree demonstration rows; page-made extra scroll bars go.
    void createComplete() override;
    // Paints the background under the viewport before Qt paints the rows and branches.
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Index into itemBackgrounds and itemTextStyles: 2 selected, else 1 under the pointer, else 0.
    static int rowStyleIndex(bool mouseOver, bool selected);

    FillStyle headerBackgrounds[4];
    TextStyleDesc headerTextStyles[4];

private:
    TavixQTreeView *tree = nullptr;
};

} // namespace TavixQtLib
