#include "tools/picgen/SlideKit.h"

#include "data/Slides.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextLayout>
#include <cmath>

namespace picgen::slide {

static_assert(W == tandrel::pictures::slides::kWidth && H == tandrel::pictures::slides::kHeight);

namespace {

constexpr double kBandHeight = 220;

void frame(QPainter& p, const QString& title, const QString& subtitle)
{
    QLinearGradient paper(0, 0, 0, H);
    paper.setColorAt(0, Qt::white);
    paper.setColorAt(1, pal::paper);
    p.fillRect(QRectF(0, 0, W, H), paper);

    QLinearGradient band(0, 0, W, kBandHeight);
    band.setColorAt(0, pal::navy);
    band.setColorAt(1, mix(pal::navy, pal::blue, 0.75));
    p.fillRect(QRectF(0, 0, W, kBandHeight), band);
    // A rising sun in the band's right end, cut by the band's lower edge.
    p.save();
    p.setClipRect(QRectF(0, 0, W, kBandHeight));
    const QPointF sunCentre(W - 190, kBandHeight + 40);
    QRadialGradient glow(sunCentre, 330);
    glow.setColorAt(0, withAlpha(pal::sunLight, 150));
    glow.setColorAt(1, withAlpha(pal::sun, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(sunCentre, 330, 330);
    p.setPen(QPen(withAlpha(pal::sunLight, 120), 8, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 9; ++k) {
        const double a = M_PI * (1.08 + 0.105 * k);
        p.drawLine(sunCentre + QPointF(std::cos(a), std::sin(a)) * 150, sunCentre + QPointF(std::cos(a), std::sin(a)) * 215);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(pal::sun);
    p.drawEllipse(sunCentre, 120, 120);
    p.restore();
    // Accent stripe under the band.
    p.fillRect(QRectF(0, kBandHeight, W, 12), pal::sun);

    p.setPen(Qt::white);
    p.setFont(fitted(sans(82, true), title, W - 560));
    p.drawText(QRectF(90, 28, W - 500, 110), Qt::AlignLeft | Qt::AlignVCenter, title);
    if (!subtitle.isEmpty()) {
        p.setPen(pal::sunLight);
        p.setFont(fitted(sans(42), subtitle, W - 560));
        p.drawText(QRectF(92, 138, W - 500, 60), Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    }

    // Footer.
    p.setPen(QPen(pal::greyLight, 3));
    p.drawLine(QPointF(90, H - 92), QPointF(W - 90, H - 92));
    p.setFont(sans(30, true));
    p.setPen(pal::navy);
    p.drawText(QRectF(90, H - 80, 600, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tandrel"));
    p.setFont(sans(30));
    p.setPen(pal::grey);
    p.drawText(QRectF(240, H - 80, 900, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Photovoltaik im Kundengespräch"));
    p.drawText(QRectF(W - 900, H - 80, 810, 60), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Norvi GmbH"));
}

// Lines of `s` wrapped to `width` in font f.
QStringList wrap(const QString& s, const QFont& f, double width)
{
    QStringList lines;
    const QFontMetricsF fm(f);
    for (const QString& paragraph : s.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && fm.horizontalAdvance(candidate) > width) {
                lines << line;
                line = word;
            } else
                line = candidate;
        }
        lines << line;
    }
    return lines;
}

} // namespace

QImage make(const QString& title, const QString& subtitle, const std::function<void(QPainter&)>& content)
{
    QImage img = canvas(W, H, Qt::white);
    QPainter p(&img);
    prepare(p);
    frame(p, title, subtitle);
    p.save();
    content(p);
    p.restore();
    return img;
}

double text(QPainter& p, const QRectF& r, const QString& s, double px, bool bold, const QColor& colour, int align)
{
    const QFont f = sans(px, bold);
    const QStringList lines = wrap(s, f, r.width());
    const double lineH = px * 1.32;
    p.setFont(f);
    p.setPen(colour);
    double y = r.top();
    if (align & Qt::AlignVCenter)
        y = r.center().y() - lines.size() * lineH / 2;
    for (const QString& line : lines) {
        p.drawText(QRectF(r.left(), y, r.width(), lineH), (align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, line);
        y += lineH;
    }
    return lines.size() * lineH;
}

double bullets(QPainter& p, const QRectF& r, const QStringList& items, double px, const QColor& marker)
{
    const double indent = px * 1.1;
    double y = r.top();
    for (const QString& item : items) {
        p.setPen(Qt::NoPen);
        p.setBrush(marker);
        const double s = px * 0.34;
        p.drawRoundedRect(QRectF(r.left() + 2, y + px * 0.66 - s / 2, s, s), s * 0.2, s * 0.2);
        y += text(p, QRectF(r.left() + indent, y, r.width() - indent, r.bottom() - y), item, px, false, pal::navy);
        y += px * 0.42;
    }
    return y - r.top();
}

QRectF card(QPainter& p, const QRectF& r, const QString& title, const QColor& head)
{
    // Soft shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 70, 28));
    p.drawRoundedRect(r.translated(6, 8), 22, 22);
    p.setBrush(Qt::white);
    p.setPen(QPen(mix(head, Qt::white, 0.55), 3));
    p.drawRoundedRect(r, 22, 22);
    const double headH = title.isEmpty() ? 0 : 92;
    if (headH > 0) {
        QPainterPath path;
        path.addRoundedRect(r, 22, 22);
        p.save();
        p.setClipPath(path);
        p.fillRect(QRectF(r.left(), r.top(), r.width(), headH), head);
        p.restore();
        p.setPen(Qt::white);
        p.setFont(fitted(sans(46, true), title, r.width() - 64));
        p.drawText(QRectF(r.left() + 28, r.top(), r.width() - 56, headH), Qt::AlignLeft | Qt::AlignVCenter, title);
    }
    return r.adjusted(30, headH + 26, -30, -22);
}

void tile(QPainter& p, const QRectF& r, const QString& title, const QString& sub, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 40, 70, 28));
    p.drawRoundedRect(r.translated(5, 7), 20, 20);
    p.setBrush(colour);
    p.drawRoundedRect(r, 20, 20);
    p.setPen(Qt::white);
    p.setFont(fitted(sans(44, true), title, r.width() - 30));
    p.drawText(sub.isEmpty() ? r : QRectF(r.left(), r.top() + 14, r.width(), r.height() / 2), Qt::AlignCenter, title);
    if (!sub.isEmpty())
        text(p, QRectF(r.left() + 14, r.center().y() + 4, r.width() - 28, r.height() / 2), sub, 32, false, Qt::white,
             Qt::AlignHCenter | Qt::AlignTop);
}

QRectF banner(QPainter& p, const QRectF& r, const QColor& tint, const QColor& stripe)
{
    p.setPen(Qt::NoPen);
    p.setBrush(tint);
    p.drawRoundedRect(r, 22, 22);
    p.setBrush(stripe);
    p.drawRoundedRect(QRectF(r.left(), r.top(), 18, r.height()), 9, 9);
    return r.adjusted(50, 0, -30, 0);
}

void arrow(QPainter& p, const QPointF& a, const QPointF& b, const QColor& colour, double width)
{
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1)
        return;
    const QPointF u = d / len, n(-u.y(), u.x());
    const double headL = width * 2.6, headW = width * 1.9;
    const QPointF base = b - u * headL;
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, base + u * 2);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({b, base + n * headW, base - n * headW}));
}

void note(QPainter& p, const QString& s)
{
    text(p, QRectF(kBody.left(), kBody.bottom() - 44, kBody.width(), 44), s, 30, false, pal::grey);
}

double table(QPainter& p, const QRectF& r, const Table& t)
{
    const int cols = int(t.header.size());
    std::vector<double> x(cols + 1, r.left());
    for (int c = 0; c < cols; ++c)
        x[c + 1] = x[c] + r.width() * (c < int(t.widths.size()) ? t.widths[c] : 1.0 / cols);
    auto cellAlign = [&](int c) {
        return (c < int(t.align.size()) ? t.align[c] : int(Qt::AlignLeft)) | Qt::AlignVCenter;
    };
    const double pad = 26;
    double y = r.top();
    const double headH = t.rowHeight * 1.25;
    QPainterPath outline;
    outline.addRoundedRect(QRectF(r.left(), y, r.width(), headH + t.rowHeight * t.rows.size()), 18, 18);
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(r.left(), y, r.width(), headH), pal::navy);
    p.setPen(Qt::white);
    for (int c = 0; c < cols; ++c) {
        p.setFont(fitted(sans(t.px * 0.92, true), t.header[c], x[c + 1] - x[c] - 2 * pad));
        p.drawText(QRectF(x[c] + pad, y, x[c + 1] - x[c] - 2 * pad, headH), cellAlign(c), t.header[c]);
    }
    y += headH;
    for (int i = 0; i < int(t.rows.size()); ++i) {
        const bool hl = i == t.highlight;
        const QColor fill = hl ? mix(pal::sunLight, Qt::white, 0.45) : (i % 2 ? pal::paper : Qt::white);
        p.fillRect(QRectF(r.left(), y, r.width(), t.rowHeight), fill);
        for (int c = 0; c < cols && c < int(t.rows[i].size()); ++c) {
            const QFont f = sans(t.px, hl || c == 0);
            p.setFont(fitted(f, t.rows[i][c], x[c + 1] - x[c] - 2 * pad));
            p.setPen(c == 0 ? pal::navy : QColor(0x22, 0x2b, 0x36));
            p.drawText(QRectF(x[c] + pad, y, x[c + 1] - x[c] - 2 * pad, t.rowHeight), cellAlign(c), t.rows[i][c]);
        }
        p.setPen(QPen(pal::greyLight, 2));
        p.drawLine(QPointF(r.left(), y + t.rowHeight), QPointF(r.right(), y + t.rowHeight));
        y += t.rowHeight;
    }
    p.setPen(QPen(pal::greyLight, 2));
    for (int c = 1; c < cols; ++c)
        p.drawLine(QPointF(x[c], r.top() + headH), QPointF(x[c], y));
    p.restore();
    p.setPen(QPen(mix(pal::navy, Qt::white, 0.5), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    return y - r.top();
}

QString de(double value, int decimals)
{
    const bool negative = value < 0;
    QString s = QString::number(std::fabs(value), 'f', decimals);
    QString whole = s.section(QLatin1Char('.'), 0, 0);
    const QString frac = s.section(QLatin1Char('.'), 1);
    for (int i = int(whole.size()) - 3; i > 0; i -= 3)
        whole.insert(i, QLatin1Char('.'));
    return (negative ? QStringLiteral("−") : QString()) + whole + (frac.isEmpty() ? QString() : QLatin1Char(',') + frac);
}

} // namespace picgen::slide

namespace picgen {

// The sheet symbols beside the orientation buttons of the presentations.
static QImage sheetSymbol(bool portrait)
{
    const int w = portrait ? 30 : 40, h = portrait ? 40 : 30;
    return supersampled(w, h, 4, [&](QPainter& p) {
        p.setPen(QPen(pal::navy, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1, 1, w - 2, h - 2));
        p.setPen(QPen(pal::sky, 2));
        for (int k = 0; k < 4; ++k)
            p.drawLine(QPointF(6, 8 + k * 6), QPointF(w - 6, 8 + k * 6));
    });
}

void drawSlides(const Sink& sink)
{
    sink(QStringLiteral("ui/sheet-portrait"), sheetSymbol(true));
    sink(QStringLiteral("ui/sheet-landscape"), sheetSymbol(false));
    drawIntroSlides(sink);
    drawEegSlides(sink);
    drawKevSlides(sink);
}

} // namespace picgen
