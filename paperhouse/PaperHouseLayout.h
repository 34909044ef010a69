#pragma once

#include "paperhouse/NetGeometry.h"

#include <QRectF>
#include <utility>
#include <vector>

class PdfWriter;

namespace tandrel::paperhouse {

// No ink nearer the page edge than this (mm): most printers leave it blank.
constexpr double kPrintMargin = 5;
// Size of the glue numbers (pt).
constexpr double kGlueNumberSize = 6;

// The page inside the print margins.
QRectF PrintArea(double pageWidth, double pageHeight);

// The pieces of one page, collected through the net geometry at the page's
// own origin and then moved as a whole into the print area; their sizes
// never change. Drawn as filled shapes, then solid cut lines around every
// piece and dashed fold lines on every edge two pieces share, then the glue
// numbers on the flaps and beside their partner edges.
class TKitPage {
public:
    TKitPage(const TPaperHouseParams& params, double originX, double originY);
    TKitPage(const TKitPage&) = delete;
    TKitPage& operator=(const TKitPage&) = delete;

    TNetGeometry& Net() { return m_net; }
    const TNetDevice& Device() const { return m_net.Device(); }
    // A glue number at a point of the page (before moving).
    void AddMark(QPointF at, int number);
    // A picture over the fills and under the lines (device rectangle before
    // moving); skipped when null or empty.
    void AddPicture(const QRectF& at, const QImage* picture);

    // Draws everything this many times smaller or larger, without glue
    // numbers unless at 1 (for the building guide's small pictures).
    void SetScale(double scale) { m_scale = scale; }
    // The shapes added to the net since the last call belong to this piece
    // group (shapes added before any call to none).
    void Tag(int group);
    // Draws these groups as usual and the other tagged ones faint (pale
    // fills, grey lines, no pictures); empty draws all as usual.
    void SetEmphasis(std::vector<int> groups) { m_emphasis = std::move(groups); }

    // The ink of the pieces before moving (outlines included).
    QRectF Bounds() const;
    // Moves the pieces into `area` as little as possible; false when they
    // are larger than it (they then start at its left and top edge).
    bool Place(const QRectF& area);
    bool Fits() const { return m_fits; }
    QPointF Shift() const { return m_shift; }

    // Net metres to the page after moving.
    QPointF Map(double x, double y) const;
    QRectF MapRect(double x, double y, double width, double height) const;
    // The boxes of the placed pieces and flaps, for keeping texts off them.
    std::vector<QRectF> Occupied() const;

    void Draw(PdfWriter& pdf) const;

private:
    QPointF Label(const TNetMark& mark, double width, double height) const;
    bool Faint(std::size_t shape) const;

    TNetGeometry m_net;
    std::vector<std::pair<QPointF, int>> m_marks;
    std::vector<std::pair<QRectF, const QImage*>> m_pictures;
    QPointF m_shift;
    double m_scale = 1;
    std::vector<std::pair<std::size_t, int>> m_groups; // shape count at each Tag, its group
    std::vector<int> m_emphasis;
    bool m_fits = true;
};

}  // namespace tandrel::paperhouse
