#pragma once

#include "app/BaseFrameFactory.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QWidget>

#include <cstdio>

namespace bench {

// Stand-ins for the desktop while a benchmark writes documents: nothing is
// opened, messages go to stderr, every other dialog is cancelled.
class NullShell final : public tandrel::platform::Shell {
public:
    QString last;
    bool open(const QString& target) override
    {
        last = target;
        return true;
    }
};

class SilentDialogs final : public tandrel::platform::Dialogs {
public:
    void showMessage(const QString& text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    bool askYesNo(const QString&) override { return false; }
    std::optional<QColor> chooseColor(const QColor&) override { return std::nullopt; }
    QString getOpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString getSaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

// The two panels a frame factory needs from the main window, without one.
class MainWindowStub final : public TMainWindowInterface {
public:
    QWidget body;
    QWidget update;
    QWidget* GetBodyPanel() override { return &body; }
    QWidget* GetUpdatePanel() override { return &update; }
    void SetFrameCaption(const QString&) override {}
};

} // namespace bench
