#include "drawing/Canvas.h"

#include "drawing/Rounding.h"

#include <QPen>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>

using tandrel::platform::ColorRef;

namespace {

// Device coordinates are clamped to this range: far beyond any image, small
// enough for the rasteriser's fixed-point arithmetic.
constexpr int kCoordLimit = 1 << 22;

int ClampCoord(int v)
{
    return std::clamp(v, -kCoordLimit, kCoordLimit);
}

// On/off run lengths of the cosmetic pen styles, in pixels.
std::span<const int> DashPattern(int style)
{
    static constexpr std::array<int, 2> dash{18, 6};
    static constexpr std::array<int, 2> dot{3, 3};
    static constexpr std::array<int, 4> dashDot{9, 6, 3, 6};
    static constexpr std::array<int, 6> dashDotDot{9, 3, 3, 3, 3, 3};
    switch (style) {
    case kPenDash: return dash;
    case kPenDot: return dot;
    case kPenDashDot: return dashDot;
    case kPenDashDotDot: return dashDotDot;
    default: return {};
    }
}

bool PatternOn(std::span<const int> pattern, int pos)
{
    int period = 0;
    for (int v : pattern)
        period += v;
    int p = pos % period;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (p < pattern[i])
            return i % 2 == 0;
        p -= pattern[i];
    }
    return true;
}

int MulDiv(int a, int b, int c)
{
    const long long n = static_cast<long long>(a) * b;
    return static_cast<int>(n >= 0 ? (n + c / 2) / c : (n - c / 2) / c);
}

} // namespace

MCanvas::MCanvas(int width, int height)
    : m_own(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32)
    , m_image(&m_own)
{
    m_own.fill(Qt::white);
    Begin();
}

MCanvas::MCanvas(QImage& target)
    : m_image(&target)
{
    if (target.isNull())
        target = QImage(1, 1, QImage::Format_RGB32);
    if (target.format() != QImage::Format_RGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    Begin();
}

MCanvas::~MCanvas()
{
    End();
}

void MCanvas::Begin()
{
    m_bits = reinterpret_cast<std::uint32_t*>(m_image->bits());
    m_stride = m_image->bytesPerLine() / 4;
    m_painter = std::make_unique<QPainter>(m_image);
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    UpdateClip();
}

void MCanvas::End()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
    m_bits = nullptr;
}

void MCanvas::Resize(int width, int height)
{
    if (m_image != &m_own)
        return;
    End();
    m_own = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    m_own.fill(Qt::white);
    Begin();
}

void MCanvas::SetPixelsPerInch(int ppi)
{
    if (ppi > 0 && ppi != m_ppi) {
        m_ppi = ppi;
        m_fontDirty = true;
    }
}

ColorRef MCanvas::Pixel(int x, int y) const
{
    if (!m_image->rect().contains(x, y))
        return 0;
    const std::uint32_t p = m_bits[y * m_stride + x];
    return tandrel::platform::rgbRef(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF));
}

void MCanvas::SetPenColor(ColorRef c)
{
    m_penColor = c;
}

void MCanvas::SetPenWidth(int w)
{
    m_penWidth = w;
}

void MCanvas::SetPenStyle(int style)
{
    m_penStyle = style;
    m_patternPos = 0;
}

void MCanvas::SetBrushColor(ColorRef c)
{
    m_brushColor = c;
}

void MCanvas::SetFontName(const QString& name)
{
    if (name != m_fontName) {
        m_fontName = name;
        m_fontDirty = true;
    }
}

void MCanvas::SetFontSize(int size)
{
    if (size != m_fontSize) {
        m_fontSize = size;
        m_fontDirty = true;
    }
}

void MCanvas::SetFontStyle(int styleFlags)
{
    if (styleFlags != m_fontStyle) {
        m_fontStyle = styleFlags;
        m_fontDirty = true;
    }
}

void MCanvas::SetFontColor(ColorRef c)
{
    m_fontColor = c;
}

std::uint32_t MCanvas::Resolve(ColorRef c) const
{
    return tandrel::platform::toQColor(c).rgb() | 0xFF000000u;
}

void MCanvas::UpdateClip()
{
    m_clip = m_userClip ? (*m_userClip & m_image->rect()) : m_image->rect();
    if (!m_painter)
        return;
    if (m_userClip)
        m_painter->setClipRect(*m_userClip);
    else
        m_painter->setClipping(false);
}

void MCanvas::SetClipRect(int x1, int y1, int x2, int y2)
{
    x1 = ClampCoord(x1);
    x2 = ClampCoord(x2);
    y1 = ClampCoord(y1);
    y2 = ClampCoord(y2);
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    m_userClip = QRect(QPoint(l, t), QPoint(r - 1, b - 1));
    UpdateClip();
}

void MCanvas::ClearClip()
{
    m_userClip.reset();
    UpdateClip();
}

void MCanvas::Plot(int x, int y, std::uint32_t rgb, bool notXor)
{
    if (!m_clip.contains(x, y))
        return;
    std::uint32_t& p = m_bits[y * m_stride + x];
    p = notXor ? ~(p ^ rgb) : rgb;
}

void MCanvas::FillBox(int l, int t, int r, int b, std::uint32_t rgb, bool notXor)
{
    l = std::max(l, m_clip.left());
    t = std::max(t, m_clip.top());
    r = std::min(r, m_clip.right());
    b = std::min(b, m_clip.bottom());
    if (l > r || t > b)
        return;
    for (int y = t; y <= b; ++y) {
        std::uint32_t* row = m_bits + y * m_stride;
        if (notXor) {
            for (int x = l; x <= r; ++x)
                row[x] = ~(row[x] ^ rgb);
        } else {
            std::fill(row + l, row + r + 1, rgb);
        }
    }
}

void MCanvas::HatchBox(int l, int t, int r, int b, std::uint32_t rgb, bool notXor)
{
    l = std::max(l, m_clip.left());
    t = std::max(t, m_clip.top());
    r = std::min(r, m_clip.right());
    b = std::min(b, m_clip.bottom());
    for (int y = t; y <= b; ++y) {
        std::uint32_t* row = m_bits + y * m_stride;
        for (int x = l; x <= r; ++x) {
            if (((x - y) & 7) == 0 || ((x + y) & 7) == 7)
                row[x] = notXor ? ~(row[x] ^ rgb) : rgb;
        }
    }
}

void MCanvas::BrushBox(int l, int t, int r, int b, bool notXor)
{
    switch (m_brushStyle) {
    case MBrushStyle::Solid: FillBox(l, t, r, b, Resolve(m_brushColor), notXor); break;
    case MBrushStyle::DiagCross: HatchBox(l, t, r, b, Resolve(m_brushColor), notXor); break;
    case MBrushStyle::Clear: break;
    }
}

bool MCanvas::Styled() const
{
    return m_penWidth <= 1 && m_penStyle >= kPenDash && m_penStyle <= kPenDashDotDot;
}

void MCanvas::Clear(ColorRef color)
{
    const std::uint32_t rgb = Resolve(color);
    for (int y = 0; y < m_image->height(); ++y)
        std::fill(m_bits + y * m_stride, m_bits + y * m_stride + m_image->width(), rgb);
}

void MCanvas::FillRect(int x1, int y1, int x2, int y2)
{
    x1 = ClampCoord(x1);
    x2 = ClampCoord(x2);
    y1 = ClampCoord(y1);
    y2 = ClampCoord(y2);
    const int l = std::min(x1, x2), r = std::max(x1, x2) - 1;
    const int t = std::min(y1, y2), b = std::max(y1, y2) - 1;
    if (r < l || b < t)
        return;
    BrushBox(l, t, r, b, false);
}

// The pen's band around the border pixels l … r, t … b, as non-overlapping
// boxes so that the not-xor mode touches every pixel once.
void MCanvas::PenBand(int l, int t, int r, int b)
{
    const int w = std::max(m_penWidth, 1);
    const int lo = -(w - 1) / 2;
    const int hi = lo + w - 1;
    const int L = l + lo, R = r - lo, T = t + lo, B = b - lo;
    const int Li = l + hi + 1, Ri = r - hi - 1, Ti = t + hi + 1, Bi = b - hi - 1;
    const std::uint32_t rgb = Resolve(m_penColor);
    const bool nx = m_penMode == MPenMode::NotXor;
    if (Li > Ri || Ti > Bi) {
        FillBox(L, T, R, B, rgb, nx);
        return;
    }
    FillBox(L, T, R, Ti - 1, rgb, nx);
    FillBox(L, Bi + 1, R, B, rgb, nx);
    FillBox(L, Ti, Li - 1, Bi, rgb, nx);
    FillBox(Ri + 1, Ti, R, Bi, rgb, nx);
}

// A dashed or dotted 1-pixel outline, walked clockwise from the top-left.
void MCanvas::StyledPerimeter(int l, int t, int r, int b)
{
    const auto pattern = DashPattern(m_penStyle);
    const std::uint32_t rgb = Resolve(m_penColor);
    const bool nx = m_penMode == MPenMode::NotXor;
    int pos = 0;
    auto put = [&](int x, int y) {
        if (PatternOn(pattern, pos++))
            Plot(x, y, rgb, nx);
    };
    for (int x = l; x <= r; ++x)
        put(x, t);
    for (int y = t + 1; y <= b; ++y)
        put(r, y);
    if (b > t)
        for (int x = r - 1; x >= l; --x)
            put(x, b);
    if (r > l)
        for (int y = b - 1; y > t; --y)
            put(l, y);
}

void MCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    x1 = ClampCoord(x1);
    x2 = ClampCoord(x2);
    y1 = ClampCoord(y1);
    y2 = ClampCoord(y2);
    const int l = std::min(x1, x2), r = std::max(x1, x2) - 1;
    const int t = std::min(y1, y2), b = std::max(y1, y2) - 1;
    if (r < l || b < t)
        return;
    const bool nx = m_penMode == MPenMode::NotXor;
    if (!PenVisible()) {
        BrushBox(l, t, r, b, nx);
        return;
    }
    if (!nx) {
        BrushBox(l, t, r, b, false);
    } else {
        // Under not-xor the brush must leave the pen's pixels alone.
        const int in = Styled() ? 0 : std::max(m_penWidth, 1) / 2;
        BrushBox(l + in + 1, t + in + 1, r - in - 1, b - in - 1, true);
    }
    if (Styled())
        StyledPerimeter(l, t, r, b);
    else
        PenBand(l, t, r, b);
}

void MCanvas::MoveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
    m_patternPos = 0;
}

void MCanvas::LineTo(int x, int y)
{
    const QPoint from = m_penPos;
    m_penPos = QPoint(x, y);
    if (!PenVisible() || from == m_penPos)
        return;
    StraightLine(from.x(), from.y(), x, y);
}

// From (x1, y1) up to, but excluding, (x2, y2).
void MCanvas::StraightLine(int x1, int y1, int x2, int y2)
{
    x1 = ClampCoord(x1);
    x2 = ClampCoord(x2);
    y1 = ClampCoord(y1);
    y2 = ClampCoord(y2);
    const bool nx = m_penMode == MPenMode::NotXor;
    const std::uint32_t rgb = Resolve(m_penColor);
    if (x1 == x2 || y1 == y2) {
        const bool horizontal = y1 == y2;
        const int n = horizontal ? std::abs(x2 - x1) : std::abs(y2 - y1);
        const int step = horizontal ? (x2 > x1 ? 1 : -1) : (y2 > y1 ? 1 : -1);
        if (Styled()) {
            const auto pattern = DashPattern(m_penStyle);
            for (int i = 0; i < n; ++i, ++m_patternPos) {
                if (PatternOn(pattern, m_patternPos))
                    Plot(horizontal ? x1 + i * step : x1, horizontal ? y1 : y1 + i * step, rgb, nx);
            }
            return;
        }
        const int w = std::max(m_penWidth, 1);
        const int lo = -(w - 1) / 2;
        if (horizontal) {
            const int a = step > 0 ? x1 : x2 + 1;
            const int e = step > 0 ? x2 - 1 : x1;
            FillBox(a, y1 + lo, e, y1 + lo + w - 1, rgb, nx);
        } else {
            const int a = step > 0 ? y1 : y2 + 1;
            const int e = step > 0 ? y2 - 1 : y1;
            FillBox(x1 + lo, a, x1 + lo + w - 1, e, rgb, nx);
        }
        return;
    }
    PreparePainter(nx);
    m_painter->setPen(MakeQPen());
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawLine(x1, y1, x2, y2);
}

QPen MCanvas::MakeQPen() const
{
    QPen pen(QColor::fromRgb(Resolve(m_penColor)));
    pen.setWidth(std::max(m_penWidth, 1));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (Styled()) {
        const auto pattern = DashPattern(m_penStyle);
        QList<qreal> dashes;
        for (int v : pattern)
            dashes << qreal(v);
        pen.setDashPattern(dashes);
    }
    return pen;
}

void MCanvas::PreparePainter(bool useRasterOp)
{
    m_painter->setCompositionMode(useRasterOp ? QPainter::RasterOp_NotSourceXorDestination
                                              : QPainter::CompositionMode_SourceOver);
}

void MCanvas::PrepareBrush()
{
    switch (m_brushStyle) {
    case MBrushStyle::Solid: m_painter->setBrush(QColor::fromRgb(Resolve(m_brushColor))); break;
    case MBrushStyle::DiagCross:
        m_painter->setBrush(QBrush(QColor::fromRgb(Resolve(m_brushColor)), Qt::DiagCrossPattern));
        break;
    case MBrushStyle::Clear: m_painter->setBrush(Qt::NoBrush); break;
    }
}

void MCanvas::Polygon(const std::vector<QPoint>& points)
{
    Polygon(points.data(), int(points.size()));
}

void MCanvas::Polygon(const QPoint* points, int count)
{
    if (count < 2)
        return;
    std::vector<QPoint> pts(points, points + count);
    for (QPoint& p : pts)
        p = QPoint(ClampCoord(p.x()), ClampCoord(p.y()));
    PreparePainter(m_penMode == MPenMode::NotXor);
    m_painter->setPen(PenVisible() ? MakeQPen() : QPen(Qt::NoPen));
    PrepareBrush();
    m_painter->drawPolygon(pts.data(), count, Qt::OddEvenFill);
}

void MCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    x1 = ClampCoord(x1);
    x2 = ClampCoord(x2);
    y1 = ClampCoord(y1);
    y2 = ClampCoord(y2);
    PreparePainter(m_penMode == MPenMode::NotXor);
    m_painter->setPen(PenVisible() ? MakeQPen() : QPen(Qt::NoPen));
    PrepareBrush();
    // The bounding box covers x1 .. x2 - 1 like a rectangle.
    m_painter->drawEllipse(QRectF(std::min(x1, x2) + 0.5, std::min(y1, y2) + 0.5, std::abs(x2 - x1) - 1.0,
                                  std::abs(y2 - y1) - 1.0));
}

void MCanvas::Polyline(const std::vector<QPoint>& points)
{
    if (points.size() < 2 || !PenVisible())
        return;
    std::vector<QPoint> pts(points);
    for (QPoint& p : pts)
        p = QPoint(ClampCoord(p.x()), ClampCoord(p.y()));
    PreparePainter(m_penMode == MPenMode::NotXor);
    m_painter->setPen(MakeQPen());
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawPolyline(pts.data(), int(pts.size()));
}

void MCanvas::EnsureFont()
{
    if (!m_fontDirty && m_metrics)
        return;
    m_font = QFont(m_fontName);
    m_font.setStyleStrategy(QFont::NoAntialias);
    m_font.setBold(m_fontStyle & kFontBold);
    m_font.setItalic(m_fontStyle & kFontItalic);
    m_font.setUnderline(m_fontStyle & kFontUnderline);
    m_font.setStrikeOut(m_fontStyle & kFontStrikeOut);
    const int size = m_fontSize == 0 ? 8 : m_fontSize;
    if (size > 0) {
        m_font.setPixelSize(std::max(1, MulDiv(size, m_ppi, 72)));
    } else {
        // A cell height: shrink the em size until the cell fits.
        const int cell = std::max(1, MulDiv(-size, m_ppi, 72));
        int px = cell;
        m_font.setPixelSize(px);
        while (px > 1 && QFontMetrics(m_font).height() > cell)
            m_font.setPixelSize(--px);
    }
    m_metrics = std::make_unique<QFontMetrics>(m_font);
    m_fontDirty = false;
}

int MCanvas::TextWidth(const QString& text)
{
    EnsureFont();
    return m_metrics->horizontalAdvance(text);
}

int MCanvas::TextHeight(const QString& /*text*/)
{
    EnsureFont();
    return m_metrics->height();
}

void MCanvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    EnsureFont();
    x = ClampCoord(x);
    y = ClampCoord(y);
    if (m_brushStyle == MBrushStyle::Solid)
        FillBox(x, y, x + m_metrics->horizontalAdvance(text) - 1, y + m_metrics->height() - 1,
                Resolve(m_brushColor), false);
    PreparePainter(false);
    m_painter->setFont(m_font);
    m_painter->setPen(QColor::fromRgb(Resolve(m_fontColor)));
    m_painter->drawText(x, y + m_metrics->ascent(), text);
}

const QImage& MCanvas::Scaled(const QImage& picture, int w, int h)
{
    const qint64 key = picture.cacheKey();
    for (auto it = m_scaled.begin(); it != m_scaled.end(); ++it) {
        if (it->key == key && it->w == w && it->h == h) {
            if (it + 1 != m_scaled.end())
                std::rotate(it, it + 1, m_scaled.end());
            return m_scaled.back().image;
        }
    }
    if (m_scaled.size() >= 8)
        m_scaled.erase(m_scaled.begin());
    m_scaled.push_back({key, w, h,
                        // Shrunk pictures (tiles, modules) would lose their fine lines
                        // to single picked pixels: those are filtered.
                        picture.scaled(w, h, Qt::IgnoreAspectRatio,
                                       w < picture.width() || h < picture.height() ? Qt::SmoothTransformation
                                                                                   : Qt::FastTransformation)
                            .convertToFormat(QImage::Format_RGB32)});
    return m_scaled.back().image;
}

void MCanvas::StretchDraw(int left, int top, int right, int bottom, const QImage& picture)
{
    if (picture.isNull())
        return;
    left = ClampCoord(left);
    right = ClampCoord(right);
    top = ClampCoord(top);
    bottom = ClampCoord(bottom);
    const int l = std::min(left, right), r = std::max(left, right);
    const int t = std::min(top, bottom), b = std::max(top, bottom);
    const int w = r - l, h = b - t;
    if (w <= 0 || h <= 0 || !QRect(l, t, w, h).intersects(m_clip))
        return;
    PreparePainter(false);
    if (static_cast<long long>(w) * h <= 4'000'000LL) {
        // Tiles and modules repeat one size: scale once, then copy.
        m_painter->drawImage(l, t, Scaled(picture, w, h));
    } else {
        m_painter->drawImage(QRect(l, t, w, h), picture);
    }
}
