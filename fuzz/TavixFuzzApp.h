#pragma once

#include "core/TavixLibrary.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPixmapCache>
#include <QString>
#include <QTemporaryDir>

#include <cstdlib>

// What the drivers that build widgets share: the application they run in, a folder for the loaders that
// take a file name, and the clean-up that lets a run free what it allocated.

// From LLVMFuzzerInitialize: the offscreen application and the kit's registrations.
inline void tavixFuzzStartApplication(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never destroyed, and reachable through Qt's own instance pointer: Qt 5's offscreen platform
    // leaves its screen behind when the application goes, which the leak check at exit would report.
    new QApplication(*argc, *argv);
    TavixQtLib::init();
}

// A folder that lasts as long as the process.
inline QTemporaryDir &tavixFuzzScratch()
{
    static QTemporaryDir dir;
    return dir;
}

inline bool tavixFuzzWriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// After each run: without an event loop, posted events and deferred deletions would pile up from run to
// run, and the pixmap cache would keep what the run painted.
inline void tavixFuzzEndRun()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QPixmapCache::clear();
}
