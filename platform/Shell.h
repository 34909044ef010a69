#pragma once

#include <QSet>
#include <QString>

namespace tandrel::platform {

// The desktop's "open" verb: web addresses (with or without scheme), mailto
// links and documents; and starting a program such as the calculator.
class Shell {
public:
    virtual ~Shell() = default;
    // Answers false when the desktop could not open the target.
    virtual bool open(const QString& target) = 0;
    // Starts the program (a full path) on its own; false when it did not start.
    // Doubles that only record may take it as one more target.
    virtual bool start(const QString& program) { return open(program); }

    // Opens a document we wrote. A viewer on this desktop holds no lock on
    // it, so a document shown during this run counts as still open.
    bool openDocument(const QString& path);
    bool showsDocument(const QString& path) const;

private:
    QSet<QString> m_shownDocuments;
};

class DesktopShell final : public Shell {
public:
    bool open(const QString& target) override;
    bool start(const QString& program) override;
};

// Automation mode: appends each target to a file as one line instead of opening it.
class LoggingShell final : public Shell {
public:
    explicit LoggingShell(QString logFile);
    bool open(const QString& target) override;

private:
    QString m_logFile;
};

// The desktop's calculator: the first of gnome-calculator, kcalc, galculator,
// mate-calc and xcalc found on the PATH; empty when there is none.
QString FindCalculator();

// Appends one line (UTF-8, newline-terminated) to a text file; used by the logs.
void appendLine(const QString& file, const QString& line);

} // namespace tandrel::platform
