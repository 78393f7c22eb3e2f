#include "winsupport/Registry.h"

#include <QSettings>
#include <cstring>

namespace qav::win {
namespace {

QString RootName(HKEY root) {
    return root == HKEY_CURRENT_USER ? QStringLiteral("HKEY_CURRENT_USER")
                                     : QStringLiteral("HKEY_%1").arg(static_cast<std::uint32_t>(root), 8, 16);
}

// root\sub-key as a settings group: a nested sub-key ("A\B") nests the groups.
QString GroupOf(HKEY root, const QString& subKey) {
    QString group = RootName(root) + '/' + subKey;
    group.replace('\\', '/');
    return group;
}

// A value is kept as its type and its bytes, "3:01000000", so that every type
// and every byte survives the text file.
QString Encode(std::uint32_t type, const QByteArray& data) {
    return QString::number(type) + ':' + QString::fromLatin1(data.toHex());
}

bool Decode(const QString& text, std::uint32_t& type, QByteArray& data) {
    const qsizetype colon = text.indexOf(':');
    if (colon <= 0) return false;
    bool ok = false;
    type = text.left(colon).toUInt(&ok);
    if (!ok) return false;
    const QByteArray hex = text.mid(colon + 1).toLatin1();
    data = QByteArray::fromHex(hex);
    return data.toHex() == hex.toLower();  // anything but hexadecimal pairs is no value
}

}  // namespace

Registry::Registry(QString filePath)
    : filePath_(std::move(filePath)),
      settings_(std::make_unique<QSettings>(filePath_, QSettings::IniFormat)) {}

Registry::~Registry() = default;

bool Registry::KeyExists(const QString& group) {
    if (emptyKeys_.contains(group)) return true;
    settings_->sync();  // what another program has stored since
    settings_->beginGroup(group);
    const bool exists = !settings_->allKeys().isEmpty();
    settings_->endGroup();
    return exists;
}

bool Registry::Read(const QString& group, const QString& valueName, Value& value) {
    settings_->sync();
    const QVariant stored = settings_->value(group + '/' + valueName);
    if (!stored.isValid()) return false;
    return Decode(stored.toString(), value.type, value.data);
}

std::int32_t Registry::RegOpenKeyA(HKEY root, const QString& subKey, HKEY* result) {
    const QString group = GroupOf(root, subKey);
    if (!KeyExists(group)) return ERROR_FILE_NOT_FOUND;
    const HKEY h = nextHandle_++;
    openKeys_.insert(h, group);
    if (result) *result = h;
    return ERROR_SUCCESS;
}

std::int32_t Registry::RegCreateKeyA(HKEY root, const QString& subKey, HKEY* result) {
    const QString group = GroupOf(root, subKey);
    if (!KeyExists(group)) emptyKeys_.insert(group);
    const HKEY h = nextHandle_++;
    openKeys_.insert(h, group);
    if (result) *result = h;
    return ERROR_SUCCESS;
}

std::int32_t Registry::RegQueryValueExA(HKEY key, const QString& valueName, std::uint32_t* type, char* data,
                                        std::uint32_t* size) {
    if (!openKeys_.contains(key)) return ERROR_INVALID_HANDLE;
    Value value;
    if (!Read(openKeys_.value(key), valueName, value)) return ERROR_FILE_NOT_FOUND;
    if (type) *type = value.type;
    const auto needed = static_cast<std::uint32_t>(value.data.size());
    if (data == nullptr) {
        if (size) *size = needed;
        return ERROR_SUCCESS;
    }
    if (size == nullptr || *size < needed) {
        if (size) *size = needed;
        return ERROR_MORE_DATA;
    }
    if (needed > 0) std::memcpy(data, value.data.constData(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

std::int32_t Registry::RegSetValueExA(HKEY key, const QString& valueName, std::uint32_t type,
                                      const char* data, std::uint32_t size) {
    if (!openKeys_.contains(key)) return ERROR_INVALID_HANDLE;
    const QString group = openKeys_.value(key);
    const QString name = group + '/' + valueName;
    settings_->sync();
    const QVariant previous = settings_->value(name);
    settings_->setValue(name, Encode(type, QByteArray(data, static_cast<qsizetype>(size))));
    settings_->sync();
    if (settings_->status() == QSettings::NoError) {
        emptyKeys_.remove(group);
        return ERROR_SUCCESS;
    }
    // Not stored: the store goes on holding what the file holds.
    if (previous.isValid())
        settings_->setValue(name, previous);
    else
        settings_->remove(name);
    return ERROR_WRITE_FAULT;
}

std::int32_t Registry::RegCloseKey(HKEY key) {
    return openKeys_.remove(key) > 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace qav::win
