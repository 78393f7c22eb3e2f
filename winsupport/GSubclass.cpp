#include "winsupport/GSubclass.h"

#include "winsupport/MSubclass.h"

namespace qav::win {

void GSubclass::AttachMessage(ISubclass& object, HWND window, UINT message) {
    MSubclass::SubclassAttach(object, window, message);
}

void GSubclass::DetachMessage(ISubclass& object, HWND window, UINT message) {
    MSubclass::SubclassDetach(object, window, message);
}

LONG GSubclass::CurrentMessage() const {
    return MSubclass::GetCurrentMessage();
}

LRESULT GSubclass::CallOldWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return MSubclass::CallOldWindowProc(window, message, wParam, lParam);
}

}  // namespace qav::win
