#include "winsupport/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <cstring>

namespace qav::win {
namespace {

QString RootName(HKEY root) {
    return root == HKEY_CURRENT_USER ? QStringLiteral("HKEY_CURRENT_USER")
                                     : QStringLiteral("HKEY_%1").arg(static_cast<std::uint32_t>(root), 8, 16);
}

}  // namespace

// File format, one line each:
//   [root\sub-key]
//   value name=type:hex bytes
Registry::Registry(QString filePath) : filePath_(std::move(filePath)) {
    Load();
}

void Registry::Load() {
    QFile file(filePath_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    QString current;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('[') && line.endsWith(']')) {
            current = line.mid(1, line.size() - 2);
            keys_[current];
            continue;
        }
        const qsizetype eq = line.lastIndexOf('=');
        if (current.isEmpty() || eq <= 0) continue;
        const QString rest = line.mid(eq + 1);
        const qsizetype colon = rest.indexOf(':');
        if (colon <= 0) continue;
        bool ok = false;
        const std::uint32_t type = rest.left(colon).toUInt(&ok);
        if (!ok) continue;
        keys_[current][line.left(eq)] = Value{type, QByteArray::fromHex(rest.mid(colon + 1).toLatin1())};
    }
}

bool Registry::Save() const {
    QDir().mkpath(QFileInfo(filePath_).absolutePath());
    QSaveFile file(filePath_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    QTextStream out(&file);
    out.setEncoding(QStringConverter::Utf8);
    for (auto key = keys_.cbegin(); key != keys_.cend(); ++key) {
        out << '[' << key.key() << "]\n";
        for (auto v = key->cbegin(); v != key->cend(); ++v)
            out << v.key() << '=' << v->type << ':' << v->data.toHex() << '\n';
    }
    out.flush();
    return file.commit();
}

QString Registry::KeyName(HKEY key) const {
    return openKeys_.value(key);
}

std::int32_t Registry::RegOpenKeyA(HKEY root, const QString& subKey, HKEY* result) {
    const QString name = RootName(root) + '\\' + subKey;
    if (!keys_.contains(name)) return ERROR_FILE_NOT_FOUND;
    const HKEY h = nextHandle_++;
    openKeys_.insert(h, name);
    if (result) *result = h;
    return ERROR_SUCCESS;
}

std::int32_t Registry::RegCreateKeyA(HKEY root, const QString& subKey, HKEY* result) {
    const QString name = RootName(root) + '\\' + subKey;
    if (!keys_.contains(name)) {
        keys_[name];
        if (!Save()) {
            keys_.remove(name);
            return ERROR_WRITE_FAULT;
        }
    }
    const HKEY h = nextHandle_++;
    openKeys_.insert(h, name);
    if (result) *result = h;
    return ERROR_SUCCESS;
}

std::int32_t Registry::RegQueryValueExA(HKEY key, const QString& valueName, std::uint32_t* type, char* data,
                                        std::uint32_t* size) {
    if (!openKeys_.contains(key)) return ERROR_INVALID_HANDLE;
    const Key& values = keys_[KeyName(key)];
    const auto it = values.find(valueName);
    if (it == values.end()) return ERROR_FILE_NOT_FOUND;
    if (type) *type = it->type;
    const auto needed = static_cast<std::uint32_t>(it->data.size());
    if (data == nullptr) {
        if (size) *size = needed;
        return ERROR_SUCCESS;
    }
    if (size == nullptr || *size < needed) {
        if (size) *size = needed;
        return ERROR_MORE_DATA;
    }
    if (needed > 0) std::memcpy(data, it->data.constData(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

std::int32_t Registry::RegSetValueExA(HKEY key, const QString& valueName, std::uint32_t type,
                                      const char* data, std::uint32_t size) {
    if (!openKeys_.contains(key)) return ERROR_INVALID_HANDLE;
    Key& values = keys_[KeyName(key)];
    const auto previous = values.find(valueName);
    const bool had = previous != values.end();
    const Value old = had ? *previous : Value{};
    values[valueName] = Value{type, QByteArray(data, static_cast<qsizetype>(size))};
    if (Save()) return ERROR_SUCCESS;
    if (had)
        values[valueName] = old;
    else
        values.remove(valueName);
    return ERROR_WRITE_FAULT;
}

std::int32_t Registry::RegCloseKey(HKEY key) {
    return openKeys_.remove(key) > 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace qav::win
