#include "product/KontaloTexts.h"

#include "app/Links.h"

namespace kontalo_texts {

QString Beschreibung()
{
    return QStringLiteral(
        "<h2 style=\"color:#1f6f5c\">Kontalo pro – die Finanzierungsrechnung für Ihre PV-Angebote</h2>"
        "<p>Ihr Kunde will nicht nur wissen, wie viele Module auf sein Dach passen, sondern vor allem, "
        "<b>ob sich die Anlage rechnet</b>. Kontalo pro beantwortet diese Frage noch im Kundengespräch: "
        "Sie übernehmen Leistung, Ausrichtung und Standort der geplanten Anlage, geben Investition, "
        "Eigenkapital und Kredite ein und erhalten sofort den Finanzierungsplan über die gesamte "
        "Vergütungsdauer.</p>"
        "<p><b>Was Kontalo pro für Sie rechnet:</b></p>"
        "<ul>"
        "<li>Ertragsprognose aus Standort, Azimut, Neigung und Abschattung, Monat für Monat</li>"
        "<li>Einspeisevergütung und Eigenverbrauch nach den jeweils gültigen EEG-Sätzen</li>"
        "<li>Förder- und Bankkredite mit tilgungsfreien Anlaufjahren, Annuitäten- und Ratentilgung</li>"
        "<li>Liquiditätsverlauf, kumulierter Überschuss, Amortisation und Eigenkapitalrendite</li>"
        "<li>Betriebskosten, Versicherung, Preissteigerung und Leistungsminderung der Module</li>"
        "</ul>"
        "<p>Alle Ergebnisse fasst Kontalo pro in einem <b>Kundenreport mit Ihrem Firmenlogo</b> zusammen: "
        "Deckblatt, Anlagenbeschreibung, Ertrags- und Finanzierungstabellen und anschauliche Diagramme – "
        "als PDF-Datei zum Mitgeben oder Versenden.</p>"
        "<p>Kontalo pro gibt es in drei Ausbaustufen: <b>Kontalo 2.0 standard</b> für die schnelle "
        "Wirtschaftlichkeitsrechnung, <b>Kontalo pro 2010</b> mit Kreditrechner und Report und "
        "<b>Kontalo pro plus 2010</b> zusätzlich mit steuerlicher Betrachtung und Abschreibung. "
        "Ein Wechsel in die nächste Stufe ist jederzeit zum Differenzpreis möglich.</p>");
}

QString VorgehenEinleitung()
{
    return QStringLiteral(
        "So entsteht mit Kontalo pro in vier Schritten ein Angebot, das Ihren Kunden überzeugt. "
        "Klicken Sie auf ein Bild, um die zugehörige Bildschirmseite zu sehen.");
}

QString Schritt(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral("1. Standort wählen: Postleitzahl eingeben, die nächste Wetterstation "
                              "liefert die Einstrahlung.");
    case 1:
        return QStringLiteral("2. Generator ausrichten: Azimut und Neigung bestimmen den Ertragsfaktor "
                              "der Dachfläche.");
    case 2:
        return QStringLiteral("3. Finanzierung rechnen: Investition, Eigenkapital und Solarkredite "
                              "ergeben den Finanzierungsplan.");
    case 3:
        return QStringLiteral("4. Ergebnis zeigen: Diagramme und Kundenreport machen die "
                              "Wirtschaftlichkeit sichtbar.");
    default:
        return {};
    }
}

QString Werbetext()
{
    return QStringLiteral("Überzeugen Sie Ihre Kunden mit Zahlen: Kontalo pro rechnet Ertrag, "
                          "Vergütung und Kredite Ihrer PV-Anlagen in wenigen Minuten durch – "
                          "mit Kundenreport und Firmenlogo.");
}

QString TestHinweis()
{
    return QStringLiteral("Testurteil „gut“ im Vergleich von Finanzierungsrechnern für Photovoltaikanlagen. "
                          "Klicken Sie auf das Bild für die ausführlichen Testberichte.");
}

QString BestellHinweis()
{
    return QStringLiteral("Bestellung bitte per Fax an %1 oder per Post an Norvi GmbH senden.")
        .arg(QString::fromUtf8(links::kMakerFax));
}

} // namespace kontalo_texts
