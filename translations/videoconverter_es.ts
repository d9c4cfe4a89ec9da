<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Categories</name>
    <message>
        <source>General Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChoiceBox</name>
    <message>
        <source>Higher Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original width and height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Original Video Quliay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Original Audio Quliay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DesktopBus</name>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>the encoder was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source has no sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the source has no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoder ended with exit code %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>Invalid height or width "%1": the picture size must be two positive whole numbers such as 320x240.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source video bit rate "%1" is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source audio bit rate "%1" is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile's video bit rate "%1" is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose PAL or NTSC as the video size for this disc format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No output folder is set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is an unfinished section name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 is not a section, a key=value pair or a comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 comes before any section</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The layout file Skin.ini is damaged (%1). The window uses its built-in layout; please install the program again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Show Encoder &amp;Log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Add File(A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd Folder(D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proper&amp;ties(T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Run Background(R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit(E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove(R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear(C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name(N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select A&amp;ll(L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unselect All(U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;vert(V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause(P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop(S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sett&amp;ings(I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help(H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Feedback and Support(F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add DVD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add IFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unselect ALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>All Support Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All File(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Add File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear file list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About US</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>There is no profile number %1 in the profile file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile file ends before the settings of profile %1 (it needs %2 lines and has %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileSettings</name>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SideEffects</name>
    <message>
        <source>Video Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer cannot be shut down: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Video Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More ways to add files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add files or a folder to start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a job and press Play to preview it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change ▾</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-30s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back 30 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+30s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward 30 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jobs and their marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play a job, mark its begin and end, then close the window to apply the marks.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SkinDisplay</name>
    <message>
        <source>The skin file cannot be loaded: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartArgs</name>
    <message>
        <source>Usage: %1 [OPTION]... [FILE|FOLDER]...
Converts video and audio files. Files named are added to the job list; a folder adds
the media files it holds. When the converter runs already, the names go to its
window.

  -h, --help     show this help and exit
      --version  show the version and exit
  --             end of the options: every later argument is a file or folder

Qt's own options (-platform NAME, -style NAME, -reverse and others) are taken as
well.

Exit status: 0 when the window was closed or an option printed its text, 2 for an
option that is not known, another value when the program could not start.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: unknown option %2
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrackChoice</name>
    <message>
        <source>Subtitle %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No subtitles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (burned in)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (as a track)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound %1 (default)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::BackgroundTray</name>
    <message>
        <source>Orvelle Software</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::BatchEndActions</name>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the jobs could not be converted:

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::BatchRunner</name>
    <message>
        <source>The encoder cannot be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the encoder ended with code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output file was not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output file is empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::EncoderRunner</name>
    <message>
        <source>The encoder command line is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start the encoder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::HelpWindow</name>
    <message>
        <source>Video Converter Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - Video Converter Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::JobList</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::LogDialog</name>
    <message>
        <source>Encoder Log - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This job has no log yet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::MediaProbe</name>
    <message>
        <source>Another file is being examined.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder could not read %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::PreviewPlayer</name>
    <message>
        <source>The preview is not available. %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::ProbeQueue</name>
    <message>
        <source>The encoder could not read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encoder ended while reading %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::ProgressDisplay</name>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch %1 left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::ShutdownCountdown</name>
    <message>
        <source>Shut down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conversion has finished. The computer shuts down in %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::Snapshot</name>
    <message>
        <source>The snapshot cannot be taken: the encoder cannot be started.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dir</name>
    <message>
        <source>Output Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no folder "%1". Press Ok again to make it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder cannot be made in "%1".</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dvdcutter</name>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The begin time cannot be after the end time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end time cannot be before the begin time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::Tfm_info</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::Tfm_main</name>
    <message>
        <source>Video Converter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The convertion is processing, are you sure to quit?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program did not close normally last time. Restore its job list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language file "language.info" cannot be read. Please install again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program file cannot be found, please install again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The snapshot %1 could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture "images/main/%1.bmp" cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings cannot be written to "%1".</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select one file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a file to the job list first: a snapshot is taken from the previewed file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The previous snapshot is still being saved. Please try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vc::Tfm_set</name>
    <message>
        <source>Invalid height or width, please input again or select from the pull-down menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do nothing after conversion finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the target folder after conversion finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically shut down after conversion finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language cannot be saved to "%1".</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
