#include "FXCommandLineTool.h"
#include "FXCompositionRoot.h"
#include "FXTranslations.h"

#include <QCoreApplication>

#include <unistd.h>

int main(int argc, char **argv)
{
    // The refresh of the rates hands work to the main thread's event loop.
    QCoreApplication application(argc, argv);
    FXTranslations::install(application);
    FXCompositionRoot root(FXCompositionRoot::commandLineOptions());
    QTextStream out(stdout);
    QTextStream err(stderr);
    FXCommandLineTool tool(
        root.currencies(), root.settings(), [&]() -> FXInputManager & { return root.inputs(); },
        [&]() -> FXRateHistory & { return root.history(); }, root.locale(), root.numberFormatter(),
        out, err, isatty(STDOUT_FILENO));
    return tool.run(QCoreApplication::arguments().mid(1));
}
