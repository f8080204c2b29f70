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
        <source>cannot update the rates from %@</source>
        <translation>die Kurse von %@ können nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>Die Kurse sind %@ alt</translation>
    </message>
    <message>
        <source>the rates server has no newer rates</source>
        <translation>der Kursserver hat keine neueren Kurse</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>die Antwort ist nicht das Verlangte</translation>
    </message>
</context>
</TS>
