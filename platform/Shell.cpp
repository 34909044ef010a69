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

static bool openCalculator()
{
    static const char* const candidates[] = {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk",
                                             "mate-calc", "xcalc", "calc.exe"};
    for (const char* name : candidates) {
        QString exe = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!exe.isEmpty())
            return QProcess::startDetached(exe, {});
    }
    return false;
}

bool DesktopShell::open(const QString& target)
{
    if (target.compare(QLatin1String("Calc.exe"), Qt::CaseInsensitive) == 0)
        return openCalculator();
    QUrl url;
    if (QFileInfo::exists(target))
        url = QUrl::fromLocalFile(target);
    else
        url = QUrl::fromUserInput(target);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

LoggingShell::LoggingShell(QString logFile) : m_logFile(std::move(logFile)) {}

bool LoggingShell::open(const QString& target)
{
    appendLine(m_logFile, target);
    return true;
}

} // namespace tandrel::platform
