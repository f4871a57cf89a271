#include "app/ModelwrightApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    CModelwrightApp theApp;
    if (theApp.InitInstance(QApplication::arguments().mid(1)))
        application.exec();
    return theApp.ExitInstance();
}
