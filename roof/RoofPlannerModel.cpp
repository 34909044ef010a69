#include "roof/RoofPlannerModel.h"

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
    };
    return fields;
}

void LoadRoofPlannerModel(MKontaloRegistry& store, const QString& section, TRoofPlannerModel& model)
{
    RoofPlannerFields().Load(store, section, model);
    model.CoveringIndex = ListIndex(model.CoveringIndex, kCoveringCount);
    model.ModuleIndex = ListIndex(model.ModuleIndex, kModuleCount);
    model.ColCountPeriode = std::clamp<std::int32_t>(model.ColCountPeriode, 0, kColCountPeriodeMax);
}

} // namespace tandrel::roof
