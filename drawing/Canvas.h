#pragma once

#include "platform/ColorRef.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// Pen styles in the numbering the representations store (`PenStyle`).
enum MPenStyleNum : int {
    kPenSolid = 0,
    kPenDash = 1,
    kPenDot = 2,
    kPenDashDot = 3,
    kPenDashDotDot = 4,
    kPenClear = 5,
    kPenInsideFrame = 6, // drawn as solid
};

enum class MPenMode { Copy, NotXor };
enum class MBrushStyle { Solid, Clear, DiagCross };

enum MFontStyleFlag : int { kFontBold = 1, kFontItalic = 2, kFontUnderline = 4, kFontStrikeOut = 8 };

// The screen canvas of the drawing core: a 2D canvas in whole pixels over a
// QImage backing store, following the conventions of the Windows GDI canvas
// the drawings were designed for:
// - Rectangle(x1, y1, x2, y2) covers x1 … x2-1 and y1 … y2-1 (corners in any
//   order); a pen of width 1 draws on those border pixels, the brush fills
//   the inside. Wider pens are centred on the border pixels.
// - LineTo draws from the current point up to, but excluding, the end point.
// - A clip rectangle (x1, y1, x2, y2) admits x1 … x2-1, y1 … y2-1.
// - Dashed and dotted pen styles apply to pens of width 1; wider pens draw
//   solid. A clear pen draws no outline.
// - The not-xor pen mode (result = not (pen xor screen)) applies to the pen
//   and the brush of figures; drawing the same figure twice restores the
//   screen. FillRect, pictures and text are always copied.
// - Text is drawn with its character cell's top-left at the given point; a
//   solid brush fills the cell behind it (opaque), other brushes leave the
//   background.
// - The diagonal cross-hatch draws brush-coloured lines on an 8-pixel grid
//   anchored at the image origin and leaves the pixels between them.
// - Setting a colour never changes a style.
// Antialiasing is off everywhere.
class MCanvas {
public:
    // A canvas that owns a white image of the given size.
    MCanvas(int width, int height);
    // A canvas on an image owned by the caller, which must outlive the canvas.
    // The image is converted to 32-bit RGB if it is in another format.
    explicit MCanvas(QImage& target);
    ~MCanvas();
    MCanvas(const MCanvas&) = delete;
    MCanvas& operator=(const MCanvas&) = delete;

    const QImage& Image() const { return *m_image; }
    int Width() const { return m_image->width(); }
    int Height() const { return m_image->height(); }
    // Resizes the backing image (only for a canvas that owns it); white.
    void Resize(int width, int height);

    int PixelsPerInch() const { return m_ppi; }
    void SetPixelsPerInch(int ppi);

    // Colour of a pixel; black outside the image.
    tandrel::platform::ColorRef Pixel(int x, int y) const;

    // Pen
    void SetPenColor(tandrel::platform::ColorRef c);
    tandrel::platform::ColorRef PenColor() const { return m_penColor; }
    void SetPenWidth(int w);
    int PenWidth() const { return m_penWidth; }
    void SetPenStyle(int style);
    int PenStyle() const { return m_penStyle; }
    void SetPenMode(MPenMode mode) { m_penMode = mode; }
    MPenMode PenMode() const { return m_penMode; }

    // Brush
    void SetBrushColor(tandrel::platform::ColorRef c);
    tandrel::platform::ColorRef BrushColor() const { return m_brushColor; }
    void SetBrushStyle(MBrushStyle s) { m_brushStyle = s; }
    MBrushStyle BrushStyle() const { return m_brushStyle; }

    // Font. A negative size is the character cell height in points (the
    // platform's convention: size -12 gives a 16-pixel cell at 96 pixels per
    // inch), a positive one the character height in points.
    void SetFontName(const QString& name);
    QString FontName() const { return m_fontName; }
    void SetFontSize(int size);
    int FontSize() const { return m_fontSize; }
    void SetFontStyle(int styleFlags);
    int FontStyle() const { return m_fontStyle; }
    void SetFontColor(tandrel::platform::ColorRef c);
    tandrel::platform::ColorRef FontColor() const { return m_fontColor; }

    // Fills the whole image with a colour, ignoring clip and pen mode.
    void Clear(tandrel::platform::ColorRef color);
    // Brush only, no outline, always copied; the same pixel range as Rectangle.
    void FillRect(int x1, int y1, int x2, int y2);
    void Rectangle(int x1, int y1, int x2, int y2);
    // Closed polygon, even-odd fill with the brush, outline with the pen.
    void Polygon(const std::vector<QPoint>& points);
    void Polygon(const QPoint* points, int count);
    // Open polyline with the pen.
    // The ellipse inside the box x1 .. x2 - 1, y1 .. y2 - 1 (pen and brush).
    void Ellipse(int x1, int y1, int x2, int y2);
    void Polyline(const std::vector<QPoint>& points);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return m_penPos; }
    void Line(int x1, int y1, int x2, int y2)
    {
        MoveTo(x1, y1);
        LineTo(x2, y2);
    }
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text);
    int TextHeight(const QString& text);
    // The picture stretched into left … right-1, top … bottom-1 (nearest
    // neighbour, as the platform's stretch blit).
    void StretchDraw(int left, int top, int right, int bottom, const QImage& picture);

    void SetClipRect(int x1, int y1, int x2, int y2);
    void ClearClip();
    std::optional<QRect> ClipRect() const { return m_userClip; }

private:
    void Begin();
    void End();
    void UpdateClip();
    std::uint32_t Resolve(tandrel::platform::ColorRef c) const;
    void Plot(int x, int y, std::uint32_t rgb, bool notXor);
    void FillBox(int l, int t, int r, int b, std::uint32_t rgb, bool notXor);
    void HatchBox(int l, int t, int r, int b, std::uint32_t rgb, bool notXor);
    void BrushBox(int l, int t, int r, int b, bool notXor);
    void PenBand(int l, int t, int r, int b);
    void StyledPerimeter(int l, int t, int r, int b);
    void StraightLine(int x1, int y1, int x2, int y2);
    bool Styled() const;
    bool PenVisible() const { return m_penStyle != kPenClear; }
    QPen MakeQPen() const;
    void PreparePainter(bool useRasterOp);
    // The painter's brush from the brush style and colour.
    void PrepareBrush();
    const QImage& Scaled(const QImage& picture, int w, int h);
    void EnsureFont();

    QImage m_own;
    QImage* m_image = nullptr;
    std::unique_ptr<QPainter> m_painter;
    std::uint32_t* m_bits = nullptr;
    qsizetype m_stride = 0; // in pixels
    QRect m_clip;           // effective clip: image ∩ user clip
    std::optional<QRect> m_userClip;
    int m_ppi = 96;

    tandrel::platform::ColorRef m_penColor = 0;
    int m_penWidth = 1;
    int m_penStyle = kPenSolid;
    MPenMode m_penMode = MPenMode::Copy;
    int m_patternPos = 0; // position in the dash pattern, carried along lines
    tandrel::platform::ColorRef m_brushColor = 0xFFFFFF;
    MBrushStyle m_brushStyle = MBrushStyle::Solid;
    QPoint m_penPos;

    QString m_fontName = QStringLiteral("MS Sans Serif");
    int m_fontSize = 8;
    int m_fontStyle = 0;
    tandrel::platform::ColorRef m_fontColor = 0;
    bool m_fontDirty = true;
    QFont m_font;
    std::unique_ptr<QFontMetrics> m_metrics;

    struct ScaledEntry {
        qint64 key = 0;
        int w = 0, h = 0;
        QImage image;
    };
    std::vector<ScaledEntry> m_scaled; // small cache, most recent last
};
