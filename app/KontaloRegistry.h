#pragma once

#include <QString>
#include <memory>
#include <stdexcept>

namespace tandrel::platform {
class RegistryStore;
class RegistryValue;
}

// Raised when a setting cannot be written (read-only folder, full disk, a
// settings file that could not be read and could not be kept aside).
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "\Software\Norvi\Tandrel\" followed by the section name.
QString RegistryKeyPath(const QString& section);

// Longest texts read from the settings into a line edit, and into an
// address field or a letter's subject.
inline constexpr qsizetype kLineEditTextMax = 32767;
inline constexpr qsizetype kAddressFieldMax = 1000;

// Typed access to the current user's settings. Short-lived: create one per
// load or save routine. Reads never raise. Writes raise RegistryError; what
// was written reaches the disk at the latest when the object is destroyed
// (the destructor raises RegistryError if that fails, unless an exception is
// already in flight).
class MKontaloRegistry {
public:
    MKontaloRegistry();
    ~MKontaloRegistry() noexcept(false);
    MKontaloRegistry(const MKontaloRegistry&) = delete;
    MKontaloRegistry& operator=(const MKontaloRegistry&) = delete;

    bool ReadBool(const QString& section, const QString& name, bool def);
    void WriteBool(const QString& section, const QString& name, bool value);
    int ReadInteger(const QString& section, const QString& name, int def);
    void WriteInteger(const QString& section, const QString& name, int value);
    double ReadFloat(const QString& section, const QString& name, double def);
    void WriteFloat(const QString& section, const QString& name, double value);
    QString ReadString(const QString& section, const QString& name, const QString& def);
    // The same, cut to `maxLength` characters (the rest is dropped and logged):
    // a text for a control that takes no more.
    QString ReadString(const QString& section, const QString& name, const QString& def, qsizetype maxLength);
    // Whether the section (or a sub-section of it) exists; never creates it.
    bool SectionExists(const QString& section) const;
    void WriteString(const QString& section, const QString& name, const QString& value);

    // Writes pending changes now; raises RegistryError on failure.
    void Flush();

private:
    void commit();
    const tandrel::platform::RegistryValue* open(const QString& section, const QString& name, bool* opened);
    void write(const QString& section, const QString& name, const tandrel::platform::RegistryValue& value);

    std::unique_ptr<tandrel::platform::RegistryStore> m_store;
    bool m_failureReported = false; // the last commit raised and nothing changed since
};
