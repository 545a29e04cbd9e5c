#include "designer/TavixQPropertyListImpl.h"

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQSpinBox.h"
#include "designer/TavixQCanvasWindow.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixNodeEntries.h"
#include "designer/TavixQPropertyList.h"

#include <json/value.h>

#include <QEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace TavixQtLib {

namespace {

constexpr char kPropId[] = "Prop_ID";
constexpr int kButtonSize = 20;

PropertyDef *propId(const QObject *editor)
{
    const QVariant v = editor ? editor->property(kPropId) : QVariant();
    return v.userType() == QMetaType::VoidStar ? static_cast<PropertyDef *>(v.value<void *>()) : nullptr;
}

void setPropId(QObject *editor, PropertyDef *def)
{
    if (!editor)
        return;
    if (def)
        editor->setProperty(kPropId, QVariant::fromValue(static_cast<void *>(def)));
    else
        editor->setProperty(kPropId, 0);
}

// Colours are edited as eight hex digits alpha, red, green, blue, as page documents write them.
QString colorText(const QColor &color)
{
    return QString::number(color.rgba(), 16).rightJustified(8, QLatin1Char('0')).toUpper();
}

bool parseColor(QString text, QColor &out)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('#')))
        text.remove(0, 1);
    if (text.size() != 6 && text.size() != 8)
        return false;
    bool ok = false;
    quint32 value = text.toUInt(&ok, 16);
    if (!ok)
        return false;
    if (text.size() == 6)
        value |= 0xff000000u;
    out = QColor::fromRgba(value);
    return true;
}

FillStyle swatchStyle(const QColor &color)
{
    FillStyle style;
    style.name = QStringLiteral("swatch");
    style.color = color;
    style.border = true;
    style.borderSize = 1;
    style.borderColor = QColor(96, 96, 96);
    return style;
}

// A text field framed, so that an empty one still shows where to type.
FillStyle fieldStyle()
{
    FillStyle style;
    style.name = QStringLiteral("propertyField");
    style.color = QColor(255, 255, 255);
    style.border = true;
    style.borderSize = 1;
    style.borderColor = QColor(150, 150, 150);
    return style;
}

} // namespace

TavixQPropertyListImpl::TavixQPropertyListImpl(QWidget *widget)
    : TavixQWidgetBaseImpl(widget, QString::fromLatin1(TavixQPropertyList::typeName()))
    , list(qobject_cast<TavixQPropertyList *>(widget))
{
}

TavixQPropertyListImpl::~TavixQPropertyListImpl() = default;

int TavixQPropertyListImpl::rowKind(int type)
{
    switch (type) {
    case ObjectName:
    case String:
        return 0;
    case FillStyleRef:
    case TextStyleRef:
        return 5;
    case ReadOnlyString:
    case Bool:
    case GroupLine:
    case ImagePath:
    case Int:
    case IntPair:
    case IntQuad:
    case Enumeration:
    case Color:
        return type;
    default:
        return -1;
    }
}

int TavixQPropertyListImpl::rowsWidth() const
{
    if (!list)
        return 0;
    // The viewport's width, worked out from the list's own size so that it holds before the list is
    // first shown: a vertical bar, when the rows need one, must never cover the editors.
    int width = list->width() - 2 * list->frameWidth();
    const int height = list->height() - 2 * list->frameWidth();
    if (int(rows.size()) * kRowHeight > height && list->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        width -= list->verticalScrollBar()->sizeHint().width();
    return std::max(0, width);
}

PropertyRow *TavixQPropertyListImpl::getRow(int kind)
{
    for (PropertyRow *row : rowPool.value(kind)) {
        if (row->inUse)
            continue;
        row->inUse = true;
        rows.append(row);
        placeRow(row, rows.size() - 1, rowsWidth());
        row->container->show();
        row->container->raise();
        return row;
    }
    PropertyRow *row = makeRow(kind);
    row->inUse = true;
    rowPool[kind].append(row);
    rows.append(row);
    placeRow(row, rows.size() - 1, rowsWidth());
    row->container->show();
    return row;
}

PropertyRow *TavixQPropertyListImpl::makeRow(int kind)
{
    auto *row = new PropertyRow;
    row->kind = kind;
    row->container = new TavixQContainer(content);
    row->container->setChildLayout(TavixQContainer::NoUse);   // editors are placed by the list
    row->container->setDrawBackground(false);
    QWidget *parent = row->container;

    if (kind == GroupLine) {
        auto *line = new TavixQContainer(parent);
        line->setObjectName(QStringLiteral("line"));
        line->setChildLayout(TavixQContainer::NoUse);
        line->setColor(QColor(160, 160, 160));
        row->valueLabel = nullptr;
        line->setProperty("_tavix_property_line", true);
    } else {
        row->nameLabel = new TavixQLabel(parent);
    }
    switch (kind) {
    case 0:
        row->lineEdit = new TavixQLineEdit(parent);
        break;
    case ReadOnlyString:
        row->valueLabel = new TavixQLabel(parent);
        break;
    case Bool:
        row->checkBox = new TavixQCheckBox(parent);
        connect(row->checkBox, &QAbstractButton::toggled, this, &TavixQPropertyListImpl::onToggled);
        break;
    case 5:
        row->valueLabel = new TavixQLabel(parent);
        row->styleButton = new TavixQPushButton(parent);
        row->styleButton->setText(QStringLiteral("..."));
        break;
    case ImagePath:
        row->lineEdit = new TavixQLineEdit(parent);
        row->styleButton = new TavixQPushButton(parent);
        row->styleButton->setText(QStringLiteral("..."));
        break;
    case Color:
        row->lineEdit = new TavixQLineEdit(parent);
        row->styleButton = new TavixQPushButton(parent);
        break;
    case Int:
    case IntPair:
    case IntQuad: {
        const int count = kind == Int ? 1 : kind == IntPair ? 2 : 4;
        for (int i = 0; i < count; ++i) {
            row->spinBoxes[i] = new TavixQSpinBox(parent);
            connect(row->spinBoxes[i], QOverload<int>::of(&QSpinBox::valueChanged), this,
                    &TavixQPropertyListImpl::onSpinChanged);
        }
        break;
    }
    case Enumeration:
        row->comboBox = new TavixQComboBox(parent);
        connect(row->comboBox, QOverload<int>::of(&QComboBox::activated), this,
                &TavixQPropertyListImpl::onComboActivated);
        break;
    default:
        break;
    }
    if (row->lineEdit) {
        row->lineEdit->setBackground(AllStates, fieldStyle());
        connect(row->lineEdit, &QLineEdit::textChanged, this, &TavixQPropertyListImpl::onTextChanged);
    }
    if (row->styleButton)
        connect(row->styleButton, &QAbstractButton::clicked, this, &TavixQPropertyListImpl::onButtonClicked);
    return row;
}

void TavixQPropertyListImpl::placeRow(PropertyRow *row, int index, int width) const
{
    const int h = kRowHeight;
    const int l = labelWidth;
    const int editor = std::max(0, width - l);
    row->container->getControlBase()->setGeometry(0, index * h, width, h);
    if (row->nameLabel)
        row->nameLabel->getControlBase()->setGeometry(0, 0, l, h);
    switch (row->kind) {
    case GroupLine:
        for (QObject *child : row->container->children()) {
            if (auto *line = qobject_cast<TavixQContainer *>(child))
                line->getControlBase()->setGeometry(l, h / 2, std::max(0, width - l), 1);
        }
        break;
    case ReadOnlyString:
        row->valueLabel->getControlBase()->setGeometry(l, 0, editor, h);
        break;
    case Bool:
        row->checkBox->getControlBase()->setGeometry(l, 0, editor, h);
        break;
    case 0:
        row->lineEdit->getControlBase()->setGeometry(l, 0, editor, h);
        break;
    case 5:
        row->valueLabel->getControlBase()->setGeometry(l, 0, std::max(0, editor - h), h);
        row->styleButton->getControlBase()->setGeometry(width - 25, 5, kButtonSize, kButtonSize);
        break;
    case ImagePath:
    case Color:
        row->lineEdit->getControlBase()->setGeometry(l, 0, std::max(0, editor - h), h);
        row->styleButton->getControlBase()->setGeometry(width - 25, 5, kButtonSize, kButtonSize);
        break;
    case Int:
    case IntPair:
    case IntQuad: {
        const int count = row->kind == Int ? 1 : row->kind == IntPair ? 2 : 4;
        for (int i = 0; i < count; ++i) {
            const int x0 = l + editor * i / count;
            const int x1 = l + editor * (i + 1) / count;
            row->spinBoxes[i]->getControlBase()->setGeometry(x0, 0, x1 - x0, h);
        }
        break;
    }
    case Enumeration:
        row->comboBox->getControlBase()->setGeometry(l, 0, editor, h);
        break;
    default:
        break;
    }
}

void TavixQPropertyListImpl::addItem(const PropertyDef &constDef)
{
    const int kind = rowKind(constDef.type);
    if (kind < 0)
        return;
    auto *def = const_cast<PropertyDef *>(&constDef);   // the signals hand the caller's own record back
    PropertyRow *row = getRow(kind);
    row->def = def;
    row->target = def->target;
    if (def->target)
        connect(def->target, &QObject::destroyed, this, &TavixQPropertyListImpl::onTargetDestroyed,
                Qt::UniqueConnection);
    if (row->nameLabel)
        row->nameLabel->setText(def->label);
    fillRow(row, def);
    layoutRows();
}

void TavixQPropertyListImpl::fillRow(PropertyRow *row, PropertyDef *def)
{
    QWidget *target = row->target;
    // Editors are filled detached and with their signals blocked: filling is no edit.
    const auto detach = [](QObject *editor) { setPropId(editor, nullptr); };
    const auto attach = [def](QObject *editor) { setPropId(editor, def); };

    switch (row->kind) {
    case 0:
    case ImagePath: {
        detach(row->lineEdit);
        const QSignalBlocker block(row->lineEdit);
        row->lineEdit->setText(def->getString && target ? def->getString(target) : QString());
        row->lineEdit->setReadOnly(!def->setString);
        attach(row->lineEdit);
        if (row->styleButton)
            attach(row->styleButton);
        break;
    }
    case ReadOnlyString:
        row->valueLabel->setText(def->getString && target ? def->getString(target) : QString());
        break;
    case Bool: {
        detach(row->checkBox);
        const QSignalBlocker block(row->checkBox);
        row->checkBox->setChecked(def->getBool && target && def->getBool(target));
        attach(row->checkBox);
        break;
    }
    case 5: {
        QString name;
        if (target && def->type == FillStyleRef && def->getFillStyle)
            name = def->getFillStyle(target, Normal).name;
        else if (target && def->type == TextStyleRef && def->getTextStyle)
            name = def->getTextStyle(target, Normal).name;
        row->valueLabel->setText(name);
        attach(row->styleButton);
        break;
    }
    case Color: {
        detach(row->lineEdit);
        const QColor color = def->getColor && target ? def->getColor(target) : QColor();
        const QSignalBlocker block(row->lineEdit);
        row->lineEdit->setText(color.isValid() ? colorText(color) : QString());
        row->lineEdit->setReadOnly(!def->setColor);
        row->styleButton->setBackground(AllStates, swatchStyle(color.isValid() ? color : QColor(Qt::transparent)));
        attach(row->lineEdit);
        attach(row->styleButton);
        break;
    }
    case Int:
    case IntPair:
    case IntQuad: {
        int values[4] = {0, 0, 0, 0};
        if (target && row->kind == Int && def->getInt)
            values[0] = def->getInt(target);
        else if (target && row->kind == IntPair && def->getIntPair)
            def->getIntPair(target, values[0], values[1]);
        else if (target && row->kind == IntQuad && def->getIntQuad)
            def->getIntQuad(target, values[0], values[1], values[2], values[3]);
        const int lo = std::min(def->minimum, def->maximum);
        const int hi = std::max(def->minimum, def->maximum);
        for (std::size_t i = 0; i < row->spinBoxes.size(); ++i) {
            TavixQSpinBox *spin = row->spinBoxes[i];
            if (!spin)
                continue;
            detach(spin);
            const QSignalBlocker block(spin);
            spin->setRange(lo, hi);
            spin->setValue(values[i]);
            spin->setReadOnly(!(row->kind == Int ? bool(def->setInt)
                                                 : row->kind == IntPair ? bool(def->setIntPair)
                                                                        : bool(def->setIntQuad)));
            attach(spin);
        }
        break;
    }
    case Enumeration: {
        detach(row->comboBox);
        const QSignalBlocker block(row->comboBox);
        row->comboBox->clear();
        const std::size_t count = std::min(def->optionValues.size(), def->optionTexts.size());
        for (std::size_t i = 0; i < count; ++i)
            row->comboBox->addItem(def->optionTexts[i]);
        const int value = def->getInt && target ? def->getInt(target) : 0;
        int index = -1;
        for (std::size_t i = 0; i < count; ++i) {
            if (def->optionValues[i] == value) {
                index = int(i);
                break;
            }
        }
        row->comboBox->setCurrentIndex(index);
        attach(row->comboBox);
        break;
    }
    default:
        break;
    }
}

void TavixQPropertyListImpl::removeAll()
{
    for (PropertyRow *row : rows) {
        row->inUse = false;
        row->container->hide();
        // A pooled row refers to nothing, so a stray signal from it writes nowhere.
        for (QObject *editor : std::initializer_list<QObject *>{row->lineEdit, row->checkBox, row->comboBox,
                                                               row->styleButton})
            setPropId(editor, nullptr);
        for (TavixQSpinBox *spin : row->spinBoxes)
            setPropId(spin, nullptr);
        row->def = nullptr;
        row->target = nullptr;
    }
    rows.clear();
}

void TavixQPropertyListImpl::bindControl(QWidget *control)
{
    removeAll();
    boundDefs.clear();
    boundControl = control;
    if (control)
        connect(control, &QObject::destroyed, this, &TavixQPropertyListImpl::onTargetDestroyed,
                Qt::UniqueConnection);
    auto *base = dynamic_cast<ITavixQWidgetBase *>(control);
    const ControlInfo *info = base ? tavixGetControlInfo(base->getTypeName()) : nullptr;
    // A page window is no kit control; the registry describes it under "Window".
    if (!info && qobject_cast<TavixQCanvasWindow *>(control))
        info = tavixGetControlInfo(QStringLiteral("Window"));
    if (info) {
        boundDefs = info->properties;
        for (PropertyDef &def : boundDefs)
            def.target = control;
        for (const PropertyDef &def : boundDefs)
            addItem(def);
    }
    layoutRows();
}

void TavixQPropertyListImpl::layoutRows()
{
    const int width = rowsWidth();
    for (int i = 0; i < rows.size(); ++i)
        placeRow(rows[i], i, width);
    if (content)
        content->setFixedSize(width, int(rows.size()) * kRowHeight);
}

PropertyRow *TavixQPropertyListImpl::senderRow(PropertyDef **def) const
{
    auto *editor = qobject_cast<QWidget *>(sender());
    PropertyDef *d = propId(editor);
    *def = d;
    if (!d || !editor)
        return nullptr;
    for (PropertyRow *row : rows) {
        if (row->def == d && editor->parentWidget() == row->container)
            return row->target && d->target == row->target ? row : nullptr;
    }
    return nullptr;
}

void TavixQPropertyListImpl::announce(PropertyDef *def)
{
    if (list)
        list->updateValue(def);
}

void TavixQPropertyListImpl::onTextChanged(const QString &text)
{
    PropertyDef *def = nullptr;
    PropertyRow *row = senderRow(&def);
    if (!row)
        return;
    if (def->type == Color) {
        QColor color;
        if (!def->setColor || !parseColor(text, color))
            return;     // half-typed or malformed: nothing is written until the text names a colour
        def->setColor(row->target, color);
        if (row->target && def->getColor)
            row->styleButton->setBackground(AllStates, swatchStyle(def->getColor(row->target)));
        row->styleButton->update();
    } else {
        if (!def->setString)
            return;
        def->setString(row->target, text);
    }
    announce(def);
}

void TavixQPropertyListImpl::onToggled(bool checked)
{
    PropertyDef *def = nullptr;
    PropertyRow *row = senderRow(&def);
    if (!row || !def->setBool)
        return;
    def->setBool(row->target, checked);
    announce(def);
}

void TavixQPropertyListImpl::onSpinChanged(int)
{
    PropertyDef *def = nullptr;
    PropertyRow *row = senderRow(&def);
    if (!row)
        return;
    int v[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i)
        v[i] = row->spinBoxes[i] ? row->spinBoxes[i]->value() : 0;
    QPointer<QWidget> target = row->target;
    if (row->kind == Int && def->setInt)
        def->setInt(target, v[0]);
    else if (row->kind == IntPair && def->setIntPair)
        def->setIntPair(target, v[0], v[1]);
    else if (row->kind == IntQuad && def->setIntQuad)
        def->setIntQuad(target, v[0], v[1], v[2], v[3]);
    else
        return;
    // Show what the control kept: a setter may clamp.
    if (target) {
        if (row->kind == Int && def->getInt)
            v[0] = def->getInt(target);
        else if (row->kind == IntPair && def->getIntPair)
            def->getIntPair(target, v[0], v[1]);
        else if (row->kind == IntQuad && def->getIntQuad)
            def->getIntQuad(target, v[0], v[1], v[2], v[3]);
        for (int i = 0; i < 4; ++i) {
            if (TavixQSpinBox *spin = row->spinBoxes[i]) {
                const QSignalBlocker block(spin);
                spin->setValue(v[i]);
            }
        }
    }
    announce(def);
}

void TavixQPropertyListImpl::onComboActivated(int index)
{
    PropertyDef *def = nullptr;
    PropertyRow *row = senderRow(&def);
    if (!row || !def->setInt || index < 0 || std::size_t(index) >= def->optionValues.size())
        return;
    def->setInt(row->target, def->optionValues[std::size_t(index)]);
    announce(def);
}

void TavixQPropertyListImpl::onButtonClicked()
{
    PropertyDef *def = nullptr;
    if (senderRow(&def) && list)
        emit list->selectEvent(def);
}

void TavixQPropertyListImpl::onTargetDestroyed(QObject *object)
{
    // A widget emits destroyed before its QPointers clear, so the rows are matched by address. The
    // rows of a deleted control have nothing left to edit.
    bool orphaned = object && boundControl.data() == object;
    for (PropertyRow *row : rows)
        orphaned = orphaned || (object && row->target.data() == object);
    if (!orphaned)
        return;
    removeAll();
    if (boundControl.data() == object) {
        boundDefs.clear();
        boundControl = nullptr;
    }
    layoutRows();
}

bool TavixQPropertyListImpl::serializeJsonValue(Json::Value **node, bool read)
{
    const bool result = TavixQWidgetBaseImpl::serializeJsonValue(node, read);
    if (!node || !*node || !list)
        return result;
    // The scroll view's background, slot 0, reached through its accessors.
    FillStyle background = list->getBackground(CommonNormal);
    TavixStyleSlots styleSlots(this);
    styleSlots.fill(0, &background);
    if (read) {
        if (styleSlots.read(**node))
            list->setBackground(CommonNormal, background);
    } else {
        styleSlots.write(**node);
    }
    return result;
}

bool TavixQPropertyListImpl::eventFilter(QObject *watched, QEvent *event)
{
    if (list && watched == list->viewport() && event->type() == QEvent::Resize)
        layoutRows();
    return TavixQWidgetBaseImpl::eventFilter(watched, event);
}

} // namespace TavixQtLib
