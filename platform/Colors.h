#pragma once
// Colours and alignments as the components store them; no Qt here, so style models can use them.

#include <cstdint>

namespace platform {

// 0x00BBGGRR is an explicit colour; 0x80000000 + n is system colour n.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clNavy = 0x00800000;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clWindowText = 0x80000008;
constexpr TColor clHighlight = 0x8000000D;
constexpr TColor clHighlightText = 0x8000000E;
constexpr TColor clBtnShadow = 0x80000010;
constexpr TColor clBtnHighlight = 0x80000014;

using TAlignment = std::uint8_t;
constexpr TAlignment taLeftJustify = 0;
constexpr TAlignment taRightJustify = 1;
constexpr TAlignment taCenter = 2;

} // namespace platform
