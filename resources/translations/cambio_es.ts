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
        <source>cannot update the rates from %@</source>
        <translation>no se pueden actualizar los tipos de cambio desde %@</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>el servidor de tipos de cambio no tiene tipos más recientes</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>la respuesta no es lo que se pidió</translation>
    </message>
</context>
</TS>
