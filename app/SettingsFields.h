#pragma once

#include "app/KontaloRegistry.h"
#include "platform/ColorRef.h"

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

// For a QString field that is read whole (a path, say).
inline constexpr qsizetype kNoLengthLimit = -1;

// One stored value of a T: its value name, the member it fills and the
// default a missing value reads as. The member's type picks the store's
// routine: int32 (ReadInteger), double (ReadFloat), bool (ReadBool), QString
// (ReadString, cut to kLineEditTextMax unless the field says otherwise),
// ColorRef (stored as integer).
template <class T>
class MSettingsField {
public:
    using ColorRef = tandrel::platform::ColorRef;

    MSettingsField(QString name, std::int32_t T::*member, std::int32_t def)
        : m_name(std::move(name))
        , m_member(member)
        , m_default(def)
    {
    }
    MSettingsField(QString name, double T::*member, double def)
        : m_name(std::move(name))
        , m_member(member)
        , m_default(def)
    {
    }
    MSettingsField(QString name, bool T::*member, bool def)
        : m_name(std::move(name))
        , m_member(member)
        , m_default(def)
    {
    }
    MSettingsField(QString name, QString T::*member, QString def, qsizetype maxLength = kLineEditTextMax)
        : m_name(std::move(name))
        , m_member(member)
        , m_default(std::move(def))
        , m_maxLength(maxLength)
    {
    }
    MSettingsField(QString name, ColorRef T::*member, ColorRef def)
        : m_name(std::move(name))
        , m_member(member)
        , m_default(def)
    {
    }

    void Load(MKontaloRegistry& store, const QString& key, T& object) const
    {
        std::visit(
            [&](auto member) {
                using V = std::remove_cvref_t<decltype(object.*member)>;
                const V& def = std::get<V>(m_default);
                if constexpr (std::is_same_v<V, std::int32_t>)
                    object.*member = store.ReadInteger(key, m_name, def);
                else if constexpr (std::is_same_v<V, double>)
                    object.*member = store.ReadFloat(key, m_name, def);
                else if constexpr (std::is_same_v<V, bool>)
                    object.*member = store.ReadBool(key, m_name, def);
                else if constexpr (std::is_same_v<V, QString>)
                    object.*member = m_maxLength == kNoLengthLimit ? store.ReadString(key, m_name, def)
                                                                   : store.ReadString(key, m_name, def, m_maxLength);
                else
                    object.*member = ColorRef(store.ReadInteger(key, m_name, int(def)));
            },
            m_member);
    }

    void Save(MKontaloRegistry& store, const QString& key, const T& object) const
    {
        std::visit(
            [&](auto member) {
                using V = std::remove_cvref_t<decltype(object.*member)>;
                if constexpr (std::is_same_v<V, std::int32_t>)
                    store.WriteInteger(key, m_name, object.*member);
                else if constexpr (std::is_same_v<V, double>)
                    store.WriteFloat(key, m_name, object.*member);
                else if constexpr (std::is_same_v<V, bool>)
                    store.WriteBool(key, m_name, object.*member);
                else if constexpr (std::is_same_v<V, QString>)
                    store.WriteString(key, m_name, object.*member);
                else
                    store.WriteInteger(key, m_name, int(object.*member));
            },
            m_member);
    }

private:
    QString m_name;
    std::variant<std::int32_t T::*, double T::*, bool T::*, QString T::*, ColorRef T::*> m_member;
    std::variant<std::int32_t, double, bool, QString, ColorRef> m_default; // same type as the member
    qsizetype m_maxLength = kLineEditTextMax; // QString fields only
};

// A class's stored values, read and written in the order given. Nothing is
// caught here: a failing write ends the run, and the caller decides what
// that means.
template <class T>
class MSettingsFields {
public:
    MSettingsFields(std::initializer_list<MSettingsField<T>> fields)
        : m_fields(fields)
    {
    }

    void Load(MKontaloRegistry& store, const QString& key, T& object) const
    {
        for (const MSettingsField<T>& f : m_fields)
            f.Load(store, key, object);
    }

    void Save(MKontaloRegistry& store, const QString& key, const T& object) const
    {
        for (const MSettingsField<T>& f : m_fields)
            f.Save(store, key, object);
    }

private:
    std::vector<MSettingsField<T>> m_fields;
};
