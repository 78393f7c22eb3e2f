#pragma once
// The standard scroll-bar functions of a window that has its own scroll bars
// (see WindowScrollBars). They fail (false, 0) on any other window.
//
// A bar keeps a range (minimum, maximum), a page and a position. The page is
// kept within 0 .. maximum - minimum + 1, and the position within minimum ..
// maximum - page: the largest position leaves one page of the range beyond it.

#include "winsupport/WinTypes.h"

namespace qav::win {

constexpr UINT SIF_RANGE = 1;
constexpr UINT SIF_PAGE = 2;
constexpr UINT SIF_POS = 4;
constexpr UINT SIF_TRACKPOS = 16;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

constexpr UINT ESB_ENABLE_BOTH = 0;
constexpr UINT ESB_DISABLE_BOTH = 3;

struct SCROLLINFO {
    UINT cbSize = 28;
    UINT fMask = 0;
    LONG nMin = 0;
    LONG nMax = 0;
    UINT nPage = 0;
    LONG nPos = 0;
    LONG nTrackPos = 0;  // while the thumb is dragged, where it is; else the position
};

// bar: SB_HORZ or SB_VERT. Fills the fields named by info->fMask.
bool GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
// Stores the fields named by info->fMask and returns the position the bar then
// has. The bar is always redrawn.
LONG SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool redraw);
// bar: SB_HORZ, SB_VERT or SB_BOTH.
bool ShowScrollBar(HWND window, int bar, bool show);
// arrows: ESB_ENABLE_BOTH or ESB_DISABLE_BOTH.
bool EnableScrollBar(HWND window, int bar, UINT arrows);

// The lines one wheel notch scrolls, as the desktop sets it.
int WheelScrollLines();

}  // namespace qav::win
