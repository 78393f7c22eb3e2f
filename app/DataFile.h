#pragma once
// The .dat data file: a 48-byte header, then the memory image.
//
//   bytes  0..5    the model's ident ("RL-701")
//   bytes  6..9    0xFF
//   bytes 10..14   the version text "V0100" (written, never examined)
//   bytes 15..47   0xFF
//   bytes 48..     image bytes 0 .. dataFileSize-49
//
// No checksum and no length field. Loading takes only a file that starts with
// the ident and holds the whole image; saving replaces the whole file at once,
// so a failure never leaves a half-written or partly old file behind.

#include <QByteArray>
#include <QString>

#include "image/MemoryImage.h"
#include "image/ModelProfile.h"

namespace qav {

class DataFile {
  public:
    static constexpr int kHeaderSize = 48;

    enum class LoadResult {
        Loaded,
        Missing,      // no file of that name
        NotReadable,  // a folder, a device, or a file that cannot be read
        WrongType,    // it does not start with the model's ident
        Incomplete,   // the right ident, but shorter than a whole data file
    };

    explicit DataFile(const ModelProfile& profile) : profile_(profile) {}

    QByteArray Header() const;
    // Header and the image bytes the file holds, dataFileSize bytes.
    QByteArray Compose(const MemoryImage& image) const;

    // Fills the image from the file; anything but Loaded leaves it as it was.
    // Never creates a file.
    LoadResult Load(const QString& path, MemoryImage& image) const;
    // Writes the whole file or nothing: false when it could not be written, and
    // then a file of that name keeps its old contents.
    bool Save(const QString& path, const MemoryImage& image) const;

  private:
    int StoredImageBytes() const { return profile_.dataFileSize - kHeaderSize; }

    const ModelProfile& profile_;
};

}  // namespace qav
