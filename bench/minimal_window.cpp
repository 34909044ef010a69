// The floor for the start-up figure: one empty main window, shown, then
// closed. With --text the window also shows one line of text and a menu
// bar, which adds what any real main window pays: the font system's start
// and the menu bar's icon, whose loading probes every image plugin.
// With --painted it closes only after its first paint, as tandrel does when
// it reaches idle; without, it closes before the window is ever painted.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

namespace {

// Closes the window on the loop's next turn after its first exposure.
class CloseWhenPainted : public QObject {
public:
    explicit CloseWhenPainted(QWidget* window) : m_window(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && m_window->windowHandle()->isExposed())
            QTimer::singleShot(0, m_window, &QWidget::close);
        return false;
    }

private:
    QWidget* m_window;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    QMainWindow w;
    w.resize(935, 616);
    if (args.contains(QStringLiteral("--text"))) {
        w.setCentralWidget(new QLabel(QStringLiteral("Tandrel"), &w));
        w.menuBar()->addMenu(QStringLiteral("&Datei"));
    }
    CloseWhenPainted closer(&w);
    if (args.contains(QStringLiteral("--painted"))) {
        w.winId();
        w.windowHandle()->installEventFilter(&closer);
    } else {
        QTimer::singleShot(0, &w, &QWidget::close);
    }
    w.show();
    return app.exec();
}
