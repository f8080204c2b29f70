<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Actualizando…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Actualizado: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>¿Hacer de %@ su moneda principal?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Parece que su equipo se encuentra ahora en otro país. Cambio puede mostrar la moneda de ese país en la primera fila.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio: el conversor de divisas para su escritorio</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Monedas</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Actualizar tipos de cambio</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Restablecer importes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Enviar comentarios…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>Acerca de Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Salir de Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Versión %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Tipos de cambio: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Tipos de cambio sin actualizar</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>No se pudo cambiar la moneda principal.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>no se pueden actualizar los tipos de cambio desde %1: %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>no se pudieron guardar los nuevos tipos de cambio en %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>la respuesta no es JSON: %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>la respuesta no es un objeto JSON de tipos de cambio</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>la respuesta no contiene ningún tipo de cambio utilizable</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>conexión rechazada</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>no se puede cargar un módulo: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>no se encontró el servidor %@</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>la conexión se cerró antes de recibir la respuesta completa</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>no es una dirección HTTP: %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>no es una dirección HTTP</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>respuesta mayor que %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>se agotó el tiempo de espera tras %@ s</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>no se puede escribir %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>otro programa mantuvo %@ bloqueado</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>no se puede bloquear %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>mayor que 1 MiB</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>se ignora la configuración de %@</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>moneda desconocida: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>ya visible: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>no es una moneda visible: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (fija)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>Según la ubicación: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Añadir moneda</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Monedas disponibles</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL indica este servidor durante esta sesión.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio y cambio-cli piden los nuevos tipos de cambio a este servidor. Déjelo vacío para usar el servidor de este equipo.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Cambiar la moneda principal</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Cambiar el formato de número</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambiar…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Elija una moneda para añadirla al conversor.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Elija cómo se escriben los importes.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Arrastre una moneda, o pulse Alt+Arriba o Alt+Abajo, para cambiar el orden.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Seguir la ubicación</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Seguir la ubicación del equipo</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Moneda principal</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Moneda principal:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Formato de número</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Formatos de número</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Formato de número:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Los importes se escriben así: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Paneles</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Servidor de tipos de cambio</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Servidor de tipos de cambio:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Tipos de cambio</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Tipos de cambio:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Quitar moneda</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Buscar monedas</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Buscar formatos de número</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Buscar por código o nombre</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Buscar por idioma o región</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Sistema (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>No se pudo guardar el cambio: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>El conversor muestra estas monedas debajo de la principal, en este orden.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>La moneda principal aparece en la parte superior del conversor.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Monedas visibles</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Cuando el equipo está en otro país, Cambio ofrece convertir la moneda de ese país en la principal.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Correo electrónico:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensaje:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatorio</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Enviando…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Introduzca su dirección de correo electrónico.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Esta dirección de correo electrónico no está completa.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Escriba un mensaje.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>No se pudo guardar su mensaje: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Gracias por sus comentarios.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>No se pudieron enviar sus comentarios.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Se han enviado.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Enviar informe</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>No enviar</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Enviar siempre</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>No se pudo enviar el informe de fallo.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copiar al portapapeles</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>No se pudo guardar la imagen como %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>No se pudo preparar el correo electrónico.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>No se pudo abrir el programa de correo.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Cuéntenos qué le gusta, qué falta o qué ha fallado.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Su mensaje se conserva en la carpeta %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Su mensaje está guardado en %@. El motivo:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Cambio se cerró inesperadamente la última vez que se ejecutó.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>¿Quiere enviar un informe a %@? Indica qué estaba haciendo el programa cuando se detuvo; no contiene nada de lo que haya escrito.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Se conserva un informe de lo ocurrido en este equipo, en la carpeta %@. No se envía a ningún sitio: no se ha configurado ninguna dirección para enviar informes.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>Permanece en %@ y se volverá a ofrecer en el próximo inicio. El motivo:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Los tipos de cambio incluidos en Cambio proceden de la API de divisas fawazahmed0/exchange-api (CC0 1.0). Las fronteras de los países proceden de country-coder (licencia ISC, véase «%@»). Las banderas son iso-flags-svg de Debian (dominio público); las banderas del bitcóin, el florín caribeño y el oro de Zimbabue son propias de Cambio.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Su mensaje se conservará en este equipo, en la carpeta %@. No se envía a ningún sitio: no se ha configurado ninguna dirección para enviar comentarios.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Su mensaje se enviará a %@ y se conservará una copia en este equipo.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>No hay ningún importe que pegar.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Solo se puede pegar un importe a la vez.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>«%@» no es un importe.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Los importes tienen como máximo %@ cifras antes del separador decimal.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>«%@» representa aquí más de una moneda.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>«%@» designa más de una moneda.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ no está entre las monedas mostradas.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Permanece con los informes nuevos en %@ y se volverá a ofrecer en el próximo inicio. El motivo:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Permanece con los mensajes aún no enviados en %@. El motivo:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>No se pudo apartar el informe de fallo.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>no se puede crear la carpeta %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>Los tipos de cambio tienen %@ de antigüedad</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>tipos de cambio del %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>redirección a %@ rechazada</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>bucle de redirecciones</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>abandona HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>más de %@ redirecciones</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ sin destino</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>la compresión de la respuesta está dañada o al descomprimirla superaría cualquier límite</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>falló el protocolo de enlace TLS: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>Modo de empleo: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Convierte importes con los tipos de cambio de Cambio y cambia las monedas que muestra el conversor. Los importes se leen y escriben en la configuración regional actual; los códigos de moneda, en mayúsculas o minúsculas.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Órdenes:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>AMOUNT en FROM convertido a cada TO, o a cada fila del conversor</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>las conversiones que la búsqueda del escritorio muestra para TEXT, como «100 usd in eur» o «5 usd + 2 gbp in eur, jpy»</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>el resumen copiado de todas las filas para AMOUNT en FROM (la moneda principal si no se da FROM)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>todas las monedas de los tipos de cambio con su nombre; --available: solo las aún no mostradas; --filter: solo las que encuentra TEXT</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>las monedas que muestra el conversor, tras el cambio si se indica uno</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>la moneda principal, tras fijarla en CODE o dejar que siga el país del equipo</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>obtiene los últimos tipos de cambio del servidor de tipos de cambio</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>la fecha de los tipos de cambio y después los tipos de cada moneda desde y hacia el dólar estadounidense; su antigüedad va a stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>usar la configuración regional ID para los importes (por ejemplo de_DE, o ar_EG@numbers=latn para las cifras 0 a 9) en lugar de la actual</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>sin aviso en stderr de que los tipos de cambio son antiguos</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>muestra esta ayuda y finaliza</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>informa de la versión y finaliza</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Estado de salida: 0 si todo fue bien, 1 si la operación falló, 2 si la línea de órdenes es incorrecta.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ no admite ningún valor</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ necesita un valor</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>opción desconocida: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 no admite argumentos: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>no se ha indicado ninguna orden (véase cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 no admite la opción %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>orden desconocida: %@ (véase cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>no es un importe: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert necesita un importe y una moneda: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query necesita un texto: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>no es una conversión: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>no hay ningún tipo de cambio utilizable para %@ en los tipos vigentes</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>importe demasiado grande para convertirlo a %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary necesita un importe: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>no hay ninguna moneda principal vigente; indique FROM o fije una con: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies no admite ninguna moneda: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible admite una de estas formas: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main admite una moneda o --auto: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update no admite argumentos</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>no se actualizaron los tipos de cambio</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>no hay tipos de cambio: no se puede leer ni el archivo de tipos de cambio ni la copia propia del programa</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>la entrada del archivo de tipos de cambio para %@ es inutilizable; se muestran los tipos propios del programa</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>la entrada del archivo de tipos de cambio para %@ es inutilizable y se omite</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>no se puede escribir la salida</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>no se puede escribir la salida: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>no se ha indicado ninguna configuración regional</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>configuración regional desconocida: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>no es un sistema de numeración decimal: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>palabra clave de configuración regional no admitida: %@ (sí lo son numbers y currency)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>Los tipos de cambio tienen %1 de antigüedad: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>Los tipos de cambio tienen %@ de antigüedad: el servidor de tipos de cambio no tiene tipos más recientes</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Sirve tipos de cambio a Cambio en %1, reunidos del Banco Central Europeo y de la API comunitaria de monedas, y el estado de cada fuente en %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>Todas las opciones salvo --once pueden definirse también en %@, una línea «name = value» cada una; prevalece la línea de órdenes.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>dónde escuchar (predeterminado %1; %2 para IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>los tipos de referencia diarios del banco central (XML); %@ los desactiva</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>la tabla en dólares de la API de monedas (JSON); repítala para direcciones de reserva; %@ la desactiva</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>la tabla para las monedas que no tiene ninguna fuente en vivo: un documento de tipos de cambio o una respuesta JSON (predeterminado: la tabla inicial del propio conversor)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>dónde se guarda la última tabla válida (predeterminado %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>antigüedad máxima de los tipos más recientes para que la tabla se considere actual (predeterminado %1; como máximo %2, diez años)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>salir tras ese tiempo sin peticiones, para la activación por socket (predeterminado 0: nunca; como máximo %@, unos 24 días)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>obtener una vez, escribir la tabla en JSON en FILE y salir; estado de salida 1 si no respondió ninguna fuente en vivo</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>no es un ajuste: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 necesita un URL http o https: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 necesita un número entero de segundos de %2 a %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>argumento inesperado: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 necesita %2, como %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ necesita un archivo</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (véase cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;mes</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 meses</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;año</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 años</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Todo</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Descargando…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>La descarga falló: %@. Se muestran los tipos de cambio guardados en este equipo.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>No hay tipos de cambio guardados para este período.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 por %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>en un mes</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>en tres meses</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>en un año</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>en cinco años</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>desde el %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: no hay tipos de cambio guardados.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: solo %2, el %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: de %2 a %3, mínimo %4 el %5, máximo %6 el %7.</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>No hay tipos de cambio antes del %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>No hay tipos de cambio después del %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>No hay tipos de cambio del %1 al %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Variación: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>Mínimo: %1 el %2</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>Máximo: %1 el %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>el historial de tipos de cambio solo se guarda en memoria, %@ no se puede usar</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>contiene las tablas de otro programa</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>su esquema es de la versión %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>el historial de tipos de cambio empieza de nuevo, el archivo anterior se guarda como %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>no se pudieron guardar los tipos de cambio</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>la respuesta no contiene el historial de las monedas pedidas</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>no se puede descargar el historial de tipos de cambio de %@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 por %2 del %3 al %4: de %5 a %6, mínimo %7 el %8, máximo %9 el %10, variación %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>se muestran los tipos de cambio guardados en este equipo</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>cuánto AGAINST (la moneda principal si no se indica) valía un CODE cada día, luego el mínimo, el máximo y la variación; por omisión los últimos 30 días, como máximo 10 años; fechas como AAAA-MM-DD; --csv para hojas de cálculo</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>la respuesta no es lo que se pidió</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>el historial completo del banco central (XML), incorporado una vez al historial; %@ lo desactiva</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history necesita una moneda: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history necesita dos monedas distintas: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days no puede ir con --from ni con --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days necesita un número de días: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>no es una fecha (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to necesita --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>el primer día es posterior al último: %1 a %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>más de %1 años a la vez: %2 a %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>no hay tipos de cambio de %1 frente a %2 del %3 al %4</translation>
    </message>
</context>
</TS>
