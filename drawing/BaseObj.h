#pragma once

#include "platform/ColorRef.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class MKontaloRegistry;
class QIODevice;
class MObjType;
class MBaseObj;

// A plain list of catalogue objects; it does not own them.
class MObjStructur {
public:
    int Count() const { return int(m_items.size()); }
    MBaseObj* Items(int i) const { return m_items.at(std::size_t(i)); }
    void Add(MBaseObj* obj) { m_items.push_back(obj); }
    void Remove(const MBaseObj* obj);

private:
    std::vector<MBaseObj*> m_items;
};

// One column of a catalogue list view.
struct MListColumn {
    QString Caption;
    int Width = 0;
};

// A catalogue object. Creating one appends it to its type's `Objects`; the
// type owns it (create objects through MObjType::Create).
class MBaseObj {
public:
    MBaseObj(MObjType* type, std::int32_t objectID);
    virtual ~MBaseObj();
    MBaseObj(const MBaseObj&) = delete;
    MBaseObj& operator=(const MBaseObj&) = delete;

    MObjType* ObjType = nullptr;
    std::int32_t ObjID = 0;

    int TypeNumber() const;

    // A copy in the same type.
    virtual MBaseObj& Clone() const = 0;
    virtual void LoadSettings(MKontaloRegistry& store, const QString& key) = 0;
    virtual void SaveSettings(MKontaloRegistry& store, const QString& key) const = 0;
    virtual bool ReadFromStream(QIODevice& stream) = 0;
    virtual bool WriteToStream(QIODevice& stream) const = 0;
    virtual std::vector<MListColumn> SetupListColumns() const = 0;
    // The cells of one list row; data is the row's data value.
    virtual QStringList FillListItem(int data) const = 0;
};

// A type of catalogue objects; owns its objects.
class MObjType {
public:
    MObjType(std::int32_t typeNum, const QString& typeName);
    virtual ~MObjType();
    MObjType(const MObjType&) = delete;
    MObjType& operator=(const MObjType&) = delete;

    std::int32_t MaxObjectID = 0;
    std::int32_t TypeNum = 0;
    QString TypeName;
    QString RegistryKey;
    MObjStructur Objects;

    // The base only raises MaxObjectID and creates nothing (returns null).
    virtual MBaseObj* CreateObject(std::int32_t objectID);

    template <class T, class... Args>
    T& Create(Args&&... args)
    {
        auto obj = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& ref = *obj;
        m_owned.push_back(std::move(obj));
        return ref;
    }

private:
    std::vector<std::unique_ptr<MBaseObj>> m_owned;
};

// The list of object types; owns them.
class MObjTypeManager {
public:
    int Count() const { return int(m_types.size()); }
    MObjType* Items(int i) const { return m_types.at(std::size_t(i)).get(); }
    MObjType& Add(std::unique_ptr<MObjType> type);
    MObjType* FindType(std::int32_t typeNum) const;
    MBaseObj* FindObject(std::int32_t typeNum, std::int32_t objectID) const;

private:
    std::vector<std::unique_ptr<MObjType>> m_types;
};

// Object type 20, "PV Module".
class MObjTypePVModul : public MObjType {
public:
    MObjTypePVModul();
    MBaseObj* CreateObject(std::int32_t objectID) override;
};

// A module of the catalogue.
class MPVModulObj : public MBaseObj {
public:
    MPVModulObj(MObjType* type, std::int32_t objectID);

    QString ObjName;
    double xsize = 30;
    double ysize = 25;
    double zsize = 5;
    tandrel::platform::ColorRef PenColor = 0x0000FF;
    tandrel::platform::ColorRef FillColor = 0xFF0000;
    std::int32_t PenWidth = 1;
    std::int32_t PenStyle = 0;
    std::int32_t ModulTyp = 0;
    double ModulLeistung = 100; // module power, W

    MBaseObj& Clone() const override;
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    void SaveSettings(MKontaloRegistry& store, const QString& key) const override;
    bool ReadFromStream(QIODevice& stream) override;
    bool WriteToStream(QIODevice& stream) const override;
    std::vector<MListColumn> SetupListColumns() const override;
    QStringList FillListItem(int data) const override;
};
