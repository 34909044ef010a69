#pragma once

#include "app/FBaseFrame.h"
#include "platform/ColorRef.h"

#include <QPointer>
#include <memory>

class MGruppeRep;
class MObjTypeManager;
class MStandardFlaecheRep;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QToolButton;
class TAnlagePlanung2DFrame;
class TColorShape;
class TImageBox;
class IPaperHouse;

// The roof planner: one roof plane of the customer's house, covered with a
// roof covering and a raster of PV modules; reports module count and plant
// power. The roof's size and colours come from the paper house.
class TDachplanung2DFrame : public TBaseFrame {
    Q_OBJECT
public:
    static constexpr int kFrameID = 1630;
    static constexpr int kPaperHouseID = 1600;
    static constexpr const char* kSection = "Dachplanung2DFrame";
    static constexpr int kCoveringCount = 9;
    static constexpr int kModuleCount = 3;
    // Distance of the usable area from the roof's edges, metres.
    static constexpr double kEdgeDistance = 0.2;
    // The roof without a paper house, metres.
    static constexpr double kFallbackEaves = 12;
    static constexpr double kFallbackGable = 8;
    // The rendered roof picture is at most this many pixels high.
    static constexpr int kMaxPrintSide = 16384;

    explicit TDachplanung2DFrame(QWidget* parent = nullptr);
    ~TDachplanung2DFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ActivateFrame() override;
    void ArrangeControls() override;
    void RefreshFrame() override;

    // Modules inside the usable area and not blocked, doubled for two roof sides.
    int CountActiveModules() const;
    // CountActiveModules × ModulePowerWp / 1000.
    double PlantPowerKWp() const;
    // Renders the roof (with or without modules) into ImagePrint's picture,
    // PrintResolution times finer than the control, but no wider than
    // maxWidth pixels when that is given (what a printed page needs).
    void RenderRoofPicture(bool showModules, int maxWidth = 0);

    // Sets the covering's caption and tile geometry; a valid index also
    // copies its tile picture into ImageDacheindeckungverwendet.
    void SelectCovering(int index);
    // Sets the module data; a valid index also copies its picture into
    // ImagePVModulVerwendet and, once the group exists, sets the gaps.
    void SelectModule(int index);
    bool IsInitialized() const { return m_initialized; }

    // The current roof side lengths (from the paper house, else 12 m × 8 m).
    double RoofEaves() const;
    double RoofGable() const;
    // Pixels per metre of the module preview for a module of w × h metres.
    static double PreviewFactor(double w, double h);

    // Frame state.
    int CoveringIndex = 0;
    QString CoveringName;
    double TileWidth = 0.33, TileHeight = 0.42, TileOverlapX = 0.03, TileOverlapY = 0.021;
    int ModuleIndex = 0;
    QString ModuleName, ModuleMaker, ModuleInternet;
    double ModuleWidth = 1.0, ModuleHeight = 1.667;
    double ModulePowerWp = 200;
    int MakerLogoKey = -1;
    int ZoomPercent = 108;
    int PrintResolution = 10;
    // The paper house frame; reached through IPaperHouse.
    QPointer<TBaseFrame> PaperHouse;

    // The drawing core objects (the roof and group live in the 2D frame's structure).
    QPointer<TAnlagePlanung2DFrame> Frame2D;
    MStandardFlaecheRep* RoofArea = nullptr;
    MGruppeRep* ModuleGroup = nullptr;
    std::unique_ptr<MObjTypeManager> ObjTypeManager;

    // Controls.
    QTabWidget* PageControlPlanung = nullptr;
    QWidget* TabSheetDachplanung2D = nullptr;
    QWidget* TabSheetPVModule = nullptr;
    QWidget* TabSheetWeitereInformationen = nullptr;
    QFrame* PanelDachplanungTop = nullptr;
    QFrame* PanelDachplanung2D = nullptr;
    QScrollArea* ScrollBoxRechts = nullptr;
    QFrame* PanelDachplanungRechts = nullptr;
    QComboBox* ComboBoxDacheindeckungAuswahl = nullptr;
    QComboBox* ComboBoxModulauswahl = nullptr;
    TImageBox* ImageDacheindeckung[kCoveringCount] = {};
    TImageBox* ImageDacheindeckungverwendet = nullptr;
    TImageBox* ImagePVModulSIblack = nullptr;
    TImageBox* ImagePVModulSIclassic = nullptr;
    TImageBox* ImagePVModulSIDarkblue = nullptr;
    TImageBox* ImagePVModulVerwendet = nullptr;
    TImageBox* ImageHerstellerLogo = nullptr;
    TImageBox* ImagePrint = nullptr;
    QCheckBox* CheckBoxModuleauf2Dachseiten = nullptr;
    QSpinBox* UpDownColCountPeriode = nullptr;
    QLabel* LabelDachGiebel = nullptr;
    QLabel* LabelDachTraufe = nullptr;
    QLabel* LabelDachGiebel2 = nullptr;
    QLabel* LabelDachTraufe2 = nullptr;
    QLabel* LabelModulleistung = nullptr;
    QLabel* LabelAnzahlmodule = nullptr;
    QLabel* LabelAnlagenleistung = nullptr;
    QLabel* LabelAnlagenleistung2 = nullptr;
    QLabel* LabelModulleistung1 = nullptr;
    QLabel* LabelModulbreite = nullptr;
    QLabel* LabelModulHoehe = nullptr;
    QLabel* LabelModulName = nullptr;
    QLabel* LabelModulhersteller = nullptr;
    QLabel* LabelLinkModulhersteller = nullptr;
    TColorShape* ShapeDach = nullptr;
    TColorShape* ShapeSolar = nullptr;
    TColorShape* ShapeHintergrund = nullptr;
    TColorShape* ShapeModulAnzeige = nullptr;
    QToolButton* SpeedButtonAnzeige100 = nullptr;
    QToolButton* SpeedButtonAnzeige200 = nullptr;
    QToolButton* SpeedButtonAnzeige300 = nullptr;
    QPushButton* BitBtnDachfarbe = nullptr;
    QPushButton* BitBtnSolarfarbe = nullptr;
    QPushButton* BitBtnHintergrundfarbe = nullptr;
    QPushButton* BitBtnHardcopy = nullptr;
    QPushButton* BitBtnHaus3D = nullptr;
    QPushButton* BitBtnPVErtrag = nullptr;
    QPushButton* BitBtnZurPVErtragsrechnung = nullptr;
    QFrame* PanelPVModul[4] = {};
    QFrame* PanelPVModulKatalog = nullptr;

    // The colour buttons.
    void DachfarbeClick();
    void SolarfarbeClick();
    void HintergrundfarbeClick();
    void SetZoom(int percent);

protected:
    // The maker's link label opens its address.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPlanningPage();
    void BuildModulePage();
    // The roof area's size, edge and covering.
    void ApplyRoofGeometry();
    // Rows and columns of the current module with the group's gaps.
    void SetRasterCounts();
    void FitView();
    void UpdateLabels();
    void UpdateResultLabels();
    void ShowFrame(int frameId);
    void LoadSettings();
    void SaveSettings();
    // Paper house colours, or this frame's own when there is none.
    IPaperHouse* House() const;
    tandrel::platform::ColorRef HouseRoofColor() const;
    tandrel::platform::ColorRef HouseSolarColor() const;
    void WriteHouseColors(tandrel::platform::ColorRef roof, tandrel::platform::ColorRef solar);

    // Finishes and frees the 2D frame with the roof and the group.
    void FreeFrame2D();

    QObject* m_watchedPaintBox = nullptr;
    bool m_initialized = false;
    bool m_filling = false;
};
