#include "image/TransferTable.h"

namespace qav {
namespace {

constexpr int kBlockSize = 16;
constexpr int kFirstBlockStep = 3;  // the step that sends block 0
constexpr int kFmFirstStep = 121;   // FM channels and settings, 0x760 .. 0x7AF
constexpr int kFmBlocks = 5;
constexpr int kSwitchBlock = 0x7E0;
constexpr int kTuningBlock = 0x7F0;

constexpr WriteRow BlockRow(int step, int address, int imageOffset, bool unacknowledgedEnds = false) {
    return {step,     TransferCondition::Always, WriteAction::Block, address,           imageOffset,
            step + 1, WriteAction::Block,        step + 1,           unacknowledgedEnds};
}

// Steps 3..125 of both models: the blocks 0x000..0x750 always, then the five
// FM blocks only while the FM function is on; without it one Ack stands in
// for them and the write goes on five steps later.
template <std::size_t N>
constexpr void PutCommonRows(std::array<WriteRow, N>& rows, std::size_t& at) {
    for (int step = kFirstBlockStep; step < kFmFirstStep; ++step) {
        const int address = (step - kFirstBlockStep) * kBlockSize;
        rows[at++] = BlockRow(step, address, address);
    }
    for (int step = kFmFirstStep; step < kFmFirstStep + kFmBlocks; ++step) {
        const int address = (step - kFirstBlockStep) * kBlockSize;
        rows[at++] = {step,
                      TransferCondition::FmFunctionOn,
                      WriteAction::Block,
                      address,
                      address,
                      step + 1,
                      WriteAction::Ack,
                      step + kFmBlocks,
                      false};
    }
}

// ---- the second model ------------------------------------------------------
constexpr int k750Blocks = 192;  // 0x000 .. 0xBF0
constexpr int k750NameSteps = 128;

constexpr auto k750Reads = [] {
    std::array<ReadBlock, k750Blocks> reads{};
    for (int i = 0; i < k750Blocks; ++i)
        reads[std::size_t(i)] = {i * kBlockSize, i * kBlockSize, kWholeBlock};
    return reads;
}();

constexpr auto k750Writes = [] {
    std::array<WriteRow, 190> rows{};
    std::size_t at = 0;
    PutCommonRows(rows, at);
    rows[at++] = BlockRow(126, kSwitchBlock, kSwitchBlock);
    rows[at++] = {127,
                  TransferCondition::TuningWriteAllowed,
                  WriteAction::Block,
                  kTuningBlock,
                  kTuningBlock,
                  128,
                  WriteAction::Ack,
                  128,
                  false};
    // The channel names, 0x800 .. 0xBF0: a block the radio refuses ends the write.
    for (int step = k750NameSteps; step < k750Blocks; ++step)
        rows[at++] = BlockRow(step, step * kBlockSize, step * kBlockSize, true);
    rows[at++] = {192,        TransferCondition::Always, WriteAction::End, 0,    0,
                  kWriteDone, WriteAction::End,          kWriteDone,       false};
    return rows;
}();

// ---- the first model -------------------------------------------------------
// Its image ends before 0x7B0; the switch and tuning blocks follow at once.
constexpr int k730SwitchImage = 1968;
constexpr int k730TuningImage = 1984;
constexpr int k730Blocks = 123;  // 0x000 .. 0x7A0
// The radio fills only some bytes of the two setting blocks.
constexpr std::uint16_t k730SwitchBytes = 0b11;           // FM function, scrambler
constexpr std::uint16_t k730TuningBytes = 0b1'1001'1101;  // bytes 0, 2, 3, 4, 7, 8: the grades
constexpr int k730TuningStep = 127;
constexpr int k730EndAfterTuning = 137;  // two more steps when the tuning block went out

constexpr auto k730Reads = [] {
    std::array<ReadBlock, k730Blocks + 2> reads{};
    for (int i = 0; i < k730Blocks; ++i)
        reads[std::size_t(i)] = {i * kBlockSize, i * kBlockSize, kWholeBlock};
    reads[k730Blocks] = {kSwitchBlock, k730SwitchImage, k730SwitchBytes};
    reads[k730Blocks + 1] = {kTuningBlock, k730TuningImage, k730TuningBytes};
    return reads;
}();

constexpr auto k730Writes = [] {
    std::array<WriteRow, 128> rows{};
    std::size_t at = 0;
    PutCommonRows(rows, at);
    // The switch block is never written: an Ack stands in for it.
    rows[at++] = {126, TransferCondition::Always, WriteAction::Ack, 0, 0, 127, WriteAction::Ack, 127, false};
    rows[at++] = {k730TuningStep,
                  TransferCondition::TuningWriteAllowed,
                  WriteAction::Block,
                  kTuningBlock,
                  k730TuningImage,
                  k730EndAfterTuning,
                  WriteAction::End,
                  128,
                  false};
    rows[at++] = {128,        TransferCondition::Always, WriteAction::Nothing, 0,    0,
                  kWriteDone, WriteAction::Nothing,      kWriteDone,           false};
    rows[at++] = {k730EndAfterTuning,
                  TransferCondition::Always,
                  WriteAction::End,
                  0,
                  0,
                  138,
                  WriteAction::End,
                  138,
                  false};
    rows[at++] = {138,        TransferCondition::Always, WriteAction::Nothing, 0,    0,
                  kWriteDone, WriteAction::Nothing,      kWriteDone,           false};
    return rows;
}();

static_assert(k750Writes.back().step == 192 && k730Writes.back().step == 138, "every row is filled");

}  // namespace

const TransferTable kQav750Transfer{
    .identHex = "524C2D373031",  // "RL-701"
    .wakeBeforeEncode = false,
    .reads = k750Reads,
    .writes = k750Writes,
};

const TransferTable kQav730Transfer{
    .identHex = "524C2D373330",  // "RL-730"
    .wakeBeforeEncode = true,
    .reads = k730Reads,
    .writes = k730Writes,
};

}  // namespace qav
