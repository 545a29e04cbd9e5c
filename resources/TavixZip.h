#pragma once

#include "tavixqtlib_export.h"

#include <cstdint>

namespace TavixQtLib {

// Result codes of the archive reader; the last one of any call is also kept in getZipLastError().
enum ZipResult : unsigned {
    ZipOk = 0,
    ZipNoFile = 0x200,          // cannot be opened, or not a usable single-volume archive
    ZipMore = 0x600,            // the buffer is full and the entry has more; call again to continue
    ZipCorrupt = 0x700,         // a header, size or CRC-32 does not match
    ZipRead = 0x800,            // reading the source failed
    ZipPassword = 0x1000,       // encrypted entry without the right password
    ZipArgs = 0x10000,          // null handle or buffer, or index out of range
    ZipWrongKind = 0x80000,
    ZipNotInited = 0x1000000,
    ZipSeek = 0x2000000,
    ZipFlate = 0x5000000        // the compressed data is broken, or the method is not stored/deflate
};

struct ZipEntry
{
    int index = 0;              // with getZipItem(-1): the entry count
    char name[1024] = {};       // cleaned: no drive, no leading separator, no climbing ".." parts
    unsigned attr = 0;          // 0x4000 directory; 0x80 cleared for read-only entries
    int64_t atime = 0;
    int64_t ctime = 0;
    int64_t mtime = 0;
    int compressedSize = 0;
    int uncompressedSize = 0;
};

struct ZipHandle;

// From a file (read through the platform's file layer) or from memory that stays valid until closeZip.
// Null on failure, with the reason in getZipLastError(). An archive whose central directory is
// truncated, points outside the archive or lays entries over one another opens as ZipNoFile.
TAVIXQTLIB_EXPORT ZipHandle *openZip(const char *fileName, const char *password);
TAVIXQTLIB_EXPORT ZipHandle *openZip(const void *data, unsigned length, const char *password);
TAVIXQTLIB_EXPORT unsigned getZipItem(ZipHandle *handle, int index, ZipEntry *out);
// Extracts into buffer. ZipMore leaves the entry open so that the next call with the same index
// continues; ZipOk only once the whole entry arrived with its declared size and CRC-32.
TAVIXQTLIB_EXPORT unsigned unzipItem(ZipHandle *handle, int index, void *buffer, unsigned bufferSize);
TAVIXQTLIB_EXPORT unsigned closeZip(ZipHandle *handle);
TAVIXQTLIB_EXPORT unsigned getZipLastError();

} // namespace TavixQtLib
