#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QWheelEvent>

#include "winsupport/WindowTable.h"

namespace qav::win {
namespace {

QWheelEvent Wheel(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return QWheelEvent(QPointF(5, 5), QPointF(-10, 300), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                       Qt::NoScrollPhase, false);
}

struct Seen {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int count = 0;
};

TEST(WindowTableTest, ReplacedProcedureSeesTheWheelAndSwallowsItUnlessPassedOn) {
    QComboBox combo;
    combo.addItems({"a", "b", "c"});
    combo.setCurrentIndex(1);
    const HWND h = HandleOf(&combo);
    ASSERT_NE(h, 0);
    EXPECT_TRUE(IsWindow(h));
    EXPECT_EQ(WidgetOf(h), &combo);

    Seen seen;
    bool passOn = false;
    WNDPROC old = 0;
    const WNDPROC proc = RegisterWindowProc([&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        seen = {m, wp, lp, seen.count + 1};
        return passOn ? CallWindowProcA(old, w, m, wp, lp) : 0;
    });
    old = GetWindowLongA(h, GWL_WNDPROC);
    EXPECT_EQ(SetWindowLongA(h, GWL_WNDPROC, proc), old);
    EXPECT_EQ(GetWindowLongA(h, GWL_WNDPROC), proc);

    QWheelEvent down = Wheel(-120, Qt::ShiftModifier);
    QApplication::sendEvent(&combo, &down);
    EXPECT_EQ(seen.message, WM_MOUSEWHEEL);
    EXPECT_EQ(HighWord(seen.wParam), 0xFFFF - 119);  // -120 in the high word
    EXPECT_EQ(LowWord(seen.wParam) & MK_SHIFT, MK_SHIFT);
    EXPECT_EQ(LowWord(seen.lParam), 0xFFFF - 9);  // x = -10 as an unsigned word
    EXPECT_EQ(HighWord(seen.lParam), 300);
    EXPECT_EQ(combo.currentIndex(), 1) << "swallowed";

    passOn = true;
    QWheelEvent again = Wheel(-120);
    QApplication::sendEvent(&combo, &again);
    EXPECT_EQ(seen.count, 2);
    EXPECT_EQ(combo.currentIndex(), 2) << "the combo's own handling ran";

    SetWindowLongA(h, GWL_WNDPROC, old);
    UnregisterWindowProc(proc);
}

TEST(WindowTableTest, PropertiesAndDestructionDropEverything) {
    auto* widget = new QWidget;
    const HWND h = HandleOf(widget);
    EXPECT_TRUE(SetPropA(h, "4096#522C", 3));
    EXPECT_EQ(GetPropA(h, "4096#522C"), 3);
    EXPECT_EQ(GetPropA(h, "missing"), 0);
    EXPECT_EQ(RemovePropA(h, "4096#522C"), 3);
    EXPECT_EQ(GetPropA(h, "4096#522C"), 0);

    int destroys = 0;
    bool validDuringDestroy = false;
    WNDPROC old = 0;
    const WNDPROC proc = RegisterWindowProc([&](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_DESTROY) {
            ++destroys;
            validDuringDestroy = IsWindow(w);
        }
        return CallWindowProcA(old, w, m, wp, lp);
    });
    old = SetWindowLongA(h, GWL_WNDPROC, proc);
    SetPropA(h, "kept", 7);
    delete widget;
    EXPECT_EQ(destroys, 1);
    EXPECT_TRUE(validDuringDestroy);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(GetPropA(h, "kept"), 0);
    EXPECT_EQ(GetWindowLongA(h, GWL_WNDPROC), 0);
    UnregisterWindowProc(proc);
}

TEST(WindowTableTest, ForeignWindowsBelongToTheirProcessAndCannotBeSubclassed) {
    const HWND foreign = RegisterForeignWindow(GetCurrentProcessId() + 1);
    DWORD pid = 0;
    GetWindowThreadProcessId(foreign, &pid);
    EXPECT_EQ(pid, GetCurrentProcessId() + 1);
    EXPECT_EQ(SetWindowLongA(foreign, GWL_WNDPROC, 1234), 0);

    QWidget own;
    GetWindowThreadProcessId(HandleOf(&own), &pid);
    EXPECT_EQ(pid, GetCurrentProcessId());
    EXPECT_FALSE(IsWindow(0));
}

}  // namespace
}  // namespace qav::win
