#include "roof/OwnModules.h"

#include "app/KontaloRegistry.h"
#include "platform/Logging.h"
#include "text/NumberParse.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace tandrel::roof {

namespace {

bool InRange(double v, double min, double max)
{
    return std::isfinite(v) && v >= min && v <= max;
}

QString Key(int i, const char* field)
{
    return QStringLiteral("EigenesModul%1%2").arg(i + 1).arg(QLatin1String(field));
}

const QString kCountKey = QStringLiteral("EigeneModuleAnzahl");

} // namespace

bool OwnModuleValid(const TRoofModule& m)
{
    return !m.Name.trimmed().isEmpty() && m.Name.size() <= kOwnModuleNameMax && m.Maker.size() <= kOwnModuleNameMax &&
           InRange(m.Width, kOwnModuleSideMin, kOwnModuleSideMax) &&
           InRange(m.Height, kOwnModuleSideMin, kOwnModuleSideMax) &&
           InRange(m.PowerWp, kOwnModulePowerMin, kOwnModulePowerMax) && InRange(m.Gap, 0, kOwnModuleGapMax);
}

QString CheckOwnModule(const TOwnModuleTexts& t, TRoofModule& module)
{
    const QString name = t.Name.trimmed(), maker = t.Maker.trimmed();
    if (name.isEmpty())
        return QStringLiteral("Bitte geben Sie den Namen des Moduls ein.");
    if (name.size() > kOwnModuleNameMax || maker.size() > kOwnModuleNameMax)
        return QStringLiteral("Name und Hersteller dürfen höchstens %1 Zeichen lang sein.").arg(kOwnModuleNameMax);
    struct Value {
        const QString& text;
        double min, max;
        const char* message;
        double result = 0;
    };
    Value values[] = {
        {t.Width, kOwnModuleSideMin, kOwnModuleSideMax, "Die Modulbreite muss eine Zahl von 0,3 bis 3 m sein."},
        {t.Height, kOwnModuleSideMin, kOwnModuleSideMax, "Die Modulhöhe muss eine Zahl von 0,3 bis 3 m sein."},
        {t.Power, kOwnModulePowerMin, kOwnModulePowerMax, "Die Modulleistung muss eine Zahl von 10 bis 1000 Wp sein."},
        {t.Gap, 0, kOwnModuleGapMax, "Der Modulabstand muss eine Zahl von 0 bis 0,5 m sein."},
    };
    for (Value& v : values) {
        const std::optional<double> typed = TryTypedToFloat(v.text);
        if (!typed || !InRange(*typed, v.min, v.max))
            return QString::fromUtf8(v.message);
        v.result = *typed;
    }
    module.Name = name;
    module.Maker = maker;
    module.Width = values[0].result;
    module.Height = values[1].result;
    module.PowerWp = values[2].result;
    module.Gap = values[3].result;
    return {};
}

std::vector<TRoofModule> LoadOwnModules(MKontaloRegistry& store, const QString& section)
{
    std::vector<TRoofModule> modules;
    const int count = std::clamp(store.ReadInteger(section, kCountKey, 0), 0, kOwnModuleMax);
    const double nan = std::nan("");
    for (int i = 0; i < count; ++i) {
        TRoofModule m;
        m.Name = store.ReadString(section, Key(i, "Name"), QString(), kOwnModuleNameMax + 1);
        m.Maker = store.ReadString(section, Key(i, "Hersteller"), QString(), kOwnModuleNameMax + 1);
        m.Width = store.ReadFloat(section, Key(i, "Breite"), nan);
        m.Height = store.ReadFloat(section, Key(i, "Hoehe"), nan);
        m.PowerWp = store.ReadFloat(section, Key(i, "Leistung"), nan);
        m.Gap = store.ReadFloat(section, Key(i, "Abstand"), nan);
        m.FaceColor = tandrel::platform::ColorRef(store.ReadInteger(section, Key(i, "Farbe"), int(m.FaceColor))) & 0xFFFFFF;
        m.MakerLogoKey = -1;
        if (OwnModuleValid(m))
            modules.push_back(m);
    }
    if (int(modules.size()) < count)
        qCWarning(lcTandrelSettings) << "own modules: dropped" << count - int(modules.size()) << "unreadable of" << count;
    return modules;
}

void SaveOwnModules(MKontaloRegistry& store, const QString& section, const std::vector<TRoofModule>& modules)
{
    const int count = std::min<int>(int(modules.size()), kOwnModuleMax);
    store.WriteInteger(section, kCountKey, count);
    for (int i = 0; i < count; ++i) {
        const TRoofModule& m = modules[size_t(i)];
        store.WriteString(section, Key(i, "Name"), m.Name);
        store.WriteString(section, Key(i, "Hersteller"), m.Maker);
        store.WriteFloat(section, Key(i, "Breite"), m.Width);
        store.WriteFloat(section, Key(i, "Hoehe"), m.Height);
        store.WriteFloat(section, Key(i, "Leistung"), m.PowerWp);
        store.WriteFloat(section, Key(i, "Abstand"), m.Gap);
        store.WriteInteger(section, Key(i, "Farbe"), int(m.FaceColor & 0xFFFFFF));
    }
}

QImage OwnModulePicture(const TRoofModule& module)
{
    // 100 pixels per metre: enough for the raster's cells.
    const int w = std::clamp(int(std::lround(module.Width * 100)), 10, 300);
    const int h = std::clamp(int(std::lround(module.Height * 100)), 10, 300);
    QImage picture(w, h, QImage::Format_RGB32);
    const QColor face = tandrel::platform::toQColor(module.FaceColor & 0xFFFFFF);
    picture.fill(face);
    QPainter p(&picture);
    p.setPen(QPen(face.lighter(160), 1));
    const int cols = std::max(1, w / 16), rows = std::max(1, h / 16);
    for (int c = 1; c < cols; ++c)
        p.drawLine(c * w / cols, 0, c * w / cols, h);
    for (int r = 1; r < rows; ++r)
        p.drawLine(0, r * h / rows, w, r * h / rows);
    p.setPen(QPen(QColor(170, 170, 170), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(1, 1, w - 2, h - 2);
    return picture;
}

} // namespace tandrel::roof
