#include "winsupport/ModuleRegedit.h"

#include <QByteArray>
#include <QLocale>
#include <cmath>
#include <cstdint>

namespace qav {

QString RegQueryValueText(win::Registry& registry, win::HKEY key, const QString& valueName) {
    std::uint32_t type = win::REG_NONE;
    std::uint32_t size = 0;
    if (registry.RegQueryValueExA(key, valueName, &type, nullptr, &size) != win::ERROR_SUCCESS) return {};
    QByteArray buffer(static_cast<qsizetype>(size), '\0');
    if (type == win::REG_SZ) {
        if (registry.RegQueryValueExA(key, valueName, &type, buffer.data(), &size) != win::ERROR_SUCCESS)
            return {};
        const qsizetype nul = buffer.indexOf('\0');
        return QString::fromUtf8(nul < 0 ? buffer : buffer.left(nul));
    }
    if (type == win::REG_BINARY) {
        if (size == 0 ||
            registry.RegQueryValueExA(key, valueName, &type, buffer.data(), &size) != win::ERROR_SUCCESS)
            return {};
        const auto low = static_cast<std::uint8_t>(buffer[0]);
        const auto high = size > 1 ? static_cast<std::uint8_t>(buffer[1]) : std::uint8_t{0};
        const auto value = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
        return QString::number(value);
    }
    return {};
}

QString RegGetValueText(win::Registry& registry, win::HKEY root, const QString& subKey,
                        const QString& valueName) {
    win::HKEY key = 0;
    registry.RegOpenKeyA(root, subKey, &key);  // an unopened key makes the read fail
    const QString text = RegQueryValueText(registry, key, valueName);
    registry.RegCloseKey(key);
    return text;
}

namespace {

// The byte conversion of the settings code: a number, rounded half to even,
// that must lie in 0..255.
int ToByte(const QString& text, std::uint8_t& byte) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return kErrTypeMismatch;
    const double rounded = std::nearbyint(value);  // the default rounding mode is half to even
    if (rounded < 0 || rounded > 255) return kErrOverflow;
    byte = static_cast<std::uint8_t>(rounded);
    return 0;
}

}  // namespace

int RegSetBinaryByte(win::Registry& registry, win::HKEY root, const QString& subKey, const QString& valueName,
                     const QString& valueText) {
    std::uint8_t byte = 0;
    win::HKEY key = 0;
    registry.RegCreateKeyA(root, subKey, &key);
    if (const int error = ToByte(valueText, byte); error != 0) {
        registry.RegCloseKey(key);
        return error;
    }
    const char data[4] = {static_cast<char>(byte), 0, 0, 0};
    registry.RegSetValueExA(key, valueName, win::REG_BINARY, data, 4);
    registry.RegCloseKey(key);
    return 0;
}

}  // namespace qav
