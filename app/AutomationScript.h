#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

class QWidget;

// Runs the commands of a script file on the program's own widgets, one per
// event-loop turn, so that commands go on while a modal dialog is open.
// Commands: show ID, click NAME, set NAME TEXT, check NAME 0|1,
// select NAME INDEX [COLUMN], slide NAME VALUE, action NAME, print NAME,
// drag NAME DX DY,
// grab FILE.png [NAME], wait FILE, quit. NAME may be a path "Outer/Inner".
class AutomationScript : public QObject {
    Q_OBJECT
public:
    using ShowFrameFn = std::function<bool(int)>;

    AutomationScript(QWidget* mainWindow, QStringList lines, QString logFile, ShowFrameFn showFrame);
    ~AutomationScript() override;

    // A script from TANDREL_SCRIPT (log: TANDREL_SCRIPT_LOG); empty when unset.
    static std::unique_ptr<AutomationScript> FromEnvironment(QWidget* mainWindow, ShowFrameFn showFrame);

    void Start();
    bool Finished() const { return m_next >= m_lines.size(); }

    // Runs one command line now.
    void Execute(const QString& line);
    // The object with that name in the program's windows, visible ones first.
    QObject* Find(const QString& name) const;

    // How long "wait FILE" waits at most.
    static constexpr int kWaitLimitMs = 60000;

private:
    void ScheduleNext();
    void WaitForFile(const QString& file, const QString& line, QDeadlineTimer deadline);
    void Log(const QString& line);
    void Error(const QString& line, const QString& why);

    QWidget* m_mainWindow;
    QStringList m_lines;
    QString m_logFile;
    ShowFrameFn m_showFrame;
    int m_next = 0;
};
