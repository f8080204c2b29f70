<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<!-- Every text of the program by its key, which is its English text or a name for a longer one. -->
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Wird aktualisiert…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Aktualisiert %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>%@ zur Hauptwährung machen?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Ihr Computer scheint jetzt in einem anderen Land zu sein. Cambio kann die Währung dieses Landes in der obersten Zeile zeigen.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wechseln</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – der Währungsrechner für Ihren Desktop</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Währungen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Kurse aktualisieren</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Beträge zurücksetzen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alle kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Feedback senden…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Über Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Cambio beenden</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Kurse von %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Kurse nicht aktualisiert</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>Die Hauptwährung konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>die Kurse von %1 können nicht aktualisiert werden: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>Die Kurse sind %@ alt</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>die neuen Kurse konnten nicht in %@ gespeichert werden</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>die Antwort ist kein JSON: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>die Antwort ist kein JSON-Objekt mit Kursen</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>die Antwort enthält keinen brauchbaren Kurs</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>Verbindung abgelehnt</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>ein Modul lässt sich nicht laden: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>Server %@ nicht gefunden</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>Verbindung geschlossen, bevor die ganze Antwort ankam</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>die Kompression der Antwort ist beschädigt oder würde über jedes Maß anwachsen</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>TLS-Verbindungsaufbau gescheitert: %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>Weiterleitung nach %@ abgelehnt</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>sie verlässt HTTPS</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>eine Weiterleitungsschleife</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>mehr als %@ Weiterleitungen</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ ohne Ziel</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>keine HTTP-Adresse: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>keine HTTP-Adresse</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>Antwort größer als %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>Zeitüberschreitung nach %@ s</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>%@ kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>ein anderes Programm hielt %@ gesperrt</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>%@ kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>größer als 1 MiB</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>die Einstellungen in %@ werden übergangen</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>unbekannte Währung: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>schon sichtbar: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>keine sichtbare Währung: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (fest)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>Folgt dem Standort: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Währung hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Verfügbare Währungen</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL legt diesen Server für diese Sitzung fest.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio und cambio-cli fragen diesen Server nach neuen Kursen. Leer lassen für den Server dieses Computers.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Hauptwährung ändern</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Zahlenformat ändern</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Ändern…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Wählen Sie eine Währung, die der Umrechner zeigen soll.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Wählen Sie, wie Beträge geschrieben werden.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Ziehen Sie eine Währung oder drücken Sie Alt+Auf oder Alt+Ab, um die Reihenfolge zu ändern.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Dem Standort folgen</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Dem Standort des Computers folgen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Hauptwährung</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Hauptwährung:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Zahlenformat</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Zahlenformate</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Zahlenformat:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Beträge sehen so aus: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Kursserver</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Kursserver:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Kurse</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Kurse:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Währung entfernen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Währungen suchen</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Zahlenformate suchen</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Nach Code oder Name suchen</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Nach Sprache oder Region suchen</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>System (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>Die Änderung konnte nicht gespeichert werden: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>Der Umrechner zeigt diese Währungen unter der Hauptwährung, in dieser Reihenfolge.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>Die Hauptwährung steht oben im Umrechner.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Sichtbare Währungen</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Ist der Computer in einem anderen Land, bietet Cambio an, dessen Währung zur Hauptwährung zu machen.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Erforderlich</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Freiwillig</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Wird gesendet…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Diese E-Mail-Adresse ist nicht vollständig.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Bitte schreiben Sie eine Nachricht.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>Ihre Nachricht konnte nicht gesichert werden: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Danke für Ihr Feedback.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Ihr Feedback konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Es wurde gesendet.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Bericht senden</translation>
    </message>
    <message>
        <source>Don't Send</source>
        <translation>Nicht senden</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Immer senden</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Der Absturzbericht konnte nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Bild sichern…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild sichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>Das Bild konnte nicht als %@ gesichert werden.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>Die E-Mail konnte nicht vorbereitet werden.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>Das E-Mail-Programm konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Sagen Sie uns, was Ihnen gefällt, was fehlt oder was nicht ging.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Ihre Nachricht liegt im Ordner %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Ihre Nachricht ist in %@ gesichert. Der Grund:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Cambio wurde beim letzten Mal unerwartet beendet.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Möchten Sie einen Bericht darüber an %@ senden? Er sagt, was das Programm tat, als es stehen blieb; nichts, was Sie eingegeben haben.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Ein Bericht über das Geschehene bleibt auf diesem Computer, im Ordner %@. Er wird nirgendwohin gesendet: Es ist keine Adresse für Berichte eingerichtet.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>Er bleibt in %@ und wird beim nächsten Start wieder angeboten. Der Grund:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Die mitgelieferten Kurse stammen aus der Währungs-API von fawazahmed0/exchange-api (CC0 1.0), die Landesgrenzen aus country-coder (ISC-Lizenz, siehe „%@“). Die Flaggen sind Debians iso-flags-svg (gemeinfrei); die Flaggen von Bitcoin, dem Karibischen Gulden und Simbabwe-Gold sind Cambios eigene.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Ihre Nachricht wird auf diesem Computer aufbewahrt, im Ordner %@. Sie wird nirgendwohin gesendet: Es ist keine Adresse für Feedback eingerichtet.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Ihre Nachricht wird an %@ gesendet; eine Kopie bleibt auf diesem Computer.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Es gibt keinen Betrag zum Einfügen.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Es kann nur ein Betrag auf einmal eingefügt werden.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>„%@“ ist kein Betrag.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Beträge haben höchstens %@ Stellen vor dem Dezimaltrennzeichen.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>„%@“ steht hier für mehr als eine Währung.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>„%@“ nennt mehr als eine Währung.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ ist nicht unter den angezeigten Währungen.</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Der Absturzbericht konnte nicht abgelegt werden.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>der Ordner %@ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Er bleibt bei den neuen Berichten in %@ und wird beim nächsten Start wieder angeboten. Der Grund:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Sie bleibt bei den noch nicht gesendeten Nachrichten in %@. Der Grund:</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>Kurse vom %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>Aufruf: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Rechnet Beträge mit den Kursen von Cambio um und ändert die Währungen, die der Umrechner zeigt. Beträge werden im aktuellen Gebietsschema gelesen und geschrieben, Währungscodes in beliebiger Groß- und Kleinschreibung.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>AMOUNT in FROM, umgerechnet in jede Währung TO oder in jede Zeile des Umrechners</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>die Umrechnungen, die die Suche der Arbeitsumgebung für TEXT zeigt, etwa „100 usd in eur“ oder „5 usd + 2 gbp in eur, jpy“</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>die kopierte Zusammenfassung aller Zeilen für AMOUNT in FROM (ohne FROM in der Hauptwährung)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>alle Währungen der Kurse mit ihrem Namen; --available: nur die noch nicht gezeigten; --filter: nur die, die TEXT findet</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>die Währungen, die der Umrechner zeigt, nach der Änderung, falls eine angegeben ist</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>die Hauptwährung, nachdem sie auf CODE festgelegt wurde oder dem Land des Rechners folgen soll</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>holt die neuesten Kurse vom Kursserver</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>das Datum der Kurse, dann die Kurse jeder Währung vom und zum US-Dollar; ihr Alter geht nach stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>das Gebietsschema ID für Beträge verwenden (zum Beispiel de_DE oder ar_EG@numbers=latn für die Ziffern 0 bis 9) statt des aktuellen</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>keine Warnung auf stderr, dass die Kurse alt sind</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe anzeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>Versionsinformation anzeigen und beenden</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Rückgabewert: 0, wenn erledigt, 1, wenn der Vorgang fehlschlug, 2 bei einer fehlerhaften Befehlszeile.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>unbekannte Option: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 nimmt keine Argumente an: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>kein Befehl angegeben (siehe cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 kennt die Option %2 nicht</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>unbekannter Befehl: %@ (siehe cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>kein Betrag: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert braucht einen Betrag und eine Währung: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query braucht einen Text: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>keine Umrechnung: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>kein brauchbarer Kurs für %@ in den geltenden Kursen</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>Betrag zu groß für die Umrechnung in %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary braucht einen Betrag: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>keine Hauptwährung festgelegt; FROM angeben oder eine festlegen mit: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies nimmt keine Währung an: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible nimmt eines von diesen an: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main nimmt eine Währung oder --auto an: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update nimmt keine Argumente an</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>die Kurse wurden nicht aktualisiert</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>keine Kurse: weder die Kursdatei noch die programmeigene Kopie ist lesbar</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>der Eintrag der Kursdatei für %@ ist unbrauchbar; die programmeigenen Kurse werden gezeigt</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>der Eintrag der Kursdatei für %@ ist unbrauchbar und wird ausgelassen</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>die Ausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>kein Gebietsschema angegeben</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>unbekanntes Gebietsschema: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>kein dezimales Zahlensystem: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>Schlüsselwort des Gebietsschemas nicht unterstützt: %@ (numbers und currency sind es)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>Die Kurse sind %1 alt: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>Die Kurse sind %@ alt: Der Kursserver hat keine neueren Kurse</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Liefert Cambio unter %1 Wechselkurse, gesammelt von der Europäischen Zentralbank und der Community-Währungs-API, und unter %2 den Zustand jeder Quelle.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>Jede Option außer --once kann auch in %@ gesetzt werden, je eine Zeile „name = value“; die Befehlszeile hat Vorrang.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>Adresse, auf der gelauscht wird (Vorgabe %1; %2 für IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>die täglichen Referenzkurse der Zentralbank (XML); %@ schaltet sie ab</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>die Dollartabelle der Währungs-API (JSON); für Ausweichadressen wiederholen; %@ schaltet sie ab</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>die Tabelle für Währungen, die keine Live-Quelle hat: ein Kursdokument oder eine JSON-Antwort (Vorgabe: die eigene Grundausstattung des Umrechners)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>wo die letzte gute Tabelle aufbewahrt wird (Vorgabe %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>wie alt die neuesten Kurse sein dürfen, damit die Tabelle als aktuell gilt (Vorgabe %1; höchstens %2, zehn Jahre)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>nach so langer Zeit ohne Anfrage beenden, für die Socket-Aktivierung (Vorgabe 0: nie; höchstens %@, etwa 24 Tage)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>einmal abrufen, die Tabelle als JSON in FILE schreiben und beenden; Rückgabewert 1, wenn keine Live-Quelle antwortete</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>keine Einstellung: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 braucht eine http- oder https-URL: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 braucht eine ganze Zahl von Sekunden zwischen %2 und %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>unerwartetes Argument: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 braucht %2, etwa %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ braucht eine Datei</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (siehe cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;Monat</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 Monate</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;Jahr</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 Jahre</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Wird heruntergeladen…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>Der Download ist fehlgeschlagen: %@. Angezeigt werden die auf diesem Computer gespeicherten Kurse.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>Für diesen Zeitraum sind keine Kurse gespeichert.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 je %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>über einen Monat</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>über drei Monate</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>über ein Jahr</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>über fünf Jahre</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>seit %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: Es sind keine Kurse gespeichert.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: nur %2, am %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: von %2 auf %3, Tief %4 am %5, Hoch %6 am %7.</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>Keine Kurse vor dem %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>Keine Kurse nach dem %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>Keine Kurse vom %1 bis %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Änderung: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>Tief: %1 am %2</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>Hoch: %1 am %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>der Kursverlauf wird nur im Speicher gehalten, %@ ist nicht nutzbar</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>sie enthält die Tabellen eines anderen Programms</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>sein Schema hat die Version %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>der Kursverlauf wird neu begonnen, die alte Datei bleibt als %@ erhalten</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>die Kurse konnten nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>die Antwort enthält keinen Verlauf der angefragten Währungen</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>der Kursverlauf kann nicht von %@ geladen werden</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 pro %2 vom %3 bis %4: %5 bis %6, Tief %7 am %8, Hoch %9 am %10, Änderung %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>gezeigt werden die auf diesem Computer gespeicherten Kurse</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>wie viel AGAINST (ohne Angabe die Hauptwährung) ein CODE an jedem Tag wert war, dann Tiefst-, Höchstwert und Veränderung; ohne Angabe die letzten 30 Tage, höchstens 10 Jahre; Daten als JJJJ-MM-TT; --csv für Tabellenkalkulationen</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>die Antwort ist nicht das Verlangte</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>die vollständige Historie der Zentralbank (XML), einmal in die Historie übernommen; %@ schaltet das ab</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history braucht eine Währung: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history braucht zwei verschiedene Währungen: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days geht nicht zusammen mit --from oder --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days braucht eine Anzahl Tage: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>kein Datum (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to braucht --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>der erste Tag liegt nach dem letzten: %1 bis %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>mehr als %1 Jahre auf einmal: %2 bis %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>keine Kurse von %1 gegen %2 vom %3 bis %4</translation>
    </message>
</context>
</TS>
