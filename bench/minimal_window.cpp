// The floor for the start-up figure: one empty main window, shown, then closed.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.resize(935, 616);
    w.show();
    QTimer::singleShot(0, &w, &QWidget::close);
    return app.exec();
}
