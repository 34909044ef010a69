#pragma once

#include "app/FBaseFrame.h"
#include "platform/ColorRef.h"
#include "roof/IRoofPlanner.h"
#include "roof/RoofObstacles.h"
#include "roof/RoofPlannerModel.h"
#include "roof/RoofRendering.h"

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
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class QAction;
class QToolButton;
class TAnlagePlanung2DFrame;
class TColorShape;
class TImageBox;
class IPaperHouse;

// The roof planner: one roof plane of the customer's house, covered with a
// roof covering and a raster of PV modules; reports module count and plant
// power. The roof's size and colours come from the paper house.
class TDachplanung2DFrame : public TBaseFrame, public IRoofPlanner {
    Q_OBJECT
    Q_INTERFACES(IRoofPlanner)
public:
    static constexpr const char* kSection = "Dachplanung2DFrame";
    // The roof without a paper house, metres.
    static constexpr double kFallbackEaves = 12;
    static constexpr double kFallbackGable = 8;

    explicit TDachplanung2DFrame(QWidget* parent = nullptr);
    ~TDachplanung2DFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ActivateFrame() override;
    void ArrangeControls() override;
    void RefreshFrame() override;

    // IRoofPlanner. The power is CountActiveModules × the module's Wp / 1000.
    int CountActiveModules() const override;
    double PlantPowerKWp() const override;
    TRoofModuleData ModuleData() const override;
    bool ModulesOnTwoRoofSides() const override;
    TRoofPictures RenderRoofPictures(int maxWidth) override;
    std::vector<TRoofObstacle> Obstacles() const override;

    // Renders the roof (with or without modules) into ImagePrint's picture,
    // PrintResolution times finer than the control, but no wider than
    // maxWidth pixels when that is given.
    void RenderRoofPicture(bool showModules, int maxWidth = 0);

    // The current roof side lengths (from the paper house, else 12 m × 8 m).
    double RoofEaves() const;
    double RoofGable() const;

    const tandrel::roof::TRoofPlannerModel& Model() const { return m_model; }
    // The paper house frame; reached through IPaperHouse.
    QPointer<TBaseFrame> PaperHouse;

    // The drawing core objects (the roof and group live in the 2D frame's structure).
    QPointer<TAnlagePlanung2DFrame> Frame2D;
    MStandardFlaecheRep* RoofArea = nullptr;
    MGruppeRep* ModuleGroup = nullptr;

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
    TImageBox* ImageDacheindeckung[tandrel::roof::kCoveringCount] = {};
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
    // Module orientation and the installer's own modules.
    QRadioButton* RadioButtonHochkant = nullptr;
    QRadioButton* RadioButtonQuer = nullptr;
    QPushButton* BitBtnEigenesModul = nullptr;
    QPushButton* BitBtnModulBearbeiten = nullptr;
    QPushButton* BitBtnModulLoeschen = nullptr;
    QFrame* PanelPVModul[4] = {};
    QFrame* PanelPVModulKatalog = nullptr;

    // Obstacles on the roof: the tool row above the drawing, the list beside
    // the result, and the keys of their editing.
    QToolButton* SpeedButtonSchornstein = nullptr;
    QToolButton* SpeedButtonDachfenster = nullptr;
    QToolButton* SpeedButtonGaube = nullptr;
    QToolButton* SpeedButtonLuefter = nullptr;
    QToolButton* SpeedButtonFreieFlaeche = nullptr;
    QTreeWidget* ListViewHindernisse = nullptr;
    QAction* ActionHindernisLoeschen = nullptr;
    QAction* ActionRueckgaengig = nullptr;
    QAction* ActionWiederholen = nullptr;
    // The armed tool (an index of ObstacleKinds), -1 none.
    int ObstacleTool() const { return m_obstacleTool; }
    // Places an obstacle of the kind centred on the world point.
    void PlaceObstacle(int kind, double x, double y);
    void DeleteSelectedObstacles();
    void UndoObstacles();
    void RedoObstacles();

    // The colour buttons.
    void DachfarbeClick();
    void SolarfarbeClick();
    void HintergrundfarbeClick();
    void SetZoom(int percent);
    // "Eigenes Modul...": adds an own module after the catalogue's and selects it.
    void EigenesModulClick();
    // Edits or deletes the selected own module.
    void ModulBearbeitenClick();
    void ModulLoeschenClick();

protected:
    // The maker's link label opens its address.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Sets the covering's caption and tile geometry; a valid index also
    // copies its tile picture into ImageDacheindeckungverwendet.
    void SelectCovering(int index);
    // Sets the module data; a valid index also copies its picture into
    // ImagePVModulVerwendet and, once the group exists, sets the gaps.
    void SelectModule(int index);
    // Shows the model in the controls.
    void ShowModel();
    // The roof rendered for the print: false when there is no drawing.
    bool RenderRoof(bool showModules, int maxWidth, QImage& picture, tandrel::roof::TRoofOnScreen& onScreen);

    void BuildPlanningPage();
    void BuildModulePage();
    // The orientation and own-module controls below the module list, from row on.
    void BuildModuleChoiceControls(class QGridLayout* grid, int row);
    // The catalogue's modules, then the own ones; keeps the selection.
    void FillModuleList();
    // The selected module's index among the own modules; -1 for none.
    int SelectedOwnModule() const;
    void SaveOwnModules();
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

    // Obstacles (see RoofObstacles.h).
    void BuildObstacleRow();
    void BuildObstacleList(QGroupBox* box);
    void ArmObstacleTool(int kind);
    // After a mouse operation or a dialog: moved obstacles snapped and held
    // on the roof, bad edits taken back, one undo step if anything changed,
    // list and labels.
    void CommitObstacles(bool keepMovedInside);
    void WireObstacleEditing();
    void ShowObstacleList();
    void SelectObstacleOfRow();
    void LoadObstacleSettings();
    void SaveObstacleSettings();
    // Handles a paint-box mouse event for the obstacles; true when consumed.
    bool ObstacleMouseEvent(QObject* paintBox, QEvent* event);

    // Finishes and frees the 2D frame with the roof and the group.
    void FreeFrame2D();

    std::unique_ptr<MObjTypeManager> m_objTypeManager;
    tandrel::roof::TRoofPlannerModel m_model;
    QObject* m_watchedPaintBox = nullptr;
    bool m_initialized = false;
    bool m_filling = false;
    int m_obstacleTool = -1;
    bool m_swallowRelease = false;
    bool m_inObstacleEvent = false;
    bool m_fillingObstacleList = false;
    tandrel::roof::TObstacleHistory m_obstacleHistory;
};
