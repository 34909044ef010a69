#include "addresses/DShowAdressDlg.h"
#include "app/AppStyle.h"
#include "app/CommonFunctions.h"
#include "app/MainForm.h"
#include "platform/FontPreload.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QLocale>

#include <clocale>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

int main(int argc, char** argv)
{
    // The application object sets the same locale first thing; set before
    // the font thread starts, the locale never changes under its feet.
    std::setlocale(LC_ALL, "");
#if defined(__GLIBC__)
    // The start allocates some megabytes on two threads; growing the heaps in
    // 4 MiB steps instead of 128 KiB saves the many address-space changes
    // that make the other thread's page faults wait.
    mallopt(M_TOP_PAD, 4 << 20);
#endif
    tandrel::platform::FontPreload fonts;
    QApplication app(argc, argv);
    QApplication::setStyle(new TAppStyle);
    // Numbers and dates follow the user's own locale, whatever the process was started with.
    if (WindowsVersionName() == QLatin1String("Windows 7"))
        QLocale::setDefault(QLocale::system());
    QApplication::setOrganizationName(QStringLiteral("Norvi"));
    QApplication::setApplicationName(QStringLiteral("Tandrel"));
    // Qt's own dialogs and buttons speak German like the rest of the program.
    tandrel::platform::installQtTranslation(QLocale::system());

    TMainForm1 mainForm(QApplication::arguments().mid(1));
    // The information and address dialogs are made when first needed.
    SetShowAdressDlgParent(&mainForm);
    mainForm.showMaximized();
    return app.exec();
}
