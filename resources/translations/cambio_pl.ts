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
        <source>cannot update the rates from %@</source>
        <translation>nie można zaktualizować kursów z %@</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>serwer kursów nie ma nowszych kursów</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>odpowiedź nie jest tym, o co proszono</translation>
    </message>
</context>
</TS>
