#pragma once

// A workspace object in a folder of its own for the PDF benchmarks, with
// dialogs and shell that never wait for a person.
#include "app/FInterfaceFrame.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace bench {

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

// A workspace in a folder of its own, with its catalogue loaded.
struct Workspace {
    Workspace()
    {
        qputenv("TANDREL_APPDATA", dir.filePath("appdata").toUtf8());
        qputenv("TANDREL_REGISTRY", dir.filePath("registry.reg").toUtf8());
        ws.InitInterface();
    }
    QTemporaryDir dir;
    SilentDialogs dialogs;
    NullShell shell;
    tandrel::platform::ScopedDialogs dialogsGuard{dialogs};
    tandrel::platform::ScopedShell shellGuard{shell};
    TInterfaceFrame ws;
};

// Made in main(): its widget must go before the application object.
inline std::unique_ptr<Workspace> g_workspace;

inline Workspace& workspace() { return *g_workspace; }

inline void setSize(benchmark::State& state, const QString& file)
{
    state.counters["bytes"] = benchmark::Counter(double(QFileInfo(file).size()));
}

} // namespace bench
