#include "app/OneClick.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace {

constexpr const char* kInDoubleClick = "tandrelInDoubleClick";

class TOneClickFilter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonDblClick:
            watched->setProperty(kInDoubleClick, true);
            return true;
        case QEvent::MouseButtonRelease:
            if (watched->property(kInDoubleClick).toBool()) {
                watched->setProperty(kInDoubleClick, false);
                return true;
            }
            return false;
        default:
            return false;
        }
    }
};

} // namespace

void OneActionPerClick(QWidget* widget)
{
    if (!widget)
        return;
    static TOneClickFilter* filter = new TOneClickFilter; // lives as long as the program
    widget->installEventFilter(filter);
}
