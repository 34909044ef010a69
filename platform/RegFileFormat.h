#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <map>

namespace tandrel::platform {

// One registry value: a string (REG_SZ), a 32-bit integer (REG_DWORD), bytes
// (REG_BINARY), or any other registry type kept as its raw bytes so that a
// file written elsewhere survives a round trip.
class RegistryValue {
public:
    enum class Kind { String, DWord, Binary, Other };
    enum : quint32 { RegSz = 1, RegExpandSz = 2, RegBinary = 3, RegDWord = 4 };

    RegistryValue() = default;
    static RegistryValue fromString(const QString& text);
    static RegistryValue fromDWord(quint32 value);
    static RegistryValue fromBinary(const QByteArray& bytes);
    static RegistryValue fromDouble(double value); // 8 bytes, IEEE double, little-endian
    // A value of registry type `type` given as raw bytes (the "hex(N):" form).
    static RegistryValue fromRaw(quint32 type, const QByteArray& bytes);

    Kind kind() const { return m_kind; }
    quint32 regType() const { return m_type; }
    const QString& text() const { return m_text; }
    quint32 dword() const { return m_dword; }
    const QByteArray& bytes() const { return m_bytes; }

    bool operator==(const RegistryValue& o) const;

private:
    Kind m_kind = Kind::DWord;
    quint32 m_type = RegDWord;
    quint32 m_dword = 0;
    QString m_text;
    QByteArray m_bytes;
};

struct RegistryEntry {
    QString name; // as first written
    RegistryValue value;
};

struct RegistryKeyData {
    QString path; // as first written, without the hive, e.g. Software\Norvi\Tandrel\Main
    std::map<QString, RegistryEntry> values; // by foldName()
};

// Keys by foldKey(): case-insensitive, and sorted so that a key is followed
// by its sub-keys before its siblings.
using RegistryTree = std::map<QString, RegistryKeyData>;

namespace regfile {

inline constexpr char kHeader[] = "Windows Registry Editor Version 5.00";
inline constexpr char kHive[] = "HKEY_CURRENT_USER";

// Splits at backslashes and drops empty parts ("\Software\X\" -> "Software\X").
// Empty result when a part is not a valid key name (control characters,
// broken UTF-16, longer than 255 characters); `ok` tells which.
QString normalizeKeyPath(QStringView path, bool* ok);
// Whether `name` can be a value name (no control characters, sound UTF-16).
bool isValidValueName(QStringView name);

// Folded key paths use this character in place of the backslash.
inline constexpr char16_t kFoldedSeparator = 1;
QString foldKey(QStringView normalizedPath);
QString foldName(QStringView name);

struct ParseResult {
    bool ok = true;
    int line = 0;   // 1-based line of the first error
    QString error;  // short description of it
};

// Parses the text of a registry export (UTF-8 with or without BOM, or UTF-16LE
// with BOM) into `tree`. An empty input is an empty tree. Strict: whatever is
// not a complete, well-formed export (including a last line without its line
// end) is an error, so a damaged file is never half-read.
ParseResult parse(const QByteArray& bytes, RegistryTree& tree);

// The export text of `tree`: UTF-8 without BOM, LF line ends, keys and values
// in folded-name order.
QByteArray serialize(const RegistryTree& tree);

} // namespace regfile
} // namespace tandrel::platform
