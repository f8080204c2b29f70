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
        <source>host %@ not found</source>
        <translation>Server %@ nicht gefunden</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>Verbindung geschlossen, bevor die ganze Antwort ankam</translation>
    </message>
    <message>
        <source>the answer's %@ compression is damaged</source>
        <translation>die %@-Kompression der Antwort ist beschädigt</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>keine HTTP-Adresse: %@</translation>
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
        <source>cancelled</source>
        <translation>abgebrochen</translation>
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
</context>
</TS>
