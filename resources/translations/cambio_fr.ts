<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>Mise à jour…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>Mise à jour : %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>Faire de %@ votre devise principale ?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>Votre ordinateur semble se trouver maintenant dans un autre pays. Cambio peut afficher la devise de ce pays sur la première ligne.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>Cambio – le convertisseur de devises de votre bureau</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Devises</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>Actualiser les taux</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>Effacer les montants</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Envoyer des commentaires…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>À propos de Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>Quitter Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>Version %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>Taux : %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>Taux non mis à jour</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>La devise principale n’a pas pu être changée.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>impossible d’actualiser les taux depuis %1 : %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>les nouveaux taux n’ont pas pu être enregistrés dans %@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>la réponse n’est pas du JSON : %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>la réponse n’est pas un objet JSON de taux</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>la réponse ne contient aucun taux utilisable</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>connexion refusée</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>un module ne peut pas être chargé : %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>hôte %@ introuvable</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>connexion fermée avant la réception de la réponse complète</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>pas une adresse HTTP : %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>pas une adresse HTTP</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>réponse plus grande que %@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>délai dépassé après %@ s</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>impossible d’écrire %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>un autre programme a gardé %@ verrouillé</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>impossible de verrouiller %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>plus grand que 1 Mio</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>les réglages de %@ sont ignorés</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>devise inconnue : %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>déjà affichée : %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>pas une devise affichée : %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>%@ (fixe)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>Suit la position : %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>Ajouter une devise</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>Devises disponibles</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>CAMBIO_RATES_URL désigne ce serveur pour cette session.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>Cambio et cambio-cli demandent les nouveaux taux à ce serveur. Laissez vide pour le serveur de cet ordinateur.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>Changer la devise principale</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>Changer le format des nombres</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Changer…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>Choisissez une devise à ajouter au convertisseur.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>Choisissez comment les montants s’écrivent.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>Faites glisser une devise, ou appuyez sur Alt+Haut ou Alt+Bas, pour changer l’ordre.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>Suivre la position</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>Suivre la position de l’ordinateur</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>Devise principale</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>Devise principale :</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>Format des nombres</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>Formats des nombres</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>Format des nombres :</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>Les montants s’écrivent ainsi : %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>Panneaux</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>Serveur de taux</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>Serveur de taux :</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>Taux</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>Taux :</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>Actualiser maintenant</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>Retirer la devise</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>Rechercher des devises</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>Rechercher des formats</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>Rechercher par code ou par nom</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>Rechercher par langue ou par région</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>Système (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>La modification n’a pas pu être enregistrée : %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>Le convertisseur affiche ces devises sous la devise principale, dans cet ordre.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>La devise principale figure en haut du convertisseur.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>Devises affichées</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>Quand l’ordinateur se trouve dans un autre pays, Cambio propose d’en faire la devise principale.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Envoyer des commentaires</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>Courriel :</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message :</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>Obligatoire</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>Envoi…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>Veuillez saisir votre adresse électronique.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>Cette adresse électronique est incomplète.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>Veuillez écrire un message.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>Votre message n’a pas pu être enregistré : %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>Merci pour vos commentaires.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>Vos commentaires n’ont pas pu être envoyés.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>Ils ont été envoyés.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>Envoyer le rapport</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Ne pas envoyer</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>Toujours envoyer</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>Le rapport de plantage n’a pas pu être envoyé.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Partage</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>Copier dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>Enregistrer l’image…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>L’image n’a pas pu être enregistrée sous %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>Le courriel n’a pas pu être préparé.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>Le logiciel de messagerie n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>Dites-nous ce qui vous plaît, ce qui manque ou ce qui n’a pas fonctionné.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>Votre message est conservé dans le dossier %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>Votre message est enregistré dans %@. La raison :</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>Cambio a quitté inopinément lors de sa dernière exécution.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>Voulez-vous en envoyer un rapport à %@ ? Il indique ce que faisait le programme quand il s’est arrêté ; il ne contient rien de ce que vous avez saisi.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>Un rapport de l’incident est conservé sur cet ordinateur, dans le dossier %@. Il n’est envoyé nulle part : aucune adresse d’envoi des rapports n’a été configurée.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>Il reste dans %@ et sera proposé de nouveau au prochain démarrage. La raison :</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>Les taux fournis avec Cambio proviennent de l’API de devises fawazahmed0/exchange-api (CC0 1.0). Les frontières des pays proviennent de country-coder (licence ISC, voir « %@ »). Les drapeaux sont ceux d’iso-flags-svg de Debian (domaine public) ; les drapeaux du bitcoin, du florin caribéen et de l’or du Zimbabwe sont propres à Cambio.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>Votre message sera conservé sur cet ordinateur, dans le dossier %@. Il n’est envoyé nulle part : aucune adresse d’envoi des commentaires n’a été configurée.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>Votre message sera envoyé à %@, et une copie conservée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>Il n’y a aucun montant à coller.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>Un seul montant peut être collé à la fois.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>« %@ » n’est pas un montant.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>Les montants ont au plus %@ chiffres avant le séparateur décimal.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>« %@ » désigne ici plus d’une devise.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>« %@ » désigne plus d’une devise.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>%@ ne fait pas partie des devises affichées.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>Il reste avec les nouveaux rapports dans %@ et sera proposé de nouveau au prochain démarrage. La raison :</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>Il reste avec les messages pas encore envoyés dans %@. La raison :</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>Le rapport de plantage n’a pas pu être mis de côté.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>impossible de créer le dossier %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>Les taux ont %@</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>taux du %@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>redirection vers %@ refusée</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>boucle de redirections</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>elle quitte HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>plus de %@ redirections</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ sans destination</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>la compression de la réponse est endommagée ou la décompresser dépasserait toute limite</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>échec de la négociation TLS : %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>Utilisation : %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>Convertit des montants avec les taux de Cambio et modifie les devises qu’affiche le convertisseur. Les montants sont lus et écrits dans les paramètres régionaux en cours ; les codes de devise, dans n’importe quelle casse.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Commandes :</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>AMOUNT en FROM converti dans chaque TO, ou dans chaque ligne du convertisseur</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>les conversions que la recherche du bureau affiche pour TEXT, comme « 100 usd in eur » ou « 5 usd + 2 gbp in eur, jpy »</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>le résumé copié de toutes les lignes pour AMOUNT en FROM (la devise principale sans FROM)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>toutes les devises des taux avec leur nom ; --available : seulement celles pas encore affichées ; --filter : seulement celles que TEXT trouve</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>les devises qu’affiche le convertisseur, après la modification s’il y en a une</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>la devise principale, après l’avoir fixée à CODE ou laissée suivre le pays de l’ordinateur</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>récupère les derniers taux du serveur de taux</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>la date des taux, puis les taux de chaque devise depuis et vers le dollar américain ; leur âge sur stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>utiliser les paramètres régionaux ID pour les montants (par exemple de_DE, ou ar_EG@numbers=latn pour les chiffres 0 à 9) au lieu de ceux en cours</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>pas d’avertissement sur stderr si les taux sont anciens</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>Code de sortie : 0 en cas de réussite, 1 si l’opération a échoué, 2 pour une ligne de commande incorrecte.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>%@ ne prend pas de valeur</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>%@ nécessite une valeur</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>option inconnue : %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>%1 ne prend pas d’arguments : %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>aucune commande indiquée (voir cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>%1 ne prend pas l’option %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>commande inconnue : %@ (voir cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>pas un montant : %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>convert nécessite un montant et une devise : %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>query nécessite un texte : %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>pas une conversion : %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>aucun taux utilisable pour %@ dans les taux en vigueur</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>montant trop grand pour être converti en %@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>summary nécessite un montant : %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>aucune devise principale en vigueur ; indiquez FROM ou fixez-en une avec : %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>currencies ne prend pas de devise : %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>visible prend l’une de ces formes : %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>main prend une devise ou --auto : %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>update ne prend pas d’arguments</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>les taux n’ont pas été mis à jour</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>aucun taux : ni le fichier des taux ni la copie propre au programme ne peuvent être lus</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>l’entrée du fichier des taux pour %@ est inutilisable ; les taux propres au programme sont affichés</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>l’entrée du fichier des taux pour %@ est inutilisable et omise</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>impossible d’écrire la sortie</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>impossible d’écrire la sortie : %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>aucuns paramètres régionaux indiqués</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>paramètres régionaux inconnus : %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>pas un système de numération décimal : %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>mot-clé de paramètres régionaux non pris en charge : %@ (numbers et currency le sont)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>Les taux ont %1 : %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>Les taux ont %@ : le serveur de taux n’a pas de taux plus récents</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>Sert à Cambio des taux de change sur %1, rassemblés auprès de la Banque centrale européenne et de l’API communautaire de devises, et l’état de chaque source sur %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>Toute option sauf --once peut aussi être définie dans %@, une ligne « name = value » chacune ; la ligne de commande l’emporte.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>où écouter (par défaut %1 ; %2 pour IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>les taux de référence quotidiens de la banque centrale (XML) ; %@ les désactive</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>la table en dollars de l’API de devises (JSON) ; à répéter pour des adresses de repli ; %@ la désactive</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>la table des devises qu’aucune source en direct ne fournit : un document de taux ou une réponse JSON (par défaut : la table initiale du convertisseur)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>où la dernière table valide est conservée (par défaut %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>âge maximal des taux les plus récents pour que la table soit à jour (par défaut %1 ; au plus %2, dix ans)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>quitter après cette durée sans requête, pour l’activation par socket (par défaut 0 : jamais ; au plus %@, environ 24 jours)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>récupérer une fois, écrire la table en JSON dans FILE et quitter ; code de sortie 1 si aucune source en direct n’a répondu</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>pas un réglage : %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>%1 nécessite une URL http ou https : %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>%1 nécessite un nombre entier de secondes entre %2 et %3 : %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>argument inattendu : %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>%1 nécessite %2, par exemple %3 : %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>%@ nécessite un fichier</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (voir cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>1 &amp;mois</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 mois</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>1 &amp;an</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 ans</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>Le téléchargement a échoué : %@. Les taux affichés sont ceux conservés sur cet ordinateur.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>Aucun taux n’est conservé pour cette période.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 par %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>sur un mois</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>sur trois mois</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>sur un an</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>sur cinq ans</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>depuis le %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1 : aucun taux n’est conservé.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1 : seulement %2, le %3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1 : de %2 à %3, plus bas %4 le %5, plus haut %6 le %7.</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>Aucun taux avant le %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>Aucun taux après le %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>Aucun taux du %1 au %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>Variation : %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>Plus bas : %1 le %2</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>Plus haut : %1 le %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>l’historique des taux n’est gardé qu’en mémoire, %@ est inutilisable</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>il contient les tables d’un autre programme</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>son schéma est de version %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>l’historique des taux repart de zéro, l’ancien fichier est gardé sous %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>les taux n’ont pas pu être gardés</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>la réponse ne contient l’historique d’aucune des devises demandées</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>impossible de télécharger l’historique des taux depuis %@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 par %2 du %3 au %4 : de %5 à %6, plus bas %7 le %8, plus haut %9 le %10, variation %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>affichage des taux gardés sur cet ordinateur</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>combien de AGAINST (la devise principale si non précisée) valait un CODE chaque jour, puis le plus bas, le plus haut et la variation ; par défaut les 30 derniers jours, au plus 10 ans ; dates au format AAAA-MM-JJ ; --csv pour les tableurs</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>la réponse n’est pas ce qui était demandé</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>l’historique complet de la banque centrale (XML), repris une fois dans l’historique ; %@ le désactive</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history nécessite une devise : %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history nécessite deux devises différentes : %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>--days ne peut pas aller avec --from ou --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days nécessite un nombre de jours : %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>pas une date (YYYY-MM-DD) : %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to nécessite --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>le premier jour vient après le dernier : %1 au %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>plus de %1 ans à la fois : %2 au %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>aucun taux de %1 contre %2 du %3 au %4</translation>
    </message>
</context>
</TS>
