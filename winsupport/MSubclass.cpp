#include "winsupport/MSubclass.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <string>
#include <vector>

#include "winsupport/SubclassError.h"
#include "winsupport/WindowTable.h"

namespace qav::win::MSubclass {
namespace {

LONG currentMessage = 0;
bool lastStoreSucceeded = false;

std::string Number(long value) {
    return std::to_string(value);
}

std::string OldProcName(HWND h) {
    return Number(h);
}
std::string WindowCountName(HWND h) {
    return "C" + Number(h);
}
std::string MessagePrefix(HWND h, UINT m) {
    return Number(h) + "#" + Number(static_cast<LONG>(m));
}
std::string MessageCountName(HWND h, UINT m) {
    return MessagePrefix(h, m) + "C";
}
std::string ObjectName(HWND h, UINT m, LONG i) {
    return MessagePrefix(h, m) + "#" + Number(i);
}

void Store(HWND h, const std::string& name, LONG value) {
    lastStoreSucceeded = SetPropA(h, name, value);
    if (value == 0) RemovePropA(h, name);
}

std::string ExecutableName() {
    if (QCoreApplication::instance() == nullptr) return {};
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}

// Runs the previous procedure once per dispatch.
struct PreviousProcedure {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool ran = false;

    LRESULT Run() {
        ran = true;
        return CallOldWindowProc(window, message, wParam, lParam);
    }
};

}  // namespace

LONG GetCurrentMessage() {
    return currentMessage;
}

void RaiseSubclassError(int code) {
    if (code < 1001) throw SubclassError(code, ExecutableName(), "Invalid procedure call or argument");
    const char* description = "";
    switch (code) {
        case SubclassError::kCantSubclass:
            description = "Can't subclass window";
            break;
        case SubclassError::kAlreadyHandled:
            description = "Message already handled by another class";
            break;
        case SubclassError::kInvalidWindow:
            description = "Invalid window";
            break;
        case SubclassError::kExternalWindow:
            description = "Can't modify external window";
            break;
        default:
            break;
    }
    throw SubclassError(code, ExecutableName() + ".WindowProc", description);
}

LONG GetOldWindowProc(HWND h) {
    return GetPropA(h, OldProcName(h));
}
void SetOldWindowProc(HWND h, LONG procedure) {
    Store(h, OldProcName(h), procedure);
}
LONG GetWindowCount(HWND h) {
    return GetPropA(h, WindowCountName(h));
}
void SetWindowCount(HWND h, LONG count) {
    Store(h, WindowCountName(h), count);
}
LONG GetMessageCount(HWND h, UINT m) {
    return GetPropA(h, MessageCountName(h, m));
}
void SetMessageCount(HWND h, UINT m, LONG count) {
    Store(h, MessageCountName(h, m), count);
}
LONG GetAttachedObject(HWND h, UINT m, LONG i) {
    return GetPropA(h, ObjectName(h, m, i));
}
void SetAttachedObject(HWND h, UINT m, LONG i, LONG reference) {
    Store(h, ObjectName(h, m, i), reference);
}
bool LastStoreSucceeded() {
    return lastStoreSucceeded;
}

bool IsWindowOfThisProcess(HWND h) {
    DWORD owner = 0;
    GetWindowThreadProcessId(h, &owner);
    return owner == GetCurrentProcessId();
}

WNDPROC SubclassWindowProcNumber() {
    static const WNDPROC number = RegisterWindowProc(&SubclassWindowProc);
    return number;
}

void SubclassAttach(ISubclass& object, HWND h, UINT m) {
    if (!IsWindow(h)) RaiseSubclassError(SubclassError::kInvalidWindow);
    if (!IsWindowOfThisProcess(h)) RaiseSubclassError(SubclassError::kExternalWindow);

    const LONG n = GetMessageCount(h, m);
    for (LONG i = 1; i <= n; ++i)
        if (GetAttachedObject(h, m, i) == object.Reference())
            RaiseSubclassError(SubclassError::kAlreadyHandled);

    SetMessageCount(h, m, n + 1);
    if (!LastStoreSucceeded()) RaiseSubclassError(SubclassError::kInvalidCall);
    const auto undoEntry = [&] {
        SetAttachedObject(h, m, n + 1, 0);
        SetMessageCount(h, m, n);
    };
    SetAttachedObject(h, m, n + 1, object.Reference());
    if (!LastStoreSucceeded()) {
        SetMessageCount(h, m, n);
        RaiseSubclassError(SubclassError::kInvalidCall);
    }

    const LONG windowCount = GetWindowCount(h);
    if (windowCount == 0) {
        const LONG previous = SetWindowLongA(h, GWL_WNDPROC, SubclassWindowProcNumber());
        if (previous == 0) {
            undoEntry();
            RaiseSubclassError(SubclassError::kCantSubclass);
        }
        SetOldWindowProc(h, previous);
        if (!LastStoreSucceeded()) {
            SetWindowLongA(h, GWL_WNDPROC, previous);
            undoEntry();
            RaiseSubclassError(SubclassError::kInvalidCall);
        }
    }
    SetWindowCount(h, windowCount + 1);
    if (!LastStoreSucceeded()) {
        undoEntry();
        if (windowCount == 0) {
            if (const LONG previous = GetOldWindowProc(h); previous != 0) {
                SetWindowLongA(h, GWL_WNDPROC, previous);
                SetOldWindowProc(h, 0);
            }
        }
        RaiseSubclassError(SubclassError::kInvalidCall);
    }
}

void SubclassDetach(ISubclass& object, HWND h, UINT m) {
    if (!IsWindow(h) || !IsWindowOfThisProcess(h)) return;
    const LONG n = GetMessageCount(h, m);
    LONG position = 0;
    for (LONG i = 1; i <= n && position == 0; ++i)
        if (GetAttachedObject(h, m, i) == object.Reference()) position = i;
    if (position == 0) return;

    for (LONG k = position; k < n; ++k) SetAttachedObject(h, m, k, GetAttachedObject(h, m, k + 1));
    SetAttachedObject(h, m, n, 0);
    SetMessageCount(h, m, n - 1);

    const LONG windowCount = GetWindowCount(h);
    if (windowCount == 1) {
        if (const LONG previous = GetOldWindowProc(h); previous != 0)
            SetWindowLongA(h, GWL_WNDPROC, previous);
        SetOldWindowProc(h, 0);
    }
    SetWindowCount(h, windowCount - 1);
}

void SubclassDetachAll(HWND h) {
    if (GetWindowCount(h) > 0) {
        if (const LONG previous = GetOldWindowProc(h); previous != 0)
            SetWindowLongA(h, GWL_WNDPROC, previous);
        SetOldWindowProc(h, 0);
        SetWindowCount(h, 0);
    }
    // The per-message entries go as well: they name objects that need not
    // outlive the window.
    const std::string prefix = Number(h) + "#";
    std::vector<std::string> entries;
    EnumPropsA(h, [&](const std::string& name, LONG) {
        if (name.starts_with(prefix)) entries.push_back(name);
    });
    for (const std::string& name : entries) RemovePropA(h, name);
}

LRESULT CallOldWindowProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    const LONG previous = GetOldWindowProc(h);
    if (previous == 0) return 0;
    return CallWindowProcA(previous, h, m, w, l);
}

LRESULT SubclassWindowProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (GetOldWindowProc(h) == 0) return 0;
    PreviousProcedure previous{h, m, w, l};
    const LONG n = GetMessageCount(h, m);
    if (n == 0) {
        if (m == WM_DESTROY) {
            // Detaching forgets the previous procedure, so it is called directly.
            const LONG old = GetOldWindowProc(h);
            SubclassDetachAll(h);
            return CallWindowProcA(old, h, m, w, l);
        }
        return previous.Run();
    }

    LRESULT result = 0;
    LONG lastHandled = 0;  // reference of the object handled last
    for (LONG i = n; i >= 1; --i) {
        const LONG reference = GetAttachedObject(h, m, i);
        ISubclass* object = ISubclass::FromReference(reference);
        if (object == nullptr) continue;  // ended without detaching
        currentMessage = static_cast<LONG>(m);
        if (i == 1 && object->MsgResponse() == 2 && !previous.ran) previous.Run();
        // The object may end inside its own handling; it is looked up again
        // by its number whenever it is needed after this call.
        currentMessage = static_cast<LONG>(m);
        result = object->WindowProc(h, m, w, l);
        lastHandled = reference;
    }

    ISubclass* last = ISubclass::FromReference(lastHandled);
    if (last == nullptr) {
        // No live object took the message: it goes on as if none were attached.
        return previous.ran ? result : previous.Run();
    }
    currentMessage = static_cast<LONG>(m);
    if (last->MsgResponse() == 1 && !previous.ran) return previous.Run();
    return result;
}

}  // namespace qav::win::MSubclass
