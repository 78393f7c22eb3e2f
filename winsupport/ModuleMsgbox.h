#pragma once
// The one message box of the program. Its buttons are captioned in the
// program's own language whatever the language of the desktop; callers pass the
// text and title already chosen for the current language.

#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>

class QMessageBox;
class QWidget;

namespace qav {

// Message-box styles the callers pass (the Windows style values).
constexpr int MB_OK = 0;
constexpr int MB_OKCANCEL = 1;
constexpr int MB_ABORTRETRYIGNORE = 2;
constexpr int MB_YESNOCANCEL = 3;
constexpr int MB_YESNO = 4;
constexpr int MB_RETRYCANCEL = 5;
constexpr int MB_ICONERROR = 16;
constexpr int MB_ICONQUESTION = 32;
constexpr int MB_ICONEXCLAMATION = 48;
constexpr int MB_ICONINFORMATION = 64;
constexpr int MB_DEFBUTTON2 = 0x100;
constexpr int MB_DEFBUTTON3 = 0x200;
constexpr int MB_SYSTEMMODAL = 0x1000;
// Every confirmation: OK and Cancel, question icon, Cancel the default button.
constexpr int ConfirmStyle = MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_SYSTEMMODAL;  // 4385

// The pressed button. Callers test only for IDOK.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// What one shown box looked like, for whoever answers it.
struct MessageRecord {
    QString text;
    int style = 0;
    QString title;
    QMap<int, QString> buttons;  // button identifier -> caption, as shown
    int defaultButton = 0;       // identifier of the default button
    int escapeButton = 0;        // identifier Escape gives
};

// Answers a box in place of the person at the keyboard. The default answerer
// runs the box modally; tests install one that records and answers by script.
class MessageAnswerer {
  public:
    virtual ~MessageAnswerer() = default;
    // The box is fully set up (buttons, captions, icon, default button) but not
    // shown. Returns the identifier of the pressed button.
    virtual int Answer(QMessageBox& box, const MessageRecord& record) = 0;
};

class ModuleMsgbox {
  public:
    // language: the run's current Language, read at every box.
    // appTitle: shown when a caller passes an empty title.
    ModuleMsgbox(const int& language, QString appTitle);

    // The box is shown over this window (the channel editor).
    void SetOwner(QWidget* owner) { owner_ = owner; }
    // nullptr restores the modal box answered by the user.
    void SetAnswerer(MessageAnswerer* answerer) { answerer_ = answerer; }
    // Whether the buttons get Traditional Chinese captions of their own; off,
    // Traditional keeps the toolkit's captions.
    void SetTraditionalButtons(bool on) { traditionalButtons_ = on; }

    // Shows text with the given style and title and returns the pressed button.
    // An empty title becomes the application title, also in the caller's variable.
    int ShowMessage(QString& text, int& style, QString& title);
    // The same for callers that keep nothing of the call.
    int ShowMessage(const QString& text, int style, const QString& title = {});

    // Captions the buttons get in a language; empty for a language without them
    // (the toolkit's own captions stay). Traditional has captions only
    // withTraditional.
    static QMap<int, QString> ButtonCaptions(int language, bool withTraditional = false);

  private:
    const int& language_;
    QString appTitle_;
    QPointer<QWidget> owner_;
    MessageAnswerer* answerer_ = nullptr;
    bool traditionalButtons_ = false;
};

}  // namespace qav
