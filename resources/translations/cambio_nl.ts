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
        <source>cannot update the rates from %1: %2</source>
        <translation>kan de koersen niet bijwerken vanaf %1: %2</translation>
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
        <source>Usage: %@</source>
        <translation>Gebruik: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Rekent bedragen om met de koersen van Cambio en wijzigt de valuta’s die de omrekenaar toont. Bedragen worden gelezen en geschreven in de huidige taalregio; valutacodes in hoofd- of kleine letters.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Opdrachten:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>AMOUNT in FROM omgerekend naar elke TO, of naar elke rij van de omrekenaar</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>de omrekeningen die het zoeken op het bureaublad voor TEXT toont, zoals ‘100 usd in eur’ of ‘5 usd + 2 gbp in eur, jpy’</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>de gekopieerde samenvatting van alle rijen voor AMOUNT in FROM (de hoofdvaluta zonder FROM)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>alle valuta’s van de koersen met hun naam; --available: alleen die nog niet getoond worden; --filter: alleen die TEXT vindt</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>de valuta’s die de omrekenaar toont, na de wijziging als die gegeven is</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>de hoofdvaluta, nadat die op CODE is vastgezet of het land van de computer volgt</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>haalt de nieuwste koersen op bij de koersenserver</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>de datum van de koersen, daarna de koersen van elke valuta van en naar de Amerikaanse dollar; hun ouderdom gaat naar stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>de taalregio ID gebruiken voor bedragen (bijvoorbeeld de_DE, of ar_EG@numbers=latn voor de cijfers 0 tot 9) in plaats van de huidige</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>geen waarschuwing op stderr dat de koersen oud zijn</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>deze hulptekst tonen en stoppen</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>de programmaversie tonen en stoppen</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Afsluitwaarde: 0 als het gelukt is, 1 als de bewerking mislukte, 2 bij een onjuiste opdrachtregel.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ neemt geen waarde</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ vereist een waarde</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>onbekende optie: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 neemt geen argumenten: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>geen opdracht gegeven (zie cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 kent de optie %2 niet</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>onbekende opdracht: %@ (zie cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>geen bedrag: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert vereist een bedrag en een valuta: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query vereist een tekst: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>geen omrekening: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>geen bruikbare koers voor %@ in de geldende koersen</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>bedrag te groot om om te rekenen naar %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary vereist een bedrag: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>er geldt geen hoofdvaluta; geef FROM of zet er een vast met: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies neemt geen valuta: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible neemt een van deze vormen: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main neemt één valuta of --auto: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update neemt geen argumenten</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>de koersen zijn niet bijgewerkt</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>geen koersen: noch het koersenbestand noch de eigen kopie van het programma is leesbaar</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>de regel van het koersenbestand voor %@ is onbruikbaar; de eigen koersen van het programma worden getoond</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>de regel van het koersenbestand voor %@ is onbruikbaar en weggelaten</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>kan de uitvoer niet schrijven</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>kan de uitvoer niet schrijven: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>geen taalregio gegeven</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>onbekende taalregio: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>geen decimaal talstelsel: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>sleutelwoord van de taalregio niet ondersteund: %@ (numbers en currency wel)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>De koersen zijn %1 oud: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>De koersen zijn %@ oud: de koersenserver heeft geen nieuwere koersen</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Levert Cambio wisselkoersen op %1, verzameld bij de Europese Centrale Bank en de community-valuta-API, en de toestand van elke bron op %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>Elke optie behalve --once kan ook in %@ worden ingesteld, elk op een regel ‘name = value’; de opdrachtregel gaat voor.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>waar te luisteren (standaard %1; %2 voor IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>de dagelijkse referentiekoersen van de centrale bank (XML); %@ schakelt ze uit</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>de dollartabel van de valuta-API (JSON); herhalen voor reserveadressen; %@ schakelt hem uit</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>de tabel voor valuta’s die geen livebron heeft: een koersendocument of een JSON-antwoord (standaard: de eigen begintabel van de omrekenaar)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>waar de laatste goede tabel bewaard wordt (standaard %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>hoe oud de nieuwste koersen mogen zijn om de tabel actueel te laten heten (standaard %1; hoogstens %2, tien jaar)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>afsluiten na zo lang zonder verzoek, voor socketactivering (standaard 0: nooit; hoogstens %@, ongeveer 24 dagen)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>eenmaal ophalen, de tabel als JSON naar FILE schrijven en afsluiten; afsluitwaarde 1 als geen livebron antwoordde</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>geen instelling: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 vereist een http- of https-URL: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 vereist een geheel aantal seconden van %2 tot %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>onverwacht argument: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 vereist %2, zoals %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ vereist een bestand</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (zie cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;maand</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 maanden</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;jaar</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 jaar</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Bezig met downloaden…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>Het downloaden is mislukt: %@. Getoond worden de koersen die op deze computer bewaard zijn.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>Voor deze periode zijn geen koersen bewaard.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 per %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>over één maand</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>over drie maanden</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>over één jaar</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>over vijf jaar</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>sinds %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: er zijn geen koersen bewaard.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: alleen %2, op %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: van %2 naar %3, laagste %4 op %5, hoogste %6 op %7.</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>Geen koersen vóór %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>Geen koersen na %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>Geen koersen van %1 tot %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Verandering: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>Laagste: %1 op %2</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>Hoogste: %1 op %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>de koersgeschiedenis wordt alleen in het geheugen bewaard, %@ is onbruikbaar</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>het bevat de tabellen van een ander programma</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>het schema heeft versie %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>de koersgeschiedenis begint opnieuw, het oude bestand blijft bewaard als %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>de koersen konden niet worden bewaard</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>het antwoord bevat geen geschiedenis van de gevraagde valuta’s</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>de koersgeschiedenis kan niet worden gedownload van %@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 per %2 van %3 tot %4: %5 tot %6, laagste %7 op %8, hoogste %9 op %10, verandering %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>de op deze computer bewaarde koersen worden getoond</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>hoeveel AGAINST (zonder opgave de hoofdvaluta) één CODE elke dag waard was, daarna het laagste, het hoogste en de verandering; zonder opgave de laatste 30 dagen, hoogstens 10 jaar; datums als JJJJ-MM-DD; --csv voor spreadsheets</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>het antwoord is niet wat gevraagd werd</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>de volledige geschiedenis van de centrale bank (XML), eenmaal in de geschiedenis opgenomen; %@ schakelt dat uit</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history heeft een valuta nodig: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history heeft twee verschillende valuta nodig: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days kan niet samen met --from of --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days heeft een aantal dagen nodig: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>geen datum (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to heeft --from nodig</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>de eerste dag valt na de laatste: %1 tot %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>meer dan %1 jaar tegelijk: %2 tot %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>geen koersen van %1 tegen %2 van %3 tot %4</translation>
    </message>
</context>
</TS>
