#include "controls/ribbon/TavixRibbonLayout.h"

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQSwitch.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/ribbon/TavixQRibbonBarImpl.h"
#include "controls/ribbon/TavixQRibbonPushButton.h"

#include <QVariant>
#include <QWidget>

namespace TavixQtLib {

namespace {

int sizeProperty(const QWidget *item, const char *name)
{
    bool ok = false;
    const int value = item->property(name).toInt(&ok);
    return ok ? value : 0;
}

} // namespace

QSize tavixRibbonItemSize(const QWidget *item)
{
    if (!item)
        return QSize(0, 0);
    QSize size = item->sizeHint();
    if (qobject_cast<const TavixQComboBox *>(item))
        size = QSize(122, 24);
    else if (qobject_cast<const TavixQProgressBar *>(item))
        size = QSize(122, 18);
    else if (qobject_cast<const TavixQCheckBox *>(item) || qobject_cast<const TavixQRadioButton *>(item))
        size = QSize(112, 24);
    else if (qobject_cast<const TavixQLabel *>(item))
        size = QSize(48, 24);
    else if (qobject_cast<const TavixQLineEdit *>(item))
        size = QSize(180, 24);
    else if (qobject_cast<const TavixQSpinBox *>(item))
        size = QSize(68, 24);
    else if (qobject_cast<const TavixQSwitch *>(item))
        size = QSize(44, 22);
    const int width = sizeProperty(item, "tavixRibbonWidth");
    const int height = sizeProperty(item, "tavixRibbonHeight");
    if (width > 0)
        size.setWidth(width);
    if (height > 0)
        size.setHeight(height);
    return QSize(qBound(0, size.width(), QWIDGETSIZE_MAX), qBound(0, size.height(), QWIDGETSIZE_MAX));
}

bool tavixRibbonIsSmallItem(const QWidget *item)
{
    if (const auto *button = qobject_cast<const TavixQRibbonPushButton *>(item))
        return button->ribbonButtonStyle() == RibbonButtonSmall;
    return qobject_cast<const TavixQComboBox *>(item) || qobject_cast<const TavixQProgressBar *>(item)
           || qobject_cast<const TavixQCheckBox *>(item) || qobject_cast<const TavixQRadioButton *>(item)
           || qobject_cast<const TavixQLabel *>(item) || qobject_cast<const TavixQLineEdit *>(item)
           || qobject_cast<const TavixQSpinBox *>(item) || qobject_cast<const TavixQSwitch *>(item);
}

bool tavixRibbonIsBuilding(const QWidget *part)
{
    for (const QWidget *w = part; w; w = w->parentWidget()) {
        if (const auto *bar = qobject_cast<const TavixQRibbonBar *>(w))
            return bar->getImpl() && bar->getImpl()->building;
    }
    return false;
}

} // namespace TavixQtLib
