#include "app/KontaloRegistry.h"
#include "platform/RegistryStore.h"
#include "tests/support/TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

class KontaloRegistryProcesses : public tandrel::test::TestEnv {};

// Two programs save into the same settings file at the same time, one value
// per commit: each commit merges into what the other one wrote just before.
TEST_F(KontaloRegistryProcesses, TwoWritersAtOnceLoseNothing)
{
    constexpr int kCount = 100;
    QDir().mkpath(QFileInfo(registryPath()).absolutePath());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("TANDREL_DIALOG_LOG", tempDir.filePath("dialogs.log"));

    QProcess first, second;
    for (QProcess* p : {&first, &second})
        p->setProcessEnvironment(env);
    first.start(TANDREL_REGISTRY_WRITER, {registryPath(), "a", QString::number(kCount)});
    second.start(TANDREL_REGISTRY_WRITER, {registryPath(), "b", QString::number(kCount)});
    for (QProcess* p : {&first, &second}) {
        ASSERT_TRUE(p->waitForFinished(120000)) << p->errorString().toStdString();
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().constData();
    }

    MKontaloRegistry registry;
    int missing = 0;
    for (const char* prefix : {"a", "b"}) {
        for (int i = 0; i < kCount; ++i) {
            if (registry.ReadInteger("Wettlauf", prefix + QString::number(i), -1) != i)
                ++missing;
        }
    }
    EXPECT_EQ(missing, 0);
    EXPECT_FALSE(QFileInfo::exists(tempDir.filePath("dialogs.log"))); // no damaged file on the way
}

} // namespace
