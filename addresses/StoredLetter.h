#pragma once

#include "addresses/Adresse.h"
#include "addresses/LetterPdf.h"

#include <QString>

// The letter dialog's stored texts and switches (section "AnschreibenDlg").
namespace letter {
inline const QString kSettingsSection = QStringLiteral("AnschreibenDlg");
inline const QString kDefaultBetreff = QStringLiteral("Betreff: Anfrage");
inline const QString kDefaultInhalt =
    QStringLiteral("\"Sehr geehrte Damen und Herren,\",,...,,\"Mit freundlichen Grüßen\"");
} // namespace letter

// The letter the letter dialog prints from its stored subject, body and
// switches, from `sender` to `recipient` with the date given.
LetterContent StoredLetter(const MAdresse& sender, const MAdresse& recipient, const QString& date);

// The address book's marked slot ("Adress/AbsenderID") as stored; all
// fields empty when no slot is marked or the slot is empty.
MAdresse MarkedSender();
