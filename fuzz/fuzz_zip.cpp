// Feeds arbitrary bytes to the archive reader as an archive in memory: opens it, walks every entry and
// extracts each one through a small buffer, with and without a password.

#include "resources/TavixZip.h"

#include <cstddef>
#include <cstdint>
#include <vector>

using namespace TavixQtLib;

namespace {

void walk(const uint8_t *data, size_t size, const char *password)
{
    ZipHandle *zip = openZip(data, unsigned(size), password);
    if (!zip)
        return;
    ZipEntry entry;
    const int count = getZipItem(zip, -1, &entry) == ZipOk ? entry.index : 0;
    std::vector<char> buffer(4096);
    for (int i = 0; i < count; ++i) {
        getZipItem(zip, i, &entry);
        // The reader never delivers more than an entry declares, so this loop ends.
        while (unzipItem(zip, i, buffer.data(), unsigned(buffer.size())) == ZipMore) {
        }
    }
    closeZip(zip);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // An exact-size copy, so that any read past the input is caught.
    std::vector<uint8_t> copy(data, data + size);
    walk(copy.data(), copy.size(), nullptr);
    walk(copy.data(), copy.size(), "s3cret");
    return 0;
}
