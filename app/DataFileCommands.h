#pragma once
// The main window's data-file commands: New, Open, Save, the default data of
// the button and the factory data of the menu.
//
// Every load goes into ReadImage and through the decoder; Save runs the
// encoder and writes WriteImage. Whatever goes wrong is told to the user in
// the program's language, and a load or save that fails changes nothing: no
// image, no form, no file.

#include <QString>
#include <functional>

#include "image/MemoryImage.h"
#include "winsupport/VbCommonDialog.h"

namespace qav {

class MDIForm1;
class ProgramRun;

class DataFileCommands {
  public:
    // The codec as these commands call it. The program passes its own; a test
    // may pass one that counts or refuses.
    struct Codec {
        std::function<void()> DecodeImage;
        std::function<bool()> EncodeImage;  // false: refused, the user was told
        // The values held now, encoded into the image given (nothing is told).
        // Empty: an image byte a file does not hold keeps what the image had.
        std::function<void(MemoryImage&)> EncodeCurrentInto;
    };
    static Codec CodecOf(ProgramRun& run);

    DataFileCommands(ProgramRun& run, MDIForm1& mainWindow, Codec codec);

    void MNNew_Click();
    void MNOpen_Click();
    void MNSave_Click();
    void Command1_Click();  // the default data shipped with the program
    void MNReset_Click();   // the factory data

    // Loads a data file and decodes it. False, after telling the user why, when
    // nothing was loaded. Image bytes the file does not hold (a QAV-730 file
    // stops at byte 1903) are those of the values held now, so the fields they
    // carry stay as they are.
    bool LoadDataFile(const QString& path);

    // The file the factory data comes from: the default data file in the
    // current folder, else the one shipped with the program.
    QString FactoryDataPath() const;
    QString DefaultDataPath() const;

  private:
    // Shows the file dialog set up for the data files; an empty name: cancelled.
    QString ChooseDataFile(FileDialogRequest::Mode mode);
    void ReportFileError(const char* simplified, const char* english, const char* traditional,
                         const QString& path);

    ProgramRun& run_;
    MDIForm1& main_;
    Codec codec_;
};

}  // namespace qav
