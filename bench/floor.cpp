// The toolkit's floor: the least a Qt Widgets program can do to put a window
// with a button on screen. The launch benchmark measures the program against
// it. The window has the main menu's client size, so both paint as many pixels.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int /*argc*/, char* argv[]) {
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(405, 189);
    QPushButton button(QStringLiteral("Button"), &window);
    button.setGeometry(8, 136, 81, 33);
    window.show();
    return QApplication::exec();
}
