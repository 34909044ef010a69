#include "roof/RoofRendering.h"

#include "drawing/Interaktoren.h"
#include "drawing/VirtualView.h"

namespace tandrel::roof {

TRoofOnScreen RoofOnScreen(const MVirtualView& view, double xSize, double ySize)
{
    TRoofOnScreen r;
    r.x0 = view.WorldToDeviceX(0);
    r.y0 = view.WorldToDeviceY(0);
    r.w = view.WorldToDeviceX(xSize) - r.x0;
    r.h = r.y0 - view.WorldToDeviceY(ySize);
    return r;
}

QImage RenderRoofImage(MGraphicFrameHost& frame, const TRoofOnScreen& roof, QSize size)
{
    if (roof.IsEmpty() || size.isEmpty())
        return {};
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        // Not on the frame's stack: it renders once and is gone.
        MDetailIA detail(&frame, &picture);
        detail.SetRectSize(roof.w, roof.h);
        detail.RenderAt(roof.x0 + roof.w / 2, roof.y0 - roof.h / 2);
    }
    return picture;
}

} // namespace tandrel::roof
