// The floor for the start-up figure: one empty main window, shown, then
// closed. With --text the window shows one line of text, which adds the
// font system's start-up cost that any real program pays.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow w;
    w.resize(935, 616);
    if (QApplication::arguments().contains(QStringLiteral("--text")))
        w.setCentralWidget(new QLabel(QStringLiteral("Tandrel"), &w));
    w.show();
    QTimer::singleShot(0, &w, &QWidget::close);
    return app.exec();
}
