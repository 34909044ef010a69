#include "addresses/FAdressFrame.h"
#include "app/FrameIds.h"
#include "app/CommonFunctions.h"
#include "app/FrameFactory.h"
#include "app/KontaloRegistry.h"
#include "app/Links.h"
#include "app/MainForm.h"
#include "tests/support/TestEnv.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

class AddressBookTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override { start(); }

    void start()
    {
        window = std::make_unique<TMainForm1>();
        window->show();
        ASSERT_TRUE(window->GetFrameFactory()->ShowFrame(FrameId::Adress));
        book = qobject_cast<TAdressFrame*>(window->GetFrameFactory()->FindFrame(FrameId::Adress));
        ASSERT_NE(book, nullptr);
    }
    // Closing the program writes every frame's settings.
    void restart()
    {
        window.reset();
        book = nullptr;
        start();
    }

    QTreeWidgetItem* row(int i) const { return book->ListViewAdressen->topLevelItem(i); }
    QStringList captions() const
    {
        QStringList out;
        for (int i = 0; i < book->ListViewAdressen->topLevelItemCount(); ++i)
            out << row(i)->text(0);
        return out;
    }
    int markedRows() const
    {
        int n = 0;
        for (int i = 0; i < book->ListViewAdressen->topLevelItemCount(); ++i)
            n += row(i)->icon(0).isNull() ? 0 : 1;
        return n;
    }
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->selectAll();
        edit->insert(text);
    }
    static QString stored(int slot, const char* value)
    {
        MKontaloRegistry reg;
        return reg.ReadString(QStringLiteral("Adress\\%1").arg(slot), value, "missing");
    }

    std::unique_ptr<TMainForm1> window;
    TAdressFrame* book = nullptr;
};

TEST_F(AddressBookTest, FirstStartShowsEightEmptySlotsAndMarksSlotFour)
{
    EXPECT_EQ(book->GetFrameName(), QStringLiteral("Adressverwaltung"));
    EXPECT_EQ(book->GetFrameDescription(), QStringLiteral("Verwaltung eigener Adressen"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tandrel - Adressverwaltung"));
    EXPECT_EQ(captions(), QStringList(8, QStringLiteral(" -leer- ")));
    EXPECT_EQ(book->ListViewAdressen->columnCount(), 14);
    EXPECT_EQ(book->ListViewAdressen->headerItem()->text(2), QStringLiteral("Straße"));
    EXPECT_EQ(book->MarkedSlot(), 4);
    EXPECT_EQ(book->SelectedRow(), row(4));
    EXPECT_EQ(markedRows(), 1);
    EXPECT_FALSE(row(4)->icon(0).isNull());
    EXPECT_EQ(book->EditName1->text(), QString()); // the caption is no name
    EXPECT_EQ(book->PageControlAdressen->tabText(1), QStringLiteral("Firmen in Ihrer Umgebung"));
}

TEST_F(AddressBookTest, ChangeInSlotSevenIsKeptOverARestart)
{
    book->ListViewAdressen->setCurrentItem(row(7));
    ASSERT_EQ(book->MarkedSlot(), 7);
    type(book->EditName1, QStringLiteral("Müller & Söhne"));
    type(book->EditOrt, QStringLiteral("Weimar"));
    type(book->EditBemerkung2, QStringLiteral("Rückruf erbeten"));
    EXPECT_EQ(row(7)->text(0), QStringLiteral("Müller & Söhne"));
    EXPECT_EQ(TAdressFrame::SubItem(row(7), 3), QStringLiteral("Weimar"));

    restart();
    EXPECT_EQ(stored(7, "Name1"), QStringLiteral("Müller & Söhne"));
    EXPECT_EQ(stored(0, "Name1"), QString()); // every slot is written back, the caption is no name
    EXPECT_EQ(stored(7, "Bemerkung4"), QString());
    EXPECT_EQ(row(7)->text(0), QStringLiteral("Müller & Söhne"));
    EXPECT_EQ(TAdressFrame::SubItem(row(7), 3), QStringLiteral("Weimar"));
    EXPECT_EQ(TAdressFrame::SubItem(row(7), 12), QStringLiteral("Rückruf erbeten"));
    EXPECT_EQ(book->MarkedSlot(), 7);
    EXPECT_EQ(book->SelectedRow(), row(7));
    EXPECT_EQ(book->EditOrt->text(), QStringLiteral("Weimar"));
}

TEST_F(AddressBookTest, ValuesWithAwkwardCharactersSurviveTheRoundTrip)
{
    const QStringList values = {QStringLiteral("\"Sonne\" GmbH"), QStringLiteral("C:\\Kunden\\"),
                                QStringLiteral("Weg 1, Hinterhaus"), QStringLiteral("Zeile 1\nZeile 2"),
                                QStringLiteral("Größe ÄÖÜ ß €"), QStringLiteral("Bemerkung \"4\"\\")};
    window.reset();
    {
        MKontaloRegistry reg;
        for (int v = 0; v < 16; ++v)
            reg.WriteString("Adress\\2", TAdressFrame::kValueNames[size_t(v)], values[v % values.size()]);
    }
    start();
    restart();
    for (int v = 0; v < 16; ++v)
        EXPECT_EQ(stored(2, TAdressFrame::kValueNames[size_t(v)]), values[v % values.size()])
            << TAdressFrame::kValueNames[size_t(v)];
}

class AbsenderOutOfRange : public AddressBookTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override
    {
        {
            MKontaloRegistry reg;
            reg.WriteInteger("Adress", "AbsenderID", GetParam());
        }
        start();
    }
};

TEST_P(AbsenderOutOfRange, MarksNoRowAndTypingChangesNothing)
{
    EXPECT_EQ(markedRows(), 0);
    EXPECT_EQ(book->SelectedRow(), nullptr);
    EXPECT_EQ(book->MarkedRow(), nullptr);
    type(book->EditName1, "Niemand");
    type(book->EditPLZ, "12345");
    EXPECT_EQ(captions(), QStringList(8, QStringLiteral(" -leer- ")));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(TAdressFrame::SubItem(row(i), 2), QString());
    // Without a selected row the current address comes from the edit fields.
    const MAdresse* a = book->GetCurrentAddress();
    EXPECT_EQ(a->Name1, "Niemand");
    EXPECT_EQ(a->Plz, "12345");
}

INSTANTIATE_TEST_SUITE_P(Ids, AbsenderOutOfRange, ::testing::Values(-1, 8, 99),
    [](const ::testing::TestParamInfo<int>& info) {
        return info.param < 0 ? std::string("slot_minus_") + std::to_string(-info.param)
                              : std::string("slot_") + std::to_string(info.param);
    });

TEST_F(AddressBookTest, TypingWithoutSelectionGoesToTheMarkedRow)
{
    book->ListViewAdressen->clearSelection();
    ASSERT_EQ(book->SelectedRow(), nullptr);
    EXPECT_EQ(markedRows(), 0); // the picture goes with the selection, the marked row stays
    type(book->EditName2, "Frau Lorenz");
    EXPECT_EQ(TAdressFrame::SubItem(row(4), 0), "Frau Lorenz");
    // After GetCurrentAddress found no selection the edits fall back to nothing.
    book->GetCurrentAddress();
    type(book->EditName2, "Herr Lorenz");
    EXPECT_EQ(TAdressFrame::SubItem(row(4), 0), "Frau Lorenz");
}

TEST_F(AddressBookTest, CurrentAddressComesFromTheSelectedRow)
{
    book->ListViewAdressen->setCurrentItem(row(1));
    const QList<std::pair<QLineEdit*, QString>> input = {
        {book->EditName1, "Kern Solar"}, {book->EditName2, "Jonas Kern"}, {book->EditStrasse, "Am Anger 4"},
        {book->EditPLZ, "99084"}, {book->EditOrt, "Erfurt"}, {book->EditTel, "0361 1"}, {book->EditFax, "0361 2"},
        {book->EditMobil, "0170 3"}, {book->EditEMail, "kern@example.org"}, {book->EditInternet, "www.example.org"}};
    for (const auto& [edit, text] : input)
        type(edit, text);
    book->EditName1->blockSignals(true);
    book->EditName1->setText("nur im Feld");
    book->EditName1->blockSignals(false);
    const MAdresse* a = book->GetCurrentAddress();
    EXPECT_EQ(a->Name1, "Kern Solar");
    EXPECT_EQ(a->Name2, "Jonas Kern");
    EXPECT_EQ(a->Strasse, "Am Anger 4");
    EXPECT_EQ(a->Plz, "99084");
    EXPECT_EQ(a->Ort, "Erfurt");
    EXPECT_EQ(a->Tel, "0361 1");
    EXPECT_EQ(a->Fax, "0361 2");
    EXPECT_EQ(a->Mobil, QString()); // not taken over
    EXPECT_EQ(a->EMail, "kern@example.org");
    EXPECT_EQ(a->Internet, "www.example.org");
}

TEST_F(AddressBookTest, ColumnClicksFlipTheSortDirectionEveryTime)
{
    const QStringList names = {"Dora", "anna", "Bert", "Cleo", "Emil", "Anton", "Fritz", "Gabi"};
    for (int i = 0; i < 8; ++i)
        row(i)->setText(0, names[i]);
    for (int i = 0; i < 8; ++i)
        TAdressFrame::SetSubItem(row(i), 3, QString::number(10 + (i * 3) % 8));
    EXPECT_FALSE(book->SortDescending());
    auto header = book->ListViewAdressen->header();

    emit header->sectionClicked(0);
    EXPECT_TRUE(book->SortDescending());
    EXPECT_EQ(captions(), QStringList({"anna", "Gabi", "Fritz", "Emil", "Dora", "Cleo", "Bert", "Anton"}));

    emit header->sectionClicked(0);
    EXPECT_FALSE(book->SortDescending());
    EXPECT_EQ(captions(), QStringList({"Anton", "Bert", "Cleo", "Dora", "Emil", "Fritz", "Gabi", "anna"}));

    emit header->sectionClicked(4); // "Ort": sub-item 3
    EXPECT_TRUE(book->SortDescending());
    EXPECT_EQ(book->SortColumn(), 4);
    QStringList orte;
    for (int i = 0; i < 8; ++i)
        orte << TAdressFrame::SubItem(row(i), 3);
    EXPECT_EQ(orte, QStringList({"17", "16", "15", "14", "13", "12", "11", "10"}));

    // The selected row stays selected and keeps its slot after sorting.
    EXPECT_EQ(TAdressFrame::RowSlot(book->SelectedRow()), 4);
    EXPECT_EQ(book->SelectedRow()->text(0), "Emil");
}

TEST_F(AddressBookTest, SortedListStoresTheMarkedSlotNotTheRowPlace)
{
    book->ListViewAdressen->setCurrentItem(row(6));
    type(book->EditName1, "AAA zuerst");
    emit book->ListViewAdressen->header()->sectionClicked(0); // descending: " -leer- " sorts below "A"
    ASSERT_EQ(row(0)->text(0), "AAA zuerst");
    restart();
    EXPECT_EQ(book->MarkedSlot(), 6);
    EXPECT_EQ(book->SelectedRow()->text(0), "AAA zuerst");
}

struct LinkCase {
    const char* name;
    const char* button;
    const char* edit;
    QString text;
    QString opened;
};

void PrintTo(const LinkCase& c, std::ostream* os)
{
    *os << c.name;
}

class AddressBookLinks : public AddressBookTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(AddressBookLinks, ButtonsOpenMailAndWebLinksThroughTheShell)
{
    const LinkCase& c = GetParam();
    type(book->findChild<QLineEdit*>(c.edit), c.text);
    book->findChild<QToolButton*>(c.button)->click();
    EXPECT_EQ(shell.opened, QStringList{c.opened});
}

INSTANTIATE_TEST_SUITE_P(Buttons, AddressBookLinks,
    ::testing::Values(
        LinkCase{"email1", "SpeedButtonEmail1", "EditEMail", "a@example.org", "mailto:a@example.org"},
        LinkCase{"email2", "SpeedButtonEmail2", "EditEMail2", "b@example.org", "mailto:b@example.org"},
        LinkCase{"internet1", "SpeedButtonInternet1", "EditInternet", "www.example.org", "www.example.org"},
        LinkCase{"internet2", "SpeedButton1", "EditInternet2", "www.example.net", "www.example.net"},
        LinkCase{"empty_web_address_opens_the_maker", "SpeedButtonInternet1", "EditInternet", "",
                 QString::fromLatin1(kMakerWebSite)}),
    [](const ::testing::TestParamInfo<LinkCase>& info) { return std::string(info.param.name); });

TEST_F(AddressBookTest, NearbyListStaysEmptyWithoutDirectoryAndMap)
{
    type(book->EditPLZ, "99084");
    book->FillNearbyCompanies();
    EXPECT_EQ(book->StringGridAdressen->rowCount(), 1);
    EXPECT_TRUE(book->StringGridAdressen->isColumnHidden(0));
    EXPECT_TRUE(book->StringGridAdressen->isColumnHidden(2));
    EXPECT_FALSE(book->StringGridAdressen->isColumnHidden(4));
    EXPECT_EQ(book->StringGridAdressen->columnWidth(4), 120);
}

} // namespace
