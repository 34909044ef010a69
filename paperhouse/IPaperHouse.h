#pragma once

#include "paperhouse/PaperHousePdf.h"
#include "platform/ColorRef.h"

#include <QObject>
#include <QSizeF>

// What the paper house offers other frames: the two roof lengths of its
// model, and the roof and module colours, which the roof planner shares.
// Reached with qobject_cast<IPaperHouse*> on FindFrame(FrameId::PapierHaus).
class IPaperHouse {
public:
    virtual ~IPaperHouse() = default;

    // Slope length of one roof plane with the eaves overhang, and the roof's
    // length along the ridge (m).
    virtual double RoofGableSideLength() const = 0;
    virtual double RoofEavesSideLength() const = 0;

    virtual tandrel::platform::ColorRef RoofColor() const = 0;
    virtual tandrel::platform::ColorRef ModuleColor() const = 0;
    // Takes both colours and repaints the net and the 3D view.
    virtual void SetRoofColors(tandrel::platform::ColorRef roof, tandrel::platform::ColorRef module) = 0;
    // What the paper-house (or high-rise) document draws now, for
    // DrawPaperHousePages / DrawHighRisePages.
    virtual tandrel::paperhouse::TPaperHousePdfInput GatherPdfInput(bool highRise) = 0;

protected:
    IPaperHouse() = default;
    IPaperHouse(const IPaperHouse&) = default;
    IPaperHouse& operator=(const IPaperHouse&) = default;
};

// The paper size (mm) of a paper-house document's first page: the
// high-rise turns its first pages.
inline QSizeF PaperHouseFirstPage(const tandrel::paperhouse::TPaperHousePdfInput& in, bool highRise)
{
    return highRise ? QSizeF(in.pageHeight, in.pageWidth) : QSizeF(in.pageWidth, in.pageHeight);
}

#define IPaperHouse_iid "de.norvi.tandrel.IPaperHouse"
Q_DECLARE_INTERFACE(IPaperHouse, IPaperHouse_iid)
