#pragma once

#include "drawing/FBaseRepDialogFrame.h"

class QComboBox;
class QLineEdit;

// Edits a module group (MGruppeRep): its raster values; applying rebuilds
// the raster.
class TGruppeRepDialogFrame : public TBaseRepDialogFrame {
    Q_OBJECT
public:
    explicit TGruppeRepDialogFrame(QWidget* parent = nullptr);

    void InitRepFrame(QWidget* parent, TBaseFrame* owner, MBaseRep* rep, int frameId,
                      TBaseFrameFactory* factory) override;
    bool ApplyRepFrame() override;

    QLineEdit* EditName1 = nullptr;
    QComboBox* ComboBoxRasterTyp = nullptr;
    QLineEdit* EditRowCount = nullptr;
    QLineEdit* EditColCount = nullptr;
    QLineEdit* EditRowDistance = nullptr;
    QLineEdit* EditColDistance = nullptr;
    QLineEdit* EditXVersatz = nullptr;
    QLineEdit* EditRowElevationAngle = nullptr;
    QLineEdit* EditColElevationAngle = nullptr;
    QLineEdit* EditColCountAnfang = nullptr;
    QLineEdit* EditColcountPeriode = nullptr;
    QLineEdit* EditColPeriodeAbstand = nullptr;
};
