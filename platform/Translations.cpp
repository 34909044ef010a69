#include "platform/Translations.h"

#include "platform/Logging.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace tandrel::platform {

bool installQtTranslation(const QLocale& userLocale)
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    const QLocale locale = userLocale.language() == QLocale::German
                               ? userLocale
                               : QLocale(QLocale::German, userLocale.territory());
    // One translator per application: a second call replaces the first.
    static const char kName[] = "tandrelQtTranslator";
    if (auto* old = app->findChild<QTranslator*>(QLatin1String(kName))) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto translator = std::make_unique<QTranslator>();
    translator->setObjectName(QLatin1String(kName));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        qCWarning(lcTandrelPlatform) << "no Qt translation for" << locale.name() << "in" << folder;
        return false;
    }
    QCoreApplication::installTranslator(translator.get());
    translator.release()->setParent(app);
    return true;
}

} // namespace tandrel::platform
