// tavix-designer: edits page documents with the kit's canvas, palette and property list.
//
//   tavix-designer [--open FILE] [--project DIR] [--ribbon FILE] [--screenshot FILE.png] [--scale FACTOR]

#include "DesignerWindow.h"
#include "../TavixAppScale.h"

#include "core/TavixLibrary.h"
#include "designer/TavixQCanvas.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QImage>
#include <QTextStream>
#include <QTimer>

#include <cstring>

int main(int argc, char **argv)
{
    // A screenshot needs no display: without a platform chosen, draw offscreen.
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--screenshot", 12) == 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (!tavixApplyScaleArgument(argc, argv, "tavix-designer"))
        return 1;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavix-designer"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Page designer for the kit's page documents."));
    parser.addHelpOption();
    const QCommandLineOption open(QStringLiteral("open"), QStringLiteral("Open the page document <file>."),
                                  QStringLiteral("file"));
    const QCommandLineOption project(QStringLiteral("project"), QStringLiteral("Use <dir> as the project folder."),
                                     QStringLiteral("dir"));
    const QCommandLineOption ribbon(QStringLiteral("ribbon"),
                                    QStringLiteral("Build a ribbon from the configuration <file> into the page."),
                                    QStringLiteral("file"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Render the window into <file> (PNG) and exit."),
                                        QStringLiteral("file"));
    // Read above, before the application exists; listed here for --help and so the parser accepts it.
    const QCommandLineOption scale(QStringLiteral("scale"),
                                   QStringLiteral("Paint at device pixel ratio <factor> (for example 2)."),
                                   QStringLiteral("factor"));
    parser.addOptions({open, project, ribbon, screenshot, scale});
    parser.process(app);

    TavixQtLib::init();
    TavixDesigner::DesignerWindow window;
    if (parser.isSet(project))
        window.setProjectFolder(parser.value(project));
    if (parser.isSet(open) && !window.openPage(parser.value(open))) {
        QTextStream(stderr) << "tavix-designer: " << parser.value(open) << " is not a page document\n";
        if (parser.isSet(screenshot))
            return 2;
    }
    if (parser.isSet(ribbon) && !window.addRibbon(parser.value(ribbon))) {
        QTextStream(stderr) << "tavix-designer: no ribbon built from " << parser.value(ribbon) << "\n";
        if (parser.isSet(screenshot))
            return 2;
    }
    window.show();

    int result = 0;
    if (parser.isSet(screenshot)) {
        const QString path = parser.value(screenshot);
        QTimer::singleShot(200, &window, [&window, path] {
            const QImage image = window.grab().toImage();
            const bool saved = !image.isNull() && image.save(path, "PNG");
            if (!saved)
                QTextStream(stderr) << "tavix-designer: cannot write " << path << "\n";
            QApplication::exit(saved ? 0 : 1);
        });
    }
    result = QApplication::exec();
    window.canvas()->closeAllWindows();
    TavixQtLib::shutdown();
    return result;
}
