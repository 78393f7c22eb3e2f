#pragma once
// The open and save file dialog, set up the way the commands know it: a
// proposed file name, a filter in the Windows form
// "text|patterns|text|patterns|", the selected filter (from 1), the folder to
// start in and the flags. Showing it leaves the chosen name in FileName, or an
// empty name when the user cancelled.
//
// The dialog itself is a FileChooser: the real QFileDialog by default; tests
// put a script in its place and look at the request it was given.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace qav {

// Flags the commands pass (the Windows values).
constexpr int cdlOFNOverwritePrompt = 0x2;   // ask before replacing an existing file
constexpr int cdlOFNHideReadOnly = 0x4;      // no "open read-only" box (there is none here)
constexpr int cdlOFNFileMustExist = 0x1000;  // only an existing file can be chosen to open

// What a dialog is asked for, in the toolkit's terms.
struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QString fileName;         // proposed name, may be empty
    QString directory;        // where the dialog starts
    QStringList nameFilters;  // "text (patterns)"; the dialog shows the texts only
    int selectedFilter = 0;   // index into nameFilters
    bool confirmOverwrite = false;
    bool fileMustExist = false;
    QString defaultSuffix;  // given to a name chosen without a type of its own; "" none
    QWidget* owner = nullptr;
};

// Returns the chosen path, or an empty one when the user cancelled.
using FileChooser = std::function<QString(const FileDialogRequest& request)>;

// The real dialog, modal over request.owner.
QString ChooseFileWithDialog(const FileDialogRequest& request);

// The toolkit's name filters for a Windows filter text. Each text is kept as
// the user sees it; its patterns follow in brackets the dialog hides, with
// "*.*" written "*" since on Windows it matches every file, with or without a
// dot in its name.
QStringList NameFiltersFromWindowsFilter(const QString& filter);

class VbCommonDialog {
  public:
    explicit VbCommonDialog(FileChooser chooser, QWidget* owner = nullptr);

    QString FileName;
    QString Filter;
    int FilterIndex = 1;
    QString InitDir;
    int Flags = 0;
    QString DefaultExt;  // the type a name without one gets, without its dot

    void ShowOpen();
    void ShowSave();

    // The request the dialog is shown with.
    FileDialogRequest Request(FileDialogRequest::Mode mode) const;

  private:
    FileChooser chooser_;
    QWidget* owner_;
};

}  // namespace qav
