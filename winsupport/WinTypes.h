#pragma once
// The Windows value types and message numbers that the program's window
// procedures, the subclassing engine and the message box use. All 32-bit, as
// the callers compute with them.

#include <cstdint>

namespace qav::win {

using LONG = std::int32_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using HWND = std::int32_t;  // 0 is no window
using WPARAM = std::int32_t;
using LPARAM = std::int32_t;
using LRESULT = std::int32_t;
using WNDPROC = std::int32_t;  // the number a window procedure is known by; 0 is none

constexpr int GWL_WNDPROC = -4;

constexpr UINT WM_DESTROY = 2;
constexpr UINT WM_SIZE = 5;
constexpr UINT WM_HSCROLL = 276;
constexpr UINT WM_VSCROLL = 277;
constexpr UINT WM_NCLBUTTONDOWN = 161;
constexpr UINT WM_NCRBUTTONDOWN = 164;
constexpr UINT WM_NCMBUTTONDOWN = 167;
constexpr UINT WM_LBUTTONUP = 0x202;
constexpr UINT WM_MOUSEWHEEL = 522;

// Key-state flags in the low word of a mouse message's wParam.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

constexpr int WHEEL_DELTA = 120;

// Scroll bars of a window: which bar, the request of a scroll message (low word
// of wParam), and the hit-test codes of a press on a bar.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_BOTH = 3;
constexpr int SB_LINEUP = 0;  // also line left
constexpr int SB_LINEDOWN = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_ENDSCROLL = 8;
constexpr WPARAM HTHSCROLL = 6;
constexpr WPARAM HTVSCROLL = 7;

// MAKELONG: low word and high word of a 32-bit value.
constexpr std::int32_t MakeLong(std::int32_t low, std::int32_t high) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(high) << 16) |
                                     (static_cast<std::uint32_t>(low) & 0xFFFFu));
}
constexpr std::int32_t LowWord(std::int32_t v) {
    return v & 0xFFFF;
}
constexpr std::int32_t HighWord(std::int32_t v) {
    return (static_cast<std::uint32_t>(v) >> 16) & 0xFFFF;
}

}  // namespace qav::win
