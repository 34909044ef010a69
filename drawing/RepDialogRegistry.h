#pragma once

#include <cstdint>

class MBaseRep;
class QWidget;
class TBaseFrame;
class TBaseFrameFactory;

// The engine knows no widgets: the widget library registers the dialog frame
// of each representation type here, and MBaseRep::CreateDialogFrame asks for
// it. The creator initialises the frame (frame ID 22222) and returns it,
// owned by parent.
using MRepDialogFrameCreator = TBaseFrame* (*)(MBaseRep& rep, QWidget* parent, TBaseFrame* ownerFrame,
                                               TBaseFrameFactory* factory);

// Replaces an earlier creator of the same type; null removes it.
void RegisterRepDialogFrame(std::int32_t repTyp, MRepDialogFrameCreator creator);
// The registered frame for rep's RepTyp, or null.
TBaseFrame* CreateRegisteredDialogFrame(MBaseRep& rep, QWidget* parent, TBaseFrame* ownerFrame,
                                        TBaseFrameFactory* factory);
