#pragma once

#include <QPixmap>
#include <QString>

// The built-in pictures of buttons and markers, by name ("back", "house3d",
// "marker-pv", …); an empty pixmap when there is none.
QPixmap UiPicture(const QString& name);
