#include "app/Links.h"
#include "app/PictureLabel.h"
#include "app/Pictures.h"
#include "tests/product/ProductFixture.h"
#include "tests/support/CaseName.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <set>

namespace {

using namespace tandrel::kontalo;
using tandrel::test::ProductTest;

struct Jump {
    const char* control; // object name
    const char* page;    // expected page of PageControl1
    const char* screen;  // expected page of PageControl2, or nullptr
};

// Every control of the brochure and where it leads.
const Jump kJumps[] = {
    {"ButtonVorgehensmodell", "TabSheetVorgehen", nullptr},
    {"ButtonBildschirmseiten", "TabSheetBildschirmansichten", nullptr},
    {"ImageSchritt1", "TabSheetBildschirmansichten", "TabSheetStandortdialog"},
    {"ImageSchritt2", "TabSheetBildschirmansichten", "TabSheetGeneratorausrichtung"},
    {"ImageSchritt3", "TabSheetBildschirmansichten", "TabSheetFinanzierung"},
    {"ImageSchritt4", "TabSheetBildschirmansichten", "TabSheetDiagrammansicht"},
    {"HotspotStartZuAnlageWerkzeug", "TabSheetBildschirmansichten", "TabSheetAnsichtPVAnlage"},
    {"HotspotStartZuAnlageKachel", "TabSheetBildschirmansichten", "TabSheetAnsichtPVAnlage"},
    {"HotspotStartZuDiagrammWerkzeug", "TabSheetBildschirmansichten", "TabSheetDiagrammansicht"},
    {"HotspotStartZuDiagrammKachel", "TabSheetBildschirmansichten", "TabSheetDiagrammansicht"},
    {"HotspotAnlageZuFinanzierung", "TabSheetBildschirmansichten", "TabSheetFinanzierung"},
    {"HotspotAnlageZuDiagramm", "TabSheetBildschirmansichten", "TabSheetDiagrammansicht"},
    {"HotspotAnlageZuGeneratorBaum", "TabSheetBildschirmansichten", "TabSheetGeneratorausrichtung"},
    {"HotspotAnlageZuGeneratorDach", "TabSheetBildschirmansichten", "TabSheetGeneratorausrichtung"},
    {"HotspotAnlageZuStandortBaum", "TabSheetBildschirmansichten", "TabSheetStandortdialog"},
    {"HotspotAnlageZuStandortKnopf", "TabSheetBildschirmansichten", "TabSheetStandortdialog"},
    {"HotspotStandortZuAnlage", "TabSheetBildschirmansichten", "TabSheetAnsichtPVAnlage"},
    {"HotspotGeneratorZuAnlage", "TabSheetBildschirmansichten", "TabSheetAnsichtPVAnlage"},
    {"HotspotFinanzierungZuAnlagedatenBaum", "TabSheetBildschirmansichten", "TabSheetAnlagedaten"},
    {"HotspotFinanzierungZuAnlagedatenReiter", "TabSheetBildschirmansichten", "TabSheetAnlagedaten"},
    {"HotspotFinanzierungZuSolarkredite", "TabSheetBildschirmansichten", "TabSheetSolarkredite"},
    {"HotspotFinanzierungZuAnlageBaum", "TabSheetBildschirmansichten", "TabSheetAnsichtPVAnlage"},
    {"HotspotFinanzierungZuAnlageWerkzeug", "TabSheetBildschirmansichten", "TabSheetAnsichtPVAnlage"},
    {"HotspotAnlagedatenZuFinanzierungBaum", "TabSheetBildschirmansichten", "TabSheetFinanzierung"},
    {"HotspotAnlagedatenZuFinanzierungReiter", "TabSheetBildschirmansichten", "TabSheetFinanzierung"},
    {"HotspotSolarkrediteZuFinanzierungBaum", "TabSheetBildschirmansichten", "TabSheetFinanzierung"},
    {"HotspotSolarkrediteZuFinanzierungReiter", "TabSheetBildschirmansichten", "TabSheetFinanzierung"},
    {"HotspotDiagrammZuAnlage", "TabSheetBildschirmansichten", "TabSheetAnsichtPVAnlage"},
    {"HotspotDiagrammZuReportDialog", "TabSheetBildschirmansichten", "TabSheetReportDialog"},
    {"HotspotReportDialogZuSeitenVorschau", "TabSheetBildschirmansichten", "TabSheetReportseiten"},
    {"HotspotReportDialogZuSeitenErstellen", "TabSheetBildschirmansichten", "TabSheetReportseiten"},
};

class NavigationTest : public ProductTest, public ::testing::WithParamInterface<Jump> {};

TEST_P(NavigationTest, LeadsToItsPage)
{
    TKontaloProduktFrame* f = product();
    ASSERT_NE(f, nullptr);
    auto* control = f->findChild<QAbstractButton*>(QString::fromLatin1(GetParam().control));
    ASSERT_NE(control, nullptr);
    // Start from the page the control lies on; the gallery shows the screen
    // of a hotspot, else the start screen (which nothing leads to).
    f->PageControl2->setCurrentIndex(Startbildschirm);
    for (QWidget* w = control; w; w = w->parentWidget()) {
        if (f->PageControl1->indexOf(w) >= 0)
            f->PageControl1->setCurrentWidget(w);
        if (f->PageControl2->indexOf(w) >= 0)
            f->PageControl2->setCurrentWidget(w);
    }
    const int screenBefore = f->PageControl2->currentIndex();

    control->click();

    EXPECT_EQ(f->PageControl1->currentWidget()->objectName(), QString::fromLatin1(GetParam().page));
    if (GetParam().screen)
        EXPECT_EQ(f->PageControl2->currentWidget()->objectName(), QString::fromLatin1(GetParam().screen));
    else
        EXPECT_EQ(f->PageControl2->currentIndex(), screenBefore);
    EXPECT_TRUE(shell.opened.isEmpty());
}

std::string CaseLabel(const Jump& j) { return j.control; }

INSTANTIATE_TEST_SUITE_P(Brochure, NavigationTest, ::testing::ValuesIn(kJumps), tandrel::test::CaseName{});

struct Link {
    const char* control;
    const char* target;
};

const Link kLinks[] = {
    {"ImageTest", links::kSiblingTestPage},
    {"ImageCover", links::kSiblingProductWebSite},
    {"LabelProduktseite", links::kMakerProductsPage},
    {"BitBtnOnlineBestellformular", links::kSiblingOrderPage},
};

class LinkTest : public ProductTest, public ::testing::WithParamInterface<Link> {};

TEST_P(LinkTest, OpensItsAddressOnce)
{
    TKontaloProduktFrame* f = product();
    auto* control = f->findChild<QAbstractButton*>(QString::fromLatin1(GetParam().control));
    ASSERT_NE(control, nullptr);
    control->click();
    EXPECT_EQ(shell.opened, QStringList{QString::fromUtf8(GetParam().target)});
}

std::string CaseLabel(const Link& l) { return l.control; }

INSTANTIATE_TEST_SUITE_P(Brochure, LinkTest, ::testing::ValuesIn(kLinks), tandrel::test::CaseName{});

TEST_F(ProductTest, EveryHotspotIsInTheNavigationTable)
{
    TKontaloProduktFrame* f = product();
    std::set<std::string> names;
    for (const Jump& j : kJumps)
        names.insert(j.control);
    ASSERT_EQ(f->Hotspots.size(), std::size(kHotspots));
    for (QAbstractButton* b : f->Hotspots)
        EXPECT_TRUE(names.count(b->objectName().toStdString())) << b->objectName().toStdString();
}

TEST_F(ProductTest, PagesCaptionsAndFrameTexts)
{
    TKontaloProduktFrame* f = product();
    EXPECT_EQ(f->GetFrameName(), QStringLiteral("Software Kontalo pro"));
    EXPECT_EQ(f->GetFrameDescription(), QStringLiteral("Softwareprodukte zur Finanzierungsrechnung von PV-Anlagen"));
    EXPECT_TRUE(f->PanelLeft->isVisibleTo(f));
    QStringList pages, screens;
    for (int i = 0; i < f->PageControl1->count(); ++i)
        pages << f->PageControl1->tabText(i);
    for (int i = 0; i < f->PageControl2->count(); ++i)
        screens << f->PageControl2->tabText(i);
    EXPECT_EQ(pages, QStringList({"Beschreibung", "Vorgehen Kontalo pro", "Bildschirmansichten", "Testübersicht"}));
    EXPECT_EQ(screens, QStringList({"Startbildschirm", "Ansicht PV-Anlage", "Standortdialog", "Generatorausrichtung",
                                    "Finanzierung", "Anlagedaten", "Solarkredite", "Diagrammansicht", "ReportDialog",
                                    "Reportseiten"}));
    for (const char* text : {"Software zur Photovoltaikanlagenplanung Stand 2012", "Weitere Informationen:",
                             "Per Brief oder Fax bestellen:", "Per Internet bestellen:"}) {
        bool found = false;
        for (QLabel* l : f->findChildren<QLabel*>())
            found = found || l->text() == QString::fromUtf8(text);
        EXPECT_TRUE(found) << text;
    }
}

// The step pictures are the screens they lead to, decoded only while their
// page is in front and at the step's size; the test picture likewise.
TEST_F(ProductTest, StepPicturesAreTheScreensTheyLeadToAndShownOnlyOnTheirPage)
{
    TKontaloProduktFrame* f = product();
    window.body.show();
    const Screen steps[4] = {Standortdialog, Generatorausrichtung, Finanzierung, Diagrammansicht};
    auto pictureOf = [](QToolButton* b) { return b->findChild<TPictureLabel*>(); };
    QToolButton* test = f->findChild<QToolButton*>(QStringLiteral("ImageTest"));
    ASSERT_TRUE(test && pictureOf(test));
    f->PageControl1->setCurrentWidget(f->TabSheetBeschreibung);
    (void)f->grab();
    for (QToolButton* b : {f->ImageSchritt[0], f->ImageSchritt[1], f->ImageSchritt[2], f->ImageSchritt[3], test}) {
        ASSERT_TRUE(pictureOf(b));
        EXPECT_TRUE(pictureOf(b)->ShownPixels().isNull()) << b->objectName().toStdString() << ": decoded while not shown";
    }

    f->PageControl1->setCurrentWidget(f->TabSheetVorgehen);
    (void)f->grab();
    for (int i = 0; i < 4; ++i) {
        TPictureLabel* label = pictureOf(f->ImageSchritt[i]);
        const QImage step = label->ShownPixels().toImage();
        ASSERT_FALSE(step.isNull()) << i;
        EXPECT_EQ(step.width(), 330) << i;
        EXPECT_NEAR(double(step.width()) / step.height(), double(kScreenWidth) / kScreenHeight, 0.01) << i;
        EXPECT_LE(label->width() + 6, f->ImageSchritt[i]->width()) << i << ": the button shows the whole picture";
        const QImage screen = tandrel::pictures::image(QStringLiteral("product/screen-") + kScreens[steps[i]].key)
                                  .scaled(step.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The same picture, down to the smoothing of the scaling.
        for (const QPoint probe : {QPoint(step.width() / 2, step.height() / 2), QPoint(step.width() / 5, step.height() / 4)})
            EXPECT_NEAR(qGray(step.pixel(probe)), qGray(screen.pixel(probe)), 24) << i;
    }

    f->PageControl1->setCurrentWidget(f->TabSheetTestuebersicht);
    (void)f->grab();
    EXPECT_TRUE(pictureOf(f->ImageSchritt[0])->ShownPixels().isNull()) << "a page left lets its pictures go";
    EXPECT_EQ(pictureOf(test)->ShownPixels().size(), tandrel::pictures::size(QString::fromLatin1(kTestPicture)));
}

// Hotspots lie inside their picture, on something drawn (not on a blank
// stretch) and not on top of each other.
TEST_F(ProductTest, HotspotsLieOnDrawnPartsOfTheirPicture)
{
    for (int s = 0; s < ScreenCount; ++s) {
        const QImage img = tandrel::pictures::image(QStringLiteral("product/screen-") + kScreens[s].key);
        ASSERT_EQ(img.size(), QSize(kScreenWidth, kScreenHeight)) << kScreens[s].key;
        std::vector<QRect> rects;
        for (const Hotspot& h : kHotspots) {
            if (h.screen != s)
                continue;
            const QRect r(h.rect.x, h.rect.y, h.rect.w, h.rect.h);
            EXPECT_TRUE(img.rect().contains(r)) << h.name;
            std::set<QRgb> colours;
            for (int y = r.top(); y <= r.bottom(); y += 2)
                for (int x = r.left(); x <= r.right(); x += 2)
                    colours.insert(img.pixel(x, y));
            EXPECT_GT(colours.size(), 8u) << h.name;
            for (const QRect& other : rects)
                EXPECT_FALSE(other.intersects(r)) << h.name;
            rects.push_back(r);
        }
    }
}

TEST_F(ProductTest, HotspotsAreFlatPointingButtonsOverThePicture)
{
    TKontaloProduktFrame* f = product();
    for (size_t i = 0; i < f->Hotspots.size(); ++i) {
        QToolButton* b = f->Hotspots[i];
        const Hotspot& h = kHotspots[i];
        EXPECT_TRUE(b->autoRaise()) << h.name;
        EXPECT_EQ(b->cursor().shape(), Qt::PointingHandCursor) << h.name;
        EXPECT_EQ(b->parentWidget()->objectName(), QStringLiteral("Image") + kScreens[h.screen].key) << h.name;
        EXPECT_TRUE(b->geometry().contains(QRect(h.rect.x, h.rect.y, h.rect.w, h.rect.h))) << h.name;
        EXPECT_FALSE(b->toolTip().isEmpty()) << h.name;
    }
}

} // namespace
