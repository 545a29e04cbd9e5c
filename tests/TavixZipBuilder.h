#pragma once

// Writes ZIP archives byte by byte for the archive tests and the archive benchmark, with zlib for the
// deflate data, so that every field can be set to what a broken or hostile archive would hold.

#include <QByteArray>
#include <QVector>

#include <zlib.h>

#include <cstdint>

namespace tavixtest {

struct ZipItem
{
    ZipItem() = default;
    ZipItem(const QByteArray &itemName, const QByteArray &itemData) : name(itemName), data(itemData) {}

    QByteArray name;
    QByteArray data;
    bool deflate = true;
    QByteArray password;             // non-empty: traditional encryption
    QByteArray localExtra;
    uint16_t madeBy = 0x0314;        // host 3 (Unix), version 20
    uint32_t externalAttr = 0100644u << 16;
    uint16_t dosTime = 0x6000;       // 12:00:00
    uint16_t dosDate = 0x5821;       // 2024-01-01
    // Overrides for broken archives; -1 keeps the true value.
    qint64 declaredSize = -1;
    qint64 declaredCrc = -1;
};

inline void put16(QByteArray &out, uint32_t v)
{
    out.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

inline void put32(QByteArray &out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// Raw deflate (no zlib wrapper), as archives hold it.
inline QByteArray rawDeflate(const QByteArray &data, int level = 6)
{
    z_stream z{};
    deflateInit2(&z, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&z, uLong(data.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(int(z.total_out));
    deflateEnd(&z);
    return out;
}

inline uint32_t crcOf(const QByteArray &data)
{
    return uint32_t(crc32(0, reinterpret_cast<const Bytef *>(data.constData()), uInt(data.size())));
}

struct ZipCipher
{
    uint32_t k[3] = {0x12345678, 0x23456789, 0x34567890};
    explicit ZipCipher(const QByteArray &password)
    {
        for (char c : password)
            update(uint8_t(c));
    }
    static uint32_t crcByte(uint32_t crc, uint8_t b) { return get_crc_table()[(crc ^ b) & 0xFF] ^ (crc >> 8); }
    void update(uint8_t plain)
    {
        k[0] = crcByte(k[0], plain);
        k[1] = (k[1] + (k[0] & 0xFF)) * 134775813u + 1;
        k[2] = crcByte(k[2], uint8_t(k[1] >> 24));
    }
    uint8_t encrypt(uint8_t plain)
    {
        const uint32_t t = (k[2] & 0xFFFF) | 2;
        const uint8_t c = plain ^ uint8_t((t * (t ^ 1)) >> 8);
        update(plain);
        return c;
    }
};

struct ZipLayout
{
    QByteArray prefix;               // bytes in front of the archive
    QByteArray comment;
    uint16_t disk = 0;               // non-zero: a multi-volume marker
    int countDelta = 0;              // added to the entry count of the end record
};

inline QByteArray buildZip(const QVector<ZipItem> &items, const ZipLayout &layout = ZipLayout())
{
    QByteArray body, central;
    for (const ZipItem &item : items) {
        QByteArray payload = item.deflate ? rawDeflate(item.data) : item.data;
        const uint32_t crc = item.declaredCrc >= 0 ? uint32_t(item.declaredCrc) : crcOf(item.data);
        uint16_t flags = 0;
        if (!item.password.isEmpty()) {
            flags |= 1;
            ZipCipher cipher(item.password);
            QByteArray sealed;
            for (int i = 0; i < 11; ++i)
                sealed.append(char(cipher.encrypt(uint8_t(i * 37 + 5))));
            sealed.append(char(cipher.encrypt(uint8_t(crc >> 24))));
            for (char c : payload)
                sealed.append(char(cipher.encrypt(uint8_t(c))));
            payload = sealed;
        }
        const uint32_t size = item.declaredSize >= 0 ? uint32_t(item.declaredSize) : uint32_t(item.data.size());
        const uint16_t method = item.deflate ? 8 : 0;
        const uint32_t offset = uint32_t(body.size());
        put32(body, 0x04034b50);
        put16(body, 20);
        put16(body, flags);
        put16(body, method);
        put16(body, item.dosTime);
        put16(body, item.dosDate);
        put32(body, crc);
        put32(body, uint32_t(payload.size()));
        put32(body, size);
        put16(body, uint32_t(item.name.size()));
        put16(body, uint32_t(item.localExtra.size()));
        body += item.name + item.localExtra + payload;

        put32(central, 0x02014b50);
        put16(central, item.madeBy);
        put16(central, 20);
        put16(central, flags);
        put16(central, method);
        put16(central, item.dosTime);
        put16(central, item.dosDate);
        put32(central, crc);
        put32(central, uint32_t(payload.size()));
        put32(central, size);
        put16(central, uint32_t(item.name.size()));
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put32(central, item.externalAttr);
        put32(central, offset);
        central += item.name;
    }
    QByteArray out = layout.prefix + body + central;
    put32(out, 0x06054b50);
    put16(out, layout.disk);
    put16(out, layout.disk);
    put16(out, uint32_t(items.size() + layout.countDelta));
    put16(out, uint32_t(items.size() + layout.countDelta));
    put32(out, uint32_t(central.size()));
    put32(out, uint32_t(body.size()));
    put16(out, uint32_t(layout.comment.size()));
    return out + layout.comment;
}

} // namespace tavixtest
