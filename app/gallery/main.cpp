// tavix-gallery: every registered control in its four states, as a window or as PNG contact sheets.
//
//   tavix-gallery [--theme DIR] [--output DIR] [--scale FACTOR]

#include "../TavixAppScale.h"
#include "GallerySheet.h"

#include "core/TavixLibrary.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>
#include <QWidget>

#include <cstring>

using namespace TavixGallery;

namespace {

// Whether the command line asks for sheets, read before the application exists.
bool wantsOutput(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--output") == 0 || std::strncmp(argv[i], "--output=", 9) == 0)
            return true;
    }
    return false;
}


int writeSheets(const QString &dir, const QString &lookName, qreal ratio)
{
    QTextStream err(stderr);
    if (!QDir().mkpath(dir)) {
        err << "tavix-gallery: cannot create " << dir << "\n";
        return 1;
    }
    int written = 0;
    for (const GalleryEntry &entry : galleryEntries()) {
        const QImage sheet = renderSheet(entry, lookName, ratio);
        const QString path = QDir(dir).filePath(entry.keyword + QStringLiteral(".png"));
        if (sheet.isNull() || !sheet.save(path, "PNG")) {
            err << "tavix-gallery: cannot write " << path << "\n";
            return 1;
        }
        ++written;
    }
    QTextStream(stdout) << "tavix-gallery: " << written << " sheets in " << QDir(dir).absolutePath() << "\n";
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Sheets need no display: without a platform chosen, draw offscreen.
    if (wantsOutput(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!tavixApplyScaleArgument(argc, argv, "tavix-gallery"))
        return 1;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavix-gallery"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows every registered control in its four states (Normal, Hot, Pressed, Disable)."));
    parser.addHelpOption();
    const QCommandLineOption themeOption(QStringLiteral("theme"),
                                         QStringLiteral("Paint under the theme directory <dir>."),
                                         QStringLiteral("dir"));
    const QCommandLineOption outputOption(QStringLiteral("output"),
                                          QStringLiteral("Write one PNG sheet per control into <dir>, no window."),
                                          QStringLiteral("dir"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
                                         QStringLiteral("Paint at device pixel ratio <factor> (for example 2)."),
                                         QStringLiteral("factor"));
    parser.addOption(themeOption);
    parser.addOption(outputOption);
    parser.addOption(scaleOption);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        QTextStream(stderr) << "tavix-gallery: unexpected argument " << parser.positionalArguments().first()
                            << "\n";
        return 1;
    }

    TavixQtLib::init();

    QString lookName = QStringLiteral("built-in look");
    if (parser.isSet(themeOption)) {
        const QString dir = parser.value(themeOption);
        if (!TavixQtLib::tavixLoadThemeDir(dir.toUtf8().constData())) {
            QTextStream(stderr) << "tavix-gallery: cannot load theme directory " << dir << "\n";
            return 1;
        }
        lookName = QStringLiteral("theme %1").arg(QDir(QDir::cleanPath(dir)).dirName());
    }

    if (parser.isSet(outputOption))
        return writeSheets(parser.value(outputOption), lookName, app.devicePixelRatio());

    QWidget *window = createGalleryWindow(lookName);
    window->show();
    const int result = app.exec();
    delete window;
    TavixQtLib::shutdown();
    return result;
}
