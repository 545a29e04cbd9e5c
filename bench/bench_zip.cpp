// Extracting a 50 MiB theme archive with the kit's reader against a plain zlib inflate loop over the
// same entries, measured in the same run. The reader also checks every entry's CRC-32; a second
// reference row adds that to the plain loop. Prints milliseconds per archive and the ratios.
//
//   ./bench_zip [file]     with a file name, the reader also runs from that file on disk

#include "TavixBenchRow.h"
#include "resources/TavixZip.h"
#include "tests/TavixZipBuilder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace TavixQtLib;
using namespace tavixtest;

namespace {

constexpr int kRuns = 9;   // the best run of each case is reported

// Theme-like content: style and theme documents (compressible text) and pictures, which compress
// little, in the proportions of a theme folder.
QVector<ZipItem> themeItems(qint64 total)
{
    QVector<ZipItem> items;
    uint32_t x = 12345;
    auto next = [&x]() { return x = x * 1103515245u + 12345u; };
    const char words[][12] = {"\"clr\": ", "\"name\": ", "\"ff102030\"", "{\"type\": 1,", "\"round\": 4",
                              "\"margin\": [", "0, 0, 0, 0]", "},\n"};
    qint64 made = 0;
    for (int i = 0; made < total; ++i) {
        ZipItem item;
        QByteArray &data = item.data;
        const int size = 64 * 1024 + int(next() % (384 * 1024));
        data.reserve(size);
        if (i % 3 == 2) {
            item.name = "images/picture" + QByteArray::number(i) + ".png";
            // Noisy gradients: compress to about two thirds, like decoded-then-stored image data would.
            for (int j = 0; j < size; ++j)
                data.append(char(((j / 7) & 0xFF) ^ ((next() >> 16) & 0x1F)));
        } else {
            item.name = "styles/part" + QByteArray::number(i) + ".json";
            while (data.size() < size)
                data.append(words[(next() >> 16) % 8]);
            data.truncate(size);
        }
        made += data.size();
        items.append(item);
    }
    return items;
}

struct Raw
{
    const Bytef *data;
    uInt compressed;
    uInt size;
};

// The entries' compressed data found by walking the local headers, as a plain loop would.
std::vector<Raw> rawEntries(const QByteArray &archive)
{
    std::vector<Raw> out;
    const auto *p = reinterpret_cast<const unsigned char *>(archive.constData());
    qint64 at = 0;
    auto le16 = [&](qint64 o) { return uint32_t(p[o] | (p[o + 1] << 8)); };
    auto le32 = [&](qint64 o) { return le16(o) | (le16(o + 2) << 16); };
    while (at + 30 <= archive.size() && le32(at) == 0x04034b50) {
        const uint32_t compressed = le32(at + 18), size = le32(at + 22);
        const qint64 data = at + 30 + le16(at + 26) + le16(at + 28);
        out.push_back({p + data, compressed, size});
        at = data + compressed;
    }
    return out;
}

// Best milliseconds of each case. The cases take turns, run after run, so that a busy machine slows
// them alike and the best runs of each are comparable.
std::vector<double> bestMs(const std::vector<std::function<bool()>> &cases)
{
    std::vector<double> best(cases.size(), 1e300);
    for (int run = 0; run < kRuns; ++run) {
        for (size_t i = 0; i < cases.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            if (!cases[i]()) {
                std::printf("case %d failed\n", int(i));
                return {};
            }
            best[i] = std::min(best[i], double(timer.nsecsElapsed()) / 1e6);
        }
    }
    return best;
}

bool plainInflate(const std::vector<Raw> &entries, std::vector<char> &buffer, bool withCrc)
{
    for (const Raw &entry : entries) {
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
            return false;
        z.next_in = const_cast<Bytef *>(entry.data);
        z.avail_in = entry.compressed;
        z.next_out = reinterpret_cast<Bytef *>(buffer.data());
        z.avail_out = entry.size;
        const int rc = inflate(&z, Z_FINISH);
        inflateEnd(&z);
        if (rc != Z_STREAM_END)
            return false;
        if (withCrc)
            crc32(0, reinterpret_cast<const Bytef *>(buffer.data()), entry.size);
    }
    return true;
}

bool readerExtract(ZipHandle *zip, std::vector<char> &buffer)
{
    ZipEntry entry;
    if (!zip || getZipItem(zip, -1, &entry) != ZipOk)
        return false;
    const int count = entry.index;
    for (int i = 0; i < count; ++i) {
        if (getZipItem(zip, i, &entry) != ZipOk
            || unzipItem(zip, i, buffer.data(), unsigned(entry.uncompressedSize)) != ZipOk)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const QVector<ZipItem> items = themeItems(qint64(50) * 1024 * 1024);
    const QByteArray archive = buildZip(items);
    qint64 total = 0;
    int largest = 0;
    for (const ZipItem &item : items) {
        total += item.data.size();
        largest = std::max(largest, int(item.data.size()));
    }
    std::vector<char> buffer(size_t(largest) + 1);
    const std::vector<Raw> raw = rawEntries(archive);
    std::printf("%d entries, %.1f MiB unpacked, %.1f MiB archive\n", int(items.size()), total / 1048576.0,
                archive.size() / 1048576.0);

    QTemporaryDir dir;
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : dir.filePath(QStringLiteral("theme.zip"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(archive) != archive.size())
            return 1;
    }
    auto reader = [&](bool fromFile) {
        ZipHandle *zip = fromFile ? openZip(QFile::encodeName(path).constData(), nullptr)
                                  : openZip(archive.constData(), unsigned(archive.size()), nullptr);
        const bool ok = readerExtract(zip, buffer);
        closeZip(zip);
        return ok;
    };
    const std::vector<double> ms = bestMs({[&] { return plainInflate(raw, buffer, false); },
                                           [&] { return plainInflate(raw, buffer, true); },
                                           [&] { return reader(false); }, [&] { return reader(true); }});
    if (ms.empty())
        return 1;
    const double plain = ms[0], plainCrc = ms[1], memory = ms[2], fromFile = ms[3];
    std::printf("%-34s %10s %8s %12s\n", "case", "ms", "ratio", "ratio (crc)");
    std::printf("%-34s %10.1f %8s %12s\n", "plain inflate loop", plain, "1.00", "");
    std::printf("%-34s %10.1f %8.2f %12s\n", "plain inflate loop + crc32", plainCrc, plainCrc / plain, "1.00");
    std::printf("%-34s %10.1f %8.2f %12.2f\n", "reader, archive in memory", memory, memory / plain,
                memory / plainCrc);
    std::printf("%-34s %10.1f %8.2f %12.2f\n", "reader, archive file", fromFile, fromFile / plain,
                fromFile / plainCrc);
    tavixBenchRow("archive 50 MiB", "extract from file vs raw inflate", fromFile, plain, "ms", "<= 1.15");
    tavixBenchRow("archive 50 MiB", "extract from file vs inflate + crc32", fromFile, plainCrc, "ms", "<= 1.15");
    return 0;
}
