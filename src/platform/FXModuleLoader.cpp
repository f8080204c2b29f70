#include "FXModuleLoader.h"

#include "FXLocalizedString.h"

#include <QCoreApplication>
#include <QStringList>

FXModuleLoader FXModuleLoader::load(const QString &name, const char *symbol)
{
    FXModuleLoader loaded;
    // Installed beside the program's lib folder; run from the build tree, where it was built.
    const QStringList places{
        QCoreApplication::applicationDirPath() + QStringLiteral("/../lib/cambio/") + name,
        QStringLiteral(CAMBIO_MODULE_BUILD_DIRECTORY "/") + name};
    QString failure;
    for (const QString &path : places) {
        auto library = std::make_unique<QLibrary>(path);
        if (!library->load()) {
            failure = library->errorString();
            continue;
        }
        if (QFunctionPointer function = library->resolve(symbol)) {
            loaded.function = function;
            loaded.library = std::move(library);
            return loaded;
        }
        failure = library->errorString();
    }
    loaded.failure = FXLocalizedString::format("a module cannot be loaded: %@", failure);
    return loaded;
}
