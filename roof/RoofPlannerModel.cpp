#include "roof/RoofPlannerModel.h"

#include "roof/OwnModules.h"

#include <algorithm>

namespace tandrel::roof {

const MSettingsFields<TRoofPlannerModel>& RoofPlannerFields()
{
    using M = TRoofPlannerModel;
    static const M d;
    static const MSettingsFields<M> fields{
        {QStringLiteral("DacheindeckungNummer"), &M::CoveringIndex, d.CoveringIndex},
        {QStringLiteral("ModulNummer"), &M::ModuleIndex, d.ModuleIndex},
        {QStringLiteral("ColCountPeriode"), &M::ColCountPeriode, d.ColCountPeriode},
        {QStringLiteral("ColorHintergrund"), &M::Background, d.Background},
        {QStringLiteral("Modulausrichtung"), &M::ModuleOrientation, d.ModuleOrientation},
    };
    return fields;
}

void LoadRoofPlannerModel(MKontaloRegistry& store, const QString& section, TRoofPlannerModel& model)
{
    RoofPlannerFields().Load(store, section, model);
    model.CoveringIndex = ListIndex(model.CoveringIndex, kCoveringCount);
    model.OwnModules = LoadOwnModules(store, section);
    model.ModuleIndex = ListIndex(model.ModuleIndex, kModuleCount + int(model.OwnModules.size()));
    // Anything but quer is the upright layout settings had before.
    model.ModuleOrientation = model.ModuleOrientation == 1 ? 1 : 0;
    model.ColCountPeriode = std::clamp<std::int32_t>(model.ColCountPeriode, 0, kColCountPeriodeMax);
}

double LaidModuleWidth(const TRoofPlannerModel& model)
{
    return model.ModuleOrientation == 1 ? model.Module.Height : model.Module.Width;
}

double LaidModuleHeight(const TRoofPlannerModel& model)
{
    return model.ModuleOrientation == 1 ? model.Module.Width : model.Module.Height;
}

} // namespace tandrel::roof
