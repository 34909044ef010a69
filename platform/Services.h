#pragma once

#include <memory>

namespace tandrel::platform {

class Dialogs;
class Shell;

// The process-wide platform services. The defaults are chosen from the
// environment (automation logs when their variables are set, Qt otherwise);
// tests install doubles with the scoped overrides below.
Dialogs& dialogs();
Shell& shell();

// Installs `d` until the returned guard dies, then restores the previous one.
class ScopedDialogs {
public:
    explicit ScopedDialogs(Dialogs& d);
    ~ScopedDialogs();
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;

private:
    Dialogs* m_previous;
};

class ScopedShell {
public:
    explicit ScopedShell(Shell& s);
    ~ScopedShell();
    ScopedShell(const ScopedShell&) = delete;
    ScopedShell& operator=(const ScopedShell&) = delete;

private:
    Shell* m_previous;
};

} // namespace tandrel::platform
