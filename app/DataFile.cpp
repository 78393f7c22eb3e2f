#include "app/DataFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace qav {
namespace {

constexpr char kFiller = char(0xFF);
const QByteArray kFileVersion = QByteArrayLiteral("V0100");

}  // namespace

QByteArray DataFile::Header() const {
    QByteArray header(profile_.fileIdent.data(), qsizetype(profile_.fileIdent.size()));
    header.append(4, kFiller);
    header.append(kFileVersion);
    header.append(kHeaderSize - header.size(), kFiller);
    return header;
}

QByteArray DataFile::Compose(const MemoryImage& image) const {
    QByteArray file = Header();
    const auto bytes = image.bytes();
    for (int i = 0; i < StoredImageBytes(); ++i)
        file.append(i < int(bytes.size()) ? char(bytes[std::size_t(i)]) : char(0));
    return file;
}

DataFile::LoadResult DataFile::Load(const QString& path, MemoryImage& image) const {
    const QFileInfo info(path);
    if (!info.exists()) return LoadResult::Missing;
    // Only a regular file: a folder gives nothing and a device or a pipe could block.
    if (!info.isFile()) return LoadResult::NotReadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return LoadResult::NotReadable;
    const QByteArray contents = file.read(profile_.dataFileSize);
    if (file.error() != QFileDevice::NoError) return LoadResult::NotReadable;

    const QByteArray ident(profile_.fileIdent.data(), qsizetype(profile_.fileIdent.size()));
    if (!contents.startsWith(ident)) return LoadResult::WrongType;
    if (contents.size() < profile_.dataFileSize) return LoadResult::Incomplete;

    const QByteArray stored = contents.mid(kHeaderSize);
    image.Assign(
        std::span(reinterpret_cast<const std::uint8_t*>(stored.constData()), std::size_t(stored.size())));
    return LoadResult::Loaded;
}

bool DataFile::Save(const QString& path, const MemoryImage& image) const {
    const QByteArray contents = Compose(image);
    QSaveFile file(path);
    // The contents go to a temporary file beside the target, which replaces the
    // target only when all of it was written; an uncommitted one is removed.
    // Unbuffered, so that a short write (a full disk) shows in what write
    // returns: a buffer flushed by the commit would let it pass unnoticed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(contents) != contents.size()) return false;
    return file.commit();
}

}  // namespace qav
