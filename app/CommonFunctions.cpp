#include "app/CommonFunctions.h"
#include "app/Links.h"

#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/Shell.h"
#include "platform/Logging.h"

#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QPalette>
#include <QLineEdit>
#include <QLocale>
#include <QOperatingSystemVersion>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <algorithm>
#include <array>
#include <cmath>

const char* const kMakerWebSite = "https://www.norvi-software.de";

double EditToFloat(const QLineEdit* edit)
{
    if (!edit)
        return 0.0;
    return TryStrToFloatLocal(edit->text()).value_or(0.0);
}

void OpenURL(const QString& target)
{
    try {
        const QString what = target.isEmpty() ? QString::fromLatin1(kMakerWebSite) : target;
        if (!tandrel::platform::shell().open(what))
            tandrel::platform::dialogs().showMessage(QStringLiteral("Fehler beim Ausführen der Internet-Verknüpfung!"));
    } catch (const std::exception& e) {
        // Opening a link is never worth more than the message above.
        qCWarning(lcTandrelPlatform) << "cannot open" << target << ":" << e.what();
    }
}

void OpenMail(const QString& address)
{
    if (address.trimmed().isEmpty())
        return;
    OpenURL(QStringLiteral("mailto:") + address.trimmed());
}

void StartCalculator()
{
    const QString calculator = tandrel::platform::FindCalculator();
    if (calculator.isEmpty()) {
        tandrel::platform::dialogs().showMessage(
            QStringLiteral("Es wurde kein Taschenrechner gefunden. Bitte installieren Sie zum Beispiel den "
                           "GNOME-Taschenrechner (gnome-calculator)."));
        return;
    }
    if (!tandrel::platform::shell().start(calculator))
        tandrel::platform::dialogs().showMessage(QStringLiteral("Der Taschenrechner konnte nicht gestartet werden."));
}

QString MakerLine()
{
    return QStringLiteral("Tandrel: Hersteller Norvi GmbH, %1, %2")
        .arg(QLatin1String(links::kMakerWebAddress), QLatin1String(links::kProductWebSite));
}

QString TodayText()
{
    const QLocale locale;
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(QDate::currentDate(), format);
}

QString WindowsVersionName(WinPlatform platform, int major, int minor)
{
    if (platform == WinPlatform::Win9x && major == 4) {
        switch (minor) {
        case 0: return QStringLiteral("Windows 95");
        case 10: return QStringLiteral("Windows 98");
        case 90: return QStringLiteral("Windows Me");
        default: break;
        }
    }
    if (platform == WinPlatform::NT) {
        if (major == 3 && minor == 51)
            return QStringLiteral("Windows NT 3.51");
        if (major == 4 && minor == 0)
            return QStringLiteral("Windows NT 4");
        if (major == 5) {
            switch (minor) {
            case 0: return QStringLiteral("Windows 2000");
            case 1: return QStringLiteral("Windows XP");
            case 2: return QStringLiteral("Windows .NET Server");
            default: break;
            }
        }
        if (major == 6) {
            if (minor == 0)
                return QStringLiteral("Windows Vista");
            if (minor == 1)
                return QStringLiteral("Windows 7");
            if (minor >= 2)
                return QStringLiteral("Windows");
        }
    }
    return QStringLiteral("Unbekannte Version");
}

QString WindowsVersionName()
{
    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    if (os.type() != QOperatingSystemVersion::Windows)
        return WindowsVersionName(WinPlatform::Other, 0, 0);
    return WindowsVersionName(WinPlatform::NT, os.majorVersion(), os.minorVersion());
}

namespace {

// Formats whose 8-bit colour channels are changed in place.
bool isDirectFormat(QImage::Format f)
{
    switch (f) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
        return true;
    default:
        return false;
    }
}

// Whether the pixel size is one of 15, 16, 24 or 32 bits.
bool isKeptDepth(const QImage& image)
{
    if (image.depth() == 16)
        return image.format() != QImage::Format_Grayscale16; // one channel, no colour
    return image.depth() == 24 || image.depth() == 32;
}

void lightenDirect(QImage& image, const std::array<uchar, 256>& lut)
{
    const int w = image.width();
    const int h = image.height();
    const QImage::Format f = image.format();
    for (int y = 0; y < h; ++y) {
        uchar* line = image.scanLine(y);
        if (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32) {
            auto* px = reinterpret_cast<QRgb*>(line);
            for (int x = 0; x < w; ++x) {
                const QRgb c = px[x];
                px[x] = qRgba(lut[qRed(c)], lut[qGreen(c)], lut[qBlue(c)], qAlpha(c));
            }
        } else {
            const int step = (f == QImage::Format_RGB888 || f == QImage::Format_BGR888) ? 3 : 4;
            for (int x = 0; x < w; ++x) {
                uchar* p = line + x * step;
                p[0] = lut[p[0]];
                p[1] = lut[p[1]];
                p[2] = lut[p[2]];
            }
        }
    }
}

} // namespace

void LightenBitmap(QImage& image, double factor)
{
    if (!(factor <= 0.98) || image.isNull()) // NaN leaves the picture alone too
        return;
    std::array<uchar, 256> lut;
    for (int c = 0; c < 256; ++c) {
        // std::nearbyint in the default rounding mode rounds halves to even.
        const double v = 255.0 - std::nearbyint(factor * (255 - c));
        lut[c] = uchar(std::clamp(v, 0.0, 255.0));
    }
    if (!isKeptDepth(image)) {
        // Pictures with transparency keep it in 32 bits; all others become 24-bit.
        image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB888);
    }
    const QImage::Format original = image.format();
    if (isDirectFormat(original)) {
        lightenDirect(image, lut);
        return;
    }
    // 15/16/24/32-bit formats with packed or premultiplied channels: work on
    // plain ARGB and return to the picture's own format.
    QImage work = image.convertToFormat(QImage::Format_ARGB32);
    lightenDirect(work, lut);
    image = work.convertToFormat(original);
}

void ImageTo32BitBitmap(QLabel* image)
{
    if (!image)
        return;
    const QPixmap old = image->pixmap();
    if (old.isNull())
        return;
    QImage target(old.size(), QImage::Format_ARGB32);
    target.fill(Qt::transparent);
    target.setDevicePixelRatio(old.devicePixelRatio()); // draw pixel for pixel
    {
        QPainter painter(&target);
        painter.drawPixmap(0, 0, old);
    }
    image->setPixmap(QPixmap::fromImage(target));
}

int SelectPage(QTabWidget* pages, int index)
{
    if (!pages || index < 0 || index >= pages->count())
        return 1;
    if (!pages->widget(index))
        return 1;
    pages->setCurrentIndex(index);
    return 0;
}

bool DirectoryExistsCheck(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

void SetPanelColor(QWidget* widget, tandrel::platform::ColorRef color)
{
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, tandrel::platform::toQColor(color));
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}
