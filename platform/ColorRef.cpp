#include "platform/ColorRef.h"

#include <QGuiApplication>
#include <QPalette>

namespace tandrel::platform {

static QColor systemColor(int index)
{
    const QPalette pal = QGuiApplication::palette();
    switch (index) {
    case 5: return pal.color(QPalette::Base);            // window
    case 8: return pal.color(QPalette::Text);            // window text
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);         // button face
    case 18: return pal.color(QPalette::ButtonText);
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);    // info background
    default: return pal.color(QPalette::Window);
    }
}

QColor toQColor(ColorRef c)
{
    if (isSystemColor(c))
        return systemColor(int(c & 0xFF));
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

ColorRef fromQColor(const QColor& c)
{
    return rgbRef(c.red(), c.green(), c.blue());
}

} // namespace tandrel::platform
