#pragma once
// The platform's exceptions: each carries the message text that the error box shows (UTF-8).

#include <exception>
#include <string>

namespace platform {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const std::string& Message() const { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

#define PLATFORM_EXCEPTION(Name, Base)                                                                       \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
    };

PLATFORM_EXCEPTION(EListError, Exception)
PLATFORM_EXCEPTION(EInvalidGridOperation, Exception)
PLATFORM_EXCEPTION(EConvertError, Exception)
PLATFORM_EXCEPTION(EStreamError, Exception)
PLATFORM_EXCEPTION(EFOpenError, EStreamError)
PLATFORM_EXCEPTION(EFCreateError, EStreamError)
PLATFORM_EXCEPTION(EWriteError, EStreamError)
PLATFORM_EXCEPTION(EReadError, EStreamError)
PLATFORM_EXCEPTION(EMathError, Exception)
PLATFORM_EXCEPTION(EZeroDivide, EMathError)
PLATFORM_EXCEPTION(EInvalidOp, EMathError)
PLATFORM_EXCEPTION(EOverflow, EMathError)

#undef PLATFORM_EXCEPTION

// "ﾘｽﾄのｲﾝﾃﾞｯｸｽが範囲を超えています (%d)"
[[noreturn]] void ThrowListIndexError(int index);

// The floating-point errors: "不正な浮動小数点数演算命令" and "0 による浮動小数点数除算".
[[noreturn]] void ThrowInvalidOp();
[[noreturn]] void ThrowZeroDivide();

// Replaces the first "%s" or "%d" of a message pattern.
std::string FormatMessage(const std::string& pattern, const std::string& argument);

} // namespace platform
