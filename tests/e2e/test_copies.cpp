#include "app/KontaloRegistry.h"
#include "platform/RegistryStore.h"
#include "tests/support/CaseName.h"
#include "tests/e2e/ProgramTest.h"

#include <QDir>
#include <algorithm>
#include <QFileInfo>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>
#include <vector>

namespace {

// Several copies of the real program on one settings file, started together
// so that every copy has read its settings before any of them writes.
class CopiesTest : public ProgramTest {
protected:
    struct Copy {
        std::unique_ptr<QProcess> process;
        QString log;
    };

    // Starts copy `n` with `script`; every script ends by printing a marker,
    // waiting for `release` and quitting.
    Copy start(int n, QStringList script, const QString& release)
    {
        const QString copy = QString::number(n);
        Copy c;
        c.log = tempDir.filePath("script" + copy + ".log");
        script << "print SpeedButtonEnde" << "wait " + release << "quit";
        QFile s(tempDir.filePath("script" + copy + ".txt"));
        EXPECT_TRUE(s.open(QIODevice::WriteOnly | QIODevice::Truncate));
        s.write(script.join('\n').toUtf8());
        s.close();
        c.process = std::make_unique<QProcess>();
        c.process->setProcessEnvironment(programEnvironment(copy));
        c.process->start(QStringLiteral(TANDREL_EXE));
        return c;
    }

    static bool ready(const Copy& c)
    {
        QFile f(c.log);
        return f.open(QIODevice::ReadOnly) && f.readAll().contains("SpeedButtonEnde=");
    }

    static void release(const QString& file)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    static void finish(std::vector<Copy>& copies, int from, int to)
    {
        for (int i = from; i < to; ++i) {
            QProcess& p = *copies[size_t(i)].process;
            ASSERT_TRUE(p.waitForFinished(120000)) << "copy " << i;
            EXPECT_EQ(p.exitStatus(), QProcess::NormalExit) << "copy " << i;
            EXPECT_EQ(p.exitCode(), 0) << "copy " << i << p.readAllStandardError().toStdString();
            QFile log(copies[size_t(i)].log);
            ASSERT_TRUE(log.open(QIODevice::ReadOnly));
            EXPECT_FALSE(log.readAll().contains("ERROR")) << "copy " << i;
        }
    }
};

struct CopiesCase {
    const char* label;
    int copies;
};

class ConcurrentCopies : public CopiesTest, public ::testing::WithParamInterface<CopiesCase> {};

// All copies run at once; they quit one after the other, the ones that
// change something first. Each later copy rewrites at exit every setting it
// read at start, which must not undo the earlier copies' changes.
TEST_P(ConcurrentCopies, NoCopyUndoesAnotherCopysChange)
{
    {
        // A finished first start, as on any user's machine.
        std::vector<Copy> first;
        first.push_back(start(99, {}, tempDir.filePath("go-first")));
        release(tempDir.filePath("go-first"));
        finish(first, 0, 1);
    }
    const QStringList changes[] = {
        {"set UpDownRegistrySubVersion 7"},
        {"action MenuHintergrundbild", "click Image2", "click ButtonOK"},
        {"check CheckBoxInstallationabgeschlossen 0"},
    };
    const int copies = GetParam().copies;
    const int changing = std::min(copies, 3);
    std::vector<Copy> all;
    for (int i = 0; i < copies; ++i)
        all.push_back(start(i, i < changing ? changes[i] : QStringList(), tempDir.filePath(QString("go-%1").arg(i))));
    ASSERT_TRUE(QTest::qWaitFor([&] {
        for (const Copy& c : all)
            if (!ready(c))
                return false;
        return true;
    }, 120000)) << "not every copy got ready";

    // One after the other, in start order: every later copy has read the
    // settings before the earlier ones changed them.
    for (int i = 0; i < copies; ++i) {
        release(tempDir.filePath(QString("go-%1").arg(i)));
        finish(all, i, i + 1);
    }

    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("Main", "UnterVersion", -1), 7);
    EXPECT_EQ(reg.ReadInteger("overview", "BackImageID", -1), 3120);
    if (changing > 2) {
        EXPECT_FALSE(reg.ReadBool("Main", "KTLPRO2010InstallationAbgeschlossen", true));
    }
}

// Rounds of copies that read their settings together and then quit all at
// once, so that their merges run into one another in every order: not one
// of the three changes may be lost in any round. Rounds run side by side in
// lanes, each on a settings file of its own, so that the copies' start-up
// waits overlap. TANDREL_COPY_ROUNDS sets the number of rounds (default 50).
struct RoundsCase {
    const char* label;
    int copies;
    int lanes;
};

class CopiesInRounds : public CopiesTest, public ::testing::WithParamInterface<RoundsCase> {
protected:
    // Copy `n` of lane `lane`: its settings, folders and script files in the lane's folder.
    Copy startIn(int lane, int n, QStringList script, const QString& release)
    {
        const QString dir = tempDir.filePath(QString("lane%1").arg(lane));
        QDir().mkpath(dir);
        const QString copy = QString::number(n);
        Copy c;
        c.log = dir + "/script" + copy + ".log";
        QFile::remove(c.log);
        script << "print SpeedButtonEnde" << "wait " + release << "quit";
        QFile s(dir + "/script" + copy + ".txt");
        EXPECT_TRUE(s.open(QIODevice::WriteOnly | QIODevice::Truncate));
        s.write(script.join('\n').toUtf8());
        s.close();
        QProcessEnvironment env = programEnvironment(copy);
        env.insert("TANDREL_REGISTRY", dir + "/registry.reg");
        env.insert("TANDREL_APPDATA", dir + "/appdata");
        env.insert("TANDREL_DIALOG_LOG", dir + "/dialogs" + copy + ".log");
        env.insert("TANDREL_SHELL_LOG", dir + "/shell" + copy + ".log");
        env.insert("TANDREL_SCRIPT", dir + "/script" + copy + ".txt");
        env.insert("TANDREL_SCRIPT_LOG", c.log);
        c.process = std::make_unique<QProcess>();
        c.process->setProcessEnvironment(env);
        c.process->start(QStringLiteral(TANDREL_EXE));
        return c;
    }
    QString laneFile(int lane) const { return tempDir.filePath(QString("lane%1/registry.reg").arg(lane)); }
};

TEST_P(CopiesInRounds, EveryChangeSurvivesQuittingAtOnce)
{
    const RoundsCase& c = GetParam();
    {
        // A finished first start, as on any user's machine.
        std::vector<Copy> first;
        first.push_back(startIn(0, 99, {}, tempDir.filePath("go-first")));
        release(tempDir.filePath("go-first"));
        finish(first, 0, 1);
    }
    QByteArray finishedFirstStart;
    {
        QFile f(laneFile(0));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        finishedFirstStart = f.readAll();
    }
    const QStringList changes[] = {
        {"set UpDownRegistrySubVersion 7"},
        {"action MenuHintergrundbild", "click Image2", "click ButtonOK"},
        {"check CheckBoxInstallationabgeschlossen 0"},
    };
    const int rounds = qEnvironmentVariableIsSet("TANDREL_COPY_ROUNDS") ? qEnvironmentVariableIntValue("TANDREL_COPY_ROUNDS") : 50;
    int done = 0, lost = 0;
    for (int batch = 0; done < rounds && !HasFatalFailure(); ++batch) {
        const int lanes = std::min(c.lanes, rounds - done);
        const QString go = tempDir.filePath(QString("go-%1").arg(batch));
        std::vector<Copy> all;
        for (int lane = 0; lane < lanes; ++lane) {
            QDir().mkpath(QFileInfo(laneFile(lane)).absolutePath());
            QFile f(laneFile(lane));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(finishedFirstStart);
            f.close();
            for (int i = 0; i < c.copies; ++i)
                all.push_back(startIn(lane, i, i < 3 ? changes[i] : QStringList(), go));
        }
        ASSERT_TRUE(QTest::qWaitFor([&] {
            for (const Copy& copy : all)
                if (!ready(copy))
                    return false;
            return true;
        }, 180000)) << "batch " << batch << ": not every copy got ready";
        release(go);
        finish(all, 0, int(all.size()));
        for (int lane = 0; lane < lanes; ++lane, ++done) {
            tandrel::platform::RegistryStore store(laneFile(lane));
            auto dword = [&](const char* key, const char* name) {
                const auto* v = store.value(RegistryKeyPath(key), name);
                return v ? qint64(v->dword()) : -1;
            };
            const qint64 sub = dword("Main", "UnterVersion"), back = dword("overview", "BackImageID"),
                         flag = dword("Main", "KTLPRO2010InstallationAbgeschlossen");
            const bool kept = sub == 7 && back == 3120 && flag == 0;
            EXPECT_TRUE(kept) << "round " << done << ": UnterVersion " << sub << ", BackImageID " << back
                              << ", installation flag " << flag;
            lost += kept ? 0 : 1;
        }
    }
    EXPECT_EQ(lost, 0) << "of " << done << " rounds";
}

INSTANTIATE_TEST_SUITE_P(Settings, CopiesInRounds,
                         ::testing::Values(RoundsCase{"three_copies", 3, 5}, RoundsCase{"eight_copies", 8, 2}),
                         tandrel::test::CaseName{});

INSTANTIATE_TEST_SUITE_P(Settings, ConcurrentCopies,
                         ::testing::Values(CopiesCase{"two_copies", 2}, CopiesCase{"eight_copies", 8}),
                         tandrel::test::CaseName{});

} // namespace
