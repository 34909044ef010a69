#pragma once

#include "app/FBaseFrame.h"
#include "geo/MapPainting.h"
#include "geo/NearbySources.h"
#include "geo/PostcodeTable.h"

#include <QImage>
#include <cstdint>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QToolButton;
class TBranchenbuchFrame;
class TStringGrid;

// The stored values of the map ("AdressGeo").
struct MAdressGeoSettings {
    bool ShowSolarAdressen = true;
    bool ShowSolarAnlagen = true;
    bool ShowStandort = true;
    std::int32_t StandortPlz = 99084;
    std::int32_t RadiusDistance = 400;
};

// The map of Germany (frame 4450): the user's location with a search radius,
// the directory's companies inside it on the map and in a grid. Owns the
// postcode table the directory and the address book look positions up in.
class TAdressGeoFrame : public TBaseFrame, public IPostcodeMap {
    Q_OBJECT
    Q_INTERFACES(IPostcodeMap)
public:
    explicit TAdressGeoFrame(QWidget* parent = nullptr);
    ~TAdressGeoFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ArrangeControls() override;

    int PostcodeX(int postcode) const { return m_postcodes.PostcodeX(postcode); }
    int PostcodeY(int postcode) const { return m_postcodes.PostcodeY(postcode); }
    const MPostcodeTable& Postcodes() const { return m_postcodes; }
    std::optional<QPoint> PostcodePosition(int plz) const override;
    bool TableLoaded() const { return m_tableLoaded; }

    // "Übernehmen": search the radius of the track bar around the location.
    void ApplyRadius();
    // Sort buttons: ascending by key 10, 1, 4, 7 or 8, refill, then act as a grid click.
    void SortBy(int key);
    void GridClick();
    // A new location; refused with a message (and nothing changed) when the
    // postcode lies outside 0 … 99999 or has no listed postcode within 200.
    bool SetStandortPlz(int postcode);
    // "Ihren Standort auswählen" with the address book's postcode text.
    void TakeStandortFromText(const QString& plzText);
    // A click on the map at (x, y).
    void MapClick(int x, int y);
    void ChangeRadius();
    void TrackBarChange();
    // The company of the grid's current row, or null.
    MAdresse* CurrentCompany() const;
    // Renders the map with its marks into the paint box's picture.
    void RepaintMap();
    const QImage& MapImage() const { return m_mapImage; }
    // Logo width and height for a picture of w x h pixels.
    static QSize LogoSize(int pictureWidth, int pictureHeight);

    void ShowAddressDetails();
    void WriteLetter();
    void OpenInternetLink();
    void ChooseStandort();

    MAdressGeoSettings Settings;

    QScrollArea* ScrollBox1 = nullptr;
    QWidget* PaintBox1 = nullptr;
    QFrame* PanelControl = nullptr;
    QGroupBox* GroupBoxStandort = nullptr;
    QPushButton* BitBtnAdressdialog = nullptr;
    QCheckBox* CheckBoxShowStandort = nullptr;
    QLineEdit* EditRadiusDistance = nullptr;
    QToolButton* SpeedButtonChangeRadius = nullptr;
    QFrame* PanelDistance = nullptr;
    QLabel* ImageLandSmall = nullptr;
    QSlider* TrackBarRadius = nullptr;
    QPushButton* BitBtnDistanceOK = nullptr;
    QCheckBox* CheckBoxShowSolarAdressen = nullptr;
    QCheckBox* CheckBoxShowSolarAnlagen = nullptr;
    QLabel* LabelBeschreibung = nullptr;
    TStringGrid* StringGridAdressen = nullptr;
    QLabel* ImageAdressLogo = nullptr;
    QPlainTextEdit* MemoAdresse = nullptr;
    QMenu* PopupMenuGrid = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TBranchenbuchFrame* Directory() const;
    // The address book frame, or null when there is none.
    TBaseFrame* AddressBook() const;
    MMapView View() const;
    void LoadSettings();
    void ArrangePanels();
    // The memo and logo of the companies (the last one's logo); nothing shown for none.
    void ShowCompanyDetails(const std::vector<const MAdresse*>& companies);
    void ShowLogo(const MAdresse* company);
    void UpdateDescription();

    MPostcodeTable m_postcodes;
    bool m_tableLoaded = false;
    QImage ImageDeutschland;
    QImage m_marker;
    QImage m_mapImage;
};
