// Writes the default data file shipped with the program: the programming data
// of a new data set, as the forms start it, encoded by the program's own
// encoder. Run by the build, so the file always matches the forms.
//
//     qav750_default_data OUTPUT
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <cstdio>

#include "app/DataFile.h"
#include "app/ParameterFile.h"
#include "app/ProgramRun.h"
#include "winsupport/AppPaths.h"

namespace {

// Nobody sits at the build: a box is printed and given its default answer.
class PrintingAnswerer : public qav::MessageAnswerer {
  public:
    int Answer(QMessageBox&, const qav::MessageRecord& record) override {
        std::fprintf(stderr, "qav750_default_data: %s\n", qUtf8Printable(record.text));
        return record.defaultButton;
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A run of its own: no settings, port links or serial devices of the machine.
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    // A port choice the list does not hold: no port is opened, nothing is asked.
    constexpr int kNoPort = 16;
    qav::ParameterFile(qav::UserConfigFolder(qav::kQav750.programName) + "/parameter")
        .WritePortIndex(kNoPort);

    PrintingAnswerer answerer;
    qav::ProgramOptions options;
    options.answerer = &answerer;
    options.closeProgram = [](const QString&) {};
    options.portFolders = qav::SerialPortMap::Folders{home.filePath("ports"), home.path(), home.path()};
    qav::ProgramRun run(qav::kQav750, options);
    run.Main();

    if (!run.EncodeImage()) return 1;
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!qav::DataFile(qav::kQav750).Save(output, run.state.WriteImage)) {
        std::fprintf(stderr, "qav750_default_data: cannot write %s\n", qUtf8Printable(output));
        return 1;
    }
    return 0;
}
