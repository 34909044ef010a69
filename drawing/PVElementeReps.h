#pragma once

#include "drawing/ModelRep.h"

#include <QImage>
#include <QPointF>
#include <vector>

class MGruppeRep;
class MStandardFlaecheRep;
class MSperrFlaecheRep;

// One PV module of a raster (RepTyp 20). XPos/YPos is its lower-left corner.
class MPVModulRep : public MBaseRep {
public:
    MPVModulRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);

    MGruppeRep* Group = nullptr; // the group that created it, not owned
    std::int32_t ModulID = 0;
    std::int32_t ModulInnerhalb = 0; // 1: inside the usable area
    std::int32_t GruppeRepID = 0;
    std::int32_t ModulStatus = 1;    // 1 active, 0 switched off by a blocked area
    std::int32_t RowNr = 0, ColNr = 0;
    std::int32_t WRNr = 0, StringNr = 0;

    // All five test points (centre, then the corners) are usable in area.
    bool IsInsideArea(const MStandardFlaecheRep& area) const;

    MBaseRep& Clone(MStructur& target) const override;
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    void SaveSettings(MKontaloRegistry& store, const QString& key) override;
    void Draw(MVirtualView& view) override;
};

// A raster of modules (RepTyp 510): rows along y, columns along x, with
// periodic column gaps and an optional row offset. Its structure holds the
// modules.
class MGruppeRep : public MPVModelRep {
public:
    MGruppeRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);

    const QImage* ModulePicture = nullptr; // drawn into every active module; not owned
    bool ShowModules = true;
    std::int32_t GruppeModulID = 0;
    std::int32_t RasterTyp = 0; // 1 cumulative row offset, 2 alternating, other none
    std::int32_t RowCount = 2;
    std::int32_t ColCount = 8;
    double RowDistance = 0.05;
    double ColDistance = 0.05;
    double XVersatz = 0.3;
    double RowElevationAngle = 0, ColElevationAngle = 0;
    std::int32_t ColCountAnfang = 10;
    std::int32_t ColCountPeriode = 10;
    double ColPeriodeAbstand = 0.6;
    std::int32_t RowCountAnfang = 10, RowCountPeriode = 10;
    double RowPeriodeAbstand = 0.6;
    double ElementBreite = 0.9;
    double ElementHoehe = 1.6;

    // Rasters larger than this are not built.
    static constexpr long long kMaxModules = 1'000'000;

    // Sets the group's size and, when it has no modules yet, creates them.
    // A ColCountPeriode of 0 has no column gaps defined: nothing is built.
    void BuildRaster();
    // Number of column gaps left of column j.
    std::int64_t ColumnGaps(std::int64_t j) const;
    // MarkInside and RecheckBlocked against the group's own owner list.
    void UpdateModuleStates(MBaseStructur& list);
    void MarkInside(MBaseStructur& structure);
    void RecheckBlocked(MBaseStructur& structure);
    void BlockModules(const MSperrFlaecheRep& blockedArea);

    MBaseRep& Clone(MStructur& target) const override;
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    void SaveSettings(MKontaloRegistry& store, const QString& key) override;
    void Draw(MVirtualView& view) override;
    void MoveBy(double dx, double dy) override;
    bool ContainsPoint(double x, double y) const override;
    void DrawMoveOutline(MVirtualView& view, double dx, double dy) override;

private:
    // The modules of the structure, collected into a reused list.
    const std::vector<MPVModulRep*>& CollectModules();
    static void Block(const std::vector<MPVModulRep*>& modules, const MSperrFlaecheRep& blockedArea);

    std::vector<MPVModulRep*> m_modules;
};

// The older module field (RepTyp 505): rows × columns of rotated rectangles.
class MPVFeldRep : public MBaseRep {
public:
    MPVFeldRep(MBaseStructur* owner, std::int32_t objectID, std::int32_t typeNum, double x, double y);

    std::int32_t RowCount = 2;
    std::int32_t ColCount = 8;

    static constexpr double kAngle = -0.07696902001294993;
    static constexpr long long kMaxElements = 100'000;

    // The world polygon of one element.
    std::vector<QPointF> ElementPolygon(int row, int col) const;

    MBaseRep& Clone(MStructur& target) const override;
    void LoadSettings(MKontaloRegistry& store, const QString& key) override;
    void SaveSettings(MKontaloRegistry& store, const QString& key) override;
    void Draw(MVirtualView& view) override;
};
