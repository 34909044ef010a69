#pragma once

#include <QLocale>

namespace tandrel::platform {

// Installs Qt's own translation (buttons and texts of the standard dialogs)
// for `userLocale` in the application. The program speaks German only, so a
// user locale of another language gets the German translation as well, in
// the user's territory. Answers whether a translation was found; without one
// Qt stays English.
bool installQtTranslation(const QLocale& userLocale);

} // namespace tandrel::platform
