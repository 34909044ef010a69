#include "app/Pictures.h"

#include "data/RawPicture.h"

#include <QBuffer>
#include <QResource>
#include <QImageReader>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

// The resource object registers itself at start-up; naming its initialiser
// here also keeps the pictures in programs linked some other way.
static void initPictureResources()
{
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(pictures_raw);
}

namespace tandrel::pictures {

namespace {

enum class Kind { Raw, Png, Jpeg };

struct Resource {
    QResource res;
    Kind kind = Kind::Png;
};

// Built-in pictures are raw pixels when the interface needs them at once,
// otherwise PNG or JPEG.
bool findResource(const QString& name, Resource& found)
{
    static const bool ready = (initPictureResources(), true);
    Q_UNUSED(ready);
    const QString base = QStringLiteral(":/pictures/") + name;
    for (auto [ext, kind] : {std::pair{".raw", Kind::Raw}, {".png", Kind::Png}, {".jpg", Kind::Jpeg}}) {
        found.res.setFileName(base + QLatin1String(ext));
        if (found.res.isValid()) {
            found.kind = kind;
            return true;
        }
    }
    return false;
}

// Bytes of a built-in resource; uncompressed ones are not copied.
QByteArray bytesOf(const QResource& res)
{
    if (res.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(res.data()), res.size());
    return res.uncompressedData();
}

const char* formatOf(Kind kind)
{
    return kind == Kind::Jpeg ? "jpeg" : "png";
}

QImage load(const QString& name)
{
    Resource found;
    if (!findResource(name, found))
        return {};
    const QResource& res = found.res;
    if (found.kind == Kind::Raw) {
        // Resource bytes live as long as the program: shown where they are.
        QImage img = res.compressionAlgorithm() == QResource::NoCompression
            ? viewRawPicture(res.data(), res.size())
            : decodeRawPicture(res.uncompressedData());
        // Catalogue pictures are opaque, and so are the roof pictures stored
        // raw: marked so, nothing has to look for transparent pixels when the
        // picture is shown or printed.
        if (name.startsWith(QLatin1String("catalogue/")) || name.startsWith(QLatin1String("roof/")))
            img.reinterpretAsFormat(QImage::Format_RGB32);
        return img;
    }
    QBuffer buffer;
    buffer.setData(bytesOf(res));
    buffer.open(QIODevice::ReadOnly);
    // Naming the decoder exactly keeps Qt from loading every image plugin to probe the data.
    QImageReader reader(&buffer, formatOf(found.kind));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QImage image(const QString& name)
{
    static QMutex mutex;
    static QHash<QString, QImage> cache;
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    const QImage img = load(name);
    cache.insert(name, img);
    return img;
}

QPixmap pixmap(const QString& name)
{
    return QPixmap::fromImage(image(name));
}

bool contains(const QString& name)
{
    Resource found;
    return findResource(name, found);
}

QSize size(const QString& name)
{
    Resource found;
    if (!findResource(name, found))
        return {};
    if (found.kind == Kind::Raw)
        return load(name).size();
    QBuffer buffer;
    buffer.setData(bytesOf(found.res));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, formatOf(found.kind));
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}

QImage scaled(const QString& name, const QSize& size)
{
    if (size.isEmpty())
        return {};
    Resource found;
    if (!findResource(name, found))
        return {};
    if (found.kind == Kind::Raw) {
        const QImage img = load(name);
        return img.size() == size ? img : img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QBuffer buffer;
    buffer.setData(bytesOf(found.res));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, formatOf(found.kind));
    reader.setAutoDetectImageFormat(false);
    if (reader.size() != size)
        reader.setScaledSize(size);
    QImage img = reader.read();
    if (!img.isNull() && img.size() != size)
        img = img.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return img;
}

QByteArray storedJpeg(const QString& name)
{
    Resource found;
    if (!findResource(name, found) || found.kind != Kind::Jpeg)
        return {};
    return bytesOf(found.res);
}

QByteArray storedPng(const QString& name)
{
    Resource found;
    if (!findResource(name, found) || found.kind != Kind::Png)
        return {};
    return bytesOf(found.res);
}

} // namespace tandrel::pictures
