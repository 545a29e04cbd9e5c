#pragma once

#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

#include <QString>

class QCheckBox;

namespace TavixQtLib {

// Private side of TavixQCheckBox: backgrounds by checked state and CtrlState, indicator images and
// three caption styles.
class TAVIXQTLIB_EXPORT TavixQCheckBoxImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    explicit TavixQCheckBoxImpl(QCheckBox *checkBox);
    ~TavixQCheckBoxImpl() override;

    void paint(QPainter *painter, const QRect &rect) override;
    bool serializeJsonValue(Json::Value **node, bool read) override;
    void notifyChangeLanguage() override;

    // Left edge of the caption: right of the unchecked indicator when it sits at the left.
    int captionX() const;
    // The indicator for a checked state and CtrlState; empty draws none.
    QString indicatorPath(bool checked, int state) const;

    QCheckBox *checkBox = nullptr;

    QString uncheckIcon = QStringLiteral("IDB_UNCHECK");
    QString uncheckHotIcon = QStringLiteral("IDB_UNCHECK");
    QString checkedIcon = QStringLiteral("IDB_CHECKED");
    QString checkedHotIcon = QStringLiteral("IDB_CHECKED");
    QString disableCheckedIcon;
    QString disableUncheckIcon;
    QString languageKey;
    IconStyleDesc iconStyle;            // left, vertically centred
    TextStyleDesc uncheckTextStyle;
    TextStyleDesc checkedTextStyle;
    TextStyleDesc disableTextStyle;
    bool showIcon = true;
    bool showText = true;
    FillStyle uncheckBackgrounds[4];    // by CtrlState; nothing painted until a style is assigned
    FillStyle checkedBackgrounds[4];
};

} // namespace TavixQtLib
