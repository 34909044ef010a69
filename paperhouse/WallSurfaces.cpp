#include "paperhouse/WallSurfaces.h"

#include "app/Pictures.h"
#include "drawing/Rounding.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tandrel::paperhouse {

namespace {

struct TextureEntry {
    const char* caption;
    const char* picture;
};

const TextureEntry kTextures[] = {
    {"keine Struktur", nullptr},
    {"Backstein", "texture/backstein"},
    {"Backstein (verwittert)", "texture/backstein-verwittert"},
    {"Rauhputz (weiss)", "texture/rauputz-weiss"},
    {"Rauhputz (braun)", "texture/rauputz-braun"},
    {"Rauhputz (beige)", "texture/rauputz-beige"},
    {"Rauhputz (gelb)", "texture/rauputz-gelb"},
    {"Rauhputz (oka)", "texture/rauputz-oka"},
    {"Rauhputz (blau)", "texture/rauputz-blau"},
    {"Rauhputz (hellblau)", "texture/rauputz-hellblau"},
    {"Kellenstrich (blassgrau)", "texture/kellenstrich-blassgrau"},
    {"Kellenstrich (beige)", "texture/kellenstrich-beige"},
    {"Holz (Stämme)", "texture/rundholz"},
    {"Holz (Douglasie)", "texture/douglasie"},
};

// Tile counts stop here; a wall of 1,000 m needs 1,002.
constexpr double kMaxTiles = 4096;

}  // namespace

QStringList WallTextureCaptions()
{
    QStringList list;
    for (const TextureEntry& e : kTextures)
        list << QString::fromUtf8(e.caption);
    return list;
}

QString WallTexturePictureName(int index)
{
    if (index <= 0 || index >= int(std::size(kTextures)))
        return {};
    return QString::fromLatin1(kTextures[index].picture);
}

QImage WallTextureTile(int index, int side)
{
    const QString name = WallTexturePictureName(index);
    if (name.isEmpty() || side <= 0)
        return {};
    return tandrel::pictures::scaled(name, QSize(side, side));
}

int WallTextureTileSide(double wallHeight, int atLeast)
{
    const TTiling t = WallTiling(1, wallHeight);
    const int drawn = t.height > 0 ? int(std::ceil(t.tile)) : kWallTextureTileSize;
    return std::clamp(std::max(drawn, atLeast), 1, kWallTextureTileSize);
}

TTiling WallTiling(double wallLength, double wallHeight)
{
    TTiling t;
    if (!(wallLength > 0) || !(wallHeight > 0) || !std::isfinite(wallLength) || !std::isfinite(wallHeight))
        return t;
    t.height = kTiledWallHeight;
    // Very long walls are capped in width so the picture stays allocatable.
    t.width = std::clamp(RoundToInt(kTiledWallHeight * wallLength / wallHeight), 1, kMaxTiledWallWidth);
    t.tile = kTiledWallHeight / wallHeight;
    t.columns = int(std::min(std::trunc(wallLength), kMaxTiles)) + 2;
    t.rows = int(std::min(std::trunc(wallHeight), kMaxTiles)) + 2;
    return t;
}

QImage TileWallTexture(const QImage& tile, double wallLength, double wallHeight)
{
    const TTiling t = WallTiling(wallLength, wallHeight);
    if (tile.isNull() || t.width <= 0)
        return {};
    QImage wall(t.width, t.height, QImage::Format_RGB32);
    wall.fill(Qt::white);
    QPainter p(&wall);
    for (int r = 0; r < t.rows; ++r) {
        const int top = RoundToInt(t.tile * r);
        if (top >= t.height)
            break;
        const int bottom = RoundToInt(t.tile * (r + 1));
        for (int c = 0; c < t.columns; ++c) {
            const int left = RoundToInt(t.tile * c);
            if (left >= t.width)
                break;
            const int right = RoundToInt(t.tile * (c + 1));
            p.drawImage(QRect(left, top, right - left, bottom - top), tile);
        }
    }
    return wall;
}

QImage LoadWallPicture(const QString& fileName)
{
    if (fileName.isEmpty())
        return {};
    return tandrel::platform::loadPictureFile(fileName);
}

}  // namespace tandrel::paperhouse
