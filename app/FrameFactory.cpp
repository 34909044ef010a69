#include "app/FrameFactory.h"

#include "addresses/FAdressFrame.h"
#include "app/FBaseFrame.h"
#include "app/FrameIds.h"
#include "app/FOverviewFrame.h"
#include "geo/FAdressGeoFrame.h"
#include "geo/FBranchenbuchFrame.h"
#include "paperhouse/FPapierHausFrame.h"
#include "platform/Logging.h"
#include "product/FKontaloProduktFrame.h"
#include "roof/FDachplanung2DFrame.h"
#include "yield/FErtragFrame.h"
#include "presentations/FEigenverbrauchFrame.h"
#include "presentations/FKEVFrame.h"

#include <QWidget>
#include <algorithm>

namespace {

template <class T>
TBaseFrame* make(QWidget* parent)
{
    return new T(parent);
}

} // namespace

const std::vector<FrameClassInfo>& FrameClassTable()
{
    static const std::vector<FrameClassInfo> table = {
        {FrameId::Overview, "TOverviewFrame", make<TOverviewFrame>},
        {FrameId::KontaloProdukt, "TKontaloProduktFrame", make<TKontaloProduktFrame>},
        {FrameId::PapierHaus, "TPapierHausFrame", make<TPapierHausFrame>},
        {FrameId::Ertrag, "TErtragFrame", make<TErtragFrame>},
        {FrameId::Eigenverbrauch, "TEigenverbrauchFrame", make<TEigenverbrauchFrame>},
        {FrameId::KEV, "TKEVFrame", make<TKEVFrame>},
        {FrameId::Dachplanung2D, "TDachplanung2DFrame", make<TDachplanung2DFrame>},
        {FrameId::Branchenbuch, "TBranchenbuchFrame", make<TBranchenbuchFrame>},
        {FrameId::AdressGeo, "TAdressGeoFrame", make<TAdressGeoFrame>},
        {FrameId::Adress, "TAdressFrame", make<TAdressFrame>},
        {FrameId::Help, "THelpFrame", nullptr},
    };
    return table;
}

TFrameFactory::~TFrameFactory() = default;

TBaseFrame* TFrameFactory::GetAuxFrame() const
{
    return AuxFrame.data();
}

TBaseFrame* TFrameFactory::CreateFrameByID(int frameId, QWidget* parent, TBaseFrame* owner)
{
    const auto& table = FrameClassTable();
    auto it = std::find_if(table.begin(), table.end(), [&](const FrameClassInfo& row) { return row.id == frameId; });
    if (it == table.end() || !it->create)
        return nullptr;
    TBaseFrame* frame = it->create(parent);
    AddFrame(frame);
    frame->show();
    try {
        frame->InitFrame(parent, owner, this, frameId);
    } catch (const std::exception& e) {
        // The frame stays in the list as far as it got.
        qCWarning(lcTandrelFrames) << "frame" << frameId << "initialised only in part:" << e.what();
    }
    return frame;
}

TBaseFrame* TFrameFactory::CreateFrame(int frameId)
{
    return CreateFrameByID(frameId, MainWindow ? MainWindow->GetBodyPanel() : nullptr, nullptr);
}

void TFrameFactory::StartFactory(TMainWindowInterface* mainWindow, TInterfaceFrame* interfaceFrame)
{
    TBaseFrameFactory::StartFactory(mainWindow, interfaceFrame);
    QWidget* updatePanel = mainWindow ? mainWindow->GetUpdatePanel() : nullptr;
    AuxFrame = CreateFrameByID(FrameId::Aux, updatePanel, nullptr);
    QWidget* body = mainWindow ? mainWindow->GetBodyPanel() : nullptr;
    QWidget* window = body ? body->window() : nullptr;
    if (window)
        window->setCursor(Qt::WaitCursor);
    if (body)
        body->setCursor(Qt::WaitCursor);
    CreateFrame(FrameId::Overview);
    for (TBaseFrame* f : std::vector<TBaseFrame*>(Frames())) {
        try {
            f->AfterFramesCreated();
        } catch (const std::exception& e) {
            // One frame's failure must not keep the others from starting.
            qCWarning(lcTandrelFrames) << "frame" << f->GetFrameID() << "AfterFramesCreated:" << e.what();
        }
    }
    if (body) {
        body->setVisible(true);
        body->unsetCursor();
    }
    if (window)
        window->unsetCursor();
}

void TFrameFactory::ShutdownFactory()
{
    DestroyFrames();
    TBaseFrameFactory::ShutdownFactory();
}
