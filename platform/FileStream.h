#pragma once
// Whole-file reading and writing for the components' file interfaces. File names are the operating
// system's own bytes; failures raise the platform's stream errors.

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The whole content of a file. EFOpenError "ﾌｧｲﾙ %s は開けません" when it cannot be opened (or is a
// directory); EReadError when reading stops with an error.
// At most maxBytes are read: a caller that needs only a file's beginning does not read all of a huge
// file or a device that never ends.
std::string ReadFileBytes(const std::string& fileName, std::size_t maxBytes = SIZE_MAX);

// Replaces the content of a file, or creates it. A regular file is replaced only when the new content
// is complete on disk: the bytes go to a temporary file beside it, which then takes the file's place
// and keeps its permissions. Other existing files (devices, pipes) are written in place.
// EFCreateError "ﾌｧｲﾙ %s を作成できません" when the file cannot be created or replaced; EWriteError
// "ｽﾄﾘｰﾑへの書き込みｴﾗｰ" when writing fails. On either error an existing regular file is unchanged.
void WriteFileBytes(const std::string& fileName, std::string_view bytes);

} // namespace platform
