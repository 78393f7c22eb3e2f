#pragma once
// A program run with the simulated radio linked as port 1 and opened at start.

#include <QElapsedTimer>
#include <memory>

#include "tests/support/ProgramFixture.h"
#include "tests/support/RadioSimulator.h"

namespace qav::test {

class RadioFixture : public ProgramFixture {
  protected:
    // The radio is the model's: the first model's radio for kQav730.
    explicit RadioFixture(const ModelProfile& profile = kQav750, const ModelVariant& variant = kNoVariant);

    // Starts the program; port 1 (the radio) opens as the stored port choice.
    ProgramRun& StartWithRadio();
    // Runs Read or Write as the menu does; returns when the progress window has
    // closed, with the milliseconds it took.
    qint64 Read();
    qint64 Write();

    // A memory whose every byte tells its offset apart from its neighbours.
    static std::vector<std::uint8_t> PatternMemory(std::uint8_t seed, std::size_t size = 3072);
    std::vector<std::uint8_t> ReadImageBytes();
    // Waits (at most two seconds) until the radio has received a frame of that
    // kind as its last one: the end command of a transfer that has just ended
    // may still be on its way.
    bool LastFrameBecomes(sim::FrameKind kind);
    // After a write the radio still answers its end command; a test that
    // starts the next transfer at once waits for that answer first, as any
    // user does by the time the success message is closed.
    void WaitForEndAnswer();

    sim::RadioSimulator radio;
};

}  // namespace qav::test
