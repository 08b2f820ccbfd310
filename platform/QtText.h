#pragma once
// The bridge between data texts (CP932 bytes) and the texts Qt shows.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// For display: undecodable bytes show as U+FFFD.
QString FromCp932(std::string_view bytes);
// For text that is edited and stored again: undecodable bytes survive the round trip through ToCp932.
QString FromCp932Lossless(std::string_view bytes);
// Nothing when a character has no CP932 form.
std::optional<std::string> ToCp932(const QString& text);
// Program literals are UTF-8.
inline QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}
inline QString U(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace platform
