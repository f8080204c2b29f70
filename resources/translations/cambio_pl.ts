<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Aktualizowanie…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Stan na %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>Ustawić %@ jako walutę główną?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Wygląda na to, że komputer jest teraz w innym kraju. Cambio może pokazać walutę tego kraju w pierwszym wierszu.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – przelicznik walut na Twój pulpit</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Waluty</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Odśwież kursy</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Wyzeruj kwoty</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Zminimalizuj</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zmaksymalizuj</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Kopiuj wszystko</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencje…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Wyślij opinię…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>O programie Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Zakończ Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Wersja %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Kursy: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Kursy nie zostały zaktualizowane</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>Nie udało się zmienić waluty głównej.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>nie można zaktualizować kursów z %1: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>nie udało się zapisać nowych kursów w %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>odpowiedź nie jest w formacie JSON: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>odpowiedź nie jest obiektem JSON z kursami</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>odpowiedź nie zawiera żadnego użytecznego kursu</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>połączenie odrzucone</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>nie można wczytać modułu: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Obrazy PNG (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>nie znaleziono serwera %@</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>połączenie zamknięte przed otrzymaniem całej odpowiedzi</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>to nie jest adres HTTP: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>to nie jest adres HTTP</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>odpowiedź większa niż %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>przekroczono czas oczekiwania po %@ s</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>nie można zapisać %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>inny program trzymał blokadę %@</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>nie można zablokować %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>większy niż 1 MiB</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>ustawienia w %@ zostały pominięte</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>nieznana waluta: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>już widoczna: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>to nie jest widoczna waluta: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (stała)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>Według położenia: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Dodaj walutę</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Dostępne waluty</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL wskazuje ten serwer w tej sesji.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio i cambio-cli pobierają nowe kursy z tego serwera. Pozostaw puste, aby używać serwera tego komputera.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Zmień walutę główną</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Zmień format liczb</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Zmień…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Wybierz walutę do dodania do przelicznika.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Wybierz sposób zapisu kwot.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Przeciągnij walutę albo naciśnij Alt+Góra lub Alt+Dół, aby zmienić kolejność.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Podążaj za położeniem</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Podążaj za położeniem komputera</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Waluta główna</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Waluta główna:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przenieś niżej</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przenieś wyżej</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Format liczb</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Formaty liczb</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Format liczb:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Kwoty wyglądają tak: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Panele</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencje</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Serwer kursów</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Serwer kursów:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Kursy</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Kursy:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Odśwież teraz</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Usuń walutę</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Przywróć domyślne</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Szukaj walut</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Szukaj formatów liczb</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Szukaj według kodu lub nazwy</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Szukaj według języka lub regionu</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Systemowy (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>Nie udało się zapisać zmiany: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>Przelicznik pokazuje te waluty pod walutą główną, w tej kolejności.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>Waluta główna jest na górze przelicznika.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Widoczne waluty</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Gdy komputer jest w innym kraju, Cambio proponuje ustawienie waluty tego kraju jako głównej.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Wyślij opinię</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Adres e-mail</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Wiadomość</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Imię i nazwisko:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Adres e-mail:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Wiadomość:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Wymagane</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcjonalne</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Wysyłanie…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Proszę podać adres e-mail.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Ten adres e-mail jest niepełny.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Proszę napisać wiadomość.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>Nie udało się zapisać wiadomości: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Dziękujemy za opinię.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Nie udało się wysłać opinii.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Została wysłana.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Wyślij raport</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Nie wysyłaj</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Zawsze wysyłaj</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Nie udało się wysłać raportu o awarii.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Udostępnij</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Udostępnianie</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Skopiuj do schowka</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Zapisz obraz…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Zapisz obraz</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>Nie udało się zapisać obrazu jako %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>Nie udało się przygotować wiadomości e-mail.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>Nie udało się otworzyć programu pocztowego.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Napisz, co Ci się podoba, czego brakuje lub co nie zadziałało.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Wiadomość jest przechowywana w katalogu %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Wiadomość została zapisana w %@. Przyczyna:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Cambio zostało nieoczekiwanie zamknięte podczas ostatniego uruchomienia.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Wysłać raport o tym do %@? Mówi on, co program robił, gdy się zatrzymał; nie zawiera niczego, co zostało wpisane.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Raport o zdarzeniu jest przechowywany na tym komputerze, w katalogu %@. Nie jest nigdzie wysyłany: nie skonfigurowano adresu do wysyłania raportów.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>Pozostaje w %@ i zostanie zaproponowany ponownie przy następnym uruchomieniu. Przyczyna:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Kursy dołączone do Cambio pochodzą z API walut fawazahmed0/exchange-api (CC0 1.0). Granice państw pochodzą z country-coder (licencja ISC, zob. „%@”). Flagi to iso-flags-svg z Debiana (domena publiczna); flagi bitcoina, guldena karaibskiego i złota Zimbabwe są własne Cambio.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Wiadomość zostanie zachowana na tym komputerze, w katalogu %@. Nie jest nigdzie wysyłana: nie skonfigurowano adresu do wysyłania opinii.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Wiadomość zostanie wysłana do %@, a jej kopia zostanie zachowana na tym komputerze.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Brak kwoty do wklejenia.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Można wkleić tylko jedną kwotę naraz.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>„%@” nie jest kwotą.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Kwoty mają najwyżej %@ cyfr przed separatorem dziesiętnym.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>„%@” oznacza tu więcej niż jedną walutę.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>„%@” oznacza więcej niż jedną walutę.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ nie należy do pokazywanych walut.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Pozostaje wśród nowych raportów w %@ i zostanie zaproponowany ponownie przy następnym uruchomieniu. Przyczyna:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Pozostaje wśród jeszcze niewysłanych wiadomości w %@. Przyczyna:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Nie udało się odłożyć raportu o awarii.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>nie można utworzyć katalogu %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>Kursy mają %@</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>kursy z %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>odmówiono przekierowania do %@</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>pętla przekierowań</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>opuszcza HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>więcej niż %@ przekierowań</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ bez adresu docelowego</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>kompresja odpowiedzi jest uszkodzona lub po rozpakowaniu przekroczyłaby wszelkie granice</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>negocjacja TLS nie powiodła się: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>Składnia: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Przelicza kwoty według kursów Cambio i zmienia waluty pokazywane przez przelicznik. Kwoty są odczytywane i zapisywane zgodnie z bieżącymi ustawieniami regionalnymi; kody walut wielkimi lub małymi literami.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Polecenia:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>AMOUNT w FROM przeliczona na każdą TO albo na każdy wiersz przelicznika</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>przeliczenia, które wyszukiwanie pulpitu pokazuje dla TEXT, np. „100 usd in eur” lub „5 usd + 2 gbp in eur, jpy”</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>skopiowane podsumowanie wszystkich wierszy dla AMOUNT w FROM (bez FROM – w walucie głównej)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>wszystkie waluty z kursów wraz z nazwami; --available: tylko jeszcze niepokazywane; --filter: tylko te, które znajduje TEXT</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>waluty pokazywane przez przelicznik, po zmianie, jeśli ją podano</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>waluta główna, po ustawieniu jej na CODE albo na podążanie za krajem komputera</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>pobiera najnowsze kursy z serwera kursów</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>data kursów, a następnie kursy każdej waluty względem dolara amerykańskiego w obie strony; ich wiek trafia na stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>używa ustawień regionalnych ID dla kwot (na przykład de_DE lub ar_EG@numbers=latn dla cyfr od 0 do 9) zamiast bieżących</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>bez ostrzeżenia na stderr, że kursy są stare</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>wyświetla tę pomoc i kończy działanie</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>wyświetla wersję i kończy działanie</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Kod wyjścia: 0 po powodzeniu, 1 gdy operacja się nie powiodła, 2 przy błędnym wierszu poleceń.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ wymaga wartości</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>nieznana opcja: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 nie przyjmuje argumentów: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>nie podano polecenia (zob. cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 nie przyjmuje opcji %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>nieznane polecenie: %@ (zob. cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>to nie jest kwota: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert wymaga kwoty i waluty: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query wymaga tekstu: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>to nie jest przeliczenie: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>brak użytecznego kursu dla %@ w obowiązujących kursach</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>kwota zbyt duża, by ją przeliczyć na %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary wymaga kwoty: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>nie obowiązuje żadna waluta główna; podaj FROM lub ustaw ją poleceniem: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies nie przyjmuje waluty: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible przyjmuje jedną z postaci: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main przyjmuje jedną walutę lub --auto: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update nie przyjmuje argumentów</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>kursy nie zostały zaktualizowane</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>brak kursów: nie można odczytać ani pliku kursów, ani własnej kopii programu</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>wpis pliku kursów dla %@ jest nieużyteczny; pokazywane są własne kursy programu</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>wpis pliku kursów dla %@ jest nieużyteczny i został pominięty</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>nie można zapisać wyjścia</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>nie można zapisać wyjścia: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>nie podano ustawień regionalnych</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>nieznane ustawienia regionalne: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>to nie jest dziesiętny system liczbowy: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>nieobsługiwane słowo kluczowe ustawień regionalnych: %@ (obsługiwane są numbers i currency)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>Kursy mają %1: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>Kursy mają %@: serwer kursów nie ma nowszych kursów</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Udostępnia Cambio kursy walut pod %1, zebrane z Europejskiego Banku Centralnego i społecznościowego API walut, oraz stan każdego źródła pod %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>Każdą opcję oprócz --once można też ustawić w %@, każdą w osobnym wierszu „name = value”; wiersz poleceń ma pierwszeństwo.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>gdzie nasłuchiwać (domyślnie %1; %2 dla IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>dzienne kursy referencyjne banku centralnego (XML); %@ je wyłącza</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>tabela dolarowa API walut (JSON); powtórz dla adresów zapasowych; %@ ją wyłącza</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>tabela dla walut, których nie ma żadne źródło na żywo: dokument kursów lub odpowiedź JSON (domyślnie: własna tabela początkowa przelicznika)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>gdzie przechowywana jest ostatnia poprawna tabela (domyślnie %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>jak stare mogą być najnowsze kursy, by tabela uchodziła za aktualną (domyślnie %1; najwyżej %2, dziesięć lat)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>kończy działanie po takim czasie bez żądania, dla aktywacji przez gniazdo (domyślnie 0: nigdy; najwyżej %@, około 24 dni)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>pobiera raz, zapisuje tabelę jako JSON do FILE i kończy działanie; kod wyjścia 1, gdy żadne źródło na żywo nie odpowiedziało</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>to nie jest ustawienie: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 wymaga adresu URL http lub https: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 wymaga całkowitej liczby sekund od %2 do %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>nieoczekiwany argument: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 wymaga %2, np. %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ wymaga pliku</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (zob. cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;miesiąc</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 miesiące</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;rok</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 lat</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Wszystko</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Pobieranie…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>Pobieranie nie powiodło się: %@. Pokazano kursy zapisane na tym komputerze.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>Brak zapisanych kursów z tego okresu.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 za %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>w ciągu miesiąca</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>w ciągu trzech miesięcy</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>w ciągu roku</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>w ciągu pięciu lat</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>od %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: brak zapisanych kursów.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: tylko %2, %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: z %2 do %3, minimum %4 (%5), maksimum %6 (%7).</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>Brak kursów przed %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>Brak kursów po %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>Brak kursów od %1 do %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Zmiana: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>Minimum: %1 (%2)</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>Maksimum: %1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>historia kursów jest przechowywana tylko w pamięci, nie można użyć %@</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>zawiera tabele innego programu</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>jego schemat ma wersję %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>historia kursów zaczyna się od nowa, stary plik zachowano jako %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>nie udało się zachować kursów</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>odpowiedź nie zawiera historii żądanych walut</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>nie można pobrać historii kursów z %@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 za %2 od %3 do %4: od %5 do %6, minimum %7 dnia %8, maksimum %9 dnia %10, zmiana %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>pokazano kursy zachowane na tym komputerze</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>ile AGAINST (domyślnie waluty głównej) był wart jeden CODE każdego dnia, następnie minimum, maksimum i zmiana; domyślnie ostatnie 30 dni, najwyżej 10 lat; daty jako RRRR-MM-DD; --csv dla arkuszy kalkulacyjnych</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>odpowiedź nie jest tym, o co proszono</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>pełna historia banku centralnego (XML), przejmowana do historii jednorazowo; %@ to wyłącza</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history wymaga waluty: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history wymaga dwóch różnych walut: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days nie może wystąpić z --from ani --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days wymaga liczby dni: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>to nie jest data (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to wymaga --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>pierwszy dzień jest po ostatnim: %1 do %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>więcej niż %1 lat naraz: %2 do %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>brak kursów %1 względem %2 od %3 do %4</translation>
    </message>
</context>
</TS>
