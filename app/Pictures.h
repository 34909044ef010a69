#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's built-in pictures, drawn at build time and embedded as the
// resources ":/pictures/<name>" with the ending ".png", ".jpg" or, for those
// every start shows, ".raw" (pixels shown in place, without decoding).
//
// Names (sizes in pixels; the "ui/" pictures are transparent):
//   catalogue/<file>     the workspace catalogue, see data/PictureCatalogue.h
//                        (logos 300 x 100, maker logo 280 x 100, brand logo
//                        250 x 100, backgrounds 800 x 600, house symbols 128 x 128)
//   ui/marker-pv         520 x 250 ImageMarkierungPVAnlagen (title "PV-Anlagen";
//                                  two buttons up to about 150 wide hang below)
//   ui/marker-lists      520 x 230 ImageMarkierungListen (title "Informationen";
//                                  three buttons hang below)
//   ui/start-house3d     72 x 72   start page button "&Haus 3D"
//   ui/start-pvplant     72 x 72   start page button "PV-&Anlage"
//   ui/start-kev         72 x 72   start page button "KEV"
//   ui/start-selfconsumption 72 x 72 start page button "Eigenverbrauch"
//   ui/start-folder      72 x 72   start page button "Kundenmappe"
//   ui/back, ui/forward, ui/overview, ui/house3d, ui/pvplant, ui/kev,
//   ui/addresses, ui/kontalo, ui/info, ui/exit
//                        32 x 32   the main window's top bar buttons
//   ui/sponsor           120 x 48  sponsor logo
//   ui/product           240 x 160 product picture (information dialog)
//   ui/mobileapp         40 x 56   the maker's mobile app
//   ui/address-mark      16 x 16   mark of the current address (address book)
//   ui/app-icon          64 x 64   the program's window icon
//   ui/sheet-portrait    30 x 40   a sheet in portrait (presentations)
//   ui/sheet-landscape   40 x 30   a sheet in landscape
//   slides/...           2000 x 1445 the presentation slides, see data/Slides.h
//                        (JPEG, so that a PDF embeds their bytes unchanged)
namespace tandrel::pictures {

inline constexpr char kMarkerPVAnlagen[] = "ui/marker-pv";
inline constexpr char kMarkerListen[] = "ui/marker-lists";
inline constexpr char kStartHouse3D[] = "ui/start-house3d";
inline constexpr char kStartPVPlant[] = "ui/start-pvplant";
inline constexpr char kStartKEV[] = "ui/start-kev";
inline constexpr char kStartSelfConsumption[] = "ui/start-selfconsumption";
inline constexpr char kStartFolder[] = "ui/start-folder";
inline constexpr char kTopBack[] = "ui/back";
inline constexpr char kTopForward[] = "ui/forward";
inline constexpr char kTopOverview[] = "ui/overview";
inline constexpr char kTopHouse3D[] = "ui/house3d";
inline constexpr char kTopPVPlant[] = "ui/pvplant";
inline constexpr char kTopKEV[] = "ui/kev";
inline constexpr char kTopAddresses[] = "ui/addresses";
inline constexpr char kTopKontalo[] = "ui/kontalo";
inline constexpr char kTopInfo[] = "ui/info";
inline constexpr char kTopExit[] = "ui/exit";
inline constexpr char kSponsor[] = "ui/sponsor";
inline constexpr char kProduct[] = "ui/product";
inline constexpr char kMobileApp[] = "ui/mobileapp";
inline constexpr char kAddressMark[] = "ui/address-mark";
inline constexpr char kAppIcon[] = "ui/app-icon";
inline constexpr char kSheetPortrait[] = "ui/sheet-portrait";
inline constexpr char kSheetLandscape[] = "ui/sheet-landscape";

// The picture of that name; a null image for an unknown name. Decoded once,
// then shared (QImage copies are cheap).
QImage image(const QString& name);
// The same as a pixmap; needs a QGuiApplication.
QPixmap pixmap(const QString& name);
// Whether a picture of that name is built in.
bool contains(const QString& name);

// The size of the picture as stored, read from its header without decoding;
// empty for an unknown name.
QSize size(const QString& name);
// The picture decoded straight to that size (stretched; JPEG decodes at a
// reduced scale). Not kept: the caller holds what it shows.
QImage scaled(const QString& name, const QSize& size);
// The stored bytes when the picture is a JPEG (they live as long as the
// program); empty otherwise.
QByteArray storedJpeg(const QString& name);
// The same for a picture stored as PNG.
QByteArray storedPng(const QString& name);

} // namespace tandrel::pictures
