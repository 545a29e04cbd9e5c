#pragma once

#include "designer/TavixQWindow.h"

#include <QList>
#include <QPointer>
#include <QString>

class QButtonGroup;
class QDialog;
class QKeyEvent;

namespace TavixQtLib {
class TavixQContainer;
class TavixQImage;
class TavixQLabel;
class TavixQPushButton;
class TavixQRadioButton;
class TavixQStackContainer;
}

// The dashboard: a frameless 1280 x 720 window with a collapsible sidebar of fourteen control
// families and a workspace stack that shows one preview page per family.
class CorvellaSorbane : public TavixQtLib::TavixQWindow
{
    Q_OBJECT
public:
    explicit CorvellaSorbane(QWidget *parent = nullptr);

    bool isReady() const { return m_constructed; }
    bool isCollapsed() const { return m_collapsed; }

    // Makes the page whose "dashboardSection" is name current; an unknown name changes nothing.
    void selectSection(const QString &name);
    QString currentSection() const;

    void openThemeDialog();
    // Closes the dialog, then loads dir once the click that asked for it has returned.
    void applyTheme(const QString &dir);
    QDialog *themeDialog() const { return m_themeDialog; }
    // The directory of the theme in use, reloaded when another one fails to load.
    void setCurrentThemeDir(const QString &dir) { m_themeDir = dir; }
    // Re-applies what a theme change resets: label colours for the theme's brightness.
    void adaptToTheme();

    TavixQtLib::TavixQContainer *sidebar() const { return m_sidebar; }
    TavixQtLib::TavixQContainer *header() const { return m_header; }
    TavixQtLib::TavixQContainer *promoCard() const { return m_promoCard; }
    TavixQtLib::TavixQContainer *divider() const { return m_divider; }
    TavixQtLib::TavixQImage *logo() const { return m_logo; }
    TavixQtLib::TavixQLabel *promoTitle() const { return m_promoTitle; }
    TavixQtLib::TavixQLabel *promoText() const { return m_promoText; }
    TavixQtLib::TavixQPushButton *collapseButton() const { return m_collapseButton; }
    TavixQtLib::TavixQStackContainer *workspaceStack() const { return m_stack; }
    const QList<TavixQtLib::TavixQRadioButton *> &navigationButtons() const { return m_navButtons; }

public slots:
    void toggleCollapse();

signals:
    // A theme directory finished loading (ok) or failed; emitted after the warning box closes.
    void themeApplied(const QString &dir, bool ok);

protected:
    void resizeEvent(QResizeEvent *event) override;
    // Escape belongs to pop-ups and the theme dialog: on the dashboard itself it closes nothing.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildShell();
    void buildSidebar();
    void buildWorkspace();
    void showHelp();
    void toggleMaximized();
    void loadTheme(const QString &dir);
    bool themeIsDark() const;
    void styleNavigation();
    void revealNavigationButton(QWidget *button);
    void setUpKeyboard();

    TavixQtLib::TavixQContainer *m_root = nullptr;
    QPointer<QDialog> m_themeDialog;
    QButtonGroup *m_navGroup = nullptr;
    TavixQtLib::TavixQContainer *m_shell = nullptr;
    TavixQtLib::TavixQContainer *m_sidebar = nullptr;
    TavixQtLib::TavixQContainer *m_workspace = nullptr;
    TavixQtLib::TavixQContainer *m_header = nullptr;
    TavixQtLib::TavixQContainer *m_navList = nullptr;
    TavixQtLib::TavixQContainer *m_promoCard = nullptr;
    TavixQtLib::TavixQImage *m_logo = nullptr;
    TavixQtLib::TavixQContainer *m_divider = nullptr;
    TavixQtLib::TavixQPushButton *m_collapseButton = nullptr;
    TavixQtLib::TavixQPushButton *m_maximizeButton = nullptr;
    TavixQtLib::TavixQLabel *m_promoTitle = nullptr;
    TavixQtLib::TavixQLabel *m_promoText = nullptr;
    TavixQtLib::TavixQStackContainer *m_stack = nullptr;
    QList<TavixQtLib::TavixQRadioButton *> m_navButtons;
    QString m_themeDir = QStringLiteral("./theme1");
    bool m_collapsed = false;
    bool m_constructed = false;
};
