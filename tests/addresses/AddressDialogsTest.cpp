#include "addresses/CommaText.h"
#include "app/FrameIds.h"
#include "addresses/DAdressAuswahlDlg.h"
#include "addresses/DAnschreibenDlg.h"
#include "addresses/DShowAdressDlg.h"
#include "addresses/FAdressFrame.h"
#include "app/FInterfaceFrame.h"
#include "app/FrameFactory.h"
#include "app/KontaloRegistry.h"
#include "app/MainForm.h"
#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

int px(double mm)
{
    return qRound(mm * TAnschreibenDialog::kPreviewScale);
}

MAdresse company()
{
    MAdresse a;
    a.Name1 = "Sonne & Wind GmbH";
    a.Name2 = "Vertrieb";
    a.Strasse = "Hafenstraße 3";
    a.Plz = "20095";
    a.Ort = "Hamburg";
    a.Tel = "040 000";
    a.EMail = "info@sonne-wind.example";
    a.Internet = "www.sonne-wind.example";
    a.Bemerkung1 = "Planung und Montage";
    a.Branche = 1 | 16 | 1024;
    a.Logo = 1;
    return a;
}

class AddressDialogsTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window = std::make_unique<TMainForm1>();
        window->show();
        factory = window->GetFrameFactory();
        book = qobject_cast<TAdressFrame*>(factory->CreateFrame(FrameId::Adress));
        ASSERT_NE(book, nullptr);
        workspace = factory->GetInterfaceFrame();
        book->ListViewAdressen->setCurrentItem(book->ListViewAdressen->topLevelItem(1));
        book->EditName1->setText("Kern Solar");
        book->EditStrasse->setText("Am Anger 4");
        book->EditPLZ->setText("99084");
        book->EditOrt->setText("Erfurt");
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // Runs `action` on the modal dialog of type T as soon as it is open.
    template <class T>
    static void whenOpen(std::function<void(T*)> action)
    {
        QTimer::singleShot(0, [action] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<T*>(w); d && d->isVisible()) {
                    action(d);
                    return;
                }
            ADD_FAILURE() << "no dialog open";
        });
    }

    std::unique_ptr<TMainForm1> window;
    TFrameFactory* factory = nullptr;
    TAdressFrame* book = nullptr;
    TInterfaceFrame* workspace = nullptr;
};

// --- selection dialog ---------------------------------------------------------

struct CloseCase {
    const char* name;
    std::function<void(TAdressAuswahlDialog*)> close;
    bool accepted;
};

void PrintTo(const CloseCase& c, std::ostream* os)
{
    *os << c.name;
}

class SelectionDialogCloses : public AddressDialogsTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(SelectionDialogCloses, GivesTheAddressBookBackToItsParent)
{
    QWidget* parent = book->parentWidget();
    const bool visible = book->isVisible();
    TAnschreibenDialog letter;
    letter.PrepareLetter(nullptr, nullptr, book, workspace);
    bool borrowed = false;
    whenOpen<TAdressAuswahlDialog>([&](TAdressAuswahlDialog* d) {
        borrowed = book->parentWidget() == d->PanelMain && book->isVisible();
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Auswahl der Adresse"));
        EXPECT_EQ(d->LabelCaption->text(),
                  QStringLiteral("Bitte wählen Sie Ihre Absenderadresse aus oder geben Sie eine ein:"));
        GetParam().close(d);
    });
    letter.BitBtnAbsenderDlgClick();
    EXPECT_TRUE(borrowed);
    EXPECT_EQ(book->parentWidget(), parent);
    EXPECT_EQ(book->geometry(), parent->rect());
    EXPECT_EQ(book->isVisible(), visible);
    EXPECT_EQ(letter.Sender().Name1, GetParam().accepted ? QStringLiteral("Kern Solar") : QString());
    // The frame still works in its own place.
    EXPECT_TRUE(factory->ShowFrame(FrameId::Adress));
    EXPECT_TRUE(book->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, SelectionDialogCloses,
    ::testing::Values(
        CloseCase{"ok_button", [](TAdressAuswahlDialog* d) { d->findChild<QPushButton*>("BitBtnOK")->click(); }, true},
        CloseCase{"cancel_button", [](TAdressAuswahlDialog* d) { d->findChild<QPushButton*>("BitBtnAbbrechen")->click(); },
                  false},
        CloseCase{"escape_key", [](TAdressAuswahlDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }, false},
        CloseCase{"close_box", [](TAdressAuswahlDialog* d) { d->close(); }, false},
        CloseCase{"destroyed_while_open", [](TAdressAuswahlDialog* d) { delete d; }, false}),
    [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(AddressDialogsTest, RecipientChosenInTheAddressBookReplacesOnlyTheRecipient)
{
    TAnschreibenDialog letter;
    const MAdresse to = company();
    letter.PrepareLetter(nullptr, &to, book, workspace);
    letter.PrepareLetter(nullptr, nullptr, book, workspace); // missing records change nothing
    ASSERT_EQ(letter.Recipient().Name1, to.Name1);
    QString prompt;
    whenOpen<TAdressAuswahlDialog>([&](TAdressAuswahlDialog* d) {
        prompt = d->LabelCaption->text();
        d->accept();
    });
    letter.BitBtnEmpfaengerDlgClick();
    EXPECT_EQ(prompt, QStringLiteral("Bitte wählen Sie die Empfängeradresse aus:"));
    EXPECT_EQ(letter.Recipient().Name1, QStringLiteral("Kern Solar"));
    EXPECT_EQ(letter.Sender().Name1, QString());
    EXPECT_TRUE(letter.MemoEmpfaenger->toPlainText().startsWith(QStringLiteral("Kern Solar")));
}

TEST_F(AddressDialogsTest, SelectionDialogNeverShownStillGivesTheFrameBack)
{
    QWidget* parent = book->parentWidget();
    {
        TAdressAuswahlDialog dialog;
        dialog.EmbedAddressBook(book);
        EXPECT_EQ(book->parentWidget(), dialog.PanelMain);
    }
    EXPECT_EQ(book->parentWidget(), parent);
}

TEST_F(AddressDialogsTest, SelectionDialogFocusesTheMarkedSlotOrRowZero)
{
    for (int stored : {3, 12}) {
        {
            MKontaloRegistry reg;
            reg.WriteInteger("Adress", "AbsenderID", stored);
        }
        TAdressAuswahlDialog dialog;
        dialog.EmbedAddressBook(book);
        dialog.show();
        EXPECT_EQ(TAdressFrame::RowSlot(book->ListViewAdressen->currentItem()), stored == 3 ? 3 : 0);
    }
}

// --- letter dialog ------------------------------------------------------------

TEST_F(AddressDialogsTest, LetterDialogStartsWithTheDefaults)
{
    TAnschreibenDialog letter;
    EXPECT_EQ(letter.windowTitle(), QStringLiteral("Anschreiben bearbeiten"));
    EXPECT_EQ(letter.pos(), QPoint(220, 120));
    EXPECT_TRUE(letter.CheckBoxShowAbsender->isChecked());
    EXPECT_TRUE(letter.CheckBoxShowAbsenderZeile->isChecked());
    EXPECT_TRUE(letter.CheckBoxshowBetreff->isChecked());
    EXPECT_TRUE(letter.CheckBoxShowDatum->isChecked());
    EXPECT_EQ(letter.EditBetreff->text(), QStringLiteral("Betreff: Anfrage"));
    EXPECT_EQ(letter.BodyLines(), QStringList({"Sehr geehrte Damen und Herren,", "", "...", "",
                                               QStringLiteral("Mit freundlichen Grüßen")}));
}

TEST_F(AddressDialogsTest, EmptiedSubjectIsStoredEmptyAndReplacedNextTime)
{
    {
        TAnschreibenDialog letter;
        letter.EditBetreff->clear();
        letter.MemoInhalt->setPlainText(QStringLiteral("Hallo Welt\n\nGruß, \"Jonas\""));
        letter.CheckBoxShowDatum->setChecked(false);
    }
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadString("AnschreibenDlg", "Betreff", "missing"), QString());
    EXPECT_EQ(reg.ReadString("AnschreibenDlg", "MemoInhalt", "missing"),
              QStringLiteral("\"Hallo Welt\",,\"Gruß, \"\"Jonas\"\"\""));
    TAnschreibenDialog again;
    EXPECT_EQ(again.EditBetreff->text(), QStringLiteral("Betreff: Anfrage"));
    EXPECT_EQ(again.BodyLines(), QStringList({"Hallo Welt", "", QStringLiteral("Gruß, \"Jonas\"")}));
    EXPECT_FALSE(again.CheckBoxShowDatum->isChecked());
}

TEST_F(AddressDialogsTest, PreviewShowsTheLetterBlocksWhereThePdfPutsThem)
{
    TAnschreibenDialog letter;
    const MAdresse to = company();
    letter.PrepareLetter(book->GetCurrentAddress(), &to, book, workspace);
    letter.show();
    EXPECT_EQ(letter.MemoEmpfaenger->toPlainText(), QStringLiteral("Sonne & Wind GmbH\nVertrieb\nHafenstraße 3\n20095 Hamburg"));
    EXPECT_EQ(letter.MemoAbsender->toPlainText(), QStringLiteral("Kern Solar\nAm Anger 4\n99084 Erfurt"));
    EXPECT_EQ(letter.LabelAbsenderZeile->text(), QStringLiteral("Kern Solar * Am Anger 4 * 99084 * Erfurt"));
    EXPECT_EQ(letter.EditDatum->text(), QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"))); // four-digit year
    for (int i = 1; i < letter.PageControl->count(); ++i)
        EXPECT_FALSE(letter.PageControl->isTabVisible(i));
    EXPECT_TRUE(letter.PageControl->isTabVisible(0));

    EXPECT_EQ(letter.PanelSeite->size(), QSize(px(212), px(299.8)));
    EXPECT_EQ(letter.LabelAbsender->pos(), QPoint(px(179.4), px(12)));
    EXPECT_EQ(letter.MemoAbsender->geometry().right() + 1, px(192) + 1);
    EXPECT_EQ(letter.MemoAbsender->y(), px(16));
    EXPECT_EQ(letter.LabelAbsenderZeile->pos(), QPoint(px(20), px(48)));
    const QWidget* underline = letter.LabelAbsenderZeile->findChild<QWidget*>("ShapeAbsenderZeile");
    ASSERT_NE(underline, nullptr);
    EXPECT_EQ(underline->mapTo(letter.PanelSeite, QPoint(0, 0)), QPoint(px(20), px(52.5)));
    EXPECT_EQ(underline->width(), letter.LabelAbsenderZeile->width());
    EXPECT_EQ(letter.MemoEmpfaenger->pos(), QPoint(px(20), px(55)));
    EXPECT_EQ(letter.ImageLogo->geometry(), QRect(px(20), px(22), px(30), px(12)));
    EXPECT_FALSE(letter.ImageLogo->pixmap().isNull());
    EXPECT_EQ(letter.EditBetreff->pos(), QPoint(px(20), px(110)));
    EXPECT_EQ(letter.EditDatum->geometry().right() + 1, px(192));
    EXPECT_EQ(letter.EditDatum->y(), px(110));
    EXPECT_EQ(letter.LabelDatum->geometry().right() + 1, letter.EditDatum->x());
    EXPECT_EQ(letter.MemoInhalt->pos(), QPoint(px(20), px(142)));
}

TEST_F(AddressDialogsTest, CheckBoxesShowAndHideTheirPreviewControls)
{
    TAnschreibenDialog letter;
    letter.PrepareLetter(nullptr, nullptr, book, workspace);
    letter.show();
    const std::vector<std::pair<QCheckBox*, QWidget*>> pairs = {
        {letter.CheckBoxShowAbsender, letter.MemoAbsender},
        {letter.CheckBoxShowAbsenderZeile, letter.LabelAbsenderZeile},
        {letter.CheckBoxshowBetreff, letter.EditBetreff},
        {letter.CheckBoxShowDatum, letter.EditDatum}};
    for (const auto& [box, control] : pairs) {
        EXPECT_TRUE(control->isVisible()) << box->objectName().toStdString();
        box->setChecked(false);
        EXPECT_FALSE(control->isVisible()) << box->objectName().toStdString();
        box->setChecked(true);
        EXPECT_TRUE(control->isVisible()) << box->objectName().toStdString();
    }
}

TEST_F(AddressDialogsTest, PdfErstellenWritesTheLetterAndOpensItOnce)
{
    const MAdresse to = company();
    {
        TAnschreibenDialog letter;
        letter.PrepareLetter(book->GetCurrentAddress(), &to, book, workspace);
        letter.EditBetreff->setText("Betreff: Angebot Dachanlage");
        whenOpen<TAnschreibenDialog>([](TAnschreibenDialog* d) { d->BitBtnPdf->click(); });
        EXPECT_EQ(letter.exec(), QDialog::Accepted);
    }
    ASSERT_EQ(shell.opened.size(), 1);
    const QString file = shell.opened.first();
    EXPECT_TRUE(QFileInfo(file).fileName().startsWith(QStringLiteral("Anschreiben")));
    tandrel::test::PdfReader pdf(file);
    ASSERT_TRUE(pdf.isOpen());
    EXPECT_NEAR(pdf.pageSizeMm(0).width(), 212, 0.1);
    EXPECT_NEAR(pdf.pageSizeMm(0).height(), 299.8, 0.1);
    EXPECT_TRUE(pdf.findText(0, "Betreff: Angebot Dachanlage"));
    EXPECT_TRUE(pdf.findText(0, "Sonne & Wind GmbH"));
    EXPECT_TRUE(pdf.findText(0, "Kern Solar * Am Anger 4 * 99084 * Erfurt"));
}

TEST_F(AddressDialogsTest, CancelWritesNoLetter)
{
    TAnschreibenDialog letter;
    letter.PrepareLetter(nullptr, nullptr, book, workspace);
    whenOpen<TAnschreibenDialog>([](TAnschreibenDialog* d) { d->BitBtnAbbrechen->click(); });
    EXPECT_EQ(letter.exec(), QDialog::Rejected);
    EXPECT_TRUE(shell.opened.isEmpty());
}

// --- details dialog -----------------------------------------------------------

TEST_F(AddressDialogsTest, DetailsShowTheEntryWithItsCategoriesAndLogo)
{
    TShowAdressDlg details;
    EXPECT_EQ(details.windowTitle(), QStringLiteral("Adresse"));
    EXPECT_FALSE(details.isModal());
    details.ShowAddressDetails(company(), workspace, book);
    details.show();
    EXPECT_EQ(details.LabelName1->text(), QStringLiteral("Sonne & Wind GmbH"));
    EXPECT_EQ(details.LabelName1->textFormat(), Qt::PlainText);
    EXPECT_EQ(details.LabelPLZOrt->text(), QStringLiteral("20095 Hamburg"));
    EXPECT_EQ(details.LabelBemerkung1->text(), QStringLiteral("Planung und Montage"));
    EXPECT_EQ(details.LabelTaetigkeit->text(), QStringLiteral("Solarstrom   Installation  Software  "));
    EXPECT_EQ(details.Image1->toolTip(), QStringLiteral("Zur Internetseite: www.sonne-wind.example"));
    EXPECT_FALSE(details.Image1->pixmap().isNull());

    MAdresse noLogo = company();
    noLogo.Logo = 0;
    details.ShowAddressDetails(noLogo, workspace, book);
    EXPECT_TRUE(details.Image1->pixmap().isNull());

    details.SpeedButtonInternet->click();
    details.SpeedButtonEMail->click();
    EXPECT_EQ(shell.opened, QStringList({"www.sonne-wind.example", "mailto:info@sonne-wind.example"}));
    details.BitBtnOK->click();
    EXPECT_FALSE(details.isVisible());
}

TEST_F(AddressDialogsTest, DetailsAmpersandIsDrawnLiterally)
{
    TShowAdressDlg details;
    MAdresse a = company();
    a.Name1 = "A&B";
    details.ShowAddressDetails(a, workspace, book);
    details.show();
    // The '&' takes its room on screen: no mnemonic swallows it.
    QLabel plain;
    plain.setFont(details.LabelName1->font());
    plain.setText("AB");
    EXPECT_EQ(details.LabelName1->text(), QStringLiteral("A&B"));
    EXPECT_GT(details.LabelName1->sizeHint().width(), plain.sizeHint().width() + 3);
}

TEST_F(AddressDialogsTest, DetailsLetterButtonStartsALetterToTheEntry)
{
    TShowAdressDlg details;
    details.ShowAddressDetails(company(), workspace, book);
    QString recipient, sender;
    whenOpen<TAnschreibenDialog>([&](TAnschreibenDialog* d) {
        recipient = d->Recipient().Name1;
        sender = d->Sender().Name1;
        d->BitBtnAbbrechen->click();
    });
    details.BitBtnAnschreiben->click();
    EXPECT_EQ(recipient, QStringLiteral("Sonne & Wind GmbH"));
    EXPECT_EQ(sender, QStringLiteral("Kern Solar"));
}

TEST_F(AddressDialogsTest, DetailsLetterButtonWithoutAddressBookDoesNothing)
{
    TShowAdressDlg details;
    details.ShowAddressDetails(company(), workspace, nullptr);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TAnschreibenDialog*>(w) && w->isVisible()) {
                opened = true;
                static_cast<QDialog*>(w)->reject();
            }
    });
    details.BitBtnAnschreiben->click();
    QApplication::processEvents();
    EXPECT_FALSE(opened);
}

TEST_F(AddressDialogsTest, OneDetailsDialogForTheProgram)
{
    EXPECT_EQ(ShowAdressDlg(), nullptr);
    {
        TShowAdressDlg first;
        TShowAdressDlg second;
        EXPECT_EQ(ShowAdressDlg(), &first);
    }
    EXPECT_EQ(ShowAdressDlg(), nullptr);

    // With a parent set, the first call makes the dialog as its child.
    QWidget window;
    SetShowAdressDlgParent(&window);
    TShowAdressDlg* made = ShowAdressDlg();
    SetShowAdressDlgParent(nullptr);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->parentWidget(), &window);
    EXPECT_EQ(ShowAdressDlg(), made);
}

} // namespace
