#include "text/FormatText.h"
#include "app/FrameIds.h"
#include "roof/FDachplanung2DFrame.h"
#include "tests/yield/YieldFrameFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {

QStringList Items(QComboBox* box)
{
    QStringList l;
    for (int i = 0; i < box->count(); ++i)
        l << box->itemText(i);
    return l;
}

class YieldFrame : public YieldFrameTest {
protected:
    template <class T>
    T* Child(const char* name) const
    {
        return frame->findChild<T*>(QString::fromLatin1(name));
    }
    QComboBox* Combo(const char* name) const { return Child<QComboBox>(name); }
    TDachplanung2DFrame* Roof() const { return dynamic_cast<TDachplanung2DFrame*>(factory->FindFrame(FrameId::Dachplanung2D)); }
    QString N(const char* format, double v) const { return FormatText(QString::fromLatin1(format), {v}); }
};

TEST_F(YieldFrame, FirstStartShowsTheDefaults)
{
    ASSERT_TRUE(Open());
    EXPECT_EQ(frame->GetFrameName(), "PV-Ertragsberechnung");
    EXPECT_EQ(frame->GetFrameDescription(), "Berechnung des Ertrages einer PV-Anlage");
    ASSERT_TRUE(Roof()) << "the roof planner is created hidden";
    EXPECT_FALSE(Roof()->isVisible());
    EXPECT_EQ(Items(Combo("ComboBoxInbetriebnahmejahr")), QStringList({"2010", "2011 1.Halbjahr", "2011 2.Halbjahr", "2012"}));
    EXPECT_EQ(Items(Combo("ComboBoxEigenverbrauchsanteil")), QStringList({"0 %", "10 %", "20 %", "30 %", "40 %", "50 %"}));
    EXPECT_EQ(Items(Combo("ComboBoxSpezifischerErtrag")).value(6), "1.000 kWh / kWp");
    EXPECT_EQ(Combo("ComboBoxInbetriebnahmejahr")->currentIndex(), 1);
    EXPECT_EQ(Combo("ComboBoxSpezifischerErtrag")->currentIndex(), 3);
    EXPECT_EQ(Combo("ComboBoxEigenverbrauchsanteil")->currentIndex(), 3);
    EXPECT_EQ(Child<QLineEdit>("EditStrompreis")->text(), "20");
    EXPECT_DOUBLE_EQ(frame->Rechnung().Strompreis, 0.20);
    EXPECT_EQ(Child<QGroupBox>("GroupBoxGrundlagenEEG")->title(), "Berechnungsgrundlagen nach dem EEG für 2011 (ab Januar):");
    EXPECT_EQ(Label("LabelEEG"), "Vergütung für eingespeisten Strom: 0,2874 Euro/kWh");
    EXPECT_EQ(Label("LabelAktualisierungsstand"), "Stand: 16.06.2011 ");

    auto* pages = Child<QTabWidget>("PageControlErtrag");
    EXPECT_FALSE(pages->isTabVisible(pages->indexOf(Child<QWidget>("TabSheetOnlineAktualisierung"))));
    EXPECT_EQ(pages->tabText(1), "Berechnungsweg");
    EXPECT_EQ(Memo("MemoInternetrequest"), "MemoInternetrequest");

    auto* cities = Child<QTableWidget>("ListViewOrte");
    ASSERT_EQ(cities->rowCount(), 14);
    EXPECT_EQ(cities->item(0, 0)->text(), "Saarbrücken");
    EXPECT_EQ(cities->item(13, 0)->text(), "München");
    EXPECT_EQ(cities->item(2, 1)->text(), "975");
    EXPECT_EQ(cities->item(12, 0)->data(Qt::UserRole).toInt(), 875);
    EXPECT_EQ(cities->columnWidth(0), 220);
    EXPECT_EQ(cities->horizontalHeaderItem(1)->text(), "Ertrag [kWh/kWp]");
    EXPECT_TRUE(frame->CanCopyFrame());
    EXPECT_TRUE(frame->CanPrintFrame()); // the yield report
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(YieldFrame, ResultsFollowTheRoofPlanner)
{
    ASSERT_TRUE(Open());
    const double power = Roof()->PlantPowerKWp();
    ASSERT_GT(power, 0.0001);
    const MErtragRechnung& r = frame->Rechnung();
    EXPECT_DOUBLE_EQ(r.Leistung, power);
    EXPECT_EQ(Label("LabelLeistung"), N("%2.2n", power));
    EXPECT_EQ(Label("LabelErtragproJahrproKW"), "925,00");
    EXPECT_EQ(Label("LabelErtragproJahrproKW2"), "925,00");
    EXPECT_EQ(Label("LabelErtragProJahr"), N("%2.2n", 925 * power));
    EXPECT_EQ(Label("LabelLaufzeit"), "20");
    // 2011 first half, 30 %: 70 × 0.2874 + 30 × (0.1236 + 0.20) = 29.826 ct
    EXPECT_NEAR(r.GemittelteVerguetung, 0.29826, 1e-12);
    EXPECT_EQ(Label("LabelEinspeisever"), "0,2983");
    EXPECT_EQ(Label("LabelEinspeiseErloesinLaufzeit"), N("%2.2n", 925 * power * 20 * 0.29826));
    EXPECT_EQ(Label("LabelErtragsminderungOstWest"), "");
    EXPECT_TRUE(Memo("MemoBerechnungsweg").startsWith("PV-Ertragsrechnung\n\nJahr der Inbetriebnahme: 2011\n"));

    // Two roof sides: the planner doubles the power, the specific yield drops
    // to 75 % when this frame is shown again.
    Roof()->CheckBoxModuleauf2Dachseiten->setChecked(true);
    const double doubled = Roof()->PlantPowerKWp();
    EXPECT_DOUBLE_EQ(doubled, 2 * power);
    frame->ActivateFrame();
    EXPECT_DOUBLE_EQ(r.SpezifischerErtrag, 693.75);
    EXPECT_EQ(Label("LabelErtragproJahrproKW"), "693,75");
    EXPECT_EQ(Label("LabelErtragsminderungOstWest"), "Ca. 25 % Ertragsminderung bei Ost-West-Ausrichtung");
    EXPECT_EQ(Label("LabelLeistung"), N("%2.2n", doubled));
    EXPECT_DOUBLE_EQ(r.Jahresertrag, 693.75 * doubled);

    Roof()->CheckBoxModuleauf2Dachseiten->setChecked(false);
    frame->ActivateFrame();
    EXPECT_EQ(Label("LabelErtragproJahrproKW"), "925,00");
    EXPECT_EQ(Label("LabelErtragsminderungOstWest"), "");
}

TEST_F(YieldFrame, ChoicesRecalculateAtOnce)
{
    ASSERT_TRUE(Open());
    const double power = Roof()->PlantPowerKWp();
    Combo("ComboBoxInbetriebnahmejahr")->setCurrentIndex(3);
    EXPECT_EQ(Child<QGroupBox>("GroupBoxGrundlagenEEG")->title(), "Berechnungsgrundlagen nach dem EEG für 2012 (ab Januar):");
    EXPECT_EQ(Label("LabelBonusUeber"), "Bonus für Eigenanteil über 30 %: 0,1415 Euro/kWh");
    Combo("ComboBoxEigenverbrauchsanteil")->setCurrentIndex(4);
    EXPECT_EQ(Label("LabelEigenverbrauchsanteil"), "40");
    EXPECT_EQ(Label("LabelEigenverbrauchsmenge"), N("%2.0n", 0.4 * 925 * power));
    EXPECT_NEAR(frame->Rechnung().MittlererBonus, (10 * 0.1415 + 30 * 0.0977) / 40, 1e-15);
    EXPECT_TRUE(Memo("MemoBerechnungsweg").contains("Mittelung Einspeisevergütung:"));
    Combo("ComboBoxSpezifischerErtrag")->setCurrentIndex(8);
    EXPECT_EQ(Label("LabelErtragproJahrproKW"), "1.050,00");

    // Share 0: the price is of no use and its controls are off.
    Combo("ComboBoxEigenverbrauchsanteil")->setCurrentIndex(0);
    EXPECT_FALSE(Child<QLineEdit>("EditStrompreis")->isEnabled());
    EXPECT_FALSE(Child<QScrollBar>("UpDownStrompreis")->isEnabled());
    EXPECT_FALSE(Child<QLabel>("LabelEingesparterStrompreis")->isEnabled());
    EXPECT_DOUBLE_EQ(frame->Rechnung().GemittelteVerguetung, 0.2615);
    EXPECT_TRUE(Memo("MemoBerechnungsweg").contains("Kein Eigenverbrauch, d.h. der gesamte erzeugte Strom wird ins Netz eingespeist."));
    Combo("ComboBoxEigenverbrauchsanteil")->setCurrentIndex(1);
    EXPECT_TRUE(Child<QLineEdit>("EditStrompreis")->isEnabled());
}

TEST_F(YieldFrame, PriceFromTheUpDownAndTheEdit)
{
    ASSERT_TRUE(Open());
    auto* edit = Child<QLineEdit>("EditStrompreis");
    auto* upDown = Child<QScrollBar>("UpDownStrompreis");
    EXPECT_EQ(upDown->minimum(), 15);
    EXPECT_EQ(upDown->maximum(), 35);
    upDown->setValue(27);
    EXPECT_EQ(edit->text(), "27");
    EXPECT_DOUBLE_EQ(frame->Rechnung().Strompreis, 0.27);
    // Keys other than digits are not taken, and nothing pops up while typing.
    edit->clear();
    QTest::keyClicks(edit, "2a2,5");
    EXPECT_EQ(edit->text(), "225");
    EXPECT_DOUBLE_EQ(frame->Rechnung().Strompreis, 1.00); // held to 100 ct
    edit->setText("22");
    EXPECT_DOUBLE_EQ(frame->Rechnung().Strompreis, 0.22);
    edit->setText("");
    EXPECT_DOUBLE_EQ(frame->Rechnung().Strompreis, 0.22);
    emit edit->editingFinished();
    EXPECT_EQ(edit->text(), "22");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    edit->setText("31");
    EXPECT_EQ(upDown->value(), 31);
    Close();
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "Stompreis", -1), 31);
}

TEST_F(YieldFrame, SettingsAreReadAndWrittenBack)
{
    {
        MKontaloRegistry reg;
        reg.WriteInteger("ErtragFrame", "InbetriebnahmejahrIndex", 3);
        reg.WriteInteger("ErtragFrame", "SpezifischerErtragIndex", 8);
        reg.WriteInteger("ErtragFrame", "Eigenverbrauchsanteil", 5);
        reg.WriteInteger("ErtragFrame", "Stompreis", 25);
        reg.WriteString("ErtragFrame", "Aktualisierungsstand", "");
        reg.WriteFloat("ErtragFrame", "2012_EinspeiseverBonusUnter30", 0.0805);
        reg.WriteInteger("ErtragFrame", "ColorLasche", 123);
        reg.WriteInteger("ErtragFrame", "ColorSeite", 456);
    }
    ASSERT_TRUE(Open());
    EXPECT_EQ(Combo("ComboBoxInbetriebnahmejahr")->currentIndex(), 3);
    EXPECT_EQ(Combo("ComboBoxSpezifischerErtrag")->currentIndex(), 8);
    EXPECT_EQ(Combo("ComboBoxEigenverbrauchsanteil")->currentIndex(), 5);
    EXPECT_DOUBLE_EQ(frame->Rechnung().Strompreis, 0.25);
    EXPECT_DOUBLE_EQ(frame->Rechnung().BonusUnter30, 0.0805);
    // An empty stored date falls back to the built-in one.
    EXPECT_EQ(Label("LabelAktualisierungsstand"), "Stand: 16.06.2011 ");
    Combo("ComboBoxEigenverbrauchsanteil")->setCurrentIndex(2);
    Close();

    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "InbetriebnahmejahrIndex", -1), 3);
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "SpezifischerErtragIndex", -1), 8);
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "Eigenverbrauchsanteil", -1), 2);
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "Stompreis", -1), 25);
    EXPECT_EQ(reg.ReadString("ErtragFrame", "Aktualisierungsstand", "x"), "16.06.2011");
    EXPECT_DOUBLE_EQ(reg.ReadFloat("ErtragFrame", "2012_EinspeiseverBonusUnter30", -1), 0.0805);
    EXPECT_DOUBLE_EQ(reg.ReadFloat("ErtragFrame", "2010_Einspeiseverguetung", -1), 0.3303);
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "ColorLasche", -1), 123);
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "ColorSeite", -1), 456);
}

TEST_F(YieldFrame, StoredIndicesOutOfRangeLeaveNoSelection)
{
    {
        MKontaloRegistry reg;
        reg.WriteInteger("ErtragFrame", "InbetriebnahmejahrIndex", 4);
        reg.WriteInteger("ErtragFrame", "SpezifischerErtragIndex", -2);
        reg.WriteInteger("ErtragFrame", "Eigenverbrauchsanteil", 6);
        reg.WriteInteger("ErtragFrame", "Stompreis", 90);
    }
    ASSERT_TRUE(Open());
    EXPECT_EQ(Combo("ComboBoxInbetriebnahmejahr")->currentIndex(), -1);
    EXPECT_EQ(Combo("ComboBoxSpezifischerErtrag")->currentIndex(), -1);
    EXPECT_EQ(Combo("ComboBoxEigenverbrauchsanteil")->currentIndex(), -1);
    const MErtragRechnung& r = frame->Rechnung();
    EXPECT_EQ(r.Jahr, 2010);
    EXPECT_EQ(Child<QGroupBox>("GroupBoxGrundlagenEEG")->title(), "Berechnungsgrundlagen nach dem EEG für 2010 (ab Januar):");
    EXPECT_DOUBLE_EQ(r.Einspeiseverguetung, 0.3303);
    EXPECT_DOUBLE_EQ(r.SpezifischerErtrag, 850);
    EXPECT_EQ(r.Anteil, 30);
    // A price above the up-down's range is kept.
    EXPECT_DOUBLE_EQ(r.Strompreis, 0.90);
    EXPECT_EQ(Child<QLineEdit>("EditStrompreis")->text(), "90");
    Close();
    MKontaloRegistry reg;
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "InbetriebnahmejahrIndex", 0), -1);
    EXPECT_EQ(reg.ReadInteger("ErtragFrame", "Stompreis", 0), 90);
}

TEST_F(YieldFrame, CopyPutsTheReportOnTheClipboard)
{
    ASSERT_TRUE(Open());
    QApplication::clipboard()->setText("vorher");
    frame->CopyFrame();
    EXPECT_EQ(QApplication::clipboard()->text(), Memo("MemoBerechnungsweg"));
    EXPECT_TRUE(QApplication::clipboard()->text().contains("Erlöse:"));
}

TEST_F(YieldFrame, InfoButtonsAndCityPanel)
{
    ASSERT_TRUE(Open());
    auto* panel = Child<QFrame>("PanelStandortliste");
    EXPECT_TRUE(panel->isHidden());
    Child<QPushButton>("BitBtnSpezifischerJahresertragInfo")->click();
    EXPECT_FALSE(panel->isHidden());
    Child<QPushButton>("BitBtnSpezifischerJahresertragInfo")->click();
    EXPECT_TRUE(panel->isHidden());
    Child<QPushButton>("BitBtnSpezifischerJahresertragInfo")->click();
    Child<QToolButton>("SpeedButtonCloseJahresPanel")->click();
    EXPECT_TRUE(panel->isHidden());

    Child<QPushButton>("BitBtnLeistungInfo")->click();
    EXPECT_EQ(factory->GetCurrentFrame(), Roof());
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(YieldFrame, PromotionalNoteWhileTheMouseIsOverTheSiblingButton)
{
    ASSERT_TRUE(Open());
    auto* button = Child<QPushButton>("BitBtnKontalo");
    auto* note = Child<QFrame>("PanelKontaloHinweis");
    EXPECT_TRUE(note->isHidden());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    EXPECT_FALSE(note->isHidden());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_TRUE(note->isHidden());
}

// A factory that knows only the yield frame: no roof planner can exist.
class YieldOnlyFactory : public TBaseFrameFactory {
public:
    TBaseFrame* CreateFrame(int id) override
    {
        if (id != 1610)
            return nullptr;
        auto* f = new TErtragFrame;
        AddFrame(f);
        f->InitFrame(nullptr, nullptr, this, id);
        return f;
    }
};

TEST_F(YieldFrame, WithoutRoofPlannerNothingIsCalculated)
{
    YieldOnlyFactory only;
    frame = dynamic_cast<TErtragFrame*>(only.CreateFrame(FrameId::Ertrag));
    ASSERT_TRUE(frame);
    EXPECT_EQ(Label("LabelLeistung"), "");
    EXPECT_EQ(Label("LabelEinspeiseErloesinLaufzeit"), "");
    EXPECT_EQ(Memo("MemoBerechnungsweg"), "");
    // The period labels are no calculation and are filled.
    EXPECT_EQ(Label("LabelEEG"), "Vergütung für eingespeisten Strom: 0,2874 Euro/kWh");
    Combo("ComboBoxEigenverbrauchsanteil")->setCurrentIndex(5);
    EXPECT_EQ(Label("LabelEigenverbrauchsanteil"), "");
    frame = nullptr;
}

} // namespace
