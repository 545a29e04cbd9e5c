#pragma once

#include "core/ControlInfo.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "tavixqtlib_export.h"

#include <QList>
#include <QMap>
#include <QPointer>

#include <array>
#include <vector>

namespace TavixQtLib {

class TavixQCheckBox;
class TavixQComboBox;
class TavixQContainer;
class TavixQLabel;
class TavixQLineEdit;
class TavixQPropertyList;
class TavixQPushButton;
class TavixQSpinBox;

// One row of the list. Editors a kind does not use stay null.
struct TAVIXQTLIB_EXPORT PropertyRow
{
    bool inUse = false;
    int kind = -1;
    TavixQContainer *container = nullptr;
    TavixQLabel *nameLabel = nullptr;
    TavixQLabel *valueLabel = nullptr;
    std::array<TavixQSpinBox *, 4> spinBoxes{};     // Int uses one, IntPair two, IntQuad four
    TavixQLineEdit *lineEdit = nullptr;
    TavixQCheckBox *checkBox = nullptr;
    TavixQComboBox *comboBox = nullptr;
    TavixQPushButton *styleButton = nullptr;        // style, image and colour rows: asks for a picker
    PropertyDef *def = nullptr;                     // while in use
    QPointer<QWidget> target;                       // def's target when the row was filled
};

class TAVIXQTLIB_EXPORT TavixQPropertyListImpl : public TavixQWidgetBaseImpl
{
    Q_OBJECT
public:
    static constexpr int kLabelWidth = 120;
    static constexpr int kRowHeight = 30;

    explicit TavixQPropertyListImpl(QWidget *widget);
    ~TavixQPropertyListImpl() override;

    // The row kind of a PropertyType code; -1 for codes without an editor.
    static int rowKind(int type);

    PropertyRow *getRow(int kind);
    void addItem(const PropertyDef &def);
    void removeAll();
    void bindControl(QWidget *control);
    // Places every row in use for the current width and sizes the content widget.
    void layoutRows();
    int rowsWidth() const;

    bool serializeJsonValue(Json::Value **node, bool read) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    TavixQPropertyList *list = nullptr;
    QWidget *content = nullptr;                      // owned by the list
    int labelWidth = kLabelWidth;
    QList<PropertyRow *> rows;                       // in use, in display order
    QMap<int, QList<PropertyRow *>> rowPool;         // every row ever made, by kind, in creation order
    std::vector<PropertyDef> boundDefs;              // bindControl's own copy of the descriptor
    QPointer<QWidget> boundControl;

private slots:
    void onTextChanged(const QString &text);
    void onToggled(bool checked);
    void onSpinChanged(int value);
    void onComboActivated(int index);
    void onButtonClicked();
    void onTargetDestroyed(QObject *object);

private:
    PropertyRow *makeRow(int kind);
    void placeRow(PropertyRow *row, int index, int width) const;
    void fillRow(PropertyRow *row, PropertyDef *def);
    // The row whose editor sent the signal, with a live definition and target; null otherwise.
    PropertyRow *senderRow(PropertyDef **def) const;
    void announce(PropertyDef *def);
};

} // namespace TavixQtLib
