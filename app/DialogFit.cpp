#include "app/DialogFit.h"

#include <QDialog>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The window frame the desktop draws around a dialog is known only once it
// has been shown; until then a title bar and thin borders are assumed.
constexpr int kFrameAllowance = 60;
constexpr QSize kAssumedFrame(8, 32);

QRect screenArea(const QWidget* dialog)
{
    const QScreen* screen = dialog->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), kMaxDialogSize);
}

void keepOnScreen(QDialog* dialog)
{
    const QRect area = screenArea(dialog);
    const QSize limit = DialogSizeLimit(area);
    // The frame the window system adds; before the first show it is unknown.
    QSize frame = dialog->frameGeometry().size() - dialog->size();
    if (frame.width() <= 0 || frame.height() <= 0 || frame.width() > kFrameAllowance || frame.height() > kFrameAllowance)
        frame = kAssumedFrame;
    const QSize inner(std::max(1, limit.width() - frame.width()), std::max(1, limit.height() - frame.height()));
    // A fixed size larger than the screen gives way too.
    const QSize maximum = dialog->maximumSize().boundedTo(inner);
    const QSize minimum = dialog->minimumSize().boundedTo(maximum);
    dialog->setMinimumSize(minimum);
    dialog->setMaximumSize(maximum);
    dialog->resize(dialog->size().boundedTo(maximum).expandedTo(minimum));
    const QSize outer = dialog->size() + frame;
    const int x = std::clamp(dialog->x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
    const int y = std::clamp(dialog->y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height()));
    dialog->move(x, y);
}

class DialogFitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* dialog = qobject_cast<QDialog*>(watched))
                keepOnScreen(dialog);
        return false;
    }
};

void watch(QDialog* dialog)
{
    static const char* const kWatched = "tandrelFitsScreen";
    if (dialog->property(kWatched).toBool())
        return;
    dialog->setProperty(kWatched, true);
    dialog->installEventFilter(new DialogFitter(dialog));
}

} // namespace

QSize DialogSizeLimit(const QRect& screenArea)
{
    return kMaxDialogSize.boundedTo(screenArea.size());
}

void FitDialogToScreen(QDialog* dialog, QWidget* content, QLayout* buttons)
{
    auto* scroll = new QScrollArea(dialog);
    scroll->setObjectName(dialog->objectName() + QStringLiteral("Scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(dialog);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    // Wished size: all of the content when the screen has room for it.
    const QSize wish = content->sizeHint().expandedTo(content->minimumSizeHint())
        + QSize(2 * layout->contentsMargins().left() + scroll->frameWidth() * 2 + 4,
                buttons->sizeHint().height() + layout->spacing() + 2 * layout->contentsMargins().top() + 4);
    const QSize chosen = dialog->testAttribute(Qt::WA_Resized) ? wish.expandedTo(dialog->size()) : wish;
    dialog->resize(chosen.boundedTo(kMaxDialogSize - kAssumedFrame));
    watch(dialog);
}

void FitDialogToScreen(QDialog* dialog)
{
    watch(dialog);
}
