#pragma once
// The constants in which the two radio models differ. Shared code takes every
// model-dependent number from here (never a literal channel count or image size).

#include <array>
#include <string_view>

namespace qav {

struct ModelLayout;
struct TransferTable;

struct ModelProfile {
    std::string_view programName;  // also the executable and per-user folder name
    std::string_view windowTitle;  // main window title
    std::string_view aboutTitle;   // About box title line
    int channelCount;              // memory channels in the radio
    int optionColumns;             // columns of ChannelOptions per channel
    int imageSize;                 // image bytes that travel (0 .. imageSize-1)
    int imageArraySize;            // size of ReadImage / WriteImage (one spare byte)
    std::string_view fileIdent;    // first six bytes of a .dat file
    int dataFileSize;              // header + image bytes
    std::string_view defaultDataFile;
    std::array<std::string_view, 3> helpFiles;  // by Language: Simplified, English, Traditional
    int readProgressMax;                        // progress window maximum while reading
    int writeProgressMax;                       // ... while writing
    std::string_view registryKey;               // per-user settings key holding the language
    const ModelLayout* layout;                  // where its image differs from the other's
    const TransferTable* transfer;              // the blocks a read and a write move, and when
};

// The second model: 128 channels, 3072-byte image.
extern const ModelProfile kQav750;
// The first model: 16 channels without names, a 2001-byte array of which
// bytes 0..1999 travel; its data file holds image bytes 0..1903 only.
extern const ModelProfile kQav730;

}  // namespace qav
