#pragma once
// The subclassing engine: objects implementing ISubclass receive chosen
// messages of a window of this process before, after or instead of the
// window's previous procedure. While at least one object is attached to a
// window, its procedure is the one shared SubclassWindowProc; the previous one
// comes back when the last attachment goes or the window is destroyed.
//
// All bookkeeping lives in properties of the windows themselves (numbers in
// decimal, signed):
//   "<h>"            the window's previous procedure
//   "C<h>"           attachments on the window (object-message pairs)
//   "<h>#<m>C"       objects attached to message m
//   "<h>#<m>#<i>"    reference number of the i-th of them (i from 1)
// A store of 0 removes the property; a missing one reads as 0.
//
// GSubclass is the face other code uses; this module holds the routines.

#include "winsupport/ISubclass.h"
#include "winsupport/WinTypes.h"

namespace qav::win::MSubclass {

// The message being dispatched; valid inside an object's MsgResponse and WindowProc.
LONG GetCurrentMessage();

// Throws SubclassError for an engine code (5, 13081 .. 13084).
[[noreturn]] void RaiseSubclassError(int code);

// Attaches the object to message m of the window. Throws SubclassError:
// 13083 not a window, 13084 a window of another process, 13082 the object is
// already attached to m, 13081 the procedure cannot be replaced, 5 a property
// cannot be stored. A failed attach leaves the window as it was.
void SubclassAttach(ISubclass& object, HWND window, UINT message);
// Silent when the window is gone, or the object is not attached to m.
void SubclassDetach(ISubclass& object, HWND window, UINT message);

// The shared window procedure, and its number as installed.
LRESULT SubclassWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC SubclassWindowProcNumber();

// 0 when no previous procedure is stored for the window.
LRESULT CallOldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool IsWindowOfThisProcess(HWND window);

// On WM_DESTROY: puts the previous procedure back and drops every entry the
// engine kept for the window, so that nothing points at objects that may be
// gone by the time the handle could be asked again.
void SubclassDetachAll(HWND window);

// The property accessors. Every setter records whether its store succeeded.
LONG GetOldWindowProc(HWND window);
void SetOldWindowProc(HWND window, LONG procedure);
LONG GetWindowCount(HWND window);
void SetWindowCount(HWND window, LONG count);
LONG GetMessageCount(HWND window, UINT message);
void SetMessageCount(HWND window, UINT message, LONG count);
LONG GetAttachedObject(HWND window, UINT message, LONG position);
void SetAttachedObject(HWND window, UINT message, LONG position, LONG reference);
bool LastStoreSucceeded();

}  // namespace qav::win::MSubclass
