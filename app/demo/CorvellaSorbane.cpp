#include "CorvellaSorbane.h"

#include "DemoFactories.h"
#include "DemoPages.h"
#include "DemoRun.h"

#include "controls/TavixQContainer.h"
#include "controls/TavixQImage.h"
#include "controls/TavixQLabel.h"
#include "controls/TavixQPushButton.h"
#include "controls/TavixQRadioButton.h"
#include "controls/TavixQScrollBar.h"
#include "controls/TavixQStackContainer.h"
#include "controls/views/TavixQTreeView.h"
#include "core/TavixLibrary.h"
#include "resources/TextStyleDesc.h"

#include <QButtonGroup>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPalette>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>

// The images are compiled into a static library, whose resource initialiser the linker would drop.
static void initDemoResources()
{
    Q_INIT_RESOURCE(demo);
}

using namespace TavixQtLib;
using namespace TavixDemo;

namespace {

const QString kImages = QStringLiteral(":/CorvellaSorbane/images/");

struct ThemeChoice {
    const char *button;
    const char *caption;
    const char *dir;
    int rowY;
};

const ThemeChoice kThemeChoices[] = {
    {"Theme 1", "Light blue office style", "./theme1", 82},
    {"Theme 2", "Dark contrast style", "./theme2", 130},
    {"Theme 3", "Classic neutral style", "./theme3", 178},
};

struct NavEntry {
    const char *icon;
    const char *text;
};

const NavEntry kNavigation[] = {
    {"home.svg", "Dashboard"},      {"handbag.svg", "Buttons"},     {"shop.svg", "Label"},
    {"box.svg", "List"},            {"box.svg", "Grids"},           {"user.svg", "Tree"},
    {"document.svg", "GroupBox"},   {"wallet.svg", "Slider"},       {"trend-charts.svg", "ProgressBar"},
    {"discount.svg", "Image"},      {"discount.svg", "Spin"},       {"discount.svg", "Switch"},
    {"discount.svg", "Tab"},        {"discount.svg", "ComboBox"},
};

void setContainerLayout(TavixQContainer *c, TavixQContainer::AutoChildLayout layout, int space, int l, int t,
                        int r, int b)
{
    c->setChildLayout(layout);
    c->setChildSpace(space);
    c->setChildPadding(l, t, r, b);
}

TavixQContainer *expandingContainer(QWidget *parent, int ratio)
{
    auto *c = new TavixQContainer(parent);
    c->setLayoutRatio(ratio);
    c->setWidthPolicy(PolicyExpanding);
    c->setHeightPolicy(PolicyExpanding);
    return c;
}

} // namespace

CorvellaSorbane::CorvellaSorbane(QWidget *parent)
    : TavixQWindow(parent)
{
    initDemoResources();
    m_root = new TavixQContainer(this);
    setFixedSize(1280, 720);
    m_root->setGeometry(0, 0, width(), height());
    m_root->setThemeName(QStringLiteral("WindowsBg"));
    m_root->setChildPadding(1);

    setResizeable(true);
    centerWindow();
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setTransparent(true);

    buildShell();
    // Ctrl+T brings the theme dialog back (and to the front) from the keyboard.
    auto *themeShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), this);
    connect(themeShortcut, &QShortcut::activated, this, &CorvellaSorbane::openThemeDialog);
    openThemeDialog();
    m_constructed = true;
}

void CorvellaSorbane::buildShell()
{
    if (!m_root)
        return;
    if (m_navGroup)
        m_navGroup->deleteLater();
    m_navGroup = nullptr;
    m_shell = m_sidebar = m_workspace = m_header = m_navList = m_promoCard = m_divider = nullptr;
    m_logo = nullptr;
    m_collapseButton = m_maximizeButton = nullptr;
    m_promoTitle = m_promoText = nullptr;
    m_stack = nullptr;
    m_navButtons.clear();
    for (QWidget *child : m_root->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->objectName() == QLatin1String("dashboardShell")) {
            // Out of the layout now; the deferred delete frees it once its handlers have returned.
            child->hide();
            child->setObjectName(QString());
            child->deleteLater();
        } else {
            child->hide();
        }
    }

    m_shell = new TavixQContainer(m_root);
    m_shell->setBackground(makeFill(QColor(0, 0, 0, 0)));
    m_shell->setGeometry(0, 0, m_root->width(), m_root->height());
    m_shell->setLayoutRatio(1);
    m_shell->setWidthPolicy(PolicyExpanding);
    m_shell->setHeightPolicy(PolicyExpanding);
    setContainerLayout(m_shell, TavixQContainer::Horizontal, 10, 0, 0, 0, 0);
    m_shell->setObjectName(QStringLiteral("dashboardShell"));
    m_shell->setDrawBackground(false);
    m_shell->setGeometry(8, 8, qMax(0, m_root->width() - 16), qMax(0, m_root->height() - 16));

    buildSidebar();
    buildWorkspace();

    for (TavixQContainer *c : {m_shell, m_sidebar, m_header, m_navList, m_workspace})
        c->forceResize();
    m_navButtons.first()->setChecked(true);
    selectSection(QStringLiteral("Dashboard"));
    setUpKeyboard();
    m_shell->show();
}

void CorvellaSorbane::setUpKeyboard()
{
    // The dashboard is a dialog underneath: it would make its first push button the default one, and
    // Enter anywhere (the search field, a slider) would then collapse the sidebar. Every button takes
    // Enter only while it has focus.
    for (QPushButton *button : m_shell->findChildren<QPushButton *>())
        button->setAutoDefault(false);
    // Tab reaches the open section's button (the arrows step between sections), then the collapse
    // button below them, then the open page.
    QWidget::setTabOrder(m_navButtons.last(), m_collapseButton);
}

void CorvellaSorbane::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    TavixQWindow::keyPressEvent(event);
}

void CorvellaSorbane::buildSidebar()
{
    m_sidebar = expandingContainer(m_shell, 19);
    m_sidebar->setThemeName(QStringLiteral("SidebarBg"));
    setContainerLayout(m_sidebar, TavixQContainer::Vertical, 8, 9, 9, 9, 9);
    m_sidebar->setMinimumWidth(220);
    m_sidebar->setMaximumWidth(360);
    m_shell->addChildWidget(m_sidebar, 19);

    m_header = expandingContainer(m_sidebar, 20);
    m_navList = expandingContainer(m_sidebar, 50);
    m_promoCard = expandingContainer(m_sidebar, 30);
    for (TavixQContainer *part : {m_header, m_navList, m_promoCard}) {
        setContainerLayout(part, TavixQContainer::NoUse, 0, 0, 0, 0, 0);
        m_sidebar->addChildWidget(part, part->getLayoutRatio());
    }
    m_header->setBackground(transparentFill());
    m_navList->setBackground(transparentFill());
    m_promoCard->setThemeName(QStringLiteral("PromoBg"));

    m_header->setHeightPolicy(PolicyFixed);
    m_header->setFixedHeight(96);
    m_header->setDrawBackground(false);
    setContainerLayout(m_header, TavixQContainer::Vertical, 5, 12, 8, 12, 8);

    m_navList->setObjectName(QStringLiteral("sidebarPrimaryNav"));
    m_navList->setDrawBackground(false);
    setContainerLayout(m_navList, TavixQContainer::Vertical, 8, 0, 8, 0, 0);
    m_navList->setHeightPolicy(PolicyExpanding);
    m_navList->setMinimumHeight(80);
    auto *navBar = new TavixQScrollBar(Qt::Vertical, m_sidebar);
    m_navList->bindScrollBar(navBar, false);

    m_header->setChildLayout(TavixQContainer::Vertical);
    m_logo = new TavixQImage(m_header);
    m_logo->setImagePath(kImages + QStringLiteral("logo.png"));
    m_logo->setStretchDraw(true);
    m_logo->setFixedSize(200, 50);
    m_header->addChildWidget(m_logo);

    m_collapseButton = new TavixQPushButton(m_sidebar);
    m_collapseButton->setIcon(kImages + QStringLiteral("chevron-left.svg"));
    m_collapseButton->setUseIcon(true);
    m_collapseButton->setShowText(false);
    m_collapseButton->setAccessibleName(QStringLiteral("Collapse sidebar"));
    m_collapseButton->setFixedSize(24, 24);
    m_collapseButton->setAbsoluteDock(DockFar, DockFar, -2, -2);
    connect(m_collapseButton, &QPushButton::clicked, this, &CorvellaSorbane::toggleCollapse);

    m_divider = expandingContainer(m_header, 1);
    m_divider->setThemeName(QStringLiteral("DividerBg"));
    setContainerLayout(m_divider, TavixQContainer::NoUse, 0, 0, 0, 0, 0);
    m_divider->setHeightPolicy(PolicyFixed);
    m_divider->setFixedHeight(1);
    m_header->addChildWidget(m_divider, 1);

    m_navGroup = new QButtonGroup(this);
    m_navGroup->setExclusive(true);
    for (const NavEntry &entry : kNavigation) {
        const QString text = QString::fromLatin1(entry.text);
        auto *button = new TavixQRadioButton(m_navList);
        button->setPushlike(true);
        button->setShowText(true);
        button->setShowIcon(true);
        button->setWidthPolicy(PolicyExpanding);
        button->setHeightPolicy(PolicyFixed);
        button->setFixedHeight(40);
        button->setAutoExclusive(true);
        button->setText(text);
        button->setIcon(kImages + QString::fromLatin1(entry.icon));
        button->setIconHorAlign(DockNear);
        button->setIconVerAlign(DockCenter);
        button->setIconOffsetX(10);
        button->setProperty("dashboardSection", text);
        m_navGroup->addButton(button);
        m_navButtons.append(button);
        m_navList->addChildWidget(button);
        connect(button, &QAbstractButton::toggled, this, [this, text](bool on) {
            if (on)
                selectSection(text);
        });
        connect(button, &QAbstractButton::clicked, this, [this, text] { selectSection(text); });
        connect(button, &TavixQRadioButton::pressedEvent, this, [this, text] { selectSection(text); });
    }
    const FillStyle normalFill = transparentFill();
    const FillStyle selectedFill = makeFill(QColor(236, 243, 255), 14);
    for (TavixQRadioButton *button : m_navButtons) {
        for (int s = Normal; s <= Disable; ++s) {
            button->setBackground(CtrlState(s), normalFill);
            button->setSelectedBackground(CtrlState(s), selectedFill);
        }
        // The radio keyword's entry would replace the icons by indicator images on every theme switch;
        // this entry restyles fills and texts only, and a theme that has it supplies the selected fill.
        button->setThemeName(QStringLiteral("NavButton"));
    }
    styleNavigation();

    m_promoCard->setChildLayout(TavixQContainer::Vertical);
    m_promoCard->setChildSpace(8);
    m_promoCard->setChildPadding(16);
    m_promoCard->setHeightPolicy(PolicyFixed);
    m_promoCard->setFixedHeight(140);
    m_promoTitle = makeLabel(m_promoCard, QStringLiteral("Workspace Preview"), QColor(26, 31, 43), 13, true);
    m_promoTitle->setHeightPolicy(PolicyFixed);
    m_promoTitle->setFixedHeight(20);
    m_promoText = makeLabel(m_promoCard,
                            QStringLiteral("Select a component on the left and the right panel swaps to a default "
                                           "preview using the Sorbane control itself."),
                            QColor(88, 96, 112), 11, false);
    setLabelWrap(m_promoText, true);
    m_promoCard->addChildWidget(m_promoTitle);
    m_promoCard->addChildWidget(m_promoText);

    m_collapseButton->raise();
}

void CorvellaSorbane::buildWorkspace()
{
    m_workspace = expandingContainer(m_shell, 81);
    m_workspace->setBackground(transparentFill());
    setContainerLayout(m_workspace, TavixQContainer::Vertical, 12, 0, 0, 0, 0);
    m_workspace->setDrawBackground(false);
    m_shell->addChildWidget(m_workspace, 81);

    m_stack = new TavixQStackContainer(m_workspace);
    m_stack->setObjectName(QStringLiteral("dashboardWorkspaceStack"));
    m_stack->setDrawBackground(false);
    m_stack->setWidthPolicy(PolicyExpanding);
    m_stack->setHeightPolicy(PolicyExpanding);
    m_workspace->addChildWidget(m_stack);
    for (const QString &section : sectionNames())
        buildSectionPage(m_stack, section);

    struct WindowButton {
        const char *name, *tip, *icon, *theme;
        int offsetX;
    };
    const WindowButton buttons[] = {
        {"dashboardHelpButton", "Help", "help.svg", "WindowButtonBlue", -218},
        {"dashboardMinimizeButton", "Minimize", "window-minimize.svg", "WindowButtonBlue", -80},
        {"dashboardMaximizeButton", "Maximize", "window-maximize.svg", "WindowButtonBlue", -44},
        {"dashboardCloseButton", "Close", "window-close.svg", "WindowButtonClose", -8},
    };
    for (const WindowButton &b : buttons) {
        auto *button = new TavixQPushButton(m_workspace);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setToolTip(QString::fromLatin1(b.tip));
        button->setIcon(kImages + QString::fromLatin1(b.icon));
        button->setUseIcon(true);
        button->setShowText(false);
        button->setThemeName(QString::fromLatin1(b.theme));
        button->setFixedSize(28, 28);
        button->setDrawBackground(true);
        button->setAbsoluteDock(DockFar, DockNear, b.offsetX, 8);
        button->raise();
        const QString name = button->objectName();
        if (name == QLatin1String("dashboardHelpButton"))
            connect(button, &QPushButton::clicked, this, &CorvellaSorbane::showHelp);
        else if (name == QLatin1String("dashboardMinimizeButton"))
            connect(button, &QPushButton::clicked, this, &QWidget::showMinimized);
        else if (name == QLatin1String("dashboardMaximizeButton"))
            connect(button, &QPushButton::clicked, this, &CorvellaSorbane::toggleMaximized);
        else
            connect(button, &QPushButton::clicked, this, &QWidget::close);
        if (name == QLatin1String("dashboardMaximizeButton"))
            m_maximizeButton = button;
    }

    auto *profile = new TavixQContainer(m_workspace);
    profile->setObjectName(QStringLiteral("dashboardUserProfile"));
    profile->setBackground(transparentFill());
    profile->setLayoutRatio(1);
    setContainerLayout(profile, TavixQContainer::Horizontal, 8, 6, 4, 8, 4);
    profile->setDrawBackground(false);
    profile->setAbsoluteDockAutoSize(true);
    // Between the help and the minimize button: docked at -184 the chip would cover the help button.
    profile->setAbsoluteDock(DockFar, DockNear, -116, 8);

    auto *avatar = new TavixQContainer(profile);
    avatar->setBackground(makeFill(QColor(230, 238, 255), 10, QColor(205, 218, 247), 1));
    avatar->setFixedSize(22, 22);
    avatar->setWidthPolicy(PolicyFixed);
    avatar->setHeightPolicy(PolicyFixed);
    avatar->setChildLayout(TavixQContainer::Vertical);
    TavixQLabel *letter = makeLabel(avatar, QStringLiteral("A"), QColor(52, 95, 190), 9, true);
    setLabelCentered(letter);
    pinLabelColor(letter);
    avatar->addChildWidget(letter);
    TavixQLabel *admin = makeLabel(profile, QStringLiteral("Admin"), QColor(45, 51, 64), 10, true);
    admin->setWidthPolicy(PolicyDefault);
    admin->setFixedWidth(admin->fontMetrics().horizontalAdvance(admin->text()) + 4);
    profile->addChildWidget(avatar);
    profile->addChildWidget(admin);
    profile->forceResize();
    profile->raise();
}

void CorvellaSorbane::resizeEvent(QResizeEvent *event)
{
    TavixQWindow::resizeEvent(event);
    if (!m_root)
        return;
    m_root->setGeometry(0, 0, width(), height());
    if (auto *shell = m_root->findChild<TavixQContainer *>(QStringLiteral("dashboardShell"),
                                                           Qt::FindDirectChildrenOnly)) {
        shell->setGeometry(8, 8, qMax(0, m_root->width() - 16), qMax(0, m_root->height() - 16));
        shell->forceResize();
    }
}

void CorvellaSorbane::selectSection(const QString &name)
{
    if (!m_stack)
        return;
    for (int i = 0; i < m_stack->count(); ++i) {
        QWidget *page = m_stack->widget(i);
        if (!page || page->property("dashboardSection").toString() != name)
            continue;
        m_stack->setCurrentWidget(page);
        page->show();
        page->raise();
        page->update();
        if (auto *container = qobject_cast<TavixQContainer *>(page))
            container->forceResize();
        m_stack->updateGeometry();
        m_stack->update();
        for (TavixQRadioButton *button : m_navButtons) {
            if (button->property("dashboardSection").toString() != name)
                continue;
            if (!button->isChecked())
                button->setChecked(true);
            revealNavigationButton(button);
        }
        return;
    }
}

void CorvellaSorbane::revealNavigationButton(QWidget *button)
{
    // A section chosen by name may sit below the fold of the navigation list: scroll it into view.
    if (!m_navList || !m_navList->getBindScrollBar(false))
        return;
    const int scroll = m_navList->getScrollPos(false);
    const int top = button->y() + scroll;
    const int bottom = top + button->height();
    if (top - 8 < scroll)
        m_navList->setScrollPos(false, qMax(0, top - 8));
    else if (bottom + 8 > scroll + m_navList->height())
        m_navList->setScrollPos(false, bottom + 8 - m_navList->height());
}

QString CorvellaSorbane::currentSection() const
{
    QWidget *page = m_stack ? m_stack->currentWidget() : nullptr;
    return page ? page->property("dashboardSection").toString() : QString();
}

void CorvellaSorbane::toggleCollapse()
{
    if (!m_sidebar || m_sidebar->isResizeAnimationRunning())
        return;
    const bool collapse = !m_collapsed;
    const QSize target(collapse ? 72 : 220, m_sidebar->height());
    // Taken first: raising the minimum resizes the sidebar at once, which would leave nothing to animate
    // and the collapsed width's maximum in force, so the workspace would keep the collapsed room.
    const QSize from = m_sidebar->size();
    m_sidebar->setWidthPolicy(PolicyFixed);
    // The width limits of the expanded sidebar would stop the animation short of 72.
    m_sidebar->setMinimumWidth(collapse ? 72 : 220);
    if (!m_sidebar->startResizeAnimation(from, target, 220))
        return;

    m_collapseButton->setAbsoluteDock(DockFar, DockFar, collapse ? -15 : -2, collapse ? -15 : -2);
    m_collapsed = collapse;
    m_collapseButton->setAccessibleName(collapse ? QStringLiteral("Expand sidebar")
                                                 : QStringLiteral("Collapse sidebar"));

    m_header->setHeightPolicy(PolicyFixed);
    m_header->setFixedHeight(collapse ? 64 : 96);
    if (collapse)
        m_header->setChildPadding(8, 6, 8, 6);
    else
        m_header->setChildPadding(12, 8, 12, 8);
    m_header->setChildSpace(collapse ? 0 : 5);

    m_logo->setImagePath(kImages + (collapse ? QStringLiteral("logoMin.png") : QStringLiteral("logo.png")));
    if (collapse)
        m_logo->setFixedSize(40, 40);
    else
        m_logo->setFixedSize(200, 50);

    m_divider->setVisible(!collapse);
    m_divider->setFixedHeight(collapse ? 0 : 1);

    m_promoCard->setVisible(true);
    m_promoCard->setHeightPolicy(PolicyFixed);
    m_promoCard->setFixedHeight(collapse ? 48 : 140);
    m_promoCard->setChildPadding(collapse ? 8 : 16);
    m_promoCard->setChildSpace(collapse ? 0 : 8);
    m_promoTitle->setVisible(!collapse);
    m_promoText->setVisible(!collapse);

    m_navList->setChildPadding(0, 8, 0, 0);
    for (TavixQRadioButton *button : m_navButtons) {
        button->setShowText(!collapse);
        button->setIconHorAlign(collapse ? DockCenter : DockNear);
        button->setIconVerAlign(DockCenter);
        button->setIconOffsetX(collapse ? 0 : 10);
        button->setIconOffsetY(0);
        button->update();
    }

    m_collapseButton->setIcon(kImages + (collapse ? QStringLiteral("chevron-right.svg")
                                                  : QStringLiteral("chevron-left.svg")));
    m_collapseButton->raise();

    for (TavixQContainer *c : {m_shell, m_sidebar, m_header, m_navList})
        c->forceResize();
    m_stack->updateGeometry();
    m_stack->update();
}

void CorvellaSorbane::showHelp()
{
    QMessageBox::information(this, QStringLiteral("Help"),
                             QStringLiteral("Sorbane dashboard controls and component previews."));
}

void CorvellaSorbane::toggleMaximized()
{
    if (!isMaximized()) {
        showMaximized();
        m_maximizeButton->setIcon(kImages + QStringLiteral("window-restore.svg"));
    } else {
        showNormal();
        m_maximizeButton->setIcon(kImages + QStringLiteral("window-maximize.svg"));
    }
}

void CorvellaSorbane::openThemeDialog()
{
    if (!m_themeDialog) {
        auto *dialog = new QDialog(this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowTitle(QStringLiteral("Switch Theme Style"));
        dialog->setModal(false);
        dialog->setWindowFlags(dialog->windowFlags() | Qt::Tool);
        dialog->setFixedSize(360, 250);
        m_themeDialog = dialog;   // a QPointer: cleared when the dialog is destroyed
        // Escape closes the dialog; the keyboard goes back to the dashboard, not to no window at all.
        connect(dialog, &QDialog::rejected, this, [this] {
            if (isVisible())
                activateWindow();
        });

        auto *content = new TavixQContainer(dialog);
        content->setThemeName(QStringLiteral("mainBkg"));
        content->setChildLayout(TavixQContainer::NoUse);
        content->setGeometry(0, 0, dialog->width(), dialog->height());
        TavixQLabel *title = makeLabel(content, QStringLiteral("Switch Theme Style"), QColor(17, 24, 39), 16, true);
        title->setThemeName(QStringLiteral("labTitle"));
        title->setGeometry(24, 9, 220, 30);
        TavixQLabel *hint = makeLabel(content, QStringLiteral("Choose a Sorbane theme and apply it immediately."),
                                      QColor(92, 100, 116), 12, false);
        hint->setThemeName(QStringLiteral("qtlabel"));
        hint->setGeometry(24, 48, 312, 24);
        for (const ThemeChoice &choice : kThemeChoices) {
            auto *row = new TavixQContainer(content);
            row->setThemeName(QStringLiteral("secondBkg"));
            row->setChildLayout(TavixQContainer::NoUse);
            row->setGeometry(24, choice.rowY, 312, 42);
            TavixQLabel *caption =
                makeLabel(row, QString::fromLatin1(choice.caption), QColor(92, 100, 116), 12, false);
            caption->setThemeName(QStringLiteral("qtlabel"));
            // Wide enough for the caption: the row's free width right of the button.
            caption->setGeometry(126, 9, 180, 24);
            auto *button = new TavixQPushButton(content);
            button->setText(QString::fromLatin1(choice.button));
            button->setThemeName(QStringLiteral("qtbutton"));
            button->setGeometry(30, choice.rowY + 5, 110, 32);
            button->raise();
            const QString dir = QString::fromLatin1(choice.dir);
            connect(button, &QPushButton::clicked, this, [this, dir] { applyTheme(dir); });
        }
    }
    m_themeDialog->move(mapToGlobal(QPoint(width() + 8, 50)));
    m_themeDialog->show();
    m_themeDialog->raise();
    m_themeDialog->activateWindow();
}

void CorvellaSorbane::applyTheme(const QString &dir)
{
    if (m_themeDialog) {
        m_themeDialog->hide();
        m_themeDialog->deleteLater();
        m_themeDialog = nullptr;
    }
    QTimer::singleShot(0, this, [this, dir] { loadTheme(dir); });
}

void CorvellaSorbane::loadTheme(const QString &dir)
{
    if (loadDemoTheme(dir)) {
        m_themeDir = dir;
        adaptToTheme();
        openThemeDialog();
        emit themeApplied(dir, true);
        return;
    }
    // A failed load leaves the kit with an empty theme set: put the previous theme back.
    if (!m_themeDir.isEmpty() && loadDemoTheme(m_themeDir))
        adaptToTheme();
    QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("Can't open theme file: %1").arg(dir));
    emit themeApplied(dir, false);
}

bool CorvellaSorbane::themeIsDark() const
{
    // Judge by what a card actually paints, whatever kind of fill the theme gives it.
    TavixQContainer probe;
    probe.setThemeName(QStringLiteral("CardBg"));
    probe.resize(16, 16);
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    probe.render(&image);
    return QColor(image.pixel(8, 8)).lightnessF() < 0.45;
}

void CorvellaSorbane::styleNavigation()
{
    for (TavixQRadioButton *button : m_navButtons) {
        // The caption starts right of the icon's natural width; the icon sits 10 pixels in, so does the text.
        for (CheckBoxTextState s : {CheckBoxTextState::Checked, CheckBoxTextState::Unchecked,
                                    CheckBoxTextState::Disable}) {
            TextStyleDesc text = button->getTextStyleByState(s);
            text.x = 18;
            button->setTextStyleByState(s, text);
        }
        // The line icons are drawn in one grey; they take the caption's colour so dark sidebars show them.
        IconStyleDesc icon = button->getIconStyle();
        icon.useColor = true;
        icon.color = button->getTextStyleByState(CheckBoxTextState::Unchecked).color;
        button->setIconStyle(icon);
    }
    // The collapse arrow sits on a themed push button: it takes that button's caption colour.
    if (m_collapseButton) {
        IconStyleDesc icon = m_collapseButton->getIconStyle();
        icon.useColor = true;
        icon.color = m_collapseButton->getTextStyle(Normal).color;
        m_collapseButton->setIconStyle(icon);
    }
}

void CorvellaSorbane::adaptToTheme()
{
    const bool dark = themeIsDark();
    adaptLabels(this, dark);
    styleNavigation();
    for (TavixQContainer *field : findChildren<TavixQContainer *>()) {
        if (field->property("demoField").toBool())
            styleField(field, dark);
    }
    // The style draws a tree's expand arrows in the palette's colours; they follow the row text.
    for (TavixQTreeView *tree : findChildren<TavixQTreeView *>()) {
        const QColor text = tree->getItemTextStyle(Normal).color;
        QPalette palette = tree->palette();
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(role, text);
        tree->setPalette(palette);
    }
    update();
}
