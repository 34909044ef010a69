#include "app/KontaloRegistry.h"

#include "platform/Logging.h"
#include "platform/RegistryStore.h"

#include <QtEndian>
#include <cstring>
#include <exception>

using tandrel::platform::RegistryStore;
using tandrel::platform::RegistryStoreError;
using tandrel::platform::RegistryValue;

QString RegistryKeyPath(const QString& section)
{
    return QStringLiteral("\\Software\\Norvi\\Tandrel\\") + section;
}

MKontaloRegistry::MKontaloRegistry() : m_store(std::make_unique<RegistryStore>()) {}

MKontaloRegistry::~MKontaloRegistry() noexcept(false)
{
    if (!m_store->hasPendingChanges())
        return;
    // A failure that Flush() already raised is not raised a second time.
    const bool alreadyReported = m_failureReported;
    try {
        commit();
    } catch (const RegistryError&) {
        if (std::uncaught_exceptions() == 0 && !alreadyReported)
            throw;
    }
}

void MKontaloRegistry::Flush()
{
    commit();
}

void MKontaloRegistry::commit()
{
    try {
        m_store->commit();
        m_failureReported = false;
    } catch (const RegistryStoreError& e) {
        // Keys made only by reading a missing section are a convenience:
        // failing to keep them must not turn a read into an error.
        if (!m_store->hasPendingValues())
            return;
        m_failureReported = true;
        throw RegistryError(e.what());
    }
}

const RegistryValue* MKontaloRegistry::open(const QString& section, const QString& name, bool* opened)
{
    *opened = m_store->createKey(RegistryKeyPath(section));
    return *opened ? m_store->value(RegistryKeyPath(section), name) : nullptr;
}

void MKontaloRegistry::write(const QString& section, const QString& name, const RegistryValue& value)
{
    try {
        m_store->setValue(RegistryKeyPath(section), name, value);
        m_failureReported = false;
    } catch (const RegistryStoreError& e) {
        throw RegistryError(e.what());
    }
}

bool MKontaloRegistry::ReadBool(const QString& section, const QString& name, bool def)
{
    bool opened = false;
    const RegistryValue* v = open(section, name, &opened);
    return v && v->kind() == RegistryValue::Kind::DWord ? v->dword() != 0 : def;
}

int MKontaloRegistry::ReadInteger(const QString& section, const QString& name, int def)
{
    bool opened = false;
    const RegistryValue* v = open(section, name, &opened);
    return v && v->kind() == RegistryValue::Kind::DWord ? int(v->dword()) : def;
}

double MKontaloRegistry::ReadFloat(const QString& section, const QString& name, double def)
{
    bool opened = false;
    const RegistryValue* v = open(section, name, &opened);
    if (!v || v->kind() != RegistryValue::Kind::Binary || v->bytes().size() != 8)
        return def;
    const quint64 bits = qFromLittleEndian<quint64>(v->bytes().constData());
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

QString MKontaloRegistry::ReadString(const QString& section, const QString& name, const QString& def)
{
    bool opened = false;
    const RegistryValue* v = open(section, name, &opened);
    if (!opened)
        return def;
    if (!v)
        return QString();
    if (v->kind() == RegistryValue::Kind::String)
        return v->text();
    return def;
}

QString MKontaloRegistry::ReadString(const QString& section, const QString& name, const QString& def, qsizetype maxLength)
{
    QString text = ReadString(section, name, def);
    if (text.size() <= maxLength)
        return text;
    qCWarning(lcTandrelSettings) << "value" << section << name << "of" << text.size() << "characters cut to" << maxLength;
    text.truncate(maxLength);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1); // never half a character
    return text;
}

bool MKontaloRegistry::SectionExists(const QString& section) const
{
    return m_store->keyExists(RegistryKeyPath(section));
}

// WriteBool and WriteString create a missing key and raise when even that
// fails; WriteInteger and WriteFloat write nothing then and return quietly.
// That is the documented behaviour of the settings store these values came
// from, and callers rely on it: the frames' integer and float settings are
// best effort, while a flag or text that cannot be kept must be reported.
void MKontaloRegistry::WriteBool(const QString& section, const QString& name, bool value)
{
    if (!m_store->createKey(RegistryKeyPath(section)))
        throw RegistryError(QStringLiteral("Der Registrierungsschlüssel „%1“ kann nicht angelegt werden.")
                                .arg(RegistryKeyPath(section))
                                .toStdString());
    write(section, name, RegistryValue::fromDWord(value ? 1u : 0u));
}

void MKontaloRegistry::WriteInteger(const QString& section, const QString& name, int value)
{
    if (!m_store->createKey(RegistryKeyPath(section)))
        return; // quietly, see above

    write(section, name, RegistryValue::fromDWord(quint32(value)));
}

void MKontaloRegistry::WriteFloat(const QString& section, const QString& name, double value)
{
    if (!m_store->createKey(RegistryKeyPath(section)))
        return; // quietly, see above

    write(section, name, RegistryValue::fromDouble(value));
}

void MKontaloRegistry::WriteString(const QString& section, const QString& name, const QString& value)
{
    if (!m_store->createKey(RegistryKeyPath(section)))
        throw RegistryError(QStringLiteral("Der Registrierungsschlüssel „%1“ kann nicht angelegt werden.")
                                .arg(RegistryKeyPath(section))
                                .toStdString());
    write(section, name, RegistryValue::fromString(value));
}
