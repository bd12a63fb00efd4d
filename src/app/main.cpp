#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sitclock");
    // The main window arrives with its own change; until then a plain window.
    QMainWindow window;
    window.setWindowTitle("Zitklok");
    window.show();
    return app.exec();
}
