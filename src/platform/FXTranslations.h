#pragma once

class QCoreApplication;

// The texts of every program of Cambio (the window, cambio-cli, cambio-ratesd, the desktop
// search) in the user's language, and Qt's own texts with them (its dialogs, its command-line
// parser's help). The compiled translations are built into the library cambio_translations.
namespace FXTranslations {

// Installs into `application`, as its children, the program's translation for the first of the
// user's languages that has one (as gettext orders them, see
// FXLocalizedString::languagesFromEnvironment), English when none has, and Qt's translation for
// the first of them that Qt has. The program's translations are looked for among those installed
// beside the program (../share/cambio/translations), which a packager may add to, then among the
// built-in ones. A text without a translation shows as its key.
void install(QCoreApplication &application);

}
