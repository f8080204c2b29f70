// The floor of cambio-cli's start-up: a program that only starts a QCoreApplication and prints one
// line, as a conversion does.

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QTextStream(stdout) << QStringLiteral("88.02 EUR") << '\n';
    return 0;
}
