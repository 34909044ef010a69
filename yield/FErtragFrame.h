#pragma once

#include "app/FBaseFrame.h"
#include "yield/ErtragEinstellungen.h"
#include "yield/ErtragRechnung.h"
#include "yield/IYieldReport.h"
#include "yield/TarifTabelle.h"

#include <QStringList>
#include <memory>
#include <optional>

class MHttpFetch;
struct MHttpResult;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;
class QTabWidget;
class QToolButton;
class TErtragChart;

// Frame 1610: yield and revenue of the planned system under the feed-in
// law, with the report that explains it and the online tariff update.
class TErtragFrame : public TBaseFrame, public IYieldReport {
    Q_OBJECT
    Q_INTERFACES(IYieldReport)
public:
    explicit TErtragFrame(QWidget* parent = nullptr);
    ~TErtragFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ActivateFrame() override;
    void CopyFrame() override;
    bool CanCopyFrame() override { return true; }
    // Writes the yield report as a PDF and opens it.
    void PrintFrame() override;
    bool CanPrintFrame() override { return true; }

    // The user operations.
    void ComboBoxInbetriebnahmejahrChange();
    void ComboBoxSpezifischerErtragChange();
    void ComboBoxEigenverbrauchsanteilChange();
    void EditStrompreisChange();
    // Leaving the price edit shows the price the figures use.
    void EditStrompreisLeave();
    void BitBtnSpezifischerJahresertragInfoClick();
    void SpeedButtonCloseJahresPanelClick();
    void PlaceCityList();
    void BitBtnLeistungInfoClick();
    void BitBtnOnlineAktualisierungClick();

    void Recalculate();
    // Takes the date and the twelve rates from the line list.
    void ApplyTariffUpdate();

    // The update page's address: the maker's server unless the settings
    // name another ("AktualisierungServer").
    static QString UpdateUrl();
    bool UpdateRunning() const;

    const MErtragRechnung& Rechnung() const { return m_rechnung; }
    const MTarifTabelle& Tarife() const { return m_tarife; }
    const QStringList& InternetLines() const { return m_lines; }

signals:
    // After an update's reply was handled (or the fetch failed).
    void TariffUpdateFinished(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void FillComboBoxes();
    void FillCityList();
    // Reads the stored parameters into the model and shows them.
    void LoadSettings();
    // Shows the model in the controls (their change handlers stay silent).
    void ShowModel();
    // The calculation steps of the model's period, specific yield and share.
    void ApplyPeriod();
    void ApplySpecificYield();
    void ApplyShare();
    // Takes a price held to its range; the up-down follows as far as it reaches.
    void SetPriceCents(int cents);
    std::optional<MRoofPlant> RoofPlant() const;
    void FetchTextPageDone(const MHttpResult& result);
    void ShowLines();
    MYieldReportInput ReportInput() override;

    MErtragRechnung m_rechnung;
    // The texts of the last calculation, which the labels and the report show.
    std::optional<MErtragTexte> m_texte;
    MTarifTabelle m_tarife = MTarifTabelle::BuiltIn();
    QStringList m_lines{QStringLiteral("MemoInternetrequest")};
    bool m_initialised = false;
    // The parameters; the price is what the figures use and the edit shows.
    MErtragEinstellungen m_model;
    std::unique_ptr<MHttpFetch> m_fetch;

    QTabWidget* PageControlErtrag = nullptr;
    QWidget* TabSheetBerechnung = nullptr;
    QWidget* TabSheetBerechnungsweg = nullptr;
    QWidget* TabSheetOnlineAktualisierung = nullptr;

    QGroupBox* GroupBoxGrundlagenEEG = nullptr;
    QComboBox* ComboBoxInbetriebnahmejahr = nullptr;
    QLabel* LabelEEG = nullptr;
    QLabel* LabelBonusUnter = nullptr;
    QLabel* LabelBonusUeber = nullptr;
    QLabel* LabelAktualisierungsstand = nullptr;
    QLabel* LabelAktualisierungInfo = nullptr;
    QPushButton* BitBtnOnlineAktualisierung = nullptr;

    QComboBox* ComboBoxSpezifischerErtrag = nullptr;
    QPushButton* BitBtnSpezifischerJahresertragInfo = nullptr;
    QLabel* LabelErtragproJahrproKW2 = nullptr;
    QLabel* LabelErtragsminderungOstWest = nullptr;
    QPushButton* BitBtnLeistungInfo = nullptr;
    QComboBox* ComboBoxEigenverbrauchsanteil = nullptr;
    QLabel* LabelEigenverbrauchsanteil = nullptr;
    QLabel* LabelEigenverbrauchsmenge = nullptr;
    QLabel* LabelEingesparterStrompreis = nullptr;
    QLineEdit* EditStrompreis = nullptr;
    QScrollBar* UpDownStrompreis = nullptr;

    QGroupBox* GroupBoxErgebnis = nullptr;
    QLabel* LabelLeistung = nullptr;
    QLabel* LabelErtragproJahrproKW = nullptr;
    QLabel* LabelErtragProJahr = nullptr;
    QLabel* LabelLaufzeit = nullptr;
    QLabel* LabelErtraginLaufzeit = nullptr;
    QLabel* LabelEinspeisever = nullptr;
    QLabel* LabelEinspeiseErloesinLaufzeit = nullptr;
    TErtragChart* PaintBoxErtragChart = nullptr;

    QFrame* PanelStandortliste = nullptr;
    QTableWidget* ListViewOrte = nullptr;
    QToolButton* SpeedButtonCloseJahresPanel = nullptr;

    QPlainTextEdit* MemoBerechnungsweg = nullptr;
    QPlainTextEdit* MemoInternetrequest = nullptr;
    QPlainTextEdit* MemoProtokoll = nullptr;

    QPushButton* BitBtnKontalo = nullptr;
    QFrame* PanelKontaloHinweis = nullptr;
};
