#pragma once
// What an object implements to receive chosen window messages through the
// subclassing engine (GSubclass).
//
// The engine keeps its bookkeeping in 32-bit window properties, so it cannot
// hold a pointer there: every object gets a reference number for its life
// instead, and the engine stores that. A number whose object has ended
// resolves to nothing, so an entry left behind by an object that forgot to
// detach is skipped rather than called.

#include "winsupport/WinTypes.h"

namespace qav::win {

class ISubclass {
  public:
    ISubclass();
    virtual ~ISubclass();
    ISubclass(const ISubclass&) = delete;
    ISubclass& operator=(const ISubclass&) = delete;

    // How the window's previous procedure is run for the message being
    // dispatched (GSubclass::CurrentMessage): 0 not at all, 1 after the
    // objects (its result counts), 2 before the object (the object's counts).
    virtual LONG MsgResponse() = 0;
    virtual void SetMsgResponse(LONG response) = 0;
    // Raised whenever a message the object attached to is sent.
    virtual LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;

    // The number the engine stores for this object; never 0.
    LONG Reference() const { return reference_; }
    // The live object of a reference number, or nullptr.
    static ISubclass* FromReference(LONG reference);

  private:
    LONG reference_;
};

}  // namespace qav::win
