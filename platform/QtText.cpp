#include "platform/QtText.h"

#include "platform/Codec.h"

namespace platform {

QString FromCp932(std::string_view bytes) {
    return QString::fromStdString(Cp932ToUtf8(bytes));
}

QString FromCp932Lossless(std::string_view bytes) {
    return QString::fromStdString(Cp932ToUtf8Escaped(bytes));
}

std::optional<std::string> ToCp932(const QString& text) {
    return Utf8ToCp932Escaped(text.toStdString());
}

} // namespace platform
