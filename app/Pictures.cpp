#include "app/Pictures.h"

#include <QFile>
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
    return QStringLiteral(":/pictures/") + name + QStringLiteral(".png");
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
    QFile file(resourcePath(name));
    if (file.open(QIODevice::ReadOnly))
        img.loadFromData(file.readAll(), "PNG");
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
