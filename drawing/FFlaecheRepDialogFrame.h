#pragma once

#include "drawing/FBaseRepDialogFrame.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

// Edits a mounting area (MStandardFlaecheRep) or a blocked area
// (MSperrFlaecheRep): form and dimensions, name, distances, colours, rotation.
class TFlaecheRepDialogFrame : public TBaseRepDialogFrame {
    Q_OBJECT
public:
    explicit TFlaecheRepDialogFrame(QWidget* parent = nullptr);

    void InitRepFrame(QWidget* parent, TBaseFrame* owner, MBaseRep* rep, int frameId,
                      TBaseFrameFactory* factory) override;
    bool ApplyRepFrame() override;

    void ButtonFarbeAussenClick();
    void ButtonFarbeInnenClick();

    tandrel::platform::ColorRef Farbe1() const { return m_farbe1; }
    tandrel::platform::ColorRef Farbe2() const { return m_farbe2; }
    void SetFarbe1(tandrel::platform::ColorRef c);
    void SetFarbe2(tandrel::platform::ColorRef c);

    QTabWidget* PageControlForm = nullptr; // "Rechteck", "Trapez", "L-Form"
    QLineEdit* EditRechteckLaenge1 = nullptr;
    QLineEdit* EditRechteckBreite1 = nullptr;
    QLineEdit* EditTrapezLaenge1 = nullptr;
    QLineEdit* EditTrapezBreite1 = nullptr;
    QLineEdit* EditTrapezLaenge2 = nullptr;
    QLineEdit* EditTrapezLaenge3 = nullptr;
    QLineEdit* EditLFormLaenge1 = nullptr;
    QLineEdit* EditLFormBreite1 = nullptr;
    QLineEdit* EditLFormLaenge2 = nullptr;
    QLineEdit* EditLFormBreite2 = nullptr;
    QLineEdit* EditName1 = nullptr;
    QLineEdit* EditAbstandAussen = nullptr;
    QLineEdit* EditAbstandInnen = nullptr;
    QPushButton* ButtonFarbeAussen = nullptr;
    QPushButton* ButtonFarbeInnen = nullptr;
    QLabel* ShapeFarbe1 = nullptr;
    QLabel* ShapeFarbe2 = nullptr;
    QSlider* TrackBarFlaecheDrehrichtung = nullptr;
    QLabel* LabelDrehrichtungWert = nullptr; // the bar's value in degrees

private:
    QWidget* m_abstandPanel = nullptr;
    tandrel::platform::ColorRef m_farbe1 = 0;
    tandrel::platform::ColorRef m_farbe2 = 0;
};
