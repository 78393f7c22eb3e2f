#include "app/DataFileCommands.h"

#include <QDir>
#include <QFileInfo>

#include "app/DataFile.h"
#include "app/ImageBinding.h"
#include "app/MDIForm1.h"
#include "app/ProgramRun.h"
#include "forms/Form1.h"
#include "forms/Form2.h"
#include "forms/Form3.h"
#include "forms/Form4.h"
#include "winsupport/AppPaths.h"
#include "winsupport/LangText.h"

namespace qav {
namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

const LangText kErrorTitle{"错误", "Mistake", "錯誤"};

}  // namespace

DataFileCommands::Codec DataFileCommands::CodecOf(ProgramRun& run) {
    return Codec{[&run] { run.DecodeImage(); },
                 [&run] { return run.EncodeImage(ImageBinding::EncodeFor::Save); },
                 [&run](MemoryImage& image) { ImageBinding(run).EncodeCurrentInto(image); }};
}

DataFileCommands::DataFileCommands(ProgramRun& run, MDIForm1& mainWindow, Codec codec)
    : run_(run), main_(mainWindow), codec_(std::move(codec)) {}

QString DataFileCommands::ChooseDataFile(FileDialogRequest::Mode mode) {
    VbCommonDialog CommonDialog1(run_.options.fileChooser, &main_);
    CommonDialog1.FileName = QString();
    CommonDialog1.Filter = QStringLiteral("DAT文件(*.dat)|*.dat|AllFiles(*.*)|*.*|");
    CommonDialog1.FilterIndex = 1;
    CommonDialog1.InitDir = run_.ProgramFolder();
    CommonDialog1.Flags = cdlOFNOverwritePrompt | cdlOFNHideReadOnly;
    if (mode == FileDialogRequest::Mode::Open) {
        CommonDialog1.ShowOpen();
    } else {
        // A name typed without a type is saved as a data file, which the Open
        // dialog's filter then shows.
        CommonDialog1.DefaultExt = QStringLiteral("dat");
        CommonDialog1.ShowSave();
    }
    return CommonDialog1.FileName;
}

void DataFileCommands::ReportFileError(const char* simplified, const char* english, const char* traditional,
                                       const QString& path) {
    const int language = run_.state.Language;
    const QString text = LangText{simplified, english, traditional}.Pick(language) + QStringLiteral("\r\n") +
                         QDir::toNativeSeparators(path);
    run_.msgbox.ShowMessage(text, MB_ICONERROR, kErrorTitle.Pick(language));
}

bool DataFileCommands::LoadDataFile(const QString& path) {
    const ModelProfile& profile = run_.state.profile;
    MemoryImage loaded = run_.state.ReadImage;
    switch (DataFile(profile).Load(path, loaded)) {
        case DataFile::LoadResult::Loaded:
            break;
        case DataFile::LoadResult::WrongType: {
            const int language = run_.state.Language;
            run_.msgbox.ShowMessage(
                LangText{"文件类型不正确！", "File type is incorrect!", "檔案類型不正確！"}.Pick(language),
                MB_ICONERROR, kErrorTitle.Pick(language));
            return false;
        }
        case DataFile::LoadResult::Missing:
            ReportFileError("文件不存在！", "The file does not exist!", "檔案不存在！", path);
            return false;
        case DataFile::LoadResult::NotReadable:
            ReportFileError("文件无法读取！", "The file cannot be read!", "檔案無法讀取！", path);
            return false;
        case DataFile::LoadResult::Incomplete:
            // Taking what there is would mix this file with what the last data
            // left in the rest of the image: nothing of it is taken.
            ReportFileError("文件不完整！", "The file is incomplete!", "檔案不完整！", path);
            return false;
    }
    // A file that stops short of the image (the first model's, at byte 1903)
    // would otherwise decode whatever an earlier read or file left past it:
    // FM channels from 9 on, the FM settings, the switches and the tuning
    // grades. Those fields keep the values the program holds now.
    const int stored = profile.dataFileSize - DataFile::kHeaderSize;
    if (stored < profile.imageSize && codec_.EncodeCurrentInto) {
        MemoryImage current = loaded;
        codec_.EncodeCurrentInto(current);
        for (int i = stored; i < profile.imageSize; ++i) loaded.at(i) = current.at(i);
    }
    run_.state.ReadImage = loaded;
    codec_.DecodeImage();
    // The grades shown are those just decoded, not the ones before.
    if (run_.forms.form4 != nullptr) run_.forms.form4->TabStrip1_Click();
    return true;
}

void DataFileCommands::MNOpen_Click() {
    run_.state.band.BandChangeByProgram = true;  // the band the decoder selects asks nothing
    const QString path = ChooseDataFile(FileDialogRequest::Mode::Open);
    if (path.isEmpty()) return;
    if (LoadDataFile(path)) run_.forms.form1->ShowForm();
}

void DataFileCommands::MNSave_Click() {
    const QString path = ChooseDataFile(FileDialogRequest::Mode::Save);
    if (path.isEmpty()) return;
    run_.CommitOpenEdits();
    if (!codec_.EncodeImage()) return;  // the encoder has said what it could not take
    if (!DataFile(run_.state.profile).Save(path, run_.state.WriteImage))
        ReportFileError("文件保存失败！", "The file could not be saved!", "檔案儲存失敗！", path);
}

void DataFileCommands::MNNew_Click() {
    const int language = run_.state.Language;
    const LangText title{"注意", "Attention", "注意"};
    const LangText text{"未保存的数据将会丢失，确定吗？", "Unsaved data will be lost, sure?",
                        "未儲存的數據將會丟失，確定嗎？"};
    if (run_.msgbox.ShowMessage(text.Pick(language), ConfirmStyle, title.Pick(language)) != IDOK) return;
    // The menu and its shortcut leave the focus where it was, so an editor
    // open in the channel grid would survive and, when the user moves on,
    // write its stale edit into the new data (a typed frequency would bring
    // back a channel just deleted). The user has agreed to lose it.
    run_.forms.form1->CloseEditors();
    // The tuning grades, the FM channels and both images stay as they are,
    // and so may an edit open in the FM grid.
    main_.ResetBandSelection();
    run_.forms.form1->StartForm();
    run_.forms.form2->StartForm();
    run_.forms.form3->StartForm();
}

QString DataFileCommands::DefaultDataPath() const {
    return ShippedFile(run_.ProgramFolder(), run_.state.profile.programName,
                       Text(run_.state.profile.defaultDataFile));
}

QString DataFileCommands::FactoryDataPath() const {
    // A program started from a terminal has the user's folder as its current
    // one, which seldom holds the factory data: the shipped file stands in.
    const QString inCurrentFolder = QDir::current().filePath(Text(run_.state.profile.defaultDataFile));
    if (QFileInfo(inCurrentFolder).isFile()) return inCurrentFolder;
    return DefaultDataPath();
}

void DataFileCommands::Command1_Click() {
    if (LoadDataFile(DefaultDataPath()) && run_.variant.defaultDataShowsChannelEditor)
        run_.forms.form1->ShowForm();
}

void DataFileCommands::MNReset_Click() {
    LoadDataFile(FactoryDataPath());
}

}  // namespace qav
