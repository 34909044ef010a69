#include "drawing/BaseRep.h"

#include "app/KontaloRegistry.h"
#include "app/SettingsFields.h"
#include "drawing/BaseObj.h"
#include "drawing/Canvas.h"
#include "drawing/RepDialogRegistry.h"
#include "drawing/Structur.h"
#include "drawing/VirtualView.h"
#include "platform/Logging.h"

#include <QIODevice>
#include <QtEndian>
#include <algorithm>
#include <cstring>

MBaseRep::MBaseRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y)
    : Owner(owner)
    , XPos(x)
    , YPos(y)
{
    SetObject(typeNum, objectID);
}

MBaseRep::~MBaseRep() = default;

TBaseFrame* MBaseRep::CreateDialogFrame(QWidget* parent, TBaseFrame* ownerFrame, TBaseFrameFactory* factory)
{
    // The dialog frames live in the widget library, which registers them.
    return CreateRegisteredDialogFrame(*this, parent, ownerFrame, factory);
}

void MBaseRep::SetObject(std::int32_t typeNum, std::int32_t objectID)
{
    ObjectTypeNum = typeNum;
    ObjektID = objectID;
    CatalogueObject = nullptr;
    if (Owner && Owner->ObjTypeManager())
        CatalogueObject = Owner->ObjTypeManager()->FindObject(typeNum, objectID);
}

namespace {

const MSettingsFields<MBaseRep> kBaseFields{
    {QStringLiteral("RepTyp"), &MBaseRep::RepTyp, 1},
    {QStringLiteral("RepID"), &MBaseRep::RepID, 0},
    {QStringLiteral("XPos"), &MBaseRep::XPos, 1},
    {QStringLiteral("YPos"), &MBaseRep::YPos, 1},
    {QStringLiteral("ZPos"), &MBaseRep::ZPos, 1},
    {QStringLiteral("XSize"), &MBaseRep::XSize, 1},
    {QStringLiteral("YSize"), &MBaseRep::YSize, 1},
    {QStringLiteral("ZSize"), &MBaseRep::ZSize, 1},
    {QStringLiteral("ObjectTypeNum"), &MBaseRep::ObjectTypeNum, 0},
    {QStringLiteral("ObjektID"), &MBaseRep::ObjektID, 0},
    {QStringLiteral("Name1"), &MBaseRep::Name1, QString()},
    {QStringLiteral("Name2"), &MBaseRep::Name2, QString()},
};

} // namespace

bool MBaseRep::LoadGuarded(const QString& key, const std::function<void()>& load)
{
    try {
        load();
        return true;
    } catch (const std::exception& e) {
        qCWarning(lcTandrelDrawing) << "values of" << key << "not loaded:" << e.what();
        return false;
    }
}

bool MBaseRep::SaveGuarded(const std::function<void()>& save)
{
    try {
        save();
        return true;
    } catch (const RegistryError&) {
        return false;
    }
}

void MBaseRep::LoadBase(MKontaloRegistry& store, const QString& key)
{
    LoadGuarded(key, [&] { kBaseFields.Load(store, key, *this); });
}

void MBaseRep::SaveBase(MKontaloRegistry& store, const QString& key) const
{
    SaveGuarded([&] { kBaseFields.Save(store, key, *this); });
}

namespace {

constexpr int kStreamSize = 48;

double DoubleAt(const char* p)
{
    const quint64 bits = qFromLittleEndian<quint64>(p);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

void PutDouble(char* p, double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    qToLittleEndian<quint64>(bits, p);
}

} // namespace

bool MBaseRep::ReadFromStream(QIODevice& stream)
{
    const QByteArray data = stream.read(kStreamSize);
    if (data.size() != kStreamSize)
        return false;
    const char* p = data.constData();
    XPos = DoubleAt(p);
    YPos = DoubleAt(p + 8);
    OffsetX = DoubleAt(p + 16);
    OffsetY = DoubleAt(p + 24);
    PenColor = qFromLittleEndian<quint32>(p + 32);
    AuxColor1 = qFromLittleEndian<quint32>(p + 36);
    FillColor = qFromLittleEndian<quint32>(p + 40);
    AuxColor2 = qFromLittleEndian<quint32>(p + 44);
    return true;
}

bool MBaseRep::WriteToStream(QIODevice& stream) const
{
    char buf[kStreamSize];
    PutDouble(buf, XPos);
    PutDouble(buf + 8, YPos);
    PutDouble(buf + 16, OffsetX);
    PutDouble(buf + 24, OffsetY);
    qToLittleEndian<quint32>(PenColor, buf + 32);
    qToLittleEndian<quint32>(AuxColor1, buf + 36);
    qToLittleEndian<quint32>(FillColor, buf + 40);
    qToLittleEndian<quint32>(AuxColor2, buf + 44);
    return stream.write(buf, kStreamSize) == kStreamSize;
}

MWorldBox MBaseRep::Box() const
{
    return {XPos, YPos, XPos + XSize, YPos + YSize};
}

void MBaseRep::DrawMoveOutline(MVirtualView& view, double dx, double dy)
{
    MCanvas* c = view.Canvas;
    if (!c)
        return;
    c->SetPenColor(0);
    c->SetPenWidth(1);
    c->SetPenStyle(kPenSolid);
    c->SetBrushStyle(MBrushStyle::Clear);
    c->SetBrushColor(0xFFFFFF);
    const MWorldBox b = Box();
    c->Rectangle(view.WorldToDeviceX(b.MinX + dx), view.WorldToDeviceY(b.MinY + dy),
                 view.WorldToDeviceX(b.MaxX + dx), view.WorldToDeviceY(b.MaxY + dy));
}

void MBaseRep::MoveBy(double dx, double dy)
{
    XPos += dx;
    YPos += dy;
}

bool MBaseRep::ContainsPoint(double x, double y) const
{
    const double px = x - OffsetX;
    const double py = y - OffsetY;
    const MWorldBox b = Box();
    return b.MinX < px && px < b.MaxX && b.MinY < py && py < b.MaxY;
}

bool MBaseRep::LiesInRect(double x1, double y1, double x2, double y2) const
{
    const MWorldBox b = Box();
    return std::min(x1, x2) - OffsetX < b.MinX && std::max(x1, x2) - OffsetX > b.MaxX
        && std::min(y1, y2) - OffsetY < b.MinY && std::max(y1, y2) - OffsetY > b.MaxY;
}
