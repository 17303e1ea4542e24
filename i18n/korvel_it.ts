<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Assistente seriale Korvel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>A serial terminal for Korvel&apos;s USB sensors and other devices that talk JSON or text over a serial line.</source>
        <translation>Un terminale seriale per i sensori USB di Korvel e per gli altri dispositivi che comunicano in JSON o testo su una linea seriale.</translation>
    </message>
    <message>
        <source>Build time</source>
        <translation>Data di compilazione</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Azienda</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Built with Qt %1, used under the GNU Lesser General Public License v3 (LGPLv3). Qt is a trademark of The Qt Company Ltd. Qt is linked dynamically: its libraries may be replaced with a compatible LGPLv3 build.</source>
        <translation>Realizzato con Qt %1, utilizzato secondo la GNU Lesser General Public License v3 (LGPLv3). Qt è un marchio di The Qt Company Ltd. Qt è collegato dinamicamente: le sue librerie possono essere sostituite con una versione compatibile LGPLv3.</translation>
    </message>
</context>
<context>
    <name>AppController</name>
    <message>
        <source>%1 bytes that had not gone out yet were discarded.</source>
        <translation>%1 byte non ancora inviati sono stati scartati.</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1; changes last only until the application ends.</source>
        <translation>Impossibile salvare le impostazioni in %1; le modifiche restano valide solo fino alla chiusura dell&apos;applicazione.</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>La porta non è aperta — fai prima clic su &quot;Apri porta&quot;.</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; started — %2 step(s).</source>
        <translation>Batch &quot;%1&quot; avviato — %2 passaggi.</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; stopped.</source>
        <translation>Batch &quot;%1&quot; interrotto.</translation>
    </message>
    <message>
        <source>Batch &quot;%1&quot; finished.</source>
        <translation>Batch &quot;%1&quot; completato.</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>Inserisci un nome di file.</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;, &quot;\&quot; or control characters.</source>
        <translation>Un nome di file non può contenere &quot;/&quot;, &quot;\&quot; o caratteri di controllo.</translation>
    </message>
    <message>
        <source>Choose a folder for the log.</source>
        <translation>Scegli una cartella per il log.</translation>
    </message>
    <message>
        <source>The log could not be written to %1.</source>
        <translation>Impossibile scrivere il log in %1.</translation>
    </message>
    <message>
        <source>Log saved to %1</source>
        <translation>Log salvato in %1</translation>
    </message>
    <message>
        <source>The continuous log %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il log continuo %1: %2</translation>
    </message>
    <message>
        <source>Type the path of a serial device first.</source>
        <translation>Digita prima il percorso di un dispositivo seriale.</translation>
    </message>
    <message>
        <source>%1 reconnected · %2</source>
        <translation>%1 riconnessa · %2</translation>
    </message>
    <message>
        <source>Not sent: &quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>Non inviato: &quot;%1&quot; in posizione %2 non è una cifra esadecimale.</translation>
    </message>
    <message>
        <source>Not sent: the draft holds no hex digits.</source>
        <translation>Non inviato: il testo non contiene cifre esadecimali.</translation>
    </message>
    <message>
        <source>Sent; not kept in the history, as it is longer than 4 KiB.</source>
        <translation>Inviato; non salvato nella cronologia perché più lungo di 4 KiB.</translation>
    </message>
    <message>
        <source>Not sent: the device is not reading — %1 bytes are still waiting to go out.</source>
        <translation>Non inviato: il dispositivo non sta leggendo — %1 byte sono ancora in attesa di invio.</translation>
    </message>
    <message>
        <source>Not sent: %1 bytes are more than the port may hold at once (%2).</source>
        <translation>Non inviato: %1 byte sono più di quanti la porta possa contenerne in una volta (%2).</translation>
    </message>
    <message>
        <source>%1 WAITING</source>
        <translation>%1 IN ATTESA</translation>
    </message>
    <message>
        <source>%1 OPEN</source>
        <translation>%1 APERTA</translation>
    </message>
    <message>
        <source>%1 CLOSED</source>
        <translation>%1 CHIUSA</translation>
    </message>
    <message>
        <source>waiting for the device to come back</source>
        <translation>in attesa che il dispositivo torni disponibile</translation>
    </message>
    <message>
        <source>Select a serial port first.</source>
        <translation>Seleziona prima una porta seriale.</translation>
    </message>
    <message>
        <source>%1 opened · %2</source>
        <translation>%1 aperta · %2</translation>
    </message>
    <message>
        <source>Port closed</source>
        <translation>Porta chiusa</translation>
    </message>
    <message>
        <source>The download folder %1 is a link; remove it and try again.</source>
        <translation>La cartella di download %1 è un collegamento; rimuovila e riprova.</translation>
    </message>
    <message>
        <source>The download folder %1 belongs to another user; remove it and try again.</source>
        <translation>La cartella di download %1 appartiene a un altro utente; rimuovila e riprova.</translation>
    </message>
    <message>
        <source>No update server configured (.env) -- using the bundled command library only.</source>
        <translation>Nessun server di aggiornamento configurato (.env) — viene usata solo la libreria comandi integrata.</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Verifica degli aggiornamenti…</translation>
    </message>
    <message>
        <source>Command library is up to date (%1).</source>
        <translation>La libreria comandi è aggiornata (%1).</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires app version %2 or later -- please update the app first.</source>
        <translation>È disponibile la versione %1, ma richiede la versione %2 dell&apos;app o successiva — aggiorna prima l&apos;app.</translation>
    </message>
    <message>
        <source>Version %1 is available.</source>
        <translation>È disponibile la versione %1.</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Download in corso…</translation>
    </message>
    <message>
        <source>Downloaded data could not be applied: %1</source>
        <translation>Impossibile applicare i dati scaricati: %1</translation>
    </message>
    <message>
        <source>Updated to %1.</source>
        <translation>Aggiornato a %1.</translation>
    </message>
    <message>
        <source>No update server configured (.env).</source>
        <translation>Nessun server di aggiornamento configurato (.env).</translation>
    </message>
    <message>
        <source>You&apos;re on the latest version (%1).</source>
        <translation>Stai usando la versione più recente (%1).</translation>
    </message>
    <message>
        <source>Version %1 is available, but requires updating from version %2 or later first -- please reinstall the app before trying again.</source>
        <translation>È disponibile la versione %1, ma prima occorre aggiornare dalla versione %2 o successiva — reinstalla l&apos;app prima di riprovare.</translation>
    </message>
    <message>
        <source>No temporary-files folder is available for the download.</source>
        <translation>Nessuna cartella per i file temporanei disponibile per il download.</translation>
    </message>
    <message>
        <source>Downloading update…</source>
        <translation>Download dell&apos;aggiornamento…</translation>
    </message>
    <message>
        <source>Download cancelled.</source>
        <translation>Download annullato.</translation>
    </message>
    <message>
        <source>Installing update %1…</source>
        <translation>Installazione dell&apos;aggiornamento %1…</translation>
    </message>
    <message>
        <source>Self-update isn&apos;t supported on this platform yet -- please download the new version manually.</source>
        <translation>L&apos;aggiornamento automatico non è ancora supportato su questa piattaforma — scarica manualmente la nuova versione.</translation>
    </message>
    <message>
        <source>Not put into the send box: %L1 characters are more than a command may be (%L2).</source>
        <translation>Non inserito nella casella di invio: %L1 caratteri sono più di quanti ne possa avere un comando (%L2).</translation>
    </message>
    <message>
        <source>Filled in, this command would be longer than %L1 characters, more than a command may be; check the values.</source>
        <translation>Compilato, questo comando supererebbe i %L1 caratteri, più di quanti ne possa avere un comando; controlla i valori.</translation>
    </message>
    <message numerus="yes">
        <source>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</source>
        <translation>
            <numerusform>Il log continuo %1 viene di nuovo scritto. Righe che non è stato possibile scrivervi: %n (%2); una riga nel file indica il punto.</numerusform>
            <numerusform>Il log continuo %1 viene di nuovo scritto. Righe che non è stato possibile scrivervi: %n (%2); una riga nel file indica il punto.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines that never reached the continuous log %1: %n (%2).</source>
        <translation>
            <numerusform>Righe che non hanno mai raggiunto il log continuo %1: %n (%2).</numerusform>
            <numerusform>Righe che non hanno mai raggiunto il log continuo %1: %n (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>The new command library is in use, but it could not be kept for the next start: %1</source>
        <translation>La nuova libreria di comandi è in uso, ma non è stato possibile conservarla per il prossimo avvio: %1</translation>
    </message>
    <message>
        <source>Send mode switched to ASCII: this command is text.</source>
        <translation>Modalità di invio impostata su ASCII: questo comando è testo.</translation>
    </message>
    <message>
        <source>Serial settings of %1 now shown for the next open: %2</source>
        <translation>Impostazioni seriali di %1 mostrate per la prossima apertura: %2</translation>
    </message>
    <message>
        <source>[file %1 · bytes sent: %L2]</source>
        <translation>[file %1 · byte inviati: %L2]</translation>
    </message>
    <message>
        <source>%1 sent.</source>
        <translation>%1 inviato.</translation>
    </message>
    <message>
        <source>Sending %1 cancelled; bytes sent: %L2.</source>
        <translation>Invio di %1 annullato; byte inviati: %L2.</translation>
    </message>
</context>
<context>
    <name>BatchStepReply</name>
    <message>
        <source>Wait for</source>
        <translation>Attendi</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>text</source>
        <translation>un testo</translation>
    </message>
    <message>
        <source>regular expression</source>
        <translation>un&apos;espressione regolare</translation>
    </message>
    <message>
        <source>hex bytes</source>
        <translation>byte esadecimali</translation>
    </message>
    <message>
        <source>e.g. 01 03 ?? ??</source>
        <translation>es. 01 03 ?? ??</translation>
    </message>
    <message>
        <source>e.g. T=[0-9]+</source>
        <translation>es. T=[0-9]+</translation>
    </message>
    <message>
        <source>e.g. OK</source>
        <translation>es. OK</translation>
    </message>
    <message>
        <source>If no reply within</source>
        <translation>Se nessuna risposta entro</translation>
    </message>
    <message>
        <source>ms:</source>
        <translation>ms:</translation>
    </message>
    <message>
        <source>stop the batch</source>
        <translation>ferma il batch</translation>
    </message>
    <message>
        <source>go on</source>
        <translation>prosegui</translation>
    </message>
</context>
<context>
    <name>CommandLibraryPanel</name>
    <message>
        <source>Device model · Model</source>
        <translation>Modello dispositivo · Model</translation>
    </message>
    <message>
        <source>Search commands</source>
        <translation>Cerca comandi</translation>
    </message>
    <message>
        <source>Drag a row to reorder</source>
        <translation>Trascina una riga per riordinare</translation>
    </message>
    <message>
        <source>Batch commands</source>
        <translation>Comandi batch</translation>
    </message>
    <message>
        <source>New template</source>
        <translation>Nuovo modello</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Edit template</source>
        <translation>Modifica modello</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>e.g. Reset device</source>
        <translation>es. Reimposta dispositivo</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Contenuto</translation>
    </message>
    <message>
        <source>The literal text to send</source>
        <translation>Testo da inviare così com&apos;è</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>No batch commands yet</source>
        <translation>Ancora nessun comando batch</translation>
    </message>
    <message>
        <source>%1 steps · %2 ms interval</source>
        <translation>%1 passaggi · intervallo di %2 ms</translation>
    </message>
    <message>
        <source>■ Stop</source>
        <translation>■ Ferma</translation>
    </message>
    <message>
        <source>▶ Run</source>
        <translation>▶ Esegui</translation>
    </message>
    <message>
        <source>New batch</source>
        <translation>Nuovo batch</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Edit batch command</source>
        <translation>Modifica comando batch</translation>
    </message>
    <message>
        <source>New batch command</source>
        <translation>Nuovo comando batch</translation>
    </message>
    <message>
        <source>e.g. Startup sequence</source>
        <translation>es. Sequenza di avvio</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervallo</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passaggi</translation>
    </message>
    <message>
        <source>Command text</source>
        <translation>Testo del comando</translation>
    </message>
    <message>
        <source>CRC</source>
        <translation>CRC</translation>
    </message>
    <message>
        <source>Add step</source>
        <translation>Aggiungi passaggio</translation>
    </message>
    <message>
        <source>Delete template</source>
        <translation>Elimina il modello</translation>
    </message>
    <message>
        <source>Delete the template &quot;%1&quot;? This cannot be undone.</source>
        <translation>Eliminare il modello «%1»? L&apos;operazione non può essere annullata.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Korvel Serial Assistant: a serial terminal for Korvel sensors and any other serial device.</source>
        <translation>Assistente seriale Korvel: un terminale seriale per i sensori Korvel e qualsiasi altro dispositivo seriale.</translation>
    </message>
    <message>
        <source>Choose the port PATH: a name from the port list (ttyUSB0) or any device path (/dev/serial/by-id/..., /tmp/hx4).</source>
        <translation>Sceglie la porta PATH: un nome dall&apos;elenco delle porte (ttyUSB0) o qualsiasi percorso di dispositivo (/dev/serial/by-id/..., /tmp/hx4).</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PATH</translation>
    </message>
    <message>
        <source>Use N bits per second, one of %1.</source>
        <translation>Usa N bit al secondo, uno tra %1.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Open the port at start-up, with the serial settings the window shows.</source>
        <translation>Apre la porta all&apos;avvio, con le impostazioni seriali mostrate nella finestra.</translation>
    </message>
    <message>
        <source>Run &quot;%1 --help&quot; to see the options.</source>
        <translation>Esegui &quot;%1 --help&quot; per vedere le opzioni.</translation>
    </message>
    <message>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argomento imprevisto &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--port needs a port name or a device path.</source>
        <translation>--port richiede un nome di porta o un percorso di dispositivo.</translation>
    </message>
    <message>
        <source>--baud: &quot;%1&quot; is not a baud rate the window offers (%2).</source>
        <translation>--baud: &quot;%1&quot; non è una velocità offerta dalla finestra (%2).</translation>
    </message>
</context>
<context>
    <name>CommandParamsPanel</name>
    <message>
        <source>Needs parameters</source>
        <translation>Richiede parametri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
</context>
<context>
    <name>ControlLines</name>
    <message>
        <source>Reset device pulses RTS, which RTS/CTS flow control drives: choose DTR for the reset.</source>
        <translation>Il ripristino del dispositivo agisce su RTS, che il controllo di flusso RTS/CTS gestisce: scegliere DTR per il ripristino.</translation>
    </message>
    <message>
        <source>Reset device: %1 pulsed for %2 ms.</source>
        <translation>Ripristino del dispositivo: impulso di %2 ms su %1.</translation>
    </message>
    <message>
        <source>The port did not send a break.</source>
        <translation>La porta non ha inviato il break.</translation>
    </message>
    <message>
        <source>Break sent (%1 ms).</source>
        <translation>Break inviato (%1 ms).</translation>
    </message>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>Questa porta non ha linee di controllo del modem.</translation>
    </message>
</context>
<context>
    <name>ControlLinesPanel</name>
    <message>
        <source>This port has no modem control lines.</source>
        <translation>Questa porta non ha linee di controllo del modem.</translation>
    </message>
    <message>
        <source>Control lines</source>
        <translation>Linee di controllo</translation>
    </message>
    <message>
        <source>RTS/CTS flow control drives RTS while the port is open.</source>
        <translation>Il controllo di flusso RTS/CTS gestisce RTS finché la porta è aperta.</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>Ripristina dispositivo</translation>
    </message>
    <message>
        <source>Assert DTR after opening</source>
        <translation>Attiva DTR dopo l&apos;apertura</translation>
    </message>
    <message>
        <source>Assert RTS after opening</source>
        <translation>Attiva RTS dopo l&apos;apertura</translation>
    </message>
    <message>
        <source>Reset pulses</source>
        <translation>Il ripristino agisce su</translation>
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
        <translation>Monitor dati</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 righe</translation>
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
        <translation>Copia</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Cancella log</translation>
    </message>
    <message>
        <source>Save log…</source>
        <translation>Salva log…</translation>
    </message>
    <message numerus="yes">
        <source>Paused · %n new lines</source>
        <translation>
            <numerusform>In pausa · %n nuova riga</numerusform>
            <numerusform>In pausa · %n nuove righe</numerusform>
        </translation>
    </message>
    <message>
        <source>The log is full: the lines in view are being dropped.</source>
        <translation>Il registro è pieno: le righe visualizzate vengono scartate.</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Show as JSON</source>
        <translation>Mostra come JSON</translation>
    </message>
</context>
<context>
    <name>DeviceLibraryUpdateClient</name>
    <message>
        <source>Remote update server not configured (.env).</source>
        <translation>Server di aggiornamento remoto non configurato (.env).</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>Risposta non valida: %1</translation>
    </message>
    <message>
        <source>Checksum mismatch -- downloaded data may be corrupted.</source>
        <translation>Checksum non corrispondente — i dati scaricati potrebbero essere danneggiati.</translation>
    </message>
    <message>
        <source>Response has no models[] array.</source>
        <translation>La risposta non contiene l&apos;array models[].</translation>
    </message>
</context>
<context>
    <name>DriverHintDialog</name>
    <message>
        <source>Serial driver may be missing</source>
        <translation>Driver seriale forse mancante</translation>
    </message>
    <message>
        <source>Download driver</source>
        <translation>Scarica driver</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>The CH340 USB-to-serial driver doesn&apos;t appear to be installed on this computer. Without it, a connected Korvel device won&apos;t show up as an available serial port.</source>
        <translation>Il driver USB-seriale CH340 non sembra installato su questo computer. Senza di esso, un dispositivo Korvel collegato non comparirà tra le porte seriali disponibili.</translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation>Non mostrare più</translation>
    </message>
</context>
<context>
    <name>DriverListDialog</name>
    <message>
        <source>Driver downloads</source>
        <translation>Download dei driver</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>No drivers are relevant on this platform.</source>
        <translation>Nessun driver necessario su questa piattaforma.</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installato</translation>
    </message>
    <message>
        <source>Not detected</source>
        <translation>Non rilevato</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>USB-to-serial driver used by most Korvel devices</source>
        <translation>Driver USB-seriale usato dalla maggior parte dei dispositivi Korvel</translation>
    </message>
</context>
<context>
    <name>FieldMonitor</name>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n or more): %2.</source>
        <translation>
            <numerusform>Sono conservati solo i primi %1 campi. Non aggiunto (%n o più): %2.</numerusform>
            <numerusform>Sono conservati solo i primi %1 campi. Non aggiunti (%n o più): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n): %2.</source>
        <translation>
            <numerusform>Sono conservati solo i primi %1 campi. Non aggiunto (%n): %2.</numerusform>
            <numerusform>Sono conservati solo i primi %1 campi. Non aggiunti (%n): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</source>
        <translation>
            <numerusform>Riga non letta (%n): JSON non valido, annidamento oltre %1 livelli o più lunga di %2 KiB.</numerusform>
            <numerusform>Righe non lette (%n): JSON non valido, annidamento oltre %1 livelli o più lunghe di %2 KiB.</numerusform>
        </translation>
    </message>
    <message>
        <source>This line is no longer in the log.</source>
        <translation>Questa riga non è più nel log.</translation>
    </message>
    <message>
        <source>Enter a file name.</source>
        <translation>Inserisci un nome di file.</translation>
    </message>
</context>
<context>
    <name>FieldPlot</name>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>Impossibile scrivere l’immagine in %1.</translation>
    </message>
</context>
<context>
    <name>FieldsPanel</name>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Campi</translation>
    </message>
    <message>
        <source>The fields of received JSON objects, label:value lines and lines of numbers appear here, with a live plot.</source>
        <translation>Qui compaiono i campi degli oggetti JSON ricevuti, delle righe label:value e delle righe di numeri, con un grafico in tempo reale.</translation>
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
        <translation>Tutto</translation>
    </message>
    <message>
        <source>Time shown in the plot</source>
        <translation>Intervallo mostrato nel grafico</translation>
    </message>
    <message>
        <source>Fit values</source>
        <translation>Adatta valori</translation>
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
        <translation>Sospendi grafico</translation>
    </message>
    <message>
        <source>Clear fields</source>
        <translation>Cancella campi</translation>
    </message>
    <message>
        <source>Save plot as PNG…</source>
        <translation>Salva grafico come PNG…</translation>
    </message>
    <message>
        <source>Save samples as CSV…</source>
        <translation>Salva campioni come CSV…</translation>
    </message>
    <message>
        <source>Hide fields</source>
        <translation>Nascondi campi</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Latest</source>
        <translation>Ultimo</translation>
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
        <translation>Freq./s</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Campioni</translation>
    </message>
    <message>
        <source>Tick numeric fields in the table to plot them.</source>
        <translation>Spunta i campi numerici nella tabella per tracciarli.</translation>
    </message>
    <message>
        <source>Save plot as PNG</source>
        <translation>Salva grafico come PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Immagini PNG (*.png)</translation>
    </message>
    <message>
        <source>Save samples as CSV</source>
        <translation>Salva campioni come CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>FileSendDialog</name>
    <message>
        <source>Send file</source>
        <translation>Invia file</translation>
    </message>
    <message>
        <source>File to send</source>
        <translation>File da inviare</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Raw bytes, as they are in the file</source>
        <translation>Byte grezzi, così come sono nel file</translation>
    </message>
    <message>
        <source>Text, line by line, each line ended by %1</source>
        <translation>Testo, riga per riga, ogni riga terminata da %1</translation>
    </message>
    <message>
        <source>Pause after each line or piece</source>
        <translation>Pausa dopo ogni riga o blocco</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
</context>
<context>
    <name>FileSendProgress</name>
    <message>
        <source>Sending %1</source>
        <translation>Invio di %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 of %2 sent</source>
        <translation>%1 di %2 inviati</translation>
    </message>
    <message>
        <source>%1 of %2 sent · about %L3 s left</source>
        <translation>%1 di %2 inviati · circa %L3 s rimanenti</translation>
    </message>
</context>
<context>
    <name>FileSender</name>
    <message>
        <source>The port closed before the whole file was sent.</source>
        <translation>La porta si è chiusa prima che l&apos;intero file fosse inviato.</translation>
    </message>
    <message>
        <source>A file is being sent already.</source>
        <translation>Un file è già in fase di invio.</translation>
    </message>
    <message>
        <source>Port is not open — click &quot;Open port&quot; first.</source>
        <translation>La porta non è aperta — fai prima clic su &quot;Apri porta&quot;.</translation>
    </message>
    <message>
        <source>Cannot send %1: %2</source>
        <translation>Impossibile inviare %1: %2</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2</source>
        <translation>Lettura di %1 non riuscita: %2</translation>
    </message>
    <message>
        <source>The port did not take the data of %1.</source>
        <translation>La porta non ha accettato i dati di %1.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Searching…</source>
        <translation>Ricerca…</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nessuna corrispondenza</translation>
    </message>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n corrispondenza</numerusform>
            <numerusform>%n corrispondenze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n</source>
        <translation>
            <numerusform>%1 di %n</numerusform>
            <numerusform>%1 di %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Find bytes (hex, e.g. 0A 01 7F)</source>
        <translation>Cerca byte (hex, ad es. 0A 01 7F)</translation>
    </message>
    <message>
        <source>Find in the log</source>
        <translation>Cerca nel registro</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Espressione regolare</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
    <message>
        <source>Search received lines</source>
        <translation>Cerca nelle righe ricevute</translation>
    </message>
    <message>
        <source>Search sent lines</source>
        <translation>Cerca nelle righe inviate</translation>
    </message>
    <message>
        <source>Search notices</source>
        <translation>Cerca negli avvisi</translation>
    </message>
    <message>
        <source>Search errors</source>
        <translation>Cerca negli errori</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Corrispondenza precedente (Maiusc+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Corrispondenza successiva (F3)</translation>
    </message>
    <message>
        <source>Only matches</source>
        <translation>Solo corrispondenze</translation>
    </message>
    <message>
        <source>Show only the lines that match</source>
        <translation>Mostra solo le righe corrispondenti</translation>
    </message>
    <message numerus="yes">
        <source>%n lines hidden</source>
        <translation>
            <numerusform>%n riga nascosta</numerusform>
            <numerusform>%n righe nascoste</numerusform>
        </translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Chiudi (Esc)</translation>
    </message>
</context>
<context>
    <name>FramingOptions</name>
    <message>
        <source>Lines</source>
        <translation>Righe</translation>
    </message>
    <message>
        <source>Frames by silence</source>
        <translation>Frame per silenzio</translation>
    </message>
    <message>
        <source>Frame pause</source>
        <translation>Pausa di frame</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>With CRC on, each frame is marked by its CRC-16/MODBUS.</source>
        <translation>Con il CRC attivo, ogni frame è contrassegnato in base al suo CRC-16/MODBUS.</translation>
    </message>
</context>
<context>
    <name>HighlightRuleModel</name>
    <message numerus="yes">
        <source>No more than %n rules can be kept.</source>
        <translation>
            <numerusform>Non si può tenere più di %n regola.</numerusform>
            <numerusform>Non si possono tenere più di %n regole.</numerusform>
        </translation>
    </message>
    <message>
        <source>The rule needs a pattern.</source>
        <translation>La regola richiede un modello.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour of the palette.</source>
        <translation>«%1» non è un colore della tavolozza.</translation>
    </message>
</context>
<context>
    <name>HighlightRulesEditor</name>
    <message>
        <source>No rules yet: lines keep the monitor&apos;s colours.</source>
        <translation>Nessuna regola: le righe mantengono i colori del monitor.</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Text to colour, e.g. ERROR</source>
        <translation>Testo da colorare, ad es. ERROR</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Espressione regolare</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save rule</source>
        <translation>Salva regola</translation>
    </message>
    <message>
        <source>Add rule</source>
        <translation>Aggiungi regola</translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>Regole di evidenziazione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>JsonLineDialog</name>
    <message>
        <source>Line as JSON</source>
        <translation>Riga come JSON</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>JsonText</name>
    <message>
        <source>the line ends before the JSON value is complete</source>
        <translation>la riga finisce prima che il valore JSON sia completo</translation>
    </message>
    <message>
        <source>a value was expected</source>
        <translation>era atteso un valore</translation>
    </message>
    <message>
        <source>a key in double quotes was expected</source>
        <translation>era attesa una chiave tra virgolette doppie</translation>
    </message>
    <message>
        <source>&quot;:&quot; was expected after the key</source>
        <translation>era atteso &quot;:&quot; dopo la chiave</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;}&quot; was expected</source>
        <translation>era atteso &quot;,&quot; o &quot;}&quot;</translation>
    </message>
    <message>
        <source>&quot;,&quot; or &quot;]&quot; was expected</source>
        <translation>era atteso &quot;,&quot; o &quot;]&quot;</translation>
    </message>
    <message>
        <source>the number is malformed</source>
        <translation>il numero non è valido</translation>
    </message>
    <message>
        <source>a string holds an unknown escape sequence</source>
        <translation>una stringa contiene una sequenza di escape sconosciuta</translation>
    </message>
    <message>
        <source>a string holds a control character</source>
        <translation>una stringa contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>a string holds bytes that are not UTF-8</source>
        <translation>una stringa contiene byte che non sono UTF-8</translation>
    </message>
    <message>
        <source>it is nested deeper than %1 levels</source>
        <translation>l’annidamento supera %1 livelli</translation>
    </message>
    <message>
        <source>more text follows the JSON value</source>
        <translation>altro testo segue il valore JSON</translation>
    </message>
    <message>
        <source>The line is too long to show as JSON (%1 bytes).</source>
        <translation>La riga è troppo lunga per essere mostrata come JSON (%1 byte).</translation>
    </message>
    <message>
        <source>The line is empty: it holds no JSON.</source>
        <translation>La riga è vuota: non contiene JSON.</translation>
    </message>
    <message>
        <source>Not valid JSON from character %1 on: %2.</source>
        <translation>JSON non valido dal carattere %1: %2.</translation>
    </message>
</context>
<context>
    <name>LibraryCache</name>
    <message>
        <source>The library is larger than %1 bytes.</source>
        <translation>La libreria supera i %1 byte.</translation>
    </message>
</context>
<context>
    <name>LineEndChooser</name>
    <message>
        <source>Line end</source>
        <translation>Fine riga</translation>
    </message>
</context>
<context>
    <name>LogFileWriter</name>
    <message>
        <source>the disk did not keep up with the lines</source>
        <translation>il disco non ha tenuto il passo con le righe</translation>
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
        <translation>[CRC errato]</translation>
    </message>
</context>
<context>
    <name>LogManager</name>
    <message numerus="yes">
        <source>Lines that could not be written here: %n (%1)</source>
        <translation>
            <numerusform>Righe che non è stato possibile scrivere qui: %n (%1)</numerusform>
            <numerusform>Righe che non è stato possibile scrivere qui: %n (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogMatcher</name>
    <message numerus="yes">
        <source>The pattern is longer than %n characters.</source>
        <translation>
            <numerusform>Il modello supera %n carattere.</numerusform>
            <numerusform>Il modello supera %n caratteri.</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid regular expression: %1 (at character %2)</source>
        <translation>Espressione regolare non valida: %1 (al carattere %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; at position %2 is not a hex digit.</source>
        <translation>«%1» alla posizione %2 non è una cifra esadecimale.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Korvel Serial Assistant</source>
        <translation>Assistente seriale Korvel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Save log</source>
        <translation>Salva log</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>&amp;Port</source>
        <translation>&amp;Porta</translation>
    </message>
    <message>
        <source>Open device path…</source>
        <translation>Apri percorso dispositivo…</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>Riconnetti automaticamente</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>Sospendi scorrimento</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Driver downloads</source>
        <translation>Download dei driver</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Serial driver not installed — click for details</source>
        <translation>Driver seriale non installato — fai clic per i dettagli</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignora</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriale</translation>
    </message>
    <message>
        <source>Device commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Failed to open port</source>
        <translation>Impossibile aprire la porta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stop continuous logging</source>
        <translation>Interrompi la registrazione continua</translation>
    </message>
    <message>
        <source>Clear monitor</source>
        <translation>Cancella il monitor</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>Chiudi porta</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>Apri porta</translation>
    </message>
    <message>
        <source>Check for updates…</source>
        <translation>Cerca aggiornamenti…</translation>
    </message>
    <message>
        <source>Fields and plot</source>
        <translation>Campi e grafico</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>Trova…</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>Reset device</source>
        <translation>Ripristina dispositivo</translation>
    </message>
    <message>
        <source>Send break</source>
        <translation>Invia break</translation>
    </message>
    <message>
        <source>Send file…</source>
        <translation>Invia file…</translation>
    </message>
</context>
<context>
    <name>PortAccess</name>
    <message>
        <source>%1 does not exist. Check the path, and that the device is plugged in.</source>
        <translation>%1 non esiste. Controlla il percorso e che il dispositivo sia collegato.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a serial device.</source>
        <translation>%1 è una cartella, non un dispositivo seriale.</translation>
    </message>
    <message>
        <source>%1 is a regular file, not a serial device.</source>
        <translation>%1 è un file normale, non un dispositivo seriale.</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 non è un dispositivo seriale.</translation>
    </message>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>Impossibile aprire %1: %2.</translation>
    </message>
    <message>
        <source>It is not a serial device.</source>
        <translation>Non è un dispositivo seriale.</translation>
    </message>
    <message>
        <source>To get access on Linux, add your user to the group that owns the device (%1), for example with &quot;sudo usermod -aG %1 $USER&quot;, then log out and log in again.</source>
        <translation>Per ottenere l&apos;accesso su Linux, aggiungi il tuo utente al gruppo proprietario del dispositivo (%1), ad esempio con &quot;sudo usermod -aG %1 $USER&quot;, quindi esci e accedi di nuovo.</translation>
    </message>
    <message>
        <source>It is in use by another program: %1 (process %2). Close the port there, then try again.</source>
        <translation>È in uso da parte di un altro programma: %1 (processo %2). Chiudi lì la porta, poi riprova.</translation>
    </message>
    <message>
        <source>It is in use by another program (process %1). Close the port there, then try again.</source>
        <translation>È in uso da parte di un altro programma (processo %1). Chiudi lì la porta, poi riprova.</translation>
    </message>
    <message>
        <source>It is in use by another program. Close the port there, then try again.</source>
        <translation>È in uso da parte di un altro programma. Chiudi lì la porta, poi riprova.</translation>
    </message>
</context>
<context>
    <name>PortComboBox</name>
    <message>
        <source>No ports found</source>
        <translation>Nessuna porta trovata</translation>
    </message>
    <message>
        <source>Open a device path…</source>
        <translation>Apri un percorso dispositivo…</translation>
    </message>
    <message>
        <source>A device the list does not show</source>
        <translation>Un dispositivo non presente nell&apos;elenco</translation>
    </message>
    <message>
        <source>Device path</source>
        <translation>Percorso dispositivo</translation>
    </message>
    <message>
        <source>Unknown device</source>
        <translation>Dispositivo sconosciuto</translation>
    </message>
    <message>
        <source>PATH</source>
        <translation>PERCORSO</translation>
    </message>
    <message>
        <source>%1 is gone</source>
        <translation>%1 non è più presente</translation>
    </message>
    <message>
        <source>Choose a port</source>
        <translation>Scegli una porta</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>no temporary-files folder is available for the update</source>
        <translation>nessuna cartella per i file temporanei disponibile per l&apos;aggiornamento</translation>
    </message>
    <message>
        <source>could not start &apos;tar&apos; (bundled with Windows 10 1803+/Windows 11) -- %1</source>
        <translation>impossibile avviare &apos;tar&apos; (incluso in Windows 10 1803+/Windows 11) — %1</translation>
    </message>
    <message>
        <source>&apos;tar&apos; timed out extracting the update</source>
        <translation>timeout di &apos;tar&apos; durante l&apos;estrazione dell&apos;aggiornamento</translation>
    </message>
    <message>
        <source>&apos;tar&apos; failed (exit %1): %2</source>
        <translation>&apos;tar&apos; non riuscito (codice di uscita %1): %2</translation>
    </message>
    <message>
        <source>downloaded archive doesn&apos;t contain %1 -- not a valid release package</source>
        <translation>l&apos;archivio scaricato non contiene %1 — non è un pacchetto di rilascio valido</translation>
    </message>
    <message>
        <source>could not write updater script to %1: %2</source>
        <translation>impossibile scrivere lo script di aggiornamento in %1: %2</translation>
    </message>
    <message>
        <source>the update service published no checksum for this package -- it can&apos;t be verified</source>
        <translation>il servizio di aggiornamento non ha pubblicato alcun checksum per questo pacchetto — impossibile verificarlo</translation>
    </message>
    <message>
        <source>the downloaded update doesn&apos;t match its published checksum -- it may be damaged or tampered with</source>
        <translation>l&apos;aggiornamento scaricato non corrisponde al checksum pubblicato — potrebbe essere danneggiato o manomesso</translation>
    </message>
    <message>
        <source>could not start the updater script %1</source>
        <translation>impossibile avviare lo script di aggiornamento %1</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It is not a regular file.</source>
        <translation>Non è un file normale.</translation>
    </message>
    <message>
        <source>It is larger than %1 bytes.</source>
        <translation>Supera i %1 byte.</translation>
    </message>
</context>
<context>
    <name>RemoteAssistPanel</name>
    <message>
        <source>Remote support</source>
        <translation>Assistenza remota</translation>
    </message>
    <message>
        <source>Send the code below to Korvel support so they can connect to your computer and help diagnose device issues.</source>
        <translation>Invia il codice qui sotto all&apos;assistenza Korvel, così potrà collegarsi al tuo computer e aiutarti a diagnosticare i problemi del dispositivo.</translation>
    </message>
    <message>
        <source>Your code</source>
        <translation>Il tuo codice</translation>
    </message>
    <message>
        <source>Valid for 10 minutes · this session only</source>
        <translation>Valido per 10 minuti · solo per questa sessione</translation>
    </message>
    <message>
        <source>Copy code</source>
        <translation>Copia codice</translation>
    </message>
    <message>
        <source>Regenerate</source>
        <translation>Rigenera</translation>
    </message>
    <message>
        <source>One-time password</source>
        <translation>Password monouso</translation>
    </message>
    <message>
        <source>Allow support to send/receive on the serial port</source>
        <translation>Consenti all&apos;assistenza di inviare/ricevere sulla porta seriale</translation>
    </message>
    <message>
        <source>Share this session&apos;s log</source>
        <translation>Condividi il log di questa sessione</translation>
    </message>
    <message>
        <source>Allow full desktop control</source>
        <translation>Controllo completo del desktop</translation>
    </message>
    <message>
        <source>Start session</source>
        <translation>Avvia sessione</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Non connesso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Remote support requires a signaling/relay service that this build does not include yet. The session code and permissions above are ready to wire up once that transport exists.</source>
        <translation>L&apos;assistenza remota richiede un servizio di signaling/relay che questa build non include ancora. Il codice di sessione e i permessi qui sopra saranno pronti all&apos;uso non appena quel canale sarà disponibile.</translation>
    </message>
</context>
<context>
    <name>ReplyGuard</name>
    <message numerus="yes">
        <source>The transfer did not finish in time (%n s).</source>
        <translation>
            <numerusform>Il trasferimento non è terminato in tempo (%n s).</numerusform>
            <numerusform>Il trasferimento non è terminato in tempo (%n s).</numerusform>
        </translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes, more than this request can need.</source>
        <translation>La risposta supera i %1 byte, più di quanto questa richiesta possa richiedere.</translation>
    </message>
    <message numerus="yes">
        <source>The download made no progress for %n s.</source>
        <translation>
            <numerusform>Il download non è avanzato per %n s.</numerusform>
            <numerusform>Il download non è avanzato per %n s.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplyPattern</name>
    <message>
        <source>&quot;%1&quot; at position %2 is neither a hex digit nor part of &quot;??&quot;.</source>
        <translation>&quot;%1&quot; in posizione %2 non è né una cifra esadecimale né parte di &quot;??&quot;.</translation>
    </message>
    <message>
        <source>Enter what the reply must contain.</source>
        <translation>Indica cosa deve contenere la risposta.</translation>
    </message>
    <message>
        <source>text &quot;%1&quot;</source>
        <translation>il testo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>regular expression &quot;%1&quot;</source>
        <translation>l&apos;espressione regolare &quot;%1&quot;</translation>
    </message>
    <message>
        <source>hex bytes %1</source>
        <translation>i byte esadecimali %1</translation>
    </message>
</context>
<context>
    <name>ReplyWait</name>
    <message>
        <source>Step %1: the reply pattern cannot be used: %2</source>
        <translation>Passo %1: il modello di risposta non è utilizzabile: %2</translation>
    </message>
    <message>
        <source>Step %1: waiting up to %2 ms for a reply matching %3.</source>
        <translation>Passo %1: attesa fino a %2 ms di una risposta che corrisponda a %3.</translation>
    </message>
    <message>
        <source>Step %1: the port closed while waiting for the reply.</source>
        <translation>Passo %1: la porta si è chiusa durante l&apos;attesa della risposta.</translation>
    </message>
    <message>
        <source>Step %1: a reply matching %2 came after %3 ms.</source>
        <translation>Passo %1: una risposta che corrisponde a %2 è arrivata dopo %3 ms.</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms; going on.</source>
        <translation>Passo %1: nessuna risposta che corrisponda a %2 entro %3 ms; si prosegue.</translation>
    </message>
    <message>
        <source>Step %1: no reply matching %2 within %3 ms.</source>
        <translation>Passo %1: nessuna risposta che corrisponda a %2 entro %3 ms.</translation>
    </message>
</context>
<context>
    <name>SaveLogDialog</name>
    <message>
        <source>Save session log</source>
        <translation>Salva il log della sessione</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Plain text (.log)</source>
        <translation>Testo semplice (.log)</translation>
    </message>
    <message>
        <source>HEX dump</source>
        <translation>Dump HEX</translation>
    </message>
    <message>
        <source>Continue logging to disk, rotating the file every day</source>
        <translation>Log continuo su disco, un file al giorno</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Logging now to %1</source>
        <translation>Registrazione in corso in %1</translation>
    </message>
    <message>
        <source>Saving stops logging to %1</source>
        <translation>Il salvataggio interrompe la registrazione in %1</translation>
    </message>
</context>
<context>
    <name>SendArea</name>
    <message>
        <source>Type data to send…</source>
        <translation>Digita i dati da inviare…</translation>
    </message>
    <message>
        <source>Send as</source>
        <translation>Invia come</translation>
    </message>
    <message>
        <source>CRC16</source>
        <translation>CRC16</translation>
    </message>
    <message>
        <source>Enter sends · Shift+Enter new line</source>
        <translation>Invio invia · Maiusc+Invio nuova riga</translation>
    </message>
    <message>
        <source>Ctrl+Enter sends</source>
        <translation>Ctrl+Invio invia</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Send (Ctrl+Enter)</source>
        <translation>Invia (Ctrl+Invio)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Send history</source>
        <translation>Cronologia invii</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Cancella cronologia</translation>
    </message>
    <message>
        <source>No history yet</source>
        <translation>Ancora nessuna cronologia</translation>
    </message>
</context>
<context>
    <name>SerialManager</name>
    <message>
        <source>Serial port %1 disconnected.</source>
        <translation>Porta seriale %1 disconnessa.</translation>
    </message>
</context>
<context>
    <name>SerialOptions</name>
    <message>
        <source>None</source>
        <comment>parity</comment>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>None</source>
        <comment>flow control</comment>
        <translation>Nessuno</translation>
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
        <translation>Nessuna</translation>
    </message>
</context>
<context>
    <name>SerialSettingsPanel</name>
    <message>
        <source>Port · PORT</source>
        <translation>Porta · PORT</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Baud rate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Data bits</source>
        <translation>Bit di dati</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parità</translation>
    </message>
    <message>
        <source>Stop bits</source>
        <translation>Bit di stop</translation>
    </message>
    <message>
        <source>Flow control</source>
        <translation>Controllo di flusso</translation>
    </message>
    <message>
        <source>Close port</source>
        <translation>Chiudi porta</translation>
    </message>
    <message>
        <source>Stop waiting</source>
        <translation>Interrompi attesa</translation>
    </message>
    <message>
        <source>Open port</source>
        <translation>Apri porta</translation>
    </message>
    <message>
        <source>Reconnect automatically</source>
        <translation>Riconnetti automaticamente</translation>
    </message>
    <message>
        <source>Receive · RECEIVE</source>
        <translation>Ricezione · RECEIVE</translation>
    </message>
    <message>
        <source>Show timestamp</source>
        <translation>Mostra orario</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>A capo automatico</translation>
    </message>
    <message>
        <source>Echo sent data</source>
        <translation>Eco dei dati inviati</translation>
    </message>
    <message>
        <source>Transmit · TRANSMIT</source>
        <translation>Trasmissione · TRANSMIT</translation>
    </message>
    <message>
        <source>Append CRC (CRC16/MODBUS)</source>
        <translation>Aggiungi CRC (CRC16/MODBUS)</translation>
    </message>
    <message>
        <source>Repeat send</source>
        <translation>Invio ripetuto</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Open a device path</source>
        <translation>Apri un percorso dispositivo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Any serial device or pseudo-terminal, opened with the settings of the serial panel. Paths opened here stay in the port list while they exist.</source>
        <translation>Qualsiasi dispositivo seriale o pseudo-terminale, aperto con le impostazioni del pannello seriale. I percorsi aperti qui restano nell&apos;elenco delle porte finché esistono.</translation>
    </message>
</context>
<context>
    <name>ServiceRequest</name>
    <message>
        <source>The API key in .env holds a control character (such as NUL or a line break); it was not sent.</source>
        <translation>La chiave API in .env contiene un carattere di controllo (come NUL o un a capo); non è stata inviata.</translation>
    </message>
</context>
<context>
    <name>SettingsAboutDialog</name>
    <message>
        <source>Settings &amp; About</source>
        <translation>Impostazioni e informazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>Lingua dell&apos;interfaccia</translation>
    </message>
    <message>
        <source>System font</source>
        <translation>Carattere di sistema</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Data monitor font</source>
        <translation>Carattere del monitor dati</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message>
        <source>Command library</source>
        <translation>Libreria comandi</translation>
    </message>
    <message>
        <source>Up to date</source>
        <translation>Aggiornata</translation>
    </message>
    <message>
        <source>Update available</source>
        <translation>Nuova versione</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Piattaforma</translation>
    </message>
    <message>
        <source>%1 (Qt %2)</source>
        <translation>%1 (Qt %2)</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Download and apply</source>
        <translation>Scarica e applica</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastiera</translation>
    </message>
    <message>
        <source>Enter sends (Shift+Enter for a new line)</source>
        <translation>Invio invia (Maiusc+Invio per una nuova riga)</translation>
    </message>
    <message numerus="yes">
        <source>%n models</source>
        <translation>
            <numerusform>%n modello</numerusform>
            <numerusform>%n modelli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n comando</numerusform>
            <numerusform>%n comandi</numerusform>
        </translation>
    </message>
    <message>
        <source>Highlight rules</source>
        <translation>Regole di evidenziazione</translation>
    </message>
    <message>
        <source>Lines matching a pattern can be coloured.</source>
        <translation>Le righe che corrispondono a un modello possono essere colorate.</translation>
    </message>
    <message numerus="yes">
        <source>%n rules colour matching lines.</source>
        <translation>
            <numerusform>%n regola colora le righe corrispondenti.</numerusform>
            <numerusform>%n regole colorano le righe corrispondenti.</numerusform>
        </translation>
    </message>
    <message>
        <source>Edit rules…</source>
        <translation>Modifica regole…</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateClient</name>
    <message>
        <source>Update server not configured (.env).</source>
        <translation>Server di aggiornamento non configurato (.env).</translation>
    </message>
    <message>
        <source>Malformed response: %1</source>
        <translation>Risposta non valida: %1</translation>
    </message>
    <message>
        <source>Server reported an error.</source>
        <translation>Il server ha segnalato un errore.</translation>
    </message>
    <message>
        <source>This app isn&apos;t registered on the update server (slug &quot;%1&quot; not found).</source>
        <translation>Questa app non è registrata sul server di aggiornamento (slug &quot;%1&quot; non trovato).</translation>
    </message>
    <message>
        <source>Download incomplete: received %1 of %2 bytes.</source>
        <translation>Download incompleto: ricevuti %1 byte su %2.</translation>
    </message>
    <message>
        <source>Cannot write to %1: %2</source>
        <translation>Impossibile scrivere in %1: %2</translation>
    </message>
    <message>
        <source>The package address &quot;%1&quot; is not an http or https address; nothing was fetched.</source>
        <translation>L&apos;indirizzo del pacchetto &quot;%1&quot; non è un indirizzo http o https; non è stato scaricato nulla.</translation>
    </message>
    <message>
        <source>The package is larger than the %1 bytes the update service announced.</source>
        <translation>Il pacchetto supera i %1 byte annunciati dal servizio di aggiornamento.</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdateDialog</name>
    <message>
        <source>Software Update</source>
        <translation>Aggiornamento software</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Più tardi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Update now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1 is available (you have %2)</source>
        <translation>È disponibile la versione %1 (hai la %2)</translation>
    </message>
    <message>
        <source>This update is required to keep using the app.</source>
        <translation>Questo aggiornamento è necessario per continuare a usare l&apos;app.</translation>
    </message>
    <message>
        <source>Open download page</source>
        <translation>Apri la pagina di download</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Batch %1 · step %2</source>
        <translation>Batch %1 · passo %2</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Logging to %1</source>
        <translation>Registrazione in %1</translation>
    </message>
    <message>
        <source>%1 — click to open its folder</source>
        <translation>%1 — fai clic per aprire la cartella</translation>
    </message>
</context>
</TS>
