#pragma once

#include "app/CustomerFolder.h"

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class TBaseFrame;
class TInterfaceFrame;

// The customer folder: the customer's address and the parts, written as one
// PDF. "Abbrechen" while it is written stops and leaves no file.
class TKundenmappeDialog : public QDialog {
    Q_OBJECT
public:
    // `frame(id)` gives the frame of a part, made when it does not exist yet.
    TKundenmappeDialog(QWidget* parent, TInterfaceFrame* workspace, std::function<TBaseFrame*(int)> frame);

    // The controls' values as stored.
    MFolderSettings Settings() const;
    void ShowSettings(const MFolderSettings& s);
    // Writes the folder; true when a file was written.
    bool CreateFolderPdf();
    bool Writing() const { return m_writing; }

    QLineEdit* EditKundeName = nullptr;
    QLineEdit* EditKundeStrasse = nullptr;
    QLineEdit* EditKundePLZ = nullptr;
    QLineEdit* EditKundeOrt = nullptr;
    QCheckBox* CheckBoxMappeAnschreiben = nullptr;
    QCheckBox* CheckBoxMappeErtrag = nullptr;
    QCheckBox* CheckBoxMappeDachplanung = nullptr;
    QCheckBox* CheckBoxMappePapierhaus = nullptr;
    QCheckBox* CheckBoxMappeHochhaus = nullptr;
    QCheckBox* CheckBoxMappeEigenverbrauch = nullptr;
    QCheckBox* CheckBoxMappeKEV = nullptr;
    QPushButton* BitBtnPdf = nullptr;
    QPushButton* BitBtnAbbrechen = nullptr;

public slots:
    void reject() override;

private:
    void BitBtnPdfClick();
    std::array<QCheckBox*, kFolderPartCount> PartBoxes() const;

    TInterfaceFrame* m_workspace = nullptr;
    std::function<TBaseFrame*(int)> m_frame;
    bool m_writing = false;
    bool m_cancel = false;
};
