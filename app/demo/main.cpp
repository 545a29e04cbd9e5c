// tavix-demo: the dashboard that previews every control family and switches themes.
//
//   tavix-demo [--theme DIR|FILE.zip] [--screenshot FILE.png [--section NAME] [--collapsed]] [--timings]
//              [--scale FACTOR]

#include "../TavixAppScale.h"
#include "DemoRun.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDateTime>
#include <QTextStream>

#include <cstring>

namespace {

// Screenshots and timings need no display: without a platform chosen, draw offscreen.
bool headlessRun(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--screenshot", 12) == 0 || std::strcmp(argv[i], "--timings") == 0)
            return true;
    }
    return false;
}


} // namespace

int main(int argc, char **argv)
{
    const qint64 started = QDateTime::currentMSecsSinceEpoch();
    if (headlessRun(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The whole program, window and screenshots alike, then paints at this device pixel ratio.
    if (!tavixApplyScaleArgument(argc, argv, "tavix-demo"))
        return 1;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavix-demo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Dashboard of the kit's control families with theme switching."));
    parser.addHelpOption();
    const QCommandLineOption theme(QStringLiteral("theme"), QStringLiteral("Start with the theme directory <dir>, or a ZIP archive of one."),
                                   QStringLiteral("dir"), QStringLiteral("./theme1"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window into <file> (PNG) and exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption section(QStringLiteral("section"), QStringLiteral("Show section <name> first."),
                                     QStringLiteral("name"));
    const QCommandLineOption collapsed(QStringLiteral("collapsed"), QStringLiteral("Collapse the sidebar first."));
    const QCommandLineOption timings(QStringLiteral("timings"),
                                     QStringLiteral("Print start-up, memory and theme-switch figures and exit."));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
                                         QStringLiteral("Paint at device pixel ratio <factor> (for example 2)."),
                                         QStringLiteral("factor"));
    parser.addOptions({theme, screenshot, section, collapsed, timings, scaleOption});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        QTextStream(stderr) << "tavix-demo: unexpected argument " << parser.positionalArguments().first() << "\n";
        return 1;
    }

    TavixDemo::RunOptions options;
    options.themeDir = parser.value(theme);
    options.screenshot = parser.value(screenshot);
    options.section = parser.value(section);
    options.collapsed = parser.isSet(collapsed);
    options.timings = parser.isSet(timings);
    options.startedMs = started;
    return TavixDemo::runDashboard(options);
}
