#include "winsupport/WindowTable.h"

#include <unistd.h>

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <unordered_map>
#include <vector>

namespace qav::win {
namespace {

// One dispatch of a Qt event through a window's procedure chain. The original
// procedure of the window marks the frame when it runs: the event then goes on
// to Qt, otherwise it is swallowed.
struct DispatchFrame {
    HWND window;
    UINT message;
    bool passedToQt;
};

class Table : public QObject {
  public:
    static Table& Instance() {
        static Table table;
        return table;
    }

    WNDPROC Register(WindowProcFn fn) {
        const WNDPROC id = nextProc_;
        nextProc_ += 16;
        procs_.emplace(id, std::move(fn));
        return id;
    }

    void Unregister(WNDPROC id) { procs_.erase(id); }

    LRESULT Call(WNDPROC id, HWND h, UINT m, WPARAM w, LPARAM l) {
        const auto it = procs_.find(id);
        if (it == procs_.end()) return 0;
        const WindowProcFn fn = it->second;  // the table may change during the call
        return fn(h, m, w, l);
    }

    HWND Handle(QWidget* widget) {
        if (widget == nullptr) return 0;
        if (const auto it = byWidget_.find(widget); it != byWidget_.end()) return it->second;
        const HWND h = nextHandle_;
        nextHandle_ += 2;
        Window entry;
        entry.widget = widget;
        entry.processId = GetCurrentProcessId();
        entry.originalProc = Register([this, h](HWND, UINT m, WPARAM, LPARAM) -> LRESULT {
            if (!frames_.empty() && frames_.back().window == h && frames_.back().message == m)
                frames_.back().passedToQt = true;
            return 0;
        });
        entry.proc = entry.originalProc;
        windows_.emplace(h, std::move(entry));
        byWidget_.emplace(widget, h);
        widget->installEventFilter(this);
        // A scroll area receives its wheel events on the viewport.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
            area->viewport()->installEventFilter(this);
            viewports_.emplace(area->viewport(), h);
        }
        QObject::connect(widget, &QObject::destroyed, this, [this, h] { Destroyed(h); });
        return h;
    }

    HWND Foreign(DWORD pid) {
        const HWND h = nextHandle_;
        nextHandle_ += 2;
        Window entry;
        entry.processId = pid;
        windows_.emplace(h, std::move(entry));
        return h;
    }

    struct Window {
        QPointer<QWidget> widget;
        DWORD processId = 0;
        WNDPROC originalProc = 0;
        WNDPROC proc = 0;
        std::unordered_map<std::string, LONG> props;
    };

    Window* Find(HWND h) {
        const auto it = windows_.find(h);
        return it == windows_.end() ? nullptr : &it->second;
    }

    QWidget* Widget(HWND h) {
        Window* w = Find(h);
        return w ? w->widget.data() : nullptr;
    }

    LRESULT Send(HWND h, UINT m, WPARAM w, LPARAM l) {
        Window* entry = Find(h);
        if (entry == nullptr || entry->proc == 0) return 0;
        return Call(entry->proc, h, m, w, l);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel && event->type() != QEvent::Resize) return false;
        HWND h = 0;
        if (const auto it = byWidget_.find(watched); it != byWidget_.end())
            h = it->second;
        else if (const auto vp = viewports_.find(watched); vp != viewports_.end())
            h = vp->second;
        Window* entry = Find(h);
        if (entry == nullptr || entry->proc == entry->originalProc) return false;
        if (event->type() == QEvent::Resize) {
            if (watched != entry->widget) return false;
            const auto* resize = static_cast<QResizeEvent*>(event);
            Send(h, WM_SIZE, 0, MakeLong(resize->size().width(), resize->size().height()));
            return false;
        }
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const int delta = wheel->angleDelta().y() != 0 ? wheel->angleDelta().y() : wheel->angleDelta().x();
        const QPoint pos = wheel->globalPosition().toPoint();
        const WPARAM wParam = MakeLong(KeyState(wheel), delta);
        const LPARAM lParam = MakeLong(pos.x(), pos.y());
        const bool passed = SendEventMessage(h, WM_MOUSEWHEEL, wParam, lParam);
        if (!passed) event->accept();
        return !passed;
    }

  public:
    bool SendEventMessage(HWND h, UINT m, WPARAM w, LPARAM l) {
        Window* entry = Find(h);
        if (entry == nullptr) return true;
        if (entry->proc == entry->originalProc) return true;
        frames_.push_back({h, m, false});
        Send(h, m, w, l);
        const bool passed = frames_.back().passedToQt;
        frames_.pop_back();
        return passed;
    }

  private:
    static WPARAM KeyState(const QWheelEvent* wheel) {
        WPARAM state = 0;
        if (wheel->buttons() & Qt::LeftButton) state |= MK_LBUTTON;
        if (wheel->buttons() & Qt::RightButton) state |= MK_RBUTTON;
        if (wheel->buttons() & Qt::MiddleButton) state |= MK_MBUTTON;
        if (wheel->modifiers() & Qt::ShiftModifier) state |= MK_SHIFT;
        if (wheel->modifiers() & Qt::ControlModifier) state |= MK_CONTROL;
        return state;
    }

    void Destroyed(HWND h) {
        Window* entry = Find(h);
        if (entry == nullptr) return;
        // The handle stays valid while its procedure handles WM_DESTROY.
        if (entry->proc != entry->originalProc) Send(h, WM_DESTROY, 0, 0);
        entry = Find(h);
        Unregister(entry->originalProc);
        for (auto it = byWidget_.begin(); it != byWidget_.end();)
            it = it->second == h ? byWidget_.erase(it) : std::next(it);
        for (auto it = viewports_.begin(); it != viewports_.end();)
            it = it->second == h ? viewports_.erase(it) : std::next(it);
        windows_.erase(h);  // its properties go with it
    }

    std::unordered_map<HWND, Window> windows_;
    std::unordered_map<const QObject*, HWND> byWidget_;
    std::unordered_map<const QObject*, HWND> viewports_;
    std::unordered_map<WNDPROC, WindowProcFn> procs_;
    std::vector<DispatchFrame> frames_;
    HWND nextHandle_ = 0x1000;
    WNDPROC nextProc_ = 0x400000;
};

}  // namespace

WNDPROC RegisterWindowProc(WindowProcFn procedure) {
    return Table::Instance().Register(std::move(procedure));
}
void UnregisterWindowProc(WNDPROC procedure) {
    Table::Instance().Unregister(procedure);
}
HWND HandleOf(QWidget* widget) {
    return Table::Instance().Handle(widget);
}
QWidget* WidgetOf(HWND window) {
    return Table::Instance().Widget(window);
}

bool IsWindow(HWND window) {
    return Table::Instance().Find(window) != nullptr;
}

LONG GetWindowLongA(HWND window, int index) {
    auto* entry = Table::Instance().Find(window);
    if (entry == nullptr || index != GWL_WNDPROC) return 0;
    return entry->proc;
}

LONG SetWindowLongA(HWND window, int index, LONG newValue) {
    auto* entry = Table::Instance().Find(window);
    if (entry == nullptr || index != GWL_WNDPROC || entry->originalProc == 0) return 0;
    const LONG previous = entry->proc;
    entry->proc = newValue;
    return previous;
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Table::Instance().Call(procedure, window, message, wParam, lParam);
}

LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Table::Instance().Send(window, message, wParam, lParam);
}

bool SetPropA(HWND window, const std::string& name, LONG value) {
    auto* entry = Table::Instance().Find(window);
    if (entry == nullptr) return false;
    entry->props[name] = value;
    return true;
}

LONG GetPropA(HWND window, const std::string& name) {
    auto* entry = Table::Instance().Find(window);
    if (entry == nullptr) return 0;
    const auto it = entry->props.find(name);
    return it == entry->props.end() ? 0 : it->second;
}

void EnumPropsA(HWND window, const std::function<void(const std::string&, LONG)>& visit) {
    auto* entry = Table::Instance().Find(window);
    if (entry == nullptr) return;
    // A copy, so that the visitor may remove what it is shown.
    const auto props = entry->props;
    for (const auto& [name, value] : props) visit(name, value);
}

bool SendEventMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Table::Instance().SendEventMessage(window, message, wParam, lParam);
}

LONG RemovePropA(HWND window, const std::string& name) {
    auto* entry = Table::Instance().Find(window);
    if (entry == nullptr) return 0;
    const auto it = entry->props.find(name);
    if (it == entry->props.end()) return 0;
    const LONG value = it->second;
    entry->props.erase(it);
    return value;
}

DWORD GetWindowThreadProcessId(HWND window, DWORD* processId) {
    auto* entry = Table::Instance().Find(window);
    const DWORD pid = entry ? entry->processId : 0;
    if (processId != nullptr) *processId = pid;
    return pid == 0 ? 0 : 1;  // one UI thread
}

DWORD GetCurrentProcessId() {
    return static_cast<DWORD>(::getpid());
}

HWND RegisterForeignWindow(DWORD processId) {
    return Table::Instance().Foreign(processId);
}

}  // namespace qav::win
