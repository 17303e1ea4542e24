<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Assistant série Korvel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A serial terminal for Korvel&apos;s USB sensors and other devices that talk JSON or text over a serial line.</source>
        <translation>Un terminal série pour les capteurs USB de Korvel et les autres appareils qui échangent du JSON ou du texte sur une liaison série.</translation>
    </message>
    <message>
        <source>Build time</source>
        <translation>Date de compilation</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License v3 (LGPLv3). Qt is a trademark of The Qt Company Ltd. Qt is linked dynamically: its libraries may be replaced with a compatible LGPLv3 build.</source>
        <translation>Conçu avec Qt %1, utilisé selon les termes de la licence publique générale limitée GNU v3 (LGPLv3). Qt est une marque de The Qt Company Ltd. Qt est lié dynamiquement&#xa0;: ses bibliothèques peuvent être remplacées par une version compatible sous LGPLv3.</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>%1 bytes that had not gone out yet were discarded.</source>
        <translation>%1 octets en attente d&apos;envoi ont été abandonnés.</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1; changes last only until the application ends.</source>
        <translation>Impossible d&apos;enregistrer les paramètres dans %1&#xa0;; les modifications ne dureront que jusqu&apos;à la fermeture de l&apos;application.</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>Le port n&apos;est pas ouvert — cliquez d&apos;abord sur «&#xa0;Ouvrir le port&#xa0;».</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; started — %2 step(s).</source>
        <translation>Lot «&#xa0;%1&#xa0;» démarré — %2 étape(s).</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; stopped.</source>
        <translation>Lot «&#xa0;%1&#xa0;» arrêté.</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; finished.</source>
        <translation>Lot «&#xa0;%1&#xa0;» terminé.</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>Saisissez un nom de fichier.</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;, &quot;\&quot; or control characters.</source>
        <translation>Un nom de fichier ne peut contenir ni «&#xa0;/&#xa0;», ni «&#xa0;\&#xa0;», ni caractères de contrôle.</translation>
    </message>
    <message>
        <source>Choose a folder for the log.</source>
        <translation>Choisissez un dossier pour le journal.</translation>
    </message>
    <message>
        <source>The log could not be written to %1.</source>
        <translation>Impossible d&apos;écrire le journal dans %1.</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>Journal enregistré dans %1</translation>
    </message>
    <message>
        <source>The continuous log %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le journal continu %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Type the path of a serial device first.</source>
        <translation>Saisissez d&apos;abord le chemin d&apos;un périphérique série.</translation>
    </message>
    <message>
        <source>%1 reconnected · %2</source>
        <translation>%1 reconnecté · %2</translation>
    </message>
    <message>
        <source>Not sent: &quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>Non envoyé&#xa0;: «&#xa0;%1&#xa0;» à la position %2 n&apos;est pas un chiffre hexadécimal.</translation>
    </message>
    <message>
        <source>Not sent: the draft holds no hex digits.</source>
        <translation>Non envoyé&#xa0;: le texte ne contient aucun chiffre hexadécimal.</translation>
    </message>
    <message>
        <source>Sent; not kept in the history, as it is longer than 4 KiB.</source>
        <translation>Envoyé&#xa0;; non conservé dans l&apos;historique, car plus long que 4&#xa0;Kio.</translation>
    </message>
    <message>
        <source>Not sent: the device is not reading — %1 bytes are still waiting to go out.</source>
        <translation>Non envoyé&#xa0;: l&apos;appareil ne lit pas — %1 octets attendent encore d&apos;être envoyés.</translation>
    </message>
    <message>
        <source>Not sent: %1 bytes are more than the port may hold at once (%2).</source>
        <translation>Non envoyé&#xa0;: %1 octets, c&apos;est plus que ce que le port peut contenir en une fois (%2).</translation>
    </message>
    <message>
        <source>%1 WAITING</source>
        <translation>%1 EN ATTENTE</translation>
    </message>
    <message>
        <source>%1 OPEN</source>
        <translation>%1 OUVERT</translation>
    </message>
    <message>
        <source>%1 CLOSED</source>
        <translation>%1 FERMÉ</translation>
    </message>
    <message>
        <source>waiting for the device to come back</source>
        <translation>en attente du retour de l&apos;appareil</translation>
    </message>
    <message>
        <source>Select a serial port first.</source>
        <translation>Sélectionnez d&apos;abord un port série.</translation>
    </message>
    <message>
        <source>%1 opened · %2</source>
        <translation>%1 ouvert · %2</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>Port fermé</translation>
    </message>
    <message>
        <source>The download folder %1 is a link; remove it and try again.</source>
        <translation>Le dossier de téléchargement %1 est un lien&#xa0;; supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>The download folder %1 belongs to another user; remove it and try again.</source>
        <translation>Le dossier de téléchargement %1 appartient à un autre utilisateur&#xa0;; supprimez-le et réessayez.</translation>
    </message>
    <message>
        <source>No update server configured (.env) -- using the bundled command library only.</source>
        <translation>Aucun serveur de mise à jour configuré (.env) — seule la bibliothèque de commandes intégrée est utilisée.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>Command library is up to date (%1).</source>
        <translation>La bibliothèque de commandes est à jour (%1).</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires app version %2 or later -- please update the app first.</source>
        <translation>La version %1 est disponible, mais elle nécessite la version %2 de l&apos;application ou ultérieure — mettez d&apos;abord l&apos;application à jour.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>La version %1 est disponible.</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>Downloaded data could not be applied: %1</source>
        <translation>Impossible d&apos;appliquer les données téléchargées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Updated to %1.</source>
        <translation>Mis à jour vers %1.</translation>
    </message>
    <message>
        <source>No update server configured (.env).</source>
        <translation>Aucun serveur de mise à jour configuré (.env).</translation>
    </message>
    <message>
        <source>You&apos;re on the latest version (%1).</source>
        <translation>Vous utilisez la dernière version (%1).</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires updating from version %2 or later first -- please reinstall the app before trying again.</source>
        <translation>La version %1 est disponible, mais la mise à jour nécessite d&apos;abord la version %2 ou ultérieure — réinstallez l&apos;application avant de réessayer.</translation>
    </message>
    <message>
        <source>No temporary-files folder is available for the download.</source>
        <translation>Aucun dossier de fichiers temporaires n&apos;est disponible pour le téléchargement.</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>Téléchargement de la mise à jour…</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>Téléchargement annulé.</translation>
    </message>
    <message>
        <source>Installing update %1…</source>
        <translation>Installation de la mise à jour %1…</translation>
    </message>
    <message>
        <source>Self-update isn&apos;t supported on this platform yet -- please download the new version manually.</source>
        <translation>La mise à jour automatique n&apos;est pas encore prise en charge sur cette plateforme — téléchargez la nouvelle version manuellement.</translation>
    </message>
    <message>
        <source>Not put into the send box: %L1 characters are more than a command may be (%L2).</source>
        <translation>Non placé dans la zone d&apos;envoi&#xa0;: %L1 caractères, c&apos;est plus que ne peut en compter une commande (%L2).</translation>
    </message>
    <message>
        <source>Filled in, this command would be longer than %L1 characters, more than a command may be; check the values.</source>
        <translation>Une fois complétée, cette commande dépasserait %L1 caractères, plus que ne peut en compter une commande&#xa0;; vérifiez les valeurs.</translation>
    </message>
    <message numerus="yes">
        <source>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</source>
        <translation>
            <numerusform>Le journal continu %1 est de nouveau écrit. Lignes qui n&apos;ont pas pu y être écrites&#xa0;: %n (%2)&#xa0;; une ligne du fichier indique l&apos;endroit.</numerusform>
            <numerusform>Le journal continu %1 est de nouveau écrit. Lignes qui n&apos;ont pas pu y être écrites&#xa0;: %n (%2)&#xa0;; une ligne du fichier indique l&apos;endroit.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines that never reached the continuous log %1: %n (%2).</source>
        <translation>
            <numerusform>Lignes qui n&apos;ont jamais atteint le journal continu %1&#xa0;: %n (%2).</numerusform>
            <numerusform>Lignes qui n&apos;ont jamais atteint le journal continu %1&#xa0;: %n (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The new command library is in use, but it could not be kept for the next start: %1</source>
        <translation>La nouvelle bibliothèque de commandes est utilisée, mais elle n&apos;a pas pu être conservée pour le prochain démarrage&#xa0;: %1</translation>
    </message>
    <message>
        <source>Send mode switched to ASCII: this command is text.</source>
        <translation>Mode d&apos;envoi passé en ASCII : cette commande est du texte.</translation>
    </message>
    <message>
        <source>Serial settings of %1 now shown for the next open: %2</source>
        <translation>Paramètres série de %1 affichés pour la prochaine ouverture : %2</translation>
    </message>
    <message>
        <source>[file %1 · bytes sent: %L2]</source>
        <translation>[fichier %1 · octets envoyés&#xa0;: %L2]</translation>
    </message>
    <message>
        <source>%1 sent.</source>
        <translation>%1 envoyé.</translation>
    </message>
    <message>
        <source>Sending %1 cancelled; bytes sent: %L2.</source>
        <translation>Envoi de %1 annulé&#xa0;; octets envoyés&#xa0;: %L2.</translation>
    </message>
</context>
<context>
    <name>BatchStepReply</name>
    <message>
        <source>Wait for</source>
        <translation>Attendre</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>text</source>
        <translation>un texte</translation>
    </message>
    <message>
        <source>regular expression</source>
        <translation>une expression régulière</translation>
    </message>
    <message>
        <source>hex bytes</source>
        <translation>des octets hex</translation>
    </message>
    <message>
        <source>e.g. 01 03 ?? ??</source>
        <translation>ex. 01 03 ?? ??</translation>
    </message>
    <message>
        <source>e.g. T=[0-9]+</source>
        <translation>ex. T=[0-9]+</translation>
    </message>
    <message>
        <source>e.g. OK</source>
        <translation>ex. OK</translation>
    </message>
    <message>
        <source>If no reply within</source>
        <translation>Sans réponse sous</translation>
    </message>
    <message>
        <source>ms:</source>
        <translation>ms&#xa0;:</translation>
    </message>
    <message>
        <source>stop the batch</source>
        <translation>arrêter le lot</translation>
    </message>
    <message>
        <source>go on</source>
        <translation>continuer</translation>
    </message>
</context>
<context>
    <name>CommandLibraryPanel</name>
    <message>
        <source>Device model · Model</source>
        <translation>Modèle d&apos;appareil · Model</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>Rechercher des commandes</translation>
    </message>
    <message>
        <source>Drag a row to reorder</source>
        <translation>Faites glisser une ligne pour la déplacer</translation>
    </message>
    <message>
        <source>Batch commands</source>
        <translation>Commandes par lots</translation>
    </message>
    <message>
        <source>New template</source>
        <translation>Nouveau modèle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit template</source>
        <translation>Modifier le modèle</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>e.g. Reset device</source>
        <translation>ex.&#xa0;: Réinitialiser l&apos;appareil</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenu</translation>
    </message>
    <message>
        <source>The literal text to send</source>
        <translation>Texte à envoyer tel quel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>No batch commands yet</source>
        <translation>Aucune commande par lots pour l&apos;instant</translation>
    </message>
    <message>
        <source>%1 steps · %2 ms interval</source>
        <translation>%1 étapes · intervalle de %2&#xa0;ms</translation>
    </message>
    <message>
        <source>■ Stop</source>
        <translation>■ Arrêter</translation>
    </message>
    <message>
        <source>▶ Run</source>
        <translation>▶ Lancer</translation>
    </message>
    <message>
        <source>New batch</source>
        <translation>Nouveau lot</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Edit batch command</source>
        <translation>Modifier la commande par lots</translation>
    </message>
    <message>
        <source>New batch command</source>
        <translation>Nouvelle commande par lots</translation>
    </message>
    <message>
        <source>e.g. Startup sequence</source>
        <translation>ex.&#xa0;: Séquence de démarrage</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message>
        <source>Command text</source>
        <translation>Texte de la commande</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Ajouter une étape</translation>
    </message>
    <message>
        <source>Delete template</source>
        <translation>Supprimer le modèle</translation>
    </message>
    <message>
        <source>Delete the template &quot;%1&quot;? This cannot be undone.</source>
        <translation>Supprimer le modèle « %1 » ? Cette action est irréversible.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Korvel Serial Assistant: a serial terminal for Korvel sensors and any other serial device.</source>
        <translation>Assistant série Korvel&#xa0;: un terminal série pour les capteurs Korvel et tout autre périphérique série.</translation>
    </message>
    <message>
        <source>Choose the port PATH: a name from the port list (ttyUSB0) or any device path (/dev/serial/by-id/..., /tmp/hx4).</source>
        <translation>Choisit le port PATH&#xa0;: un nom de la liste des ports (ttyUSB0) ou tout chemin de périphérique (/dev/serial/by-id/..., /tmp/hx4).</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Use N bits per second, one of %1.</source>
        <translation>Utilise N bits par seconde, parmi %1.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Open the port at start-up, with the serial settings the window shows.</source>
        <translation>Ouvre le port au démarrage, avec les paramètres série affichés dans la fenêtre.</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; to see the options.</source>
        <translation>Exécutez «&#xa0;%1 --help&#xa0;» pour voir les options.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>--port needs a port name or a device path.</source>
        <translation>--port attend un nom de port ou un chemin de périphérique.</translation>
    </message>
    <message>
        <source>--baud: &quot;%1&quot; is not a baud rate the window offers (%2).</source>
        <translation>--baud&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un débit proposé par la fenêtre (%2).</translation>
    </message>
</context>
<context>
    <name>CommandParamsPanel</name>
    <message>
        <source>Needs parameters</source>
        <translation>Paramètres requis</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
</context>
<context>
    <name>ControlLines</name>
    <message>
        <source>Reset device pulses RTS, which RTS/CTS flow control drives: choose DTR for the reset.</source>
        <translation>La réinitialisation de l&apos;appareil agit sur RTS, que le contrôle de flux RTS/CTS pilote&#xa0;: choisissez DTR pour la réinitialisation.</translation>
    </message>
    <message>
        <source>Reset device: %1 pulsed for %2 ms.</source>
        <translation>Réinitialisation de l&apos;appareil&#xa0;: impulsion de %2 ms sur %1.</translation>
    </message>
    <message>
        <source>The port did not send a break.</source>
        <translation>Le port n&apos;a pas envoyé de break.</translation>
    </message>
    <message>
        <source>Break sent (%1 ms).</source>
        <translation>Break envoyé (%1 ms).</translation>
    </message>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>Ce port n&apos;a pas de lignes de contrôle modem.</translation>
    </message>
</context>
<context>
    <name>ControlLinesPanel</name>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>Ce port n&apos;a pas de lignes de contrôle modem.</translation>
    </message>
    <message>
        <source>Control lines</source>
        <translation>Lignes de contrôle</translation>
    </message>
    <message>
        <source>RTS/CTS flow control drives RTS while the port is open.</source>
        <translation>Le contrôle de flux RTS/CTS pilote RTS tant que le port est ouvert.</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>Réinitialiser l&apos;appareil</translation>
    </message>
    <message>
        <source>Assert DTR after opening</source>
        <translation>Activer DTR après l&apos;ouverture</translation>
    </message>
    <message>
        <source>Assert RTS after opening</source>
        <translation>Activer RTS après l&apos;ouverture</translation>
    </message>
    <message>
        <source>Reset pulses</source>
        <translation>La réinitialisation agit sur</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
</context>
<context>
    <name>DataMonitorView</name>
    <message>
        <source>Data monitor</source>
        <translation>Moniteur de données</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>Rx %1</source>
        <translation>Rx %1</translation>
    </message>
    <message>
        <source>Tx %1</source>
        <translation>Tx %1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Effacer le journal</translation>
    </message>
    <message>
        <source>Save log…</source>
        <translation>Enregistrer le journal…</translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n new lines</source>
        <translation>
            <numerusform>En pause · %n nouvelle ligne</numerusform>
            <numerusform>En pause · %n nouvelles lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>The log is full: the lines in view are being dropped.</source>
        <translation>Le journal est plein : les lignes affichées sont supprimées.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Show as JSON</source>
        <translation>Afficher en JSON</translation>
    </message>
</context>
<context>
    <name>DeviceLibraryUpdateClient</name>
    <message>
        <source>Remote update server not configured (.env).</source>
        <translation>Serveur de mise à jour distant non configuré (.env).</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>Réponse mal formée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Checksum mismatch -- downloaded data may be corrupted.</source>
        <translation>Somme de contrôle incorrecte — les données téléchargées sont peut-être corrompues.</translation>
    </message>
    <message>
        <source>Response has no models[] array.</source>
        <translation>La réponse ne contient pas de tableau models[].</translation>
    </message>
</context>
<context>
    <name>DriverHintDialog</name>
    <message>
        <source>Serial driver may be missing</source>
        <translation>Pilote série peut-être manquant</translation>
    </message>
    <message>
        <source>Download driver</source>
        <translation>Télécharger le pilote</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The CH340 USB-to-serial driver doesn&apos;t appear to be installed on this computer. Without it, a connected Korvel device won&apos;t show up as an available serial port.</source>
        <translation>Le pilote USB-série CH340 ne semble pas installé sur cet ordinateur. Sans lui, un appareil Korvel branché n&apos;apparaîtra pas parmi les ports série disponibles.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Ne plus afficher</translation>
    </message>
</context>
<context>
    <name>DriverListDialog</name>
    <message>
        <source>Driver downloads</source>
        <translation>Téléchargement des pilotes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>No drivers are relevant on this platform.</source>
        <translation>Aucun pilote n&apos;est nécessaire sur cette plateforme.</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Not detected</source>
        <translation>Non détecté</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>USB-to-serial driver used by most Korvel devices</source>
        <translation>Pilote USB-série utilisé par la plupart des appareils Korvel</translation>
    </message>
</context>
<context>
    <name>FieldMonitor</name>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n or more): %2.</source>
        <translation>
            <numerusform>Seuls les %1 premiers champs sont conservés. Non ajouté (%n ou plus) : %2.</numerusform>
            <numerusform>Seuls les %1 premiers champs sont conservés. Non ajoutés (%n ou plus) : %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n): %2.</source>
        <translation>
            <numerusform>Seuls les %1 premiers champs sont conservés. Non ajouté (%n) : %2.</numerusform>
            <numerusform>Seuls les %1 premiers champs sont conservés. Non ajoutés (%n) : %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</source>
        <translation>
            <numerusform>Ligne non lue (%n) : JSON invalide, imbrication de plus de %1 niveaux ou plus de %2 Kio.</numerusform>
            <numerusform>Lignes non lues (%n) : JSON invalide, imbrication de plus de %1 niveaux ou plus de %2 Kio.</numerusform>
        </translation>
    </message>
    <message>
        <source>This line is no longer in the log.</source>
        <translation>Cette ligne n’est plus dans le journal.</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>Saisissez un nom de fichier.</translation>
    </message>
</context>
<context>
    <name>FieldPlot</name>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>L’image n’a pas pu être enregistrée dans %1.</translation>
    </message>
</context>
<context>
    <name>FieldsPanel</name>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>The fields of received JSON objects, label:value lines and lines of numbers appear here, with a live plot.</source>
        <translation>Les champs des objets JSON reçus, des lignes label:value et des lignes de nombres apparaissent ici, avec un tracé en direct.</translation>
    </message>
    <message>
        <source>10 s</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>1 min</source>
        <translation>1 min</translation>
    </message>
    <message>
        <source>10 min</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>All kept</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Time shown in the plot</source>
        <translation>Durée affichée dans le tracé</translation>
    </message>
    <message>
        <source>Fit values</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>min</source>
        <translation>min</translation>
    </message>
    <message>
        <source>max</source>
        <translation>max</translation>
    </message>
    <message>
        <source>Pause plot</source>
        <translation>Suspendre le tracé</translation>
    </message>
    <message>
        <source>Clear fields</source>
        <translation>Effacer les champs</translation>
    </message>
    <message>
        <source>Save plot as PNG…</source>
        <translation>Enregistrer le tracé en PNG…</translation>
    </message>
    <message>
        <source>Save samples as CSV…</source>
        <translation>Enregistrer les échantillons en CSV…</translation>
    </message>
    <message>
        <source>Hide fields</source>
        <translation>Masquer les champs</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Latest</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Rate/s</source>
        <translation>Fréq./s</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Échant.</translation>
    </message>
    <message>
        <source>Tick numeric fields in the table to plot them.</source>
        <translation>Cochez des champs numériques dans le tableau pour les tracer.</translation>
    </message>
    <message>
        <source>Save plot as PNG</source>
        <translation>Enregistrer le tracé en PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Save samples as CSV</source>
        <translation>Enregistrer les échantillons en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileSendDialog</name>
    <message>
        <source>Send file</source>
        <translation>Envoyer un fichier</translation>
    </message>
    <message>
        <source>File to send</source>
        <translation>Fichier à envoyer</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Raw bytes, as they are in the file</source>
        <translation>Octets bruts, tels qu&apos;ils sont dans le fichier</translation>
    </message>
    <message>
        <source>Text, line by line, each line ended by %1</source>
        <translation>Texte, ligne par ligne, chaque ligne terminée par %1</translation>
    </message>
    <message>
        <source>Pause after each line or piece</source>
        <translation>Pause après chaque ligne ou morceau</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>FileSendProgress</name>
    <message>
        <source>Sending %1</source>
        <translation>Envoi de %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 sur %2 envoyés</translation>
    </message>
    <message>
        <source>%1 of %2 sent · about %L3 s left</source>
        <translation>%1 sur %2 envoyés · environ %L3 s restantes</translation>
    </message>
</context>
<context>
    <name>FileSender</name>
    <message>
        <source>The port closed before the whole file was sent.</source>
        <translation>Le port s&apos;est fermé avant l&apos;envoi de tout le fichier.</translation>
    </message>
    <message>
        <source>A file is being sent already.</source>
        <translation>Un fichier est déjà en cours d&apos;envoi.</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>Le port n&apos;est pas ouvert — cliquez d&apos;abord sur «&#xa0;Ouvrir le port&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot send %1: %2</source>
        <translation>Impossible d&apos;envoyer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>La lecture de %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>The port did not take the data of %1.</source>
        <translation>Le port n&apos;a pas accepté les données de %1.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Searching…</source>
        <translation>Recherche…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucune correspondance</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n correspondance</numerusform>
            <numerusform>%n correspondances</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n</source>
        <translation>
            <numerusform>%1 sur %n</numerusform>
            <numerusform>%1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Find bytes (hex, e.g. 0A 01 7F)</source>
        <translation>Chercher des octets (hex, p. ex. 0A 01 7F)</translation>
    </message>
    <message>
        <source>Find in the log</source>
        <translation>Chercher dans le journal</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Search received lines</source>
        <translation>Chercher dans les lignes reçues</translation>
    </message>
    <message>
        <source>Search sent lines</source>
        <translation>Chercher dans les lignes envoyées</translation>
    </message>
    <message>
        <source>Search notices</source>
        <translation>Chercher dans les avis</translation>
    </message>
    <message>
        <source>Search errors</source>
        <translation>Chercher dans les erreurs</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Correspondance précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Correspondance suivante (F3)</translation>
    </message>
    <message>
        <source>Only matches</source>
        <translation>Seulement les correspondances</translation>
    </message>
    <message>
        <source>Show only the lines that match</source>
        <translation>Afficher seulement les lignes qui correspondent</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hidden</source>
        <translation>
            <numerusform>%n ligne masquée</numerusform>
            <numerusform>%n lignes masquées</numerusform>
        </translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
</context>
<context>
    <name>FramingOptions</name>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Frames by silence</source>
        <translation>Trames par silence</translation>
    </message>
    <message>
        <source>Frame pause</source>
        <translation>Pause de trame</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>With CRC on, each frame is marked by its CRC-16/MODBUS.</source>
        <translation>Avec le CRC activé, chaque trame est marquée selon son CRC-16/MODBUS.</translation>
    </message>
</context>
<context>
    <name>HighlightRuleModel</name>
    <message numerus="yes">
        <source>No more than %n rules can be kept.</source>
        <translation>
            <numerusform>Pas plus de %n règle ne peut être conservée.</numerusform>
            <numerusform>Pas plus de %n règles ne peuvent être conservées.</numerusform>
        </translation>
    </message>
    <message>
        <source>The rule needs a pattern.</source>
        <translation>La règle a besoin d’un motif.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour of the palette.</source>
        <translation>« %1 » n’est pas une couleur de la palette.</translation>
    </message>
</context>
<context>
    <name>HighlightRulesEditor</name>
    <message>
        <source>No rules yet: lines keep the monitor&apos;s colours.</source>
        <translation>Aucune règle : les lignes gardent les couleurs du moniteur.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Text to colour, e.g. ERROR</source>
        <translation>Texte à colorer, p. ex. ERROR</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Expression régulière</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save rule</source>
        <translation>Enregistrer la règle</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Ajouter la règle</translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>Règles de surlignage</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>JsonLineDialog</name>
    <message>
        <source>Line as JSON</source>
        <translation>Ligne en JSON</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>JsonText</name>
    <message>
        <source>the line ends before the JSON value is complete</source>
        <translation>la ligne se termine avant la fin de la valeur JSON</translation>
    </message>
    <message>
        <source>a value was expected</source>
        <translation>une valeur était attendue</translation>
    </message>
    <message>
        <source>a key in double quotes was expected</source>
        <translation>une clé entre guillemets doubles était attendue</translation>
    </message>
    <message>
        <source>&quot;:&quot; was expected after the key</source>
        <translation>&quot;:&quot; était attendu après la clé</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; was expected</source>
        <translation>&quot;,&quot; ou &quot;}&quot; était attendu</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; was expected</source>
        <translation>&quot;,&quot; ou &quot;]&quot; était attendu</translation>
    </message>
    <message>
        <source>the number is malformed</source>
        <translation>le nombre est mal formé</translation>
    </message>
    <message>
        <source>a string holds an unknown escape sequence</source>
        <translation>une chaîne contient une séquence d’échappement inconnue</translation>
    </message>
    <message>
        <source>a string holds a control character</source>
        <translation>une chaîne contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>a string holds bytes that are not UTF-8</source>
        <translation>une chaîne contient des octets qui ne sont pas de l’UTF-8</translation>
    </message>
    <message>
        <source>it is nested deeper than %1 levels</source>
        <translation>l’imbrication dépasse %1 niveaux</translation>
    </message>
    <message>
        <source>more text follows the JSON value</source>
        <translation>du texte suit la valeur JSON</translation>
    </message>
    <message>
        <source>The line is too long to show as JSON (%1 bytes).</source>
        <translation>La ligne est trop longue pour être affichée en JSON (%1 octets).</translation>
    </message>
    <message>
        <source>The line is empty: it holds no JSON.</source>
        <translation>La ligne est vide : elle ne contient pas de JSON.</translation>
    </message>
    <message>
        <source>Not valid JSON from character %1 on: %2.</source>
        <translation>JSON non valide à partir du caractère %1 : %2.</translation>
    </message>
</context>
<context>
    <name>LibraryCache</name>
    <message>
        <source>The library is larger than %1 bytes.</source>
        <translation>La bibliothèque dépasse %1 octets.</translation>
    </message>
</context>
<context>
    <name>LineEndChooser</name>
    <message>
        <source>Line end</source>
        <translation>Fin de ligne</translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>the disk did not keep up with the lines</source>
        <translation>le disque n&apos;a pas suivi le rythme des lignes</translation>
    </message>
</context>
<context>
    <name>LogListModel</name>
    <message>
        <source>[CRC ok]</source>
        <translation>[CRC ok]</translation>
    </message>
    <message>
        <source>[CRC bad]</source>
        <translation>[CRC faux]</translation>
    </message>
</context>
<context>
    <name>LogManager</name>
    <message numerus="yes">
        <source>Lines that could not be written here: %n (%1)</source>
        <translation>
            <numerusform>Lignes qui n&apos;ont pas pu être écrites ici&#xa0;: %n (%1)</numerusform>
            <numerusform>Lignes qui n&apos;ont pas pu être écrites ici&#xa0;: %n (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogMatcher</name>
    <message numerus="yes">
        <source>The pattern is longer than %n characters.</source>
        <translation>
            <numerusform>Le motif dépasse %n caractère.</numerusform>
            <numerusform>Le motif dépasse %n caractères.</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2)</source>
        <translation>Expression régulière invalide : %1 (au caractère %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>« %1 » à la position %2 n’est pas un chiffre hexadécimal.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Assistant série Korvel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Enregistrer le journal</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Port</translation>
    </message>
    <message>
        <source>Open device path…</source>
        <translation>Ouvrir un chemin de périphérique…</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>Reconnexion automatique</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>Suspendre le défilement</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Driver downloads</source>
        <translation>Téléchargement des pilotes</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Serial driver not installed — click for details</source>
        <translation>Pilote série non installé — cliquez pour en savoir plus</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Device commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Failed to open port</source>
        <translation>Impossible d&apos;ouvrir le port</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stop continuous logging</source>
        <translation>Arrêter la journalisation continue</translation>
    </message>
    <message>
        <source>Clear monitor</source>
        <translation>Effacer le moniteur</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>Fermer le port</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>Ouvrir le port</translation>
    </message>
    <message>
        <source>Check for updates…</source>
        <translation>Rechercher des mises à jour…</translation>
    </message>
    <message>
        <source>Fields and plot</source>
        <translation>Champs et tracé</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Chercher…</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>Réinitialiser l&apos;appareil</translation>
    </message>
    <message>
        <source>Send break</source>
        <translation>Envoyer un break</translation>
    </message>
    <message>
        <source>Send file…</source>
        <translation>Envoyer un fichier…</translation>
    </message>
</context>
<context>
    <name>PortAccess</name>
    <message>
        <source>%1 does not exist. Check the path, and that the device is plugged in.</source>
        <translation>%1 n&apos;existe pas. Vérifiez le chemin et que l&apos;appareil est bien branché.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial device.</source>
        <translation>%1 est un dossier, pas un périphérique série.</translation>
    </message>
    <message>
        <source>%1 is a regular file, not a serial device.</source>
        <translation>%1 est un fichier ordinaire, pas un périphérique série.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 n&apos;est pas un périphérique série.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>It is not a serial device.</source>
        <translation>Ce n&apos;est pas un périphérique série.</translation>
    </message>
    <message>
        <source>To get access on Linux, add your user to the group that owns the device (%1), for example with &quot;sudo usermod -aG %1 $USER&quot;, then log out and log in again.</source>
        <translation>Pour y accéder sous Linux, ajoutez votre utilisateur au groupe propriétaire du périphérique (%1), par exemple avec «&#xa0;sudo usermod -aG %1 $USER&#xa0;», puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>It is in use by another program: %1 (process %2). Close the port there, then try again.</source>
        <translation>Il est utilisé par un autre programme&#xa0;: %1 (processus %2). Fermez-y le port, puis réessayez.</translation>
    </message>
    <message>
        <source>It is in use by another program (process %1). Close the port there, then try again.</source>
        <translation>Il est utilisé par un autre programme (processus %1). Fermez-y le port, puis réessayez.</translation>
    </message>
    <message>
        <source>It is in use by another program. Close the port there, then try again.</source>
        <translation>Il est utilisé par un autre programme. Fermez-y le port, puis réessayez.</translation>
    </message>
</context>
<context>
    <name>PortComboBox</name>
    <message>
        <source>No ports found</source>
        <translation>Aucun port trouvé</translation>
    </message>
    <message>
        <source>Open a device path…</source>
        <translation>Ouvrir un chemin…</translation>
    </message>
    <message>
        <source>A device the list does not show</source>
        <translation>Un périphérique absent de la liste</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>Chemin de périphérique</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>Appareil inconnu</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>CHEMIN</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 a disparu</translation>
    </message>
    <message>
        <source>Choose a port</source>
        <translation>Choisissez un port</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>no temporary-files folder is available for the update</source>
        <translation>aucun dossier de fichiers temporaires n&apos;est disponible pour la mise à jour</translation>
    </message>
    <message>
        <source>could not start &apos;tar&apos; (bundled with Windows 10 1803+/Windows 11) -- %1</source>
        <translation>impossible de lancer «&#xa0;tar&#xa0;» (fourni avec Windows 10 1803+/Windows 11) — %1</translation>
    </message>
    <message>
        <source>&apos;tar&apos; timed out extracting the update</source>
        <translation>délai dépassé pour «&#xa0;tar&#xa0;» pendant l&apos;extraction de la mise à jour</translation>
    </message>
    <message>
        <source>&apos;tar&apos; failed (exit %1): %2</source>
        <translation>échec de «&#xa0;tar&#xa0;» (code de sortie %1)&#xa0;: %2</translation>
    </message>
    <message>
        <source>downloaded archive doesn&apos;t contain %1 -- not a valid release package</source>
        <translation>l&apos;archive téléchargée ne contient pas %1 — ce n&apos;est pas un paquet de version valide</translation>
    </message>
    <message>
        <source>could not write updater script to %1: %2</source>
        <translation>impossible d&apos;écrire le script de mise à jour dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the update service published no checksum for this package -- it can&apos;t be verified</source>
        <translation>le service de mise à jour n&apos;a publié aucune somme de contrôle pour ce paquet — impossible de le vérifier</translation>
    </message>
    <message>
        <source>the downloaded update doesn&apos;t match its published checksum -- it may be damaged or tampered with</source>
        <translation>la mise à jour téléchargée ne correspond pas à sa somme de contrôle publiée — elle est peut-être endommagée ou falsifiée</translation>
    </message>
    <message>
        <source>could not start the updater script %1</source>
        <translation>impossible de lancer le script de mise à jour %1</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>Il dépasse %1 octets.</translation>
    </message>
</context>
<context>
    <name>RemoteAssistPanel</name>
    <message>
        <source>Remote support</source>
        <translation>Assistance à distance</translation>
    </message>
    <message>
        <source>Send the code below to Korvel support so they can connect to your computer and help diagnose device issues.</source>
        <translation>Envoyez le code ci-dessous à l&apos;assistance Korvel pour qu&apos;elle puisse se connecter à votre ordinateur et vous aider à diagnostiquer les problèmes de l&apos;appareil.</translation>
    </message>
    <message>
        <source>Your code</source>
        <translation>Votre code</translation>
    </message>
    <message>
        <source>Valid for 10 minutes · this session only</source>
        <translation>Valable 10&#xa0;minutes · cette session uniquement</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Copier le code</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>Régénérer</translation>
    </message>
    <message>
        <source>One-time password</source>
        <translation>Mot de passe à usage unique</translation>
    </message>
    <message>
        <source>Allow support to send/receive on the serial port</source>
        <translation>Autoriser l&apos;assistance à émettre/recevoir sur le port série</translation>
    </message>
    <message>
        <source>Share this session&apos;s log</source>
        <translation>Partager le journal de cette session</translation>
    </message>
    <message>
        <source>Allow full desktop control</source>
        <translation>Contrôle total du bureau</translation>
    </message>
    <message>
        <source>Start session</source>
        <translation>Démarrer la session</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remote support requires a signaling/relay service that this build does not include yet. The session code and permissions above are ready to wire up once that transport exists.</source>
        <translation>L&apos;assistance à distance nécessite un service de signalisation/relais que cette version n&apos;inclut pas encore. Le code de session et les autorisations ci-dessus seront prêts à l&apos;emploi dès que ce transport existera.</translation>
    </message>
</context>
<context>
    <name>ReplyGuard</name>
    <message numerus="yes">
        <source>The transfer did not finish in time (%n s).</source>
        <translation>
            <numerusform>Le transfert ne s&apos;est pas terminé à temps (%n s).</numerusform>
            <numerusform>Le transfert ne s&apos;est pas terminé à temps (%n s).</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes, more than this request can need.</source>
        <translation>La réponse dépasse %1 octets, plus que cette requête ne peut en nécessiter.</translation>
    </message>
    <message numerus="yes">
        <source>The download made no progress for %n s.</source>
        <translation>
            <numerusform>Le téléchargement n&apos;a pas progressé pendant %n s.</numerusform>
            <numerusform>Le téléchargement n&apos;a pas progressé pendant %n s.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplyPattern</name>
    <message>
        <source>&quot;%1&quot; at position %2 is neither a hex digit nor part of &quot;??&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» à la position %2 n&apos;est ni un chiffre hexadécimal ni une partie de «&#xa0;??&#xa0;».</translation>
    </message>
    <message>
        <source>Enter what the reply must contain.</source>
        <translation>Indiquez ce que la réponse doit contenir.</translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation>le texte «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>regular expression &quot;%1&quot;</source>
        <translation>l&apos;expression régulière «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>hex bytes %1</source>
        <translation>les octets hex %1</translation>
    </message>
</context>
<context>
    <name>ReplyWait</name>
    <message>
        <source>Step %1: the reply pattern cannot be used: %2</source>
        <translation>Étape %1&#xa0;: le motif de réponse est inutilisable&#xa0;: %2</translation>
    </message>
    <message>
        <source>Step %1: waiting up to %2 ms for a reply matching %3.</source>
        <translation>Étape %1&#xa0;: attente d&apos;une réponse correspondant à %3 pendant %2&#xa0;ms au plus.</translation>
    </message>
    <message>
        <source>Step %1: the port closed while waiting for the reply.</source>
        <translation>Étape %1&#xa0;: le port s&apos;est fermé pendant l&apos;attente de la réponse.</translation>
    </message>
    <message>
        <source>Step %1: a reply matching %2 came after %3 ms.</source>
        <translation>Étape %1&#xa0;: une réponse correspondant à %2 est arrivée après %3&#xa0;ms.</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms; going on.</source>
        <translation>Étape %1&#xa0;: aucune réponse correspondant à %2 en %3&#xa0;ms&#xa0;; on continue.</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms.</source>
        <translation>Étape %1&#xa0;: aucune réponse correspondant à %2 en %3&#xa0;ms.</translation>
    </message>
</context>
<context>
    <name>SaveLogDialog</name>
    <message>
        <source>Save session log</source>
        <translation>Enregistrer le journal de session</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Plain text (.log)</source>
        <translation>Texte brut (.log)</translation>
    </message>
    <message>
        <source>HEX dump</source>
        <translation>Vidage HEX</translation>
    </message>
    <message>
        <source>Continue logging to disk, rotating the file every day</source>
        <translation>Journaliser en continu, un fichier par jour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Logging now to %1</source>
        <translation>Journalisation en cours dans %1</translation>
    </message>
    <message>
        <source>Saving stops logging to %1</source>
        <translation>L&apos;enregistrement arrête la journalisation dans %1</translation>
    </message>
</context>
<context>
    <name>SendArea</name>
    <message>
        <source>Type data to send…</source>
        <translation>Saisissez les données à envoyer…</translation>
    </message>
    <message>
        <source>Send as</source>
        <translation>Envoyer en</translation>
    </message>
    <message>
        <source>CRC16</source>
        <translation>CRC16</translation>
    </message>
    <message>
        <source>Enter sends · Shift+Enter new line</source>
        <translation>Entrée envoie · Maj+Entrée nouvelle ligne</translation>
    </message>
    <message>
        <source>Ctrl+Enter sends</source>
        <translation>Ctrl+Entrée envoie</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Send (Ctrl+Enter)</source>
        <translation>Envoyer (Ctrl+Entrée)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Send history</source>
        <translation>Historique d&apos;envoi</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Effacer l&apos;historique</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Aucun historique pour l&apos;instant</translation>
    </message>
</context>
<context>
    <name>SerialManager</name>
    <message>
        <source>Serial port %1 disconnected.</source>
        <translation>Port série %1 déconnecté.</translation>
    </message>
</context>
<context>
    <name>SerialOptions</name>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Paire</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impaire</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>RTS/CTS</source>
        <translation>RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF</source>
        <translation>XON/XOFF</translation>
    </message>
    <message>
        <source>None</source>
        <comment>line end</comment>
        <translation>Aucune</translation>
    </message>
</context>
<context>
    <name>SerialSettingsPanel</name>
    <message>
        <source>Port · PORT</source>
        <translation>Port · PORT</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bits de données</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Contrôle de flux</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>Fermer le port</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Arrêter d&apos;attendre</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>Ouvrir le port</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>Reconnexion automatique</translation>
    </message>
    <message>
        <source>Receive · RECEIVE</source>
        <translation>Réception · RECEIVE</translation>
    </message>
    <message>
        <source>Show timestamp</source>
        <translation>Afficher l&apos;horodatage</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <source>Echo sent data</source>
        <translation>Écho des données envoyées</translation>
    </message>
    <message>
        <source>Transmit · TRANSMIT</source>
        <translation>Émission · TRANSMIT</translation>
    </message>
    <message>
        <source>Append CRC (CRC16/MODBUS)</source>
        <translation>Ajouter le CRC (CRC16/MODBUS)</translation>
    </message>
    <message>
        <source>Repeat send</source>
        <translation>Envoi répété</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Open a device path</source>
        <translation>Ouvrir un chemin de périphérique</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Any serial device or pseudo-terminal, opened with the settings of the serial panel. Paths opened here stay in the port list while they exist.</source>
        <translation>Tout périphérique série ou pseudo-terminal, ouvert avec les paramètres du panneau série. Les chemins ouverts ici restent dans la liste des ports tant qu&apos;ils existent.</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>The API key in .env holds a control character (such as NUL or a line break); it was not sent.</source>
        <translation>La clé d&apos;API du fichier .env contient un caractère de contrôle (par exemple NUL ou un saut de ligne)&#xa0;; elle n&apos;a pas été envoyée.</translation>
    </message>
</context>
<context>
    <name>SettingsAboutDialog</name>
    <message>
        <source>Settings &amp; About</source>
        <translation>Paramètres et à propos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Langue de l&apos;interface</translation>
    </message>
    <message>
        <source>System font</source>
        <translation>Police du système</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Data monitor font</source>
        <translation>Police du moniteur de données</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Command library</source>
        <translation>Bibliothèque de commandes</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>À jour</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Vérifier les mises à jour</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Plateforme</translation>
    </message>
    <message>
        <source>%1 (Qt %2)</source>
        <translation>%1 (Qt %2)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Appareils</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Download and apply</source>
        <translation>Télécharger et appliquer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Enter sends (Shift+Enter for a new line)</source>
        <translation>Entrée envoie (Maj+Entrée pour une nouvelle ligne)</translation>
    </message>
    <message numerus="yes">
        <source>%n models</source>
        <translation>
            <numerusform>%n modèle</numerusform>
            <numerusform>%n modèles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n commande</numerusform>
            <numerusform>%n commandes</numerusform>
        </translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>Règles de surlignage</translation>
    </message>
    <message>
        <source>Lines matching a pattern can be coloured.</source>
        <translation>Les lignes qui correspondent à un motif peuvent être colorées.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules colour matching lines.</source>
        <translation>
            <numerusform>%n règle colore les lignes correspondantes.</numerusform>
            <numerusform>%n règles colorent les lignes correspondantes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit rules…</source>
        <translation>Modifier les règles…</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateClient</name>
    <message>
        <source>Update server not configured (.env).</source>
        <translation>Serveur de mise à jour non configuré (.env).</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>Réponse mal formée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Server reported an error.</source>
        <translation>Le serveur a signalé une erreur.</translation>
    </message>
    <message>
        <source>This app isn&apos;t registered on the update server (slug &quot;%1&quot; not found).</source>
        <translation>Cette application n&apos;est pas enregistrée sur le serveur de mise à jour (slug «&#xa0;%1&#xa0;» introuvable).</translation>
    </message>
    <message>
        <source>Download incomplete: received %1 of %2 bytes.</source>
        <translation>Téléchargement incomplet&#xa0;: %1 octets reçus sur %2.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Impossible d&apos;écrire dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The package address &quot;%1&quot; is not an http or https address; nothing was fetched.</source>
        <translation>L&apos;adresse du paquet «&#xa0;%1&#xa0;» n&apos;est pas une adresse http ou https&#xa0;; rien n&apos;a été téléchargé.</translation>
    </message>
    <message>
        <source>The package is larger than the %1 bytes the update service announced.</source>
        <translation>Le paquet dépasse les %1 octets annoncés par le service de mise à jour.</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1 is available (you have %2)</source>
        <translation>Version %1 disponible (vous avez la %2)</translation>
    </message>
    <message>
        <source>This update is required to keep using the app.</source>
        <translation>Cette mise à jour est nécessaire pour continuer à utiliser l&apos;application.</translation>
    </message>
    <message>
        <source>Open download page</source>
        <translation>Ouvrir la page de téléchargement</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Batch %1 · step %2</source>
        <translation>Lot %1 · étape %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Logging to %1</source>
        <translation>Journalisation dans %1</translation>
    </message>
    <message>
        <source>%1 — click to open its folder</source>
        <translation>%1 — cliquez pour ouvrir son dossier</translation>
    </message>
</context>
</TS>
