<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Categories</name>
    <message>
        <source>General Video</source>
        <translation>Общие видеоформаты</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Общие аудиоформаты</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Мобильный телефон</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Медиаплеер</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD-видео</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
</context>
<context>
    <name>ChoiceBox</name>
    <message>
        <source>Higher Quality</source>
        <translation>Наивысшее качество</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Высокое качество</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Обычное</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>Низкое качество</translation>
    </message>
    <message>
        <source>Lower Quality</source>
        <translation>Наименьшее качество</translation>
    </message>
    <message>
        <source>The original width and height</source>
        <translation>Исходные ширина и высота</translation>
    </message>
    <message>
        <source>The Original Video Quliay</source>
        <translation>Исходное качество видео</translation>
    </message>
    <message>
        <source>The Original Audio Quliay</source>
        <translation>Исходное качество звука</translation>
    </message>
    <message>
        <source>No Video</source>
        <translation>Без видео</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
</context>
<context>
    <name>DesktopBus</name>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>Системная шина недоступна.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>the encoder was stopped</source>
        <translation>кодировщик остановлен</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>исходный файл не читается</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>папка назначения больше не существует</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>в папку назначения нельзя записывать</translation>
    </message>
    <message>
        <source>the source has no sound</source>
        <translation>в исходном файле нет звука</translation>
    </message>
    <message>
        <source>the source has no picture</source>
        <translation>в исходном файле нет изображения</translation>
    </message>
    <message>
        <source>the encoder ended with exit code %1</source>
        <translation>кодировщик завершился с кодом выхода %1</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>Invalid height or width "%1": the picture size must be two positive whole numbers such as 320x240.</source>
        <translation>Недопустимая высота или ширина «%1»: размер кадра должен состоять из двух целых положительных чисел, например 320x240.</translation>
    </message>
    <message>
        <source>The source video bit rate "%1" is not a number.</source>
        <translation>Битрейт видео источника «%1» не является числом.</translation>
    </message>
    <message>
        <source>The source audio bit rate "%1" is not a number.</source>
        <translation>Битрейт звука источника «%1» не является числом.</translation>
    </message>
    <message>
        <source>The profile's video bit rate "%1" is not a number.</source>
        <translation>Битрейт видео профиля «%1» не является числом.</translation>
    </message>
    <message>
        <source>Choose PAL or NTSC as the video size for this disc format.</source>
        <translation>Выберите PAL или NTSC в качестве размера видео для этого формата диска.</translation>
    </message>
    <message>
        <source>No output folder is set.</source>
        <translation>Папка назначения не задана.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>Не удаётся создать папку назначения %1.</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>it is empty</source>
        <translation>он пуст</translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation>строка %1 содержит двоичные данные</translation>
    </message>
    <message>
        <source>line %1 is an unfinished section name</source>
        <translation>строка %1 — незавершённое имя раздела</translation>
    </message>
    <message>
        <source>line %1 is not a section, a key=value pair or a comment</source>
        <translation>строка %1 не является ни разделом, ни парой ключ=значение, ни комментарием</translation>
    </message>
    <message>
        <source>line %1 comes before any section</source>
        <translation>строка %1 стоит перед первым разделом</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его не удаётся прочитать</translation>
    </message>
    <message>
        <source>The layout file Skin.ini is damaged (%1). The window uses its built-in layout; please install the program again.</source>
        <translation>Файл разметки Skin.ini повреждён (%1). Окно использует встроенную разметку; переустановите программу.</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Show Encoder &amp;Log</source>
        <translation>Показать &amp;журнал кодировщика</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Add File(A)</source>
        <translation>&amp;Добавить файлы</translation>
    </message>
    <message>
        <source>A&amp;dd Folder(D)</source>
        <translation>Добавить &amp;папку</translation>
    </message>
    <message>
        <source>Proper&amp;ties(T)</source>
        <translation>&amp;Свойства</translation>
    </message>
    <message>
        <source>&amp;Browse Output Folder…</source>
        <translation>Указать папку &amp;назначения…</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Открыть папку назначения</translation>
    </message>
    <message>
        <source>&amp;Run Background(R)</source>
        <translation>Работать в &amp;фоне</translation>
    </message>
    <message>
        <source>&amp;Exit(E)</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Remove(R)</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Clear(C)</source>
        <translation>&amp;Очистить список</translation>
    </message>
    <message>
        <source>Re&amp;name(N)</source>
        <translation>&amp;Переименовать</translation>
    </message>
    <message>
        <source>Select A&amp;ll(L)</source>
        <translation>Отметить &amp;все</translation>
    </message>
    <message>
        <source>&amp;Unselect All(U)</source>
        <translation>Снять &amp;отметки</translation>
    </message>
    <message>
        <source>Un&amp;do Remove</source>
        <translation>О&amp;тменить удаление</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Переместить выш&amp;е</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Переместить ни&amp;же</translation>
    </message>
    <message>
        <source>Con&amp;vert(V)</source>
        <translation>&amp;Конвертировать</translation>
    </message>
    <message>
        <source>&amp;Pause(P)</source>
        <translation>Па&amp;уза</translation>
    </message>
    <message>
        <source>&amp;Stop(S)</source>
        <translation>&amp;Стоп</translation>
    </message>
    <message>
        <source>Sett&amp;ings(I)</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Help(H)</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support(F)</source>
        <translation>&amp;Отзывы и поддержка</translation>
    </message>
    <message>
        <source>About </source>
        <translation>О программе </translation>
    </message>
    <message>
        <source>Add DVD</source>
        <translation>Добавить DVD</translation>
    </message>
    <message>
        <source>Add IFO</source>
        <translation>Добавить IFO</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Отметить все</translation>
    </message>
    <message>
        <source>Unselect ALL</source>
        <translation>Снять отметки</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертировать</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Next page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Звуковая дорожка</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Субтитры</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Profile category: choose a profile</source>
        <translation>Категория профиля: выбрать профиль</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>All Support Format</source>
        <translation>Все поддерживаемые форматы</translation>
    </message>
    <message>
        <source>All File(*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Add File</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Remove Files</source>
        <translation>Удалить файлы</translation>
    </message>
    <message>
        <source>Clear file list</source>
        <translation>Очистить список файлов</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Сохранить кадр</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>Начать конвертирование</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Приостановить конвертирование</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Остановить конвертирование</translation>
    </message>
    <message>
        <source>About US</source>
        <translation>О нас</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>General Video</source>
        <translation>Видеоформаты</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Аудиоформаты</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Телефоны</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Медиаплеер</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HD-видео</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>More formats</source>
        <translation>Другие форматы</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Видеоконвертер</translation>
    </message>
    <message>
        <source>%1 Video Converter</source>
        <translation>Видеоконвертер %1</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>There is no profile number %1 in the profile file.</source>
        <translation>В файле профилей нет профиля номер %1.</translation>
    </message>
    <message>
        <source>The profile file ends before the settings of profile %1 (it needs %2 lines and has %3).</source>
        <translation>Файл профилей кончается раньше настроек профиля %1 (нужно строк: %2, есть: %3).</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>Не удаётся открыть файл %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation>Не удаётся прочитать файл %1.</translation>
    </message>
</context>
<context>
    <name>ProfileSettings</name>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>Не удаётся прочитать файл настроек %1.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>Не удаётся записать файл настроек %1.</translation>
    </message>
</context>
<context>
    <name>SideEffects</name>
    <message>
        <source>Video Converter</source>
        <translation>Видеоконвертер</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: %1</source>
        <translation>Не удаётся выключить компьютер: %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Video Converter</source>
        <translation>Видеоконвертер</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>More ways to add files</source>
        <translation>Другие способы добавить файлы</translation>
    </message>
    <message>
        <source>Add files or a folder to start</source>
        <translation>Добавьте файлы или папку</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Файлы…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Папка…</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Позиция предпросмотра</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Воспроизведено</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Select a job and press Play to preview it</source>
        <translation>Выберите задание для предпросмотра</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>Change ▾</source>
        <translation>Сменить ▾</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Вывод</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Готово к конвертированию</translation>
    </message>
    <message>
        <source>Output size</source>
        <translation>Размер на выходе</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Прошедшее время</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Оставшееся время</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Ход конвертирования</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Выходной файл</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Пакет</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>-30s</source>
        <translation>-30 с</translation>
    </message>
    <message>
        <source>Back 30 seconds</source>
        <translation>Назад на 30 секунд</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>+30s</source>
        <translation>+30 с</translation>
    </message>
    <message>
        <source>Forward 30 seconds</source>
        <translation>Вперёд на 30 секунд</translation>
    </message>
    <message>
        <source>Set Begin</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Begin time</source>
        <translation>Время начала</translation>
    </message>
    <message>
        <source>Set End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Время конца</translation>
    </message>
    <message>
        <source>Jobs and their marks</source>
        <translation>Задания и их отметки</translation>
    </message>
    <message>
        <source>Play a job, mark its begin and end, then close the window to apply the marks.</source>
        <translation>Воспроизведите задание, отметьте начало и конец и закройте окно.</translation>
    </message>
</context>
<context>
    <name>SkinDisplay</name>
    <message>
        <source>The skin file cannot be loaded: %1</source>
        <translation>Не удаётся загрузить файл оформления: %1</translation>
    </message>
</context>
<context>
    <name>StartArgs</name>
    <message>
        <source>The profiles:</source>
        <translation>Профили:</translation>
    </message>
    <message>
        <source>there is no profile number %1.</source>
        <translation>нет профиля с номером %1.</translation>
    </message>
    <message>
        <source>no profile is named "%1".</source>
        <translation>нет профиля с именем «%1».</translation>
    </message>
    <message>
        <source>the profiles %1 share the name "%2": give the number.</source>
        <translation>профили %1 называются одинаково, «%2»: укажите номер.</translation>
    </message>
    <message>
        <source>--output needs a folder.</source>
        <translation>для --output нужна папка.</translation>
    </message>
    <message>
        <source>--jobs takes "auto" or a number from 1 to %1 (the number of cores), not "%2".</source>
        <translation>--jobs принимает «auto» или число от 1 до %1 (число ядер), а не «%2».</translation>
    </message>
    <message>
        <source>--audio-track takes the number of a sound track, from 1, not "%1".</source>
        <translation>--audio-track принимает номер звуковой дорожки, начиная с 1, а не «%1».</translation>
    </message>
    <message>
        <source>--subtitle takes the number of a subtitle, from 1, a subtitle file (.srt, .ass, .ssa, .vtt) or "none", not "%1".</source>
        <translation>--subtitle принимает номер дорожки субтитров, начиная с 1, файл субтитров (.srt, .ass, .ssa, .vtt) или «none», а не «%1».</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>для %1 нужно значение.</translation>
    </message>
    <message>
        <source>%1 is taken only with --convert.</source>
        <translation>%1 принимается только вместе с --convert.</translation>
    </message>
    <message>
        <source>--convert needs the files or folders to convert.</source>
        <translation>для --convert нужны файлы или папки для конвертирования.</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FILE|FOLDER]...
</source>
        <translation>Использование: %1 [ПАРАМЕТР]... [ФАЙЛ|ПАПКА]...
</translation>
    </message>
    <message>
        <source>  or:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FILE|FOLDER...
</source>
        <translation>          или: %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] ФАЙЛ|ПАПКА...
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
        <translation>Конвертирует видео- и аудиофайлы. Указанные файлы добавляются в список
заданий; папка добавляет содержащиеся в ней медиафайлы. Если конвертер уже
запущен, имена передаются его окну.

  -h, --help     показать эту справку и выйти
      --version  показать версию и выйти
  --             конец параметров: все следующие аргументы — файлы или папки

Принимаются и собственные параметры Qt (-platform NAME, -style NAME, -reverse
и другие).

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
        <translation>Конвертирование без окна (дисплей не нужен):
      --convert           конвертировать файлы и медиафайлы папок с
                          сохранёнными настройками этой редакции, затем
                          выйти
      --profile N|NAME    профиль вывода: его номер или имя, как его
                          показывает выбор профиля, в любом регистре;
                          по умолчанию — сохранённый профиль (при неверном
                          выводится список профилей)
      --output DIR        папка назначения; по умолчанию — сохранённая
      --jobs N|auto       одновременные конвертирования: от 1 до числа
                          ядер, или auto
      --audio-track N     звуковая дорожка каждого файла, начиная с 1;
                          по умолчанию — дорожка файла по умолчанию; файл
                          с меньшим числом дорожек завершается ошибкой
      --subtitle N|FILE|none
                          вшить N-ю дорожку субтитров каждого файла (его
                          потоки субтитров, затем файлы субтитров рядом с
                          ним с тем же именем) или файл субтитров (.srt,
                          .ass, .ssa, .vtt); по умолчанию — без субтитров
В поток ошибок выводится по строке на каждый файл: как далеко продвинулось
его конвертирование и чем оно закончилось. Ctrl+C останавливает
конвертирование и удаляет незавершённый результат.

Код выхода: 0, если окно было закрыто, параметр вывел свой текст или все файлы
конвертированы; 1, если файл не удалось конвертировать; 2 при неизвестном
параметре, неверном значении или отсутствующем файле; 130 после Ctrl+C (143
после SIGTERM); другое значение, если программа не смогла запуститься.
</translation>
    </message>
    <message>
        <source>Try "%1 --help" for more information.</source>
        <translation>По команде «%1 --help» можно получить дополнительную информацию.</translation>
    </message>
    <message>
        <source>%1: unknown option %2
</source>
        <translation>%1: неизвестный параметр %2
</translation>
    </message>
</context>
<context>
    <name>TrackChoice</name>
    <message>
        <source>Subtitle %1</source>
        <translation>Субтитры %1</translation>
    </message>
    <message>
        <source>No subtitles</source>
        <translation>Без субтитров</translation>
    </message>
    <message>
        <source>%1 (burned in)</source>
        <translation>%1 (вшитые)</translation>
    </message>
    <message>
        <source>%1 (as a track)</source>
        <translation>%1 (отдельной дорожкой)</translation>
    </message>
    <message>
        <source>Sound %1 (default)</source>
        <translation>Звуковая дорожка %1 (по умолчанию)</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Звуковая дорожка %1</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>Субтитры %1: %2</translation>
    </message>
    <message>
        <source>, picture</source>
        <translation>, изображение</translation>
    </message>
    <message>
        <source>, text</source>
        <translation>, текст</translation>
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
        <translation>Конвертировано: %1, с ошибкой: %2</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Конвертирование завершено</translation>
    </message>
    <message>
        <source>%1 of the jobs could not be converted:

%2</source>
        <translation>Не удалось конвертировать заданий: %1

%2</translation>
    </message>
</context>
<context>
    <name>vc::BatchRunner</name>
    <message>
        <source>The encoder cannot be started.</source>
        <translation>Не удаётся запустить кодировщик.</translation>
    </message>
    <message>
        <source>the encoder ended with code %1</source>
        <translation>кодировщик завершился с кодом %1</translation>
    </message>
    <message>
        <source>the output file was not written</source>
        <translation>выходной файл не записан</translation>
    </message>
    <message>
        <source>the output file is empty</source>
        <translation>выходной файл пуст</translation>
    </message>
</context>
<context>
    <name>vc::CommandLineConversion</name>
    <message>
        <source>there is no file or folder "%1".</source>
        <translation>нет файла или папки «%1».</translation>
    </message>
    <message>
        <source>there is no subtitle file "%1".</source>
        <translation>нет файла субтитров «%1».</translation>
    </message>
    <message>
        <source>the output folder "%1" is not a folder.</source>
        <translation>папка назначения «%1» не является папкой.</translation>
    </message>
    <message>
        <source>the folders named hold no media files.</source>
        <translation>в указанных папках нет медиафайлов.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>файл не читается</translation>
    </message>
    <message>
        <source>the file cannot be converted</source>
        <translation>файл не удаётся конвертировать</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: ошибка: %2</translation>
    </message>
    <message>
        <source>no sound track %1: the file has none</source>
        <translation>нет звуковой дорожки %1: в файле их нет</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only one</source>
        <translation>нет звуковой дорожки %1: в файле только одна</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only %2</source>
        <translation>нет звуковой дорожки %1: в файле их только %2</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has none</source>
        <translation>нет дорожки субтитров %1: в файле их нет</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only one</source>
        <translation>нет дорожки субтитров %1: в файле только одна</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only %2</source>
        <translation>нет дорожки субтитров %1: в файле их только %2</translation>
    </message>
    <message>
        <source>%1: 100%, converted</source>
        <translation>%1: 100%, конвертирован</translation>
    </message>
    <message>
        <source>%1: %2, stopped; the unfinished output was removed</source>
        <translation>%1: %2, остановлен; незавершённый результат удалён</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files converted.</source>
        <translation>Остановлено: конвертировано файлов: %1 из %2.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted, %3 failed.</source>
        <translation>Конвертировано файлов: %1 из %2, с ошибкой: %3.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted into %3</source>
        <translation>Конвертировано файлов: %1 из %2, в папку %3</translation>
    </message>
</context>
<context>
    <name>vc::DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Видеоконвертер</translation>
    </message>
</context>
<context>
    <name>vc::EncoderRunner</name>
    <message>
        <source>The encoder command line is empty.</source>
        <translation>Командная строка кодировщика пуста.</translation>
    </message>
    <message>
        <source>Cannot start the encoder %1: %2</source>
        <translation>Не удаётся запустить кодировщик %1: %2</translation>
    </message>
</context>
<context>
    <name>vc::HelpWindow</name>
    <message>
        <source>Video Converter Help</source>
        <translation>Справка Видеоконвертера</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>%1 - Video Converter Help</source>
        <translation>%1 — Справка Видеоконвертера</translation>
    </message>
</context>
<context>
    <name>vc::JobList</name>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Ширина * Высота</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Размер на выходе</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановлено</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизведение</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
</context>
<context>
    <name>vc::LogDialog</name>
    <message>
        <source>Encoder Log - %1</source>
        <translation>Журнал кодировщика — %1</translation>
    </message>
    <message>
        <source>This job has no log yet.</source>
        <translation>У этого задания пока нет журнала.</translation>
    </message>
</context>
<context>
    <name>vc::MediaProbe</name>
    <message>
        <source>Another file is being examined.</source>
        <translation>Сейчас проверяется другой файл.</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>Файл не удалось прочитать вовремя: %1</translation>
    </message>
    <message>
        <source>The encoder could not read %1</source>
        <translation>Кодировщику не удалось прочитать %1</translation>
    </message>
</context>
<context>
    <name>vc::PreviewPlayer</name>
    <message>
        <source>The preview is not available. %1</source>
        <translation>Предпросмотр недоступен. %1</translation>
    </message>
</context>
<context>
    <name>vc::ProbeQueue</name>
    <message>
        <source>The encoder could not read %1</source>
        <translation>Кодировщику не удалось прочитать %1</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>Файл не удалось прочитать вовремя: %1</translation>
    </message>
    <message>
        <source>The encoder ended while reading %1</source>
        <translation>Кодировщик завершился при чтении %1</translation>
    </message>
</context>
<context>
    <name>vc::ProfilePicker</name>
    <message>
        <source>Profiles</source>
        <translation>Профили</translation>
    </message>
    <message>
        <source>Up and Down choose within a list, Right and Left go between categories and profiles, Return chooses, Escape closes</source>
        <translation>Вверх и Вниз — выбор в списке, Вправо и Влево — переход между категориями и профилями, Enter — выбрать, Esc — закрыть</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (текущий)</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Категория: %1</translation>
    </message>
</context>
<context>
    <name>vc::ProgressDisplay</name>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>Конвертировано: %1</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, с ошибкой: %1</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Остановлено: %1</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Сохранено в %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <source>%1 running, %2 done, %3 left</source>
        <translation>Выполняется: %1, готово: %2, осталось: %3</translation>
    </message>
    <message>
        <source>Batch %1 left</source>
        <translation>Всего осталось %1</translation>
    </message>
</context>
<context>
    <name>vc::ShutdownCountdown</name>
    <message>
        <source>Shut down</source>
        <translation>Выключение</translation>
    </message>
    <message>
        <source>The conversion has finished. The computer shuts down in %1 seconds.</source>
        <translation>Конвертирование завершено. Компьютер выключится через %1 с.</translation>
    </message>
</context>
<context>
    <name>vc::Snapshot</name>
    <message>
        <source>The snapshot cannot be taken: the encoder cannot be started.</source>
        <translation>Не удаётся сделать снимок: кодировщик не запускается.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dir</name>
    <message>
        <source>Output Directory</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder.</source>
        <translation>«%1» — это файл, а не папка.</translation>
    </message>
    <message>
        <source>There is no folder "%1". Press Ok again to make it.</source>
        <translation>Папки «%1» нет. Нажмите ОК ещё раз, чтобы создать её.</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made.</source>
        <translation>Не удаётся создать папку «%1».</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Новая папка %1</translation>
    </message>
    <message>
        <source>A folder cannot be made in "%1".</source>
        <translation>Не удаётся создать папку в «%1».</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dvdcutter</name>
    <message>
        <source>Cut</source>
        <translation>Обрезать</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Begin Time</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>The begin time cannot be after the end time.</source>
        <translation>Начало не может быть позже конца.</translation>
    </message>
    <message>
        <source>The end time cannot be before the begin time.</source>
        <translation>Конец не может быть раньше начала.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_info</name>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Основные сведения</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Длительность:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Битрейт:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Разрешение:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Кадров/с:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Частота:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Каналы:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Дорожки</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_main</name>
    <message>
        <source>Video Converter</source>
        <translation>Видеоконвертер</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>The convertion is processing, are you sure to quit?</source>
        <translation>Идёт конвертирование. Действительно выйти?</translation>
    </message>
    <message>
        <source>The program did not close normally last time. Restore its job list?</source>
        <translation>В прошлый раз программа завершилась некорректно. Восстановить список заданий?</translation>
    </message>
    <message>
        <source>The language file "language.info" cannot be read. Please install again.</source>
        <translation>Не удаётся прочитать языковой файл «language.info». Переустановите программу.</translation>
    </message>
    <message>
        <source>The program file cannot be found, please install again.</source>
        <translation>Не найден файл программы, переустановите программу.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Continue conversion</source>
        <translation>Продолжить конвертирование</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Приостановить конвертирование</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Снимок сохранён: %1</translation>
    </message>
    <message>
        <source>The snapshot %1 could not be saved.</source>
        <translation>Не удалось сохранить снимок %1.</translation>
    </message>
    <message>
        <source>The picture "images/main/%1.bmp" cannot be read.</source>
        <translation>Не удаётся прочитать изображение «images/main/%1.bmp».</translation>
    </message>
    <message>
        <source>The settings cannot be written to "%1".</source>
        <translation>Не удаётся записать настройки в «%1».</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Please select one file.</source>
        <translation>Выберите файл.</translation>
    </message>
    <message>
        <source>Add a file to the job list first: a snapshot is taken from the previewed file.</source>
        <translation>Сначала добавьте файл в список: снимок делается из файла в предпросмотре.</translation>
    </message>
    <message>
        <source>The previous snapshot is still being saved. Please try again in a moment.</source>
        <translation>Предыдущий снимок ещё сохраняется. Повторите через минуту.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_set</name>
    <message>
        <source>Invalid height or width, please input again or select from the pull-down menu.</source>
        <translation>Недопустимая высота или ширина, введите снова или выберите из списка.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Параметры формата</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Размер видео:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Качество видео:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Качество звука:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Каналы:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Качество видео</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Параметры вывода</translation>
    </message>
    <message>
        <source>Do nothing after conversion finished</source>
        <translation>Ничего не делать после конвертирования</translation>
    </message>
    <message>
        <source>Open the target folder after conversion finished</source>
        <translation>Открыть папку назначения после конвертирования</translation>
    </message>
    <message>
        <source>Automatically shut down after conversion finished</source>
        <translation>Выключить компьютер после конвертирования</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Конвертирование</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Одновременных конвертирований:</translation>
    </message>
    <message>
        <source>Auto converts as many sound files at once as the computer has cores, and one video at a time: a video encoder uses every core already.</source>
        <translation>«Авто» конвертирует одновременно столько аудиофайлов, сколько у компьютера ядер, и по одному видео за раз: видеокодировщик и так использует все ядра.</translation>
    </message>
    <message>
        <source>Run conversions in the background (low priority)</source>
        <translation>Конвертировать в фоне (низкий приоритет)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>Язык сменится при следующем запуске программы.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>The language cannot be saved to "%1".</source>
        <translation>Не удаётся сохранить язык в «%1».</translation>
    </message>
</context>
</TS>
