// Draws the program's built-in pictures into a folder and writes the resource
// file that embeds them:  tandrel_picgen <output folder> <font folder> [--geodata folder] [--sheet file.png] [--preview file.png]

#include "data/PictureCatalogue.h"
#include "data/RawPicture.h"
#include "tools/picgen/Paint.h"
#include "tools/picgen/SlideKit.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMap>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kSlideJpegQuality = 85;

int fail(const QString& text)
{
    std::fprintf(stderr, "tandrel_picgen: %s\n", qPrintable(text));
    return 1;
}

QString xmlEscaped(const QString& s)
{
    return s.toHtmlEscaped();
}

// All pictures side by side on a grey sheet, for looking at them at once.
QImage contactSheet(const QMap<QString, QImage>& pictures)
{
    const int cellW = 270, cellH = 230, cols = 6;
    const int rows = int((pictures.size() + cols - 1) / cols);
    QImage sheet = picgen::canvas(cols * cellW, rows * cellH, QColor(0xb0, 0xb6, 0xbd));
    QPainter p(&sheet);
    picgen::prepare(p);
    int i = 0;
    for (auto it = pictures.begin(); it != pictures.end(); ++it, ++i) {
        QRectF cell((i % cols) * cellW + 8, (i / cols) * cellH + 8, cellW - 16, cellH - 36);
        QSizeF s = QSizeF(it.value().size()).scaled(cell.size(), Qt::KeepAspectRatio);
        if (s.width() > it.value().width())
            s = it.value().size();
        QRectF r(cell.center() - QPointF(s.width() / 2, s.height() / 2), s);
        p.drawImage(r, it.value());
        p.setFont(picgen::sans(12));
        p.drawText(QRectF(cell.left(), cell.bottom() + 2, cell.width(), 20), Qt::AlignCenter, it.key());
    }
    return sheet;
}

// The start page and the top bar roughly as the program lays them out.
QImage layoutPreview(const QMap<QString, QImage>& pics)
{
    const int W = 1000, H = 760, barH = 69;
    QImage img = picgen::canvas(W, H, QColor(184, 191, 228));
    QPainter p(&img);
    picgen::prepare(p);
    p.fillRect(QRect(0, 0, W, barH), QColor(194, 196, 211));
    const char* bar[] = {"ui/back", "ui/overview", "ui/house3d", "ui/pvplant", "ui/kev", "ui/kontalo",
                         "ui/sponsor", "ui/product", "ui/mobileapp", "ui/info", "ui/exit"};
    const char* captions[] = {"", "Übersicht", "Haus 3D", "PV-Anlage", "KEV", "Kontalo", "", "", "", "", "Beenden"};
    int x = 8;
    for (int i = 0; i < 11; ++i) {
        QImage pic = pics.value(QString::fromLatin1(bar[i]));
        if (QLatin1String(bar[i]) == QLatin1String("ui/product"))
            pic = pic.scaledToHeight(60, Qt::SmoothTransformation);
        const int w = std::max(pic.width(), 64);
        p.drawImage(x + (w - pic.width()) / 2, captions[i][0] ? 8 : (barH - pic.height()) / 2, pic);
        p.setFont(picgen::sans(12));
        p.setPen(Qt::black);
        p.drawText(QRect(x, 44, w, 20), Qt::AlignCenter, QString::fromUtf8(captions[i]));
        x += w + 10;
    }
    const QRect body(0, barH, W, H - barH);
    const QImage bg = pics.value(QStringLiteral("catalogue/3140"));
    const QPoint c = body.center();
    p.drawImage(c.x() - bg.width() / 2, c.y() - bg.height() / 2, bg);
    const QImage m1 = pics.value(QStringLiteral("ui/marker-pv")), m2 = pics.value(QStringLiteral("ui/marker-lists"));
    const QPoint t1(c.x() - m1.width() / 2, c.y() - m1.height() / 2 - 220), t2(c.x() - m2.width() / 2, c.y() - m2.height() / 2 - 60);
    p.drawImage(t1, m1);
    p.drawImage(t2, m2);
    auto button = [&](int left, int top, const char* pic, const QString& caption) {
        p.drawImage(left + (110 - 72) / 2, top + 6, pics.value(QString::fromLatin1(pic)));
        p.setFont(picgen::sans(13, true));
        p.setPen(Qt::black);
        p.drawText(QRect(left, top + 80, 110, 20), Qt::AlignCenter, caption);
    };
    button(t1.x() + 25, t1.y() + m1.height() + 1, "ui/start-house3d", QStringLiteral("Haus 3D"));
    button(t1.x() + m1.width() - 110 - 25, t1.y() + m1.height() + 1, "ui/start-pvplant", QStringLiteral("PV-Anlage"));
    button(t2.x() + 25, t2.y() + m2.height() + 1, "ui/start-selfconsumption", QStringLiteral("Eigenverbrauch"));
    button(t2.x() + m2.width() - 110 - 25, t2.y() + m2.height() + 1, "ui/start-kev", QStringLiteral("KEV"));
    button(t2.x() + (m2.width() - 110) / 2, t2.y() + m2.height() + 1, "ui/start-folder", QStringLiteral("Kundenmappe"));
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return fail(QStringLiteral("usage: tandrel_picgen <output folder> <font folder> [--geodata folder] [--sheet file.png] [--preview file.png]"));
    const QDir out(args[1]);
    const QString fontDir = args[2];
    QString sheetFile, previewFile, geoDir;
    for (int i = 3; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--sheet"))
            sheetFile = args[i + 1];
        else if (args[i] == QLatin1String("--preview"))
            previewFile = args[i + 1];
        else if (args[i] == QLatin1String("--geodata"))
            geoDir = args[i + 1];
    }

    // Only the fonts loaded here are used, so the pictures do not depend on
    // the fonts a machine happens to have.
    for (const char* f : {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf",
                          "LiberationSans-BoldItalic.ttf", "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf"}) {
        const QString path = QDir(fontDir).filePath(QString::fromLatin1(f));
        if (QFontDatabase::addApplicationFont(path) < 0)
            return fail(QStringLiteral("cannot load the font %1").arg(path));
    }

    QMap<QString, QImage> pictures;
    QString error;
    const picgen::Sink sink = [&](const QString& name, const QImage& image) {
        if (pictures.contains(name))
            error = QStringLiteral("picture %1 drawn twice").arg(name);
        // Catalogue pictures are opaque bitmaps, like photos; so are the roof
        // planner's tiles and modules.
        const bool opaque = name.startsWith(QLatin1String("catalogue/")) || name.startsWith(QLatin1String("slides/"))
            || (name.startsWith(QLatin1String("roof/")) && !image.hasAlphaChannel());
        pictures.insert(name, opaque ? image.convertToFormat(QImage::Format_RGB32)
                                     : image.convertToFormat(QImage::Format_ARGB32));
    };
    picgen::drawLogos(sink);
    picgen::drawPhotos(sink);
    picgen::drawBackgrounds(sink);
    picgen::drawHouseSymbols(sink);
    picgen::drawStartPage(sink);
    picgen::drawTopBar(sink);
    picgen::drawProductScreens(sink);
    picgen::drawWallTextures(sink);
    picgen::drawPaperHousePictures(sink);
    picgen::drawRoofPictures(sink);
    if (!geoDir.isEmpty() && !picgen::drawGermanyMap(sink, geoDir, error))
        return fail(error);
    picgen::drawSlides(sink);
    if (!error.isEmpty())
        return fail(error);
    for (const auto& item : tandrel::pictures::kCatalogue) {
        const QString name = QStringLiteral("catalogue/") + QString::fromLatin1(item.file);
        if (!pictures.contains(name))
            return fail(QStringLiteral("catalogue picture %1 is missing").arg(name));
    }

    // Raw pictures get a resource file of their own: all their sizes are
    // multiples of four, so their pixel rows stay 4-byte aligned in the
    // program and are shown where they are, without a copy.
    QString qrc = QStringLiteral("<RCC>\n  <qresource prefix=\"/pictures\">\n");
    QString rawQrc = qrc;
    for (auto it = pictures.begin(); it != pictures.end(); ++it) {
        // Large opaque catalogue pictures (backgrounds, photos) decode several
        // times faster as JPEG, which matters when the start page shows one.
        // The slides are gradients under text: a PDF embeds their JPEG bytes
        // as they are, at a quality that leaves no visible trace on the text.
        const bool slide = it.key().startsWith(QLatin1String("slides/"));
        const bool photo = (it.key().startsWith(QLatin1String("catalogue/")) && !it.value().hasAlphaChannel() &&
                            it.value().width() >= 400 && it.value().height() >= 300) ||
                           it.key().startsWith(QLatin1String("texture/")) || slide;
        // The small interface pictures are shown at every start: stored as raw
        // premultiplied pixels they need no decoding at all.
        // So is the start page's own background, shown at every start, and so
        // are the roof planner's opaque tiles and modules, which it holds from
        // its start (the program marks them opaque again).
        const bool raw = it.key().startsWith(QLatin1String("ui/")) || it.key() == QLatin1String("catalogue/3140")
                         || (it.key().startsWith(QLatin1String("roof/")) && !it.value().hasAlphaChannel());
        const QString file = it.key() + (raw ? QStringLiteral(".raw") : photo ? QStringLiteral(".jpg") : QStringLiteral(".png"));
        const QString path = out.filePath(file);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()))
            return fail(QStringLiteral("cannot create the folder for %1").arg(path));
        QSaveFile f(path);
        const bool opened = f.open(QIODevice::WriteOnly);
        bool saved = false;
        if (opened && raw)
            saved = f.write(tandrel::pictures::encodeRawPicture(it.value())) > 0;
        else if (opened)
            saved = photo ? it.value().save(&f, "JPEG", slide ? kSlideJpegQuality : 92) : it.value().save(&f, "PNG");
        if (!saved || !f.commit())
            return fail(QStringLiteral("cannot write %1").arg(path));
        (raw ? rawQrc : qrc) += QStringLiteral("    <file>%1</file>\n").arg(xmlEscaped(file));
    }
    for (auto [name, text] : {std::pair{"pictures.qrc", &qrc}, {"pictures-raw.qrc", &rawQrc}}) {
        *text += QStringLiteral("  </qresource>\n</RCC>\n");
        QSaveFile q(out.filePath(QString::fromLatin1(name)));
        if (!q.open(QIODevice::WriteOnly) || q.write(text->toUtf8()) < 0 || !q.commit())
            return fail(QStringLiteral("cannot write %1").arg(QString::fromLatin1(name)));
    }

    // The desktop entry's icon is installed as a file, not embedded.
    if (!picgen::appIcon(256).save(out.filePath(QStringLiteral("tandrel.png")), "PNG"))
        return fail(QStringLiteral("cannot write the program icon"));

    if (!sheetFile.isEmpty() && !contactSheet(pictures).save(sheetFile))
        return fail(QStringLiteral("cannot write %1").arg(sheetFile));
    if (!previewFile.isEmpty() && !layoutPreview(pictures).save(previewFile))
        return fail(QStringLiteral("cannot write %1").arg(previewFile));
    return 0;
}
