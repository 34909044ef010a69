// The floor for the start-up figure: one empty main window, shown, then
// closed. With --text the window also shows one line of text and a menu
// bar, which adds what any real main window pays: the font system's start
// and the menu bar's icon, whose loading probes every image plugin.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.resize(935, 616);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        w.setCentralWidget(new QLabel(QStringLiteral("Tandrel"), &w));
        w.menuBar()->addMenu(QStringLiteral("&Datei"));
    }
    w.show();
    QTimer::singleShot(0, &w, &QWidget::close);
    return app.exec();
}
