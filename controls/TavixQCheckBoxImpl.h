#pragma once

#include "controls/TavixQCheckableImpl.h"
#include "tavixqtlib_export.h"

#include <QString>

class QCheckBox;

namespace TavixQtLib {

// Private side of TavixQCheckBox: backgrounds by checked state and CtrlState, the built-in indicator
// images by default, and an indicator of its own for each checked state while disabled.
class TAVIXQTLIB_EXPORT TavixQCheckBoxImpl : public TavixQCheckableImpl
{
    Q_OBJECT
public:
    explicit TavixQCheckBoxImpl(QCheckBox *checkBox);
    ~TavixQCheckBoxImpl() override;

    void paint(QPainter *painter, const QRect &rect) override;
    FillStyle *backgrounds(bool checked) override { return checked ? checkedBackgrounds : uncheckBackgrounds; }

    // Left edge of the caption: right of the unchecked indicator when it sits at the left.
    int captionX() const;
    // The indicator for a checked state and CtrlState; empty draws none.
    QString indicatorPath(bool checked, int state) const;
    // Sets the unchecked or checked indicator; its Hot variant follows while still the built-in image.
    void setIndicator(bool checked, const QString &path);

    QCheckBox *checkBox = nullptr;

    QString disableCheckedIcon;
    QString disableUncheckIcon;
    FillStyle uncheckBackgrounds[4];    // by CtrlState; nothing painted until a style is assigned
    FillStyle checkedBackgrounds[4];

protected:
    void readOwnAttrs(const Json::Value &attr) override;
    void writeOwnAttrs(Json::Value &node) const override;

private:
    // A Hot indicator still on the built-in image takes the unchecked or checked indicator.
    void followIndicator(bool checked);
};

} // namespace TavixQtLib
