// Built only by the test engine_rejects_widget_headers, which expects this
// file NOT to compile: the drawing engine's include paths hold no widgets.
#include "drawing/Structur.h"
#include <QWidget>

int main()
{
    return 0;
}
