#pragma once

// --scale FACTOR for the applications, read before the QApplication exists: Qt takes its scale factor
// from the environment at start-up, so the whole program then paints at that device pixel ratio.

#include <QByteArray>
#include <QTextStream>
#include <QtGlobal>

#include <cstring>

// Sets QT_SCALE_FACTOR from --scale / --scale=; false (with a message naming program) when the value
// is missing or not a number in [0.5, 8]. Nothing changes without the option.
inline bool tavixApplyScaleArgument(int argc, char **argv, const char *program)
{
    QByteArray value;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0)
            value = i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray("?");
        else if (std::strncmp(argv[i], "--scale=", 8) == 0)
            value = QByteArray(argv[i] + 8);
    }
    if (value.isEmpty())
        return true;
    bool ok = false;
    const double factor = value.toDouble(&ok);
    if (!ok || factor < 0.5 || factor > 8.0) {
        QTextStream(stderr) << program << ": --scale takes a factor from 0.5 to 8\n";
        return false;
    }
    qputenv("QT_SCALE_FACTOR", value);
    return true;
}
