// chemdrill-floor: the least a Qt program does to put a window on the
// screen — an application object and one empty black window of the menu's
// size. The benchmark measures chemdrill's start-up against it; it links Qt
// Widgets only, so none of chemdrill's own loading cost is in the floor.
#include <QApplication>
#include <QPalette>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(427, 482);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, Qt::black);
    window.setPalette(pal);
    window.setAutoFillBackground(true);
    window.show();
    return app.exec();
}
