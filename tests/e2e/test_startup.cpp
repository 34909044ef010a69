#include "app/FrameFactory.h"
#include "app/KontaloRegistry.h"
#include "tests/support/TestEnv.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

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

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TANDREL_REGISTRY", registryPath());
        env.insert("TANDREL_APPDATA", appDataPath());
        env.insert("TANDREL_DIALOG_LOG", dir + "/dialogs.log");
        env.insert("TANDREL_SHELL_LOG", dir + "/shell.log");
        env.insert("TANDREL_SCRIPT", dir + "/script.txt");
        env.insert("TANDREL_SCRIPT_LOG", dir + "/script.log");
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TANDREL_EXE), args);
        EXPECT_TRUE(p.waitForFinished(60000)) << p.readAllStandardError().toStdString();
        Run r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.dialogLog = lines(dir + "/dialogs.log");
        r.shellLog = lines(dir + "/shell.log");
        r.scriptLog = lines(dir + "/script.log");
        return r;
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

TEST_F(ProgramTest, FirstAndSecondStartKeepTheMainSettings)
{
    Run first = run({"quit"});
    ASSERT_EQ(first.exitCode, 0);
    {
        MKontaloRegistry reg;
        EXPECT_TRUE(reg.ReadBool("Main", "KTLPRO2010InstallationAbgeschlossen", false));
        EXPECT_EQ(reg.ReadInteger("Main", "UnterVersion", -1), 0);
        EXPECT_EQ(reg.ReadString("Main", "SprachAuswahl", "x"), QString());
        reg.WriteString("Main", "SprachAuswahl", "Deutsch");
        reg.WriteInteger("Main", "UnterVersion", 17);
    }
    Run second = run({"print CheckBoxInstallationabgeschlossen", "print UpDownRegistrySubVersion", "quit"});
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.scriptLog,
              QStringList({"CheckBoxInstallationabgeschlossen=1", "UpDownRegistrySubVersion=17"}));
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadString("Main", "SprachAuswahl", ""), "Deutsch");
    EXPECT_EQ(reg.ReadInteger("Main", "UnterVersion", -1), 17);
}

TEST_F(ProgramTest, ScriptErrorsAreLoggedAndTheScriptGoesOn)
{
    Run r = run({"jump high", "click NoSuchButton", "print SpeedButtonEnde", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.scriptLog.size(), 3);
    EXPECT_TRUE(r.scriptLog[0].startsWith("ERROR jump high"));
    EXPECT_TRUE(r.scriptLog[1].startsWith("ERROR click NoSuchButton"));
    EXPECT_EQ(r.scriptLog[2], "SpeedButtonEnde=Beenden");
}

TEST_F(ProgramTest, SiArgumentReachesTheStartPage)
{
    Run r = run({"quit"}, {"/home/kunde/Angebot.SI"});
    ASSERT_EQ(r.exitCode, 0);
    if (startPageExists())
        EXPECT_EQ(r.dialogLog,
                  QStringList({"Kein SetFilename(/home/kunde/Angebot.SI) für Frame: ID:1100 Name:Übersicht implementiert"}));
    else
        EXPECT_TRUE(r.dialogLog.isEmpty());
}

TEST_F(ProgramTest, LinksGoThroughTheShell)
{
    Run r = run({"click SpeedButtonTandrel", "action HilfeMobileApp", "quit"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.shellLog.size(), 2);
}

} // namespace
