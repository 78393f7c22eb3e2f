#include "tests/support/ProgramFixture.h"

#include "image/ModelProfile.h"
#include "winsupport/AppPaths.h"

namespace qav::test {

ProgramFixture::ProgramFixture(const ModelProfile& profile, const ModelVariant& variant)
    : profile_(profile), variant_(variant), savedConfigHome_(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
}

ProgramFixture::~ProgramFixture() {
    run_.reset();
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
}

ProgramRun& ProgramFixture::Run() {
    if (!run_) {
        ProgramOptions options;
        options.answerer = &answerer;
        options.closeProgram = [this](const QString& name) { closedPrograms << name; };
        // Only the ports a test links exist; the machine's own serial devices stay out of it.
        options.portFolders = SerialPortMap::Folders{PortsFolder(), noDevices.path(), noDevices.path()};
        options.fileChooser = [this](const FileDialogRequest& request) {
            fileRequests << request;
            if (chosenFiles.empty()) return QString();
            const QString name = chosenFiles.front();
            chosenFiles.pop_front();
            return name;
        };
        options.programFolder = programFolder.path();
        options.toTraditional = traditionalMapping;
        run_ = std::make_unique<ProgramRun>(profile_, options, variant_);
    }
    return *run_;
}

ProgramRun& ProgramFixture::Start() {
    ProgramRun& run = Run();
    run.Main();
    return run;
}

void ProgramFixture::Discard() {
    run_.reset();
}

QString ProgramFixture::UserFolder() const {
    return UserConfigFolder(profile_.programName);
}

}  // namespace qav::test
