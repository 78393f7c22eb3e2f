#pragma once
// One run of the programming software: its state, its settings, its message box
// and all of its windows. A test builds one, drives it and throws it away.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "app/ImageBinding.h"
#include "app/SerialPortMap.h"
#include "forms/FormContext.h"
#include "forms/ModelVariant.h"
#include "forms/RunState.h"
#include "lang/ModuleStringJorF.h"
#include "winsupport/ModuleMsgbox.h"
#include "winsupport/Registry.h"
#include "winsupport/VbCommonDialog.h"

namespace qav {

class MDIForm1;

struct ProgramOptions {
    // Answers every message box instead of the user (tests); nullptr: the user.
    MessageAnswerer* answerer = nullptr;
    // The last step of shutdown: ends every running copy of the program by its
    // executable name. Default: CloseProgram, this process last.
    std::function<void(const QString& executableName)> closeProgram;
    // Where serial port numbers find their devices. Default: the links in the
    // per-user folder, then the machine's serial devices.
    std::optional<SerialPortMap::Folders> portFolders;
    // Chooses the data file to open or save; an empty name: cancelled.
    // Default: the file dialog.
    FileChooser fileChooser;
    // App.Path, the folder of the files shipped with the program (default data,
    // help) and where the file dialogs start. Default: the executable's folder.
    std::optional<QString> programFolder;
    // The Simplified-to-Traditional mapping of the Traditional captions.
    // Default: OpenCC's.
    TraditionalMapping toTraditional;
};

class ProgramRun {
  public:
    explicit ProgramRun(const ModelProfile& model, ProgramOptions options = {},
                        const ModelVariant& variant = kNoVariant);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // Start-up: reads the language, loads and shows the main window, applies the captions.
    void Main();

    // Where the run keeps what it writes per user.
    QString UserFolder() const;
    // App.Path of this run.
    QString ProgramFolder() const;

    // Commits an in-cell edit still open in the channel or FM grid, so that a
    // transfer or a save works on what the user sees.
    void CommitOpenEdits();
    // ReadImage into the editing forms and channel tables.
    void DecodeImage();
    // The editing forms and channel tables into WriteImage. False when a field
    // cannot be encoded: the user was told which, and nothing may be sent or
    // saved. The refusal speaks of a write unless the image is for a save.
    bool EncodeImage(ImageBinding::EncodeFor purpose = ImageBinding::EncodeFor::Write);

    RunState state;
    ModuleMsgbox msgbox;
    ModuleStringJorF stringJorF;  // ToTraditional, ConvertFormToTraditional
    win::Registry registry;
    FormSet forms;
    ProgramOptions options;
    const ModelVariant& variant;  // what differs for the program's model

    MDIForm1& MainWindow() { return *mdi_; }
    FormContext& Context() { return *context_; }

  private:
    std::unique_ptr<FormContext> context_;
    std::unique_ptr<MDIForm1> mdi_;  // last: its windows go before the state they use
};

}  // namespace qav
