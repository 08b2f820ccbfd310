#include "tools/UnitFixture.h"

#include <cstdio>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

namespace fixture {

bool IsWordField(int column) {
    return column == 31 || column == 33 || column == 34;
}

std::size_t NamePos(int record) {
    return kHeaderSize + kRecordSize * static_cast<std::size_t>(record);
}

std::size_t FieldPos(int record, int column) {
    std::size_t offset = 16;
    for (int c = 1; c < column; ++c)
        offset += IsWordField(c) ? 2 : 1;
    return NamePos(record) + offset;
}

unsigned ReadField(const Bytes& file, int record, int column) {
    const std::size_t pos = FieldPos(record, column);
    unsigned value = file[pos];
    if (IsWordField(column)) value += 256u * file[pos + 1];
    return value;
}

void WriteField(Bytes& file, int record, int column, unsigned value) {
    const std::size_t pos = FieldPos(record, column);
    file[pos] = static_cast<std::uint8_t>(value & 0xFF);
    if (IsWordField(column)) file[pos + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

std::string RawName(const Bytes& file, int record) {
    const std::size_t pos = NamePos(record);
    return std::string(reinterpret_cast<const char*>(&file[pos]), 16);
}

std::string Cp932(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 converter");
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) throw std::runtime_error("text not in CP932: " + utf8);
    out.resize(out.size() - outLeft);
    return out;
}

namespace {

void PutName(Bytes& file, int record, const std::string& bytes) {
    const std::size_t pos = NamePos(record);
    std::memset(&file[pos], 0, 16);
    std::memcpy(&file[pos], bytes.data(), bytes.size() < 16 ? bytes.size() : 16);
}

const char* const kJapaneseNames[] = {"戦闘機", "攻撃ヘリ", "主力戦車", "偵察車", "駆逐艦", "輸送機",
                                      "歩兵",   "自走砲",   "空母",     "潜水艦", "補給車", "対空戦車"};

} // namespace

Bytes MakeSampleUnitFile() {
    Bytes file(kFileSize, 0);
    std::memcpy(file.data(), "EXWPNIN", 8);
    for (int i = 8; i < 16; ++i)
        file[i] = static_cast<std::uint8_t>(0xA0 + i);
    for (std::size_t i = 0; i < kTrailerSize; ++i)
        file[kFileSize - kTrailerSize + i] = static_cast<std::uint8_t>(0xF1 + i);

    std::uint32_t state = 12345;
    auto next = [&state]() {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFF;
    };
    for (int r = 0; r < static_cast<int>(kRecordCount); ++r) {
        const std::string base = Cp932(kJapaneseNames[r % 12]);
        char number[8];
        std::snprintf(number, sizeof number, "%03d", r);
        PutName(file, r, base + number);
        for (int c = 1; c <= 46; ++c) {
            const unsigned value = IsWordField(c) ? next() % 1000 : next() % 256;
            WriteField(file, r, c, value);
        }
    }
    PutName(file, 0, Cp932("戦闘機ファルコン")); // 16 bytes, no NUL
    PutName(file, 1, std::string("ABC\0XYZ\x01\x02\xFF\x80junk", 16));
    PutName(file, 2, "ABCDEFGHIJKLMNOP");
    PutName(file, 3, "ABCDEFGHIJKLMNO\x83"); // ends in the lead byte of a double-byte character
    WriteField(file, 4, 31, 999);
    WriteField(file, 4, 33, 1000);
    WriteField(file, 4, 34, 65535);
    WriteField(file, 4, 1, 255);
    return file;
}

bool WriteBytes(const std::string& path, const Bytes& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

Bytes ReadBytes(const std::string& path) {
    Bytes bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    std::uint8_t buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
    return bytes;
}

} // namespace fixture
