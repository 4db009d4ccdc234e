// The toolkit's floor: a bare frameless 640 x 462 Qt window named "Trelmo",
// nothing else. The start-up benchmark starts it beside the game.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre(nullptr, Qt::Window | Qt::FramelessWindowHint);
    fenetre.setWindowTitle(QStringLiteral("Trelmo"));
    fenetre.setFixedSize(640, 462);
    fenetre.show();
    return app.exec();
}
