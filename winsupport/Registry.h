#pragma once
// The per-user settings store that stands in for the registry: keys holding
// typed values, with the calls the program's registry module makes. Kept in an
// INI file through QSettings, which writes it whole and atomically and locks it
// against another program writing at the same moment; every read looks at the
// file as it is now, so a value one program stores is what the other reads.

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <cstdint>
#include <memory>

class QSettings;

namespace qav::win {

using HKEY = std::int32_t;
constexpr HKEY HKEY_CURRENT_USER = static_cast<HKEY>(0x80000001u);

constexpr std::int32_t ERROR_SUCCESS = 0;
constexpr std::int32_t ERROR_FILE_NOT_FOUND = 2;
constexpr std::int32_t ERROR_INVALID_HANDLE = 6;
constexpr std::int32_t ERROR_WRITE_FAULT = 29;
constexpr std::int32_t ERROR_MORE_DATA = 234;

constexpr std::uint32_t REG_NONE = 0;
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_BINARY = 3;
constexpr std::uint32_t REG_DWORD = 4;

class Registry {
  public:
    explicit Registry(QString filePath);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    const QString& FilePath() const { return filePath_; }

    // Open an existing sub-key of a root (ERROR_FILE_NOT_FOUND when absent).
    std::int32_t RegOpenKeyA(HKEY root, const QString& subKey, HKEY* result);
    // Open a sub-key, creating it when absent.
    std::int32_t RegCreateKeyA(HKEY root, const QString& subKey, HKEY* result);
    // With data null: only type and size. Otherwise fills up to *size bytes.
    std::int32_t RegQueryValueExA(HKEY key, const QString& valueName, std::uint32_t* type, char* data,
                                  std::uint32_t* size);
    std::int32_t RegSetValueExA(HKEY key, const QString& valueName, std::uint32_t type, const char* data,
                                std::uint32_t size);
    std::int32_t RegCloseKey(HKEY key);

  private:
    struct Value {
        std::uint32_t type = REG_NONE;
        QByteArray data;
    };

    bool KeyExists(const QString& group);
    bool Read(const QString& group, const QString& valueName, Value& value);

    QString filePath_;
    std::unique_ptr<QSettings> settings_;
    // Keys created here that hold no value yet: the file keeps a key only
    // through its values, so an empty one lives as long as this store.
    QSet<QString> emptyKeys_;
    QMap<HKEY, QString> openKeys_;  // handle -> settings group of the key
    HKEY nextHandle_ = 0x100;
};

}  // namespace qav::win
