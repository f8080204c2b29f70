<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Bijwerken…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Bijgewerkt: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>%@ uw hoofdvaluta maken?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Uw computer lijkt nu in een ander land te zijn. Cambio kan de valuta van dat land in de bovenste rij tonen.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – de valuta-omrekenaar voor uw bureaublad</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Valuta’s</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Koersen vernieuwen</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Bedragen wissen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Maximaliseren</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopiëren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Voorkeuren…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Feedback versturen…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Over Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Cambio afsluiten</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versie %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Koersen: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Koersen niet bijgewerkt</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>De hoofdvaluta kon niet worden gewijzigd.</translation>
    </message>
    <message>
        <source>cannot update the rates from %@</source>
        <translation>kan de koersen niet bijwerken vanaf %@</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>de nieuwe koersen konden niet worden opgeslagen in %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>het antwoord is geen JSON: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>het antwoord is geen JSON-object met koersen</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>het antwoord bevat geen bruikbare koers</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>verbinding geweigerd</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>een module kan niet worden geladen: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-afbeeldingen (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>host %@ niet gevonden</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>verbinding gesloten voordat het hele antwoord binnen was</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>geen HTTP-adres: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>geen HTTP-adres</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>antwoord groter dan %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>time-out na %@ s</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>kan %@ niet schrijven</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>een ander programma hield %@ vergrendeld</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>kan %@ niet vergrendelen</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>groter dan 1 MiB</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>de instellingen in %@ worden genegeerd</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>onbekende valuta: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>al zichtbaar: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>geen zichtbare valuta: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (vast)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>Volgt de locatie: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Valuta toevoegen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Beschikbare valuta’s</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL wijst deze server aan voor deze sessie.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio en cambio-cli vragen deze server om nieuwe koersen. Laat leeg voor de server van deze computer.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Hoofdvaluta wijzigen</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Getalnotatie wijzigen</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Wijzigen…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Kies een valuta om aan de omrekenaar toe te voegen.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Kies hoe bedragen worden geschreven.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Sleep een valuta, of druk op Alt+Omhoog of Alt+Omlaag, om de volgorde te wijzigen.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Locatie volgen</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>De locatie van de computer volgen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Hoofdvaluta</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Hoofdvaluta:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Getalnotatie</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Getalnotaties</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Getalnotatie:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Bedragen zien er zo uit: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Panelen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Voorkeuren</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Koersenserver</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Koersenserver:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Koersen</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Koersen:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Nu vernieuwen</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Valuta verwijderen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standaardwaarden herstellen</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Valuta’s zoeken</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Getalnotaties zoeken</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Zoeken op code of naam</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Zoeken op taal of regio</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Systeem (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>De wijziging kon niet worden opgeslagen: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>De omrekenaar toont deze valuta’s onder de hoofdvaluta, in deze volgorde.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>De hoofdvaluta staat bovenaan in de omrekenaar.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Zichtbare valuta’s</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Als de computer in een ander land is, biedt Cambio aan de valuta van dat land tot hoofdvaluta te maken.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Versturen</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Feedback versturen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Naam:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Bericht:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Verplicht</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optioneel</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Versturen…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Voer uw e-mailadres in.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Dit e-mailadres is niet volledig.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Schrijf een bericht.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>Uw bericht kon niet worden opgeslagen: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Bedankt voor uw feedback.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Uw feedback kon niet worden verstuurd.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Het is verstuurd.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Rapport versturen</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Niet versturen</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Altijd versturen</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Het crashrapport kon niet worden verstuurd.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Naar klembord kopiëren</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Afbeelding opslaan…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Afbeelding opslaan</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>De afbeelding kon niet worden opgeslagen als %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>De e-mail kon niet worden voorbereid.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>Het e-mailprogramma kon niet worden geopend.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Vertel ons wat u goed vindt, wat er ontbreekt of wat er misging.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Uw bericht wordt bewaard in de map %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Uw bericht is opgeslagen in %@. De reden:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Cambio is de vorige keer onverwacht afgesloten.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Wilt u er een rapport over versturen naar %@? Het vertelt wat het programma deed toen het stopte; het bevat niets van wat u hebt getypt.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Een rapport van wat er gebeurde wordt op deze computer bewaard, in de map %@. Het wordt nergens heen verstuurd: er is geen adres ingesteld om rapporten naar te versturen.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>Het blijft in %@ en wordt bij de volgende start opnieuw aangeboden. De reden:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>De koersen die met Cambio worden meegeleverd komen van de valuta-API van fawazahmed0/exchange-api (CC0 1.0). De landsgrenzen komen van country-coder (ISC-licentie, zie ‘%@’). De vlaggen zijn iso-flags-svg van Debian (publiek domein); de vlaggen van bitcoin, de Caribische gulden en Zimbabwe Gold zijn van Cambio zelf.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Uw bericht wordt op deze computer bewaard, in de map %@. Het wordt nergens heen verstuurd: er is geen adres ingesteld om feedback naar te versturen.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Uw bericht wordt verstuurd naar %@, en een kopie wordt op deze computer bewaard.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Er is geen bedrag om te plakken.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Er kan maar één bedrag tegelijk worden geplakt.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>‘%@’ is geen bedrag.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Bedragen hebben hoogstens %@ cijfers vóór het decimaalteken.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>‘%@’ staat hier voor meer dan één valuta.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>‘%@’ noemt meer dan één valuta.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ staat niet tussen de getoonde valuta’s.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Het blijft bij de nieuwe rapporten in %@ en wordt bij de volgende start opnieuw aangeboden. De reden:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Het blijft bij de nog niet verstuurde berichten in %@. De reden:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Het crashrapport kon niet apart worden gezet.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>kan de map %@ niet aanmaken</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>De koersen zijn %@ oud</translation>
    </message>
    <message>
        <source>the rates server has no newer rates</source>
        <translation>de koersenserver heeft geen nieuwere koersen</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>koersen van %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>doorverwijzing naar %@ geweigerd</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>doorverwijzingslus</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>die verlaat HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>meer dan %@ doorverwijzingen</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ zonder bestemming</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>de compressie van het antwoord is beschadigd of zou uitgepakt elke grens overschrijden</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>TLS-handshake mislukt: %@</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>het antwoord is niet wat gevraagd werd</translation>
    </message>
</context>
</TS>
