#include "addresses/AddressBook.h"
#include "addresses/DAnschreibenDlg.h"
#include "addresses/FAdressFrame.h"
#include "app/FrameFactory.h"
#include "app/FrameIds.h"
#include "app/MainForm.h"
#include "geo/FAdressGeoFrame.h"
#include "geo/StringGrid.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

// The map reaches the address book only through its interface, on the frame
// the factory holds.
class MapWithAddressBook : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window = std::make_unique<TMainForm1>();
        window->resize(1400, 900);
        window->show();
        auto* factory = window->GetFrameFactory();
        for (int id : {FrameId::Branchenbuch, FrameId::AdressGeo, FrameId::Adress})
            factory->ShowFrame(id);
        map = qobject_cast<TAdressGeoFrame*>(factory->FindFrame(FrameId::AdressGeo));
        book = qobject_cast<TAdressFrame*>(factory->FindFrame(FrameId::Adress));
        ASSERT_NE(map, nullptr);
        ASSERT_NE(book, nullptr);
        ASSERT_EQ(qobject_cast<IAddressBook*>(factory->FindFrame(FrameId::Adress)), static_cast<IAddressBook*>(book));
        ASSERT_TRUE(map->SetStandortPlz(99084));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    std::unique_ptr<TMainForm1> window;
    TAdressGeoFrame* map = nullptr;
    TAdressFrame* book = nullptr;
};

struct StandortCase {
    const char* name;
    const char* typed; // the postcode typed in the borrowed address book
    bool accept;
    int standort; // the map's location afterwards
    const char* message;
};

void PrintTo(const StandortCase& c, std::ostream* os) { *os << c.name; }

class ChooseStandort : public MapWithAddressBook, public ::testing::WithParamInterface<StandortCase> {};

TEST_P(ChooseStandort, TakesThePostcodeTypedInTheBorrowedAddressBook)
{
    const StandortCase& c = GetParam();
    QWidget* home = book->parentWidget();
    bool embedded = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        embedded = dialog->isAncestorOf(book);
        book->EditPLZ->setText(QString::fromUtf8(c.typed));
        c.accept ? dialog->accept() : dialog->reject();
    });
    map->ChooseStandort();
    EXPECT_TRUE(embedded);
    EXPECT_EQ(book->parentWidget(), home);
    EXPECT_EQ(map->Settings.StandortPlz, c.standort);
    EXPECT_EQ(dialogs.messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    AddressBook, ChooseStandort,
    ::testing::Values(StandortCase{"typed_postcode_becomes_the_location", "10435", true, 10435, nullptr},
                      StandortCase{"cancelled_choice_keeps_the_location", "10435", false, 99084, nullptr},
                      StandortCase{"four_digits_are_refused", "1043", true, 99084,
                                   "Bitte geben Sie eine fünfstellige Postleitzahl ein."}),
    tandrel::test::CaseName());

TEST_F(MapWithAddressBook, LetterToTheGridsCompanyComesFromTheBooksCurrentAddress)
{
    ASSERT_GT(map->StringGridAdressen->RowCount(), 1);
    map->StringGridAdressen->SetRow(1);
    const MAdresse* company = map->CurrentCompany();
    ASSERT_NE(company, nullptr);
    book->ListViewAdressen->clearSelection();
    book->EditName1->setText(QStringLiteral("Absender am Küchentisch"));
    QString sender, recipient;
    QTimer::singleShot(0, [&] {
        auto* letter = qobject_cast<TAnschreibenDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(letter, nullptr);
        sender = letter->Sender().Name1;
        recipient = letter->Recipient().Name1;
        letter->reject();
    });
    map->WriteLetter();
    EXPECT_EQ(sender, QStringLiteral("Absender am Küchentisch"));
    EXPECT_EQ(recipient, company->Name1);
}

} // namespace
