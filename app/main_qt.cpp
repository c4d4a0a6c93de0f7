#include <QApplication>

#include "app/program_windows.h"
#include "host/qt/qt_startup.h"
#include "host/qt/qt_toolkit.h"

int main(int /*argc*/, char* argv[]) {
    // The program takes no command-line options, not even Qt's own.
    int qtArgc = 1;
    quillory::prepareQtStartup();
    QApplication application(qtArgc, argv);
    // Ties the windows to the desktop entry, for the icon and the task bar.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLORY_APP_ID));
    quillory::QtToolkit toolkit;
    quillory::WindowHost host(toolkit, quillory::makeWindows());
    host.start(quillory::WindowId::Form1);
    return QApplication::exec();
}
