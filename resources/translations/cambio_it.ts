<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Aggiornamento…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Aggiornato: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>Rendere %@ la valuta principale?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Sembra che il computer ora si trovi in un altro paese. Cambio può mostrare la valuta di quel paese nella prima riga.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – il convertitore di valute per il tuo desktop</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Valute</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Aggiorna tassi</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Azzera importi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizza</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copia tutto</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferenze…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Invia commenti…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Informazioni su Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Esci da Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versione %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Tassi: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Tassi non aggiornati</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>Impossibile cambiare la valuta principale.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>impossibile aggiornare i tassi da %1: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>impossibile salvare i nuovi tassi in %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>la risposta non è JSON: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>la risposta non è un oggetto JSON di tassi</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>la risposta non contiene alcun tasso utilizzabile</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connessione rifiutata</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>impossibile caricare un modulo: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>host %@ non trovato</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>connessione chiusa prima che arrivasse la risposta completa</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>non è un indirizzo HTTP: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>non è un indirizzo HTTP</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>risposta più grande di %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>tempo scaduto dopo %@ s</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>impossibile scrivere %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>un altro programma ha tenuto bloccato %@</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>impossibile bloccare %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>non è un file regolare</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>più grande di 1 MiB</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>le impostazioni in %@ vengono ignorate</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>valuta sconosciuta: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>già visibile: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>non è una valuta visibile: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (fissa)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>Segue la posizione: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Aggiungi valuta</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Valute disponibili</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL indica questo server per questa sessione.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio e cambio-cli chiedono i nuovi tassi a questo server. Lascia vuoto per usare il server di questo computer.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Cambia valuta principale</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Cambia formato dei numeri</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambia…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Scegli una valuta da aggiungere al convertitore.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Scegli come scrivere gli importi.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Trascina una valuta, o premi Alt+Su o Alt+Giù, per cambiare l’ordine.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Segui la posizione</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Segui la posizione del computer</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Valuta principale</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Valuta principale:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Formato dei numeri</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Formati dei numeri</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Formato dei numeri:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Gli importi appaiono così: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Pannelli</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Server dei tassi</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Server dei tassi:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Tassi</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Tassi:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Rimuovi valuta</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Cerca valute</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Cerca formati dei numeri</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Cerca per codice o nome</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Cerca per lingua o regione</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Sistema (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>Impossibile salvare la modifica: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>Il convertitore mostra queste valute sotto quella principale, in quest’ordine.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>La valuta principale sta in cima al convertitore.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Valute visibili</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Quando il computer si trova in un altro paese, Cambio propone di renderne la valuta quella principale.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Invia commenti</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Email:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Messaggio:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obbligatorio</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facoltativo</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Invio in corso…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Inserisci il tuo indirizzo email.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Questo indirizzo email non è completo.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Scrivi un messaggio.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>Impossibile salvare il messaggio: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Grazie per i tuoi commenti.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Impossibile inviare i commenti.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Sono stati inviati.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Invia segnalazione</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Non inviare</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Invia sempre</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Impossibile inviare la segnalazione di crash.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Condivisione</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copia negli appunti</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Salva immagine…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>Impossibile salvare l’immagine come %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>Impossibile preparare l’email.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>Impossibile aprire il programma di posta.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Dicci cosa ti piace, cosa manca o cosa non ha funzionato.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Il tuo messaggio è conservato nella cartella %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Il tuo messaggio è salvato in %@. Il motivo:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>L’ultima volta Cambio è terminato inaspettatamente.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Vuoi inviarne una segnalazione a %@? Indica cosa stava facendo il programma quando si è fermato; non contiene nulla di ciò che hai digitato.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Una segnalazione dell’accaduto è conservata su questo computer, nella cartella %@. Non viene inviata da nessuna parte: non è stato configurato alcun indirizzo a cui inviare le segnalazioni.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>Resta in %@ e verrà proposta di nuovo al prossimo avvio. Il motivo:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>I tassi forniti con Cambio provengono dall’API di valute fawazahmed0/exchange-api (CC0 1.0). I confini dei paesi provengono da country-coder (licenza ISC, vedi «%@»). Le bandiere sono iso-flags-svg di Debian (pubblico dominio); le bandiere del bitcoin, del fiorino caraibico e dell’oro dello Zimbabwe sono di Cambio.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Il tuo messaggio verrà conservato su questo computer, nella cartella %@. Non viene inviato da nessuna parte: non è stato configurato alcun indirizzo a cui inviare i commenti.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Il tuo messaggio verrà inviato a %@ e una copia verrà conservata su questo computer.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Non c’è alcun importo da incollare.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Si può incollare un solo importo alla volta.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>«%@» non è un importo.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Gli importi hanno al massimo %@ cifre prima del separatore decimale.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>«%@» indica qui più di una valuta.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>«%@» indica più di una valuta.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ non è tra le valute mostrate.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Resta con le nuove segnalazioni in %@ e verrà proposta di nuovo al prossimo avvio. Il motivo:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Resta con i messaggi non ancora inviati in %@. Il motivo:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Impossibile mettere da parte la segnalazione di crash.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>impossibile creare la cartella %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>I tassi risalgono a %@ fa</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>tassi del %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>reindirizzamento a %@ rifiutato</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>ciclo di reindirizzamenti</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>abbandona HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>più di %@ reindirizzamenti</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ senza destinazione</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>la compressione della risposta è danneggiata o decomprimerla supererebbe ogni limite</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>handshake TLS non riuscito: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>Uso: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Converte importi con i tassi di Cambio e cambia le valute che il convertitore mostra. Gli importi sono letti e scritti nella localizzazione corrente; i codici di valuta in maiuscolo o minuscolo.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Comandi:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>AMOUNT in FROM convertito in ogni TO, o in ogni riga del convertitore</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>le conversioni che la ricerca del desktop mostra per TEXT, come «100 usd in eur» o «5 usd + 2 gbp in eur, jpy»</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>il riepilogo copiato di tutte le righe per AMOUNT in FROM (la valuta principale senza FROM)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>ogni valuta dei tassi con il suo nome; --available: solo quelle non ancora mostrate; --filter: solo quelle che TEXT trova</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>le valute che il convertitore mostra, dopo la modifica se ne viene indicata una</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>la valuta principale, dopo averla fissata a CODE o lasciata seguire il paese del computer</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>scarica i tassi più recenti dal server dei tassi</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>la data dei tassi, poi i tassi di ogni valuta da e verso il dollaro statunitense; la loro età va su stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>usa la localizzazione ID per gli importi (per esempio de_DE, o ar_EG@numbers=latn per le cifre da 0 a 9) invece di quella corrente</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>nessun avviso su stderr che i tassi sono vecchi</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostra questo aiuto ed esce</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostra la versione ed esce</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Stato di uscita: 0 se riuscito, 1 se l’operazione non è riuscita, 2 per una riga di comando errata.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ non accetta valori</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ richiede un valore</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>opzione sconosciuta: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 non accetta argomenti: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>nessun comando indicato (vedere cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 non accetta l’opzione %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>comando sconosciuto: %@ (vedere cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>non è un importo: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert richiede un importo e una valuta: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query richiede un testo: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>non è una conversione: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>nessun tasso utilizzabile per %@ nei tassi in vigore</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>importo troppo grande da convertire in %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary richiede un importo: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>nessuna valuta principale in vigore; indicare FROM o fissarne una con: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies non accetta valute: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible accetta una di queste forme: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main accetta una valuta o --auto: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update non accetta argomenti</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>i tassi non sono stati aggiornati</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>nessun tasso: non è possibile leggere né il file dei tassi né la copia del programma</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>la voce del file dei tassi per %@ non è utilizzabile; sono mostrati i tassi del programma</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>la voce del file dei tassi per %@ non è utilizzabile ed è tralasciata</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossibile scrivere l’output</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>impossibile scrivere l’output: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>nessuna localizzazione indicata</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>localizzazione sconosciuta: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>non è un sistema di numerazione decimale: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>parola chiave della localizzazione non supportata: %@ (numbers e currency lo sono)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>I tassi risalgono a %1 fa: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>I tassi risalgono a %@ fa: il server dei tassi non ha tassi più recenti</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Fornisce a Cambio tassi di cambio su %1, raccolti dalla Banca centrale europea e dall’API comunitaria delle valute, e lo stato di ogni fonte su %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>Ogni opzione tranne --once può essere impostata anche in %@, una riga «name = value» ciascuna; la riga di comando ha la precedenza.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>dove restare in ascolto (predefinito %1; %2 per IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>i tassi di riferimento giornalieri della banca centrale (XML); %@ li disattiva</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>la tabella in dollari dell’API delle valute (JSON); ripetere per indirizzi di riserva; %@ la disattiva</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>la tabella per le valute che nessuna fonte in tempo reale fornisce: un documento dei tassi o una risposta JSON (predefinito: la tabella iniziale del convertitore)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>dove è conservata l’ultima tabella valida (predefinito %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>quanto possono essere vecchi i tassi più recenti perché la tabella sia considerata attuale (predefinito %1; al massimo %2, dieci anni)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>esce dopo tanto tempo senza richieste, per l’attivazione tramite socket (predefinito 0: mai; al massimo %@, circa 24 giorni)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>scarica una volta, scrive la tabella in JSON in FILE ed esce; stato di uscita 1 se nessuna fonte in tempo reale ha risposto</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>non è un’impostazione: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 richiede un URL http o https: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 richiede un numero intero di secondi da %2 a %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>argomento inatteso: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 richiede %2, come %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ richiede un file</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (vedere cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Storico</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;mese</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 mesi</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;anno</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 anni</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tutto</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Download in corso…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>Il download non è riuscito: %@. Sono mostrati i tassi conservati su questo computer.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>Nessun tasso conservato per questo periodo.</translation>
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
        <translation>in un mese</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>in tre mesi</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>in un anno</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>in cinque anni</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>dal %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: nessun tasso conservato.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: solo %2, il %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: da %2 a %3, minimo %4 il %5, massimo %6 il %7.</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>Nessun tasso prima del %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>Nessun tasso dopo il %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>Nessun tasso dal %1 al %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Variazione: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>Minimo: %1 il %2</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>Massimo: %1 il %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>lo storico dei tassi è tenuto solo in memoria, %@ non è utilizzabile</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>contiene le tabelle di un altro programma</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>il suo schema è della versione %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>lo storico dei tassi ricomincia da capo, il vecchio file è conservato come %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>non è stato possibile conservare i tassi</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>la risposta non contiene lo storico delle valute richieste</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>impossibile scaricare lo storico dei tassi da %@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 per %2 dal %3 al %4: da %5 a %6, minimo %7 il %8, massimo %9 il %10, variazione %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>sono mostrati i tassi conservati su questo computer</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>quanto AGAINST (la valuta principale se non indicata) valeva un CODE ogni giorno, poi il minimo, il massimo e la variazione; in mancanza gli ultimi 30 giorni, al massimo 10 anni; date come AAAA-MM-GG; --csv per i fogli di calcolo</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>la risposta non è ciò che è stato chiesto</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>lo storico completo della banca centrale (XML), acquisito una volta nello storico; %@ lo disattiva</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history richiede una valuta: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history richiede due valute diverse: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days non può essere usato con --from o --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days richiede un numero di giorni: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>non è una data (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to richiede --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>il primo giorno viene dopo l'ultimo: dal %1 al %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>più di %1 anni alla volta: dal %2 al %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>nessun tasso di %1 rispetto a %2 dal %3 al %4</translation>
    </message>
</context>
</TS>
