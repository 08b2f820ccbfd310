#include "app/RangeArithmetic.h"

#include "platform/Exceptions.h"
#include "platform/NumberText.h"

#include <cmath>

namespace app {

namespace {

long double Divide(long double Dividend, long double Divisor) {
    if (Divisor == 0) {
        if (Dividend == 0 || std::isnan(Dividend)) platform::ThrowInvalidOp();
        platform::ThrowZeroDivide();
    }
    return Dividend / Divisor;
}

} // namespace

std::int64_t Calculate(TCalcOperation Operation, std::int32_t Value, const TCalcOperand& Operand) {
    switch (Operation) {
    case TCalcOperation::Add:
        return static_cast<std::int64_t>(Value) + Operand.Integer;
    case TCalcOperation::Multiply:
        return platform::TruncToInt64(static_cast<long double>(Value) * Operand.Real);
    case TCalcOperation::Divide:
        return platform::TruncToInt64(Divide(static_cast<long double>(Value), Operand.Real));
    case TCalcOperation::Or:
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(Value) |
                                         static_cast<std::uint32_t>(Operand.Integer));
    case TCalcOperation::And:
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(Value) &
                                         static_cast<std::uint32_t>(Operand.Integer));
    }
    return Value;
}

std::int64_t ClampToLimits(std::int64_t Value, std::int64_t Lo, std::int64_t Hi) {
    if (Value <= Lo) Value = Lo;
    if (Value >= Hi) Value = Hi;
    return Value;
}

} // namespace app
