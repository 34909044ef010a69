#pragma once

#include "app/FBaseFrame.h"
#include "app/FrameIds.h"
#include "paperhouse/IPaperHouse.h"
#include "paperhouse/PaperHouseParams.h"
#include "paperhouse/PaperHousePdf.h"
#include "widgets/ImageBox.h"
#include "widgets/UpDown.h"

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

// The paper house ("Hausplanung"): a few measures of the customer's house,
// its foldable net at model scale and a small 3D view.
//
// The model (Params) is the one store of the parameters: every control's
// change handler writes it, ShowModel puts it into the controls, the
// settings are read into it and written from it. Other frames read it
// through Parameters() and IPaperHouse.
class TPapierHausFrame : public TBaseFrame, public IPaperHouse {
    Q_OBJECT
    Q_INTERFACES(IPaperHouse)
public:
    static constexpr int kFrameID = FrameId::PapierHaus;
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

    double RoofGableSideLength() const override { return Params.RoofGableSideLength(); }
    double RoofEavesSideLength() const override { return Params.RoofEavesSideLength(); }
    tandrel::platform::ColorRef RoofColor() const override { return Params.ColorDach; }
    tandrel::platform::ColorRef ModuleColor() const override { return Params.ColorSolar; }
    void SetRoofColors(tandrel::platform::ColorRef roof, tandrel::platform::ColorRef module) override;

    // The model; its background colour is the 3D view's.
    tandrel::paperhouse::TPaperHouseParams Parameters() const;

    // The house-measure change: takes the five typed measures.
    void EditHausLaengeChange();
    void PaintNetView();
    // Paints the net view into a canvas of any size (the view's own paint).
    void PaintNetView(MCanvas& canvas);
    // The net view's last painted picture; null before the first paint.
    const QImage* NetPicture() const;
    // Rebuild the 3D building and redraw the 3D view.
    void RebuildBuilding();
    void UpdateElevationView();
    // Writes the paper house as PDF (the PDF button and PrintFrame); the
    // high-rise instead while "Hochhaus erstellen" is ticked.
    void WritePaperHousePdf();
    // What the paper-house (or high-rise) document would draw now: the
    // model, page size, wall pictures and the roof planner's data.
    tandrel::paperhouse::TPaperHousePdfInput GatherPdfInput(bool highRise) override
    {
        return GatherPdfInput(highRise, true);
    }
    // The same without the pictures made for printing (roof renderings, the
    // tiled facade) unless withPictures.
    tandrel::paperhouse::TPaperHousePdfInput GatherPdfInput(bool highRise, bool withPictures);

    // Paper millimetres per real metre, screen pixels per paper millimetre
    // and their product.
    double MillimetresPerMetre() const { return m_millimetresPerMetre; }
    double PixelsPerMillimetre() const { return m_pixelsPerMillimetre; }
    double PixelsPerMetre() const { return m_pixelsPerMetre; }
    // The wall pictures (loaded files or tiled texture) and the lightened texture.
    const std::array<QImage, 4>& ImageWand() const { return m_imageWand; }
    const QImage& WallTexture() const { return m_wallTexture; }
    TGraphic3DFrame* Elevation3DFrame() const { return m_elevation3DFrame; }
    const MGebaeudeRep* Building() const { return m_building; }

private:
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

    // Handlers and views.
    void ScaleChange();
    void ApplyDetailInputs();
    void ApplyWallTexture();
    void WriteHighRisePdf();
    void BuildInputPanel();
    void BuildDetailPages();
    void BuildPdfSettingsPage();
    void WriteDocument(const QString& name, bool highRise);
    // Asks what to do when the house (or the high-rise) does not fit its
    // pages at the chosen scale; false when nothing is to be printed.
    bool ConfirmModelFits(bool highRise);
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
    // Holds the model to what the controls can show, then shows it; the
    // handlers this triggers write back what is shown. Runs before the
    // frame is initialised.
    void ShowModel();
    // The colour shapes and the 3D view's background show the model's colours.
    void ShowColours();
    // Each colour shape with the model's colour it shows.
    std::array<std::pair<TColorShape*, tandrel::platform::ColorRef tandrel::paperhouse::TPaperHouseParams::*>, 11>
    ColourShapes() const;

    tandrel::paperhouse::TPaperHouseParams Params;
    double m_millimetresPerMetre = 8;
    double m_pixelsPerMillimetre = 3.6;
    double m_pixelsPerMetre = 28.8;
    // The wall pictures, the photos, the texture (lightened) and its preview.
    std::array<QImage, 4> m_imageWand;
    std::array<QImage, 6> m_imageFoto;
    QImage m_wallTexture;
    QImage m_wallTexturePreview;
    TGraphic3DFrame* m_elevation3DFrame = nullptr;
    MGebaeudeRep* m_building = nullptr;
    bool m_initialised = false;
    std::unique_ptr<MCanvas> m_netCanvas;
};
