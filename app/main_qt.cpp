#include <QApplication>

#include "app/windows.h"
#include "host/qt/qt_startup.h"
#include "host/qt/qt_toolkit.h"

int main(int /*argc*/, char* argv[]) {
    // The program takes no command-line options, not even Qt's own.
    int qtArgc = 1;
    quillory::prepareQtStartup();
    QApplication application(qtArgc, argv);
    quillory::QtToolkit toolkit;
    quillory::WindowHost host(toolkit, quillory::makeWindows());
    toolkit.attach(host);
    host.start(quillory::WindowId::Form1);
    return QApplication::exec();
}
