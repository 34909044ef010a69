#include "app/Pictures.h"

#include "data/RawPicture.h"

#include <QFile>
#include <QImageReader>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

// The resource object registers itself at start-up; naming its initialiser
// here also keeps the pictures in programs linked some other way.
static void initPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace tandrel::pictures {

namespace {

QString resourcePath(const QString& name)
{
    static const bool ready = (initPictureResources(), true);
    Q_UNUSED(ready);
    const QString base = QStringLiteral(":/pictures/") + name;
    const QString png = base + QStringLiteral(".png");
    if (QFile::exists(png))
        return png;
    for (const char* ext : {".jpg", ".raw"}) {
        const QString other = base + QLatin1String(ext);
        if (QFile::exists(other))
            return other;
    }
    return png;
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
    QImage img;
    const QString path = resourcePath(name);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        if (path.endsWith(QLatin1String(".raw"))) {
            img = decodeRawPicture(file.readAll());
            // Catalogue pictures are opaque: marked so, nothing has to look
            // for transparent pixels when the picture is shown.
            if (name.startsWith(QLatin1String("catalogue/")))
                img.reinterpretAsFormat(QImage::Format_RGB32);
        } else {
            // Naming the decoder exactly keeps Qt from loading every image plugin to probe the data.
            QImageReader reader(&file, path.endsWith(QLatin1String(".jpg")) ? "jpeg" : "png");
            reader.setAutoDetectImageFormat(false);
            img = reader.read();
        }
    }
    cache.insert(name, img);
    return img;
}

QPixmap pixmap(const QString& name)
{
    return QPixmap::fromImage(image(name));
}

bool contains(const QString& name)
{
    return QFile::exists(resourcePath(name));
}

} // namespace tandrel::pictures
