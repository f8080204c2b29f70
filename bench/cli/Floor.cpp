// The floor of cambio-cli's start-up: a program that only starts a QCoreApplication and exits.

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    return 0;
}
