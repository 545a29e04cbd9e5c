#include "DemoRun.h"

#include "CorvellaSorbane.h"

#include "core/TavixLibrary.h"
#include "resources/TavixGlobalConfig.h"
#include "resources/TavixQResourceManager.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <sys/resource.h>
#include <vector>

using namespace TavixQtLib;

namespace TavixDemo {

namespace {

// Notes when the window paints for the first time.
class FirstFrameWatch : public QObject
{
public:
    qint64 firstFrameMs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && firstFrameMs < 0)
            firstFrameMs = QDateTime::currentMSecsSinceEpoch();
        return QObject::eventFilter(watched, event);
    }
};

double peakMemoryMiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;   // kilobytes on Linux
}

// Two other theme directories beside the first one, for switching back and forth.
QStringList switchDirs(const QString &first)
{
    QStringList dirs;
    const QDir parent = QFileInfo(first).dir();
    for (const char *name : {"theme2", "theme3", "theme1"}) {
        const QString dir = parent.filePath(QString::fromLatin1(name));
        if (QFileInfo(dir).isDir() && QFileInfo(dir).canonicalFilePath() != QFileInfo(first).canonicalFilePath())
            dirs << dir;
    }
    return dirs;
}

void printTimings(CorvellaSorbane &window, const RunOptions &options, const FirstFrameWatch &watch)
{
    QTextStream out(stdout);
    out << "start-up to first frame: " << (watch.firstFrameMs - options.startedMs) << " ms\n";
    const QStringList others = switchDirs(resolveDemoThemePath(options.themeDir));
    if (others.isEmpty()) {
        out << "theme switch: needs a second theme directory beside " << options.themeDir << "\n";
    } else {
        std::vector<double> times;
        for (int round = 0; round < 12; ++round) {
            const QString dir = round % 2 == 0 ? others.at((round / 2) % others.size()) : options.themeDir;
            QElapsedTimer timer;
            timer.start();
            const bool ok = loadDemoTheme(dir);
            window.adaptToTheme();
            window.repaint();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            times.push_back(timer.nsecsElapsed() / 1e6);
            if (!ok)
                out << "theme switch: cannot load " << dir << "\n";
        }
        std::sort(times.begin(), times.end());
        out << "theme switch (load, restyle 14 pages, repaint): median " << QString::number(times[times.size() / 2], 'f', 1)
            << " ms, min " << QString::number(times.front(), 'f', 1) << " ms, max "
            << QString::number(times.back(), 'f', 1) << " ms over " << times.size() << " switches\n";
    }
    out << "peak memory (max RSS): " << QString::number(peakMemoryMiB(), 'f', 1) << " MiB\n";
    out.flush();
}

int saveScreenshot(CorvellaSorbane &window, const QString &path)
{
    const QImage image = window.grab().toImage();
    if (image.isNull() || !image.save(path, "PNG")) {
        QTextStream(stderr) << "tavix-demo: cannot write " << path << "\n";
        return 1;
    }
    return 0;
}

} // namespace

QString resolveDemoThemePath(const QString &path)
{
    const QFileInfo given(path);
    if (given.exists() || given.isAbsolute())
        return path;
    // An installed demo runs from anywhere: look beside the executable, then in the shared data
    // folder of its own prefix, then in the system's.
    const QString name = given.fileName();
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString &dir : {appDir, appDir + QStringLiteral("/../share/tavixqtlib/themes"),
                               QStringLiteral("/usr/share/tavixqtlib/themes")}) {
        const QString candidate = QDir(dir).filePath(name);
        if (QFileInfo::exists(candidate))
            return QDir::cleanPath(candidate);
    }
    return path;
}

bool loadDemoTheme(const QString &requested)
{
    const QString path = resolveDemoThemePath(requested);
    const QByteArray utf8 = path.toUtf8();
    if (path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive) && QFileInfo(path).isFile()) {
        // The archive load does not notify; a directory load does.
        if (!tavixLoadThemeFile(utf8.constData()))
            return false;
        TavixQtLib::TavixQResourceManager::getInstance()->themeChange();
        return true;
    }
    return tavixLoadThemeDir(utf8.constData());
}

int runDashboard(const RunOptions &options)
{
    init();
    TavixGlobalConfig config;
    config.fontFamily = QStringLiteral("Microsoft YaHei");
    config.buttonFadeEnabled = false;
    config.buttonFadeDuration = 150;
    tavixSetGlobalConfig(config);

    if (!loadDemoTheme(options.themeDir)) {
        shutdown();
        // A headless run has nobody to close a message box: it would wait forever. Say it and fail.
        if (!options.screenshot.isEmpty() || options.timings) {
            QTextStream(stderr) << "Can't open theme file: " << options.themeDir << "\n";
            return 1;
        }
        QMessageBox::warning(nullptr, QStringLiteral("Warning"), QStringLiteral("Can't open theme file"),
                             QMessageBox::Ok, QMessageBox::NoButton);
        return 0;
    }

    int result = 0;
    CorvellaSorbane window(nullptr);
    if (!window.isReady()) {
        shutdown();
        return 0;
    }
    window.setCurrentThemeDir(options.themeDir);
    window.adaptToTheme();

    FirstFrameWatch watch;
    window.installEventFilter(&watch);
    window.show();

    if (!options.screenshot.isEmpty()) {
        if (!options.section.isEmpty()) {
            window.selectSection(options.section);
            if (window.currentSection() != options.section) {
                QTextStream(stderr) << "tavix-demo: no section named " << options.section << "\n";
                shutdown();
                return 2;
            }
        }
        if (options.collapsed)
            window.toggleCollapse();
        // Past the sidebar's 220 ms animation and the first frames of the loading animation.
        QTimer::singleShot(options.collapsed ? 400 : 150, &window,
                           [&window, &options] { QApplication::exit(saveScreenshot(window, options.screenshot)); });
    } else if (options.timings) {
        QTimer::singleShot(0, &window, [&] {
            if (watch.firstFrameMs < 0)
                watch.firstFrameMs = QDateTime::currentMSecsSinceEpoch();
            printTimings(window, options, watch);
            QApplication::exit(0);
        });
    }
    result = QApplication::exec();
    shutdown();
    return result;
}

} // namespace TavixDemo
