#pragma once

#include <QString>

namespace tandrel::platform {

// The desktop's "open" verb: web addresses (with or without scheme), mailto
// links, documents and the calculator ("Calc.exe").
class Shell {
public:
    virtual ~Shell() = default;
    // Answers false when the desktop could not open the target.
    virtual bool open(const QString& target) = 0;
};

class DesktopShell final : public Shell {
public:
    bool open(const QString& target) override;
};

// Automation mode: appends each target to a file as one line instead of opening it.
class LoggingShell final : public Shell {
public:
    explicit LoggingShell(QString logFile);
    bool open(const QString& target) override;

private:
    QString m_logFile;
};

// Appends one line (UTF-8, newline-terminated) to a text file; used by the logs.
void appendLine(const QString& file, const QString& line);

} // namespace tandrel::platform
