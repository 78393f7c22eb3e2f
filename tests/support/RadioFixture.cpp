#include "tests/support/RadioFixture.h"

#include <QTest>

#include "app/MDIForm1.h"
#include "app/RadioTransfer.h"

namespace qav::test {

RadioFixture::RadioFixture(const ModelProfile& profile, const ModelVariant& variant)
    : ProgramFixture(profile, variant),
      radio(&profile == &kQav730 ? sim::kFirstModelRadio : sim::kSecondModelRadio) {
    radio.LinkAsPort(PortsFolder().toStdString(), 1);
}

ProgramRun& RadioFixture::StartWithRadio() {
    ProgramRun& run = Start();
    EXPECT_TRUE(answerer.boxes.isEmpty())
        << "port 1 did not open: " << answerer.Texts().join('|').toStdString();
    answerer.boxes.clear();
    return run;
}

qint64 RadioFixture::Read() {
    QElapsedTimer clock;
    clock.start();
    Run().MainWindow().MNRead_Click();
    return clock.elapsed();
}

qint64 RadioFixture::Write() {
    QElapsedTimer clock;
    clock.start();
    Run().MainWindow().MNWrite_Click();
    return clock.elapsed();
}

std::vector<std::uint8_t> RadioFixture::PatternMemory(std::uint8_t seed, std::size_t size) {
    std::vector<std::uint8_t> memory(size);
    for (std::size_t i = 0; i < memory.size(); ++i)
        memory[i] = static_cast<std::uint8_t>((i * 7 + (i >> 8) * 13 + seed) & 0xFF);
    return memory;
}

bool RadioFixture::LastFrameBecomes(sim::FrameKind kind) {
    return QTest::qWaitFor(
        [&] {
            const auto frames = radio.Frames();
            return !frames.empty() && frames.back().kind == kind;
        },
        2000);
}

void RadioFixture::WaitForEndAnswer() {
    ASSERT_TRUE(LastFrameBecomes(sim::FrameKind::End));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Run().MainWindow().Transfer().RxHex.endsWith("06"); }, 2000));
}

std::vector<std::uint8_t> RadioFixture::ReadImageBytes() {
    const auto bytes = Run().state.ReadImage.bytes();
    return {bytes.begin(), bytes.end()};
}

}  // namespace qav::test
