// page-window: a page document built in a kit window, styled by a theme folder, with a control of the
// application's own (StatusDot) placed by the same document.
//
//   page-window [--quit-after MS] [--screenshot FILE.png]
#include "StatusDot.h"

#include <TavixQtLib/TavixQtLib.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

using namespace TavixQtLib;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"), QStringLiteral("Quit after <ms>."),
                                       QStringLiteral("ms"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the window to <png> and quit."), QStringLiteral("png"));
    parser.addOptions({quitAfter, screenshot});
    parser.process(app);

    init();
    // Listed: the designer's palette and property list offer it like a built-in control.
    tavixRegisterQtControl(StatusDot::typeName(), &StatusDot::createStatusDot, StatusDot::getProps(), true);

    const QString dir = QStringLiteral(PAGE_WINDOW_DIR);
    if (!tavixLoadThemeDir((dir + QStringLiteral("/theme")).toUtf8().constData()))
        return 1;

    TavixQWindow window;
    window.setWindowTitle(QStringLiteral("Page window"));
    // The document sets the window's size and builds every control inside it.
    if (!tavixCreatePageByFileName(&window, dir + QStringLiteral("/page.json")))
        return 1;

    // Controls are found by the names the document gives them.
    auto *link = window.findChild<StatusDot *>(QStringLiteral("link"));
    auto *connect = window.findChild<TavixQPushButton *>(QStringLiteral("connect"));
    if (!link || !connect)
        return 1;
    QObject::connect(connect, &QPushButton::clicked, link, [link] { link->setOn(!link->isOn()); });

    if (parser.isSet(quitAfter))
        QTimer::singleShot(parser.value(quitAfter).toInt(), &app, &QApplication::quit);
    window.show();
    if (parser.isSet(screenshot)) {
        QTimer::singleShot(0, &app, [&] {
            QApplication::exit(window.grab().save(parser.value(screenshot)) ? 0 : 1);
        });
    }
    return QApplication::exec();
}
