#include "app/UiPictures.h"

#include <QFile>

QPixmap UiPicture(const QString& name)
{
    const QString path = QStringLiteral(":/pictures/ui/%1.png").arg(name);
    if (!QFile::exists(path))
        return {};
    return QPixmap(path);
}
