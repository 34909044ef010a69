#include "drawing/BaseObj.h"

#include "app/KontaloRegistry.h"
#include "app/SettingsFields.h"
#include "drawing/DrawConventions.h"
#include "platform/Logging.h"
#include "text/FormatText.h"

#include <QDataStream>
#include <QIODevice>
#include <algorithm>

void MObjStructur::Remove(const MBaseObj* obj)
{
    std::erase(m_items, obj);
}

MBaseObj::MBaseObj(MObjType* type, std::int32_t objectID)
    : ObjType(type)
    , ObjID(objectID)
{
    if (ObjType)
        ObjType->Objects.Add(this);
}

MBaseObj::~MBaseObj()
{
    if (ObjType)
        ObjType->Objects.Remove(this);
}

int MBaseObj::TypeNumber() const
{
    return ObjType ? ObjType->TypeNum : 0;
}

MObjType::MObjType(std::int32_t typeNum, const QString& typeName)
    : TypeNum(typeNum)
    , TypeName(typeName)
{
}

MObjType::~MObjType()
{
    // Objects leave `Objects` as they go; free them newest first.
    while (!m_owned.empty())
        m_owned.pop_back();
}

MBaseObj* MObjType::CreateObject(std::int32_t objectID)
{
    if (objectID > MaxObjectID)
        MaxObjectID = objectID;
    return nullptr;
}

MObjType& MObjTypeManager::Add(std::unique_ptr<MObjType> type)
{
    m_types.push_back(std::move(type));
    return *m_types.back();
}

MObjType* MObjTypeManager::FindType(std::int32_t typeNum) const
{
    for (const auto& t : m_types)
        if (t->TypeNum == typeNum)
            return t.get();
    return nullptr;
}

MBaseObj* MObjTypeManager::FindObject(std::int32_t typeNum, std::int32_t objectID) const
{
    MObjType* type = FindType(typeNum);
    if (!type)
        return nullptr;
    for (int i = 0; i < type->Objects.Count(); ++i)
        if (type->Objects.Items(i)->ObjID == objectID)
            return type->Objects.Items(i);
    return nullptr;
}

MObjTypePVModul::MObjTypePVModul()
    : MObjType(20, QStringLiteral("PV Module"))
{
    RegistryKey = QStringLiteral("Objects\\") + QString::number(TypeNum);
}

MBaseObj* MObjTypePVModul::CreateObject(std::int32_t objectID)
{
    MObjType::CreateObject(objectID);
    return &Create<MPVModulObj>(objectID);
}

MPVModulObj::MPVModulObj(MObjType* type, std::int32_t objectID)
    : MBaseObj(type, objectID)
{
}

MBaseObj& MPVModulObj::Clone() const
{
    MPVModulObj& c = ObjType->Create<MPVModulObj>(ObjID);
    c.ObjName = ObjName;
    c.xsize = xsize;
    c.ysize = ysize;
    c.zsize = zsize;
    c.PenColor = PenColor;
    c.FillColor = FillColor;
    c.PenWidth = PenWidth;
    c.PenStyle = PenStyle;
    c.ModulTyp = ModulTyp;
    c.ModulLeistung = ModulLeistung;
    return c;
}

namespace {

const MSettingsFields<MPVModulObj> kModulObjFields{
    {QStringLiteral("ObjID"), &MPVModulObj::ObjID, 0},
    {QStringLiteral("ObjName"), &MPVModulObj::ObjName, QStringLiteral("NorviObjekt")},
    {QStringLiteral("xsize"), &MPVModulObj::xsize, 0},
    {QStringLiteral("ysize"), &MPVModulObj::ysize, 0},
    {QStringLiteral("zsize"), &MPVModulObj::zsize, 0},
    {QStringLiteral("ModulTyp"), &MPVModulObj::ModulTyp, 0},
    {QStringLiteral("ModulLeistung"), &MPVModulObj::ModulLeistung, 0},
};

} // namespace

void MPVModulObj::LoadSettings(MKontaloRegistry& store, const QString& key)
{
    try {
        kModulObjFields.Load(store, key, *this);
    } catch (const std::exception& e) {
        // Reads keep their defaults; the drawing core never fails a load.
        qCWarning(lcTandrelDrawing) << "module type" << key << "not loaded:" << e.what();
    }
}

void MPVModulObj::SaveSettings(MKontaloRegistry& store, const QString& key) const
{
    try {
        kModulObjFields.Save(store, key, *this);
    } catch (const RegistryError&) {
        // Stops at the first failing write; the store reports it on closing.
    }
}

bool MPVModulObj::ReadFromStream(QIODevice& device)
{
    QDataStream in(&device);
    in.setByteOrder(QDataStream::LittleEndian);
    qint32 id = 0, typ = 0;
    QString name;
    double x = 0, y = 0, z = 0, power = 0;
    in >> id >> name >> x >> y >> z >> typ >> power;
    if (in.status() != QDataStream::Ok)
        return false;
    ObjID = id;
    ObjName = name;
    xsize = x;
    ysize = y;
    zsize = z;
    ModulTyp = typ;
    ModulLeistung = power;
    return true;
}

bool MPVModulObj::WriteToStream(QIODevice& device) const
{
    QDataStream out(&device);
    out.setByteOrder(QDataStream::LittleEndian);
    out << qint32(ObjID) << ObjName << xsize << ysize << zsize << qint32(ModulTyp) << ModulLeistung;
    return out.status() == QDataStream::Ok;
}

std::vector<MListColumn> MPVModulObj::SetupListColumns() const
{
    return {{QStringLiteral("ID"), 40},       {QStringLiteral("Name"), 160},
            {QStringLiteral("Typ "), 40},     {QStringLiteral("Addr "), 80},
            {QStringLiteral("ModulTyp"), 78}, {QStringLiteral("Leistung"), 70},
            {QStringLiteral("xSize"), 60},    {QStringLiteral("ySize"), 60},
            {QStringLiteral("zSize"), 60}};
}

QStringList MPVModulObj::FillListItem(int data) const
{
    return {QString::asprintf("%d", ObjID),
            ObjName,
            QString::asprintf(" %d", TypeNumber()),
            QString::asprintf(" %d", data),
            QString::asprintf(" %d", ModulTyp),
            FormatText(QStringLiteral(" %2.1f"), {ModulLeistung}),
            FormatText(QStringLiteral(" %2.1f"), {xsize}),
            FormatText(QStringLiteral(" %2.1f"), {ysize}),
            FormatText(QStringLiteral(" %2.1f"), {zsize})};
}
