#include "drawing/RepDialogRegistry.h"

#include "drawing/BaseRep.h"

#include <map>

namespace {

std::map<std::int32_t, MRepDialogFrameCreator>& Creators()
{
    static std::map<std::int32_t, MRepDialogFrameCreator> creators;
    return creators;
}

} // namespace

void RegisterRepDialogFrame(std::int32_t repTyp, MRepDialogFrameCreator creator)
{
    if (creator)
        Creators()[repTyp] = creator;
    else
        Creators().erase(repTyp);
}

TBaseFrame* CreateRegisteredDialogFrame(MBaseRep& rep, QWidget* parent, TBaseFrame* ownerFrame,
                                        TBaseFrameFactory* factory)
{
    const auto it = Creators().find(rep.RepTyp);
    return it == Creators().end() ? nullptr : it->second(rep, parent, ownerFrame, factory);
}
