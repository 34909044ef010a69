// One libFuzzer binary per target; TANDREL_FUZZ_TARGET names it.
#include "fuzz/FuzzEntries.h"

#include "platform/Dialogs.h"
#include "platform/Services.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// No dialog may wait for a person while fuzzing.
class SilentDialogs final : public tandrel::platform::Dialogs {
public:
    void showMessage(const QString&) override {}
    bool askYesNo(const QString&) override { return false; }
    std::optional<QColor> chooseColor(const QColor&) override { return std::nullopt; }
    QString getOpenFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString getSaveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }
};

const tandrel::fuzz::Target* target = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    target = tandrel::fuzz::FindTarget(TANDREL_FUZZ_TARGET);
    if (!target) {
        std::fprintf(stderr, "no fuzz target %s\n", TANDREL_FUZZ_TARGET);
        std::exit(2);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir folder;
    qputenv("TANDREL_REGISTRY", QDir(folder.path()).filePath("registry.reg").toLocal8Bit());
    qputenv("TANDREL_APPDATA", folder.path().toLocal8Bit());
    static QGuiApplication app(*argc, *argv);
    static SilentDialogs dialogs;
    static tandrel::platform::ScopedDialogs guard(dialogs);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    target->entry(data, size);
    return 0;
}
