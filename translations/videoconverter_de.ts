<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Categories</name>
    <message>
        <source>General Video</source>
        <translation>Allgemeine Videoformate</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Allgemeine Audioformate</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Handy</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD-Video</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
</context>
<context>
    <name>ChoiceBox</name>
    <message>
        <source>Higher Quality</source>
        <translation>Sehr hohe Qualität</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Hohe Qualität</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>Niedrige Qualität</translation>
    </message>
    <message>
        <source>Lower Quality</source>
        <translation>Sehr niedrige Qualität</translation>
    </message>
    <message>
        <source>The original width and height</source>
        <translation>Originalbreite und -höhe</translation>
    </message>
    <message>
        <source>The Original Video Quliay</source>
        <translation>Originale Videoqualität</translation>
    </message>
    <message>
        <source>The Original Audio Quliay</source>
        <translation>Originale Audioqualität</translation>
    </message>
    <message>
        <source>No Video</source>
        <translation>Kein Video</translation>
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
        <translation>Der Systembus ist nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>the encoder was stopped</source>
        <translation>der Encoder wurde angehalten</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>die Quelldatei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>der Ausgabeordner existiert nicht mehr</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>in den Ausgabeordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the source has no sound</source>
        <translation>die Quelldatei hat keinen Ton</translation>
    </message>
    <message>
        <source>the source has no picture</source>
        <translation>die Quelldatei hat kein Bild</translation>
    </message>
    <message>
        <source>the encoder ended with exit code %1</source>
        <translation>der Encoder endete mit dem Exit-Code %1</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>Invalid height or width "%1": the picture size must be two positive whole numbers such as 320x240.</source>
        <translation>Ungültige Höhe oder Breite „%1“: Die Bildgröße muss aus zwei positiven ganzen Zahlen bestehen, etwa 320x240.</translation>
    </message>
    <message>
        <source>The source video bit rate "%1" is not a number.</source>
        <translation>Die Videobitrate der Quelle „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The source audio bit rate "%1" is not a number.</source>
        <translation>Die Audiobitrate der Quelle „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The profile's video bit rate "%1" is not a number.</source>
        <translation>Die Videobitrate des Profils „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>Choose PAL or NTSC as the video size for this disc format.</source>
        <translation>Wählen Sie PAL oder NTSC als Videogröße für dieses Discformat.</translation>
    </message>
    <message>
        <source>No output folder is set.</source>
        <translation>Es ist kein Ausgabeordner festgelegt.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>Der Ausgabeordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation>Zeile %1 enthält Binärdaten</translation>
    </message>
    <message>
        <source>line %1 is an unfinished section name</source>
        <translation>Zeile %1 ist ein unvollständiger Abschnittsname</translation>
    </message>
    <message>
        <source>line %1 is not a section, a key=value pair or a comment</source>
        <translation>Zeile %1 ist weder Abschnitt noch Schlüssel=Wert-Paar noch Kommentar</translation>
    </message>
    <message>
        <source>line %1 comes before any section</source>
        <translation>Zeile %1 steht vor dem ersten Abschnitt</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The layout file Skin.ini is damaged (%1). The window uses its built-in layout; please install the program again.</source>
        <translation>Die Layoutdatei Skin.ini ist beschädigt (%1). Das Fenster verwendet sein eingebautes Layout; bitte installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Show Encoder &amp;Log</source>
        <translation>Encoder-&amp;Protokoll anzeigen</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Add File(A)</source>
        <translation>Datei &amp;hinzufügen</translation>
    </message>
    <message>
        <source>A&amp;dd Folder(D)</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Proper&amp;ties(T)</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>&amp;Browse Output Folder…</source>
        <translation>Ausgabeordner &amp;wählen…</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>Ausgabeordner ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Run Background(R)</source>
        <translation>Im &amp;Hintergrund ausführen</translation>
    </message>
    <message>
        <source>&amp;Exit(E)</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Remove(R)</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Clear(C)</source>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <source>Re&amp;name(N)</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Select A&amp;ll(L)</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Unselect All(U)</source>
        <translation>Auswahl a&amp;ufheben</translation>
    </message>
    <message>
        <source>Un&amp;do Remove</source>
        <translation>Entfernen &amp;rückgängig</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach u&amp;nten</translation>
    </message>
    <message>
        <source>Con&amp;vert(V)</source>
        <translation>&amp;Konvertieren</translation>
    </message>
    <message>
        <source>&amp;Pause(P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Stop(S)</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Sett&amp;ings(I)</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Help(H)</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support(F)</source>
        <translation>&amp;Feedback und Support</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <source>Add DVD</source>
        <translation>DVD hinzufügen</translation>
    </message>
    <message>
        <source>Add IFO</source>
        <translation>IFO hinzufügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Unselect ALL</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Tonspur</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Profile category: choose a profile</source>
        <translation>Profilkategorie: ein Profil wählen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>All Support Format</source>
        <translation>Alle unterstützten Formate</translation>
    </message>
    <message>
        <source>All File(*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Add File</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Remove Files</source>
        <translation>Dateien entfernen</translation>
    </message>
    <message>
        <source>Clear file list</source>
        <translation>Dateiliste leeren</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>Konvertierung starten</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Konvertierung anhalten</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Konvertierung stoppen</translation>
    </message>
    <message>
        <source>About US</source>
        <translation>Über uns</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>General Video</source>
        <translation>Videoformate</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audioformate</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Handy</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Mediaplayer</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD-Video</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>More formats</source>
        <translation>Weitere Formate</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Videokonverter</translation>
    </message>
    <message>
        <source>%1 Video Converter</source>
        <translation>%1 Videokonverter</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>There is no profile number %1 in the profile file.</source>
        <translation>Die Profildatei enthält kein Profil Nummer %1.</translation>
    </message>
    <message>
        <source>The profile file ends before the settings of profile %1 (it needs %2 lines and has %3).</source>
        <translation>Die Profildatei endet vor den Einstellungen von Profil %1 (nötig sind %2 Zeilen, vorhanden %3).</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation>Die Datei %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>ProfileSettings</name>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SideEffects</name>
    <message>
        <source>Video Converter</source>
        <translation>Videokonverter</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: %1</source>
        <translation>Der Computer kann nicht heruntergefahren werden: %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Video Converter</source>
        <translation>Videokonverter</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>More ways to add files</source>
        <translation>Weitere Wege, Dateien hinzuzufügen</translation>
    </message>
    <message>
        <source>Add files or a folder to start</source>
        <translation>Fügen Sie Dateien oder einen Ordner hinzu</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Dateien…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Ordner…</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Vorschauposition</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Abgespielte Zeit</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Select a job and press Play to preview it</source>
        <translation>Auftrag wählen und Wiedergabe drücken</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Change ▾</source>
        <translation>Ändern ▾</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Wählen…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Bereit zum Konvertieren</translation>
    </message>
    <message>
        <source>Output size</source>
        <translation>Ausgabegröße</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Bisher</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Vergangene Zeit</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Konvertierungsfortschritt</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Ausgabedatei</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Stapel</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>-30s</source>
        <translation>-30 s</translation>
    </message>
    <message>
        <source>Back 30 seconds</source>
        <translation>30 Sekunden zurück</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>+30s</source>
        <translation>+30 s</translation>
    </message>
    <message>
        <source>Forward 30 seconds</source>
        <translation>30 Sekunden vor</translation>
    </message>
    <message>
        <source>Set Begin</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Begin time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Set End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Jobs and their marks</source>
        <translation>Aufträge und ihre Marken</translation>
    </message>
    <message>
        <source>Play a job, mark its begin and end, then close the window to apply the marks.</source>
        <translation>Auftrag abspielen, Anfang und Ende markieren, dann das Fenster schließen.</translation>
    </message>
</context>
<context>
    <name>SkinDisplay</name>
    <message>
        <source>The skin file cannot be loaded: %1</source>
        <translation>Die Skin-Datei kann nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>StartArgs</name>
    <message>
        <source>The profiles:</source>
        <translation>Die Profile:</translation>
    </message>
    <message>
        <source>there is no profile number %1.</source>
        <translation>es gibt kein Profil Nummer %1.</translation>
    </message>
    <message>
        <source>no profile is named "%1".</source>
        <translation>kein Profil heißt „%1“.</translation>
    </message>
    <message>
        <source>the profiles %1 share the name "%2": give the number.</source>
        <translation>die Profile %1 heißen alle „%2“: Geben Sie die Nummer an.</translation>
    </message>
    <message>
        <source>--output needs a folder.</source>
        <translation>--output braucht einen Ordner.</translation>
    </message>
    <message>
        <source>--jobs takes "auto" or a number from 1 to %1 (the number of cores), not "%2".</source>
        <translation>--jobs nimmt „auto“ oder eine Zahl von 1 bis %1 (die Zahl der Kerne), nicht „%2“.</translation>
    </message>
    <message>
        <source>--audio-track takes the number of a sound track, from 1, not "%1".</source>
        <translation>--audio-track nimmt die Nummer einer Tonspur ab 1, nicht „%1“.</translation>
    </message>
    <message>
        <source>--subtitle takes the number of a subtitle, from 1, a subtitle file (.srt, .ass, .ssa, .vtt) or "none", not "%1".</source>
        <translation>--subtitle nimmt die Nummer eines Untertitels ab 1, eine Untertiteldatei (.srt, .ass, .ssa, .vtt) oder „none“, nicht „%1“.</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 braucht einen Wert.</translation>
    </message>
    <message>
        <source>%1 is taken only with --convert.</source>
        <translation>%1 gilt nur zusammen mit --convert.</translation>
    </message>
    <message>
        <source>--convert needs the files or folders to convert.</source>
        <translation>--convert braucht die zu konvertierenden Dateien oder Ordner.</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FILE|FOLDER]...
</source>
        <translation>Aufruf: %1 [OPTION]... [DATEI|ORDNER]...
</translation>
    </message>
    <message>
        <source>  or:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FILE|FOLDER...
</source>
        <translation>  oder: %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] DATEI|ORDNER...
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
        <translation>Konvertiert Video- und Audiodateien. Genannte Dateien kommen in die
Auftragsliste; ein Ordner fügt die Mediendateien hinzu, die er enthält. Läuft
der Konverter bereits, gehen die Namen an sein Fenster.

  -h, --help     diese Hilfe anzeigen und beenden
      --version  die Version anzeigen und beenden
  --             Ende der Optionen: jedes weitere Argument ist eine Datei
                 oder ein Ordner

Auch die Optionen von Qt (-platform NAME, -style NAME, -reverse und andere)
werden angenommen.

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
        <translation>Konvertieren ohne Fenster (keine Anzeige nötig):
      --convert           die Dateien und die Mediendateien der Ordner mit
                          den gespeicherten Einstellungen dieser Edition
                          konvertieren, danach beenden
      --profile N|NAME    das Ausgabeprofil: seine Nummer oder sein Name, wie
                          ihn die Profilauswahl zeigt, in beliebiger
                          Schreibweise; Standard: das gespeicherte Profil
                          (ein falsches listet die Profile auf)
      --output DIR        der Ausgabeordner; Standard: der gespeicherte
      --jobs N|auto       gleichzeitige Konvertierungen: 1 bis zur Zahl der
                          Kerne, oder auto
      --audio-track N     die Tonspur jeder Datei, ab 1; Standard: die
                          Standardspur der Datei; eine Datei mit weniger
                          Spuren schlägt fehl
      --subtitle N|FILE|none
                          den N-ten Untertitel jeder Datei einbrennen (ihre
                          Untertitelströme, dann die gleichnamigen
                          Untertiteldateien daneben) oder eine
                          Untertiteldatei (.srt, .ass, .ssa, .vtt);
                          Standard: keiner
Eine Zeile je Datei in der Fehlerausgabe zeigt, wie weit sie ist und wie sie
endete. Ctrl+C stoppt die Konvertierung und entfernt die unfertige Ausgabe.

Exit-Status: 0, wenn das Fenster geschlossen wurde, eine Option ihren Text
ausgab oder jede Datei konvertiert wurde; 1, wenn eine Datei nicht konvertiert
werden konnte; 2 bei einer unbekannten Option, einem falschen Wert oder einer
fehlenden Datei; 130 nach Ctrl+C (143 nach SIGTERM); ein anderer Wert, wenn
das Programm nicht starten konnte.
</translation>
    </message>
    <message>
        <source>Try "%1 --help" for more information.</source>
        <translation>Weitere Informationen mit „%1 --help“.</translation>
    </message>
    <message>
        <source>%1: unknown option %2
</source>
        <translation>%1: unbekannte Option %2
</translation>
    </message>
</context>
<context>
    <name>TrackChoice</name>
    <message>
        <source>Subtitle %1</source>
        <translation>Untertitel %1</translation>
    </message>
    <message>
        <source>No subtitles</source>
        <translation>Keine Untertitel</translation>
    </message>
    <message>
        <source>%1 (burned in)</source>
        <translation>%1 (eingebrannt)</translation>
    </message>
    <message>
        <source>%1 (as a track)</source>
        <translation>%1 (als Spur)</translation>
    </message>
    <message>
        <source>Sound %1 (default)</source>
        <translation>Tonspur %1 (Standard)</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Tonspur %1</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>Untertitel %1: %2</translation>
    </message>
    <message>
        <source>, picture</source>
        <translation>, Bild</translation>
    </message>
    <message>
        <source>, text</source>
        <translation>, Text</translation>
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
        <translation>%1 konvertiert, %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Konvertierung abgeschlossen</translation>
    </message>
    <message>
        <source>%1 of the jobs could not be converted:

%2</source>
        <translation>%1 der Aufträge konnten nicht konvertiert werden:

%2</translation>
    </message>
</context>
<context>
    <name>vc::BatchRunner</name>
    <message>
        <source>The encoder cannot be started.</source>
        <translation>Der Encoder kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>the encoder ended with code %1</source>
        <translation>der Encoder endete mit Code %1</translation>
    </message>
    <message>
        <source>the output file was not written</source>
        <translation>die Ausgabedatei wurde nicht geschrieben</translation>
    </message>
    <message>
        <source>the output file is empty</source>
        <translation>die Ausgabedatei ist leer</translation>
    </message>
</context>
<context>
    <name>vc::CommandLineConversion</name>
    <message>
        <source>there is no file or folder "%1".</source>
        <translation>es gibt keine Datei und keinen Ordner „%1“.</translation>
    </message>
    <message>
        <source>there is no subtitle file "%1".</source>
        <translation>es gibt keine Untertiteldatei „%1“.</translation>
    </message>
    <message>
        <source>the output folder "%1" is not a folder.</source>
        <translation>der Ausgabeordner „%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>the folders named hold no media files.</source>
        <translation>die genannten Ordner enthalten keine Mediendateien.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the file cannot be converted</source>
        <translation>die Datei kann nicht konvertiert werden</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>no sound track %1: the file has none</source>
        <translation>keine Tonspur %1: Die Datei hat keine</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only one</source>
        <translation>keine Tonspur %1: Die Datei hat nur eine</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only %2</source>
        <translation>keine Tonspur %1: Die Datei hat nur %2</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has none</source>
        <translation>kein Untertitel %1: Die Datei hat keinen</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only one</source>
        <translation>kein Untertitel %1: Die Datei hat nur einen</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only %2</source>
        <translation>kein Untertitel %1: Die Datei hat nur %2</translation>
    </message>
    <message>
        <source>%1: 100%, converted</source>
        <translation>%1: 100%, konvertiert</translation>
    </message>
    <message>
        <source>%1: %2, stopped; the unfinished output was removed</source>
        <translation>%1: %2, gestoppt; die unfertige Ausgabe wurde entfernt</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files converted.</source>
        <translation>Gestoppt: %1 von %2 Dateien konvertiert.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted, %3 failed.</source>
        <translation>%1 von %2 Dateien konvertiert, %3 fehlgeschlagen.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted into %3</source>
        <translation>%1 von %2 Dateien konvertiert, gespeichert in %3</translation>
    </message>
</context>
<context>
    <name>vc::DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Videokonverter</translation>
    </message>
</context>
<context>
    <name>vc::EncoderRunner</name>
    <message>
        <source>The encoder command line is empty.</source>
        <translation>Die Befehlszeile des Encoders ist leer.</translation>
    </message>
    <message>
        <source>Cannot start the encoder %1: %2</source>
        <translation>Der Encoder %1 kann nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>vc::HelpWindow</name>
    <message>
        <source>Video Converter Help</source>
        <translation>Videokonverter-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>%1 - Video Converter Help</source>
        <translation>%1 – Videokonverter-Hilfe</translation>
    </message>
</context>
<context>
    <name>vc::JobList</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Breite * Höhe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Ausgabegröße</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
</context>
<context>
    <name>vc::LogDialog</name>
    <message>
        <source>Encoder Log - %1</source>
        <translation>Encoder-Protokoll – %1</translation>
    </message>
    <message>
        <source>This job has no log yet.</source>
        <translation>Für diesen Auftrag gibt es noch kein Protokoll.</translation>
    </message>
</context>
<context>
    <name>vc::MediaProbe</name>
    <message>
        <source>Another file is being examined.</source>
        <translation>Es wird gerade eine andere Datei untersucht.</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>Die Datei konnte nicht rechtzeitig gelesen werden: %1</translation>
    </message>
    <message>
        <source>The encoder could not read %1</source>
        <translation>Der Encoder konnte %1 nicht lesen</translation>
    </message>
</context>
<context>
    <name>vc::PreviewPlayer</name>
    <message>
        <source>The preview is not available. %1</source>
        <translation>Die Vorschau ist nicht verfügbar. %1</translation>
    </message>
</context>
<context>
    <name>vc::ProbeQueue</name>
    <message>
        <source>The encoder could not read %1</source>
        <translation>Der Encoder konnte %1 nicht lesen</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>Die Datei konnte nicht rechtzeitig gelesen werden: %1</translation>
    </message>
    <message>
        <source>The encoder ended while reading %1</source>
        <translation>Der Encoder endete beim Lesen von %1</translation>
    </message>
</context>
<context>
    <name>vc::ProfilePicker</name>
    <message>
        <source>Profiles</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Up and Down choose within a list, Right and Left go between categories and profiles, Return chooses, Escape closes</source>
        <translation>Auf und Ab wählen in einer Liste, Rechts und Links wechseln zwischen Kategorien und Profilen, Eingabe wählt aus, Esc schließt</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (aktuell)</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Kategorie: %1</translation>
    </message>
</context>
<context>
    <name>vc::ProgressDisplay</name>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 konvertiert</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Gestoppt: %1</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>%1 running, %2 done, %3 left</source>
        <translation>%1 laufen, %2 fertig, %3 übrig</translation>
    </message>
    <message>
        <source>Batch %1 left</source>
        <translation>Noch %1 insgesamt</translation>
    </message>
</context>
<context>
    <name>vc::ShutdownCountdown</name>
    <message>
        <source>Shut down</source>
        <translation>Herunterfahren</translation>
    </message>
    <message>
        <source>The conversion has finished. The computer shuts down in %1 seconds.</source>
        <translation>Die Konvertierung ist abgeschlossen. Der Computer fährt in %1 Sekunden herunter.</translation>
    </message>
</context>
<context>
    <name>vc::Snapshot</name>
    <message>
        <source>The snapshot cannot be taken: the encoder cannot be started.</source>
        <translation>Das Standbild kann nicht aufgenommen werden: Der Encoder kann nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dir</name>
    <message>
        <source>Output Directory</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>There is no folder "%1". Press Ok again to make it.</source>
        <translation>Den Ordner „%1“ gibt es nicht. Klicken Sie erneut auf OK, um ihn anzulegen.</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Neuer Ordner %1</translation>
    </message>
    <message>
        <source>A folder cannot be made in "%1".</source>
        <translation>In „%1“ kann kein Ordner angelegt werden.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dvdcutter</name>
    <message>
        <source>Cut</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Begin Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>The begin time cannot be after the end time.</source>
        <translation>Die Startzeit darf nicht nach der Endzeit liegen.</translation>
    </message>
    <message>
        <source>The end time cannot be before the begin time.</source>
        <translation>Die Endzeit darf nicht vor der Startzeit liegen.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_info</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Allgemeine Informationen</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Bitrate:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Bildrate:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Abtastrate:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Spuren</translation>
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
        <translation>Videokonverter</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>The convertion is processing, are you sure to quit?</source>
        <translation>Eine Konvertierung läuft. Möchten Sie das Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>The program did not close normally last time. Restore its job list?</source>
        <translation>Das Programm wurde beim letzten Mal nicht normal beendet. Seine Auftragsliste wiederherstellen?</translation>
    </message>
    <message>
        <source>The language file "language.info" cannot be read. Please install again.</source>
        <translation>Die Sprachdatei „language.info“ kann nicht gelesen werden. Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>The program file cannot be found, please install again.</source>
        <translation>Eine Programmdatei fehlt, bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Continue conversion</source>
        <translation>Konvertierung fortsetzen</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Konvertierung anhalten</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Standbild gespeichert: %1</translation>
    </message>
    <message>
        <source>The snapshot %1 could not be saved.</source>
        <translation>Das Standbild %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The picture "images/main/%1.bmp" cannot be read.</source>
        <translation>Das Bild „images/main/%1.bmp“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The settings cannot be written to "%1".</source>
        <translation>Die Einstellungen können nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Please select one file.</source>
        <translation>Bitte wählen Sie eine Datei aus.</translation>
    </message>
    <message>
        <source>Add a file to the job list first: a snapshot is taken from the previewed file.</source>
        <translation>Fügen Sie zuerst eine Datei zur Auftragsliste hinzu: Das Standbild stammt aus der Vorschau.</translation>
    </message>
    <message>
        <source>The previous snapshot is still being saved. Please try again in a moment.</source>
        <translation>Das vorige Standbild wird noch gespeichert. Bitte versuchen Sie es gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_set</name>
    <message>
        <source>Invalid height or width, please input again or select from the pull-down menu.</source>
        <translation>Ungültige Höhe oder Breite. Bitte erneut eingeben oder aus der Liste wählen.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Formateinstellungen</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Videogröße:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Videoqualität:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Audioqualität:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanäle:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Videoqualität</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Ausgabeeinstellungen</translation>
    </message>
    <message>
        <source>Do nothing after conversion finished</source>
        <translation>Nach der Konvertierung nichts tun</translation>
    </message>
    <message>
        <source>Open the target folder after conversion finished</source>
        <translation>Nach der Konvertierung den Zielordner öffnen</translation>
    </message>
    <message>
        <source>Automatically shut down after conversion finished</source>
        <translation>Nach der Konvertierung automatisch herunterfahren</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Konvertierungen</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Gleichzeitige Konvertierungen:</translation>
    </message>
    <message>
        <source>Auto converts as many sound files at once as the computer has cores, and one video at a time: a video encoder uses every core already.</source>
        <translation>„Automatisch“ konvertiert so viele Audiodateien gleichzeitig, wie der Computer Kerne hat, und jeweils nur ein Video: Ein Video-Encoder nutzt bereits alle Kerne.</translation>
    </message>
    <message>
        <source>Run conversions in the background (low priority)</source>
        <translation>Konvertierungen im Hintergrund ausführen (niedrige Priorität)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>Die Sprache wechselt beim nächsten Programmstart.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>The language cannot be saved to "%1".</source>
        <translation>Die Sprache kann nicht in „%1“ gespeichert werden.</translation>
    </message>
</context>
</TS>
