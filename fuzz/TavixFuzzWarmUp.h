#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstddef>
#include <cstdint>

// Runs every file named on the command line, and every file of the folders named there (the corpus),
// once through run, from LLVMFuzzerInitialize: caches Qt fills for good (metatypes, style, fonts, glyphs)
// are then full before libFuzzer counts a run's allocations against its frees.
inline void tavixFuzzWarmUp(int argc, char **argv, void (*run)(const uint8_t *, size_t))
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            continue;
        const QFileInfo arg(QString::fromLocal8Bit(argv[i]));
        const QFileInfoList files = arg.isDir() ? QDir(arg.filePath()).entryInfoList(QDir::Files) : QFileInfoList{arg};
        for (const QFileInfo &file : files) {
            QFile in(file.filePath());
            if (!in.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = in.read(1 << 20);   // libFuzzer's inputs stay far below
            run(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
        }
    }
}
