#pragma once

#include "app/FrameFactory.h"
#include "tests/support/TestEnv.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// Runs the real program in automation mode.
class ProgramTest : public tandrel::test::TestEnv {
protected:
    struct Run {
        int exitCode = -1;
        QStringList dialogLog, shellLog, scriptLog;
    };

    Run run(const QStringList& script, const QStringList& args = {})
    {
        const QString dir = tempDir.path();
        for (const char* f : {"dialogs.log", "shell.log", "script.log"})
            QFile::remove(dir + "/" + f);
        QFile s(dir + "/script.txt");
        EXPECT_TRUE(s.open(QIODevice::WriteOnly | QIODevice::Truncate));
        s.write(script.join('\n').toUtf8());
        s.close();

        QProcess p;
        p.setProcessEnvironment(programEnvironment(QString()));
        p.start(QStringLiteral(TANDREL_EXE), args);
        EXPECT_TRUE(p.waitForFinished(60000)) << p.readAllStandardError().toStdString();
        Run r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.dialogLog = lines(dir + "/dialogs.log");
        r.shellLog = lines(dir + "/shell.log");
        r.scriptLog = lines(dir + "/script.log");
        return r;
    }

    // The automation environment of one program copy; its files in the
    // temporary folder carry `copy` in their names (script<copy>.txt, ...).
    QProcessEnvironment programEnvironment(const QString& copy) const
    {
        const QString dir = tempDir.path();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TANDREL_REGISTRY", registryPath());
        env.insert("TANDREL_APPDATA", appDataPath());
        env.insert("TANDREL_DIALOG_LOG", dir + "/dialogs" + copy + ".log");
        env.insert("TANDREL_SHELL_LOG", dir + "/shell" + copy + ".log");
        env.insert("TANDREL_SCRIPT", dir + "/script" + copy + ".txt");
        env.insert("TANDREL_SCRIPT_LOG", dir + "/script" + copy + ".log");
        return env;
    }

    static QStringList lines(const QString& path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    static bool startPageExists()
    {
        for (const auto& row : FrameClassTable())
            if (row.id == 1100)
                return row.create != nullptr;
        return false;
    }
};
