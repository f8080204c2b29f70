#include "FXTranslations.h"

#include "FXLocalizedString.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace FXTranslations {

void install(QCoreApplication &application)
{
    const QStringList languages = FXLocalizedString::languagesFromEnvironment();
    const QString installed =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/cambio/translations");
    auto *translator = new QTranslator(&application);
    const auto loadsCambio = [&](const QString &language) {
        const QString file = QStringLiteral("cambio_") + language;
        return translator->load(file, installed) || translator->load(file, QStringLiteral(":/i18n"));
    };
    // English has a few texts of its own, named by key rather than written out.
    if (std::any_of(languages.begin(), languages.end(), loadsCambio)
        || translator->load(QStringLiteral(":/i18n/cambio_en"))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
    auto *qtTranslator = new QTranslator(&application);
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &language : languages) {
        if (qtTranslator->load(QStringLiteral("qtbase_") + language, qtTranslations)) {
            QCoreApplication::installTranslator(qtTranslator);
            return;
        }
    }
    delete qtTranslator;
}

}
