#pragma once

#include "roof/RoofCatalogue.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class TColorShape;

// The installer's own module: name, maker, size, power, gap and face colour,
// checked before the dialog closes with OK.
class TEigenesModulDlg : public QDialog {
    Q_OBJECT
public:
    explicit TEigenesModulDlg(QWidget* parent = nullptr);

    // Shows the module's values in the edits.
    void SetModule(const tandrel::roof::TRoofModule& module);
    // The checked module; valid after the dialog was accepted.
    const tandrel::roof::TRoofModule& Module() const { return m_module; }

    QLineEdit* EditModulName = nullptr;
    QLineEdit* EditModulHersteller = nullptr;
    QLineEdit* EditModulBreite = nullptr;
    QLineEdit* EditModulHoehe = nullptr;
    QLineEdit* EditModulLeistung = nullptr;
    QLineEdit* EditModulAbstand = nullptr;
    TColorShape* ShapeModulFarbe = nullptr;
    QPushButton* BitBtnModulFarbe = nullptr;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbrechen = nullptr;

public slots:
    void accept() override;

private:
    void ChooseColor();

    tandrel::roof::TRoofModule m_module;
};
