#pragma once

#include <QString>

namespace TavixDemo {

struct RunOptions {
    QString themeDir = QStringLiteral("./theme1");
    QString screenshot;      // non-empty: render the window into this PNG and leave the event loop
    QString section;         // shown before the screenshot
    bool collapsed = false;  // collapse the sidebar before the screenshot
    bool timings = false;    // print start-up, memory and theme-switch figures, then leave
    qint64 startedMs = 0;    // process clock at main's start, for the start-up figure
};

// A theme path that does not exist as given (the default "./theme1" outside the build folder) is looked
// up by its last name beside the executable, then under ../share/tavixqtlib/themes and
// /usr/share/tavixqtlib/themes; the path itself when none holds it.
QString resolveDemoThemePath(const QString &path);

// Loads a theme directory or, as shipped beside it, a ZIP archive of one (a file ending in ".zip"), and
// lets every registered window follow.
bool loadDemoTheme(const QString &path);

// Everything after the QApplication exists: kit start-up, global configuration, the first theme (a
// warning box and 0 when it fails), the dashboard and its event loop, and shutdown() on every path.
int runDashboard(const RunOptions &options);

} // namespace TavixDemo
