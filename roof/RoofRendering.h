#pragma once

#include <QImage>
#include <QSize>

class MGraphicFrameHost;
class MVirtualView;

namespace tandrel::roof {

// The roof from world (0, 0) to (xSize, ySize) as the view shows it, in
// device pixels: the lower left corner and the size.
struct TRoofOnScreen {
    int x0 = 0, y0 = 0, w = 0, h = 0;
    bool IsEmpty() const { return w <= 0 || h <= 0; }
};
TRoofOnScreen RoofOnScreen(const MVirtualView& view, double xSize, double ySize);

// The part of frame's drawing under roof, rendered through the detail
// interactor into a new picture of size; null for an empty size or roof.
QImage RenderRoofImage(MGraphicFrameHost& frame, const TRoofOnScreen& roof, QSize size);

} // namespace tandrel::roof
