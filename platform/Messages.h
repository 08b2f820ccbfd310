#pragma once
// Window messages, virtual-key codes and shift states as the components see them.

#include <cstdint>

namespace platform {

using WORD = std::uint16_t;

enum : unsigned {
    WM_SETTEXT = 0x000C,
    WM_GETTEXT = 0x000D,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_KEYDOWN = 0x0100,
    WM_CHAR = 0x0102,
    CM_WANTSPECIALKEY = 0xB01E,
};

// One message. For WM_SETTEXT, LParam points to a std::string; for WM_GETTEXT, LParam points to a
// std::string that receives the text.
struct TMessage {
    unsigned Msg = 0;
    std::intptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

enum : WORD {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F4 = 0x73,
};

// Shift state bits of key and mouse events.
using TShiftState = unsigned;
enum : TShiftState {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Menu shortcut values: modifier bits plus the virtual-key code.
using TShortCut = std::uint16_t;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };

} // namespace platform
