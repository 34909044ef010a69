#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

// The program's built-in pictures, drawn at build time and embedded.
//
// Names (sizes in pixels; "start/" and "top/" pictures are transparent):
//   catalogue/<file>   the workspace catalogue, see data/PictureCatalogue.h
//                      (logos 300 x 100, maker logo 280 x 100, brand logo
//                      250 x 100, backgrounds 800 x 600, house symbols 128 x 128)
//   start/marker-pv     360 x 34  ImageMarkierungPVAnlagen (title "PV-Anlagen";
//                                 two buttons up to about 130 wide hang below)
//   start/marker-lists  170 x 34  ImageMarkierungListen (title "Informationen")
//   start/house3d       72 x 72   start page button "&Haus 3D"
//   start/pvplant       72 x 72   start page button "PV-&Anlage"
//   start/kev           72 x 72   start page button "KEV"
//   top/back, top/forward, top/overview, top/house3d, top/pvplant, top/kev,
//   top/kontalo, top/info, top/exit
//                       32 x 32   the main window's top bar buttons
//   top/sponsor         128 x 48  sponsor logo
//   top/tandrel         240 x 160 product picture (top bar, information dialog)
//   top/mobileapp       40 x 64   the maker's mobile app
namespace tandrel::pictures {

inline constexpr char kMarkerPVAnlagen[] = "start/marker-pv";
inline constexpr char kMarkerListen[] = "start/marker-lists";
inline constexpr char kStartHouse3D[] = "start/house3d";
inline constexpr char kStartPVPlant[] = "start/pvplant";
inline constexpr char kStartKEV[] = "start/kev";
inline constexpr char kTopBack[] = "top/back";
inline constexpr char kTopForward[] = "top/forward";
inline constexpr char kTopOverview[] = "top/overview";
inline constexpr char kTopHouse3D[] = "top/house3d";
inline constexpr char kTopPVPlant[] = "top/pvplant";
inline constexpr char kTopKEV[] = "top/kev";
inline constexpr char kTopKontalo[] = "top/kontalo";
inline constexpr char kTopInfo[] = "top/info";
inline constexpr char kTopExit[] = "top/exit";
inline constexpr char kSponsor[] = "top/sponsor";
inline constexpr char kProduct[] = "top/tandrel";
inline constexpr char kMobileApp[] = "top/mobileapp";

// The picture of that name; a null image for an unknown name. Decoded once,
// then shared (QImage copies are cheap).
QImage image(const QString& name);
// The same as a pixmap; needs a QGuiApplication.
QPixmap pixmap(const QString& name);
// Whether a picture of that name is built in.
bool contains(const QString& name);

} // namespace tandrel::pictures
