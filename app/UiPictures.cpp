#include "app/UiPictures.h"

#include "app/Pictures.h"

QPixmap UiPicture(const QString& name)
{
    const QString full = QStringLiteral("ui/") + name;
    if (!tandrel::pictures::contains(full))
        return {};
    return tandrel::pictures::pixmap(full);
}
