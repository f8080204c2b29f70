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
        <source>cannot update the rates from %@</source>
        <translation>impossible d’actualiser les taux depuis %@</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>le serveur de taux n’a pas de taux plus récents</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>la réponse n’est pas ce qui était demandé</translation>
    </message>
</context>
</TS>
