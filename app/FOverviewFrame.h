#pragma once

#include "app/FBaseFrame.h"

class QLabel;
class QMenu;
class QToolButton;

// The start page: a background picture on a coloured panel, two marker
// graphics with the buttons to the main program parts, and the links.
class TOverviewFrame : public TBaseFrame {
    Q_OBJECT
public:
    explicit TOverviewFrame(QWidget* parent = nullptr);
    ~TOverviewFrame() override;

    void InitFrame(QWidget* parent, TBaseFrame* owner, TBaseFrameFactory* factory, int frameId) override;
    void FinishFrame() override;
    void ArrangeControls() override;
    void PdfDump() override;

    // The context menu's two dialogs.
    void ChooseBackgroundPicture();
    void ChooseBackgroundColor();

    int BackImageID = 3140;
    int BackImageLight = 100;
    tandrel::platform::ColorRef BackColor = 14991288;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OpenMakerSite();

    QFrame* PanelTop = nullptr;
    QLabel* ImageBackground = nullptr;
    QLabel* ImageMarkierungPVAnlagen = nullptr;
    QLabel* ImageMarkierungListen = nullptr;
    QToolButton* SpeedButtonHaus3D = nullptr;
    QToolButton* SpeedButtonPVAnlage = nullptr;
    QToolButton* SpeedButtonEigenverbrauch = nullptr;
    QToolButton* BitBtnEigenverbrauch = nullptr;
    QToolButton* BitBtnKundenmappe = nullptr;
    QLabel* LabelLink = nullptr;
    QLabel* LabelSoftware = nullptr;
    QLabel* ImageMobileApp = nullptr;
    QMenu* PopupMenu = nullptr;
};
