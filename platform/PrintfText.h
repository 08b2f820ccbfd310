#pragma once
// Number texts as the C run-time library's formatted printing writes them, for the components that are
// defined by it rather than by the platform's own number formats (NumberText.h). Qt-free.

#include <string>

namespace platform {

// printf's "%.*f" in the "C" locale: the value correctly rounded (ties by the exact binary value, so
// 0.125 gives "0.12" with 2 decimals) to Decimals places, no point for 0 places, "-" for negative values
// (also "-0" for a negative value that rounds to zero), every integer digit written out; "inf", "-inf",
// "nan" and "-nan" for the values that have no digits. A negative Decimals counts as 0. The text is as
// long as it needs to be.
std::string PrintfFixed(double Value, int Decimals);

} // namespace platform
