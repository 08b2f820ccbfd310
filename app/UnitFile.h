#pragma once
// The unit parameter file and its in-memory image: 16-byte header, 251 records of a 16-byte name and
// 46 fields (three of them two bytes wide), 5-byte trailer. No Qt here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace app {

constexpr int kRecordCount = 251;
constexpr int kNameSize = 16;
constexpr int kParamCount = 46;
constexpr int kParamBytes = 49;
constexpr std::size_t kUnitFileSize = 16336;

struct TUnitRecord {
    std::uint8_t UnitName[kNameSize];
    std::uint8_t Params[kParamBytes];
};

struct TUnitFileImage {
    std::uint8_t HeaderBytes[16];
    TUnitRecord Records[kRecordCount];
    std::uint8_t TrailerBytes[5];
};

static_assert(sizeof(TUnitRecord) == 65);
static_assert(sizeof(TUnitFileImage) == kUnitFileSize);

enum class TLoadResult { Loaded, CannotBeOpened, NotAUnitFile };
enum class TSaveResult { Saved, CannotBeOpened };

// True for the two-byte columns 31, 33 and 34.
bool IsWordColumn(int Column);
// Record offset of the first byte of column 1-46.
int FieldOffset(int Column);

// Reads a unit file into Image; on any result but Loaded, Image is unchanged. A file shorter than a
// unit file is not taken: its missing bytes would be made up and saved.
TLoadResult ReadUnitFile(const std::string& Path, TUnitFileImage& Image);
// Writes the whole image. A file that cannot be created gives CannotBeOpened and leaves an existing
// file as it was; a failing write raises the platform's stream write error, also leaving the old file.
TSaveResult SaveUnitFile(const std::string& Path, const TUnitFileImage& Image);

// The name as shown: the bytes before the first NUL, at most 16.
std::string RecordName(const TUnitRecord& Record);
// Writes Name into the record: its first 16 bytes, filled up with spaces, no NUL.
void StoreRecordName(TUnitRecord& Record, const std::string& Name);
// Address of a field's first (low) byte, and its unsigned value.
std::uint8_t* FieldAddress(TUnitRecord& Record, int Column);
unsigned FieldValue(const std::uint8_t* Field, int Column);

} // namespace app
