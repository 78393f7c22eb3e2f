#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "winsupport/GSubclass.h"
#include "winsupport/MSubclass.h"
#include "winsupport/SubclassError.h"
#include "winsupport/WindowTable.h"

namespace qav::win {
namespace {

// What ran for a message, in order: "prev" for the window's previous
// procedure, an object's name for its WindowProc.
using Trace = std::vector<std::string>;

class Recorder : public ISubclass {
  public:
    Recorder(std::string name, LONG response, LRESULT result, Trace& trace)
        : name_(std::move(name)), response_(response), result_(result), trace_(trace) {}

    LONG MsgResponse() override {
        seenCurrent = GSubclass().CurrentMessage();
        return response_;
    }
    void SetMsgResponse(LONG) override {}
    LRESULT WindowProc(HWND, UINT message, WPARAM, LPARAM) override {
        trace_.push_back(name_);
        seenCurrent = GSubclass().CurrentMessage();
        lastMessage = message;
        return result_;
    }

    LONG seenCurrent = 0;
    UINT lastMessage = 0;

  private:
    std::string name_;
    LONG response_;
    LRESULT result_;
    Trace& trace_;
};

constexpr UINT kMessage = 0x0400;  // any message number will do
constexpr LRESULT kPreviousResult = 77;

// A window whose procedure before any attachment is a recording one.
class SubclassEngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        widget = std::make_unique<QWidget>();
        window = HandleOf(widget.get());
        previous = RegisterWindowProc([this](HWND, UINT message, WPARAM, LPARAM) -> LRESULT {
            trace.push_back("prev");
            previousMessages.push_back(message);
            return kPreviousResult;
        });
        original = SetWindowLongA(window, GWL_WNDPROC, previous);
    }
    void TearDown() override {
        widget.reset();
        UnregisterWindowProc(previous);
    }

    LRESULT Send(UINT message = kMessage) { return SendMessageA(window, message, 0, 0); }

    std::unique_ptr<QWidget> widget;
    HWND window = 0;
    WNDPROC previous = 0;
    WNDPROC original = 0;
    Trace trace;
    std::vector<UINT> previousMessages;
    GSubclass engine;
};

TEST_F(SubclassEngineTest, MsgResponseDecidesWhenThePreviousProcedureRunsAndWhoseResultCounts) {
    struct Case {
        LONG response;
        Trace order;
        LRESULT result;
    };
    const Case cases[] = {
        {0, {"obj"}, 11},
        {1, {"obj", "prev"}, kPreviousResult},
        {2, {"prev", "obj"}, 11},
    };
    for (const Case& c : cases) {
        trace.clear();
        Recorder object("obj", c.response, 11, trace);
        engine.AttachMessage(object, window, kMessage);
        EXPECT_EQ(Send(), c.result) << "response " << c.response;
        EXPECT_EQ(trace, c.order) << "response " << c.response;
        EXPECT_EQ(object.seenCurrent, static_cast<LONG>(kMessage));
        // Other messages go straight to the previous procedure.
        trace.clear();
        EXPECT_EQ(Send(kMessage + 1), kPreviousResult);
        EXPECT_EQ(trace, Trace{"prev"});
        engine.DetachMessage(object, window, kMessage);
    }
}

TEST_F(SubclassEngineTest, ObjectsOfOneMessageRunLastAttachedFirstAndTheFirstDecides) {
    Recorder first("first", 1, 1, trace);
    Recorder second("second", 0, 2, trace);
    engine.AttachMessage(first, window, kMessage);
    engine.AttachMessage(second, window, kMessage);
    EXPECT_EQ(Send(), kPreviousResult);
    EXPECT_EQ(trace, (Trace{"second", "first", "prev"}));
    EXPECT_EQ(MSubclass::GetMessageCount(window, kMessage), 2);
    EXPECT_EQ(MSubclass::GetWindowCount(window), 2);

    // Detaching the first closes the gap: the second is now at position 1.
    engine.DetachMessage(first, window, kMessage);
    EXPECT_EQ(MSubclass::GetAttachedObject(window, kMessage, 1), second.Reference());
    EXPECT_EQ(MSubclass::GetAttachedObject(window, kMessage, 2), 0);
    trace.clear();
    EXPECT_EQ(Send(), 2);
    EXPECT_EQ(trace, Trace{"second"});
    engine.DetachMessage(second, window, kMessage);
}

TEST_F(SubclassEngineTest, AttachingTwiceToOneMessageRaises13082AndChangesNothing) {
    Recorder object("obj", 0, 0, trace);
    engine.AttachMessage(object, window, kMessage);
    try {
        engine.AttachMessage(object, window, kMessage);
        FAIL() << "no error";
    } catch (const SubclassError& error) {
        EXPECT_EQ(error.Code(), 13082);
        EXPECT_EQ(error.Number(), -2147221504L + 13082);
        EXPECT_EQ(error.Description(), "Message already handled by another class");
        EXPECT_TRUE(error.Source().ends_with(".WindowProc")) << error.Source();
    }
    EXPECT_EQ(MSubclass::GetMessageCount(window, kMessage), 1);
    EXPECT_EQ(MSubclass::GetWindowCount(window), 1);
    engine.DetachMessage(object, window, kMessage);
}

TEST_F(SubclassEngineTest, TwoMessagesOfOneWindowSwapTheProcedureOnceAndDetachRestoresItExactly) {
    Recorder object("obj", 0, 0, trace);
    engine.AttachMessage(object, window, kMessage);
    engine.AttachMessage(object, window, kMessage + 1);
    EXPECT_EQ(MSubclass::GetWindowCount(window), 2);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), MSubclass::SubclassWindowProcNumber());
    EXPECT_EQ(MSubclass::GetOldWindowProc(window), previous)
        << "the procedure from before, not the engine's own";

    engine.DetachMessage(object, window, kMessage);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), MSubclass::SubclassWindowProcNumber());
    engine.DetachMessage(object, window, kMessage + 1);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), previous);
    EXPECT_EQ(GetPropA(window, std::to_string(window)), 0);
    EXPECT_EQ(MSubclass::GetWindowCount(window), 0);
    EXPECT_EQ(engine.CallOldWindowProc(window, kMessage, 0, 0), 0) << "nothing stored any more";

    // Detaching what is not attached is silent.
    engine.DetachMessage(object, window, kMessage);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), previous);
}

TEST_F(SubclassEngineTest, NoWindowRaises13083AndAnotherProcesssWindow13084) {
    Recorder object("obj", 0, 0, trace);
    const HWND foreign = RegisterForeignWindow(GetCurrentProcessId() + 1);
    const std::pair<HWND, int> cases[] = {{0, 13083}, {0x7FFF0001, 13083}, {foreign, 13084}};
    for (const auto& [target, code] : cases) {
        try {
            engine.AttachMessage(object, target, kMessage);
            ADD_FAILURE() << "no error for " << target;
        } catch (const SubclassError& error) {
            EXPECT_EQ(error.Code(), code);
            EXPECT_EQ(error.Number(), -2147221504L + code);
            EXPECT_EQ(error.Description(), code == 13083 ? "Invalid window" : "Can't modify external window");
        }
        EXPECT_EQ(MSubclass::GetMessageCount(target, kMessage), 0);
    }
}

TEST_F(SubclassEngineTest, DestroyedWhileAttachedTheWindowGetsItsProcedureBackAndTheEntriesGo) {
    auto object = std::make_unique<Recorder>("obj", 0, 0, trace);
    engine.AttachMessage(*object, window, kMessage);
    widget.reset();  // WM_DESTROY, then the handle goes
    EXPECT_EQ(previousMessages, std::vector<UINT>{WM_DESTROY}) << "the rest of the destruction ran as before";
    EXPECT_FALSE(IsWindow(window));
    engine.DetachMessage(*object, window, kMessage);  // what the object does when it ends: silent
    object.reset();
}

TEST_F(SubclassEngineTest, DestroyMessageDropsEveryEntryOfTheWindow) {
    Recorder object("obj", 0, 0, trace);
    engine.AttachMessage(object, window, kMessage);
    engine.AttachMessage(object, window, kMessage + 1);
    Send(WM_DESTROY);
    EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), previous);
    int entries = 0;
    EnumPropsA(window, [&](const std::string&, LONG) { ++entries; });
    EXPECT_EQ(entries, 0) << "no entry left that names an object";
    // The object can attach afresh.
    engine.AttachMessage(object, window, kMessage);
    EXPECT_EQ(MSubclass::GetMessageCount(window, kMessage), 1);
    engine.DetachMessage(object, window, kMessage);
}

TEST_F(SubclassEngineTest, AnObjectThatEndedWithoutDetachingIsSkipped) {
    Recorder survivor("survivor", 2, 5, trace);
    engine.AttachMessage(survivor, window, kMessage);
    {
        Recorder forgetful("gone", 0, 9, trace);
        engine.AttachMessage(forgetful, window, kMessage);
    }
    EXPECT_EQ(Send(), 5);
    EXPECT_EQ(trace, (Trace{"prev", "survivor"}));
    engine.DetachMessage(survivor, window, kMessage);
    trace.clear();
    EXPECT_EQ(Send(), kPreviousResult) << "only the ended object's entry is left: the message goes on";
    EXPECT_EQ(trace, Trace{"prev"});
}

TEST_F(SubclassEngineTest, AMessageSentFromWithinAnObjectReentersTheEngine) {
    struct Forwarder : ISubclass {
        explicit Forwarder(HWND w) : window(w) {}
        LONG MsgResponse() override { return 0; }
        void SetMsgResponse(LONG) override {}
        LRESULT WindowProc(HWND h, UINT message, WPARAM, LPARAM) override {
            if (message == kMessage) {
                const LRESULT inner = SendMessageA(h, kMessage + 1, 0, 0);
                currentAfterInner = GSubclass().CurrentMessage();
                return inner + 1;
            }
            return 40;
        }
        HWND window;
        LONG currentAfterInner = 0;
    } forwarder(window);
    engine.AttachMessage(forwarder, window, kMessage);
    engine.AttachMessage(forwarder, window, kMessage + 1);
    EXPECT_EQ(Send(), 41);
    EXPECT_EQ(forwarder.currentAfterInner, static_cast<LONG>(kMessage + 1))
        << "the inner message until the next call";
    engine.DetachMessage(forwarder, window, kMessage);
    engine.DetachMessage(forwarder, window, kMessage + 1);
}

}  // namespace
}  // namespace qav::win
