#include "addresses/StoredLetter.h"

#include "addresses/CommaText.h"
#include "app/KontaloRegistry.h"

LetterContent StoredLetter(const MAdresse& sender, const MAdresse& recipient, const QString& date)
{
    using namespace letter;
    MKontaloRegistry reg;
    LetterContent c;
    c.sender = sender;
    c.recipient = recipient;
    c.showAbsenderZeile = reg.ReadBool(kSettingsSection, QStringLiteral("ShowAbsenderZeile"), true);
    c.showAbsender = reg.ReadBool(kSettingsSection, QStringLiteral("ShowAbsender"), true);
    c.showBetreff = reg.ReadBool(kSettingsSection, QStringLiteral("ShowBetreff"), true);
    c.showDatum = reg.ReadBool(kSettingsSection, QStringLiteral("ShowDatum"), true);
    c.betreff = reg.ReadString(kSettingsSection, QStringLiteral("Betreff"), kDefaultBetreff, kAddressFieldMax);
    if (c.betreff.isEmpty())
        c.betreff = kDefaultBetreff;
    QString inhalt = reg.ReadString(kSettingsSection, QStringLiteral("MemoInhalt"), kDefaultInhalt);
    if (inhalt.isEmpty())
        inhalt = kDefaultInhalt;
    c.body = FromCommaText(inhalt);
    c.datum = date;
    return c;
}

MAdresse MarkedSender()
{
    MKontaloRegistry reg;
    MAdresse a;
    const int slot = reg.ReadInteger(QStringLiteral("Adress"), QStringLiteral("AbsenderID"), 4);
    if (slot < 0 || slot > 7)
        return a;
    const QString key = QStringLiteral("Adress\\%1").arg(slot);
    auto value = [&](const char* name) {
        return reg.ReadString(key, QString::fromLatin1(name), QString(), kAddressFieldMax).trimmed();
    };
    // An empty slot's caption is no sender.
    if (value("Name1") == QStringLiteral("-leer-"))
        return a;
    a.Name1 = value("Name1");
    a.Name2 = value("Name2");
    a.Name3 = value("Name3");
    a.Strasse = value("Strasse");
    a.Plz = value("Plz");
    a.Ort = value("Ort");
    a.Tel = value("Tel");
    a.Fax = value("Fax");
    a.Mobil = value("Mobil");
    a.EMail = value("EMail");
    a.Internet = value("Internet");
    return a;
}
