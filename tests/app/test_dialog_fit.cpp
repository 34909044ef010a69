#include "addresses/DAdressAuswahlDlg.h"
#include "app/FrameIds.h"
#include "addresses/DAnschreibenDlg.h"
#include "addresses/DShowAdressDlg.h"
#include "addresses/FAdressFrame.h"
#include "app/DBackgroundDlg.h"
#include "app/DKundenmappeDlg.h"
#include "app/DialogFit.h"
#include "app/FrameFactory.h"
#include "app/InfoDlg.h"
#include "app/KontaloRegistry.h"
#include "app/MainForm.h"
#include "drawing/DRepEigenschaftenDlg.h"
#include "drawing/FAnlagePlanung2DFrame.h"
#include "drawing/PVElementeReps.h"
#include "drawing/Structur.h"
#include "roof/DEigenesModulDlg.h"
#include "roof/FDachplanung2DFrame.h"
#include "tests/support/CaseName.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <functional>
#include <memory>

namespace {

struct DialogCase {
    std::string name;
    QString section; // where the dialog keeps its position; empty: none
    std::function<std::unique_ptr<QDialog>(TMainForm1&)> make;
    QStringList buttons; // must stay wholly visible
};

// Every dialog of the program, each with the content that makes it largest.
std::vector<DialogCase> dialogCases()
{
    return {
        {"Anschreiben", "AnschreibenDlg",
         [](TMainForm1& w) {
             auto d = std::make_unique<TAnschreibenDialog>(&w);
             d->FillLetterPreview();
             return std::unique_ptr<QDialog>(std::move(d));
         },
         {"BitBtnPdf", "BitBtnAbbrechen"}},
        {"Kundenmappe", "KundenmappeDlg",
         [](TMainForm1& w) {
             return std::unique_ptr<QDialog>(new TKundenmappeDialog(&w, w.GetInterfaceFrame(), [](int) { return nullptr; }));
         },
         {"BitBtnPdf", "BitBtnAbbrechen"}},
        {"Adressdetails", "ShowAdressDlg", [](TMainForm1& w) { return std::unique_ptr<QDialog>(new TShowAdressDlg(&w)); },
         {"BitBtnAnschreiben", "BitBtnOK"}},
        {"Adressauswahl", "AdressAuswahlDlg",
         [](TMainForm1& w) {
             auto d = std::make_unique<TAdressAuswahlDialog>(&w);
             d->EmbedAddressBook(qobject_cast<TAdressFrame*>(w.GetFrameFactory()->CreateFrame(FrameId::Adress)));
             d->SetPrompt(QStringLiteral("Bitte wählen Sie den Absender aus:"));
             return std::unique_ptr<QDialog>(std::move(d));
         },
         {"BitBtnOK", "BitBtnAbbrechen"}},
        {"Eigenschaften_Modulgruppe", "DlgRepEigenschaftenReg",
         [](TMainForm1& w) {
             w.GetFrameFactory()->ShowFrame(FrameId::Dachplanung2D);
             auto* roof = qobject_cast<TDachplanung2DFrame*>(w.GetFrameFactory()->FindFrame(FrameId::Dachplanung2D));
             auto* frame = roof->Frame2D.data();
             frame->Selection()->Clear();
             frame->Selection()->Add(roof->ModuleGroup);
             auto d = std::make_unique<TRepEigenschaftenDlg>(frame);
             d->Setup(w.GetFrameFactory(), *frame->Selection());
             d->PageControl->setCurrentWidget(d->TabSheetRep);
             return std::unique_ptr<QDialog>(std::move(d));
         },
         {"ButtonOK", "ButtonAbbrechen"}},
        {"Info", "", [](TMainForm1& w) { return std::unique_ptr<QDialog>(new TInfoDialog1(&w)); }, {"ButtonOK"}},
        {"Hintergrund", "DlgBackground", [](TMainForm1& w) { return std::unique_ptr<QDialog>(new TBackgroundDlg(&w)); },
         {"ButtonOK", "ButtonAbbrechen"}},
        {"Eigenes_Modul", "", [](TMainForm1& w) { return std::unique_ptr<QDialog>(new TEigenesModulDlg(&w)); },
         {"BitBtnOK", "BitBtnAbbrechen"}},
    };
}

class DialogFitTest : public tandrel::test::TestEnv, public ::testing::WithParamInterface<DialogCase> {};

// Shown where an old, larger screen left it, each dialog lies wholly on the
// screen (the test screen is 800 × 600), is no larger than 1280 × 720 and
// shows its buttons uncut, outside any scrolling part.
TEST_P(DialogFitTest, FitsTheScreenWithItsButtonsVisible)
{
    const DialogCase& c = GetParam();
    if (!c.section.isEmpty()) {
        MKontaloRegistry reg;
        reg.WriteInteger(c.section, QStringLiteral("left"), 1500);
        reg.WriteInteger(c.section, QStringLiteral("top"), 900);
    }
    TMainForm1 window;
    window.show();
    std::unique_ptr<QDialog> dialog = c.make(window);
    dialog->show();
    QApplication::processEvents();

    const QRect screen = dialog->screen()->availableGeometry();
    const QRect outer = dialog->frameGeometry();
    EXPECT_TRUE(screen.contains(outer)) << "dialog " << outer.x() << "," << outer.y() << " " << outer.width() << "x"
                                        << outer.height();
    EXPECT_LE(outer.width(), kMaxDialogSize.width());
    EXPECT_LE(outer.height(), kMaxDialogSize.height());
    for (const QString& name : c.buttons) {
        auto* button = dialog->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        EXPECT_TRUE(button->isVisible()) << name.toStdString();
        const QRect inDialog(button->mapTo(dialog.get(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(dialog->rect().contains(inDialog)) << name.toStdString() << " lies outside the dialog";
        EXPECT_EQ(button->visibleRegion().boundingRect(), button->rect()) << name.toStdString() << " is cut";
        for (QWidget* p = button->parentWidget(); p && p != dialog.get(); p = p->parentWidget())
            EXPECT_FALSE(qobject_cast<QScrollArea*>(p)) << name.toStdString() << " scrolls away";
    }
    // Content that does not fit scrolls instead of being cut or squeezed.
    for (QScrollArea* scroll : dialog->findChildren<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly)) {
        QWidget* content = scroll->widget();
        ASSERT_NE(content, nullptr);
        const QSize need = content->minimumSizeHint();
        EXPECT_GE(content->width(), need.width());
        EXPECT_GE(content->height(), need.height());
        if (content->height() > scroll->viewport()->height()) {
            EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogFitTest, ::testing::ValuesIn(dialogCases()),
                         tandrel::test::CaseName());

} // namespace
