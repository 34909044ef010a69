#pragma once

#include "presentations/SlidesPdf.h"

#include <QObject>

// What a slide presentation offers other frames: its document as its own
// PDF prints it. Reached with qobject_cast<ISlideShow*> on
// FindFrame(FrameId::Eigenverbrauch) or FindFrame(FrameId::KEV).
class ISlideShow {
public:
    virtual ~ISlideShow() = default;
    virtual tandrel::presentations::MSlidesDocument SlidesDocument() = 0;

protected:
    ISlideShow() = default;
    ISlideShow(const ISlideShow&) = default;
    ISlideShow& operator=(const ISlideShow&) = default;
};

#define ISlideShow_iid "de.norvi.tandrel.ISlideShow"
Q_DECLARE_INTERFACE(ISlideShow, ISlideShow_iid)
