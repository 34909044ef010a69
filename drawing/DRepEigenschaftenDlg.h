#pragma once

#include <QDialog>

class MBaseRep;
class MBaseStructur;
class QLabel;
class QPushButton;
class QTabWidget;
class TBaseFrame;
class TBaseFrameFactory;
class TBaseRepDialogFrame;

// The properties of the selected representations: a count, the position of
// a single one and its dialog frame on the "Rep" tab.
class TRepEigenschaftenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TRepEigenschaftenDlg(QWidget* parent = nullptr);
    ~TRepEigenschaftenDlg() override;

    void Setup(TBaseFrameFactory* factory, MBaseStructur& selection);
    // Applies the dialog frame; closes with OK unless an input was refused.
    void OkClick();

    MBaseRep* EditedRep() const { return m_rep; }
    TBaseRepDialogFrame* RepFrame() const { return m_repFrame; }

    QTabWidget* PageControl = nullptr;
    QWidget* TabSheetEigenschaften = nullptr;
    QWidget* TabSheetGrafik = nullptr;
    QWidget* TabSheetObjekt = nullptr;
    QWidget* TabSheetRep = nullptr;
    QLabel* LabelAnzahlReps = nullptr;
    QLabel* LabelRepInfos = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonAbbrechen = nullptr;

    static constexpr const char* kSection = "DlgRepEigenschaftenReg";

private:
    MBaseRep* m_rep = nullptr;                    // not owned
    TBaseRepDialogFrame* m_repFrame = nullptr;    // child of the "Rep" tab
};
