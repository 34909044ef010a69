#include "app/FrameIds.h"
#include "app/InfoDlg.h"
#include "app/KontaloRegistry.h"
#include "app/MainForm.h"
#include "app/FrameFactory.h"
#include "platform/RegularFile.h"
#include "tests/support/CaseName.h"
#include "tests/support/FifoTrap.h"
#include "tests/support/TestEnv.h"

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <memory>

namespace {

using tandrel::platform::kMaxPictureSide;
using tandrel::platform::loadPictureFile;
using tandrel::test::FifoTrap;

// What a name given to the picture loader points at.
enum class Target { Fifo, Folder, Device, Missing, NoPicture, TooLarge, Wide, Small };

struct LoaderCase {
    const char* name;
    Target target;
    QSize expected; // empty: refused
};

class PictureLoader : public tandrel::test::TestEnv, public ::testing::WithParamInterface<LoaderCase> {};

TEST_P(PictureLoader, ReadsOnlyRegularPictureFilesOfBoundedSize)
{
    const LoaderCase& c = GetParam();
    QString path = tempDir.filePath("bild.png");
    std::unique_ptr<FifoTrap> fifo;
    switch (c.target) {
    case Target::Fifo:
        fifo = std::make_unique<FifoTrap>(path);
        ASSERT_TRUE(fifo->made());
        break;
    case Target::Folder:
        path = tempDir.path();
        break;
    case Target::Device:
        path = "/dev/zero";
        break;
    case Target::Missing:
        break;
    case Target::NoPicture: {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("kein Bild");
        break;
    }
    case Target::TooLarge: {
        // A good picture followed by a sparse gap: the size alone decides.
        QImage(10, 10, QImage::Format_RGB32).save(path);
        QFile f(path);
        ASSERT_TRUE(f.resize(tandrel::platform::kMaxPictureFileSize + 1));
        break;
    }
    case Target::Wide: {
        QImage wide(kMaxPictureSide * 2, 20, QImage::Format_RGB32);
        wide.fill(Qt::white);
        ASSERT_TRUE(wide.save(path));
        break;
    }
    case Target::Small: {
        QImage small(30, 20, QImage::Format_RGB32);
        small.fill(Qt::red);
        ASSERT_TRUE(small.save(path));
        break;
    }
    }
    QString why;
    const QImage image = loadPictureFile(path, &why);
    if (fifo) {
        EXPECT_FALSE(fifo->sprung()) << "the loader waited on the FIFO";
    }
    if (c.expected.isEmpty()) {
        EXPECT_TRUE(image.isNull());
        EXPECT_FALSE(why.isEmpty());
    } else {
        EXPECT_EQ(image.size(), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureLoader,
    ::testing::Values(LoaderCase{"fifo", Target::Fifo, {}}, LoaderCase{"folder", Target::Folder, {}},
                      LoaderCase{"device", Target::Device, {}}, LoaderCase{"missing", Target::Missing, {}},
                      LoaderCase{"no_picture", Target::NoPicture, {}}, LoaderCase{"over_256_mib", Target::TooLarge, {}},
                      LoaderCase{"16000_px_wide", Target::Wide, {kMaxPictureSide, 10}},
                      LoaderCase{"small", Target::Small, {30, 20}}),
    tandrel::test::CaseName{});

// Where a picture file name reaches a frame: stored in its settings (read
// when the frame is made) or picked in its picture dialog.
struct FrameCase {
    const char* name;
    int frame;
    const char* section; // stored under this section and value; null: picked
    const char* value;
    const char* button; // clicked to pick the file
};

class PictureNameOnAFifo : public tandrel::test::TestEnv, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(PictureNameOnAFifo, NeverBlocksTheFrame)
{
    const FrameCase& c = GetParam();
    FifoTrap fifo(tempDir.filePath("foto.jpg"));
    ASSERT_TRUE(fifo.made());
    if (c.section) {
        MKontaloRegistry reg;
        reg.WriteString(c.section, c.value, fifo.path());
    }
    TMainForm1 window;
    window.SetInfoDialog(new TInfoDialog1(&window));
    window.resize(1000, 700);
    window.show();
    ASSERT_TRUE(window.GetFrameFactory()->ShowFrame(c.frame));
    if (c.button) {
        dialogs.openAnswers.push_back(fifo.path());
        auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(c.button));
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_TRUE(dialogs.openAnswers.empty());
    }
    EXPECT_FALSE(fifo.sprung()) << "a picture loader waited on the FIFO";
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, PictureNameOnAFifo,
    ::testing::Values(FrameCase{"paper_house_wall_picture", FrameId::PapierHaus, "PapierHaus", "Grafik1Dateiname", nullptr},
                      FrameCase{"paper_house_photo", FrameId::PapierHaus, "PapierHaus", "Foto6Dateiname", nullptr},
                      FrameCase{"self_consumption_cover", FrameId::Eigenverbrauch, "EigenverbrauchFrame", "FrontGrafikdatei", nullptr},
                      FrameCase{"kev_cover", FrameId::KEV, "KEVFrame", "FrontGrafikdatei", nullptr},
                      FrameCase{"paper_house_wall_picked", FrameId::PapierHaus, nullptr, nullptr, "ButtonWand2"},
                      FrameCase{"paper_house_photo_picked", FrameId::PapierHaus, nullptr, nullptr, "ButtonFoto1"},
                      FrameCase{"cover_picked", FrameId::Eigenverbrauch, nullptr, nullptr, "BitBtnPicture"}),
    tandrel::test::CaseName{});

} // namespace
