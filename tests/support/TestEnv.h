#pragma once

#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "platform/Shell.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <ostream>
#include <gtest/gtest.h>

// Readable Qt values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join(", ").toStdString() << ']'; }

namespace tandrel::test {

// Records every message and answers the other dialogs from queues
// (cancel when a queue is empty).
class ScriptedDialogs final : public platform::Dialogs {
public:
    QStringList messages;
    std::deque<bool> yesNoAnswers;
    std::deque<int> choiceAnswers; // button index; -1 closes the box
    QList<QStringList> choiceButtons;
    std::deque<std::optional<QColor>> colorAnswers;
    std::deque<QString> openAnswers, saveAnswers, folderAnswers;
    QStringList saveTitles, folderTitles;

    void showMessage(const QString& text) override { messages << text; }
    bool askYesNo(const QString& text) override;
    int askChoice(const QString& text, const QStringList& buttons) override;
    std::optional<QColor> chooseColor(const QColor& initial) override;
    QString getOpenFileName(const QString&, const QString&, const QString&) override;
    QString getSaveFileName(const QString& title, const QString&, const QString&) override;
    QString chooseFolder(const QString& title, const QString&) override;
};

// Records every opened target; answers `result`.
class RecordingShell final : public platform::Shell {
public:
    QStringList opened;
    bool result = true;
    bool open(const QString& target) override { opened << target; return result; }
};

// Each test gets its own settings file and application-data folder, and
// scripted dialogs and shell.
class TestEnv : public ::testing::Test {
protected:
    TestEnv();
    ~TestEnv() override;

    QString registryPath() const;
    QString appDataPath() const;

    QTemporaryDir tempDir;
    ScriptedDialogs dialogs;
    RecordingShell shell;

private:
    platform::ScopedDialogs m_dialogsGuard{dialogs};
    platform::ScopedShell m_shellGuard{shell};
    QByteArray m_oldRegistry, m_oldAppData;
};

} // namespace tandrel::test
