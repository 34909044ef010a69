#include "tests/support/TestEnv.h"

#include <QDir>

namespace tandrel::test {

bool ScriptedDialogs::askYesNo(const QString& text)
{
    messages << text;
    if (yesNoAnswers.empty())
        return false;
    bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
}

int ScriptedDialogs::askChoice(const QString& text, const QStringList& buttons)
{
    messages << text;
    choiceButtons << buttons;
    if (choiceAnswers.empty())
        return -1;
    const int a = choiceAnswers.front();
    choiceAnswers.pop_front();
    return a;
}

std::optional<QColor> ScriptedDialogs::chooseColor(const QColor&)
{
    if (colorAnswers.empty())
        return std::nullopt;
    auto a = colorAnswers.front();
    colorAnswers.pop_front();
    return a;
}

static QString take(std::deque<QString>& q)
{
    if (q.empty())
        return {};
    QString a = q.front();
    q.pop_front();
    return a;
}

QString ScriptedDialogs::getOpenFileName(const QString&, const QString&, const QString&)
{
    return take(openAnswers);
}

QString ScriptedDialogs::getSaveFileName(const QString& title, const QString&, const QString&)
{
    saveTitles << title;
    return take(saveAnswers);
}

QString ScriptedDialogs::chooseFolder(const QString& title, const QString&)
{
    folderTitles << title;
    return take(folderAnswers);
}

TestEnv::TestEnv()
{
    m_oldRegistry = qgetenv("TANDREL_REGISTRY");
    m_oldAppData = qgetenv("TANDREL_APPDATA");
    QDir(tempDir.path()).mkpath("appdata");
    qputenv("TANDREL_REGISTRY", registryPath().toUtf8());
    qputenv("TANDREL_APPDATA", appDataPath().toUtf8());
}

static void restore(const char* name, const QByteArray& value)
{
    if (value.isEmpty())
        qunsetenv(name);
    else
        qputenv(name, value);
}

TestEnv::~TestEnv()
{
    restore("TANDREL_REGISTRY", m_oldRegistry);
    restore("TANDREL_APPDATA", m_oldAppData);
}

QString TestEnv::registryPath() const
{
    return tempDir.filePath("settings/registry.reg");
}

QString TestEnv::appDataPath() const
{
    return tempDir.filePath("appdata");
}

} // namespace tandrel::test
