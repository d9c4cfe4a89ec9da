<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Categories</name>
    <message>
        <source>General Video</source>
        <translation>Vídeo general</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audio general</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Teléfono móvil</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Reproductor multimedia</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vídeo HD</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
</context>
<context>
    <name>ChoiceBox</name>
    <message>
        <source>Higher Quality</source>
        <translation>Calidad muy alta</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Calidad alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>Calidad baja</translation>
    </message>
    <message>
        <source>Lower Quality</source>
        <translation>Calidad muy baja</translation>
    </message>
    <message>
        <source>The original width and height</source>
        <translation>Ancho y alto originales</translation>
    </message>
    <message>
        <source>The Original Video Quliay</source>
        <translation>Calidad de vídeo original</translation>
    </message>
    <message>
        <source>The Original Audio Quliay</source>
        <translation>Calidad de audio original</translation>
    </message>
    <message>
        <source>No Video</source>
        <translation>Sin vídeo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
</context>
<context>
    <name>DesktopBus</name>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>No se puede acceder al bus del sistema.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>the encoder was stopped</source>
        <translation>el codificador se detuvo</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>no se puede leer el origen</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>la carpeta de salida ya no existe</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>no se puede escribir en la carpeta de salida</translation>
    </message>
    <message>
        <source>the source has no sound</source>
        <translation>el origen no tiene sonido</translation>
    </message>
    <message>
        <source>the source has no picture</source>
        <translation>el origen no tiene imagen</translation>
    </message>
    <message>
        <source>the encoder ended with exit code %1</source>
        <translation>el codificador terminó con el código de salida %1</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>Invalid height or width "%1": the picture size must be two positive whole numbers such as 320x240.</source>
        <translation>Alto o ancho «%1» no válido: el tamaño de imagen deben ser dos números enteros positivos, como 320x240.</translation>
    </message>
    <message>
        <source>The source video bit rate "%1" is not a number.</source>
        <translation>La tasa de bits de vídeo del origen «%1» no es un número.</translation>
    </message>
    <message>
        <source>The source audio bit rate "%1" is not a number.</source>
        <translation>La tasa de bits de audio del origen «%1» no es un número.</translation>
    </message>
    <message>
        <source>The profile's video bit rate "%1" is not a number.</source>
        <translation>La tasa de bits de vídeo del perfil «%1» no es un número.</translation>
    </message>
    <message>
        <source>Choose PAL or NTSC as the video size for this disc format.</source>
        <translation>Elija PAL o NTSC como tamaño de vídeo para este formato de disco.</translation>
    </message>
    <message>
        <source>No output folder is set.</source>
        <translation>No hay ninguna carpeta de salida.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>No se puede crear la carpeta de salida %1.</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation>la línea %1 contiene datos binarios</translation>
    </message>
    <message>
        <source>line %1 is an unfinished section name</source>
        <translation>la línea %1 es un nombre de sección incompleto</translation>
    </message>
    <message>
        <source>line %1 is not a section, a key=value pair or a comment</source>
        <translation>la línea %1 no es una sección, un par clave=valor ni un comentario</translation>
    </message>
    <message>
        <source>line %1 comes before any section</source>
        <translation>la línea %1 está antes de cualquier sección</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>The layout file Skin.ini is damaged (%1). The window uses its built-in layout; please install the program again.</source>
        <translation>El archivo de diseño Skin.ini está dañado (%1). La ventana usa su diseño integrado; vuelva a instalar el programa.</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Show Encoder &amp;Log</source>
        <translation>Mostrar el &amp;registro del codificador</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Add File(A)</source>
        <translation>&amp;Añadir archivos</translation>
    </message>
    <message>
        <source>A&amp;dd Folder(D)</source>
        <translation>Añadir &amp;carpeta</translation>
    </message>
    <message>
        <source>Proper&amp;ties(T)</source>
        <translation>Propie&amp;dades</translation>
    </message>
    <message>
        <source>&amp;Browse Output Folder…</source>
        <translation>&amp;Elegir carpeta de salida…</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>A&amp;brir carpeta de salida</translation>
    </message>
    <message>
        <source>&amp;Run Background(R)</source>
        <translation>Ejecutar en segundo &amp;plano</translation>
    </message>
    <message>
        <source>&amp;Exit(E)</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Remove(R)</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>&amp;Clear(C)</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
    <message>
        <source>Re&amp;name(N)</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>Select A&amp;ll(L)</source>
        <translation>Marcar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Unselect All(U)</source>
        <translation>&amp;Desmarcar todo</translation>
    </message>
    <message>
        <source>Un&amp;do Remove</source>
        <translation>Des&amp;hacer quitar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mover &amp;arriba</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Mover a&amp;bajo</translation>
    </message>
    <message>
        <source>Con&amp;vert(V)</source>
        <translation>Con&amp;vertir</translation>
    </message>
    <message>
        <source>&amp;Pause(P)</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Stop(S)</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Sett&amp;ings(I)</source>
        <translation>Prefere&amp;ncias</translation>
    </message>
    <message>
        <source>&amp;Help(H)</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support(F)</source>
        <translation>&amp;Comentarios y soporte</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Acerca de </translation>
    </message>
    <message>
        <source>Add DVD</source>
        <translation>Añadir DVD</translation>
    </message>
    <message>
        <source>Add IFO</source>
        <translation>Añadir IFO</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>Unselect ALL</source>
        <translation>Desmarcar todo</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herram.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Pista de audio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Subtítulos</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Profile category: choose a profile</source>
        <translation>Categoría de perfil: elegir un perfil</translation>
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
        <translation>Todos los formatos admitidos</translation>
    </message>
    <message>
        <source>All File(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Add File</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Remove Files</source>
        <translation>Quitar archivos</translation>
    </message>
    <message>
        <source>Clear file list</source>
        <translation>Vaciar la lista de archivos</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>Iniciar conversión</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Pausar conversión</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Detener conversión</translation>
    </message>
    <message>
        <source>About US</source>
        <translation>Acerca de nosotros</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>General Video</source>
        <translation>Vídeo general</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Audio general</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Teléfono móvil</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vídeo HD</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animación</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>More formats</source>
        <translation>Más formatos</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
    <message>
        <source>%1 Video Converter</source>
        <translation>Conversor de vídeo %1</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>There is no profile number %1 in the profile file.</source>
        <translation>El archivo de perfiles no tiene el perfil número %1.</translation>
    </message>
    <message>
        <source>The profile file ends before the settings of profile %1 (it needs %2 lines and has %3).</source>
        <translation>El archivo de perfiles termina antes de los ajustes del perfil %1 (necesita %2 líneas y tiene %3).</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>No se puede abrir el archivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation>No se puede leer el archivo %1.</translation>
    </message>
</context>
<context>
    <name>ProfileSettings</name>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>No se puede leer el archivo de ajustes %1.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>No se puede escribir el archivo de ajustes %1.</translation>
    </message>
</context>
<context>
    <name>SideEffects</name>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: %1</source>
        <translation>No se puede apagar el equipo: %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Acciones</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herram.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>More ways to add files</source>
        <translation>Otras formas de añadir archivos</translation>
    </message>
    <message>
        <source>Add files or a folder to start</source>
        <translation>Añada archivos o una carpeta</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Archivos…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Carpeta…</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Posición de la vista previa</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tiempo reproducido</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Select a job and press Play to preview it</source>
        <translation>Elija un trabajo y pulse Reproducir</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Change ▾</source>
        <translation>Cambiar ▾</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Trabajo</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Listo para convertir</translation>
    </message>
    <message>
        <source>Output size</source>
        <translation>Tamaño de salida</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Pasado</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tiempo transcurrido</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progreso de la conversión</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Archivo de salida</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>-30s</source>
        <translation>-30 s</translation>
    </message>
    <message>
        <source>Back 30 seconds</source>
        <translation>Retroceder 30 segundos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>+30s</source>
        <translation>+30 s</translation>
    </message>
    <message>
        <source>Forward 30 seconds</source>
        <translation>Avanzar 30 segundos</translation>
    </message>
    <message>
        <source>Set Begin</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Begin time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Set End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Jobs and their marks</source>
        <translation>Trabajos y sus marcas</translation>
    </message>
    <message>
        <source>Play a job, mark its begin and end, then close the window to apply the marks.</source>
        <translation>Reproduzca un trabajo, marque inicio y fin y cierre la ventana.</translation>
    </message>
</context>
<context>
    <name>SkinDisplay</name>
    <message>
        <source>The skin file cannot be loaded: %1</source>
        <translation>No se puede cargar el archivo de apariencia: %1</translation>
    </message>
</context>
<context>
    <name>StartArgs</name>
    <message>
        <source>The profiles:</source>
        <translation>Los perfiles:</translation>
    </message>
    <message>
        <source>there is no profile number %1.</source>
        <translation>no hay ningún perfil con el número %1.</translation>
    </message>
    <message>
        <source>no profile is named "%1".</source>
        <translation>ningún perfil se llama «%1».</translation>
    </message>
    <message>
        <source>the profiles %1 share the name "%2": give the number.</source>
        <translation>los perfiles %1 se llaman igual, «%2»: indique el número.</translation>
    </message>
    <message>
        <source>--output needs a folder.</source>
        <translation>--output necesita una carpeta.</translation>
    </message>
    <message>
        <source>--jobs takes "auto" or a number from 1 to %1 (the number of cores), not "%2".</source>
        <translation>--jobs admite «auto» o un número de 1 a %1 (el número de núcleos), no «%2».</translation>
    </message>
    <message>
        <source>--audio-track takes the number of a sound track, from 1, not "%1".</source>
        <translation>--audio-track admite el número de una pista de audio, desde 1, no «%1».</translation>
    </message>
    <message>
        <source>--subtitle takes the number of a subtitle, from 1, a subtitle file (.srt, .ass, .ssa, .vtt) or "none", not "%1".</source>
        <translation>--subtitle admite el número de un subtítulo, desde 1, un archivo de subtítulos (.srt, .ass, .ssa, .vtt) o «none», no «%1».</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 necesita un valor.</translation>
    </message>
    <message>
        <source>%1 is taken only with --convert.</source>
        <translation>%1 solo se admite con --convert.</translation>
    </message>
    <message>
        <source>--convert needs the files or folders to convert.</source>
        <translation>--convert necesita los archivos o carpetas que se van a convertir.</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FILE|FOLDER]...
</source>
        <translation>Uso: %1 [OPCIÓN]... [ARCHIVO|CARPETA]...
</translation>
    </message>
    <message>
        <source>  or:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FILE|FOLDER...
</source>
        <translation>  o:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] ARCHIVO|CARPETA...
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
        <translation>Convierte archivos de vídeo y audio. Los archivos indicados se añaden a la
lista de trabajos; una carpeta añade los archivos multimedia que contiene. Si
el conversor ya está en marcha, los nombres se pasan a su ventana.

  -h, --help     mostrar esta ayuda y salir
      --version  mostrar la versión y salir
  --             fin de las opciones: cada argumento posterior es un archivo
                 o una carpeta

También se aceptan las opciones propias de Qt (-platform NAME, -style NAME,
-reverse y otras).

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
        <translation>Conversión sin ventana (no hace falta pantalla):
      --convert           convertir los archivos, y los archivos multimedia
                          de las carpetas, con los ajustes guardados de esta
                          edición; después salir
      --profile N|NAME    el perfil de salida: su número, o su nombre tal
                          como lo muestra el selector de perfiles, sin
                          distinguir mayúsculas; por defecto: el perfil
                          guardado (uno erróneo muestra la lista de perfiles)
      --output DIR        la carpeta de salida; por defecto: la guardada
      --jobs N|auto       conversiones simultáneas: de 1 hasta el número de
                          núcleos, o auto
      --audio-track N     la pista de audio de cada archivo, desde 1; por
                          defecto: la pista predeterminada del archivo; un
                          archivo con menos pistas falla
      --subtitle N|FILE|none
                          incrustar el subtítulo N de cada archivo (sus
                          flujos de subtítulos y luego los archivos de
                          subtítulos que están junto a él con su mismo
                          nombre), o un archivo de subtítulos (.srt, .ass,
                          .ssa, .vtt); por defecto: ninguno
Una línea por archivo en la salida de errores indica cuánto lleva y cómo
terminó. Ctrl+C detiene la conversión y elimina la salida sin terminar.

Estado de salida: 0 si se cerró la ventana, una opción mostró su texto o se
convirtieron todos los archivos; 1 si un archivo no se pudo convertir; 2 si una
opción es desconocida, un valor es erróneo o falta un archivo; 130 tras Ctrl+C
(143 tras SIGTERM); otro valor si el programa no pudo iniciarse.
</translation>
    </message>
    <message>
        <source>Try "%1 --help" for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>%1: unknown option %2
</source>
        <translation>%1: opción desconocida %2
</translation>
    </message>
</context>
<context>
    <name>TrackChoice</name>
    <message>
        <source>Subtitle %1</source>
        <translation>Subtítulo %1</translation>
    </message>
    <message>
        <source>No subtitles</source>
        <translation>Sin subtítulos</translation>
    </message>
    <message>
        <source>%1 (burned in)</source>
        <translation>%1 (incrustados)</translation>
    </message>
    <message>
        <source>%1 (as a track)</source>
        <translation>%1 (como pista)</translation>
    </message>
    <message>
        <source>Sound %1 (default)</source>
        <translation>Pista de audio %1 (predeterminada)</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Pista de audio %1</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>Subtítulo %1: %2</translation>
    </message>
    <message>
        <source>, picture</source>
        <translation>, imagen</translation>
    </message>
    <message>
        <source>, text</source>
        <translation>, texto</translation>
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
        <translation>%1 convertidos, %2 con errores</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversión terminada</translation>
    </message>
    <message>
        <source>%1 of the jobs could not be converted:

%2</source>
        <translation>%1 trabajos no se pudieron convertir:

%2</translation>
    </message>
</context>
<context>
    <name>vc::BatchRunner</name>
    <message>
        <source>The encoder cannot be started.</source>
        <translation>No se puede iniciar el codificador.</translation>
    </message>
    <message>
        <source>the encoder ended with code %1</source>
        <translation>el codificador terminó con el código %1</translation>
    </message>
    <message>
        <source>the output file was not written</source>
        <translation>no se escribió el archivo de salida</translation>
    </message>
    <message>
        <source>the output file is empty</source>
        <translation>el archivo de salida está vacío</translation>
    </message>
</context>
<context>
    <name>vc::CommandLineConversion</name>
    <message>
        <source>there is no file or folder "%1".</source>
        <translation>no existe el archivo o la carpeta «%1».</translation>
    </message>
    <message>
        <source>there is no subtitle file "%1".</source>
        <translation>no existe el archivo de subtítulos «%1».</translation>
    </message>
    <message>
        <source>the output folder "%1" is not a folder.</source>
        <translation>la carpeta de salida «%1» no es una carpeta.</translation>
    </message>
    <message>
        <source>the folders named hold no media files.</source>
        <translation>las carpetas indicadas no contienen archivos multimedia.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>the file cannot be converted</source>
        <translation>no se puede convertir el archivo</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: error: %2</translation>
    </message>
    <message>
        <source>no sound track %1: the file has none</source>
        <translation>no hay pista de audio %1: el archivo no tiene ninguna</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only one</source>
        <translation>no hay pista de audio %1: el archivo solo tiene una</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only %2</source>
        <translation>no hay pista de audio %1: el archivo solo tiene %2</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has none</source>
        <translation>no hay subtítulo %1: el archivo no tiene ninguno</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only one</source>
        <translation>no hay subtítulo %1: el archivo solo tiene uno</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only %2</source>
        <translation>no hay subtítulo %1: el archivo solo tiene %2</translation>
    </message>
    <message>
        <source>%1: 100%, converted</source>
        <translation>%1: 100%, convertido</translation>
    </message>
    <message>
        <source>%1: %2, stopped; the unfinished output was removed</source>
        <translation>%1: %2, detenido; se eliminó la salida sin terminar</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files converted.</source>
        <translation>Detenido: %1 de %2 archivos convertidos.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted, %3 failed.</source>
        <translation>%1 de %2 archivos convertidos, %3 con errores.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted into %3</source>
        <translation>%1 de %2 archivos convertidos en %3</translation>
    </message>
</context>
<context>
    <name>vc::DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
</context>
<context>
    <name>vc::EncoderRunner</name>
    <message>
        <source>The encoder command line is empty.</source>
        <translation>La línea de órdenes del codificador está vacía.</translation>
    </message>
    <message>
        <source>Cannot start the encoder %1: %2</source>
        <translation>No se puede iniciar el codificador %1: %2</translation>
    </message>
</context>
<context>
    <name>vc::HelpWindow</name>
    <message>
        <source>Video Converter Help</source>
        <translation>Ayuda del Conversor de vídeo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>%1 - Video Converter Help</source>
        <translation>%1 - Ayuda del Conversor de vídeo</translation>
    </message>
</context>
<context>
    <name>vc::JobList</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Ancho * Alto</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Tamaño de salida</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduciendo</translation>
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
        <translation>Registro del codificador - %1</translation>
    </message>
    <message>
        <source>This job has no log yet.</source>
        <translation>Este trabajo aún no tiene registro.</translation>
    </message>
</context>
<context>
    <name>vc::MediaProbe</name>
    <message>
        <source>Another file is being examined.</source>
        <translation>Se está analizando otro archivo.</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>No se pudo leer el archivo a tiempo: %1</translation>
    </message>
    <message>
        <source>The encoder could not read %1</source>
        <translation>El codificador no pudo leer %1</translation>
    </message>
</context>
<context>
    <name>vc::PreviewPlayer</name>
    <message>
        <source>The preview is not available. %1</source>
        <translation>La vista previa no está disponible. %1</translation>
    </message>
</context>
<context>
    <name>vc::ProbeQueue</name>
    <message>
        <source>The encoder could not read %1</source>
        <translation>El codificador no pudo leer %1</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>No se pudo leer el archivo a tiempo: %1</translation>
    </message>
    <message>
        <source>The encoder ended while reading %1</source>
        <translation>El codificador terminó al leer %1</translation>
    </message>
</context>
<context>
    <name>vc::ProfilePicker</name>
    <message>
        <source>Profiles</source>
        <translation>Perfiles</translation>
    </message>
    <message>
        <source>Up and Down choose within a list, Right and Left go between categories and profiles, Return chooses, Escape closes</source>
        <translation>Arriba y Abajo eligen dentro de una lista, Derecha e Izquierda pasan entre categorías y perfiles, Intro elige, Escape cierra</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (actual)</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Categoría: %1</translation>
    </message>
</context>
<context>
    <name>vc::ProgressDisplay</name>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 convertidos</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 con errores</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Detenido: %1</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>%1 running, %2 done, %3 left</source>
        <translation>%1 en curso, %2 terminados, %3 pendientes</translation>
    </message>
    <message>
        <source>Batch %1 left</source>
        <translation>Quedan %1 en total</translation>
    </message>
</context>
<context>
    <name>vc::ShutdownCountdown</name>
    <message>
        <source>Shut down</source>
        <translation>Apagar</translation>
    </message>
    <message>
        <source>The conversion has finished. The computer shuts down in %1 seconds.</source>
        <translation>La conversión ha terminado. El equipo se apagará en %1 segundos.</translation>
    </message>
</context>
<context>
    <name>vc::Snapshot</name>
    <message>
        <source>The snapshot cannot be taken: the encoder cannot be started.</source>
        <translation>No se puede capturar la imagen: el codificador no se puede iniciar.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dir</name>
    <message>
        <source>Output Directory</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Carpeta:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder.</source>
        <translation>«%1» es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>There is no folder "%1". Press Ok again to make it.</source>
        <translation>No existe la carpeta «%1». Pulse Aceptar otra vez para crearla.</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made.</source>
        <translation>No se puede crear la carpeta «%1».</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Nueva carpeta %1</translation>
    </message>
    <message>
        <source>A folder cannot be made in "%1".</source>
        <translation>No se puede crear una carpeta en «%1».</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dvdcutter</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Begin Time</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>The begin time cannot be after the end time.</source>
        <translation>El inicio no puede ser posterior al final.</translation>
    </message>
    <message>
        <source>The end time cannot be before the begin time.</source>
        <translation>El final no puede ser anterior al inicio.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_info</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Información básica</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Tasa de bits:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolución:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Fotogramas/s:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Pistas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_main</name>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>The convertion is processing, are you sure to quit?</source>
        <translation>Hay una conversión en curso. ¿Seguro que quiere salir?</translation>
    </message>
    <message>
        <source>The program did not close normally last time. Restore its job list?</source>
        <translation>El programa no se cerró correctamente la última vez. ¿Restaurar su lista de trabajos?</translation>
    </message>
    <message>
        <source>The language file "language.info" cannot be read. Please install again.</source>
        <translation>No se puede leer el archivo de idioma «language.info». Vuelva a instalar el programa.</translation>
    </message>
    <message>
        <source>The program file cannot be found, please install again.</source>
        <translation>Falta un archivo del programa; vuelva a instalarlo.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Continue conversion</source>
        <translation>Continuar conversión</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Pausar conversión</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Imagen guardada: %1</translation>
    </message>
    <message>
        <source>The snapshot %1 could not be saved.</source>
        <translation>No se pudo guardar la imagen %1.</translation>
    </message>
    <message>
        <source>The picture "images/main/%1.bmp" cannot be read.</source>
        <translation>No se puede leer la imagen «images/main/%1.bmp».</translation>
    </message>
    <message>
        <source>The settings cannot be written to "%1".</source>
        <translation>No se pueden escribir los ajustes en «%1».</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Please select one file.</source>
        <translation>Seleccione un archivo.</translation>
    </message>
    <message>
        <source>Add a file to the job list first: a snapshot is taken from the previewed file.</source>
        <translation>Primero añada un archivo a la lista: la imagen se toma del archivo en vista previa.</translation>
    </message>
    <message>
        <source>The previous snapshot is still being saved. Please try again in a moment.</source>
        <translation>La imagen anterior aún se está guardando. Inténtelo de nuevo en un momento.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_set</name>
    <message>
        <source>Invalid height or width, please input again or select from the pull-down menu.</source>
        <translation>Alto o ancho no válido; escríbalo de nuevo o elíjalo en la lista desplegable.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Ajustes de formato</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Tamaño de vídeo:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Calidad de vídeo:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Calidad de audio:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canales:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Calidad de vídeo</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Ajustes de salida</translation>
    </message>
    <message>
        <source>Do nothing after conversion finished</source>
        <translation>No hacer nada al terminar la conversión</translation>
    </message>
    <message>
        <source>Open the target folder after conversion finished</source>
        <translation>Abrir la carpeta de destino al terminar la conversión</translation>
    </message>
    <message>
        <source>Automatically shut down after conversion finished</source>
        <translation>Apagar el equipo al terminar la conversión</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversiones</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Conversiones simultáneas:</translation>
    </message>
    <message>
        <source>Auto converts as many sound files at once as the computer has cores, and one video at a time: a video encoder uses every core already.</source>
        <translation>«Automático» convierte tantos archivos de audio a la vez como núcleos tiene el equipo, y un solo vídeo cada vez: un codificador de vídeo ya usa todos los núcleos.</translation>
    </message>
    <message>
        <source>Run conversions in the background (low priority)</source>
        <translation>Ejecutar las conversiones en segundo plano (prioridad baja)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>El idioma cambia la próxima vez que se inicie el programa.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>The language cannot be saved to "%1".</source>
        <translation>No se puede guardar el idioma en «%1».</translation>
    </message>
</context>
</TS>
