#include "app/ProgramRun.h"

#include <QCoreApplication>

#include "app/ApplyLanguageCaptions.h"
#include "app/ImageBinding.h"
#include "app/MDIForm1.h"
#include "forms/Form1.h"
#include "forms/Form5.h"
#include "winsupport/AppPaths.h"
#include "winsupport/FocusTracker.h"
#include "winsupport/ModuleCloseProgram.h"
#include "winsupport/ModuleRegedit.h"
#include "winsupport/VbTextBox.h"

namespace qav {
namespace {

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

ProgramRun::ProgramRun(const ModelProfile& model, ProgramOptions opts, const ModelVariant& modelVariant)
    : state(model),
      msgbox(state.Language, Text(model.programName)),
      stringJorF(opts.toTraditional),
      registry(UserConfigFolder(model.programName) + QStringLiteral("/registry")),
      options(std::move(opts)),
      variant(modelVariant) {
    if (!options.closeProgram) {
        options.closeProgram = [](const QString& name) {
            CloseProgram(name, [] { QCoreApplication::exit(0); });
        };
    }
    if (!options.fileChooser) options.fileChooser = ChooseFileWithDialog;
    msgbox.SetAnswerer(options.answerer);
    mdi_ = std::make_unique<MDIForm1>(*this);
    context_ = std::make_unique<FormContext>(FormContext{state, msgbox, forms, *mdi_, variant});
}

ProgramRun::~ProgramRun() = default;

void ProgramRun::CommitOpenEdits() {
    // Whatever field the user is typing in takes its value (range corrections,
    // list choices, an in-cell edit) before anything is read from the forms.
    FocusTracker::CommitCurrent();
    if (forms.form1 != nullptr && forms.form1->Text1->isVisible()) forms.form1->Text1_LostFocus();
    if (forms.form5 != nullptr && forms.form5->Text1->isVisible()) forms.form5->Text1_LostFocus();
}

void ProgramRun::DecodeImage() {
    ImageBinding(*this).DecodeImage();
}
bool ProgramRun::EncodeImage(ImageBinding::EncodeFor purpose) {
    return ImageBinding(*this).EncodeImage(purpose);
}

QString ProgramRun::UserFolder() const {
    return UserConfigFolder(state.profile.programName);
}

QString ProgramRun::ProgramFolder() const {
    return options.programFolder.value_or(AppPath());
}

void ProgramRun::Main() {
    // The language stored at the last shutdown: empty (nothing stored) means
    // English; otherwise its last hexadecimal digit, when that is a decimal digit.
    const QString stored = RegGetValueText(registry, win::HKEY_CURRENT_USER, Text(state.profile.registryKey),
                                           QStringLiteral("BinaryValue"));
    int language = 0;
    bool numeric = false;
    const int value = stored.toInt(&numeric);
    if (stored.isEmpty())
        language = 1;
    else if (numeric && (value & 0xF) <= 9)
        language = value & 0xF;
    state.Language = language;

    mdi_->MDIForm_Load();
    mdi_->show();

    // A stored Traditional choice starts in English.
    if (state.Language != 0) state.Language = 1;
    ApplyLanguageCaptions(*this);
}

}  // namespace qav
