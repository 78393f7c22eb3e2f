#pragma once
// Whole-file reads and writes for tests, and images whose every byte tells its
// offset apart from its neighbours.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

#include "image/MemoryImage.h"

namespace qav::test {

// The file's bytes, or nothing when it cannot be read.
inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(contents), contents.size());
}

inline MemoryImage PatternImage(const ModelProfile& profile, std::uint8_t seed) {
    MemoryImage image(profile);
    for (int i = 0; i < image.size(); ++i) image.at(i) = std::uint8_t(i * 7 + (i >> 8) + seed);
    return image;
}

}  // namespace qav::test
