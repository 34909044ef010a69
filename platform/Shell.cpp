#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tandrel::platform {

void appendLine(const QString& file, const QString& line)
{
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QString one = line;
    one.replace(QLatin1Char('\n'), QLatin1Char(' '));
    f.write(one.toUtf8() + '\n');
}

QString FindCalculator()
{
    static const char* const candidates[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc", "xcalc"};
    for (const char* name : candidates) {
        const QString exe = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!exe.isEmpty())
            return exe;
    }
    return {};
}

bool Shell::openDocument(const QString& path)
{
    m_shownDocuments.insert(QFileInfo(path).absoluteFilePath());
    return open(path);
}

bool Shell::showsDocument(const QString& path) const
{
    return m_shownDocuments.contains(QFileInfo(path).absoluteFilePath());
}

bool DesktopShell::open(const QString& target)
{
    QUrl url;
    if (QFileInfo::exists(target))
        url = QUrl::fromLocalFile(target);
    else
        url = QUrl::fromUserInput(target);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

bool DesktopShell::start(const QString& program)
{
    return QProcess::startDetached(program, {});
}

LoggingShell::LoggingShell(QString logFile) : m_logFile(std::move(logFile)) {}

bool LoggingShell::open(const QString& target)
{
    appendLine(m_logFile, target);
    return true;
}

} // namespace tandrel::platform
