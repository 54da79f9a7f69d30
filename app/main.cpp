#include "app/form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Form1 fenêtre;
    fenêtre.show();
    return app.exec();
}
