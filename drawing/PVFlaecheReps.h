#pragma once

#include "drawing/BaseRep.h"

#include <QImage>
#include <vector>

class MPVModulRep;

// Area forms (`FlaechenForm`); every other number is built as a rectangle.
enum MFlaechenForm : std::int32_t { kFormRechteck = 0, kFormTrapez = 10, kFormLForm = 20 };

// The roof face on which modules may be placed (RepTyp 610): a polygon with
// an inner outline at an edge distance, optionally covered with tiles.
class MStandardFlaecheRep : public MBaseRep {
public:
    MStandardFlaecheRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);

    std::int32_t FlaechenForm = 0;
    std::int32_t CornerCount = 4;
    double Innenabstand1 = 0.8;
    double Laenge1 = 0, Breite1 = 0, Laenge2 = 0, Breite2 = 0;
    double Laenge3 = 0, Breite3 = 0, Laenge4 = 0, Breite4 = 0;
    double Nordrichtung = 0;
    double Modulrichtung = 0;
    double Blickrichtung = 0;
    double WindroseWeltX = 0, WindroseWeltY = 0, WindroseWeltgroesse = 0;
    tandrel::platform::ColorRef WindroseFarbe1 = 0xFF0000;
    tandrel::platform::ColorRef WindroseFarbe2 = 0xC0C0C0;
    tandrel::platform::ColorRef WindroseFarbe3 = 0xFF0000;
    std::int32_t WindroseBreiteProzent = 20;
    double RotCenterX = 0, RotCenterY = 0;
    std::vector<double> OutlineX, OutlineY;     // polygon before rotation
    std::vector<double> InnerX, InnerY;         // inner outline before rotation
    std::vector<double> ShapeX, ShapeY;         // polygon after rotation
    std::vector<double> InnerRotX, InnerRotY;   // inner outline after rotation
    const QImage* CoveringPicture = nullptr;    // not owned
    double TileWidth = 0.4, TileHeight = 0.5;
    double TileOverlapX = 0, TileOverlapY = 0;

    void BuildOutline(std::int32_t form);
    // The point lies in the inner outline.
    bool IsUsable(double x, double y) const;
    // Every module group of structure recomputes its module states.
    static void UpdateGroups(MBaseStructur& structure);

    // The covering tiles in world units and the box they are clipped to.
    struct Tiles {
        MWorldBox Clip;
        std::vector<MWorldBox> Boxes;
        int Columns = 0, Rows = 0;
    };
    // Resets tile sizes outside 0.1 … 10 to 0.4 and 0.5 (as drawing does).
    void NormalizeTileSize();
    // No tiles when a tile step (size minus overlap) is not positive or the
    // count would be absurd.
    Tiles ComputeTiles() const;
    static constexpr long long kMaxTiles = 1'000'000;

    MBaseRep& Clone(MStructur& target) const override;
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    void SaveSettings(MKontaloRegistry& store, const QString& key) override;
    void Draw(MVirtualView& view) override;
    bool ContainsPoint(double x, double y) const override;
    void MoveBy(double dx, double dy) override;
};

// A region that modules must keep clear of (RepTyp 310), centred on
// (XPos, YPos), with an inner outline and an outer one that blocks.
class MSperrFlaecheRep : public MBaseRep {
public:
    MSperrFlaecheRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);

    std::int32_t FlaechenForm = 0;
    std::int32_t CornerCount = 0;
    double Aussenabstand = 0.3;
    bool ZeichneFlaecheAussen = true;
    double Innenabstand = 0.5;
    bool ZeichneZweiteFlaeche = true;
    double Nordrichtung = 0;
    double NordOffset = 0;
    double Laenge1 = 1.6, Breite1 = 2.1, Laenge2 = 0, Breite2 = 0;
    double Laenge3 = 0, Breite3 = 0, Laenge4 = 0, Breite4 = 0;
    double RotCenterX = 0, RotCenterY = 0;
    std::vector<double> OutlineX, OutlineY; // before rotation (centred)
    std::vector<double> InnerX, InnerY;
    std::vector<double> OuterX, OuterY;
    std::vector<double> ShapeX, ShapeY;     // after rotation
    std::vector<double> InnerRotX, InnerRotY;
    std::vector<double> OuterRotX, OuterRotY;

    void BuildOutline(std::int32_t form);
    // The point lies in the outer outline.
    bool IsBlocked(double x, double y) const;
    // The module contains the area's centre or a corner of its outer outline.
    bool HitsModule(const MPVModulRep& module) const;
    void BlockGroups(MBaseStructur& structure) const;
    // Closed box outside of which IsBlocked is false.
    MWorldBox BlockingBox() const;
    // Closed box around the points HitsModule tests (position, outer corners).
    MWorldBox HitPointsBox() const;
    static void RecheckGroups(MBaseStructur& structure);

    // The centred box the common operations use.
    MWorldBox Box() const override;
    MBaseRep& Clone(MStructur& target) const override;
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    void SaveSettings(MKontaloRegistry& store, const QString& key) override;
    void Draw(MVirtualView& view) override;
    bool ContainsPoint(double x, double y) const override;
    void MoveBy(double dx, double dy) override;
};
