#pragma once

#include "app/FBaseFrame.h"
#include "app/PictureLabel.h"
#include "paperhouse/PageFormats.h"
#include "platform/ColorRef.h"
#include "presentations/ISlideShow.h"
#include "presentations/SlidesPdf.h"

#include <QImage>
#include <QLabel>
#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTimer;

// A slide picture: shown stretched to its size, decoded only while shown.
class TSlideImage : public TPictureLabel {
    Q_OBJECT
public:
    using TPictureLabel::TPictureLabel;
    // The slide as the PDF embeds it: a built-in slide's stored bytes.
    PdfPicture PdfSlide() const;
};

// What differs between the self-consumption presentation and the KEV one.
struct TPresentationConfig {
    QString SettingsKey;
    QString Name;
    QString Description;
    // The six main slide controls: picture, tab caption, tab shown.
    struct MainSlide {
        const char* Picture;
        const char* Caption;
        bool Shown;
    };
    std::array<MainSlide, 6> MainSlides;
    bool SettingsColumn; // the left column with texts, page and margin
    QString MapNote;     // shown under the fourth main slide
};

// The presentation's parameters with the defaults of a first start: what
// the controls show, the PDF is made of and the settings store keeps (the
// page format type is only read).
struct TPresentationSettings {
    bool SolarPraesentation = true;
    QString Seitenformattyp = tandrel::paperhouse::kPageFormatEuropean;
    std::int32_t Seitenformat = 1;      // index in the page format list, −1 for none
    bool Seitenausrichtung = true;      // portrait
    std::int32_t Randabstand = 20;      // mm, as far as the track bar reaches
    QString StartseiteUeberschrift = QStringLiteral("Eigenverbrauchsregelung");
    QString StartseiteText1 = QStringLiteral("nach EEG 2010");
    QString StartseiteText2, FrontGrafikdatei, Kopfzeile, Fusszeile;
    tandrel::platform::ColorRef ColorLasche = 16182176;
    tandrel::platform::ColorRef ColorSeite = 16182176;
};

// Frame 1620: the German self-consumption rule as slides, on screen and as a
// PDF with cover page, header and footer. TKEVFrame is the same frame with
// its own configuration.
class TEigenverbrauchFrame : public TBaseFrame, public ISlideShow {
    Q_OBJECT
    Q_INTERFACES(ISlideShow)
public:
    explicit TEigenverbrauchFrame(QWidget* parent = nullptr);
    ~TEigenverbrauchFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ActivateFrame() override;
    void ArrangeControls() override;
    void PrintFrame() override { CreateSlidesPdf(); }
    bool CanPrintFrame() override { return true; }

    // Writes the slide PDF and opens it.
    void CreateSlidesPdf();
    // The document the slide PDF shows now.
    tandrel::presentations::MSlidesDocument SlidesDocument() override;

    void BitBtnPictureClick();
    void TrackBarRandabstandChange();
    void RadioButtonHochformatClick();
    void TabSheet3Enter();

    static const TPresentationConfig& EigenverbrauchConfig();
    static const TPresentationConfig& KEVConfig();

    // The twelve slide controls in PDF order.
    const std::array<TSlideImage*, tandrel::presentations::kSlideCount>& SlideImages() const { return m_slides; }
    double Margin() const { return m_settings.Randabstand; }
    QString PageFormatType() const { return m_settings.Seitenformattyp; }

protected:
    TEigenverbrauchFrame(const TPresentationConfig& config, QWidget* parent);

private:
    void BuildControls();
    void FillPageFormats();
    // Reads the stored parameters into the model and shows them.
    void LoadSettings();
    void SaveSettings();
    // Shows the model in the controls, whose change handlers write it.
    void ShowSettings();
    void SetProgress(int percent);
    PdfPicture CoverPicture();

    const TPresentationConfig& m_config;
    TPresentationSettings m_settings;
    bool m_initialised = false;
    bool m_introSized = false;

    QFrame* PanelLeftMain = nullptr;
    QFrame* PanelFolienMain = nullptr;
    QTabWidget* PageControlMain = nullptr;
    QTabWidget* PageControlSolartechnik = nullptr;
    QTabWidget* PageControlEinstellungen = nullptr;
    QCheckBox* CheckBoxSolarpraesentation = nullptr;
    QComboBox* ComboBoxSeitenFormat = nullptr;
    QRadioButton* RadioButtonHochformat = nullptr;
    QRadioButton* RadioButtonQuerformat = nullptr;
    QLabel* Imagehochformat = nullptr;
    QLabel* ImageQuerformat = nullptr;
    QSlider* TrackBarRandabstand = nullptr;
    QLineEdit* EditRandabstand = nullptr;
    QLineEdit* EditStartseiteUeberschrift = nullptr;
    QLineEdit* EditStartSeiteText1 = nullptr;
    QLineEdit* EditStartSeiteText2 = nullptr;
    QLineEdit* EditFrontgrafikDateiname = nullptr;
    QLabel* ImageGrafikfrontseite = nullptr;
    QLineEdit* EditKopfzeile = nullptr;
    QLineEdit* EditFusszeile = nullptr;
    QPushButton* BitBtnPicture = nullptr;
    QPushButton* BitBtnPDFErstellung = nullptr;
    QProgressBar* Gauge1 = nullptr;
    QTimer* Timer1 = nullptr;
    std::array<TSlideImage*, tandrel::presentations::kSlideCount> m_slides{};
};
