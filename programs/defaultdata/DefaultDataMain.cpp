// Writes the default data file shipped with a program: the programming data
// of a new data set, as the program's forms start it, encoded by the program's
// own encoder. Run by the build, so the file always matches the forms.
//
//     qav_default_data PROGRAM OUTPUT      PROGRAM: QAV-750 or QAV-730
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <cstdio>

#include "app/DataFile.h"
#include "app/ParameterFile.h"
#include "app/ProgramRun.h"
#include "model730/Qav730Variant.h"
#include "winsupport/AppPaths.h"

namespace {

// Nobody sits at the build: a box is printed and given its default answer.
class PrintingAnswerer : public qav::MessageAnswerer {
  public:
    int Answer(QMessageBox&, const qav::MessageRecord& record) override {
        std::fprintf(stderr, "qav_default_data: %s\n", qUtf8Printable(record.text));
        return record.defaultButton;
    }
};

struct Program {
    const qav::ModelProfile& profile;
    const qav::ModelVariant& variant;
};

}  // namespace

int main(int argc, char** argv) {
    const Program programs[] = {{qav::kQav750, qav::kNoVariant}, {qav::kQav730, qav::Qav730Variant()}};
    const Program* program = nullptr;
    for (const Program& candidate : programs)
        if (argc == 3 && candidate.profile.programName == argv[1]) program = &candidate;
    if (program == nullptr) {
        std::fprintf(stderr, "usage: %s QAV-750|QAV-730 OUTPUT\n", argv[0]);
        return 2;
    }
    const qav::ModelProfile& profile = program->profile;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A run of its own: no settings, port links or serial devices of the machine.
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    // A port choice the list does not hold: no port is opened, nothing is asked.
    constexpr int kNoPort = 16;
    qav::ParameterFile(qav::UserConfigFolder(profile.programName) + "/parameter").WritePortIndex(kNoPort);

    PrintingAnswerer answerer;
    qav::ProgramOptions options;
    options.answerer = &answerer;
    options.closeProgram = [](const QString&) {};
    options.portFolders = qav::SerialPortMap::Folders{home.filePath("ports"), home.path(), home.path()};
    qav::ProgramRun run(profile, options, program->variant);
    run.Main();

    if (!run.EncodeImage()) return 1;
    const QString output = QString::fromLocal8Bit(argv[2]);
    if (!qav::DataFile(profile).Save(output, run.state.WriteImage)) {
        std::fprintf(stderr, "qav_default_data: cannot write %s\n", qUtf8Printable(output));
        return 1;
    }
    return 0;
}
