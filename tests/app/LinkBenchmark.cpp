// Link benchmark (not a test): a whole read and a whole write of the radio's
// memory through MSComm and a real pty, against the simulated radio paced to
// 9600-baud wire time. Prints per transfer the wire time of the bytes
// exchanged (960 bytes a second), the measured time, their ratio and the CPU
// time of the program's thread.
//
// The frames are sent in the order and with the receive thresholds of the
// program's read and write (FM and tuning blocks skipped, their places taken
// by single acks), each as soon as the reply it waits for is complete, with a
// 50 ms watchdog timer running as during a transfer. It measures the link;
// the transfer state machines sit on top of the same calls.
//
//   build/normal/bin/link_benchmark
#include <time.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "app/MSComm.h"
#include "image/ModelProfile.h"
#include "tests/support/RadioSimulator.h"

namespace {

using qav::MSComm;
using qav::sim::RadioSimulator;

constexpr int kBlock = 16;
const QByteArray kAck(1, '\x06');

struct Step {
    QByteArray frame;
    int replyBytes;  // the reply the next step waits for
    int threshold;   // RThreshold set before the frame goes out
};

QByteArray Header(char kind, int address) {
    return QByteArray(1, kind) + char(address >> 8) + char(address & 0xFF) + char(kBlock);
}

std::vector<Step> ReadSteps(int imageSize) {
    std::vector<Step> steps = {{"PROGRAM", 1, 1}, {QByteArray(1, '\x02'), 8, 1}, {kAck, 1, 1}};
    for (int address = 0; address < imageSize; address += kBlock) {
        steps.push_back({Header('R', address), 4 + kBlock, 20});
        steps.push_back({kAck, 1, 1});
    }
    steps.push_back({"E", 1, 1});
    return steps;
}

std::vector<Step> WriteSteps(const QByteArray& image) {
    std::vector<Step> steps = {{"PROGRAM", 1, 1}, {QByteArray(1, '\x02'), 8, 1}, {kAck, 1, 1}};
    auto block = [&](int address) {
        steps.push_back({Header('W', address) + image.mid(address, kBlock), 1, 1});
    };
    for (int address = 0x000; address <= 0x750; address += kBlock) block(address);
    steps.push_back({kAck, 1, 1});  // FM blocks skipped
    block(0x7E0);
    steps.push_back({kAck, 1, 1});  // tuning block skipped
    for (int address = 0x800; address < image.size(); address += kBlock) block(address);
    steps.push_back({"E", 1, 1});
    return steps;
}

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

struct Outcome {
    bool completed = false;
    double seconds = 0;
    double cpuSeconds = 0;
    QByteArray received;
};

// Sends each step once the reply to the previous one has arrived in full.
Outcome Run(MSComm& comm, const std::vector<Step>& steps) {
    Outcome outcome;
    std::size_t next = 0;
    int awaited = 0;
    int silentMs = 0;
    QByteArray pending;
    QEventLoop loop;
    QTimer watchdog;
    watchdog.setInterval(50);

    auto sendNext = [&] {
        if (next == steps.size()) {
            outcome.completed = true;
            loop.quit();
            return;
        }
        const Step& step = steps[next++];
        comm.SetRThreshold(step.threshold);
        awaited = step.replyBytes;
        silentMs = 0;
        comm.Output(step.frame);
    };
    const auto connection = QObject::connect(&comm, &MSComm::OnComm, [&] {
        if (comm.CommEvent() != MSComm::comEvReceive)
            return;
        pending += comm.Input();
        if (pending.size() < awaited)
            return;
        outcome.received += pending;
        pending.clear();
        sendNext();
    });
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        silentMs += 50;
        if (silentMs > 3000)
            loop.quit();
    });

    QElapsedTimer clock;
    const double cpuStart = ThreadCpuSeconds();
    clock.start();
    watchdog.start();
    sendNext();
    loop.exec();
    outcome.seconds = double(clock.nsecsElapsed()) / 1e9;
    outcome.cpuSeconds = ThreadCpuSeconds() - cpuStart;
    QObject::disconnect(connection);
    return outcome;
}

bool Report(const char* name, const Outcome& outcome, const RadioSimulator& radio) {
    const std::size_t bytes = radio.BytesReceived() + radio.BytesSent();
    const double wire = double(bytes) / 960.0;
    const double ratio = outcome.seconds / wire;
    const double cpuShare = outcome.cpuSeconds / outcome.seconds;
    const bool met = outcome.completed && ratio <= 1.03 && cpuShare < 0.05;
    std::printf(
        "%-5s %s: %zu bytes (%zu out, %zu back), wire %.3f s, measured %.3f s, "
        "ratio %.4f, program CPU %.3f s (%.2f %%) %s\n",
        name, outcome.completed ? "done" : "FAILED", bytes, radio.BytesReceived(),
        radio.BytesSent(), wire, outcome.seconds, ratio, outcome.cpuSeconds, 100.0 * cpuShare,
        met ? "[goal met]" : "[goal missed]");
    return outcome.completed;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int imageSize = qav::kQav750.imageSize;

    QTemporaryDir configHome;
    RadioSimulator radio;
    const auto ports = std::filesystem::path(configHome.path().toStdString()) / "ports";
    if (!configHome.isValid() || !radio.LinkAsPort(ports, 1))
        return 2;

    std::mt19937 random(750);
    std::vector<std::uint8_t> memory(std::size_t(imageSize), 0);
    for (auto& byte : memory) byte = std::uint8_t(random());
    radio.SetMemory(memory);
    radio.SetWirePacing(true);

    MSComm comm(qav::SerialPortMap({.links = QString::fromStdString(ports.string())}));
    comm.SetCommPort(1);
    if (!comm.SetPortOpen(true)) {
        std::fprintf(stderr, "cannot open the port: %s\n", qPrintable(comm.PortError()));
        return 2;
    }

    const Outcome read = Run(comm, ReadSteps(imageSize));
    bool ok = Report("read", read, radio);
    QByteArray expected;
    for (int address = 0; address < imageSize; address += kBlock) {
        expected += Header('W', address);
        expected.append(reinterpret_cast<const char*>(memory.data()) + address, kBlock);
    }
    // The replies of the read: 06, the ident, 06, then a data frame and 06 per block, 06.
    QByteArray dataFrames;
    const QByteArray& got = read.received;
    for (qsizetype at = 1 + 8 + 1; at + 4 + kBlock <= got.size(); at += 4 + kBlock + 1) {
        dataFrames += got.mid(at, 4 + kBlock);
    }
    if (dataFrames != expected) {
        std::printf("read: the data frames differ from the radio's memory\n");
        ok = false;
    }

    radio.ClearRecord();
    QByteArray image(imageSize, 0);
    for (auto& byte : image) byte = char(random());
    const Outcome write = Run(comm, WriteSteps(image));
    ok = Report("write", write, radio) && ok;
    const auto stored = radio.Memory();
    const QByteArray radioMemory(reinterpret_cast<const char*>(stored.data()),
                                 qsizetype(stored.size()));
    for (const auto& [from, to] : {std::pair{0x000, 0x760}, {0x7E0, 0x7F0}, {0x800, imageSize}}) {
        if (radioMemory.mid(from, to - from) != image.mid(from, to - from)) {
            std::printf("write: the radio's memory differs from the image at 0x%03X..\n", from);
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
