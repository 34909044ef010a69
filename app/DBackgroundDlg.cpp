#include "app/DBackgroundDlg.h"

#include "app/DialogFit.h"
#include "app/DialogPosition.h"
#include "app/FInterfaceFrame.h"
#include "app/PictureLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {
const char* const kSection = "DlgBackground";
}

TBackgroundDlg::TBackgroundDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BackgroundDlg"));
    setWindowTitle(QStringLiteral("Hintergrund auswählen"));
    setFixedSize(422, 370);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    FitDialogToScreen(this);

    const int cellW = 100, cellH = 84, left = 13, top = 14;
    for (int i = 0; i < kSlots; ++i) {
        const int x = left + (i % 4) * cellW, y = top + (i / 4) * (cellH + 12);
        auto* shape = new QFrame(this);
        shape->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
        shape->setGeometry(x, y, cellW - 4, cellH);
        shape->setStyleSheet(QStringLiteral("QFrame { border: 3px solid #008080; }"));
        shape->setVisible(false);
        m_shapes[size_t(i)] = shape;
        auto* image = new TPictureLabel(this);
        image->setObjectName(QStringLiteral("Image%1").arg(i + 1));
        image->setGeometry(x + 5, y + 5, cellW - 14, cellH - 10);
        image->setFrameShape(QFrame::StyledPanel);
        if (kSlotPictures[size_t(i)] != 0)
            image->installEventFilter(this);
        m_images[size_t(i)] = image;
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOK"));
    ok->setDefault(true);
    ok->setGeometry(422 - 2 * 92 - 16, 370 - 40, 88, 28);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("ButtonAbbrechen"));
    cancel->setGeometry(422 - 92 - 12, 370 - 40, 88, 28);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    RestoreDialogPosition(this, kSection, 320, 240);
}

TBackgroundDlg::~TBackgroundDlg() = default;

void TBackgroundDlg::SetSelectedID(int id)
{
    m_selectedId = id;
    UpdateHighlight();
}

void TBackgroundDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FillSlots();
    UpdateHighlight();
}

void TBackgroundDlg::FillSlots()
{
    for (int i = 0; i < kSlots - 1; ++i) {
        const PictureEntry* entry = m_interface ? m_interface->FindPicture(kSlotPictures[size_t(i)]) : nullptr;
        if (entry) {
            // A built-in background is not decoded in full for a thumbnail.
            if (const QString name = entry->builtIn(); !name.isEmpty())
                m_images[size_t(i)]->SetPictureName(name);
            else
                m_images[size_t(i)]->SetPicture(entry->picture());
            m_images[size_t(i)]->setToolTip(entry->description());
            m_slotIds[size_t(i)] = entry->id;
        } else {
            m_images[size_t(i)]->SetPicture(QImage());
            m_slotIds[size_t(i)] = 0;
        }
    }
}

void TBackgroundDlg::ClickSlot(int slot)
{
    if (slot < 1 || slot > kSlots - 1)
        return;
    m_selectedId = m_slotIds[size_t(slot - 1)];
    UpdateHighlight();
}

void TBackgroundDlg::UpdateHighlight()
{
    for (int i = 0; i < kSlots; ++i)
        m_shapes[size_t(i)]->setVisible(m_slotIds[size_t(i)] == m_selectedId);
}

bool TBackgroundDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < kSlots - 1; ++i)
            if (watched == m_images[size_t(i)]) {
                ClickSlot(i + 1);
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void TBackgroundDlg::done(int result)
{
    SaveDialogPosition(this, kSection);
    QDialog::done(result);
}
