#include "addresses/FAdressFrame.h"
#include "app/FrameIds.h"
#include "app/FrameFactory.h"
#include "app/KontaloRegistry.h"
#include "app/MainForm.h"
#include "geo/FAdressGeoFrame.h"
#include "geo/FBranchenbuchFrame.h"
#include "geo/StringGrid.h"
#include "tests/support/TestEnv.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableWidget>
#include <QTreeWidget>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class GeoFrames : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window = std::make_unique<TMainForm1>();
        window->resize(1400, 900);
        window->show();
        TBaseFrameFactory* factory = window->GetFrameFactory();
        factory->ShowFrame(FrameId::Branchenbuch);
        dir = dynamic_cast<TBranchenbuchFrame*>(factory->FindFrame(FrameId::Branchenbuch));
        ASSERT_NE(dir, nullptr);
    }
    // The map fills the directory's grid label too, so it opens only where needed.
    void OpenMap()
    {
        window->GetFrameFactory()->ShowFrame(FrameId::AdressGeo);
        map = dynamic_cast<TAdressGeoFrame*>(window->GetFrameFactory()->FindFrame(FrameId::AdressGeo));
        ASSERT_NE(map, nullptr);
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    static std::vector<int> VisibleColumns(const TStringGrid* grid)
    {
        std::vector<int> out;
        for (int c = 0; c < grid->ColCount(); ++c)
            if (!grid->isColumnHidden(c))
                out.push_back(c);
        return out;
    }
    std::vector<MAdresse*> MapRows() const
    {
        std::vector<MAdresse*> out;
        for (int r = 1; r < map->StringGridAdressen->RowCount(); ++r)
            out.push_back(map->StringGridAdressen->RowObject(r));
        return out;
    }

    std::unique_ptr<TMainForm1> window;
    TBranchenbuchFrame* dir = nullptr;
    TAdressGeoFrame* map = nullptr;
};

TEST_F(GeoFrames, DirectoryListsAll45Companies)
{
    EXPECT_EQ(dir->GetFrameName(), QStringLiteral("Branchenbuch"));
    EXPECT_EQ(dir->GetFrameDescription(), QStringLiteral("Unternehmen der regenerativen Energietechnik im Branchenbuch"));
    const TStringGrid* grid = dir->StringGridAdressen;
    EXPECT_EQ(grid->RowCount(), 46);
    EXPECT_EQ(dir->LabelAdressanzahl->text(), QStringLiteral("Anzahl der Adressen: 45"));
    const QStringList headings = {"ID",  "Logo", "Branchen", "",    "Name",   "Name 2",   "Name 3", "Straße",
                                  "PLZ", "Ort",  "Tel",      "Fax", "E-Mail", "Internet", "",       "Image2"};
    for (int c = 0; c < headings.size(); ++c)
        EXPECT_EQ(grid->Cell(c, 0), headings[c]) << c;
    // Column 3 shows the letter picture.
    EXPECT_EQ(VisibleColumns(grid), (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13}));
    for (int r = 1; r < grid->RowCount(); ++r) {
        const MAdresse* c = grid->RowObject(r);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(grid->Cell(4, r), c->Name1);
        EXPECT_EQ(grid->Cell(2, r), MCompanyDirectory::CategoryNumbers(c->Branche));
    }
}

TEST_F(GeoFrames, DoubleClickShowsTheCompany)
{
    TStringGrid* grid = dir->StringGridAdressen;
    int letterRow = -1, plainRow = -1;
    for (int r = 1; r < grid->RowCount(); ++r)
        (grid->RowObject(r)->Anschreiben > 0 ? letterRow : plainRow) = r;
    ASSERT_GT(letterRow, 0);
    ASSERT_GT(plainRow, 0);
    emit grid->CellDoubleClicked(0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    emit grid->CellDoubleClicked(letterRow);
    const MAdresse* c = grid->RowObject(letterRow);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages.last(), QStringLiteral("Anschreiben ist möglich.  %1 %2 aus %3 %4  E-Mail: %5")
                                           .arg(c->Name1, c->Strasse, c->Plz, c->Ort, c->EMail));
    emit grid->CellDoubleClicked(plainRow);
    c = grid->RowObject(plainRow);
    EXPECT_EQ(dialogs.messages.last(),
              QStringLiteral("%1 %2 aus %3 %4  E-Mail: %5").arg(c->Name1, c->Strasse, c->Plz, c->Ort, c->EMail));
}

TEST_F(GeoFrames, DirectoryPdfDumpOnlySaysSo)
{
    dir->PdfDump();
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Adressdump")});
}

TEST_F(GeoFrames, MapStartsAroundTheStoredLocation)
{
    OpenMap();
    EXPECT_EQ(map->GetFrameName(), QStringLiteral("Landkarte"));
    EXPECT_EQ(map->LabelBeschreibung->text(),
              QStringLiteral("Firmen im Umkreis der Postleitzahl 99084 (Sortierung: Entfernung):"));
    EXPECT_EQ(map->EditRadiusDistance->text(), QStringLiteral("400"));
    EXPECT_FALSE(map->PanelDistance->isVisible());
    EXPECT_EQ(VisibleColumns(map->StringGridAdressen), (std::vector<int>{0, 4, 5, 7, 8, 9, 10}));
    EXPECT_EQ(map->StringGridAdressen->Row(), 1);
    const auto rows = MapRows();
    ASSERT_FALSE(rows.empty());
    for (size_t i = 1; i < rows.size(); ++i)
        EXPECT_LE(rows[i - 1]->Distance, rows[i]->Distance);
    EXPECT_EQ(rows.front()->Ort, QStringLiteral("Erfurt"));
}

TEST_F(GeoFrames, SmallerRadiusListsOnlyNearCompanies)
{
    OpenMap();
    map->SpeedButtonChangeRadius->click();
    EXPECT_TRUE(map->PanelDistance->isVisible());
    map->TrackBarRadius->setValue(100);
    EXPECT_EQ(map->EditRadiusDistance->text(), QStringLiteral("100"));
    map->findChild<QPushButton*>("BitBtnDistanceOK")->click();
    EXPECT_FALSE(map->PanelDistance->isVisible());
    EXPECT_EQ(map->Settings.RadiusDistance, 100);
    const auto rows = MapRows();
    EXPECT_FALSE(rows.empty());
    EXPECT_LT(rows.size(), 45u);
    for (const MAdresse* c : rows)
        EXPECT_LE(c->Distance, 100);
}

struct SortButton {
    const char* name;
    const char* button;
    QString MAdresse::*field;
    const char* sortName;
};

std::ostream& operator<<(std::ostream& os, const SortButton& c) { return os << c.name; }

class GeoSort : public GeoFrames, public ::testing::WithParamInterface<SortButton> {};

TEST_P(GeoSort, ButtonsSortTheGridAscending)
{
    OpenMap();
    const SortButton& s = GetParam();
    map->findChild<QPushButton*>(s.button)->click();
    const auto rows = MapRows();
    ASSERT_GT(rows.size(), 40u);
    for (size_t i = 1; i < rows.size(); ++i)
        EXPECT_LE(QString::compare(rows[i - 1]->*s.field, rows[i]->*s.field), 0);
    EXPECT_TRUE(map->LabelBeschreibung->text().endsWith(QStringLiteral("(Sortierung: %1):").arg(s.sortName)));
    // The click on the grid follows: the current company alone is selected.
    int selected = 0;
    for (const auto& c : dir->Directory().Companies())
        selected += c->Selected ? 1 : 0;
    EXPECT_EQ(selected, 1);
    EXPECT_TRUE(map->CurrentCompany()->Selected);
}

INSTANTIATE_TEST_SUITE_P(Buttons, GeoSort,
                         ::testing::Values(SortButton{"name", "BitBtnSortName", &MAdresse::Name1, "Name"},
                                           SortButton{"street", "BitBtnSortStrasse", &MAdresse::Strasse, "Strasse"},
                                           SortButton{"postcode", "BitBtnSortPLZ", &MAdresse::Plz, "Postleitzahl"},
                                           SortButton{"town", "BitBtnSortOrt", &MAdresse::Ort, "Ort"}),
                         [](const ::testing::TestParamInfo<SortButton>& info) { return std::string(info.param.name); });

TEST_F(GeoFrames, MemoAndLogoFollowTheCompanyAndClearWithTheSearch)
{
    OpenMap();
    for (int row : {2, 3}) {
        map->StringGridAdressen->SetRow(row);
        map->GridClick();
        const MAdresse* c = map->CurrentCompany();
        ASSERT_NE(c, nullptr);
        EXPECT_TRUE(map->MemoAdresse->isVisibleTo(map));
        EXPECT_EQ(map->MemoAdresse->toPlainText().split('\n').value(0), c->Name1);
    }
    map->TrackBarRadius->setValue(100);
    map->ApplyRadius();
    EXPECT_FALSE(map->MemoAdresse->isVisibleTo(map));
    EXPECT_TRUE(map->MemoAdresse->toPlainText().isEmpty());
    EXPECT_FALSE(map->findChild<QLabel*>("ImageAdressLogo")->isVisibleTo(map));
    // The directory keeps its own count.
    EXPECT_EQ(dir->LabelAdressanzahl->text(), QStringLiteral("Anzahl der Adressen: 45"));
}

TEST_F(GeoFrames, MapClickListsCompaniesCloserThanFivePixels)
{
    OpenMap();
    auto add = [&](const char* name, int x, int y) {
        auto a = std::make_unique<MAdresse>();
        a->Name1 = QString::fromLatin1(name);
        a->Strasse = QStringLiteral("Weg 1");
        a->Plz = QStringLiteral("12345");
        a->Ort = QStringLiteral("Ort");
        a->EMail = QStringLiteral("x@y.example");
        a->MapX = x;
        a->MapY = y;
        dir->Directory().Add(std::move(a));
    };
    add("Links", 20, 600);
    add("Rechts", 26, 603);
    add("Weiter", 32, 600);
    map->MapClick(23, 601);
    ASSERT_TRUE(map->MemoAdresse->isVisibleTo(map));
    const QStringList lines = map->MemoAdresse->toPlainText().split('\n');
    EXPECT_EQ(lines, (QStringList{"Links", "Straße: Weg 1", "PLZ: 12345 Ort", "Email: x@y.example", "Rechts",
                                  "Straße: Weg 1", "PLZ: 12345 Ort", "Email: x@y.example"}));
    // The red frames around both.
    EXPECT_EQ(map->MapImage().pixelColor(20 - 3, 600), QColor(255, 0, 0));
    EXPECT_EQ(map->MapImage().pixelColor(26 - 3, 603), QColor(255, 0, 0));
}

TEST_F(GeoFrames, SelectedCompanyIsMarkedOnTheMap)
{
    OpenMap();
    map->StringGridAdressen->SetRow(2);
    map->GridClick();
    const MAdresse* c = map->CurrentCompany();
    ASSERT_NE(c, nullptr);
    ASSERT_TRUE(c->InRadius && c->Selected);
    const QImage& img = map->MapImage();
    EXPECT_EQ(img.pixelColor(c->MapX + 1, c->MapY - 1), QColor(0xfa, 0xff, 0x9b)); // the square's fill
    EXPECT_EQ(img.pixelColor(c->MapX + 9, c->MapY), QColor(0, 0, 0));            // the cross
    EXPECT_EQ(map->findChild<QLabel*>("ImageAdressLogo")->isVisibleTo(map), c->Logo > 0);
}

TEST_F(GeoFrames, UnknownLocationIsRefused)
{
    OpenMap();
    EXPECT_FALSE(map->SetStandortPlz(5));
    EXPECT_FALSE(map->SetStandortPlz(100000));
    map->TakeStandortFromText(QStringLiteral("abc"));
    EXPECT_EQ(dialogs.messages,
              (QStringList{"Die Postleitzahl 5 ist nicht bekannt.", "Die Postleitzahl 100000 ist nicht bekannt.",
                           "Bitte geben Sie eine fünfstellige Postleitzahl ein."}));
    EXPECT_EQ(map->Settings.StandortPlz, 99084);
    map->TakeStandortFromText(QStringLiteral("  10117"));
    EXPECT_EQ(map->Settings.StandortPlz, 10117);
    EXPECT_EQ(MapRows().front()->Ort, QStringLiteral("Berlin"));
    EXPECT_EQ(map->LabelBeschreibung->text(),
              QStringLiteral("Firmen im Umkreis der Postleitzahl 10117 (Sortierung: Entfernung):"));
}

TEST_F(GeoFrames, SettingsAreWrittenWhenTheFrameFinishes)
{
    OpenMap();
    map->SetStandortPlz(1067);
    map->TrackBarRadius->setValue(200);
    map->ApplyRadius();
    map->CheckBoxShowStandort->setChecked(false);
    map->FinishFrame();
    MKontaloRegistry store;
    EXPECT_EQ(store.ReadInteger("AdressGeo", "StandortPlz", 0), 1067);
    EXPECT_EQ(store.ReadInteger("AdressGeo", "RadiusDistance", 0), 200);
    EXPECT_FALSE(store.ReadBool("AdressGeo", "ShowStandort", true));
    EXPECT_TRUE(store.ReadBool("AdressGeo", "ShowSolarAdressen", false));
}

struct LogoCase {
    const char* name;
    int w, h;
    QSize size;
};

std::ostream& operator<<(std::ostream& os, const LogoCase& c) { return os << c.name; }

class LogoSizing : public ::testing::TestWithParam<LogoCase> {};

TEST_P(LogoSizing, KeepsTheProportionsWithin218By74)
{
    EXPECT_EQ(TAdressGeoFrame::LogoSize(GetParam().w, GetParam().h), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Pictures, LogoSizing,
                         ::testing::Values(LogoCase{"wide_logo", 300, 100, QSize(218, 72)},
                                           LogoCase{"just_low_enough", 300, 99, QSize(218, 71)},
                                           LogoCase{"square", 100, 100, QSize(74, 74)},
                                           LogoCase{"slightly_too_high", 218, 73, QSize(220, 74)},
                                           LogoCase{"narrow_picture", 10, 5, QSize(218, 40)}),
                         [](const ::testing::TestParamInfo<LogoCase>& info) { return std::string(info.param.name); });

TEST_F(GeoFrames, AddressBookListsTheCompaniesWithin90PixelsOfItsPostcode)
{
    OpenMap();
    window->GetFrameFactory()->ShowFrame(FrameId::Adress);
    auto* book = dynamic_cast<TAdressFrame*>(window->GetFrameFactory()->FindFrame(FrameId::Adress));
    ASSERT_NE(book, nullptr);
    book->ListViewAdressen->setCurrentItem(book->ListViewAdressen->topLevelItem(0));
    book->EditPLZ->setText(QStringLiteral("99084"));
    book->FillNearbyCompanies();
    QStringList expected;
    const int a = map->PostcodeX(99084), b = map->PostcodeY(99084);
    for (const auto& c : dir->Directory().Companies()) {
        const int dx = map->PostcodeX(c->Plz.toInt()) - a, dy = map->PostcodeY(c->Plz.toInt()) - b;
        if (dx * dx + dy * dy < 8100)
            expected << c->Name1;
    }
    QStringList listed;
    for (int r = 1; r < book->StringGridAdressen->rowCount(); ++r)
        listed << book->StringGridAdressen->item(r, 4)->text();
    EXPECT_EQ(listed, expected);
    EXPECT_GE(listed.size(), 5);
    EXPECT_LT(listed.size(), 45);
}

} // namespace

namespace {

// The map made before the directory: sorting must measure the distances first.
class MapBeforeDirectory : public tandrel::test::TestEnv {};

TEST_F(MapBeforeDirectory, SortingListsOnlyCompaniesInsideTheRadius)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TMainForm1 window;
    window.resize(1400, 900);
    window.show();
    TBaseFrameFactory* factory = window.GetFrameFactory();
    factory->ShowFrame(FrameId::AdressGeo);
    auto* map = dynamic_cast<TAdressGeoFrame*>(factory->FindFrame(FrameId::AdressGeo));
    ASSERT_NE(map, nullptr);
    map->TrackBarRadius->setValue(100);
    map->ApplyRadius();
    factory->ShowFrame(FrameId::Branchenbuch);
    factory->ShowFrame(FrameId::AdressGeo);
    auto rows = [map] {
        std::vector<const MAdresse*> out;
        for (int r = 1; r < map->StringGridAdressen->RowCount(); ++r)
            out.push_back(map->StringGridAdressen->RowObject(r));
        return out;
    };
    map->findChild<QPushButton*>("BitBtnSortName")->click();
    const auto sorted = rows();
    ASSERT_FALSE(sorted.empty());
    for (const MAdresse* c : sorted)
        EXPECT_LE(c->Distance, 100) << c->Name1.toStdString();
    map->ApplyRadius();
    map->findChild<QPushButton*>("BitBtnSortName")->click();
    EXPECT_EQ(sorted, rows());
    QLocale::setDefault(QLocale::c());
}

} // namespace
