#pragma once

#include "drawing/Canvas.h"
#include "drawing/FAnlagePlanung2DFrame.h"
#include "drawing/VirtualView.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QMenu>
#include <QWidget>
#include <vector>

namespace drawing_ui_test {

// A filled box: the simplest representation to click, band and drag.
class BoxRep : public MBaseRep {
public:
    BoxRep(MBaseStructur* owner, double x, double y, double w, double h, tandrel::platform::ColorRef fill)
        : MBaseRep(owner, 0, 0, x, y)
    {
        XSize = w;
        YSize = h;
        FillColor = fill;
    }
    MBaseRep& Clone(MStructur& target) const override
    {
        return target.Create<BoxRep>(XPos, YPos, XSize, YSize, FillColor);
    }
    void LoadSettings(MKontaloRegistry&, const QString&) override {}
    void SaveSettings(MKontaloRegistry&, const QString&) override {}
    void Draw(MVirtualView& view) override
    {
        MCanvas& c = *view.Canvas;
        c.SetPenColor(FillColor);
        c.SetPenStyle(kPenSolid);
        c.SetBrushColor(FillColor);
        c.SetBrushStyle(MBrushStyle::Solid);
        c.Rectangle(view.WorldToDeviceX(XPos), view.WorldToDeviceY(YPos + YSize), view.WorldToDeviceX(XPos + XSize),
                    view.WorldToDeviceY(YPos));
    }
};

struct Popup {
    QMenu* menu;
    QPoint global;
};

// A plant-planning frame of 800 × 600 pixels in a shown (offscreen) window,
// with a transform of 10 pixels per metre and the world origin at device
// (100, 550). Context menus are recorded instead of shown.
class PlanningFrameTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        host.resize(800, 600);
        frame = new TAnlagePlanung2DFrame(&host);
        frame->InitFrame(&host, nullptr, nullptr, TAnlagePlanung2DFrame::kFrameID);
        host.show();
        QApplication::processEvents();
        frame->MenuPopup = [this](QMenu& menu, const QPoint& global) { popups.push_back({&menu, global}); };
        MVirtualView& v = view();
        v.xver2d = 100;
        v.yver2d = 550;
        v.xdehnung2d = v.ydehnung2d = 10;
    }
    void TearDown() override { frame->FinishFrame(); }

    MVirtualView& view() { return *frame->View(); }
    MStructur& structure() { return *frame->Structure(); }
    MSelectionList& selection() { return *frame->Selection(); }
    QWidget* paintBox() { return frame->PaintBox; }
    QPoint Device(double x, double y) { return {view().WorldToDeviceX(x), view().WorldToDeviceY(y)}; }
    // Adds a box and shows the new state.
    BoxRep& Box(double x, double y, double w, double h, tandrel::platform::ColorRef fill = 0x00A000)
    {
        BoxRep& box = structure().Create<BoxRep>(x, y, w, h, fill);
        frame->Paint();
        return box;
    }

    // The backing store holds exactly what a fresh paint draws: no band or
    // outline was left behind.
    void ExpectClean()
    {
        const QImage shown = frame->PaintBox->BackingStore().copy();
        frame->Paint();
        EXPECT_TRUE(shown == frame->PaintBox->BackingStore()) << "leftover pixels in the backing store";
    }
    // Pixels a black not-xor figure made of the background: the band and
    // the move outlines while they are on the screen.
    int InvertedBackgroundPixels()
    {
        const auto inverted = frame->BackColor() ^ 0xFFFFFFu;
        const MCanvas& c = frame->PaintBox->Canvas();
        int n = 0;
        for (int y = 0; y < c.Height(); ++y)
            for (int x = 0; x < c.Width(); ++x)
                n += c.Pixel(x, y) == inverted;
        return n;
    }

    QWidget host;
    TAnlagePlanung2DFrame* frame = nullptr;
    std::vector<Popup> popups;
};

} // namespace drawing_ui_test
