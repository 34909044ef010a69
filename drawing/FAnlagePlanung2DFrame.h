#pragma once

#include "drawing/FGraphicFrame.h"
#include "app/FrameIds.h"

// The 2D plant-planning view the roof planner embeds (frame ID 12345): a
// graphic frame with rulers, selection and dragging.
class TAnlagePlanung2DFrame : public TGraphicFrame {
    Q_OBJECT
public:
    static constexpr int kFrameID = FrameId::AnlagePlanung2D;
    static constexpr const char* kSection = "AnlagePlanung2D";
    static constexpr tandrel::platform::ColorRef kDefaultBackColor = 13169149;

    explicit TAnlagePlanung2DFrame(QWidget* parent = nullptr);

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
};
