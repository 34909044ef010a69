#include "addresses/DShowAdressDlg.h"
#include "app/CommonFunctions.h"
#include "app/InfoDlg.h"
#include "app/MainForm.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Numbers and dates follow the user's own locale, whatever the process was started with.
    if (WindowsVersionName() == QLatin1String("Windows 7"))
        QLocale::setDefault(QLocale::system());
    QApplication::setOrganizationName(QStringLiteral("Norvi"));
    QApplication::setApplicationName(QStringLiteral("Tandrel"));
    // Qt's own dialogs and buttons speak German like the rest of the program.
    tandrel::platform::installQtTranslation(QLocale::system());

    TMainForm1 mainForm(QApplication::arguments().mid(1));
    TInfoDialog1 info(&mainForm);
    mainForm.SetInfoDialog(&info);
    TShowAdressDlg addressDetails(&mainForm);
    mainForm.showMaximized();
    return app.exec();
}
