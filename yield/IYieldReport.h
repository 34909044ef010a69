#pragma once

#include "yield/YieldReportPdf.h"

#include <QObject>

// What the yield frame offers other frames: the report as its own PDF
// prints it. Reached with qobject_cast<IYieldReport*> on FindFrame(FrameId::Ertrag).
class IYieldReport {
public:
    virtual ~IYieldReport() = default;
    virtual MYieldReportInput ReportInput() = 0;

protected:
    IYieldReport() = default;
    IYieldReport(const IYieldReport&) = default;
    IYieldReport& operator=(const IYieldReport&) = default;
};

#define IYieldReport_iid "de.norvi.tandrel.IYieldReport"
Q_DECLARE_INTERFACE(IYieldReport, IYieldReport_iid)
