#include "app/UnitFile.h"

#include "platform/Exceptions.h"
#include "platform/FileStream.h"

#include <cstring>

namespace app {

bool IsWordColumn(int Column) {
    return Column == 31 || Column == 33 || Column == 34;
}

int FieldOffset(int Column) {
    int words = 0;
    for (int c = 1; c < Column; ++c)
        if (IsWordColumn(c)) ++words;
    return 16 + (Column - 1) + words;
}

TLoadResult ReadUnitFile(const std::string& Path, TUnitFileImage& Image) {
    std::string bytes;
    try {
        bytes = platform::ReadFileBytes(Path, kUnitFileSize); // bytes past the layout are never used
    } catch (const platform::EStreamError&) {
        return TLoadResult::CannotBeOpened;
    }
    // "EXWPNIN" and its terminating NUL; bytes 8-15 are free.
    if (bytes.size() < 8 || std::memcmp(bytes.data(), "EXWPNIN", 8) != 0) return TLoadResult::NotAUnitFile;
    if (bytes.size() < kUnitFileSize) return TLoadResult::NotAUnitFile;
    std::memcpy(&Image, bytes.data(), kUnitFileSize);
    return TLoadResult::Loaded;
}

TSaveResult SaveUnitFile(const std::string& Path, const TUnitFileImage& Image) {
    try {
        platform::WriteFileBytes(Path, std::string_view(reinterpret_cast<const char*>(&Image), sizeof Image));
    } catch (const platform::EFCreateError&) {
        return TSaveResult::CannotBeOpened;
    }
    return TSaveResult::Saved;
}

std::string RecordName(const TUnitRecord& Record) {
    const auto* begin = reinterpret_cast<const char*>(Record.UnitName);
    const void* nul = std::memchr(begin, 0, kNameSize);
    return std::string(begin, nul ? static_cast<const char*>(nul) - begin : kNameSize);
}

void StoreRecordName(TUnitRecord& Record, const std::string& Name) {
    std::memset(Record.UnitName, ' ', kNameSize);
    std::memcpy(Record.UnitName, Name.data(), Name.size() < kNameSize ? Name.size() : kNameSize);
}

std::uint8_t* FieldAddress(TUnitRecord& Record, int Column) {
    return reinterpret_cast<std::uint8_t*>(&Record) + FieldOffset(Column);
}

unsigned FieldValue(const std::uint8_t* Field, int Column) {
    return IsWordColumn(Column) ? Field[0] + 256u * Field[1] : Field[0];
}

} // namespace app
