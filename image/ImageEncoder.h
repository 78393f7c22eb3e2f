#pragma once
// The pure half of `EncodeImage`: the control values
// (ImageFields, read from the controls by the binding half), the channel
// tables, the FM values and the power grades -> WriteImage, in the order the
// radio's layout is written. WriteImage is never cleared first: bytes 2006..2015 (and the
// spare array byte) are never written, and a byte whose value cannot be
// encoded keeps what it held.
//
// A failing conversion is never skipped silently: EncodeImage returns the
// list of fields it could not encode, so the save and write commands refuse with a message instead of
// sending stale bytes. A field is reported when it is a list with no selection
// (-1, or an empty std::optional), a list index that is no item of its list,
// a number outside 0..255, a text that is not a number, a frequency, a tone or
// an FM frequency, or a text holding a character that does not fit one byte.
// A flag byte with one bad member is left as it was as a whole (a -1 never
// leaks into another bit), and so is a text field with one bad character.
//
// Fixed values written every time: bit 1 of ChannelFlags, FunctionFlags and
// VfoFlags; byte 2017 = 1 (whatever Form3.Combo6 shows); "RL-700" at 1808;
// 0xFF in every filler. The first model's layout: bit 1 of VfoFlags and bit 4
// of FunctionFlags; "RL-730"; 0xFF at 1794, 1797, 1804, 1806 and at +13..+15
// of every channel record; byte 2000 (the spare array byte) never written.

#include <string>
#include <vector>

#include "image/ChannelTables.h"
#include "image/ImageFields.h"
#include "image/MemoryImage.h"
#include "image/ModelLayout.h"
#include "image/RadioValues.h"

namespace qav {

enum class EncodeProblem {
    NoSelection,       // list index -1 / no value
    NotAnItem,         // list index that is no item of the list (or a flag not 0/1)
    OutOfByteRange,    // a number outside 0..255
    NotANumber,        // a channel-number text that is not numeric
    NotAFrequency,     // not a frequency text (ChannelFreq, Text20, Text21)
    NotATone,          // a tone text that is not in the ToneTable
    NotAnFmFrequency,  // not 76..108 MHz on the 50 kHz raster
    NotOneByte,        // a character above U+00FF (or text that is not UTF-8)
    LayoutMismatch,    // image or tables do not fit the layout; nothing written
};

struct EncodeFault {
    std::string field;  // the control or table entry: "Form3.Combo7", "ChannelFreq(4, 0)"
    int index = -1;     // channel (ChannelFreq, ChannelOptions, ChannelName: ch = k-1) or
                        // FM channel (FmChannelFreq: k-1); -1 for single fields
    int offset = -1;    // first image byte left unwritten
    EncodeProblem problem = EncodeProblem::NoSelection;

    friend bool operator==(const EncodeFault&, const EncodeFault&) = default;
};

// EncodeImage: fills writeImage; returns the fields it could not encode, in
// the order they are encoded (empty: every byte was written).
// The layout is the model's (image/ModelLayout.h).
std::vector<EncodeFault> EncodeImage(const ImageFields& fields, const ChannelTables& tables,
                                     const FmValues& fm, const PowerGradeValues& grades,
                                     MemoryImage& writeImage, const ModelLayout& layout = kLayout750);

// A short English description of a fault ("Form3.Combo7: no selection"),
// for logs and tests; the commands hold their own three-language messages.
std::string Describe(const EncodeFault& fault);

}  // namespace qav
