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
        <source>cannot update the rates from %@</source>
        <translation>impossibile aggiornare i tassi da %@</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>il server dei tassi non ha tassi più recenti</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>la risposta non è ciò che è stato chiesto</translation>
    </message>
</context>
</TS>
