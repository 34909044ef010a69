#pragma once

#include "app/BaseFrameFactory.h"

#include <QString>
#include <QWidget>

namespace tandrel::test {

// The two panels a frame factory needs from the main window, without one.
class MainWindowStub : public TMainWindowInterface {
public:
    QWidget body;
    QWidget update;
    QWidget* GetBodyPanel() override { return &body; }
    QWidget* GetUpdatePanel() override { return &update; }
    void SetFrameCaption(const QString&) override {}
};

} // namespace tandrel::test
