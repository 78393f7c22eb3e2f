#pragma once
// What every editing form is given: the run's state, the message box, the other
// forms (forms call each other's public methods and controls directly) and the
// few things they do on the main window.

namespace qav {

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class ModuleMsgbox;
struct RunState;
struct ModelVariant;

struct FormSet {
    Form1* form1 = nullptr;  // channel editor
    Form2* form2 = nullptr;  // DTMF
    Form3* form3 = nullptr;  // optional features
    Form4* form4 = nullptr;  // factory power tuning
    Form5* form5 = nullptr;  // FM broadcast channels
};

// The main window as the forms see it.
class MainWindowLink {
  public:
    virtual ~MainWindowLink() = default;
    // The FM channel menu item follows the FM function of the optional features.
    virtual void SetFmMenuEnabled(bool enabled) = 0;
    // Shows toolbar button n (7: force write, 8: tuning write) once the service
    // unlock has granted its permission.
    virtual void ShowToolbarButton(int n) = 0;
};

struct FormContext {
    RunState& state;
    ModuleMsgbox& msgbox;
    FormSet& forms;
    MainWindowLink& main;
    const ModelVariant& variant;  // what the program's model changes in the shared windows
};

}  // namespace qav
