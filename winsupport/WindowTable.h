#pragma once
// Window handles, window procedures and window properties over Qt widgets.
//
// The program's window-message code (the band selector's wheel guard, the
// subclassing engine and its clients) is written against handles and window
// procedures. This layer gives every widget the program asks about a handle,
// keeps one current window procedure per handle, and turns the Qt events those
// procedures care about into the corresponding window messages:
//   QWheelEvent  -> WM_MOUSEWHEEL (wParam: wheel distance in the high word,
//                   key state in the low word; lParam: screen position)
//   QResizeEvent -> WM_SIZE (notification only)
//   destruction  -> WM_DESTROY, after which the handle and its properties go.
// A widget's original procedure stands for Qt's own handling of the event: a
// procedure chain that never calls it swallows the Qt event.
//
// Like the window manager it replaces there is one table per process, used from
// the UI thread only.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "winsupport/WinTypes.h"

namespace qav::win {

using WindowProcFn = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// Gives a window procedure the number by which it can be installed with
// SetWindowLongA and called with CallWindowProcA. The caller unregisters it
// when its owner ends.
WNDPROC RegisterWindowProc(WindowProcFn procedure);
void UnregisterWindowProc(WNDPROC procedure);

// The handle of a widget, assigned on first use. Never 0 for a live widget.
HWND HandleOf(QWidget* widget);
// The widget behind a handle, or nullptr once it is gone.
QWidget* WidgetOf(HWND window);

bool IsWindow(HWND window);

// GWL_WNDPROC is the only index kept; any other reads 0 and stores nothing.
LONG GetWindowLongA(HWND window, int index);
LONG SetWindowLongA(HWND window, int index, LONG newValue);

// Runs a registered procedure; 0 for an unknown procedure number.
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Runs the window's current procedure for a message sent from code.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Named 32-bit values kept with a window; a missing one reads as 0.
bool SetPropA(HWND window, const std::string& name, LONG value);
LONG GetPropA(HWND window, const std::string& name);
LONG RemovePropA(HWND window, const std::string& name);
// Shows every property of the window, in no particular order.
void EnumPropsA(HWND window, const std::function<void(const std::string&, LONG)>& visit);

// Sends a message that stands for a Qt event of the window (a wheel turn, a
// press on its scroll bars) through the window's procedure chain. True when
// the chain let the event go on to Qt, that is, the window's original
// procedure ran (or nothing replaced it).
bool SendEventMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Every window in the table belongs to this process unless it was registered
// as another process's window (a handle handed to us from outside).
DWORD GetWindowThreadProcessId(HWND window, DWORD* processId);
DWORD GetCurrentProcessId();
HWND RegisterForeignWindow(DWORD processId);

}  // namespace qav::win
