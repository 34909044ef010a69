#pragma once

#include "platform/RegularFile.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace tandrel::paperhouse {

// The wall-texture list: caption of each index; index 0 is "keine Struktur".
QStringList WallTextureCaptions();
// Built-in picture name of a texture index ("texture/backstein"); empty for
// index 0 and for indices outside the list.
QString WallTexturePictureName(int index);
// Side length of the built-in tiles in pixels.
constexpr int kWallTextureTileSize = 400;

// The built-in tile of a texture index, decoded straight at side x side
// pixels and not kept; a null image when there is none.
QImage WallTextureTile(int index, int side = kWallTextureTileSize);
// Height of a tiled wall picture in pixels.
constexpr int kTiledWallHeight = 800;
// Widest tiled wall picture; longer walls stretch their tiles.
constexpr int kMaxTiledWallWidth = 16384;

struct TTiling {
    int width = 0, height = 0; // picture size
    int columns = 0, rows = 0; // tiles placed (the last ones may be cut)
    double tile = 0;           // tile size in pixels
};
// Picture size and tile grid for a wall of the given length and height (m):
// one tile per square metre on a picture 800 pixels high.
TTiling WallTiling(double wallLength, double wallHeight);
// The tile side a wall of that height draws (at most the stored side, at
// least `atLeast`), so a tile need not be decoded larger than it is drawn.
int WallTextureTileSide(double wallHeight, int atLeast);
// The wall picture with the texture tiled into it.
QImage TileWallTexture(const QImage& tile, double wallLength, double wallHeight);

// Largest picture side accepted on load; bigger pictures are scaled down.
constexpr int kMaxPictureSide = tandrel::platform::kMaxPictureSide;
// A wall picture or photo from a file: a null image for an empty name or a
// file that is missing, unreadable, no regular file or no picture.
QImage LoadWallPicture(const QString& fileName);

}  // namespace tandrel::paperhouse
