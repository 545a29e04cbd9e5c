#include "resources/TavixZip.h"

#include <QFile>
#include <QString>

#include <zlib.h>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define TAVIX_CRC_FOLDING 1
#endif

#include <algorithm>
#include <climits>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace TavixQtLib {

namespace {

constexpr int kReaderKind = 1;
constexpr int kInputBufferSize = 16384;
constexpr qint64 kEndRecordSize = 22;
constexpr qint64 kMaxCommentSize = 0xFFFF;
constexpr qint64 kCentralHeaderSize = 46;
constexpr qint64 kLocalHeaderSize = 30;
constexpr int kEncryptionHeaderSize = 12;
// Deflate cannot expand data more than about 1032 times; an entry claiming more is not deflate.
constexpr qint64 kMaxDeflateRatio = 1032;
constexpr qint64 kRatioSlack = 1024;
constexpr uint16_t kFlagEncrypted = 0x1;
constexpr uint16_t kFlagDescriptor = 0x8;
constexpr uint16_t kFlagStrongEncryption = 0x40;

unsigned lastError = ZipOk;

unsigned report(unsigned code)
{
    lastError = code;
    return code;
}

uint16_t le16(const unsigned char *p)
{
    return uint16_t(p[0] | (p[1] << 8));
}

uint32_t le32(const unsigned char *p)
{
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

#ifdef TAVIX_CRC_FOLDING
// CRC-32 by carry-less multiplication, folding 64 bytes per step (the published folding method for
// the reflected polynomial 0xEDB88320). Takes and returns the register before the final inversion;
// len is at least 64 and a multiple of 16.
#define TAVIX_CRC_TARGET __attribute__((target("pclmul,sse4.1")))

TAVIX_CRC_TARGET inline __m128i load(const unsigned char *p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}

TAVIX_CRC_TARGET inline __m128i fold(__m128i x, __m128i key, __m128i next)
{
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, key, 0x11), _mm_clmulepi64_si128(x, key, 0x00)),
                         next);
}

TAVIX_CRC_TARGET uint32_t foldCrc(const unsigned char *buf, size_t len, uint32_t crc)
{
    alignas(16) static const uint64_t k1k2[] = {0x0154442bd4, 0x01c6e41596};
    alignas(16) static const uint64_t k3k4[] = {0x01751997d0, 0x00ccaa009e};
    alignas(16) static const uint64_t k5k0[] = {0x0163cd6124, 0x0000000000};
    alignas(16) static const uint64_t poly[] = {0x01db710641, 0x01f7011641};
    __m128i x1 = load(buf), x2 = load(buf + 16), x3 = load(buf + 32), x4 = load(buf + 48);
    x1 = _mm_xor_si128(x1, _mm_cvtsi32_si128(int(crc)));
    __m128i k = _mm_load_si128(reinterpret_cast<const __m128i *>(k1k2));
    buf += 64;
    len -= 64;
    while (len >= 64) {
        x1 = fold(x1, k, load(buf));
        x2 = fold(x2, k, load(buf + 16));
        x3 = fold(x3, k, load(buf + 32));
        x4 = fold(x4, k, load(buf + 48));
        buf += 64;
        len -= 64;
    }
    k = _mm_load_si128(reinterpret_cast<const __m128i *>(k3k4));
    x1 = fold(x1, k, x2);
    x1 = fold(x1, k, x3);
    x1 = fold(x1, k, x4);
    while (len >= 16) {
        x1 = fold(x1, k, load(buf));
        buf += 16;
        len -= 16;
    }
    // 128 bits to 64, then a Barrett reduction to 32.
    const __m128i mask = _mm_setr_epi32(~0, 0, ~0, 0);
    x2 = _mm_clmulepi64_si128(x1, k, 0x10);
    x1 = _mm_xor_si128(_mm_srli_si128(x1, 8), x2);
    k = _mm_loadl_epi64(reinterpret_cast<const __m128i *>(k5k0));
    x2 = _mm_srli_si128(x1, 4);
    x1 = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, mask), k, 0x00), x2);
    k = _mm_load_si128(reinterpret_cast<const __m128i *>(poly));
    x2 = _mm_and_si128(_mm_clmulepi64_si128(_mm_and_si128(x1, mask), k, 0x10), mask);
    x2 = _mm_clmulepi64_si128(x2, k, 0x00);
    x1 = _mm_xor_si128(x1, x2);
    return uint32_t(_mm_extract_epi32(x1, 1));
}

uint32_t foldedCrc(uint32_t crc, const unsigned char *data, size_t len)
{
    const size_t chunk = len & ~size_t(15);
    crc = ~foldCrc(data, chunk, ~crc);
    return uint32_t(crc32_z(crc, data + chunk, len - chunk));
}

// Used only where the processor has the instructions and the result matches zlib's on a sample.
bool foldingUsable()
{
    if (!__builtin_cpu_supports("pclmul") || !__builtin_cpu_supports("sse4.1"))
        return false;
    unsigned char sample[1000];
    uint32_t x = 1;
    for (unsigned char &b : sample)
        b = (unsigned char)((x = x * 1103515245u + 12345u) >> 16);
    for (size_t len : {size_t(64), size_t(65), size_t(80), size_t(127), size_t(128), size_t(999), size_t(1000)}) {
        for (uint32_t seed : {0u, 0xFFFFFFFFu, 0x1234567u}) {
            if (foldedCrc(seed, sample, len) != uint32_t(crc32_z(seed, sample, len)))
                return false;
        }
    }
    return true;
}
#endif

// zlib's crc32, or the folding one where it is usable: checking every entry then costs far less.
uint32_t updateCrc(uint32_t crc, const unsigned char *data, size_t len)
{
#ifdef TAVIX_CRC_FOLDING
    static const bool folding = foldingUsable();
    if (folding && len >= 64)
        return foldedCrc(crc, data, len);
#endif
    return uint32_t(crc32_z(crc, data, len));
}

// The archive's bytes, from a file or from the caller's memory, read at absolute positions.
class Source
{
public:
    bool openFile(const char *fileName)
    {
        file.reset(new QFile(QFile::decodeName(fileName)));
        if (!file->open(QIODevice::ReadOnly))
            return false;
        length = file->size();
        return length >= 0;
    }
    void openMemory(const void *data, unsigned size)
    {
        memory = static_cast<const unsigned char *>(data);
        length = size;
    }
    qint64 size() const { return length; }
    // Whole reads only; a short read is a failure.
    bool read(qint64 pos, void *out, qint64 count)
    {
        if (pos < 0 || count < 0 || pos > length || count > length - pos)
            return false;
        if (count == 0)
            return true;   // an empty directory or extra field: out may be null
        if (memory) {
            std::memcpy(out, memory + pos, size_t(count));
            return true;
        }
        if (!file->seek(pos))
            return false;
        return file->read(static_cast<char *>(out), count) == count;
    }
    // Bytes straight from memory, for inflating without a copy; null for files.
    const unsigned char *direct(qint64 pos) const { return memory ? memory + pos : nullptr; }

private:
    std::unique_ptr<QFile> file;
    const unsigned char *memory = nullptr;
    qint64 length = 0;
};

// Central-directory fields of one entry, validated at open.
struct CentralEntry
{
    uint16_t madeBy = 0;
    uint16_t flags = 0;
    uint16_t method = 0;
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;
    qint64 compressedSize = 0;
    qint64 uncompressedSize = 0;
    uint32_t externalAttr = 0;
    qint64 localHeader = 0;     // absolute position in the source
    std::string storedName;     // as stored, for the local header check
};

// The traditional PKWARE stream cipher.
struct Cipher
{
    uint32_t keys[3] = {0x12345678, 0x23456789, 0x34567890};

    static uint32_t crcByte(uint32_t crc, unsigned char b)
    {
        static const z_crc_t *table = get_crc_table();
        return table[(crc ^ b) & 0xFF] ^ (crc >> 8);
    }
    void update(unsigned char plain)
    {
        keys[0] = crcByte(keys[0], plain);
        keys[1] = (keys[1] + (keys[0] & 0xFF)) * 134775813u + 1;
        keys[2] = crcByte(keys[2], (unsigned char)(keys[1] >> 24));
    }
    unsigned char decrypt(unsigned char c)
    {
        const unsigned temp = (keys[2] & 0xFFFF) | 2;
        const unsigned char plain = c ^ (unsigned char)((temp * (temp ^ 1)) >> 8);
        update(plain);
        return plain;
    }
    explicit Cipher(const std::string &password)
    {
        for (unsigned char c : password)
            update(c);
    }
};

// The entry being extracted; lives from its first unzipItem call to its end or the next entry.
struct OpenEntry
{
    int index = -1;
    qint64 dataPos = 0;         // next compressed byte to read
    qint64 dataLeft = 0;        // compressed bytes not yet read
    qint64 produced = 0;        // bytes delivered so far
    uint32_t crc = 0;
    bool deflate = false;
    bool streamEnded = false;
    z_stream stream{};
    bool streamReady = false;
    std::unique_ptr<Cipher> cipher;

    ~OpenEntry()
    {
        if (streamReady)
            inflateEnd(&stream);
    }
};

// Cleans a stored name so that it cannot leave the extraction root: drives, leading separators and
// every climbing ".." part go; only what follows the last climb stays.
std::string cleanName(const std::string &stored)
{
    std::string name = stored;
    bool changed = true;
    auto isSep = [](char c) { return c == '/' || c == '\\'; };
    while (changed) {
        changed = false;
        while (name.size() >= 2 && name[1] == ':') {
            name.erase(0, 2);
            changed = true;
        }
        while (!name.empty() && isSep(name[0])) {
            name.erase(0, 1);
            changed = true;
        }
        // A name that starts by climbing has no separator in front of its "..".
        if (name.size() >= 3 && name[0] == '.' && name[1] == '.' && isSep(name[2])) {
            name.erase(0, 3);
            changed = true;
        }
        size_t last = std::string::npos;
        for (size_t i = 0; i + 3 < name.size(); ++i) {
            if (isSep(name[i]) && name[i + 1] == '.' && name[i + 2] == '.' && isSep(name[i + 3]))
                last = i;
        }
        if (last != std::string::npos) {
            name.erase(0, last + 4);
            changed = true;
        }
    }
    if (name == ".." || name == ".")
        name.clear();
    if (name.size() >= 3 && name.compare(name.size() - 2, 2, "..") == 0 && isSep(name[name.size() - 3]))
        name.erase(name.size() - 3);
    return name;
}

int64_t dosToTime(uint16_t date, uint16_t time)
{
    std::tm tm{};
    tm.tm_year = ((date >> 9) & 0x7F) + 80;
    tm.tm_mon = std::max(((date >> 5) & 0x0F) - 1, 0);
    tm.tm_mday = std::max(date & 0x1F, 1);
    tm.tm_hour = (time >> 11) & 0x1F;
    tm.tm_min = (time >> 5) & 0x3F;
    tm.tm_sec = (time & 0x1F) * 2;
    tm.tm_isdst = -1;
    return int64_t(std::mktime(&tm));
}

} // namespace

struct ZipReader
{
    Source source;
    qint64 centralPos = 0;
    std::vector<CentralEntry> entries;
    std::string password;
    bool hasPassword = false;
    int lastItemIndex = -2;
    ZipEntry lastItem;
    std::unique_ptr<OpenEntry> open;
    std::vector<unsigned char> input = std::vector<unsigned char>(kInputBufferSize);

    unsigned locate();
    unsigned readCentralDirectory(qint64 base, qint64 offset, qint64 size, int count);
    unsigned item(int index, ZipEntry *out);
    unsigned openEntry(int index);
    unsigned extract(unsigned char *buffer, unsigned bufferSize);
};

struct ZipHandle
{
    int kind = kReaderKind;
    ZipReader *reader = nullptr;
};

unsigned ZipReader::locate()
{
    const qint64 size = source.size();
    if (size < kEndRecordSize)
        return ZipNoFile;
    // The record sits before a comment of up to 65535 bytes: search that far plus the record itself.
    const qint64 tailSize = std::min(size, kMaxCommentSize + kEndRecordSize);
    std::vector<unsigned char> tail(static_cast<size_t>(tailSize));
    if (!source.read(size - tailSize, tail.data(), tailSize))
        return ZipRead;
    qint64 found = -1;
    for (qint64 i = tailSize - kEndRecordSize; i >= 0; --i) {
        const unsigned char *p = tail.data() + i;
        if (p[0] == 'P' && p[1] == 'K' && p[2] == 5 && p[3] == 6) {
            found = i;
            break;
        }
    }
    if (found < 0)
        return ZipNoFile;
    const unsigned char *record = tail.data() + found;
    const qint64 recordPos = size - tailSize + found;
    const uint16_t disk = le16(record + 4), centralDisk = le16(record + 6);
    const uint16_t countHere = le16(record + 8), countTotal = le16(record + 10);
    const qint64 centralSize = le32(record + 12), centralOffset = le32(record + 16);
    if (disk != 0 || centralDisk != 0 || countHere != countTotal)
        return ZipNoFile;   // single-volume archives only
    if (recordPos < centralOffset + centralSize)
        return ZipNoFile;
    // Bytes in front of the archive shift every stored offset by the same amount.
    return readCentralDirectory(recordPos - centralOffset - centralSize, centralOffset, centralSize, countTotal);
}

unsigned ZipReader::readCentralDirectory(qint64 base, qint64 offset, qint64 size, int count)
{
    if (qint64(count) * kCentralHeaderSize > size)
        return ZipNoFile;
    centralPos = base + offset;
    std::vector<unsigned char> directory(static_cast<size_t>(size));
    if (!source.read(centralPos, directory.data(), size))
        return ZipRead;
    entries.reserve(size_t(count));
    // Each entry's local header and data, at least: [start, end). Used to find entries laid over others.
    std::vector<std::pair<qint64, qint64>> extents;
    extents.reserve(size_t(count));
    qint64 at = 0;
    for (int i = 0; i < count; ++i) {
        if (size - at < kCentralHeaderSize)
            return ZipNoFile;
        const unsigned char *p = directory.data() + at;
        if (le32(p) != 0x02014b50)
            return ZipNoFile;
        const qint64 nameLength = le16(p + 28), extraLength = le16(p + 30), commentLength = le16(p + 32);
        const qint64 step = kCentralHeaderSize + nameLength + extraLength + commentLength;
        if (size - at < step)
            return ZipNoFile;
        if (le16(p + 34) != 0)
            return ZipNoFile;   // starts on another volume
        CentralEntry entry;
        entry.madeBy = le16(p + 4);
        entry.flags = le16(p + 8);
        entry.method = le16(p + 10);
        entry.dosTime = le16(p + 12);
        entry.dosDate = le16(p + 14);
        entry.crc = le32(p + 16);
        entry.compressedSize = le32(p + 20);
        entry.uncompressedSize = le32(p + 24);
        entry.externalAttr = le32(p + 38);
        entry.localHeader = base + le32(p + 42);
        entry.storedName.assign(reinterpret_cast<const char *>(p + kCentralHeaderSize), size_t(nameLength));
        const qint64 end = entry.localHeader + kLocalHeaderSize + nameLength + entry.compressedSize;
        if (end > centralPos)
            return ZipNoFile;   // would reach into the directory or past the archive
        extents.emplace_back(entry.localHeader, end);
        entries.push_back(std::move(entry));
        at += step;
    }
    // Entries sharing bytes are the classic way to make a small archive inflate to gigabytes.
    std::sort(extents.begin(), extents.end());
    for (size_t i = 1; i < extents.size(); ++i) {
        if (extents[i].first < extents[i - 1].second)
            return ZipNoFile;
    }
    return ZipOk;
}

unsigned ZipReader::item(int index, ZipEntry *out)
{
    const CentralEntry &entry = entries[size_t(index)];
    ZipEntry result;
    result.index = index;
    const std::string name = cleanName(entry.storedName);
    const size_t copied = std::min(name.size(), sizeof(result.name) - 1);
    std::memcpy(result.name, name.data(), copied);
    result.name[copied] = 0;

    const uint32_t external = entry.externalAttr;
    result.attr = external >> 16;
    const unsigned host = entry.madeBy >> 8;
    bool readOnly, directory;
    if (host == 0 || host == 7 || host == 11 || host == 14) {
        readOnly = external & 0x01;
        directory = external & 0x10;
    } else {
        readOnly = !((external >> 16) & 0200);
        directory = external & 0x40000000;
    }
    if (directory)
        result.attr |= 0x4000;
    if (readOnly)
        result.attr &= ~0x80u;
    // Zip64 is not read: 4 GiB and more does not fit the entry's int sizes.
    if (entry.compressedSize > INT_MAX || entry.uncompressedSize > INT_MAX)
        return ZipCorrupt;
    result.compressedSize = int(entry.compressedSize);
    result.uncompressedSize = int(entry.uncompressedSize);
    const int64_t dosTime = dosToTime(entry.dosDate, entry.dosTime);
    result.atime = result.ctime = result.mtime = dosTime;

    unsigned char local[kLocalHeaderSize];
    if (!source.read(entry.localHeader, local, kLocalHeaderSize))
        return ZipRead;
    if (le32(local) != 0x04034b50)
        return ZipCorrupt;
    const qint64 extraLength = le16(local + 28);
    std::vector<unsigned char> extra(static_cast<size_t>(extraLength));
    if (!source.read(entry.localHeader + kLocalHeaderSize + le16(local + 26), extra.data(), extraLength))
        return ZipRead;
    for (qint64 at = 0; at + 4 <= extraLength;) {
        const uint16_t id = le16(&extra[size_t(at)]);
        const qint64 blockSize = le16(&extra[size_t(at + 2)]);
        const qint64 blockEnd = std::min(at + 4 + blockSize, extraLength);
        if (id == 0x5455 && blockEnd > at + 4) {
            const unsigned flags = extra[size_t(at + 4)];
            qint64 field = at + 5;
            int64_t *targets[] = {&result.mtime, &result.atime, &result.ctime};
            for (int bit = 0; bit < 3; ++bit) {
                if (!(flags & (1u << bit)))
                    continue;
                if (field + 4 > blockEnd)
                    break;
                *targets[bit] = int64_t(int32_t(le32(&extra[size_t(field)])));
                field += 4;
            }
        }
        at += 4 + blockSize;
    }
    lastItemIndex = index;
    lastItem = result;
    *out = result;
    return ZipOk;
}

unsigned ZipReader::openEntry(int index)
{
    open.reset();
    const CentralEntry &entry = entries[size_t(index)];
    if (entry.compressedSize > INT_MAX || entry.uncompressedSize > INT_MAX)
        return ZipCorrupt;
    if (entry.method != 0 && entry.method != 8)
        return ZipFlate;
    if (entry.flags & kFlagStrongEncryption)
        return ZipPassword;
    unsigned char local[kLocalHeaderSize];
    if (!source.read(entry.localHeader, local, kLocalHeaderSize))
        return ZipRead;
    const qint64 nameLength = le16(local + 26), extraLength = le16(local + 28);
    if (le32(local) != 0x04034b50 || le16(local + 8) != entry.method
        || nameLength != qint64(entry.storedName.size()))
        return ZipCorrupt;
    std::string localName(size_t(nameLength), '\0');
    if (!source.read(entry.localHeader + kLocalHeaderSize, &localName[0], nameLength))
        return ZipRead;
    if (localName != entry.storedName)
        return ZipCorrupt;
    auto state = std::make_unique<OpenEntry>();
    state->index = index;
    state->dataPos = entry.localHeader + kLocalHeaderSize + nameLength + extraLength;
    state->dataLeft = entry.compressedSize;
    if (state->dataPos > centralPos || state->dataLeft > centralPos - state->dataPos)
        return ZipCorrupt;   // data would run into the central directory

    if (entry.flags & kFlagEncrypted) {
        if (!hasPassword)
            return ZipPassword;
        if (state->dataLeft < kEncryptionHeaderSize)
            return ZipCorrupt;
        unsigned char header[kEncryptionHeaderSize];
        if (!source.read(state->dataPos, header, kEncryptionHeaderSize))
            return ZipRead;
        state->cipher.reset(new Cipher(password));
        for (unsigned char &b : header)
            b = state->cipher->decrypt(b);
        // With a data descriptor the CRC was not known when the header was written: the time stands in.
        const unsigned char check = (entry.flags & kFlagDescriptor) ? (unsigned char)(entry.dosTime >> 8)
                                                                     : (unsigned char)(entry.crc >> 24);
        if (header[kEncryptionHeaderSize - 1] != check)
            return ZipPassword;
        state->dataPos += kEncryptionHeaderSize;
        state->dataLeft -= kEncryptionHeaderSize;
    }
    if (entry.method == 0 && state->dataLeft != entry.uncompressedSize)
        return ZipCorrupt;
    if (entry.method == 8 && entry.uncompressedSize > state->dataLeft * kMaxDeflateRatio + kRatioSlack)
        return ZipCorrupt;
    if (entry.method == 8) {
        state->deflate = true;
        if (inflateInit2(&state->stream, -MAX_WBITS) != Z_OK)
            return ZipFlate;
        state->streamReady = true;
    }
    state->crc = crc32(0L, Z_NULL, 0);
    open = std::move(state);
    return ZipOk;
}

unsigned ZipReader::extract(unsigned char *buffer, unsigned bufferSize)
{
    OpenEntry &state = *open;
    const CentralEntry &entry = entries[size_t(state.index)];
    unsigned filled = 0;
    auto deliver = [&](const unsigned char *from, unsigned count) {
        state.crc = updateCrc(state.crc, from, count);
        state.produced += count;
    };

    if (!state.deflate) {
        const unsigned count = unsigned(std::min<qint64>(state.dataLeft, bufferSize));
        if (count && !source.read(state.dataPos, buffer, count))
            return ZipRead;
        if (state.cipher) {
            for (unsigned i = 0; i < count; ++i)
                buffer[i] = state.cipher->decrypt(buffer[i]);
        }
        deliver(buffer, count);
        filled = count;
        state.dataPos += count;
        state.dataLeft -= count;
        state.streamEnded = state.dataLeft == 0;
    } else {
        z_stream &z = state.stream;
        while (!state.streamEnded) {
            const qint64 wanted = entry.uncompressedSize - state.produced;
            if (filled == bufferSize && wanted > 0)
                break;
            if (z.avail_in == 0 && state.dataLeft > 0) {
                const unsigned char *direct = state.cipher ? nullptr : source.direct(state.dataPos);
                // Memory is inflated in place, all of it at once; files and encrypted data pass through
                // the input buffer.
                const unsigned count = unsigned(std::min<qint64>(state.dataLeft, direct ? INT_MAX : kInputBufferSize));
                if (direct) {
                    z.next_in = const_cast<Bytef *>(direct);
                } else {
                    if (!source.read(state.dataPos, input.data(), count))
                        return ZipRead;
                    if (state.cipher) {
                        for (unsigned i = 0; i < count; ++i)
                            input[i] = state.cipher->decrypt(input[i]);
                    }
                    z.next_in = input.data();
                }
                z.avail_in = count;
                state.dataPos += count;
                state.dataLeft -= count;
            }
            // Never past the declared size: one spare byte shows an entry that holds more than it says.
            unsigned char spare;
            const bool atDeclaredEnd = wanted == 0;
            z.next_out = atDeclaredEnd ? &spare : buffer + filled;
            z.avail_out = atDeclaredEnd ? 1u : unsigned(std::min<qint64>(bufferSize - filled, wanted));
            const unsigned before = z.avail_out;
            const int rc = inflate(&z, Z_NO_FLUSH);
            const unsigned made = before - z.avail_out;
            if (atDeclaredEnd && made > 0)
                return ZipCorrupt;
            if (!atDeclaredEnd) {
                deliver(buffer + filled, made);
                filled += made;
            }
            if (rc == Z_STREAM_END) {
                state.streamEnded = true;
                break;
            }
            if (rc == Z_BUF_ERROR && z.avail_in == 0 && state.dataLeft == 0)
                return ZipFlate;   // the compressed data ends before the stream does
            if (rc != Z_OK && rc != Z_BUF_ERROR)
                return ZipFlate;
        }
    }
    if (!state.streamEnded)
        return ZipMore;
    if (state.produced != entry.uncompressedSize || state.crc != entry.crc)
        return ZipCorrupt;
    return ZipOk;
}

ZipHandle *openZip(const char *fileName, const char *password)
{
    if (!fileName) {
        report(ZipArgs);
        return nullptr;
    }
    auto reader = std::make_unique<ZipReader>();
    if (!reader->source.openFile(fileName)) {
        report(ZipNoFile);
        return nullptr;
    }
    if (password) {
        reader->password = password;
        reader->hasPassword = true;
    }
    const unsigned code = reader->locate();
    if (code != ZipOk) {
        report(code == ZipRead ? ZipRead : ZipNoFile);
        return nullptr;
    }
    report(ZipOk);
    return new ZipHandle{kReaderKind, reader.release()};
}

ZipHandle *openZip(const void *data, unsigned length, const char *password)
{
    if (!data) {
        report(ZipArgs);
        return nullptr;
    }
    auto reader = std::make_unique<ZipReader>();
    reader->source.openMemory(data, length);
    if (password) {
        reader->password = password;
        reader->hasPassword = true;
    }
    const unsigned code = reader->locate();
    if (code != ZipOk) {
        report(code == ZipRead ? ZipRead : ZipNoFile);
        return nullptr;
    }
    report(ZipOk);
    return new ZipHandle{kReaderKind, reader.release()};
}

namespace {

unsigned checkHandle(ZipHandle *handle)
{
    if (!handle)
        return ZipArgs;
    if (handle->kind != kReaderKind)
        return ZipWrongKind;
    if (!handle->reader)
        return ZipNotInited;
    return ZipOk;
}

} // namespace

unsigned getZipItem(ZipHandle *handle, int index, ZipEntry *out)
{
    if (const unsigned code = checkHandle(handle))
        return report(code);
    ZipReader *reader = handle->reader;
    if (!out || index < -1 || index >= int(reader->entries.size()))
        return report(ZipArgs);
    if (index == -1) {
        *out = ZipEntry();
        out->index = int(reader->entries.size());
        return report(ZipOk);
    }
    if (index == reader->lastItemIndex) {
        *out = reader->lastItem;
        return report(ZipOk);
    }
    return report(reader->item(index, out));
}

unsigned unzipItem(ZipHandle *handle, int index, void *buffer, unsigned bufferSize)
{
    if (const unsigned code = checkHandle(handle))
        return report(code);
    ZipReader *reader = handle->reader;
    if (index < 0 || index >= int(reader->entries.size()) || (!buffer && bufferSize))
        return report(ZipArgs);
    if (!reader->open || reader->open->index != index) {
        const unsigned code = reader->openEntry(index);
        if (code != ZipOk) {
            reader->open.reset();
            return report(code);
        }
    }
    const unsigned code = reader->extract(static_cast<unsigned char *>(buffer), bufferSize);
    if (code != ZipMore)
        reader->open.reset();   // finished or broken: a later call starts the entry again
    return report(code);
}

unsigned closeZip(ZipHandle *handle)
{
    if (const unsigned code = checkHandle(handle))
        return report(code);
    delete handle->reader;
    delete handle;
    return report(ZipOk);
}

unsigned getZipLastError()
{
    return lastError;
}

} // namespace TavixQtLib
