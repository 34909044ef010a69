#pragma once

// Frame IDs of every view, in one place. Views whose class does not exist
// yet are listed too, so callers can name them already.
namespace FrameId {

inline constexpr int Overview = 1100;            // TOverviewFrame, start page
inline constexpr int KontaloProdukt = 1110;      // TKontaloProduktFrame
inline constexpr int PapierHaus = 1600;          // TPapierHausFrame
inline constexpr int Ertrag = 1610;              // TErtragFrame
inline constexpr int Eigenverbrauch = 1620;      // TEigenverbrauchFrame
inline constexpr int KEV = 1622;                 // TKEVFrame
inline constexpr int Dachplanung2D = 1630;       // TDachplanung2DFrame
inline constexpr int Aux = 3010;                 // auxiliary frame of the update panel; no class
inline constexpr int Help = 3050;                // THelpFrame
inline constexpr int Branchenbuch = 4400;        // TBranchenbuchFrame
inline constexpr int AdressGeo = 4450;           // TAdressGeoFrame
inline constexpr int Adress = 6100;              // TAdressFrame

// Embedded frames; never in the factory's list.
inline constexpr int AnlagePlanung2D = 12345;    // TAnlagePlanung2DFrame in the roof planner
inline constexpr int RepDialog = 22222;          // representation dialog frames
inline constexpr int Graphic3D = 42354;          // TGraphic3DFrame in the paper house

} // namespace FrameId
