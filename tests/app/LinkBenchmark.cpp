// Link benchmark (not a test): a whole read and a whole write of each model's radio
// through the real main window, the real serial control and a pty, against
// the simulated radio paced to 9600-baud wire time. Prints per transfer the
// wire time of the bytes exchanged (960 bytes a second), the measured time,
// their ratio and the CPU time of the program's thread during the transfer.
//
//   QT_QPA_PLATFORM=offscreen build/normal/bin/link_benchmark
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/MDIForm1.h"
#include "app/ProgramRun.h"
#include "model730/Qav730Variant.h"
#include "tests/support/RadioSimulator.h"
#include "tests/support/ScriptedAnswerer.h"

namespace {

double ThreadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

bool Measure(const char* name, qav::sim::RadioSimulator& radio, qav::test::ScriptedAnswerer& answerer,
             const QString& success, const std::function<void()>& transfer) {
    radio.ClearRecord();
    answerer.boxes.clear();
    QElapsedTimer clock;
    const double cpuBefore = ThreadCpuSeconds();
    clock.start();
    transfer();
    const double measured = double(clock.nsecsElapsed()) / 1e9;
    const double cpu = ThreadCpuSeconds() - cpuBefore;
    const std::size_t bytes = radio.BytesReceived() + radio.BytesSent();
    const double wire = double(bytes) / 960.0;
    const bool ok = answerer.Texts() == QStringList{success};
    std::printf("%-5s %5zu bytes  wire %.3f s  measured %.3f s  ratio %.3f  cpu %.3f s (%.1f %%)%s\n", name,
                bytes, wire, measured, measured / wire, cpu, 100.0 * cpu / measured, ok ? "" : "  FAILED");
    if (!ok) std::printf("      %s\n", qPrintable(answerer.Texts().join(QStringLiteral(" | "))));
    return ok;
}

// A read and a write of one model's radio through a program run of that model.
bool MeasureModel(const qav::ModelProfile& profile, const qav::sim::RadioModel& radioModel,
                  const qav::ModelVariant& variant, const QString& configHome, const QString& noDevices) {
    const QString ports = configHome + "/" + QString::fromLatin1(profile.programName) + "/ports";
    qav::sim::RadioSimulator radio(radioModel);
    radio.LinkAsPort(ports.toStdString(), 1);
    radio.SetWirePacing(true);

    qav::test::ScriptedAnswerer answerer;
    qav::ProgramOptions options;
    options.answerer = &answerer;
    options.closeProgram = [](const QString&) {};
    options.portFolders = qav::SerialPortMap::Folders{ports, noDevices, noDevices};
    qav::ProgramRun run(profile, options, variant);
    run.Main();
    if (!answerer.boxes.isEmpty()) {
        std::printf("%s: port 1 did not open\n", profile.programName.data());
        return false;
    }
    // The radio holds what the program would write: data it can take back.
    if (!run.EncodeImage()) {
        std::printf("%s: the start-up data does not encode\n", profile.programName.data());
        return false;
    }
    std::vector<std::uint8_t> memory(radioModel.memorySize, 0xFF);
    const auto image = run.state.WriteImage.bytes();
    std::copy(image.begin(), image.end(), memory.begin());
    radio.SetMemory(memory);
    std::printf("%s\n", profile.programName.data());
    qav::MDIForm1& mdi = run.MainWindow();
    bool ok = Measure("read", radio, answerer, "Reading succeeds frequently!", [&] { mdi.MNRead_Click(); });
    ok =
        Measure("write", radio, answerer, "Writing succeeds frequently!", [&] { mdi.MNWrite_Click(); }) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir config;
    QTemporaryDir noDevices;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());

    bool ok = MeasureModel(qav::kQav750, qav::sim::kSecondModelRadio, qav::kNoVariant, config.path(),
                           noDevices.path());
    ok = MeasureModel(qav::kQav730, qav::sim::kFirstModelRadio, qav::Qav730Variant(), config.path(),
                      noDevices.path()) &&
         ok;
    return ok ? 0 : 1;
}
