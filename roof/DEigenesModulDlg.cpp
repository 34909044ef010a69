#include "roof/DEigenesModulDlg.h"

#include "app/DialogFit.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "roof/OwnModules.h"
#include "text/FormatText.h"
#include "widgets/ImageBox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace roof = tandrel::roof;

TEigenesModulDlg::TEigenesModulDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EigenesModulDlg"));
    setWindowTitle(QStringLiteral("Eigenes Modul"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* content = new QWidget(this);
    auto* form = new QFormLayout(content);
    auto edit = [&](const char* name, const QString& label, int maxLength) {
        auto* e = new QLineEdit(content);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(maxLength);
        e->setMinimumWidth(220);
        form->addRow(label, e);
        return e;
    };
    EditModulName = edit("EditModulName", QStringLiteral("&Name:"), roof::kOwnModuleNameMax);
    EditModulHersteller = edit("EditModulHersteller", QStringLiteral("&Hersteller:"), roof::kOwnModuleNameMax);
    EditModulBreite = edit("EditModulBreite", QStringLiteral("&Breite (m):"), 20);
    EditModulHoehe = edit("EditModulHoehe", QStringLiteral("Höh&e (m):"), 20);
    EditModulLeistung = edit("EditModulLeistung", QStringLiteral("&Leistung (Wp):"), 20);
    EditModulAbstand = edit("EditModulAbstand", QStringLiteral("&Abstand (m):"), 20);
    auto* colorRow = new QHBoxLayout;
    BitBtnModulFarbe = new QPushButton(QStringLiteral("&Farbe..."), content);
    BitBtnModulFarbe->setObjectName(QStringLiteral("BitBtnModulFarbe"));
    ShapeModulFarbe = new TColorShape(content);
    ShapeModulFarbe->setObjectName(QStringLiteral("ShapeModulFarbe"));
    ShapeModulFarbe->setFixedSize(40, 20);
    colorRow->addWidget(BitBtnModulFarbe);
    colorRow->addWidget(ShapeModulFarbe);
    colorRow->addStretch(1);
    form->addRow(QStringLiteral("Modulfläche:"), colorRow);
    connect(BitBtnModulFarbe, &QPushButton::clicked, this, [this] { ChooseColor(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    BitBtnOK = new QPushButton(QStringLiteral("&OK"), this);
    BitBtnOK->setObjectName(QStringLiteral("BitBtnOK"));
    BitBtnOK->setDefault(true);
    BitBtnAbbrechen = new QPushButton(QStringLiteral("Abbre&chen"), this);
    BitBtnAbbrechen->setObjectName(QStringLiteral("BitBtnAbbrechen"));
    buttons->addWidget(BitBtnOK);
    buttons->addWidget(BitBtnAbbrechen);
    connect(BitBtnOK, &QPushButton::clicked, this, &TEigenesModulDlg::accept);
    connect(BitBtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    FitDialogToScreen(this, content, buttons);

    // A new module starts from the catalogue's size.
    roof::TRoofModule start;
    start.Name.clear();
    start.Width = 1.0;
    start.Height = 1.7;
    start.PowerWp = 400;
    start.Gap = 0.02;
    SetModule(start);
}

void TEigenesModulDlg::SetModule(const roof::TRoofModule& module)
{
    m_module = module;
    EditModulName->setText(module.Name);
    EditModulHersteller->setText(module.Maker);
    EditModulBreite->setText(NumberText(module.Width, 3));
    EditModulHoehe->setText(NumberText(module.Height, 3));
    EditModulLeistung->setText(NumberText(module.PowerWp, 0));
    EditModulAbstand->setText(NumberText(module.Gap, 3));
    ShapeModulFarbe->SetColor(module.FaceColor);
}

void TEigenesModulDlg::ChooseColor()
{
    if (const auto chosen = tandrel::platform::dialogs().chooseColor(tandrel::platform::toQColor(m_module.FaceColor))) {
        m_module.FaceColor = tandrel::platform::fromQColor(*chosen) & 0xFFFFFF;
        ShapeModulFarbe->SetColor(m_module.FaceColor);
    }
}

void TEigenesModulDlg::accept()
{
    const roof::TOwnModuleTexts texts{EditModulName->text(),   EditModulHersteller->text(), EditModulBreite->text(),
                                      EditModulHoehe->text(),  EditModulLeistung->text(),   EditModulAbstand->text()};
    const QString message = roof::CheckOwnModule(texts, m_module);
    if (!message.isEmpty()) {
        tandrel::platform::dialogs().showMessage(message);
        return;
    }
    QDialog::accept();
}
