#pragma once
// The error the subclassing engine raises to the caller of an attach
// (GSubclass::AttachMessage, and through it SubClassGrid::HookGrid and
// cScrollBars::Create). It carries what the caller of such a routine is told:
//   Number()      the raised error number: 5 for an invalid call, otherwise the
//                 object-defined number -2147221504 + code;
//   Code()        the engine's own number (5, 13081 .. 13084);
//   Source()      the executable name followed by ".WindowProc";
//   Description() the text of the error.
// An attach that raises it has left the window as it was. Callers that go on
// after a failing statement catch it and carry on.

#include <stdexcept>
#include <string>

namespace qav::win {

class SubclassError : public std::runtime_error {
  public:
    // Engine codes.
    static constexpr int kInvalidCall = 5;
    static constexpr int kCantSubclass = 13081;
    static constexpr int kAlreadyHandled = 13082;
    static constexpr int kInvalidWindow = 13083;
    static constexpr int kExternalWindow = 13084;
    // Object-defined error numbers start here.
    static constexpr long kObjectErrorBase = -2147221504L;

    SubclassError(int code, std::string source, std::string description);

    int Code() const { return code_; }
    long Number() const { return code_ < 1001 ? code_ : kObjectErrorBase + code_; }
    const std::string& Source() const { return source_; }
    const std::string& Description() const { return description_; }

  private:
    int code_;
    std::string source_;
    std::string description_;
};

}  // namespace qav::win
