<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Categories</name>
    <message>
        <source>General Video</source>
        <translation>Video generici</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audio generici</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Cellulare</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Lettore multimediale</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Video HD</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
</context>
<context>
    <name>ChoiceBox</name>
    <message>
        <source>Higher Quality</source>
        <translation>Qualità altissima</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Qualità alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>Qualità bassa</translation>
    </message>
    <message>
        <source>Lower Quality</source>
        <translation>Qualità bassissima</translation>
    </message>
    <message>
        <source>The original width and height</source>
        <translation>Larghezza e altezza originali</translation>
    </message>
    <message>
        <source>The Original Video Quliay</source>
        <translation>Qualità video originale</translation>
    </message>
    <message>
        <source>The Original Audio Quliay</source>
        <translation>Qualità audio originale</translation>
    </message>
    <message>
        <source>No Video</source>
        <translation>Nessun video</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
</context>
<context>
    <name>DesktopBus</name>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>Il bus di sistema non è raggiungibile.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>the encoder was stopped</source>
        <translation>il codificatore è stato fermato</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>il disco è pieno</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>la sorgente non è leggibile</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>la cartella di destinazione non esiste più</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>la cartella di destinazione non è scrivibile</translation>
    </message>
    <message>
        <source>the source has no sound</source>
        <translation>la sorgente non ha audio</translation>
    </message>
    <message>
        <source>the source has no picture</source>
        <translation>la sorgente non ha immagini</translation>
    </message>
    <message>
        <source>the encoder ended with exit code %1</source>
        <translation>il codificatore è terminato con il codice di uscita %1</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>Invalid height or width "%1": the picture size must be two positive whole numbers such as 320x240.</source>
        <translation>Altezza o larghezza «%1» non valida: la dimensione dell'immagine deve essere di due numeri interi positivi, per esempio 320x240.</translation>
    </message>
    <message>
        <source>The source video bit rate "%1" is not a number.</source>
        <translation>Il bitrate video della sorgente «%1» non è un numero.</translation>
    </message>
    <message>
        <source>The source audio bit rate "%1" is not a number.</source>
        <translation>Il bitrate audio della sorgente «%1» non è un numero.</translation>
    </message>
    <message>
        <source>The profile's video bit rate "%1" is not a number.</source>
        <translation>Il bitrate video del profilo «%1» non è un numero.</translation>
    </message>
    <message>
        <source>Choose PAL or NTSC as the video size for this disc format.</source>
        <translation>Scegli PAL o NTSC come dimensione video per questo formato di disco.</translation>
    </message>
    <message>
        <source>No output folder is set.</source>
        <translation>Nessuna cartella di destinazione impostata.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>Impossibile creare la cartella di destinazione %1.</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>it is empty</source>
        <translation>è vuoto</translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation>la riga %1 contiene dati binari</translation>
    </message>
    <message>
        <source>line %1 is an unfinished section name</source>
        <translation>la riga %1 è un nome di sezione incompleto</translation>
    </message>
    <message>
        <source>line %1 is not a section, a key=value pair or a comment</source>
        <translation>la riga %1 non è né una sezione, né una coppia chiave=valore, né un commento</translation>
    </message>
    <message>
        <source>line %1 comes before any section</source>
        <translation>la riga %1 precede ogni sezione</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non è leggibile</translation>
    </message>
    <message>
        <source>The layout file Skin.ini is damaged (%1). The window uses its built-in layout; please install the program again.</source>
        <translation>Il file di layout Skin.ini è danneggiato (%1). La finestra usa il layout incorporato; reinstalla il programma.</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Show Encoder &amp;Log</source>
        <translation>Mostra il &amp;registro del codificatore</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Add File(A)</source>
        <translation>&amp;Aggiungi file</translation>
    </message>
    <message>
        <source>A&amp;dd Folder(D)</source>
        <translation>Aggiungi &amp;cartella</translation>
    </message>
    <message>
        <source>Proper&amp;ties(T)</source>
        <translation>Proprie&amp;tà</translation>
    </message>
    <message>
        <source>&amp;Browse Output Folder…</source>
        <translation>&amp;Scegli cartella di destinazione…</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>A&amp;pri cartella di destinazione</translation>
    </message>
    <message>
        <source>&amp;Run Background(R)</source>
        <translation>Esegui in &amp;background</translation>
    </message>
    <message>
        <source>&amp;Exit(E)</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Remove(R)</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <source>&amp;Clear(C)</source>
        <translation>S&amp;vuota elenco</translation>
    </message>
    <message>
        <source>Re&amp;name(N)</source>
        <translation>Ri&amp;nomina</translation>
    </message>
    <message>
        <source>Select A&amp;ll(L)</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>&amp;Unselect All(U)</source>
        <translation>&amp;Deseleziona tutto</translation>
    </message>
    <message>
        <source>Un&amp;do Remove</source>
        <translation>Ann&amp;ulla rimozione</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>Con&amp;vert(V)</source>
        <translation>Con&amp;verti</translation>
    </message>
    <message>
        <source>&amp;Pause(P)</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Stop(S)</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>Sett&amp;ings(I)</source>
        <translation>Imp&amp;ostazioni</translation>
    </message>
    <message>
        <source>&amp;Help(H)</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support(F)</source>
        <translation>&amp;Feedback e assistenza</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Informazioni su </translation>
    </message>
    <message>
        <source>Add DVD</source>
        <translation>Aggiungi DVD</translation>
    </message>
    <message>
        <source>Add IFO</source>
        <translation>Aggiungi IFO</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Unselect ALL</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Attività</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Traccia audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Profile category: choose a profile</source>
        <translation>Categoria di profilo: scegli un profilo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>All Support Format</source>
        <translation>Tutti i formati supportati</translation>
    </message>
    <message>
        <source>All File(*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Add File</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Remove Files</source>
        <translation>Rimuovi file</translation>
    </message>
    <message>
        <source>Clear file list</source>
        <translation>Svuota l'elenco dei file</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>Avvia conversione</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Metti in pausa la conversione</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Ferma la conversione</translation>
    </message>
    <message>
        <source>About US</source>
        <translation>Chi siamo</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>General Video</source>
        <translation>Video generici</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audio generici</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Cellulare</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Lettori</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Video HD</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animazione</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>More formats</source>
        <translation>Altri formati</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Convertitore video</translation>
    </message>
    <message>
        <source>%1 Video Converter</source>
        <translation>Convertitore video %1</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>There is no profile number %1 in the profile file.</source>
        <translation>Il file dei profili non contiene il profilo numero %1.</translation>
    </message>
    <message>
        <source>The profile file ends before the settings of profile %1 (it needs %2 lines and has %3).</source>
        <translation>Il file dei profili finisce prima delle impostazioni del profilo %1 (servono %2 righe, ce ne sono %3).</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>Impossibile aprire il file %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation>Impossibile leggere il file %1.</translation>
    </message>
</context>
<context>
    <name>ProfileSettings</name>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>Impossibile leggere il file di impostazioni %1.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>Impossibile scrivere il file di impostazioni %1.</translation>
    </message>
</context>
<context>
    <name>SideEffects</name>
    <message>
        <source>Video Converter</source>
        <translation>Convertitore video</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: %1</source>
        <translation>Impossibile spegnere il computer: %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Video Converter</source>
        <translation>Convertitore video</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Azioni</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>More ways to add files</source>
        <translation>Altri modi per aggiungere file</translation>
    </message>
    <message>
        <source>Add files or a folder to start</source>
        <translation>Aggiungi file o una cartella per iniziare</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>File…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Cartella…</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Posizione dell'anteprima</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tempo riprodotto</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Select a job and press Play to preview it</source>
        <translation>Scegli un lavoro e premi Riproduci</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profilo</translation>
    </message>
    <message>
        <source>Change ▾</source>
        <translation>Cambia ▾</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Sfoglia…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Lavoro</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Pronto per convertire</translation>
    </message>
    <message>
        <source>Output size</source>
        <translation>Dimensione di uscita</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Passato</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Avanzamento della conversione</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>File di uscita</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>-30s</source>
        <translation>-30 s</translation>
    </message>
    <message>
        <source>Back 30 seconds</source>
        <translation>Indietro di 30 secondi</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>+30s</source>
        <translation>+30 s</translation>
    </message>
    <message>
        <source>Forward 30 seconds</source>
        <translation>Avanti di 30 secondi</translation>
    </message>
    <message>
        <source>Set Begin</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Begin time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Set End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Jobs and their marks</source>
        <translation>Lavori e relativi segni</translation>
    </message>
    <message>
        <source>Play a job, mark its begin and end, then close the window to apply the marks.</source>
        <translation>Riproduci un lavoro, segna inizio e fine, poi chiudi la finestra.</translation>
    </message>
</context>
<context>
    <name>SkinDisplay</name>
    <message>
        <source>The skin file cannot be loaded: %1</source>
        <translation>Impossibile caricare il file della skin: %1</translation>
    </message>
</context>
<context>
    <name>StartArgs</name>
    <message>
        <source>The profiles:</source>
        <translation>I profili:</translation>
    </message>
    <message>
        <source>there is no profile number %1.</source>
        <translation>non esiste il profilo numero %1.</translation>
    </message>
    <message>
        <source>no profile is named "%1".</source>
        <translation>nessun profilo si chiama «%1».</translation>
    </message>
    <message>
        <source>the profiles %1 share the name "%2": give the number.</source>
        <translation>i profili %1 hanno lo stesso nome «%2»: indica il numero.</translation>
    </message>
    <message>
        <source>--output needs a folder.</source>
        <translation>--output richiede una cartella.</translation>
    </message>
    <message>
        <source>--jobs takes "auto" or a number from 1 to %1 (the number of cores), not "%2".</source>
        <translation>--jobs accetta «auto» o un numero da 1 a %1 (il numero di core), non «%2».</translation>
    </message>
    <message>
        <source>--audio-track takes the number of a sound track, from 1, not "%1".</source>
        <translation>--audio-track accetta il numero di una traccia audio, da 1, non «%1».</translation>
    </message>
    <message>
        <source>--subtitle takes the number of a subtitle, from 1, a subtitle file (.srt, .ass, .ssa, .vtt) or "none", not "%1".</source>
        <translation>--subtitle accetta il numero di un sottotitolo, da 1, un file di sottotitoli (.srt, .ass, .ssa, .vtt) o «none», non «%1».</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 richiede un valore.</translation>
    </message>
    <message>
        <source>%1 is taken only with --convert.</source>
        <translation>%1 è accettato solo con --convert.</translation>
    </message>
    <message>
        <source>--convert needs the files or folders to convert.</source>
        <translation>--convert richiede i file o le cartelle da convertire.</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FILE|FOLDER]...
</source>
        <translation>Uso: %1 [OPZIONE]... [FILE|CARTELLA]...
</translation>
    </message>
    <message>
        <source>  or:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FILE|FOLDER...
</source>
        <translation>  o:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FILE|CARTELLA...
</translation>
    </message>
    <message>
        <source>Converts video and audio files. Files named are added to the job list; a folder adds
the media files it holds. When the converter runs already, the names go to its
window.

  -h, --help     show this help and exit
      --version  show the version and exit
  --             end of the options: every later argument is a file or folder

Qt's own options (-platform NAME, -style NAME, -reverse and others) are taken as
well.

</source>
        <translation>Converte file video e audio. I file indicati vengono aggiunti all'elenco dei
lavori; una cartella aggiunge i file multimediali che contiene. Se il
convertitore è già in esecuzione, i nomi vengono passati alla sua finestra.

  -h, --help     mostra questo aiuto ed esce
      --version  mostra la versione ed esce
  --             fine delle opzioni: ogni argomento successivo è un file o
                 una cartella

Sono accettate anche le opzioni di Qt (-platform NAME, -style NAME, -reverse e
altre).

</translation>
    </message>
    <message>
        <source>Converting without a window (no display needed):
      --convert           convert the files, and the media files of the
                          folders, with this edition's saved settings; exit
      --profile N|NAME    the output profile: its number, or its name as the
                          profile picker shows it, in any case; default: the
                          saved profile (a wrong one lists the profiles)
      --output DIR        the output folder; default: the saved one
      --jobs N|auto       conversions side by side: 1 up to the number of
                          cores, or auto
      --audio-track N     the sound track of each file, from 1; default: the
                          file's default track; a file with fewer fails
      --subtitle N|FILE|none
                          burn in each file's Nth subtitle (its subtitle
                          streams, then the subtitle files beside it named
                          like it), or a subtitle file (.srt, .ass, .ssa,
                          .vtt); default: none
A line per file on the error output tells how far it is and how it ended.
Ctrl+C stops the conversion and removes the unfinished output.

Exit status: 0 when the window was closed, an option printed its text or every
file was converted; 1 when a file could not be converted; 2 for an option that is
not known, a wrong value or a file that is missing; 130 after Ctrl+C (143 after
SIGTERM); another value when the program could not start.
</source>
        <translation>Conversione senza finestra (non serve un display):
      --convert           converte i file, e i file multimediali delle
                          cartelle, con le impostazioni salvate di questa
                          edizione; poi esce
      --profile N|NAME    il profilo di uscita: il suo numero, o il suo nome
                          come lo mostra il selettore dei profili, senza
                          distinguere maiuscole e minuscole; predefinito: il
                          profilo salvato (uno errato elenca i profili)
      --output DIR        la cartella di destinazione; predefinita: quella
                          salvata
      --jobs N|auto       conversioni in parallelo: da 1 al numero di core,
                          oppure auto
      --audio-track N     la traccia audio di ogni file, da 1; predefinita:
                          la traccia predefinita del file; un file con meno
                          tracce non riesce
      --subtitle N|FILE|none
                          imprime l'N-esimo sottotitolo di ogni file (i suoi
                          flussi di sottotitoli, poi i file di sottotitoli
                          accanto a esso con lo stesso nome), oppure un file
                          di sottotitoli (.srt, .ass, .ssa, .vtt);
                          predefinito: nessuno
Una riga per file sull'uscita di errore indica a che punto è e come è finito.
Ctrl+C interrompe la conversione e rimuove l'uscita incompleta.

Stato di uscita: 0 se la finestra è stata chiusa, un'opzione ha stampato il suo
testo o ogni file è stato convertito; 1 se un file non è stato convertito; 2
per un'opzione sconosciuta, un valore errato o un file mancante; 130 dopo
Ctrl+C (143 dopo SIGTERM); un altro valore se il programma non è riuscito ad
avviarsi.
</translation>
    </message>
    <message>
        <source>Try "%1 --help" for more information.</source>
        <translation>Prova «%1 --help» per ulteriori informazioni.</translation>
    </message>
    <message>
        <source>%1: unknown option %2
</source>
        <translation>%1: opzione sconosciuta %2
</translation>
    </message>
</context>
<context>
    <name>TrackChoice</name>
    <message>
        <source>Subtitle %1</source>
        <translation>Sottotitolo %1</translation>
    </message>
    <message>
        <source>No subtitles</source>
        <translation>Nessun sottotitolo</translation>
    </message>
    <message>
        <source>%1 (burned in)</source>
        <translation>%1 (impressi)</translation>
    </message>
    <message>
        <source>%1 (as a track)</source>
        <translation>%1 (come traccia)</translation>
    </message>
    <message>
        <source>Sound %1 (default)</source>
        <translation>Traccia audio %1 (predefinita)</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Traccia audio %1</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>Sottotitolo %1: %2</translation>
    </message>
    <message>
        <source>, picture</source>
        <translation>, immagine</translation>
    </message>
    <message>
        <source>, text</source>
        <translation>, testo</translation>
    </message>
</context>
<context>
    <name>vc::BackgroundTray</name>
    <message>
        <source>Orvelle Software</source>
        <translation>Orvelle Software</translation>
    </message>
</context>
<context>
    <name>vc::BatchEndActions</name>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 convertiti, %2 non riusciti</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversione completata</translation>
    </message>
    <message>
        <source>%1 of the jobs could not be converted:

%2</source>
        <translation>%1 lavori non sono stati convertiti:

%2</translation>
    </message>
</context>
<context>
    <name>vc::BatchRunner</name>
    <message>
        <source>The encoder cannot be started.</source>
        <translation>Impossibile avviare il codificatore.</translation>
    </message>
    <message>
        <source>the encoder ended with code %1</source>
        <translation>il codificatore è terminato con il codice %1</translation>
    </message>
    <message>
        <source>the output file was not written</source>
        <translation>il file di destinazione non è stato scritto</translation>
    </message>
    <message>
        <source>the output file is empty</source>
        <translation>il file di destinazione è vuoto</translation>
    </message>
</context>
<context>
    <name>vc::CommandLineConversion</name>
    <message>
        <source>there is no file or folder "%1".</source>
        <translation>non esiste alcun file o cartella «%1».</translation>
    </message>
    <message>
        <source>there is no subtitle file "%1".</source>
        <translation>non esiste il file di sottotitoli «%1».</translation>
    </message>
    <message>
        <source>the output folder "%1" is not a folder.</source>
        <translation>la cartella di destinazione «%1» non è una cartella.</translation>
    </message>
    <message>
        <source>the folders named hold no media files.</source>
        <translation>le cartelle indicate non contengono file multimediali.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>il file non è leggibile</translation>
    </message>
    <message>
        <source>the file cannot be converted</source>
        <translation>il file non può essere convertito</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: non riuscito: %2</translation>
    </message>
    <message>
        <source>no sound track %1: the file has none</source>
        <translation>nessuna traccia audio %1: il file non ne ha</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only one</source>
        <translation>nessuna traccia audio %1: il file ne ha solo una</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only %2</source>
        <translation>nessuna traccia audio %1: il file ne ha solo %2</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has none</source>
        <translation>nessun sottotitolo %1: il file non ne ha</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only one</source>
        <translation>nessun sottotitolo %1: il file ne ha solo uno</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only %2</source>
        <translation>nessun sottotitolo %1: il file ne ha solo %2</translation>
    </message>
    <message>
        <source>%1: 100%, converted</source>
        <translation>%1: 100%, convertito</translation>
    </message>
    <message>
        <source>%1: %2, stopped; the unfinished output was removed</source>
        <translation>%1: %2, fermato; l'uscita incompleta è stata rimossa</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files converted.</source>
        <translation>Fermato: %1 di %2 file convertiti.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted, %3 failed.</source>
        <translation>%1 di %2 file convertiti, %3 non riusciti.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted into %3</source>
        <translation>%1 di %2 file convertiti in %3</translation>
    </message>
</context>
<context>
    <name>vc::DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Convertitore video</translation>
    </message>
</context>
<context>
    <name>vc::EncoderRunner</name>
    <message>
        <source>The encoder command line is empty.</source>
        <translation>La riga di comando del codificatore è vuota.</translation>
    </message>
    <message>
        <source>Cannot start the encoder %1: %2</source>
        <translation>Impossibile avviare il codificatore %1: %2</translation>
    </message>
</context>
<context>
    <name>vc::HelpWindow</name>
    <message>
        <source>Video Converter Help</source>
        <translation>Guida del Convertitore video</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>%1 - Video Converter Help</source>
        <translation>%1 - Guida del Convertitore video</translation>
    </message>
</context>
<context>
    <name>vc::JobList</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Larghezza * Altezza</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Dim. di uscita</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Fermato</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>In riproduzione</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
</context>
<context>
    <name>vc::LogDialog</name>
    <message>
        <source>Encoder Log - %1</source>
        <translation>Registro del codificatore - %1</translation>
    </message>
    <message>
        <source>This job has no log yet.</source>
        <translation>Questo lavoro non ha ancora un registro.</translation>
    </message>
</context>
<context>
    <name>vc::MediaProbe</name>
    <message>
        <source>Another file is being examined.</source>
        <translation>È in esame un altro file.</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>Il file non è stato letto in tempo: %1</translation>
    </message>
    <message>
        <source>The encoder could not read %1</source>
        <translation>Il codificatore non ha potuto leggere %1</translation>
    </message>
</context>
<context>
    <name>vc::PreviewPlayer</name>
    <message>
        <source>The preview is not available. %1</source>
        <translation>L'anteprima non è disponibile. %1</translation>
    </message>
</context>
<context>
    <name>vc::ProbeQueue</name>
    <message>
        <source>The encoder could not read %1</source>
        <translation>Il codificatore non ha potuto leggere %1</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>Il file non è stato letto in tempo: %1</translation>
    </message>
    <message>
        <source>The encoder ended while reading %1</source>
        <translation>Il codificatore è terminato durante la lettura di %1</translation>
    </message>
</context>
<context>
    <name>vc::ProfilePicker</name>
    <message>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <source>Up and Down choose within a list, Right and Left go between categories and profiles, Return chooses, Escape closes</source>
        <translation>Su e Giù scelgono in un elenco, Destra e Sinistra passano tra categorie e profili, Invio sceglie, Esc chiude</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (attuale)</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Categoria: %1</translation>
    </message>
</context>
<context>
    <name>vc::ProgressDisplay</name>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 convertiti</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 non riusciti</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Fermato: %1</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>%1 running, %2 done, %3 left</source>
        <translation>%1 in corso, %2 completati, %3 rimanenti</translation>
    </message>
    <message>
        <source>Batch %1 left</source>
        <translation>Ancora %1 in totale</translation>
    </message>
</context>
<context>
    <name>vc::ShutdownCountdown</name>
    <message>
        <source>Shut down</source>
        <translation>Spegnimento</translation>
    </message>
    <message>
        <source>The conversion has finished. The computer shuts down in %1 seconds.</source>
        <translation>La conversione è terminata. Il computer si spegnerà tra %1 secondi.</translation>
    </message>
</context>
<context>
    <name>vc::Snapshot</name>
    <message>
        <source>The snapshot cannot be taken: the encoder cannot be started.</source>
        <translation>Impossibile catturare l'immagine: il codificatore non si avvia.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dir</name>
    <message>
        <source>Output Directory</source>
        <translation>Cartella di destinazione</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder.</source>
        <translation>«%1» è un file, non una cartella.</translation>
    </message>
    <message>
        <source>There is no folder "%1". Press Ok again to make it.</source>
        <translation>La cartella «%1» non esiste. Premi di nuovo OK per crearla.</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made.</source>
        <translation>Impossibile creare la cartella «%1».</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Nuova cartella %1</translation>
    </message>
    <message>
        <source>A folder cannot be made in "%1".</source>
        <translation>Impossibile creare una cartella in «%1».</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dvdcutter</name>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Begin Time</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>The begin time cannot be after the end time.</source>
        <translation>L'inizio non può essere dopo la fine.</translation>
    </message>
    <message>
        <source>The end time cannot be before the begin time.</source>
        <translation>La fine non può essere prima dell'inizio.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_info</name>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Informazioni di base</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durata:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Risoluzione:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fotogrammi/s:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Frequenza:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canali:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Tracce</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_main</name>
    <message>
        <source>Video Converter</source>
        <translation>Convertitore video</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>The convertion is processing, are you sure to quit?</source>
        <translation>È in corso una conversione. Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>The program did not close normally last time. Restore its job list?</source>
        <translation>L'ultima volta il programma non si è chiuso normalmente. Ripristinare l'elenco dei lavori?</translation>
    </message>
    <message>
        <source>The language file "language.info" cannot be read. Please install again.</source>
        <translation>Impossibile leggere il file della lingua «language.info». Reinstalla il programma.</translation>
    </message>
    <message>
        <source>The program file cannot be found, please install again.</source>
        <translation>Manca un file del programma, reinstalla il programma.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Continue conversion</source>
        <translation>Riprendi la conversione</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Metti in pausa la conversione</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Immagine salvata: %1</translation>
    </message>
    <message>
        <source>The snapshot %1 could not be saved.</source>
        <translation>Impossibile salvare l'immagine %1.</translation>
    </message>
    <message>
        <source>The picture "images/main/%1.bmp" cannot be read.</source>
        <translation>Impossibile leggere l'immagine «images/main/%1.bmp».</translation>
    </message>
    <message>
        <source>The settings cannot be written to "%1".</source>
        <translation>Impossibile scrivere le impostazioni in «%1».</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Please select one file.</source>
        <translation>Seleziona un file.</translation>
    </message>
    <message>
        <source>Add a file to the job list first: a snapshot is taken from the previewed file.</source>
        <translation>Aggiungi prima un file all'elenco: l'immagine viene presa dal file in anteprima.</translation>
    </message>
    <message>
        <source>The previous snapshot is still being saved. Please try again in a moment.</source>
        <translation>L'immagine precedente è ancora in salvataggio. Riprova tra un momento.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_set</name>
    <message>
        <source>Invalid height or width, please input again or select from the pull-down menu.</source>
        <translation>Altezza o larghezza non valida, inseriscila di nuovo o sceglila dall'elenco.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Impostazioni del formato</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Dimensione video:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Qualità video:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Qualità audio:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canali:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualità video</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Impostazioni di uscita</translation>
    </message>
    <message>
        <source>Do nothing after conversion finished</source>
        <translation>Non fare nulla al termine della conversione</translation>
    </message>
    <message>
        <source>Open the target folder after conversion finished</source>
        <translation>Apri la cartella di destinazione al termine della conversione</translation>
    </message>
    <message>
        <source>Automatically shut down after conversion finished</source>
        <translation>Spegni il computer al termine della conversione</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversioni</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Conversioni simultanee:</translation>
    </message>
    <message>
        <source>Auto converts as many sound files at once as the computer has cores, and one video at a time: a video encoder uses every core already.</source>
        <translation>«Automatico» converte tanti file audio alla volta quanti sono i core del computer, e un solo video alla volta: un codificatore video usa già tutti i core.</translation>
    </message>
    <message>
        <source>Run conversions in the background (low priority)</source>
        <translation>Esegui le conversioni in background (priorità bassa)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>La lingua cambia al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>The language cannot be saved to "%1".</source>
        <translation>Impossibile salvare la lingua in «%1».</translation>
    </message>
</context>
</TS>
