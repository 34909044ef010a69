#pragma once

#include "platform/ColorRef.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

class MBaseObj;
class MBaseStructur;
class MStructur;
class MVirtualView;
class MKontaloRegistry;
class QIODevice;
class QWidget;
class TBaseFrame;
class TBaseFrameFactory;

// Representation type numbers (`RepTyp`).
enum MRepTypNum : std::int32_t {
    kRepTypEmpty = 1, // what the loader reads for a missing entry
    kRepTypBackPlane = 10,
    kRepTypPVModul = 20,
    kRepTypModel = 40,
    kRepTypMasstab = 110,
    kRepTypSperrFlaeche = 310,
    kRepTypPVFeld = 505,
    kRepTypGruppe = 510,
    kRepTypStandardFlaeche = 610,
    kRepTypFlaeche3D = 802,
    kRepTypGebaeude = 810,
};

// An axis-parallel box in world units.
struct MWorldBox {
    double MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
};

// Something a graphic frame shows: position, size, colours, type number.
// Representations are created into an MStructur, which owns them
// (MStructur::Create); `Owner` is that list.
class MBaseRep {
public:
    MBaseRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);
    virtual ~MBaseRep();
    MBaseRep& operator=(const MBaseRep&) = delete;

    MBaseStructur* Owner = nullptr;
    TBaseFrame* DialogFrame = nullptr;   // not owned
    MBaseObj* CatalogueObject = nullptr; // not owned
    std::int32_t ObjectTypeNum = 0;
    std::int32_t ObjektID = 0;
    double XPos = 0, YPos = 0, ZPos = 0;
    double Rotation = 0; // radians
    double OffsetX = 0, OffsetY = 0;
    double XSize = 0, YSize = 0, ZSize = 0;
    std::int32_t RepID = 0;
    std::int32_t RepTyp = 0;
    std::int32_t Layer = 0;
    QString Name1, Name2;
    tandrel::platform::ColorRef PenColor = 0;
    tandrel::platform::ColorRef AuxColor1 = 0;
    tandrel::platform::ColorRef FillColor = 0;
    tandrel::platform::ColorRef AuxColor2 = 0;
    std::int32_t PenWidth = 1;
    std::int32_t PenStyle = 0;

    // A new representation of the same class in target with the same IDs,
    // position, colours and class fields.
    virtual MBaseRep& Clone(MStructur& target) const = 0;
    // Dialog frame for editing: the one registered for the RepTyp
    // (RepDialogRegistry.h), none by default.
    virtual TBaseFrame* CreateDialogFrame(QWidget* parent, TBaseFrame* ownerFrame, TBaseFrameFactory* factory);
    virtual double Depth() const { return 0; }
    virtual void ComputeDepth(const MVirtualView& /*view*/) {}
    // The class's own values in the settings store.
    virtual void LoadSettings(MKontaloRegistry& store, const QString& key) = 0;
    virtual void SaveSettings(MKontaloRegistry& store, const QString& key) = 0;
    // 48 bytes, little-endian: XPos, YPos, OffsetX, OffsetY as doubles, then
    // the four colours as 32-bit integers. A short stream changes nothing.
    virtual bool ReadFromStream(QIODevice& stream);
    virtual bool WriteToStream(QIODevice& stream) const;
    virtual void Draw(MVirtualView& view) = 0;
    // The base draws nothing in 3D.
    virtual void Draw3D(MVirtualView& /*view*/) {}
    virtual void DrawMoveOutline(MVirtualView& view, double dx, double dy);
    virtual void MoveBy(double dx, double dy);
    // Strictly inside the box (after subtracting the offsets).
    virtual bool ContainsPoint(double x, double y) const;
    // The box lies strictly inside the rectangle (corners in any order).
    virtual bool LiesInRect(double x1, double y1, double x2, double y2) const;
    // The box the common operations (hit test, rectangle test, bounds, move
    // outline) work with: XPos/YPos as the lower-left corner by default.
    virtual MWorldBox Box() const;

    void SetObject(std::int32_t typeNum, std::int32_t objectID);
    // Base values; reading stops at the first failure silently, writing
    // stops at the first failing write (the store reports it on closing).
    void LoadBase(MKontaloRegistry& store, const QString& key);
    void SaveBase(MKontaloRegistry& store, const QString& key) const;

protected:
    // Every value; MStructur::CreateCopy gives the copy its new list.
    MBaseRep(const MBaseRep&) = default;

    // The one wrapper around the classes' own reads: a failure is logged and
    // the values not read keep their defaults (the drawing core never fails
    // a load). False when it failed.
    static bool LoadGuarded(const QString& key, const std::function<void()>& load);
    // Around the writes: stops at the first failing write, which the store
    // reports on closing. False when it failed.
    static bool SaveGuarded(const std::function<void()>& save);

private:
    friend class MStructur;
    MStructur* m_arena = nullptr; // the structure that owns it
    std::size_t m_slot = 0;       // its place in that structure's storage
};
