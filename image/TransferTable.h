#pragma once
// A model's transfer with the radio, as data that the one transfer engine
// (app/RadioTransfer) runs. Both radios speak the same protocol: the wake
// string, the mode byte, the ident reply, then one block at a time, an end
// command and the radio's last acknowledgement. What differs is which blocks
// travel, where they sit in the image, when a block is sent, and the state
// numbers the progress bar shows.
//
// Read: ReadStep 1 waits for the answer to the wake string, 2 for the ident;
// step 3 + i asks for reads[i] and stores its data frame; step 3 + reads.size()
// waits for the answer to the end command.
//
// Write: steps 1 and 2 are the same handshake (2 checks the band); every later
// step is a row of `writes`: once its reply holds an acknowledgement, the row
// sends its frame (or the other one, when its condition does not hold) and the
// write goes on at the row's next step. A next step of kWriteDone ends the
// write with its success.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace qav {

// What a row of the write depends on.
enum class TransferCondition {
    Always,
    FmFunctionOn,        // Form3.Combo2 (the FM function) shows item 1
    TuningWriteAllowed,  // the service permission to write the power grades
};

// What a write step sends.
enum class WriteAction {
    Block,    // a data frame from WriteImage
    Ack,      // 06 in place of a block
    End,      // the end command
    Nothing,  // the radio answered the end command: nothing is left to send
};

// One block a read asks for.
struct ReadBlock {
    int address;         // radio address of the block
    int imageOffset;     // image byte that data byte 0 goes to
    std::uint16_t keep;  // data bytes stored: bit k for byte k; the others keep the image's byte
};
inline constexpr std::uint16_t kWholeBlock = 0xFFFF;

struct WriteRow {
    int step;  // the WriteStep this row handles
    TransferCondition condition;
    WriteAction action;  // when the condition holds
    int address;         // radio address of a Block
    int imageOffset;     // WriteImage byte of its data byte 0
    int next;
    WriteAction otherwise;  // when it does not
    int otherwiseNext;
    // A reply without an acknowledgement ends the write with the communication
    // error at once: a block the radio did not take is never reported written.
    bool unacknowledgedEnds;
};
inline constexpr int kWriteDone = 0;

struct TransferTable {
    std::string_view identHex;  // hex text of the ident's first six bytes
    // The write sends the wake string before the encoder runs (the encoder's
    // time then overlaps the radio's answer).
    bool wakeBeforeEncode;
    std::span<const ReadBlock> reads;
    std::span<const WriteRow> writes;

    int ReadEndStep() const { return 3 + static_cast<int>(reads.size()); }
    // The row of a write step, or nullptr: that step does nothing.
    const WriteRow* WriteRowAt(int step) const {
        for (const WriteRow& row : writes)
            if (row.step == step) return &row;
        return nullptr;
    }
};

// The second model: every block 0x000..0xBF0 read; the write leaves out the
// FM blocks while the FM function is off and the tuning block without permission.
extern const TransferTable kQav750Transfer;
// The first model: 0x000..0x7A0 and the switch and tuning blocks read, of
// which only the bytes the radio fills are stored; the switch block is never
// written.
extern const TransferTable kQav730Transfer;

}  // namespace qav
