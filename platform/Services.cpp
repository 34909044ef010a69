#include "platform/Services.h"

#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QString>

namespace tandrel::platform {

namespace {

Dialogs* g_dialogs = nullptr;
Shell* g_shell = nullptr;

Dialogs& defaultDialogs()
{
    static std::unique_ptr<Dialogs> instance = [] () -> std::unique_ptr<Dialogs> {
        QString log = qEnvironmentVariable("TANDREL_DIALOG_LOG");
        if (!log.isEmpty())
            return std::make_unique<LoggingDialogs>(log);
        return std::make_unique<QtDialogs>();
    }();
    return *instance;
}

Shell& defaultShell()
{
    static std::unique_ptr<Shell> instance = [] () -> std::unique_ptr<Shell> {
        QString log = qEnvironmentVariable("TANDREL_SHELL_LOG");
        if (!log.isEmpty())
            return std::make_unique<LoggingShell>(log);
        return std::make_unique<DesktopShell>();
    }();
    return *instance;
}

} // namespace

Dialogs& dialogs()
{
    return g_dialogs ? *g_dialogs : defaultDialogs();
}

Shell& shell()
{
    return g_shell ? *g_shell : defaultShell();
}

ScopedDialogs::ScopedDialogs(Dialogs& d) : m_previous(g_dialogs) { g_dialogs = &d; }
ScopedDialogs::~ScopedDialogs() { g_dialogs = m_previous; }
ScopedShell::ScopedShell(Shell& s) : m_previous(g_shell) { g_shell = &s; }
ScopedShell::~ScopedShell() { g_shell = m_previous; }

} // namespace tandrel::platform
