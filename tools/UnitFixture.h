#pragma once
// Synthetic unit files: made-up units in the game's layout, for tests, benchmarks and demos.
// Knows the file layout only, independently of the editor's own code, so tests can check one by the other.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fixture {

constexpr std::size_t kHeaderSize = 16;
constexpr std::size_t kRecordSize = 65;
constexpr std::size_t kRecordCount = 251;
constexpr std::size_t kTrailerSize = 5;
constexpr std::size_t kFileSize = kHeaderSize + kRecordSize * kRecordCount + kTrailerSize;

using Bytes = std::vector<std::uint8_t>;

// Byte offset in the file of field `column` (1-46) of record `record` (0-250).
std::size_t FieldPos(int record, int column);
bool IsWordField(int column);
// Byte offset in the file of the name of record `record`.
std::size_t NamePos(int record);

// Field value as the game stores it (one byte, or two little-endian bytes).
unsigned ReadField(const Bytes& file, int record, int column);
void WriteField(Bytes& file, int record, int column, unsigned value);
// The 16 raw name bytes of a record.
std::string RawName(const Bytes& file, int record);

// A complete sample file. Among its units: Japanese names in CP932, a name with a NUL followed by other
// bytes (record 1), a 16-byte name without NUL (records 0 and 2), a name ending in a lone lead byte
// (record 3), two-byte fields above 999 (record 4), non-zero header bytes 8-15 and trailer.
Bytes MakeSampleUnitFile();

// UTF-8 to CP932 for fixture texts.
std::string Cp932(const std::string& utf8);

bool WriteBytes(const std::string& path, const Bytes& bytes);
Bytes ReadBytes(const std::string& path);

} // namespace fixture
