#pragma once
// The five Calc operations on one cell value. Results are exact 64-bit integers, so a sum or product
// that leaves the 32-bit range is clamped by the caller instead of wrapping around. No Qt here.

#include <cstdint>

namespace app {

enum class TCalcOperation { Add, Multiply, Divide, Or, And };

// Integer operand for Add, Or and And; real operand (extended precision) for Multiply and Divide.
struct TCalcOperand {
    std::int32_t Integer = 0;
    long double Real = 0;
};

// The result for a cell value. Multiply and Divide truncate toward zero; a result beyond the 64-bit
// range raises EInvalidOp, division by zero EZeroDivide (0 / 0: EInvalidOp).
std::int64_t Calculate(TCalcOperation Operation, std::int32_t Value, const TCalcOperand& Operand);

// Clamps to [Lo, Hi], the lower limit first (so Lo > Hi gives Hi).
std::int64_t ClampToLimits(std::int64_t Value, std::int64_t Lo, std::int64_t Hi);

} // namespace app
