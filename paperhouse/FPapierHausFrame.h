#pragma once

#include "app/FBaseFrame.h"
#include "widgets/UpDown.h"
#include "paperhouse/PaperHouseParams.h"
#include "paperhouse/PaperHousePdf.h"
#include "widgets/ImageBox.h"

#include <QImage>
#include <array>
#include <memory>

class MCanvas;
class MGebaeudeRep;
class TGraphic3DFrame;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QTabWidget;
class QToolButton;
class QGroupBox;

// The paper house (frame 1600, "Hausplanung"): a few measures of the
// customer's house, its foldable net at model scale and a small 3D view.
//
// Other frames read the model through Parameters() (house measures in m,
// elements in cm, pitch, scale, flaps, colours, texture index) and the two
// roof lengths. The roof planner reads the roof and PV colours with
// ShapeDach->Color() / ShapeSolar->Color() and sets them with SetColor()
// followed by RefreshFrame(), which repaints the net and the 3D view.
class TPapierHausFrame : public TBaseFrame {
    Q_OBJECT
public:
    static constexpr int kFrameID = 1600;
    static constexpr int kElevationOriginY = 520; // the 3D view's origin height on a tall view
    // The size slider's position at which the house just fits the 3D view,
    // and the free pixels kept around it there.
    static constexpr int kElevationFitSize = 52;
    static constexpr int kElevationMargin = 12;

    explicit TPapierHausFrame(QWidget* parent = nullptr);
    ~TPapierHausFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ActivateFrame() override;
    void PrintFrame() override;
    bool CanPrintFrame() override { return true; }
    void ArrangeControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void RefreshFrame() override;

    void LoadPaperHouseSettings();
    void SavePaperHouseSettings();

    // Slope length of one roof plane with the eaves overhang, and the roof's
    // length along the ridge (m).
    double RoofGableSideLength() const { return Params.RoofGableSideLength(); }
    double RoofEavesSideLength() const { return Params.RoofEavesSideLength(); }

    // The model with the colours of the shapes and the 3D view's background.
    const tandrel::paperhouse::TPaperHouseParams& Parameters();
    bool Initialised() const { return m_initialised; }

    // Handlers of the controls, callable by the frames that steer this one.
    void EditHausLaengeChange();
    void ScaleChange();
    void ApplyDetailInputs();
    void ApplyWallTexture();
    void PaintNetView();
    // Paints the net view into a canvas of any size (the view's own paint).
    void PaintNetView(MCanvas& canvas);
    // The net view's last painted picture; null before the first paint.
    const QImage* NetPicture() const;
    void RebuildBuilding();
    void UpdateElevationView();
    // Writes the paper house as PDF (the PDF button and PrintFrame); the
    // high-rise instead while "Hochhaus erstellen" is ticked.
    void WritePaperHousePdf();
    void WriteHighRisePdf();
    // What the paper-house (or high-rise) document would draw now: the
    // model, page size, wall pictures and the roof planner's data.
    tandrel::paperhouse::TPaperHousePdfInput GatherPdfInput(bool highRise);

    // Paper millimetres per real metre, screen pixels per paper millimetre
    // and their product.
    double MillimetresPerMetre = 8;
    double PixelsPerMillimetre = 3.6;
    double PixelsPerMetre = 28.8;

    // The wall pictures (loaded files or tiled texture), the texture itself
    // (lightened) and the photos.
    std::array<QImage, 4> ImageWand;
    std::array<QImage, 6> ImageFoto;
    QImage WallTexture;
    QImage ImageWandstrukturPreviewPicture;

    // The named controls.
    QFrame* PanelSeitenformatTop = nullptr;
    QFrame* PanelPapierhausTop = nullptr;
    QComboBox* ComboBoxSeitenFormat = nullptr;
    QGroupBox* GroupBoxSeitenausrichtung = nullptr;
    QRadioButton* RadioButtonHochformat = nullptr;
    QRadioButton* RadioButtonQuerformat = nullptr;
    QLabel* Imagehochformat = nullptr;
    QLabel* ImageQuerformat = nullptr;
    QComboBox* ComboBoxModulauswahl = nullptr;

    QFrame* PanelModellierungEingabe = nullptr;
    QLineEdit *EditHausLaenge = nullptr, *EditHausBreite = nullptr, *EditHaushoehe = nullptr;
    QLineEdit *EditDachUeberstandX = nullptr, *EditDachUeberstandY = nullptr;
    TUpDown *UpDownHausLaenge = nullptr, *UpDownHausBreite = nullptr, *UpDownHausHoehe = nullptr;
    TUpDown *UpDownDachUeberstandX = nullptr, *UpDownDachUeberstandY = nullptr;
    QSlider* TrackBarElevation = nullptr;
    QLineEdit* EditElevation = nullptr;
    QLineEdit *EditLaschenwinkel = nullptr, *EditLaschengroesse = nullptr;
    TUpDown *UpDownLaschenwinkel = nullptr, *UpDownLaschenGroesse = nullptr;
    QSlider* TrackBarSchenkelanteil = nullptr;
    QSlider* TrackBarMasstab = nullptr;
    QLabel* LabelMasstab = nullptr;
    QPushButton* ButtonMasstabsauswahl = nullptr;
    QFrame* PanelMasstabDetail = nullptr;
    QToolButton* SpeedButtonZusaetzlich = nullptr;
    QPushButton* BitBtnPDFErstellungPapierhaus = nullptr;
    QCheckBox* CheckBoxHochhaus = nullptr;
    QTabWidget* PageControlPapierhausdetails = nullptr;

    QLineEdit *EditSockelHoehe = nullptr, *EditFensterUnten = nullptr, *EditFensterBreite = nullptr;
    QLineEdit *EditFensterHoehe = nullptr, *EditFensterAbstand = nullptr, *EditFensterRahmen = nullptr;
    QLineEdit* EditEtagenhoehe = nullptr;
    TUpDown *UpDownSockelhoehe = nullptr, *UpDownFensterUnten = nullptr, *UpDownFensterBreite = nullptr;
    TUpDown *UpDownFensterHoehe = nullptr, *UpDownFensterAbstand = nullptr, *UpDownFensterRahmen = nullptr;
    TUpDown* UpDownEtagenhoehe = nullptr;
    std::array<TUpDown*, 4> UpDownTueranzahl{};
    std::array<QSlider*, 4> TrackBarTuerPosition{};
    std::array<QCheckBox*, 4> CheckBoxPicture{};
    std::array<QCheckBox*, 4> CheckBoxElemente{};

    TColorShape *ShapeHauswand = nullptr, *ShapeGiebelflaeche = nullptr, *ShapeDach = nullptr;
    TColorShape *ShapeSolar = nullptr, *ShapeUmgebung = nullptr, *ShapeHintergrund = nullptr;
    TColorShape *ShapeLaschen = nullptr, *ShapeFenster = nullptr, *ShapeFensterrahmen = nullptr;
    TColorShape *ShapeHaustuer = nullptr, *ShapeHaussockel = nullptr;

    QComboBox* ComboBoxWaende = nullptr;
    QSlider* TrackBarHelligkeit = nullptr;
    QLabel* LabelHelligkeit = nullptr;
    QLabel* ImageWandstrukturPreview = nullptr;

    QTabWidget* PageControlPapierHaus = nullptr;
    QScrollArea* ScrollBoxHaus = nullptr;
    QWidget* PaintBoxHaus = nullptr;
    QFrame* PanelElevationVorschau = nullptr;
    QFrame* PanelElevationPreviewSettings = nullptr;
    QToolButton* SpeedButtonElevationEigenschaften = nullptr;
    QSlider *TrackBarElevationSize = nullptr, *TrackBarElevationBlickwinkel = nullptr;
    QSlider* TrackBarElevationKippwinkel = nullptr;
    QLabel *LabelDachTraufe = nullptr, *LabelDachGiebel = nullptr, *LabelFirsthoehe = nullptr;

    TGraphic3DFrame* Elevation3DFrame = nullptr;
    MGebaeudeRep* Building = nullptr;

private:
    void BuildInputPanel();
    void BuildDetailPages();
    void BuildPdfSettingsPage();
    void WriteDocument(const QString& name, bool highRise);
    // Asks what to do when the model does not fit its pages at the chosen
    // scale; false when nothing is to be printed.
    bool ConfirmModelFits();
    void BuildViews();
    void FillPageFormatList();
    void ChooseShapeColor(TColorShape* shape);
    void ChooseWallPicture(int wall);
    void ChoosePhoto(int photo);
    void PitchTrackChange();
    void PitchEditChange();
    // Takes the edit's number into its up-down, held to the up-down's range,
    // and shows the position used.
    void TakeTypedPosition(TUpDown* upDown);
    void ElevationTrackChange();
    void PageControlChange();
    void Update3DTwice();
    void CentreElevationOrigin();
    void SyncColorsToParams();

    tandrel::paperhouse::TPaperHouseParams Params;
    bool m_initialised = false;
    std::unique_ptr<MCanvas> m_netCanvas;
};
