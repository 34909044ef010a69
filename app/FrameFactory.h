#pragma once

#include "app/BaseFrameFactory.h"

#include <QString>
#include <vector>

class QWidget;

// One row of the frame table.
struct FrameClassInfo {
    int id;
    const char* className;
    // Empty while the class does not exist yet: the ID then yields no frame.
    TBaseFrame* (*create)(QWidget* parent);
};

// The table from frame ID to frame class, in one place.
const std::vector<FrameClassInfo>& FrameClassTable();

class TFrameFactory : public TBaseFrameFactory {
public:
    ~TFrameFactory() override;

    void StartFactory(TMainWindowInterface* mainWindow, TInterfaceFrame* interfaceFrame) override;
    void ShutdownFactory() override;
    TBaseFrame* CreateFrame(int frameId) override;
    TBaseFrame* CreateFrameByID(int frameId, QWidget* parent, TBaseFrame* owner);

    TBaseFrame* GetAuxFrame() const;
};
