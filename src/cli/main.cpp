#include "FXCommandLineTool.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // The refresh of the rates hands work to the main thread's event loop.
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    FXCommandLineTool tool(out, err);
    return tool.run(QCoreApplication::arguments().mid(1));
}
