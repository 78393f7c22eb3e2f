#pragma once
// The public face of the subclassing engine (MSubclass) for other components.

#include "winsupport/ISubclass.h"
#include "winsupport/WinTypes.h"

namespace qav::win {

class GSubclass {
  public:
    // Start subclassing for a particular message. Throws SubclassError.
    void AttachMessage(ISubclass& object, HWND window, UINT message);
    // Stop subclassing for a particular message. Never fails.
    void DetachMessage(ISubclass& object, HWND window, UINT message);
    // Returns the message currently being worked on. Only valid in the
    // MsgResponse and WindowProc items of your implemented interface.
    LONG CurrentMessage() const;
    // Calls the window procedure for this handle which was installed before
    // you added the subclass; 0 when there is none.
    LRESULT CallOldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace qav::win
