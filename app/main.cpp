#include "app/InfoDlg.h"
#include "app/MainForm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Norvi"));
    QApplication::setApplicationName(QStringLiteral("Tandrel"));

    TMainForm1 mainForm(QApplication::arguments().mid(1));
    TInfoDialog1 info(&mainForm);
    mainForm.SetInfoDialog(&info);
    mainForm.show();
    return app.exec();
}
