#include "paperhouse/PaperHouseParams.h"

#include "app/KontaloRegistry.h"
#include "app/PlausibleRanges.h"
#include "app/SettingsFields.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cmath>
#include <tuple>
#include <numbers>

namespace tandrel::paperhouse {

namespace {

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

using P = TPaperHouseParams;

// Everything but the per-wall arrays, in the stored order.
const MSettingsFields<P>& ScalarFields()
{
    static const P d;
    static const MSettingsFields<P> fields{
        {QStringLiteral("Seitenformat"), &P::Seitenformat, d.Seitenformat},
        {QStringLiteral("Seitenausrichtung"), &P::Seitenausrichtung, d.Seitenausrichtung},
        {QStringLiteral("Hauslaenge"), &P::Hauslaenge, d.Hauslaenge},
        {QStringLiteral("Hausbreite"), &P::Hausbreite, d.Hausbreite},
        {QStringLiteral("Haushoehe"), &P::Haushoehe, d.Haushoehe},
        {QStringLiteral("DachUeberstandX"), &P::DachUeberstandX, d.DachUeberstandX},
        {QStringLiteral("DachUeberstandY"), &P::DachUeberstandY, d.DachUeberstandY},
        {QStringLiteral("DachNeigung"), &P::DachNeigung, d.DachNeigung},
        {QStringLiteral("LaschenWinkel"), &P::LaschenWinkel, d.LaschenWinkel},
        {QStringLiteral("LaschenGroesse"), &P::LaschenGroesse, d.LaschenGroesse},
        {QStringLiteral("Schenkelanteil"), &P::Schenkelanteil, d.Schenkelanteil},
        {QStringLiteral("Massstab"), &P::Massstab, d.Massstab},
        {QStringLiteral("Kippwinkel"), &P::Kippwinkel, d.Kippwinkel},
        {QStringLiteral("Blickwinkel"), &P::Blickwinkel, d.Blickwinkel},
        {QStringLiteral("Size"), &P::Size, d.Size},
        {QStringLiteral("ColorHauswand"), &P::ColorHauswand, d.ColorHauswand},
        {QStringLiteral("ColorGiebel"), &P::ColorGiebel, d.ColorGiebel},
        {QStringLiteral("ColorDach"), &P::ColorDach, d.ColorDach},
        {QStringLiteral("ColorSolar"), &P::ColorSolar, d.ColorSolar},
        {QStringLiteral("ColorUmgebung"), &P::ColorUmgebung, d.ColorUmgebung},
        {QStringLiteral("ColorHintergrund"), &P::ColorHintergrund, d.ColorHintergrund},
        {QStringLiteral("ColorLaschen"), &P::ColorLaschen, d.ColorLaschen},
        {QStringLiteral("ColorFenster"), &P::ColorFenster, d.ColorFenster},
        {QStringLiteral("ColorFensterRahmen"), &P::ColorFensterRahmen, d.ColorFensterRahmen},
        {QStringLiteral("ColorHausTuer"), &P::ColorHausTuer, d.ColorHausTuer},
        {QStringLiteral("ColorHaussockel"), &P::ColorHaussockel, d.ColorHaussockel},
        {QStringLiteral("SockelHoehe"), &P::SockelHoehe, d.SockelHoehe},
        {QStringLiteral("TuerenBreite"), &P::TuerenBreite, d.TuerenBreite},
        {QStringLiteral("TuerenHoehe"), &P::TuerenHoehe, d.TuerenHoehe},
        {QStringLiteral("TuerenAbstand"), &P::TuerenAbstand, d.TuerenAbstand},
        {QStringLiteral("TuerenRahmen"), &P::TuerenRahmen, d.TuerenRahmen},
        {QStringLiteral("FensterUnten"), &P::FensterUnten, d.FensterUnten},
        {QStringLiteral("FensterBreite"), &P::FensterBreite, d.FensterBreite},
        {QStringLiteral("FensterHoehe"), &P::FensterHoehe, d.FensterHoehe},
        {QStringLiteral("FensterAbstand"), &P::FensterAbstand, d.FensterAbstand},
        {QStringLiteral("FensterRahmen"), &P::FensterRahmen, d.FensterRahmen},
        {QStringLiteral("Etagenhoehe"), &P::Etagenhoehe, d.Etagenhoehe},
    };
    return fields;
}

QString Numbered(const char* prefix, int n, const char* suffix)
{
    return QString::fromLatin1(prefix) + QString::number(n) + QString::fromLatin1(suffix);
}

// Values stored once per wall or photo, named prefix 1 … N suffix.
template <class V, std::size_t N>
struct MNumberedField {
    const char* prefix;
    const char* suffix;
    std::array<V, N> P::*member;
};

// Calls `visit` with every numbered field, in the stored order.
template <class Visit>
void ForEachNumberedField(Visit&& visit)
{
    visit(MNumberedField<std::int32_t, 4>{"TuerAnzahl", "", &P::TuerAnzahl});
    visit(MNumberedField<std::int32_t, 4>{"TuerPosition", "", &P::TuerPosition});
    visit(MNumberedField<QString, 4>{"Grafik", "Dateiname", &P::GrafikDateiname});
    visit(MNumberedField<bool, 4>{"Grafik", "Anzeigen", &P::GrafikAnzeigen});
    visit(MNumberedField<bool, 4>{"Elemente", "Anzeigen", &P::ElementeAnzeigen});
    visit(MNumberedField<QString, 6>{"Foto", "Dateiname", &P::FotoDateiname});
}

std::int32_t Read(MKontaloRegistry& store, const QString& key, const QString& name, std::int32_t def)
{
    return store.ReadInteger(key, name, def);
}
bool Read(MKontaloRegistry& store, const QString& key, const QString& name, bool def)
{
    return store.ReadBool(key, name, def);
}
QString Read(MKontaloRegistry& store, const QString& key, const QString& name, const QString& def)
{
    return store.ReadString(key, name, def, kLineEditTextMax);
}
void Write(MKontaloRegistry& store, const QString& key, const QString& name, std::int32_t value)
{
    store.WriteInteger(key, name, value);
}
void Write(MKontaloRegistry& store, const QString& key, const QString& name, bool value)
{
    store.WriteBool(key, name, value);
}
void Write(MKontaloRegistry& store, const QString& key, const QString& name, const QString& value)
{
    store.WriteString(key, name, value);
}

}  // namespace

double TPaperHouseParams::RoofGableSideLength() const
{
    return Hausbreite / 2.0 / std::cos(Radians(DachNeigung)) + DachUeberstandY;
}

double TPaperHouseParams::RoofEavesSideLength() const
{
    return Hauslaenge + 2.0 * DachUeberstandX;
}

double TPaperHouseParams::RidgeHeight() const
{
    return Hausbreite / 2.0 * std::tan(Radians(DachNeigung));
}

double MillimetresPerMetre(int scalePosition)
{
    return scalePosition <= 0 ? 10.0 : 1000.0 / scalePosition;
}

void LoadPaperHouseParams(MKontaloRegistry& store, TPaperHouseParams& p)
{
    const QString& key = kPaperHouseSection;
    const TPaperHouseParams defaults;
    p.Seitenformattyp = store.ReadString(key, QStringLiteral("Seitenformattyp"), defaults.Seitenformattyp);
    ScalarFields().Load(store, key, p);
    ForEachNumberedField([&](const auto& f) {
        for (std::size_t i = 0; i < (p.*f.member).size(); ++i)
            (p.*f.member)[i] = Read(store, key, Numbered(f.prefix, int(i) + 1, f.suffix), (defaults.*f.member)[i]);
    });
    p.Wandstruktur = store.ReadInteger(key, QStringLiteral("Wandstruktur"), defaults.Wandstruktur);
    HoldToPlausibleRanges(p);
}

void HoldToPlausibleRanges(TPaperHouseParams& p)
{
    const TPaperHouseParams d;
    using namespace plausible;
    p.Hauslaenge = kHouseLength.Hold(p.Hauslaenge, d.Hauslaenge);
    p.Hausbreite = kHouseWidth.Hold(p.Hausbreite, d.Hausbreite);
    p.Haushoehe = kWallHeight.Hold(p.Haushoehe, d.Haushoehe);
    p.DachUeberstandX = kOverhang.Hold(p.DachUeberstandX, d.DachUeberstandX);
    p.DachUeberstandY = kOverhang.Hold(p.DachUeberstandY, d.DachUeberstandY);
    p.DachNeigung = std::clamp(p.DachNeigung, std::int32_t(kPitch.Min), std::int32_t(kPitch.Max));
    p.LaschenWinkel = std::clamp(p.LaschenWinkel, std::int32_t(kFlap.Min), std::int32_t(kFlap.Max));
    p.LaschenGroesse = std::clamp(p.LaschenGroesse, std::int32_t(kFlap.Min), std::int32_t(kFlap.Max));
    for (auto [value, def, range] : {std::tuple{&p.SockelHoehe, d.SockelHoehe, kElementTall},
                                     {&p.Etagenhoehe, d.Etagenhoehe, kElementTall},
                                     {&p.FensterAbstand, d.FensterAbstand, kElementTall},
                                     {&p.FensterUnten, d.FensterUnten, kElementShort},
                                     {&p.FensterBreite, d.FensterBreite, kElementShort},
                                     {&p.FensterHoehe, d.FensterHoehe, kElementShort},
                                     {&p.FensterRahmen, d.FensterRahmen, kElementShort},
                                     // The door measures have no control; a door
                                     // is never taller than a storey may be.
                                     {&p.TuerenBreite, d.TuerenBreite, kElementShort},
                                     {&p.TuerenHoehe, d.TuerenHoehe, kElementShort},
                                     {&p.TuerenAbstand, d.TuerenAbstand, kElementTall},
                                     {&p.TuerenRahmen, d.TuerenRahmen, kElementShort}})
        *value = range.Hold(*value, def);
}

void SavePaperHouseParams(MKontaloRegistry& store, const TPaperHouseParams& p)
{
    const QString& key = kPaperHouseSection;
    ScalarFields().Save(store, key, p);
    ForEachNumberedField([&](const auto& f) {
        for (std::size_t i = 0; i < (p.*f.member).size(); ++i)
            Write(store, key, Numbered(f.prefix, int(i) + 1, f.suffix), (p.*f.member)[i]);
    });
    store.WriteInteger(key, QStringLiteral("Wandstruktur"), p.Wandstruktur);
}

}  // namespace tandrel::paperhouse
