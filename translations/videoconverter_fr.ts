<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Categories</name>
    <message>
        <source>General Video</source>
        <translation>Vidéo générale</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audio général</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Téléphone mobile</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Lecteur multimédia</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vidéo HD</translation>
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
        <translation>Qualité très élevée</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Qualité élevée</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>Qualité basse</translation>
    </message>
    <message>
        <source>Lower Quality</source>
        <translation>Qualité très basse</translation>
    </message>
    <message>
        <source>The original width and height</source>
        <translation>Largeur et hauteur d'origine</translation>
    </message>
    <message>
        <source>The Original Video Quliay</source>
        <translation>Qualité vidéo d'origine</translation>
    </message>
    <message>
        <source>The Original Audio Quliay</source>
        <translation>Qualité audio d'origine</translation>
    </message>
    <message>
        <source>No Video</source>
        <translation>Pas de vidéo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
</context>
<context>
    <name>DesktopBus</name>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>Le bus système est injoignable.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>the encoder was stopped</source>
        <translation>l'encodeur a été arrêté</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>la source est illisible</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>le dossier de sortie n'existe plus</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>le dossier de sortie est protégé en écriture</translation>
    </message>
    <message>
        <source>the source has no sound</source>
        <translation>la source n'a pas de son</translation>
    </message>
    <message>
        <source>the source has no picture</source>
        <translation>la source n'a pas d'image</translation>
    </message>
    <message>
        <source>the encoder ended with exit code %1</source>
        <translation>l'encodeur s'est terminé avec le code de sortie %1</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>Invalid height or width "%1": the picture size must be two positive whole numbers such as 320x240.</source>
        <translation>Hauteur ou largeur « %1 » non valide : la taille de l'image doit être deux nombres entiers positifs, par exemple 320x240.</translation>
    </message>
    <message>
        <source>The source video bit rate "%1" is not a number.</source>
        <translation>Le débit vidéo de la source « %1 » n'est pas un nombre.</translation>
    </message>
    <message>
        <source>The source audio bit rate "%1" is not a number.</source>
        <translation>Le débit audio de la source « %1 » n'est pas un nombre.</translation>
    </message>
    <message>
        <source>The profile's video bit rate "%1" is not a number.</source>
        <translation>Le débit vidéo du profil « %1 » n'est pas un nombre.</translation>
    </message>
    <message>
        <source>Choose PAL or NTSC as the video size for this disc format.</source>
        <translation>Choisissez PAL ou NTSC comme taille vidéo pour ce format de disque.</translation>
    </message>
    <message>
        <source>No output folder is set.</source>
        <translation>Aucun dossier de sortie n'est défini.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>Le dossier de sortie %1 ne peut pas être créé.</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation>la ligne %1 contient des données binaires</translation>
    </message>
    <message>
        <source>line %1 is an unfinished section name</source>
        <translation>la ligne %1 est un nom de section inachevé</translation>
    </message>
    <message>
        <source>line %1 is not a section, a key=value pair or a comment</source>
        <translation>la ligne %1 n'est ni une section, ni une paire clé=valeur, ni un commentaire</translation>
    </message>
    <message>
        <source>line %1 comes before any section</source>
        <translation>la ligne %1 précède toute section</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il est illisible</translation>
    </message>
    <message>
        <source>The layout file Skin.ini is damaged (%1). The window uses its built-in layout; please install the program again.</source>
        <translation>Le fichier de disposition Skin.ini est endommagé (%1). La fenêtre utilise sa disposition intégrée ; veuillez réinstaller le programme.</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Show Encoder &amp;Log</source>
        <translation>Afficher le &amp;journal de l'encodeur</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Add File(A)</source>
        <translation>&amp;Ajouter des fichiers</translation>
    </message>
    <message>
        <source>A&amp;dd Folder(D)</source>
        <translation>Ajouter un &amp;dossier</translation>
    </message>
    <message>
        <source>Proper&amp;ties(T)</source>
        <translation>Proprié&amp;tés</translation>
    </message>
    <message>
        <source>&amp;Browse Output Folder…</source>
        <translation>&amp;Choisir le dossier de sortie…</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>&amp;Run Background(R)</source>
        <translation>Exécuter en a&amp;rrière-plan</translation>
    </message>
    <message>
        <source>&amp;Exit(E)</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Remove(R)</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>&amp;Clear(C)</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Re&amp;name(N)</source>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>Select A&amp;ll(L)</source>
        <translation>&amp;Tout cocher</translation>
    </message>
    <message>
        <source>&amp;Unselect All(U)</source>
        <translation>Tout &amp;décocher</translation>
    </message>
    <message>
        <source>Un&amp;do Remove</source>
        <translation>&amp;Annuler le retrait</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Déplacer vers le &amp;haut</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Déplacer vers le &amp;bas</translation>
    </message>
    <message>
        <source>Con&amp;vert(V)</source>
        <translation>Con&amp;vertir</translation>
    </message>
    <message>
        <source>&amp;Pause(P)</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Stop(S)</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Sett&amp;ings(I)</source>
        <translation>Paramètr&amp;es</translation>
    </message>
    <message>
        <source>&amp;Help(H)</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support(F)</source>
        <translation>&amp;Commentaires et assistance</translation>
    </message>
    <message>
        <source>About </source>
        <translation>À propos de </translation>
    </message>
    <message>
        <source>Add DVD</source>
        <translation>Ajouter un DVD</translation>
    </message>
    <message>
        <source>Add IFO</source>
        <translation>Ajouter un IFO</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Unselect ALL</source>
        <translation>Tout décocher</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Tâches</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Piste audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Sous-titres</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Profile category: choose a profile</source>
        <translation>Catégorie de profil : choisir un profil</translation>
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
        <translation>Tous les formats pris en charge</translation>
    </message>
    <message>
        <source>All File(*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Add File</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Remove Files</source>
        <translation>Retirer les fichiers</translation>
    </message>
    <message>
        <source>Clear file list</source>
        <translation>Vider la liste des fichiers</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l'image</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>Lancer la conversion</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Mettre la conversion en pause</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Arrêter la conversion</translation>
    </message>
    <message>
        <source>About US</source>
        <translation>À propos de nous</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>General Video</source>
        <translation>Vidéo générale</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audio général</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Téléphone mobile</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Baladeurs</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vidéo HD</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>More formats</source>
        <translation>Autres formats</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Convertisseur vidéo</translation>
    </message>
    <message>
        <source>%1 Video Converter</source>
        <translation>Convertisseur vidéo %1</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>There is no profile number %1 in the profile file.</source>
        <translation>Le fichier de profils ne contient pas de profil numéro %1.</translation>
    </message>
    <message>
        <source>The profile file ends before the settings of profile %1 (it needs %2 lines and has %3).</source>
        <translation>Le fichier de profils se termine avant les réglages du profil %1 (il faut %2 lignes, il y en a %3).</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>Impossible d'ouvrir le fichier %1 : %2</translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation>Impossible de lire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>ProfileSettings</name>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>Impossible de lire le fichier de paramètres %1.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>Impossible d'écrire le fichier de paramètres %1.</translation>
    </message>
</context>
<context>
    <name>SideEffects</name>
    <message>
        <source>Video Converter</source>
        <translation>Convertisseur vidéo</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: %1</source>
        <translation>Impossible d'éteindre l'ordinateur : %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Video Converter</source>
        <translation>Convertisseur vidéo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>More ways to add files</source>
        <translation>Autres façons d'ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add files or a folder to start</source>
        <translation>Ajoutez des fichiers ou un dossier</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Fichiers…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Dossier…</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Position de l'aperçu</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Temps lu</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Select a job and press Play to preview it</source>
        <translation>Choisissez une tâche et lancez la lecture</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Change ▾</source>
        <translation>Changer ▾</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Prêt à convertir</translation>
    </message>
    <message>
        <source>Output size</source>
        <translation>Taille de sortie</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Écoulé</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progression de la conversion</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Fichier de sortie</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>-30s</source>
        <translation>-30 s</translation>
    </message>
    <message>
        <source>Back 30 seconds</source>
        <translation>Reculer de 30 secondes</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>+30s</source>
        <translation>+30 s</translation>
    </message>
    <message>
        <source>Forward 30 seconds</source>
        <translation>Avancer de 30 secondes</translation>
    </message>
    <message>
        <source>Set Begin</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Begin time</source>
        <translation>Heure de début</translation>
    </message>
    <message>
        <source>Set End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Heure de fin</translation>
    </message>
    <message>
        <source>Jobs and their marks</source>
        <translation>Tâches et leurs repères</translation>
    </message>
    <message>
        <source>Play a job, mark its begin and end, then close the window to apply the marks.</source>
        <translation>Lisez une tâche, marquez son début et sa fin, puis fermez la fenêtre.</translation>
    </message>
</context>
<context>
    <name>SkinDisplay</name>
    <message>
        <source>The skin file cannot be loaded: %1</source>
        <translation>Impossible de charger le fichier d'habillage : %1</translation>
    </message>
</context>
<context>
    <name>StartArgs</name>
    <message>
        <source>The profiles:</source>
        <translation>Les profils :</translation>
    </message>
    <message>
        <source>there is no profile number %1.</source>
        <translation>il n'y a pas de profil numéro %1.</translation>
    </message>
    <message>
        <source>no profile is named "%1".</source>
        <translation>aucun profil ne s'appelle « %1 ».</translation>
    </message>
    <message>
        <source>the profiles %1 share the name "%2": give the number.</source>
        <translation>les profils %1 portent le même nom « %2 » : indiquez le numéro.</translation>
    </message>
    <message>
        <source>--output needs a folder.</source>
        <translation>--output demande un dossier.</translation>
    </message>
    <message>
        <source>--jobs takes "auto" or a number from 1 to %1 (the number of cores), not "%2".</source>
        <translation>--jobs accepte « auto » ou un nombre de 1 à %1 (le nombre de cœurs), pas « %2 ».</translation>
    </message>
    <message>
        <source>--audio-track takes the number of a sound track, from 1, not "%1".</source>
        <translation>--audio-track accepte le numéro d'une piste audio, à partir de 1, pas « %1 ».</translation>
    </message>
    <message>
        <source>--subtitle takes the number of a subtitle, from 1, a subtitle file (.srt, .ass, .ssa, .vtt) or "none", not "%1".</source>
        <translation>--subtitle accepte le numéro d'un sous-titre, à partir de 1, un fichier de sous-titres (.srt, .ass, .ssa, .vtt) ou « none », pas « %1 ».</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 demande une valeur.</translation>
    </message>
    <message>
        <source>%1 is taken only with --convert.</source>
        <translation>%1 n'est accepté qu'avec --convert.</translation>
    </message>
    <message>
        <source>--convert needs the files or folders to convert.</source>
        <translation>--convert demande les fichiers ou dossiers à convertir.</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FILE|FOLDER]...
</source>
        <translation>Utilisation : %1 [OPTION]... [FICHIER|DOSSIER]...
</translation>
    </message>
    <message>
        <source>  or:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FILE|FOLDER...
</source>
        <translation>         ou : %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FICHIER|DOSSIER...
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
        <translation>Convertit des fichiers vidéo et audio. Les fichiers nommés sont ajoutés à la
liste des tâches ; un dossier ajoute les fichiers multimédias qu'il contient.
Si le convertisseur est déjà lancé, les noms sont transmis à sa fenêtre.

  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter
  --             fin des options : chaque argument suivant est un fichier ou
                 un dossier

Les options de Qt (-platform NAME, -style NAME, -reverse et autres) sont aussi
acceptées.

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
        <translation>Conversion sans fenêtre (aucun affichage nécessaire) :
      --convert           convertir les fichiers, et les fichiers multimédias
                          des dossiers, avec les paramètres enregistrés de
                          cette édition ; puis quitter
      --profile N|NAME    le profil de sortie : son numéro, ou son nom tel
                          que le sélecteur de profils l'affiche, majuscules
                          ou minuscules ; par défaut : le profil enregistré
                          (un profil erroné affiche la liste des profils)
      --output DIR        le dossier de sortie ; par défaut : celui enregistré
      --jobs N|auto       conversions simultanées : de 1 au nombre de
                          cœurs, ou auto
      --audio-track N     la piste audio de chaque fichier, à partir de 1 ;
                          par défaut : la piste par défaut du fichier ; un
                          fichier qui en a moins échoue
      --subtitle N|FILE|none
                          incruster le N-ième sous-titre de chaque fichier
                          (ses flux de sous-titres, puis les fichiers de
                          sous-titres placés à côté et nommés comme lui), ou
                          un fichier de sous-titres (.srt, .ass, .ssa,
                          .vtt) ; par défaut : aucun
Une ligne par fichier sur la sortie d'erreur indique où il en est et comment il
s'est terminé. Ctrl+C arrête la conversion et supprime la sortie inachevée.

Code de sortie : 0 quand la fenêtre a été fermée, qu'une option a affiché son
texte ou que chaque fichier a été converti ; 1 quand un fichier n'a pas pu être
converti ; 2 pour une option inconnue, une valeur erronée ou un fichier
manquant ; 130 après Ctrl+C (143 après SIGTERM) ; une autre valeur quand le
programme n'a pas pu démarrer.
</translation>
    </message>
    <message>
        <source>Try "%1 --help" for more information.</source>
        <translation>Essayez « %1 --help » pour plus d'informations.</translation>
    </message>
    <message>
        <source>%1: unknown option %2
</source>
        <translation>%1 : option inconnue %2
</translation>
    </message>
</context>
<context>
    <name>TrackChoice</name>
    <message>
        <source>Subtitle %1</source>
        <translation>Sous-titre %1</translation>
    </message>
    <message>
        <source>No subtitles</source>
        <translation>Sans sous-titres</translation>
    </message>
    <message>
        <source>%1 (burned in)</source>
        <translation>%1 (incrustés)</translation>
    </message>
    <message>
        <source>%1 (as a track)</source>
        <translation>%1 (en piste)</translation>
    </message>
    <message>
        <source>Sound %1 (default)</source>
        <translation>Piste audio %1 (par défaut)</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Piste audio %1</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>Sous-titre %1 : %2</translation>
    </message>
    <message>
        <source>, picture</source>
        <translation>, image</translation>
    </message>
    <message>
        <source>, text</source>
        <translation>, texte</translation>
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
        <translation>%1 convertis, %2 en échec</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversion terminée</translation>
    </message>
    <message>
        <source>%1 of the jobs could not be converted:

%2</source>
        <translation>%1 tâches n'ont pas pu être converties :

%2</translation>
    </message>
</context>
<context>
    <name>vc::BatchRunner</name>
    <message>
        <source>The encoder cannot be started.</source>
        <translation>Impossible de lancer l'encodeur.</translation>
    </message>
    <message>
        <source>the encoder ended with code %1</source>
        <translation>l'encodeur s'est terminé avec le code %1</translation>
    </message>
    <message>
        <source>the output file was not written</source>
        <translation>le fichier de sortie n'a pas été écrit</translation>
    </message>
    <message>
        <source>the output file is empty</source>
        <translation>le fichier de sortie est vide</translation>
    </message>
</context>
<context>
    <name>vc::CommandLineConversion</name>
    <message>
        <source>there is no file or folder "%1".</source>
        <translation>il n'y a pas de fichier ou de dossier « %1 ».</translation>
    </message>
    <message>
        <source>there is no subtitle file "%1".</source>
        <translation>il n'y a pas de fichier de sous-titres « %1 ».</translation>
    </message>
    <message>
        <source>the output folder "%1" is not a folder.</source>
        <translation>le dossier de sortie « %1 » n'est pas un dossier.</translation>
    </message>
    <message>
        <source>the folders named hold no media files.</source>
        <translation>les dossiers indiqués ne contiennent aucun fichier multimédia.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier est illisible</translation>
    </message>
    <message>
        <source>the file cannot be converted</source>
        <translation>le fichier ne peut pas être converti</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1 : échec : %2</translation>
    </message>
    <message>
        <source>no sound track %1: the file has none</source>
        <translation>pas de piste audio %1 : le fichier n'en a aucune</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only one</source>
        <translation>pas de piste audio %1 : le fichier n'en a qu'une</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only %2</source>
        <translation>pas de piste audio %1 : le fichier n'en a que %2</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has none</source>
        <translation>pas de sous-titre %1 : le fichier n'en a aucun</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only one</source>
        <translation>pas de sous-titre %1 : le fichier n'en a qu'un</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only %2</source>
        <translation>pas de sous-titre %1 : le fichier n'en a que %2</translation>
    </message>
    <message>
        <source>%1: 100%, converted</source>
        <translation>%1 : 100%, converti</translation>
    </message>
    <message>
        <source>%1: %2, stopped; the unfinished output was removed</source>
        <translation>%1 : %2, arrêté ; la sortie inachevée a été supprimée</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files converted.</source>
        <translation>Arrêté : %1 fichiers sur %2 convertis.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted, %3 failed.</source>
        <translation>%1 fichiers sur %2 convertis, %3 en échec.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted into %3</source>
        <translation>%1 fichiers sur %2 convertis dans %3</translation>
    </message>
</context>
<context>
    <name>vc::DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Convertisseur vidéo</translation>
    </message>
</context>
<context>
    <name>vc::EncoderRunner</name>
    <message>
        <source>The encoder command line is empty.</source>
        <translation>La ligne de commande de l'encodeur est vide.</translation>
    </message>
    <message>
        <source>Cannot start the encoder %1: %2</source>
        <translation>Impossible de lancer l'encodeur %1 : %2</translation>
    </message>
</context>
<context>
    <name>vc::HelpWindow</name>
    <message>
        <source>Video Converter Help</source>
        <translation>Aide du Convertisseur vidéo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>%1 - Video Converter Help</source>
        <translation>%1 - Aide du Convertisseur vidéo</translation>
    </message>
</context>
<context>
    <name>vc::JobList</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Largeur * Hauteur</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Taille de sortie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
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
        <translation>Journal de l'encodeur - %1</translation>
    </message>
    <message>
        <source>This job has no log yet.</source>
        <translation>Cette tâche n'a pas encore de journal.</translation>
    </message>
</context>
<context>
    <name>vc::MediaProbe</name>
    <message>
        <source>Another file is being examined.</source>
        <translation>Un autre fichier est en cours d'analyse.</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>Le fichier n'a pas pu être lu à temps : %1</translation>
    </message>
    <message>
        <source>The encoder could not read %1</source>
        <translation>L'encodeur n'a pas pu lire %1</translation>
    </message>
</context>
<context>
    <name>vc::PreviewPlayer</name>
    <message>
        <source>The preview is not available. %1</source>
        <translation>L'aperçu n'est pas disponible. %1</translation>
    </message>
</context>
<context>
    <name>vc::ProbeQueue</name>
    <message>
        <source>The encoder could not read %1</source>
        <translation>L'encodeur n'a pas pu lire %1</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>Le fichier n'a pas pu être lu à temps : %1</translation>
    </message>
    <message>
        <source>The encoder ended while reading %1</source>
        <translation>L'encodeur s'est arrêté pendant la lecture de %1</translation>
    </message>
</context>
<context>
    <name>vc::ProfilePicker</name>
    <message>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <source>Up and Down choose within a list, Right and Left go between categories and profiles, Return chooses, Escape closes</source>
        <translation>Haut et Bas choisissent dans une liste, Droite et Gauche passent des catégories aux profils, Entrée choisit, Échap ferme</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (actuel)</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Catégorie : %1</translation>
    </message>
</context>
<context>
    <name>vc::ProgressDisplay</name>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 convertis</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 en échec</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Arrêté : %1</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>%1 running, %2 done, %3 left</source>
        <translation>%1 en cours, %2 terminées, %3 restantes</translation>
    </message>
    <message>
        <source>Batch %1 left</source>
        <translation>Encore %1 au total</translation>
    </message>
</context>
<context>
    <name>vc::ShutdownCountdown</name>
    <message>
        <source>Shut down</source>
        <translation>Arrêt de l'ordinateur</translation>
    </message>
    <message>
        <source>The conversion has finished. The computer shuts down in %1 seconds.</source>
        <translation>La conversion est terminée. L'ordinateur s'éteindra dans %1 secondes.</translation>
    </message>
</context>
<context>
    <name>vc::Snapshot</name>
    <message>
        <source>The snapshot cannot be taken: the encoder cannot be started.</source>
        <translation>Impossible de prendre la capture : l'encodeur ne peut pas être lancé.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dir</name>
    <message>
        <source>Output Directory</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Dossier :</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder.</source>
        <translation>« %1 » est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>There is no folder "%1". Press Ok again to make it.</source>
        <translation>Le dossier « %1 » n'existe pas. Cliquez à nouveau sur OK pour le créer.</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made.</source>
        <translation>Le dossier « %1 » ne peut pas être créé.</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Nouveau dossier %1</translation>
    </message>
    <message>
        <source>A folder cannot be made in "%1".</source>
        <translation>Impossible de créer un dossier dans « %1 ».</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dvdcutter</name>
    <message>
        <source>Cut</source>
        <translation>Découper</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Begin Time</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>The begin time cannot be after the end time.</source>
        <translation>Le début ne peut pas être après la fin.</translation>
    </message>
    <message>
        <source>The end time cannot be before the begin time.</source>
        <translation>La fin ne peut pas être avant le début.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_info</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Informations générales</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Débit :</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Images/s :</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Fréquence :</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistes</translation>
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
        <translation>Convertisseur vidéo</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>The convertion is processing, are you sure to quit?</source>
        <translation>Une conversion est en cours. Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>The program did not close normally last time. Restore its job list?</source>
        <translation>Le programme ne s'est pas fermé normalement la dernière fois. Restaurer sa liste de tâches ?</translation>
    </message>
    <message>
        <source>The language file "language.info" cannot be read. Please install again.</source>
        <translation>Le fichier de langue « language.info » est illisible. Veuillez réinstaller le programme.</translation>
    </message>
    <message>
        <source>The program file cannot be found, please install again.</source>
        <translation>Un fichier du programme est introuvable, veuillez réinstaller le programme.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Continue conversion</source>
        <translation>Reprendre la conversion</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Mettre la conversion en pause</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Capture enregistrée : %1</translation>
    </message>
    <message>
        <source>The snapshot %1 could not be saved.</source>
        <translation>La capture %1 n'a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>The picture "images/main/%1.bmp" cannot be read.</source>
        <translation>L'image « images/main/%1.bmp » est illisible.</translation>
    </message>
    <message>
        <source>The settings cannot be written to "%1".</source>
        <translation>Les paramètres ne peuvent pas être écrits dans « %1 ».</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Please select one file.</source>
        <translation>Veuillez sélectionner un fichier.</translation>
    </message>
    <message>
        <source>Add a file to the job list first: a snapshot is taken from the previewed file.</source>
        <translation>Ajoutez d'abord un fichier à la liste : la capture est prise dans le fichier en aperçu.</translation>
    </message>
    <message>
        <source>The previous snapshot is still being saved. Please try again in a moment.</source>
        <translation>La capture précédente est encore en cours d'enregistrement. Réessayez dans un instant.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_set</name>
    <message>
        <source>Invalid height or width, please input again or select from the pull-down menu.</source>
        <translation>Hauteur ou largeur non valide, saisissez-la à nouveau ou choisissez-la dans la liste.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Paramètres du format</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Taille vidéo :</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Qualité vidéo :</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Qualité audio :</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canaux :</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualité vidéo</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Paramètres de sortie</translation>
    </message>
    <message>
        <source>Do nothing after conversion finished</source>
        <translation>Ne rien faire après la conversion</translation>
    </message>
    <message>
        <source>Open the target folder after conversion finished</source>
        <translation>Ouvrir le dossier de destination après la conversion</translation>
    </message>
    <message>
        <source>Automatically shut down after conversion finished</source>
        <translation>Éteindre l'ordinateur après la conversion</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversions</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Conversions simultanées :</translation>
    </message>
    <message>
        <source>Auto converts as many sound files at once as the computer has cores, and one video at a time: a video encoder uses every core already.</source>
        <translation>« Auto » convertit autant de fichiers audio à la fois que l'ordinateur a de cœurs, et une seule vidéo à la fois : un encodeur vidéo utilise déjà tous les cœurs.</translation>
    </message>
    <message>
        <source>Run conversions in the background (low priority)</source>
        <translation>Exécuter les conversions en arrière-plan (priorité basse)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>La langue change au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>The language cannot be saved to "%1".</source>
        <translation>La langue ne peut pas être enregistrée dans « %1 ».</translation>
    </message>
</context>
</TS>
