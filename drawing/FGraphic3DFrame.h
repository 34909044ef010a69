#pragma once

#include "drawing/FGraphicFrame.h"
#include "app/FrameIds.h"

// The projected 3D view the paper house embeds (frame ID 42354): it paints
// its structure in 3D, without interactors, selection or rulers.
class TGraphic3DFrame : public TGraphicFrame {
    Q_OBJECT
public:
    static constexpr int kFrameID = FrameId::Graphic3D;
    static constexpr const char* kSection = "Graphic2D";
    static constexpr tandrel::platform::ColorRef kDefaultBackColor = 15780518;

    explicit TGraphic3DFrame(QWidget* parent = nullptr);

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void DrawOverlay() override {}
    void Paint() override;
};
