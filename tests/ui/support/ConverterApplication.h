#pragma once

#include "ConverterHarness.h"
#include "FXApplicationDelegate.h"
#include "FXMainWindowController.h"
#include "FXReportingManager.h"
#include "FXTranslations.h"
#include "ScopedEnvironment.h"

#include <QApplication>
#include <QTranslator>

// The application over a converter's core, crash reports and feedback in its home, signals left alone.
struct ConverterApplication {
    explicit ConverterApplication(ConverterHarness &core)
        : reporting({.stateFolder = core.home.stateHome(),
                     .defaults = core.standardDefaults,
                     .fetcher = core.fetcher,
                     .window = FXReportingManager::applicationWindow,
                     .catchesCrashes = false})
        , delegate(core.services, reporting)
    {
    }
    FXMainWindowController &window() const { return *delegate.mainWindow(); }

    FXReportingManager reporting;
    FXApplicationDelegate delegate;
};

// The application in `language` as the desktop sets it (LC_ALL), with its translations.
struct Translated {
    explicit Translated(const QString &language)
        : environment("LC_ALL", language.toLatin1() + ".UTF-8")
    {
        FXTranslations::install(*qApp);
    }
    ~Translated()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    const ScopedEnvironment environment;
};
