#include "GallerySamples.h"

#include "controls/charts/TavixQECGChart.h"
#include "controls/charts/TavixQICDChart.h"
#include "controls/ribbon/TavixQRibbonBar.h"
#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQGroupBox.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQScrollBarImpl.h"
#include "controls/TavixQScrollView.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQStackContainer.h"
#include "controls/TavixQTabWidget.h"
#include "controls/TavixQTabWidgetImpl.h"
#include "controls/TavixQTextEdit.h"
#include "controls/views/TavixQList.h"
#include "controls/views/TavixQListView.h"
#include "controls/views/TavixQMenu.h"
#include "controls/views/TavixQMenuBar.h"
#include "controls/views/TavixQMenuBarImpl.h"
#include "controls/views/TavixQMenuImpl.h"
#include "controls/views/TavixQTableView.h"
#include "controls/views/TavixQTableViewImpl.h"
#include "controls/views/TavixQTreeView.h"
#include "core/TavixLibrary.h"
#include "core/TavixQtCompat.h"
#include "designer/TavixQPropertyList.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "core/TavixTypes.h"

#include <QAbstractButton>
#include <QAction>
#include <QIcon>
#include <QCoreApplication>
#include <QHeaderView>
#include <QHoverEvent>
#include <QAbstractSlider>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QLCDNumber>
#include <QMetaProperty>
#include <QProgressBar>
#include <QStandardItemModel>

#include <cmath>

namespace TavixGallery {

using namespace TavixQtLib;

namespace {

void setCaption(QWidget *control, const char *text)
{
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(QString::fromUtf8(text));
    else
        control->setProperty("text", QString::fromUtf8(text));
}

void setRange(QWidget *control, int value)
{
    if (auto *slider = qobject_cast<QAbstractSlider *>(control)) {
        slider->setRange(0, 100);
        slider->setPageStep(25);
        slider->setValue(value);
    } else if (auto *bar = qobject_cast<QProgressBar *>(control)) {
        bar->setRange(0, 100);
        bar->setValue(value);
    }
}

TavixQPushButton *button(const QString &text, QWidget *parent = nullptr)
{
    auto *b = new TavixQPushButton(parent);
    b->setText(text);
    return b;
}

// A container of buttons laid out by its own engine.
TavixQContainer *buttonColumn(int count, TavixQContainer::AutoChildLayout layout, const char *prefix)
{
    auto *column = new TavixQContainer;
    column->setChildLayout(layout);
    column->setChildPadding(6);
    column->setChildSpace(6);
    for (int i = 1; i <= count; ++i)
        column->addChildWidget(button(QStringLiteral("%1 %2").arg(QString::fromUtf8(prefix)).arg(i)));
    return column;
}

void setupButton(QWidget *c) { setCaption(c, "Button"); }
void setupCheckBox(QWidget *c) { setCaption(c, "Check box"); }
void setupRadio(QWidget *c) { setCaption(c, "Radio button"); }
void setupLabel(QWidget *c) { setCaption(c, "Label text"); }

void setupContainer(QWidget *c)
{
    auto *container = qobject_cast<TavixQContainer *>(c);
    if (!container)
        return;
    container->setChildLayout(TavixQContainer::Horizontal);
    container->setChildPadding(8);
    container->setChildSpace(8);
    container->addChildWidget(button(QStringLiteral("One")));
    container->addChildWidget(button(QStringLiteral("Two")));
}

void setupGroupBox(QWidget *c)
{
    auto *box = qobject_cast<TavixQGroupBox *>(c);
    if (!box)
        return;
    box->setText(QStringLiteral("Group box"));
    auto *option = new TavixQCheckBox(c);
    option->setText(QStringLiteral("Option"));
    option->setGeometry(14, 30, 150, 24);
    auto *action = button(QStringLiteral("Apply"), c);
    action->setGeometry(14, 62, 80, 28);
}

void setupStack(QWidget *c)
{
    auto *stack = qobject_cast<TavixQStackContainer *>(c);
    if (!stack)
        return;
    stack->addWidget(buttonColumn(2, TavixQContainer::Vertical, "Page 1, button"));
    stack->addWidget(buttonColumn(2, TavixQContainer::Vertical, "Page 2, button"));
    stack->setCurrentIndex(0);
}

// A column taller than the view, so the vertical bar appears; the width follows the view.
void setupScrollView(QWidget *c)
{
    auto *view = qobject_cast<TavixQScrollView *>(c);
    if (!view)
        return;
    TavixQContainer *content = buttonColumn(6, TavixQContainer::Vertical, "Item");
    content->setMinimumHeight(6 * 36);
    view->setWidgetResizable(true);
    view->setWidget(content);
}

void setupScrollBar(QWidget *c) { setRange(c, 30); }

void setupCombo(QWidget *c)
{
    if (auto *combo = qobject_cast<TavixQComboBox *>(c))
        combo->addItems({QStringLiteral("First choice"), QStringLiteral("Second choice"), QStringLiteral("Third")});
}

void setupLineEdit(QWidget *c)
{
    if (auto *edit = qobject_cast<TavixQLineEdit *>(c)) {
        edit->setPlaceholderText(QStringLiteral("Placeholder"));
        edit->setText(QStringLiteral("Line edit text"));
    }
}

void setupTextEdit(QWidget *c)
{
    if (auto *edit = qobject_cast<TavixQTextEdit *>(c))
        edit->setPlainText(QStringLiteral("Text edit, first line\nSecond line\nThird line"));
}

void setupSpinBox(QWidget *c)
{
    if (auto *box = qobject_cast<TavixQSpinBox *>(c)) {
        box->setRange(0, 100);
        box->setValue(42);
    }
}

void setupLcd(QWidget *c)
{
    if (auto *lcd = qobject_cast<QLCDNumber *>(c)) {
        lcd->setDigitCount(5);
        lcd->display(QStringLiteral("12:34"));
    }
}

// Each part shows the state, so one sheet shows all of the bar's per-state styles.
void forceScrollBarState(QWidget *c, int state)
{
    auto *bar = qobject_cast<TavixQScrollBar *>(c);
    if (TavixQScrollBarImpl *impl = bar ? bar->getImpl() : nullptr)
        impl->thumbState = impl->upState = impl->downState = state;
}

double gauss(double t, double centre, double width)
{
    const double d = (t - centre) / width;
    return std::exp(-0.5 * d * d);
}

// Millivolts of a synthetic beat at 75 per minute: P wave, QRS complex, T wave.
double ecgMillivolts(double t)
{
    const double phase = std::fmod(t, 0.8);
    return 0.15 * gauss(phase, 0.16, 0.025) - 0.12 * gauss(phase, 0.285, 0.008) + 1.3 * gauss(phase, 0.30, 0.010)
        - 0.3 * gauss(phase, 0.318, 0.009) + 0.32 * gauss(phase, 0.52, 0.045);
}

// A sweep caught mid-screen: the previous sweep (one beat later in phase) stays visible right of
// the newest point behind the gap.
template <class Chart>
void sweepSample(Chart *chart, double pixelsPerSecond)
{
    const int w = chart->width();
    const double baseline = chart->height() * 0.65;
    const double gain = chart->height() * 0.4;
    auto addSweep = [&](int upToX, double phase) {
        for (int x = 0; x <= upToX; ++x)
            chart->addData(float(x), float(baseline - ecgMillivolts(x / pixelsPerSecond + phase) * gain));
    };
    addSweep(w - 1, 0.37);
    chart->swapData();
    chart->clearData();
    addSweep(w * 3 / 5, 0.0);
}

// A picture made once for every image cell: the control does not own images it is given.
const QImage &samplePicture()
{
    static const QImage picture = [] {
        QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&image);
        QLinearGradient sky(0, 0, 0, 48);
        sky.setColorAt(0, QColor(0x4a, 0x90, 0xe2));
        sky.setColorAt(1, QColor(0xb8, 0xd8, 0xf8));
        p.fillRect(image.rect(), sky);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xff, 0xd0, 0x40));
        p.drawEllipse(QPointF(46, 14), 7, 7);
        p.setBrush(QColor(0x3c, 0x8d, 0x40));
        p.drawPolygon(QPolygonF({QPointF(0, 48), QPointF(22, 22), QPointF(40, 40), QPointF(52, 30),
                                 QPointF(64, 42), QPointF(64, 48)}));
        return image;
    }();
    return picture;
}

void setupImage(QWidget *c)
{
    if (auto *image = qobject_cast<TavixQImage *>(c)) {
        image->setImage(&samplePicture());
        image->setStretchDraw(true);
    }
}

FillStyle namedFill(const char *name)
{
    FillStyle style;
    tavixGetFillStyle(QString::fromLatin1(name), style);
    return style;
}

// Rows of a view: plain rows on the panel, the hovered row in the hot button look, the selected row
// in the selection colour; a visible groove and thumb on the vertical bar.
template <class View>
void styleRows(View *view)
{
    FillStyle plain;
    plain.valid = false;
    view->setBackground(CommonNormal, namedFill("defaultPanel"));
    view->setItemBackground(Normal, plain);
    view->setItemBackground(Hot, namedFill("defaultButtonHot"));
    view->setItemBackground(Pressed, namedFill("defaultSelection"));
    view->setScrollbarBackgroundStyle(false, namedFill("defaultBackground"));
    view->setScrollbarThumbStyle(false, AllStates, namedFill("defaultButtonNormal"));
}

void setupList(QWidget *c)
{
    auto *list = qobject_cast<TavixQList *>(c);
    if (!list)
        return;
    styleRows(list);
    TextStyleDesc text;
    tavixGetTextStyle(QStringLiteral("defaultText"), text);
    text.x = 6;
    list->setItemTextStyle(AllStates, text);
    list->setItemHeight(24);
    for (int i = 1; i <= 6; ++i)
        list->addItem(QStringLiteral("List item %1").arg(i));
    list->setCurrentRow(2);
}

QWidget *createListView() { return new TavixQListView(); }

// Each row: a colour swatch and a caption button, filled from the row by the display callback.
void setupListView(QWidget *c)
{
    auto *view = qobject_cast<TavixQListView *>(c);
    if (!view)
        return;
    styleRows(view);
    auto *model = new QStandardItemModel(6, 1, view);
    for (int i = 0; i < 6; ++i)
        model->setData(model->index(i, 0), QStringLiteral("Template row %1").arg(i + 1));
    view->setModel(model);
    view->setItemHeight(26);
    auto *row = new TavixQContainer;
    FillStyle clear;
    clear.valid = false;
    row->setBackground(clear);      // the row's state styles show through
    row->setChildLayout(TavixQContainer::Horizontal);
    row->setChildPadding(3);
    row->setChildSpace(6);
    auto *swatch = new TavixQContainer;
    auto *caption = button(QString());
    row->addChildWidget(swatch, 1);
    row->addChildWidget(caption, 6);
    view->setItemTemplate(row);
    view->setItemDisplayCallBack([swatch, caption](const TavixQListView *, const QWidget *, const QModelIndex &index) {
        swatch->setColor(QColor::fromHsv((index.row() * 55) % 360, 160, 220));
        caption->setText(index.data().toString());
    });
    view->setCurrentIndex(model->index(2, 0));
}

// Row 1 under the pointer: only a hover event reaches the view's hover index, and only once laid out.
void hoverSecondRow(QWidget *c, int)
{
    auto *view = qobject_cast<QAbstractItemView *>(c);
    if (!view || !view->model() || view->model()->rowCount() < 2)
        return;
    const QPoint at = view->visualRect(view->model()->index(1, 0)).center();
    QHoverEvent move = tavixHoverEvent(QEvent::HoverMove, at, view->viewport()->mapToGlobal(at), QPoint(-1, -1));
    QCoreApplication::sendEvent(view->viewport(), &move);
}

// Six rows of three columns with a check column: rows 1 and 4 checked (the header box partly
// checked), row 3 selected, row 2 under the pointer.
void setupTable(QWidget *c)
{
    auto *table = qobject_cast<TavixQTableView *>(c);
    if (!table)
        return;
    styleRows(table);
    TextStyleDesc text;
    tavixGetTextStyle(QStringLiteral("defaultText"), text);
    text.x = 6;
    table->setItemTextStyle(AllStates, text);
    table->setHeaderTextStyle(AllStates, text);
    table->setHeaderBackground(AllStates, namedFill("defaultButtonNormal"));
    table->setItemHeight(24);
    table->setCheckstyle(true);
    const char *kinds[] = {"Folder", "Text", "Image"};
    auto *model = new QStandardItemModel(6, 3, table);
    model->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Kind")});
    for (int row = 0; row < 6; ++row) {
        model->setData(model->index(row, 0), QStringLiteral("Entry %1").arg(row + 1));
        model->setData(model->index(row, 0), row == 0 || row == 3 ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        model->setData(model->index(row, 1), QStringLiteral("%1 KB").arg(12 * (row + 1)));
        model->setData(model->index(row, 2), QString::fromLatin1(kinds[row % 3]));
    }
    table->setModel(model);
    table->setColumnWidth(0, 110);
    table->setColumnWidth(1, 70);
    table->horizontalHeader()->setStretchLastSection(true);
    table->selectRow(2);
}

void hoverTableRow(QWidget *c, int)
{
    auto *table = qobject_cast<TavixQTableView *>(c);
    if (TavixQTableViewImpl *impl = table ? table->getImpl() : nullptr)
        impl->hoverRow = 1;
}

// Two opened parents with their children and a closed one; a child selected, the second parent hot.
void setupTree(QWidget *c)
{
    auto *tree = qobject_cast<TavixQTreeView *>(c);
    if (!tree)
        return;
    styleRows(tree);
    TextStyleDesc text;
    tavixGetTextStyle(QStringLiteral("defaultText"), text);
    text.x = 4;
    tree->setItemTextStyle(AllStates, text);
    tree->setItemHeight(22);
    auto *model = new QStandardItemModel(tree);
    const char *groups[][3] = {{"Devices", "Monitor", "Pump"}, {"Patients", "Ward A", "Ward B"},
                               {"Reports", "Daily", "Weekly"}};
    for (const auto &group : groups) {
        auto *parent = new QStandardItem(QString::fromUtf8(group[0]));
        parent->appendRow(new QStandardItem(QString::fromUtf8(group[1])));
        parent->appendRow(new QStandardItem(QString::fromUtf8(group[2])));
        model->appendRow(parent);
    }
    tree->setModel(model);
    tree->expand(model->index(0, 0));
    tree->expand(model->index(1, 0));
    tree->setCurrentIndex(model->index(1, 0, model->index(0, 0)));
}

// A page window shows what a page puts in it: here a row of two buttons.
void setupPageWindow(QWidget *c)
{
    TavixQContainer *content = buttonColumn(2, TavixQContainer::Horizontal, "Page button");
    content->setParent(c);
    content->setGeometry(8, 8, c->width() - 16, c->height() - 16);
    content->show();
}

QWidget *createEcg() { return new TavixQECGChart(); }
QWidget *createIcd() { return new TavixQICDChart(); }

void setupEcg(QWidget *c)
{
    if (auto *chart = qobject_cast<TavixQECGChart *>(c)) {
        chart->setLineColor(QColor(0x20, 0xc0, 0x60), QColor(0x20, 0xc0, 0x60));
        chart->setLineWeight(1.5f);
        chart->enableFillColor(true, false);
        chart->setBelowFillColor(QColor(0x20, 0xc0, 0x60, 0x70), QColor(0x20, 0xc0, 0x60, 0x00));
        sweepSample(chart, 100.0);
    }
}

void setupIcd(QWidget *c)
{
    if (auto *chart = qobject_cast<TavixQICDChart *>(c)) {
        chart->setLineColor(QColor(0xe0, 0xa0, 0x20), QColor(0xe0, 0xa0, 0x20));
        sweepSample(chart, 100.0);
    }
}

// Two pages of groups under a top bar; the first page shows large, small and embedded commands.
void setupRibbon(QWidget *c)
{
    auto *ribbon = qobject_cast<TavixQRibbonBar *>(c);
    if (!ribbon)
        return;
    ribbon->loadConfigJson(QStringLiteral(R"({
        "tabHeight": 30,
        "topBar": {"height": 30,
                   "left": [{"itemType": "smallButton", "text": "Save", "width": 56},
                            {"itemType": "smallButton", "text": "Undo", "width": 56}],
                   "right": [{"itemType": "label", "text": "Draft", "width": 56}]},
        "tabs": [
          {"name": "home", "displayName": "Home", "groups": [
            {"displayName": "Clipboard", "content": [
              {"itemType": "largeButton", "text": "Paste", "dropDown": true},
              {"itemType": "smallButton", "text": "Cut"},
              {"itemType": "smallButton", "text": "Copy"},
              {"itemType": "smallButton", "text": "Format"}]},
            {"displayName": "Font", "content": [
              {"itemType": "comboBox", "items": ["Sans", "Serif", "Mono"]},
              {"itemType": "spinBox", "min": 6, "max": 72, "value": 12},
              {"itemType": "checkBox", "text": "Bold", "checked": true}]},
            {"displayName": "Layout", "content": [
              {"itemType": "radioButton", "text": "Portrait", "checked": true},
              {"itemType": "radioButton", "text": "Landscape"},
              {"itemType": "smallButton", "text": "Columns"},
              {"itemType": "separator"},
              {"itemType": "largeButton", "text": "Margins"}]}]},
          {"name": "view", "displayName": "View", "groups": [
            {"displayName": "Show", "content": [
              {"itemType": "checkBox", "text": "Ruler", "checked": true},
              {"itemType": "checkBox", "text": "Gridlines"}]},
            {"displayName": "Zoom", "content": [
              {"itemType": "largeButton", "text": "Zoom"},
              {"itemType": "progressBar", "value": 60}]}]}]})"));
}

void setupTab(QWidget *c)
{
    auto *tab = qobject_cast<TavixQTabWidget *>(c);
    if (!tab)
        return;
    tab->setItemSize(76);
    tab->setItemSpace(4);
    for (const char *text : {"Home", "Files", "Settings"})
        tab->addTab(QString::fromUtf8(text));
}

// The bar paints by its hot and selected cells, not by the Impl's state: Hot lights the second cell.
void forceTabState(QWidget *c, int state)
{
    auto *tab = qobject_cast<TavixQTabWidget *>(c);
    if (TavixQTabWidgetImpl *impl = tab ? tab->getImpl() : nullptr)
        impl->hotIndex = state == Hot ? 1 : -1;
}

void setupMenuBar(QWidget *c)
{
    auto *bar = qobject_cast<TavixQMenuBar *>(c);
    if (!bar)
        return;
    for (const char *title : {"&File", "&Edit", "&View", "&Help"}) {
        auto *menu = new TavixQMenu(QString::fromUtf8(title), bar);
        menu->addAction(QStringLiteral("Entry"));
        bar->addMenu(menu);
    }
}

// Hot lights the second entry, as the pointer over it would.
void forceMenuBarState(QWidget *c, int state)
{
    auto *bar = qobject_cast<TavixQMenuBar *>(c);
    if (TavixQMenuBarImpl *impl = bar ? bar->getImpl() : nullptr)
        impl->hotIndex = state == Hot ? 1 : -1;
}

QIcon swatchIcon(const QColor &color)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
    return QIcon(pixmap);
}

QWidget *createMenu() { return new TavixQMenu(); }

// An open menu as it pops up: icons, a shortcut, a separator, a sub-menu and a disabled entry.
void setupMenu(QWidget *c)
{
    auto *menu = qobject_cast<TavixQMenu *>(c);
    if (!menu)
        return;
    menu->addAction(swatchIcon(QColor(0x4a, 0x90, 0xe2)), QStringLiteral("New"));
    menu->addAction(swatchIcon(QColor(0x3c, 0x8d, 0x40)), QStringLiteral("Open\tCtrl+O"));
    menu->addSeparator();
    auto *recent = new TavixQMenu(menu);
    recent->setTitle(QStringLiteral("Recent files"));
    recent->addAction(QStringLiteral("report.json"));
    menu->addMenu(recent);
    menu->addAction(QStringLiteral("Close"))->setEnabled(false);
    menu->setIconOffset(24);
    menu->resize(menu->sizeHint());
}

// Hot lights the second entry.
void forceMenuState(QWidget *c, int state)
{
    auto *menu = qobject_cast<TavixQMenu *>(c);
    if (TavixQMenuImpl *impl = menu ? menu->getImpl() : nullptr)
        impl->hoverIndex = state == Hot ? 1 : -1;
}

// The list bound to a push button of its own, which it keeps as a hidden child.
void setupPropertyList(QWidget *c)
{
    auto *list = qobject_cast<TavixQPropertyList *>(c);
    if (!list)
        return;
    auto *target = button(QStringLiteral("Sample"), list);
    target->setObjectName(QStringLiteral("sampleButton"));
    target->setToolTip(QStringLiteral("A bound button"));
    target->hide();
    list->bindControl(target);
}

} // namespace

// Rows in keyword order. Sizes are what the control typically gets in a page.
const std::vector<GallerySample> &gallerySamples()
{
    static const std::vector<GallerySample> rows = {
        {"Window", QSize(240, 52), &setupPageWindow, nullptr, nullptr, nullptr},
        {"qtbutton", QSize(120, 36), &setupButton, nullptr, nullptr, nullptr},
        {"qtcheckbox", QSize(140, 28), &setupCheckBox, nullptr, nullptr, nullptr},
        {"qtcombobox", QSize(150, 28), &setupCombo, nullptr, nullptr, nullptr},
        {"qtcontainer", QSize(200, 52), &setupContainer, nullptr, nullptr, nullptr},
        {"qtdatagrid", QSize(260, 170), &setupTable, &hoverTableRow, nullptr, nullptr},
        {"qtecgchart", QSize(260, 100), &setupEcg, nullptr, &createEcg, "ECG chart"},
        {"qtdedit", QSize(160, 28), &setupLineEdit, nullptr, nullptr, nullptr},
        {"qtgroupbox", QSize(200, 104), &setupGroupBox, nullptr, nullptr, nullptr},
        {"qticdchart", QSize(260, 100), &setupIcd, nullptr, &createIcd, "ICD chart"},
        {"qtlabel", QSize(160, 28), &setupLabel, nullptr, nullptr, nullptr},
        {"qtlcdnumber", QSize(140, 48), &setupLcd, nullptr, nullptr, nullptr},
        {"qtlist", QSize(180, 120), &setupList, &hoverSecondRow, nullptr, nullptr},
        {"qtlistview", QSize(200, 140), &setupListView, &hoverSecondRow, &createListView, "ListView"},
        {"qtmenu", QSize(180, 140), &setupMenu, &forceMenuState, &createMenu, "Menu"},
        {"qtmenubar", QSize(260, 26), &setupMenuBar, &forceMenuBarState, nullptr, nullptr},
        {"qtpicture", QSize(96, 72), &setupImage, nullptr, nullptr, nullptr},
        {"qtproperty", QSize(260, 330), &setupPropertyList, nullptr, nullptr, nullptr},
        {"qtradiobox", QSize(150, 28), &setupRadio, nullptr, nullptr, nullptr},
        {"qtribbonbar", QSize(620, 142), &setupRibbon, nullptr, nullptr, nullptr},
        {"qtscrollbar", QSize(20, 140), &setupScrollBar, &forceScrollBarState, nullptr, nullptr},
        {"qtscrollview", QSize(200, 140), &setupScrollView, nullptr, nullptr, nullptr},
        {"qtspacer", QSize(120, 32), nullptr, nullptr, nullptr, nullptr},
        {"qtspinbox", QSize(100, 28), &setupSpinBox, nullptr, &TavixQSpinBox::createTavixQSpinBox, "SpinBox"},
        {"qtstackcontainer", QSize(200, 92), &setupStack, nullptr, nullptr, nullptr},
        {"qttext", QSize(200, 80), &setupTextEdit, nullptr, nullptr, nullptr},
        {"qttab", QSize(240, 32), &setupTab, &forceTabState, nullptr, nullptr},
        {"qttree", QSize(180, 150), &setupTree, &hoverSecondRow, nullptr, nullptr},
    };
    return rows;
}

const GallerySample *findSample(const QString &keyword)
{
    const QByteArray key = keyword.toUtf8();
    for (const GallerySample &row : gallerySamples()) {
        if (key == row.keyword)
            return &row;
    }
    return nullptr;
}

QSize sampleSize(const QString &keyword)
{
    const GallerySample *row = findSample(keyword);
    return row ? row->size : QSize(kDefaultSampleWidth, kDefaultSampleHeight);
}

void applyGenericSample(QWidget *control)
{
    if (!control)
        return;
    const QMetaObject *meta = control->metaObject();
    const int text = meta->indexOfProperty("text");
    if (text >= 0 && meta->property(text).isWritable())
        control->setProperty("text", QStringLiteral("Sample text"));
    setRange(control, 60);
}

void forceSampleState(const QString &keyword, QWidget *control, int state)
{
    if (!control)
        return;
    const int s = tavixStateIndex(state);
    control->setEnabled(s != Disable);
    if (TavixQWidgetBaseImpl *impl = TavixQWidgetBaseImpl::fromWidget(control)) {
        impl->state = s;
        impl->hover = s == Hot || s == Pressed;
    }
    const GallerySample *row = findSample(keyword);
    if (row && row->forceState)
        row->forceState(control, s);
}

} // namespace TavixGallery
