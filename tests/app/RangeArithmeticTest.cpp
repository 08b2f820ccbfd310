#include "app/RangeArithmetic.h"

#include "platform/Exceptions.h"

#include <gtest/gtest.h>

using app::Calculate;
using app::ClampToLimits;
using app::TCalcOperand;
using app::TCalcOperation;

TEST(RangeArithmetic, ResultsBeforeClamping) {
    struct Case {
        TCalcOperation op;
        std::int32_t value;
        TCalcOperand operand;
        std::int64_t expected;
    } cases[] = {
        {TCalcOperation::Add, 250, {10, 0}, 260},
        {TCalcOperation::Add, 5, {0x10, 0}, 21},
        {TCalcOperation::Add, 999, {-300, 0}, 699},
        {TCalcOperation::Add, 250, {2147483647, 0}, 2147483897LL}, // no wrap-around
        {TCalcOperation::Add, -5, {-2147483647 - 1, 0}, -2147483653LL},
        {TCalcOperation::Multiply, 7, {0, 1.5L}, 10},
        {TCalcOperation::Multiply, 7, {0, 0.5L}, 3},
        {TCalcOperation::Multiply, 5, {0, 1e2L}, 500},
        {TCalcOperation::Multiply, 3, {0, -0.9L}, -2}, // toward zero
        {TCalcOperation::Multiply, 255, {0, 1e15L}, 255000000000000000LL},
        {TCalcOperation::Divide, 10, {0, 3}, 3},
        {TCalcOperation::Divide, 100, {0, 0.5L}, 200},
        {TCalcOperation::Divide, 7, {0, -1}, -7},
        {TCalcOperation::Or, 1, {0x80, 0}, 129},
        {TCalcOperation::And, 255, {0xF0, 0}, 240},
        {TCalcOperation::And, 255, {0, 0}, 0},
        {TCalcOperation::Or, 5, {-1, 0}, -1}, // bitwise over 32 bits
    };
    for (const auto& c : cases)
        EXPECT_EQ(Calculate(c.op, c.value, c.operand), c.expected) << c.value;
}

TEST(RangeArithmetic, FloatingPointErrorsCarryThePlatformTexts) {
    try {
        Calculate(TCalcOperation::Divide, 5, {0, 0});
        FAIL() << "no error";
    } catch (const platform::EZeroDivide& e) {
        EXPECT_STREQ(e.what(), "0 による浮動小数点数除算");
    }
    try {
        Calculate(TCalcOperation::Divide, 0, {0, 0});
        FAIL() << "no error";
    } catch (const platform::EInvalidOp& e) {
        EXPECT_STREQ(e.what(), "不正な浮動小数点数演算命令");
    }
    EXPECT_THROW(Calculate(TCalcOperation::Multiply, 255, {0, 1e17L}), platform::EInvalidOp); // past 2^63
    EXPECT_THROW(Calculate(TCalcOperation::Divide, 255, {0, 1e-17L}), platform::EInvalidOp);
}

TEST(RangeArithmetic, ClampingAppliesTheLowerLimitFirst) {
    EXPECT_EQ(ClampToLimits(-3, 0, 255), 0);
    EXPECT_EQ(ClampToLimits(5000, 0, 999), 999);
    EXPECT_EQ(ClampToLimits(2147483897LL, 0, 255), 255);
    EXPECT_EQ(ClampToLimits(100, 0, 255), 100);
    EXPECT_EQ(ClampToLimits(5, 10, 3), 3);
}
