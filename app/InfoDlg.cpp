#include "app/InfoDlg.h"

TInfoDialog1::TInfoDialog1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InfoDialog1"));
    setWindowTitle(QStringLiteral("Info über Tandrel"));
}

TInfoDialog1::~TInfoDialog1() = default;

void TInfoDialog1::InitInfo(TInterfaceFrame* interfaceFrame, const QString& text)
{
    m_interface = interfaceFrame;
    m_text = text;
}

void TInfoDialog1::ShowInfo()
{
    show();
    raise();
    activateWindow();
}
