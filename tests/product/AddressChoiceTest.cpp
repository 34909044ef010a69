#include "addresses/DAdressAuswahlDlg.h"
#include "app/FrameIds.h"
#include "addresses/FAdressFrame.h"
#include "app/FrameFactory.h"
#include "app/MainForm.h"
#include "product/FKontaloProduktFrame.h"
#include "tests/support/PdfReader.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {

// The brochure in the real program with the real address book and selection
// dialog.
class AddressChoiceTest : public tandrel::test::TestEnv {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        window = std::make_unique<TMainForm1>();
        window->show();
        factory = window->GetFrameFactory();
        ASSERT_TRUE(factory->ShowFrame(FrameId::KontaloProdukt));
        product = static_cast<TKontaloProduktFrame*>(factory->FindFrame(FrameId::KontaloProdukt));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // Answers the selection dialog once it is open: types a customer and
    // presses the button.
    void answerDialog(const char* button)
    {
        QTimer::singleShot(0, [this, button] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<TAdressAuswahlDialog*>(w); d && d->isVisible()) {
                    currentAtChoice = factory->GetCurrentFrame() ? factory->GetCurrentFrame()->GetFrameID() : 0;
                    auto* book = qobject_cast<TAdressFrame*>(factory->FindFrame(FrameId::Adress));
                    bookInDialog = book && d->isAncestorOf(book);
                    if (book) {
                        book->EditName1->setText("Dachdeckerei Wendt");
                        book->EditStrasse->setText("Ringstraße 2");
                        book->EditPLZ->setText("06108");
                        book->EditOrt->setText("Halle");
                    }
                    d->findChild<QPushButton*>(button)->click();
                    return;
                }
            ADD_FAILURE() << "no selection dialog open";
        });
    }

    std::unique_ptr<TMainForm1> window;
    TFrameFactory* factory = nullptr;
    TKontaloProduktFrame* product = nullptr;
    int currentAtChoice = -1;
    bool bookInDialog = false;
};

TEST_F(AddressChoiceTest, FirstFormCreatesTheAddressBookAndComesBackBeforeTheChoice)
{
    ASSERT_EQ(factory->FindFrame(FrameId::Adress), nullptr);
    answerDialog("BitBtnOK");
    product->BitBtnBestellformularPdfClick();
    EXPECT_NE(factory->FindFrame(FrameId::Adress), nullptr);
    EXPECT_EQ(currentAtChoice, 1110);
    EXPECT_TRUE(bookInDialog);
    EXPECT_EQ(factory->GetCurrentFrame(), product);
    ASSERT_EQ(shell.opened.size(), 1);
    tandrel::test::PdfReader pdf(shell.opened.front());
    ASSERT_TRUE(pdf.isOpen());
    EXPECT_TRUE(pdf.findText(0, "Dachdeckerei Wendt * Ringstraße 2 * 06108 * Halle"));
}

TEST_F(AddressChoiceTest, CancelWritesNothingAndGivesTheAddressBookBack)
{
    answerDialog("BitBtnAbbrechen");
    product->BitBtnBestellformularPdfClick();
    EXPECT_TRUE(bookInDialog);
    EXPECT_TRUE(shell.opened.isEmpty());
    TBaseFrame* book = factory->FindFrame(FrameId::Adress);
    ASSERT_NE(book, nullptr);
    EXPECT_EQ(book->parentWidget(), window->GetBodyPanel());
    EXPECT_EQ(factory->GetCurrentFrame(), product);
    EXPECT_TRUE(product->isVisible());
    EXPECT_FALSE(book->isVisible());
}

TEST_F(AddressChoiceTest, MainWindowButtonAndMenuLeadToTheBrochure)
{
    factory->ShowFrame(FrameId::Overview);
    window->findChild<QToolButton*>("SpeedButtonKontalo")->click();
    EXPECT_EQ(factory->GetCurrentFrame(), product);
    factory->ShowFrame(FrameId::Overview);
    window->findChild<QAction*>("ProgrammteileKontalo")->trigger();
    EXPECT_EQ(factory->GetCurrentFrame(), product);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tandrel - Software Kontalo pro"));
}

} // namespace
