#include "platform/Exceptions.h"

namespace platform {

void ThrowListIndexError(int index) {
    throw EListError(FormatMessage("ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (%d)", std::to_string(index)));
}

void ThrowInvalidOp() {
    throw EInvalidOp("不正な浮動小数点数演算命令");
}

void ThrowZeroDivide() {
    throw EZeroDivide("0 による浮動小数点数除算");
}

std::string FormatMessage(const std::string& pattern, const std::string& argument) {
    std::string::size_type pos = pattern.find("%s");
    if (pos == std::string::npos) pos = pattern.find("%d");
    if (pos == std::string::npos) return pattern;
    return pattern.substr(0, pos) + argument + pattern.substr(pos + 2);
}

} // namespace platform
