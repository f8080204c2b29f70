// Starts a refresh of the rates and quits while it is under way, as a window closed during one.

#include "FXCompositionRoot.h"
#include "FXCurrencyManager.h"

#include <QCoreApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    FXCompositionRoot root(FXCompositionRoot::windowOptions());
    root.currencies().updateCurrencyRates();
    QTimer::singleShot(500, &application, &QCoreApplication::quit);
    return application.exec();
}
