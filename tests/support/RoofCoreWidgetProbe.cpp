// Built only by the test roof_core_rejects_widget_headers, which expects this
// file NOT to compile: the roof core's include paths hold no widgets.
#include "roof/IRoofPlanner.h"
#include "roof/RoofPlannerModel.h"
#include "roof/RoofRendering.h"
#include <QWidget>

int main()
{
    return 0;
}
