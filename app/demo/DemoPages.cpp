#include "DemoPages.h"

#include "DemoFactories.h"

#include "controls/TavixQCheckBox.h"
#include "controls/TavixQComboBox.h"
#include "controls/TavixQContainer.h"
#include "controls/TavixQGroupBox.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQLineEdit.h"
#include "controls/TavixQProgressBar.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQSlider.h"
#include "controls/TavixQSpinBox.h"
#include "controls/TavixQStackContainer.h"
#include "controls/TavixQSwitch.h"
#include "controls/TavixQTabWidget.h"
#include "controls/views/TavixQList.h"
#include "controls/views/TavixQTableView.h"
#include "controls/views/TavixQTreeView.h"

#include <QHash>
#include <QHeaderView>
#include <QPalette>
#include <QStandardItemModel>

using namespace TavixQtLib;

namespace TavixDemo {

namespace {

const QString kPageImages = QStringLiteral(":/CorvellaSorbane/images/");

TavixQContainer *box(QWidget *parent, TavixQContainer::AutoChildLayout layout, int space, int l, int t, int r,
                     int b)
{
    auto *c = new TavixQContainer(parent);
    c->setWidthPolicy(PolicyExpanding);
    c->setHeightPolicy(PolicyExpanding);
    c->setChildLayout(layout);
    c->setChildSpace(space);
    c->setChildPadding(l, t, r, b);
    return c;
}

// A layout-only container: nothing painted.
TavixQContainer *plainBox(QWidget *parent, TavixQContainer::AutoChildLayout layout, int space, int pad = 0)
{
    TavixQContainer *c = box(parent, layout, space, pad, pad, pad, pad);
    c->setBackground(transparentFill());
    c->setDrawBackground(false);
    return c;
}

TavixQContainer *card(QWidget *parent, int space, int l, int t, int r, int b)
{
    TavixQContainer *c = box(parent, TavixQContainer::Vertical, space, l, t, r, b);
    c->setThemeName(QStringLiteral("CardBg"));
    return c;
}

template <class W>
W *fixedHeight(W *w, int height)
{
    w->setHeightPolicy(PolicyFixed);
    w->setFixedHeight(height);
    return w;
}

template <class W>
W *fixedWidth(W *w, int width)
{
    w->setWidthPolicy(PolicyFixed);
    w->setFixedWidth(width);
    return w;
}

TavixQLabel *wrapped(TavixQLabel *label)
{
    setLabelWrap(label, true);
    return label;
}

TavixQPushButton *iconButton(QWidget *parent, const QString &icon, int size)
{
    auto *button = new TavixQPushButton(parent);
    button->setIcon(kPageImages + icon);
    button->setUseIcon(true);
    button->setShowText(false);
    button->setDrawBackground(false);
    button->setWidthPolicy(PolicyFixed);
    button->setHeightPolicy(PolicyFixed);
    button->setFixedSize(size, size);
    return button;
}

TavixQPushButton *textButton(QWidget *parent, const QString &text, int minWidth)
{
    auto *button = new TavixQPushButton(parent);
    button->setText(text);
    button->setThemeName(QStringLiteral("qtbutton"));
    button->setWidthPolicy(PolicyFixed);
    button->setMinimumWidth(minWidth);
    button->setFixedWidth(minWidth);
    return button;
}

TavixQImage *icon(QWidget *parent, const QString &name, int size)
{
    auto *image = new TavixQImage(parent);
    image->setImagePath(kPageImages + name);
    image->setStretchDraw(true);
    image->setWidthPolicy(PolicyFixed);
    image->setHeightPolicy(PolicyFixed);
    image->setFixedSize(size, size);
    return image;
}

// The sample dashboard's "more" arrows lead to no page: a picture, not a button that Tab would stop at
// and a click would do nothing with.
TavixQImage *moreArrow(QWidget *parent, int size)
{
    TavixQImage *arrow = icon(parent, QStringLiteral("chevron-right.svg"), size);
    arrow->setObjectName(QStringLiteral("demoMoreArrow"));
    return arrow;
}

// A caption above a control, as the Slider, Spin, Switch and ComboBox previews show them.
TavixQLabel *caption(QWidget *parent, const QString &text)
{
    return fixedHeight(makeLabel(parent, text, QColor(55, 65, 81), 12, true), 20);
}

// The caption names its control for screen readers, wherever the control sits.
void captionFor(TavixQLabel *label, QWidget *control)
{
    label->setBuddy(control);
    control->setAccessibleName(label->getText());
}

// A pill with its own fill; the text keeps its colour in every theme.
TavixQContainer *badge(QWidget *parent, const QString &text, const QColor &fill, const QColor &ink, int width)
{
    TavixQContainer *pill = box(parent, TavixQContainer::Vertical, 0, 0, 0, 0, 0);
    pill->setBackground(makeFill(fill, 10));
    fixedWidth(fixedHeight(pill, 20), width);
    TavixQLabel *label = makeLabel(pill, text, ink, 9, true);
    setLabelCentered(label);
    pinLabelColor(label);
    return pill;
}

// A cell of the sample table: the column's ratio, its content left aligned and vertically centred.
TavixQContainer *cell(QWidget *row, int ratio)
{
    TavixQContainer *c = plainBox(row, TavixQContainer::Horizontal, 6);
    c->setLayoutRatio(ratio);
    return c;
}

void toggleBody(TavixQPushButton *chevron, QWidget *body)
{
    const bool show = body->isHidden();
    body->setVisible(show);
    chevron->setIcon(kPageImages + (show ? QStringLiteral("chevron-down.svg") : QStringLiteral("chevron-right.svg")));
    if (auto *parent = qobject_cast<TavixQContainer *>(body->parentWidget()))
        parent->forceResize();
}

// Card header: a bold title and a chevron that folds the card's body away and back.
TavixQContainer *cardHeader(TavixQContainer *cardBox, const QString &title)
{
    TavixQContainer *row = fixedHeight(plainBox(cardBox, TavixQContainer::Horizontal, 0), 36);
    makeLabel(row, title, QColor(23, 31, 45), 13, true);
    TavixQPushButton *chevron = iconButton(row, QStringLiteral("chevron-down.svg"), 20);
    chevron->setProperty("demoChevron", true);
    chevron->setAccessibleName(title);   // an icon alone says nothing to a screen reader
    chevron->setAccessibleDescription(QStringLiteral("Folds the card away and back"));
    return row;
}

TavixQContainer *sectionBody(TavixQContainer *cardBox, TavixQContainer *header, const QString &name)
{
    TavixQContainer *body = plainBox(cardBox, TavixQContainer::Vertical, 0);
    body->setObjectName(name);
    for (auto *chevron : header->findChildren<TavixQPushButton *>()) {
        QObject::connect(chevron, &QPushButton::clicked, body, [chevron, body] { toggleBody(chevron, body); });
    }
    return body;
}

QWidget *makeSampleTable(QWidget *parent)
{
    auto *table = new TavixQTableView(parent);
    auto *model = new QStandardItemModel(4, 3, table);
    model->setHorizontalHeaderLabels({QStringLiteral("Control"), QStringLiteral("State"), QStringLiteral("Value")});
    for (int r = 0; r < 4; ++r) {
        model->setItem(r, 0, new QStandardItem(QStringLiteral("Item %1").arg(r + 1)));
        model->setItem(r, 1, new QStandardItem(r % 2 == 0 ? QStringLiteral("Enabled") : QStringLiteral("Preview")));
        model->setItem(r, 2, new QStandardItem(QString::number((r + 1) * 25)));
    }
    table->setModel(model);
    table->setMinimumHeight(160);
    table->setWidthPolicy(PolicyExpanding);
    table->setHeightPolicy(PolicyExpanding);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    return table;
}

QWidget *makeSampleTree(QWidget *parent)
{
    auto *tree = new TavixQTreeView(parent);
    auto *model = new QStandardItemModel(tree);
    model->setHorizontalHeaderLabels({QStringLiteral("Sorbane Tree")});
    auto *root = new QStandardItem(QStringLiteral("Controls"));
    for (const QString &child : {QStringLiteral("Button"), QStringLiteral("Input"), QStringLiteral("Navigation")})
        root->appendRow(new QStandardItem(child));
    model->appendRow(root);
    tree->setModel(model);
    tree->expandAll();
    tree->setMinimumHeight(160);
    tree->setWidthPolicy(PolicyExpanding);
    tree->setHeightPolicy(PolicyExpanding);
    return tree;
}

void buildContent(TavixQContainer *content, const QString &section)
{
    const QColor muted(92, 100, 116);
    if (section == QLatin1String("Dashboard")) {
        fixedHeight(textButton(content, QStringLiteral("Start"), 110), 32);
        auto *progress = fixedHeight(new TavixQProgressBar(content), 28);
        progress->setThemeName(QStringLiteral("qtprogressbar"));
        progress->setValue(68);
        progress->setShowText(true);
        progress->setWidthPolicy(PolicyExpanding);
        auto *sw = new TavixQSwitch(content);
        sw->setLeftText(QStringLiteral("Off"));
        sw->setRightText(QStringLiteral("On"));
        sw->setSwitchToLeft(false);
        fixedWidth(fixedHeight(sw, 34), 96);
        fixedHeight(wrapped(makeLabel(content, QStringLiteral("A compact dashboard preview using Sorbane controls only."),
                                      muted, 11, false)), 52);
    } else if (section == QLatin1String("Buttons")) {
        TavixQContainer *row = fixedHeight(plainBox(content, TavixQContainer::Horizontal, 12), 34);
        for (const char *text : {"Primary", "Secondary", "Disabled"}) {
            TavixQPushButton *button = textButton(row, QString::fromLatin1(text), 110);
            button->setEnabled(qstrcmp(text, "Disabled") != 0);
        }
    } else if (section == QLatin1String("Label")) {
        fixedHeight(wrapped(makeLabel(content, QStringLiteral("Title Label"), QColor(31, 41, 55), 18, true)), 36);
        fixedHeight(wrapped(makeLabel(content,
                                      QStringLiteral("Content labels support wrapping, theme text styles, and global "
                                                     "font settings."),
                                      muted, 12, false)), 58);
        fixedHeight(wrapped(makeLabel(content, QStringLiteral("Status: Ready"), QColor(37, 99, 235), 12, true)), 30);
    } else if (section == QLatin1String("List")) {
        auto *list = new TavixQList(content);
        list->setWidthPolicy(PolicyExpanding);
        list->setHeightPolicy(PolicyExpanding);
        list->setMinimumHeight(150);
        // Rows fill the viewport edge to edge; the margin keeps them inside the list's rounded border.
        list->setContentsMargins(4, 4, 4, 4);
        list->setItemHeight(30);
        for (int i = 1; i <= 6; ++i)
            list->addItem(QStringLiteral("Sorbane list item %1").arg(i));
        list->setCurrentRow(1);
    } else if (section == QLatin1String("Grids")) {
        makeSampleTable(content);
    } else if (section == QLatin1String("Tree")) {
        makeSampleTree(content);
    } else if (section == QLatin1String("GroupBox")) {
        auto *group = new TavixQGroupBox(content);
        group->setText(QStringLiteral("Options"));
        group->setMinimumHeight(150);
        group->setWidthPolicy(PolicyExpanding);
        group->setHeightPolicy(PolicyExpanding);
        auto *check = new TavixQCheckBox(group);
        check->setText(QStringLiteral("Enable preview"));
        check->setChecked(true);
        check->setGeometry(20, 40, 220, 28);
        auto *radio = new TavixQRadioButton(group);
        radio->setText(QStringLiteral("Default mode"));
        radio->setChecked(true);
        radio->setGeometry(20, 78, 220, 28);
    } else if (section == QLatin1String("Slider")) {
        TavixQLabel *label = caption(content, QStringLiteral("Horizontal"));
        auto *slider = fixedHeight(new TavixQSlider(Qt::Horizontal, content), 32);
        captionFor(label, slider);
        slider->setThemeName(QStringLiteral("qtslider"));
        slider->setValue(45);
        slider->setWidthPolicy(PolicyExpanding);
    } else if (section == QLatin1String("ProgressBar")) {
        for (int value : {35, 68, 92}) {
            auto *progress = fixedHeight(new TavixQProgressBar(content), 28);
            progress->setThemeName(QStringLiteral("qtprogressbar"));
            progress->setValue(value);
            progress->setShowText(true);
            progress->setWidthPolicy(PolicyExpanding);
        }
    } else if (section == QLatin1String("Image")) {
        // Tall enough for the caption and the 96-pixel animation, which the row would otherwise cut.
        TavixQContainer *row = fixedHeight(plainBox(content, TavixQContainer::Horizontal, 32), 20 + 8 + 96);
        TavixQContainer *left = plainBox(row, TavixQContainer::Vertical, 8);
        fixedWidth(left, 220);
        caption(left, QStringLiteral("Original"));
        auto *logo = new TavixQImage(left);
        logo->setImagePath(kPageImages + QStringLiteral("logo.png"));
        logo->setStretchDraw(false);
        fixedWidth(fixedHeight(logo, 50), 200);
        TavixQContainer *right = plainBox(row, TavixQContainer::Vertical, 8);
        caption(right, QStringLiteral("GIF"));
        auto *gif = new TavixQImage(right);
        gif->loadGif(kPageImages + QStringLiteral("loading.gif"));
        fixedWidth(fixedHeight(gif, 96), 96);
    } else if (section == QLatin1String("Spin")) {
        TavixQLabel *label = caption(content, QStringLiteral("Quantity"));
        // The spin box paints no field of its own: it sits in a bordered one that follows the theme.
        TavixQContainer *field = box(content, TavixQContainer::Horizontal, 0, 8, 1, 2, 1);
        field->setProperty("demoField", true);
        fixedWidth(fixedHeight(field, 34), 160);
        styleField(field, false);
        auto *spin = new TavixQSpinBox(field);
        captionFor(label, spin);
        spin->setRange(0, 100);
        spin->setValue(24);
        spin->setMinimumWidth(140);
        spin->setMaximumWidth(180);
        spin->setWidthPolicy(PolicyExpanding);
        spin->setHeightPolicy(PolicyExpanding);
    } else if (section == QLatin1String("Switch")) {
        TavixQLabel *label = caption(content, QStringLiteral("Mode"));
        auto *sw = new TavixQSwitch(content);
        captionFor(label, sw);
        sw->setLeftText(QStringLiteral("Off"));
        sw->setRightText(QStringLiteral("On"));
        sw->setSwitchToLeft(false);
        fixedWidth(fixedHeight(sw, 34), 96);
    } else if (section == QLatin1String("Tab")) {
        auto *tabs = new TavixQTabWidget(content);
        tabs->setThemeName(QStringLiteral("qttab"));
        for (const char *text : {"General", "Data", "Style"})
            tabs->addTab(QString::fromLatin1(text));
        tabs->setSelectedIndex(0);
        tabs->setWidthPolicy(PolicyExpanding);
        fixedHeight(tabs, 56);
    } else if (section == QLatin1String("ComboBox")) {
        TavixQLabel *label = caption(content, QStringLiteral("Theme"));
        auto *combo = new TavixQComboBox(content);
        captionFor(label, combo);
        combo->addItems({QStringLiteral("Light"), QStringLiteral("Dark"), QStringLiteral("Classic")});
        combo->setCurrentIndex(0);
        fixedWidth(fixedHeight(combo, 34), 220);
    } else {
        fixedHeight(makeLabel(content, QStringLiteral("Default Sorbane preview"), QColor(62, 72, 90), 12, false), 34);
    }
    // Below controls of fixed height the rest of the card stays empty instead of stretching them; lists,
    // grids, trees and group boxes take the whole card.
    static const QStringList filling = {QStringLiteral("List"), QStringLiteral("Grids"), QStringLiteral("Tree"),
                                        QStringLiteral("GroupBox")};
    if (!filling.contains(section))
        plainBox(content, TavixQContainer::Vertical, 0);
}

// ---- the sample dashboard ----

struct StatusCard {
    const char *title, *figure, *subtitle;
    QColor accent;
};

void buildStatusCards(TavixQContainer *column)
{
    const StatusCard cards[] = {
        {"Active Policies", "1,284", "Do not need attention", QColor(62, 180, 98)},
        {"Expiring Soon", "36", "Re-request required", QColor(230, 76, 69)},
        {"Need Validation", "18", "Validation required", QColor(232, 148, 54)},
        {"Recently Expired", "9", "Assign responsible", QColor(138, 145, 156)},
    };
    TavixQContainer *row = fixedHeight(plainBox(column, TavixQContainer::Horizontal, 8), 112);
    for (const StatusCard &s : cards) {
        TavixQContainer *c = card(row, 2, 12, 10, 10, 8);
        c->setLayoutRatio(25);
        TavixQContainer *top = fixedHeight(plainBox(c, TavixQContainer::Horizontal, 6), 24);
        TavixQContainer *dot = box(top, TavixQContainer::Vertical, 0, 0, 0, 0, 0);
        dot->setBackground(makeFill(s.accent, 10));
        dot->setWidthPolicy(PolicyFixed);
        dot->setHeightPolicy(PolicyFixed);
        dot->setFixedSize(24, 24);
        dot->setChildPadding(2);
        auto *bag = new TavixQImage(dot);
        bag->setImagePath(kPageImages + QStringLiteral("handbag.svg"));
        bag->setUseSvgColor(true);
        bag->setSvgColor(Qt::white);
        bag->setStretchDraw(true);
        bag->setFixedSize(20, 20);
        makeLabel(top, QString::fromLatin1(s.title), QColor(28, 31, 36), 10, true);
        moreArrow(top, 24);
        fixedHeight(makeLabel(c, QString::fromLatin1(s.figure), QColor(27, 31, 41), 20, true), 32);
        TavixQContainer *bottom = fixedHeight(plainBox(c, TavixQContainer::Horizontal, 6), 20);
        TavixQContainer *bar = box(bottom, TavixQContainer::NoUse, 0, 0, 0, 0, 0);
        bar->setBackground(makeFill(s.accent, 2));
        bar->setWidthPolicy(PolicyFixed);
        bar->setHeightPolicy(PolicyFixed);
        bar->setFixedSize(4, 14);
        makeLabel(bottom, QString::fromLatin1(s.subtitle), QColor(126, 132, 142), 9, false);
    }
}

struct PolicyRow {
    const char *client, *policy, *due, *source, *assignee, *status;
};

void buildPolicyTable(TavixQContainer *cardBox)
{
    TavixQContainer *header = fixedHeight(plainBox(cardBox, TavixQContainer::Horizontal, 8), 34);
    makeLabel(header, QStringLiteral("Last policies"), QColor(24, 28, 35), 13, true);
    for (const char *text : {"Import", "Renew", "Complete"})
        fixedHeight(textButton(header, QString::fromLatin1(text), 76), 28);
    auto *search = new TavixQLineEdit(header);
    search->setPlaceholderText(QStringLiteral("Search..."));
    fixedWidth(fixedHeight(search, 30), 150);
    auto *sort = new TavixQComboBox(header);
    sort->addItems({QStringLiteral("Sort by"), QStringLiteral("Client"), QStringLiteral("Expiration")});
    fixedWidth(fixedHeight(sort, 30), 110);

    // The table is 900 wide whatever the card's width; the bar below scrolls it sideways.
    TavixQContainer *viewport = plainBox(cardBox, TavixQContainer::Horizontal, 0);
    fixedHeight(viewport, 270 + 10);
    auto *bar = new TavixQScrollBar(Qt::Horizontal, viewport);
    bar->setThemeName(QStringLiteral("qtscrollbarh"));
    bar->setWidthHeight(10);
    viewport->bindScrollBar(bar, true);
    TavixQContainer *table = plainBox(viewport, TavixQContainer::Vertical, 0);
    fixedWidth(fixedHeight(table, 270), 900);

    const int ratios[] = {8, 20, 14, 15, 18, 18, 16, 4};
    const char *titles[] = {"", "Client", "Policy ID", "Expiration", "Policy Source", "Assignee", "Status", ""};
    TavixQContainer *head = fixedHeight(box(table, TavixQContainer::Horizontal, 0, 8, 0, 8, 0), 35);
    head->setBackground(makeFill(QColor(148, 163, 184, 36), 6));
    for (int i = 0; i < 8; ++i) {
        TavixQContainer *c = cell(head, ratios[i]);
        if (*titles[i])
            makeLabel(c, QString::fromLatin1(titles[i]), QColor(136, 142, 151), 9, true);
    }
    const PolicyRow rows[] = {
        {"Marta Ilves", "#35698", "in 8 days", "Manual Entry", "Jonas Rebane", "Paid"},
        {"Teodor Vaskel", "#35702", "in 12 days", "CRM Import", "Liis Aaviksoo", "Awaiting"},
        {"Ane Kristoffersen", "#35711", "Continued", "API Sync", "Jonas Rebane", "Paid"},
        {"Bruno Castellan", "#35719", "in 3 days", "Manual Entry", "Mirela Dobos", "Failed"},
        {"Signe Lundqvist", "#35724", "in 21 days", "API Sync", "Liis Aaviksoo", "Awaiting"},
        {"Oskar Penttinen", "#35730", "Continued", "CRM Import", "Mirela Dobos", "Paid"},
        {"Helka Saarinen", "#35737", "in 5 days", "Manual Entry", "Jonas Rebane", "Failed"},
    };
    const QColor ink(40, 46, 58);
    for (const PolicyRow &r : rows) {
        TavixQContainer *row = fixedHeight(plainBox(table, TavixQContainer::Horizontal, 0), 33);
        row->setChildPadding(8, 0, 8, 0);
        TavixQContainer *checkCell = cell(row, ratios[0]);
        checkCell->setChildPadding(0, 6, 0, 0);
        auto *check = new TavixQCheckBox(checkCell);
        check->setFixedSize(20, 20);
        makeLabel(cell(row, ratios[1]), QString::fromLatin1(r.client), ink, 10, true);
        makeLabel(cell(row, ratios[2]), QString::fromLatin1(r.policy), ink, 10, false);
        const bool soon = QByteArray(r.due).startsWith("in ") && QByteArray(r.due).mid(3).toInt() < 10;
        makeLabel(cell(row, ratios[3]), QString::fromLatin1(r.due), soon ? QColor(200, 64, 58) : ink, 10, false);
        makeLabel(cell(row, ratios[4]), QString::fromLatin1(r.source), ink, 10, false);
        makeLabel(cell(row, ratios[5]), QString::fromLatin1(r.assignee), ink, 10, false);
        const QByteArray status(r.status);
        const QColor fill = status == "Paid" ? QColor(220, 245, 228)
                          : status == "Awaiting" ? QColor(254, 240, 213) : QColor(253, 226, 225);
        const QColor text = status == "Paid" ? QColor(22, 122, 58)
                          : status == "Awaiting" ? QColor(150, 84, 8) : QColor(176, 36, 32);
        TavixQContainer *statusCell = cell(row, ratios[6]);
        statusCell->setChildPadding(0, 6, 0, 0);
        badge(statusCell, QString::fromLatin1(r.status), fill, text, 72);
        moreArrow(cell(row, ratios[7]), 20);
    }
}

void buildPerformance(TavixQContainer *cardBox)
{
    TavixQContainer *header = fixedHeight(plainBox(cardBox, TavixQContainer::Horizontal, 0), 30);
    makeLabel(header, QStringLiteral("Performance Review"), QColor(25, 29, 37), 13, true);
    moreArrow(header, 24);
    struct Person { const char *role, *name, *count; };
    const Person people[] = {{"Admin", "Jonas Rebane", "84 policies"}, {"Broker", "Liis Aaviksoo", "71 policies"},
                             {"Agent", "Mirela Dobos", "63 policies"}, {"Analyst", "Oskar Penttinen", "55 policies"}};
    for (const Person &p : people) {
        TavixQContainer *row = fixedHeight(plainBox(cardBox, TavixQContainer::Horizontal, 8), 26);
        fixedWidth(makeLabel(row, QString::fromLatin1(p.role), QColor(126, 132, 142), 10, false), 70);
        makeLabel(row, QString::fromLatin1(p.name), QColor(40, 46, 58), 10, true);
        makeLabel(row, QStringLiteral("Need Renewal"), QColor(232, 148, 54), 10, false);
        fixedWidth(makeLabel(row, QString::fromLatin1(p.count), QColor(40, 46, 58), 10, true), 90);
    }
}

void buildSideColumn(TavixQContainer *column)
{
    TavixQContainer *clients = card(column, 6, 14, 12, 14, 12);
    fixedHeight(clients, 128);
    fixedHeight(makeLabel(clients, QStringLiteral("2 Possible Policy Clients"), QColor(24, 28, 35), 13, true), 22);
    fixedHeight(makeLabel(clients, QStringLiteral("Click on avatars to assign."), QColor(126, 132, 142), 10, false), 18);
    TavixQContainer *avatars = fixedHeight(plainBox(clients, TavixQContainer::Horizontal, 8), 40);
    struct Avatar { const char *initials; QColor fill, ink; };
    const Avatar list[] = {{"KV", QColor(219, 234, 254), QColor(30, 64, 175)},
                           {"RT", QColor(220, 245, 228), QColor(22, 122, 58)}};
    for (const Avatar &a : list) {
        TavixQContainer *face = box(avatars, TavixQContainer::Vertical, 0, 0, 0, 0, 0);
        face->setBackground(makeFill(a.fill, 20, a.ink, 1));
        face->setWidthPolicy(PolicyFixed);
        face->setHeightPolicy(PolicyFixed);
        face->setFixedSize(40, 40);
        TavixQLabel *letters = makeLabel(face, QString::fromLatin1(a.initials), a.ink, 12, true);
        setLabelCentered(letters);
        pinLabelColor(letters);
    }
    plainBox(avatars, TavixQContainer::Horizontal, 0);

    TavixQContainer *queue = card(column, 6, 14, 12, 14, 12);
    fixedHeight(makeLabel(queue, QStringLiteral("Validation Queue"), QColor(24, 28, 35), 13, true), 22);
    for (const char *item : {"Registration", "Previous Policy", "ID Document"}) {
        TavixQContainer *row = fixedHeight(plainBox(queue, TavixQContainer::Horizontal, 8), 30);
        icon(row, QStringLiteral("document.svg"), 18);
        makeLabel(row, QString::fromLatin1(item), QColor(40, 46, 58), 11, false);
        moreArrow(row, 20);
    }
    TavixQContainer *marker = fixedHeight(plainBox(queue, TavixQContainer::Horizontal, 0), 22);
    badge(marker, QStringLiteral("Overdue docs"), QColor(253, 226, 225), QColor(176, 36, 32), 104);
    plainBox(marker, TavixQContainer::Horizontal, 0);
    fixedHeight(wrapped(makeLabel(queue,
                                  QStringLiteral("Please indicate the appropriate executors for verification to avoid "
                                                 "delays."),
                                  QColor(126, 132, 142), 10, false)), 48);
    plainBox(queue, TavixQContainer::Vertical, 0);
}

void buildSampleDashboard(TavixQContainer *page)
{
    TavixQContainer *row = plainBox(page, TavixQContainer::Horizontal, 10);
    TavixQContainer *main = plainBox(row, TavixQContainer::Vertical, 8);
    main->setLayoutRatio(74);
    TavixQContainer *side = plainBox(row, TavixQContainer::Vertical, 8);
    side->setLayoutRatio(26);

    buildStatusCards(main);
    TavixQContainer *policies = card(main, 2, 14, 10, 14, 10);
    fixedHeight(policies, 10 + 34 + 2 + 280 + 10);
    buildPolicyTable(policies);
    TavixQContainer *performance = card(main, 2, 12, 10, 12, 10);
    buildPerformance(performance);
    buildSideColumn(side);
}

} // namespace

void styleField(TavixQContainer *field, bool dark)
{
    field->setBackground(dark ? makeFill(QColor(17, 22, 30), 6, QColor(71, 85, 105), 1)
                              : makeFill(QColor(255, 255, 255), 6, QColor(203, 213, 225), 1));
    const QColor text = dark ? QColor(229, 231, 235) : QColor(17, 24, 39);
    for (QWidget *child : field->findChildren<QWidget *>()) {
        QPalette palette = child->palette();
        palette.setColor(QPalette::Text, text);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::ButtonText, text);
        child->setPalette(palette);
    }
    // A style sheet on the spin box overrides its palette: the text colour goes into the sheet too.
    for (TavixQSpinBox *spin : field->findChildren<TavixQSpinBox *>()) {
        spin->setStyleSheet(QStringLiteral("background-color: rgba(0, 0, 0, 0); color: %1; "
                                           "selection-background-color: %2; selection-color: %1;")
                                .arg(text.name(), dark ? QStringLiteral("#1e3a5f") : QStringLiteral("#bfdbfe")));
    }
}

const QStringList &sectionNames()
{
    static const QStringList names = {
        QStringLiteral("Dashboard"), QStringLiteral("Buttons"),  QStringLiteral("Label"),
        QStringLiteral("List"),      QStringLiteral("Grids"),    QStringLiteral("Tree"),
        QStringLiteral("GroupBox"),  QStringLiteral("Slider"),   QStringLiteral("ProgressBar"),
        QStringLiteral("Image"),     QStringLiteral("Spin"),     QStringLiteral("Switch"),
        QStringLiteral("Tab"),       QStringLiteral("ComboBox"),
    };
    return names;
}

QString sectionDescription(const QString &section)
{
    static const QHash<QString, QString> descriptions = {
        {QStringLiteral("Dashboard"), QStringLiteral("Quick-start workspace with a default Sorbane preview.")},
        {QStringLiteral("Buttons"), QStringLiteral("Push actions, command triggers, and primary CTA styling.")},
        {QStringLiteral("Label"), QStringLiteral("Text presentation, emphasis hierarchy, and message display.")},
        {QStringLiteral("List"), QStringLiteral("Scrollable item collections with delegate-driven visuals.")},
        {QStringLiteral("Grids"), QStringLiteral("Structured tables for dense data and row-level interaction.")},
        {QStringLiteral("Tree"), QStringLiteral("Hierarchical nodes with expand and collapse behavior.")},
        {QStringLiteral("GroupBox"), QStringLiteral("Framed sections for related inputs and grouped settings.")},
        {QStringLiteral("Slider"), QStringLiteral("Continuous value input with immediate visual feedback.")},
        {QStringLiteral("ProgressBar"),
         QStringLiteral("Task progress, completion state, and staged loading feedback.")},
        {QStringLiteral("Image"), QStringLiteral("Raster and SVG assets placed through the Sorbane image control.")},
        {QStringLiteral("Spin"), QStringLiteral("Stepper-based numeric input for compact value editing.")},
        {QStringLiteral("Switch"), QStringLiteral("Binary mode switching with animated thumb feedback.")},
        {QStringLiteral("Tab"), QStringLiteral("Tabbed navigation for compact page-level mode changes.")},
        {QStringLiteral("ComboBox"), QStringLiteral("Drop-down selection for concise option picking.")},
    };
    return descriptions.value(section, QStringLiteral("Default Sorbane component preview."));
}

TavixQContainer *buildSectionPage(TavixQStackContainer *stack, const QString &section)
{
    TavixQContainer *page = plainBox(stack, TavixQContainer::Vertical, 12);
    page->setProperty("dashboardSection", section);

    TavixQContainer *header = fixedHeight(card(page, 5, 20, 16, 20, 16), 70);
    // The right end of the header carries the window buttons and the profile chip.
    header->setChildPadding(20, 12, 240, 12);
    fixedHeight(makeLabel(header, section, QColor(17, 24, 39), 20, true), 24);
    wrapped(makeLabel(header, sectionDescription(section), QColor(97, 105, 122), 11, false));

    if (section == QLatin1String("Dashboard")) {
        buildSampleDashboard(page);
    } else {
        TavixQContainer *preview = card(page, 0, 8, 6, 8, 8);
        preview->setLayoutRatio(66);
        TavixQContainer *previewHeader = cardHeader(preview, QStringLiteral("Preview"));
        previewHeader->setChildPadding(8, 0, 0, 0);
        buildPreview(sectionBody(preview, previewHeader, QStringLiteral("dashboardPreviewBody")), section);

        TavixQContainer *notes = card(page, 0, 16, 12, 16, 16);
        notes->setLayoutRatio(34);
        TavixQContainer *notesHeader = cardHeader(notes, QStringLiteral("Notes"));
        buildNotes(sectionBody(notes, notesHeader, QStringLiteral("dashboardNotesBody")), section);
    }
    stack->addWidget(page);
    page->forceResize();
    return page;
}

void buildPreview(TavixQContainer *body, const QString &section)
{
    if (!body)
        return;
    qDeleteAll(body->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
    TavixQContainer *canvas = box(body, TavixQContainer::Vertical, 12, 18, 18, 18, 18);
    canvas->setThemeName(QStringLiteral("PreviewCanvasBg"));
    canvas->setLayoutRatio(1);
    canvas->setMinimumHeight(300);
    canvas->setDrawBackground(true);
    fixedHeight(wrapped(makeLabel(canvas, QStringLiteral("%1 default preview").arg(section), QColor(31, 41, 55), 13,
                                  true)), 26);
    fixedHeight(wrapped(makeLabel(canvas, sectionDescription(section), QColor(92, 100, 116), 11, false)), 42);
    TavixQContainer *content = card(canvas, 12, 18, 18, 18, 18);
    content->setMinimumHeight(190);
    buildContent(content, section);
    content->forceResize();
    canvas->forceResize();
    body->forceResize();
}

void buildNotes(TavixQContainer *body, const QString &section)
{
    if (!body)
        return;
    qDeleteAll(body->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly));
    TavixQContainer *notes = plainBox(body, TavixQContainer::Vertical, 2, 10);
    fixedHeight(makeLabel(notes, QStringLiteral("%1 usage note").arg(section), QColor(31, 41, 55), 12, true), 24);
    const QString lines[] = {
        QStringLiteral("%1 preview is shown on the right with a lightweight default setup so we can verify visuals, "
                       "spacing, and interaction without jumping through the older demo pages.")
            .arg(section),
        QStringLiteral("This panel is intentionally lightweight: one control family per click, one default preview "
                       "per family, and a stacked card layout inspired by accordion-style documentation demos."),
    };
    for (const QString &line : lines) {
        TavixQLabel *label = wrapped(makeLabel(notes, line, QColor(92, 100, 116), 11, false));
        label->setMinimumHeight(25);
    }
    body->forceResize();
    notes->forceResize();
}

} // namespace TavixDemo
