#include "addresses/DAdressAuswahlDlg.h"

#include "addresses/FAdressFrame.h"
#include "app/DialogFit.h"
#include "app/DialogPosition.h"
#include "app/KontaloRegistry.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString kSection = QStringLiteral("AdressAuswahlDlg");
}

TAdressAuswahlDialog::TAdressAuswahlDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AdressAuswahlDialog"));
    setWindowTitle(QStringLiteral("Auswahl der Adresse"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(900, 560);

    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("PanelInhalt"));
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    LabelCaption = new QLabel(body);
    LabelCaption->setObjectName(QStringLiteral("LabelCaption"));
    QFont f = LabelCaption->font();
    f.setBold(true);
    LabelCaption->setFont(f);
    layout->addWidget(LabelCaption);
    PanelMain = new QFrame(body);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));
    layout->addWidget(PanelMain, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("BitBtnAbbrechen"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    FitDialogToScreen(this, body, buttons);

    RestoreDialogPosition(this, kSection, 220, 120);
}

TAdressAuswahlDialog::~TAdressAuswahlDialog()
{
    SaveDialogPosition(this, kSection);
    m_borrowed.reset();
}

void TAdressAuswahlDialog::EmbedAddressBook(TBaseFrame* addressFrame)
{
    m_borrowed.reset();
    auto* frame = qobject_cast<TAdressFrame*>(addressFrame);
    m_frame = frame;
    if (!frame)
        return;
    m_borrowed = std::make_unique<BorrowedAddressBook>(frame);
    frame->setParent(PanelMain);
    // The frame follows the size of the panel it lives in; a small screen
    // scrolls the panel rather than squeezing the frame.
    PanelMain->setMinimumSize(frame->PanelMain->minimumSizeHint());
    PanelMain->installEventFilter(frame);
    frame->setGeometry(PanelMain->rect());
}

void TAdressAuswahlDialog::SetPrompt(const QString& text)
{
    LabelCaption->setText(text);
}

void TAdressAuswahlDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_frame)
        return;
    m_frame->setGeometry(PanelMain->rect());
    m_frame->setVisible(true);
    QTreeWidget* list = m_frame->ListViewAdressen;
    list->setFocus();
    int marked = 0;
    {
        MKontaloRegistry reg;
        marked = reg.ReadInteger(QStringLiteral("Adress"), QStringLiteral("AbsenderID"), 4);
    }
    QTreeWidgetItem* row = nullptr;
    for (int i = 0; i < list->topLevelItemCount() && !row; ++i)
        if (TAdressFrame::RowSlot(list->topLevelItem(i)) == marked)
            row = list->topLevelItem(i);
    if (!row)
        row = list->topLevelItem(0);
    if (row)
        list->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
}

BorrowedAddressBook::BorrowedAddressBook(TAdressFrame* frame)
    : m_frame(frame), m_parent(frame ? frame->parentWidget() : nullptr)
{
    if (frame) {
        m_geometry = frame->geometry();
        m_visible = frame->isVisible();
    }
}

BorrowedAddressBook::~BorrowedAddressBook()
{
    if (!m_frame)
        return;
    // Hidden unless it was showing before, as the dialog leaves it.
    m_frame->setVisible(false);
    m_frame->setParent(m_parent);
    // A frame fills its parent, which may have changed size in the meantime.
    m_frame->setGeometry(m_parent ? m_parent->rect() : m_geometry);
    m_frame->setVisible(m_visible);
}
