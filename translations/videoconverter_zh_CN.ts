<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Categories</name>
    <message>
        <source>General Video</source>
        <translation>常用视频</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>常用音频</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>手机</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>高清视频</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>动画</translation>
    </message>
</context>
<context>
    <name>ChoiceBox</name>
    <message>
        <source>Higher Quality</source>
        <translation>最高质量</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>高质量</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>低质量</translation>
    </message>
    <message>
        <source>Lower Quality</source>
        <translation>最低质量</translation>
    </message>
    <message>
        <source>The original width and height</source>
        <translation>原始宽度和高度</translation>
    </message>
    <message>
        <source>The Original Video Quliay</source>
        <translation>原始视频质量</translation>
    </message>
    <message>
        <source>The Original Audio Quliay</source>
        <translation>原始音频质量</translation>
    </message>
    <message>
        <source>No Video</source>
        <translation>无视频</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
</context>
<context>
    <name>DesktopBus</name>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>无法连接系统总线。</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>the encoder was stopped</source>
        <translation>编码器已停止</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>磁盘已满</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>无法读取源文件</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>输出文件夹已不存在</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>无法写入输出文件夹</translation>
    </message>
    <message>
        <source>the source has no sound</source>
        <translation>源文件没有声音</translation>
    </message>
    <message>
        <source>the source has no picture</source>
        <translation>源文件没有画面</translation>
    </message>
    <message>
        <source>the encoder ended with exit code %1</source>
        <translation>编码器以退出码 %1 结束</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>Invalid height or width "%1": the picture size must be two positive whole numbers such as 320x240.</source>
        <translation>无效的高度或宽度“%1”：画面尺寸必须是两个正整数，例如 320x240。</translation>
    </message>
    <message>
        <source>The source video bit rate "%1" is not a number.</source>
        <translation>源视频比特率“%1”不是数字。</translation>
    </message>
    <message>
        <source>The source audio bit rate "%1" is not a number.</source>
        <translation>源音频比特率“%1”不是数字。</translation>
    </message>
    <message>
        <source>The profile's video bit rate "%1" is not a number.</source>
        <translation>配置文件的视频比特率“%1”不是数字。</translation>
    </message>
    <message>
        <source>Choose PAL or NTSC as the video size for this disc format.</source>
        <translation>请为此光盘格式选择 PAL 或 NTSC 作为视频尺寸。</translation>
    </message>
    <message>
        <source>No output folder is set.</source>
        <translation>未设置输出文件夹。</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>无法创建输出文件夹 %1。</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>it is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation>第 %1 行包含二进制数据</translation>
    </message>
    <message>
        <source>line %1 is an unfinished section name</source>
        <translation>第 %1 行是不完整的节名</translation>
    </message>
    <message>
        <source>line %1 is not a section, a key=value pair or a comment</source>
        <translation>第 %1 行既不是节、键=值对，也不是注释</translation>
    </message>
    <message>
        <source>line %1 comes before any section</source>
        <translation>第 %1 行位于所有节之前</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>The layout file Skin.ini is damaged (%1). The window uses its built-in layout; please install the program again.</source>
        <translation>布局文件 Skin.ini 已损坏（%1）。窗口使用内置布局；请重新安装程序。</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Show Encoder &amp;Log</source>
        <translation>显示编码器日志(&amp;L)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Add File(A)</source>
        <translation>添加文件(&amp;A)</translation>
    </message>
    <message>
        <source>A&amp;dd Folder(D)</source>
        <translation>添加文件夹(&amp;D)</translation>
    </message>
    <message>
        <source>Proper&amp;ties(T)</source>
        <translation>属性(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Browse Output Folder…</source>
        <translation>浏览输出文件夹(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>打开输出文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Run Background(R)</source>
        <translation>后台运行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit(E)</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Remove(R)</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear(C)</source>
        <translation>清空(&amp;C)</translation>
    </message>
    <message>
        <source>Re&amp;name(N)</source>
        <translation>重命名(&amp;N)</translation>
    </message>
    <message>
        <source>Select A&amp;ll(L)</source>
        <translation>全部勾选(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Unselect All(U)</source>
        <translation>全部取消勾选(&amp;U)</translation>
    </message>
    <message>
        <source>Un&amp;do Remove</source>
        <translation>撤销移除(&amp;D)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>Con&amp;vert(V)</source>
        <translation>转换(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Pause(P)</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Stop(S)</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Sett&amp;ings(I)</source>
        <translation>设置(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Help(H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support(F)</source>
        <translation>反馈与支持(&amp;F)</translation>
    </message>
    <message>
        <source>About </source>
        <translation>关于 </translation>
    </message>
    <message>
        <source>Add DVD</source>
        <translation>添加 DVD</translation>
    </message>
    <message>
        <source>Add IFO</source>
        <translation>添加 IFO</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全部勾选</translation>
    </message>
    <message>
        <source>Unselect ALL</source>
        <translation>全部取消勾选</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Next page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Profile category: choose a profile</source>
        <translation>配置文件类别：选择配置文件</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>All Support Format</source>
        <translation>所有支持的格式</translation>
    </message>
    <message>
        <source>All File(*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Add File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Remove Files</source>
        <translation>移除文件</translation>
    </message>
    <message>
        <source>Clear file list</source>
        <translation>清空文件列表</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>保存图片</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>开始转换</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>暂停转换</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>停止转换</translation>
    </message>
    <message>
        <source>About US</source>
        <translation>关于我们</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>General Video</source>
        <translation>常用视频</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>常用音频</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>手机</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>媒体播放器</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>高清视频</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>动画</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>More formats</source>
        <translation>更多格式</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>视频转换器</translation>
    </message>
    <message>
        <source>%1 Video Converter</source>
        <translation>%1 视频转换器</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>There is no profile number %1 in the profile file.</source>
        <translation>配置文件中没有编号为 %1 的配置。</translation>
    </message>
    <message>
        <source>The profile file ends before the settings of profile %1 (it needs %2 lines and has %3).</source>
        <translation>配置文件在配置 %1 的设置之前就结束了（需要 %2 行，实际 %3 行）。</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>无法打开文件 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation>无法读取文件 %1。</translation>
    </message>
</context>
<context>
    <name>ProfileSettings</name>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>无法读取设置文件 %1。</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>无法写入设置文件 %1。</translation>
    </message>
</context>
<context>
    <name>SideEffects</name>
    <message>
        <source>Video Converter</source>
        <translation>视频转换器</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: %1</source>
        <translation>无法关闭计算机：%1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Video Converter</source>
        <translation>视频转换器</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>More ways to add files</source>
        <translation>更多添加文件的方式</translation>
    </message>
    <message>
        <source>Add files or a folder to start</source>
        <translation>添加文件或文件夹以开始</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>添加文件…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>添加文件夹…</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>预览位置</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>已播放时间</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Select a job and press Play to preview it</source>
        <translation>选择一个任务并点击播放进行预览</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Change ▾</source>
        <translation>更改 ▾</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>准备转换</translation>
    </message>
    <message>
        <source>Output size</source>
        <translation>输出大小</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>已用</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>剩余</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>转换进度</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>批量</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>-30s</source>
        <translation>-30秒</translation>
    </message>
    <message>
        <source>Back 30 seconds</source>
        <translation>后退 30 秒</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>+30s</source>
        <translation>+30秒</translation>
    </message>
    <message>
        <source>Forward 30 seconds</source>
        <translation>前进 30 秒</translation>
    </message>
    <message>
        <source>Set Begin</source>
        <translation>设置开始</translation>
    </message>
    <message>
        <source>Begin time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Set End</source>
        <translation>设置结束</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Jobs and their marks</source>
        <translation>任务及其标记</translation>
    </message>
    <message>
        <source>Play a job, mark its begin and end, then close the window to apply the marks.</source>
        <translation>播放任务，标记开始和结束，然后关闭窗口以应用标记。</translation>
    </message>
</context>
<context>
    <name>SkinDisplay</name>
    <message>
        <source>The skin file cannot be loaded: %1</source>
        <translation>无法加载皮肤文件：%1</translation>
    </message>
</context>
<context>
    <name>StartArgs</name>
    <message>
        <source>The profiles:</source>
        <translation>配置列表：</translation>
    </message>
    <message>
        <source>there is no profile number %1.</source>
        <translation>没有编号为 %1 的配置。</translation>
    </message>
    <message>
        <source>no profile is named "%1".</source>
        <translation>没有名为“%1”的配置。</translation>
    </message>
    <message>
        <source>the profiles %1 share the name "%2": give the number.</source>
        <translation>配置 %1 都名为“%2”：请给出编号。</translation>
    </message>
    <message>
        <source>--output needs a folder.</source>
        <translation>--output 需要一个文件夹。</translation>
    </message>
    <message>
        <source>--jobs takes "auto" or a number from 1 to %1 (the number of cores), not "%2".</source>
        <translation>--jobs 只接受“auto”或 1 到 %1（核心数）之间的数字，而不是“%2”。</translation>
    </message>
    <message>
        <source>--audio-track takes the number of a sound track, from 1, not "%1".</source>
        <translation>--audio-track 只接受音轨编号（从 1 开始），而不是“%1”。</translation>
    </message>
    <message>
        <source>--subtitle takes the number of a subtitle, from 1, a subtitle file (.srt, .ass, .ssa, .vtt) or "none", not "%1".</source>
        <translation>--subtitle 只接受字幕编号（从 1 开始）、字幕文件（.srt、.ass、.ssa、.vtt）或“none”，而不是“%1”。</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 需要一个值。</translation>
    </message>
    <message>
        <source>%1 is taken only with --convert.</source>
        <translation>%1 只能与 --convert 一起使用。</translation>
    </message>
    <message>
        <source>--convert needs the files or folders to convert.</source>
        <translation>--convert 需要指定要转换的文件或文件夹。</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FILE|FOLDER]...
</source>
        <translation>用法：%1 [选项]... [文件|文件夹]...
</translation>
    </message>
    <message>
        <source>  or:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FILE|FOLDER...
</source>
        <translation>  或：%1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] 文件|文件夹...
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
        <translation>转换视频和音频文件。指定的文件会加入任务列表；指定文件夹则加入其中的媒体文件。
转换器已在运行时，这些名称会交给它的窗口。

  -h, --help     显示此帮助并退出
      --version  显示版本并退出
  --             选项结束：之后的每个参数都是文件或文件夹

也接受 Qt 自身的选项（-platform NAME、-style NAME、-reverse 等）。

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
        <translation>无窗口转换（无需显示器）：
      --convert           用此版本保存的设置转换这些文件以及文件夹中的
                          媒体文件，然后退出
      --profile N|NAME    输出配置：其编号，或配置选择器中显示的名称
                          （不区分大小写）；默认：保存的配置（配置有误时
                          列出所有配置）
      --output DIR        输出文件夹；默认：保存的文件夹
      --jobs N|auto       同时进行的转换数：1 到核心数，或 auto
      --audio-track N     每个文件的音轨，从 1 开始；默认：文件的默认
                          音轨；音轨不足的文件转换失败
      --subtitle N|FILE|none
                          将每个文件的第 N 个字幕烧录到画面（先是其字幕
                          流，再是旁边同名的字幕文件），或一个字幕文件
                          （.srt、.ass、.ssa、.vtt）；默认：无
每个文件在错误输出上占一行，显示其进度和结束方式。
Ctrl+C 停止转换并删除未完成的输出。

退出状态：窗口关闭、选项输出了其文本或所有文件都已转换时为 0；有文件无法转换
时为 1；选项未知、值错误或文件缺失时为 2；Ctrl+C 后为 130（SIGTERM 后为
143）；程序无法启动时为其他值。
</translation>
    </message>
    <message>
        <source>Try "%1 --help" for more information.</source>
        <translation>请尝试执行“%1 --help”来获取更多信息。</translation>
    </message>
    <message>
        <source>%1: unknown option %2
</source>
        <translation>%1：未知选项 %2
</translation>
    </message>
</context>
<context>
    <name>TrackChoice</name>
    <message>
        <source>Subtitle %1</source>
        <translation>字幕 %1</translation>
    </message>
    <message>
        <source>No subtitles</source>
        <translation>无字幕</translation>
    </message>
    <message>
        <source>%1 (burned in)</source>
        <translation>%1（烧录到画面）</translation>
    </message>
    <message>
        <source>%1 (as a track)</source>
        <translation>%1（作为字幕轨）</translation>
    </message>
    <message>
        <source>Sound %1 (default)</source>
        <translation>音轨 %1（默认）</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>音轨 %1</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>字幕 %1：%2</translation>
    </message>
    <message>
        <source>, picture</source>
        <translation>，图形</translation>
    </message>
    <message>
        <source>, text</source>
        <translation>，文本</translation>
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
        <translation>已转换 %1 个，失败 %2 个</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>%1 of the jobs could not be converted:

%2</source>
        <translation>有 %1 个任务无法转换：

%2</translation>
    </message>
</context>
<context>
    <name>vc::BatchRunner</name>
    <message>
        <source>The encoder cannot be started.</source>
        <translation>无法启动编码器。</translation>
    </message>
    <message>
        <source>the encoder ended with code %1</source>
        <translation>编码器以代码 %1 结束</translation>
    </message>
    <message>
        <source>the output file was not written</source>
        <translation>未写入输出文件</translation>
    </message>
    <message>
        <source>the output file is empty</source>
        <translation>输出文件为空</translation>
    </message>
</context>
<context>
    <name>vc::CommandLineConversion</name>
    <message>
        <source>there is no file or folder "%1".</source>
        <translation>没有文件或文件夹“%1”。</translation>
    </message>
    <message>
        <source>there is no subtitle file "%1".</source>
        <translation>没有字幕文件“%1”。</translation>
    </message>
    <message>
        <source>the output folder "%1" is not a folder.</source>
        <translation>输出文件夹“%1”不是文件夹。</translation>
    </message>
    <message>
        <source>the folders named hold no media files.</source>
        <translation>指定的文件夹中没有媒体文件。</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>无法读取文件</translation>
    </message>
    <message>
        <source>the file cannot be converted</source>
        <translation>无法转换文件</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1：失败：%2</translation>
    </message>
    <message>
        <source>no sound track %1: the file has none</source>
        <translation>没有音轨 %1：文件没有音轨</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only one</source>
        <translation>没有音轨 %1：文件只有一条音轨</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only %2</source>
        <translation>没有音轨 %1：文件只有 %2 条音轨</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has none</source>
        <translation>没有字幕 %1：文件没有字幕</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only one</source>
        <translation>没有字幕 %1：文件只有一个字幕</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only %2</source>
        <translation>没有字幕 %1：文件只有 %2 个字幕</translation>
    </message>
    <message>
        <source>%1: 100%, converted</source>
        <translation>%1：100%，已转换</translation>
    </message>
    <message>
        <source>%1: %2, stopped; the unfinished output was removed</source>
        <translation>%1：%2，已停止；未完成的输出已删除</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files converted.</source>
        <translation>已停止：已转换 %1 个文件，共 %2 个。</translation>
    </message>
    <message>
        <source>%1 of %2 files converted, %3 failed.</source>
        <translation>已转换 %1 个文件，共 %2 个，失败 %3 个。</translation>
    </message>
    <message>
        <source>%1 of %2 files converted into %3</source>
        <translation>已转换 %1 个文件，共 %2 个，保存在 %3</translation>
    </message>
</context>
<context>
    <name>vc::DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>视频转换器</translation>
    </message>
</context>
<context>
    <name>vc::EncoderRunner</name>
    <message>
        <source>The encoder command line is empty.</source>
        <translation>编码器命令行为空。</translation>
    </message>
    <message>
        <source>Cannot start the encoder %1: %2</source>
        <translation>无法启动编码器 %1：%2</translation>
    </message>
</context>
<context>
    <name>vc::HelpWindow</name>
    <message>
        <source>Video Converter Help</source>
        <translation>视频转换器帮助</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>%1 - Video Converter Help</source>
        <translation>%1 - 视频转换器帮助</translation>
    </message>
</context>
<context>
    <name>vc::JobList</name>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>宽 * 高</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>输出大小</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放中</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>vc::LogDialog</name>
    <message>
        <source>Encoder Log - %1</source>
        <translation>编码器日志 - %1</translation>
    </message>
    <message>
        <source>This job has no log yet.</source>
        <translation>此任务还没有日志。</translation>
    </message>
</context>
<context>
    <name>vc::MediaProbe</name>
    <message>
        <source>Another file is being examined.</source>
        <translation>正在检查另一个文件。</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>未能及时读取文件：%1</translation>
    </message>
    <message>
        <source>The encoder could not read %1</source>
        <translation>编码器无法读取 %1</translation>
    </message>
</context>
<context>
    <name>vc::PreviewPlayer</name>
    <message>
        <source>The preview is not available. %1</source>
        <translation>预览不可用。%1</translation>
    </message>
</context>
<context>
    <name>vc::ProbeQueue</name>
    <message>
        <source>The encoder could not read %1</source>
        <translation>编码器无法读取 %1</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>未能及时读取文件：%1</translation>
    </message>
    <message>
        <source>The encoder ended while reading %1</source>
        <translation>编码器在读取 %1 时结束</translation>
    </message>
</context>
<context>
    <name>vc::ProfilePicker</name>
    <message>
        <source>Profiles</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Up and Down choose within a list, Right and Left go between categories and profiles, Return chooses, Escape closes</source>
        <translation>上下键在列表内选择，左右键在类别和配置之间切换，回车键选定，Esc 键关闭</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1（当前）</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>类别：%1</translation>
    </message>
</context>
<context>
    <name>vc::ProgressDisplay</name>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>已转换 %1 个</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>，失败 %1 个</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>已停止：%1</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>%1 running, %2 done, %3 left</source>
        <translation>%1 个进行中，%2 个已完成，剩余 %3 个</translation>
    </message>
    <message>
        <source>Batch %1 left</source>
        <translation>总剩余 %1</translation>
    </message>
</context>
<context>
    <name>vc::ShutdownCountdown</name>
    <message>
        <source>Shut down</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>The conversion has finished. The computer shuts down in %1 seconds.</source>
        <translation>转换已完成。计算机将在 %1 秒后关机。</translation>
    </message>
</context>
<context>
    <name>vc::Snapshot</name>
    <message>
        <source>The snapshot cannot be taken: the encoder cannot be started.</source>
        <translation>无法截图：编码器无法启动。</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dir</name>
    <message>
        <source>Output Directory</source>
        <translation>输出目录</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>文件夹：</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder.</source>
        <translation>“%1”是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>There is no folder "%1". Press Ok again to make it.</source>
        <translation>文件夹“%1”不存在。再次点击“确定”即可创建。</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made.</source>
        <translation>无法创建文件夹“%1”。</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>新建文件夹 %1</translation>
    </message>
    <message>
        <source>A folder cannot be made in "%1".</source>
        <translation>无法在“%1”中创建文件夹。</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dvdcutter</name>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Begin Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>The begin time cannot be after the end time.</source>
        <translation>开始时间不能晚于结束时间。</translation>
    </message>
    <message>
        <source>The end time cannot be before the begin time.</source>
        <translation>结束时间不能早于开始时间。</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_info</name>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>基本信息</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>时长：</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>比特率：</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>分辨率：</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>轨道</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_main</name>
    <message>
        <source>Video Converter</source>
        <translation>视频转换器</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>The convertion is processing, are you sure to quit?</source>
        <translation>正在转换，确定要退出吗？</translation>
    </message>
    <message>
        <source>The program did not close normally last time. Restore its job list?</source>
        <translation>程序上次未正常关闭。要恢复任务列表吗？</translation>
    </message>
    <message>
        <source>The language file "language.info" cannot be read. Please install again.</source>
        <translation>无法读取语言文件“language.info”。请重新安装。</translation>
    </message>
    <message>
        <source>The program file cannot be found, please install again.</source>
        <translation>找不到程序文件，请重新安装。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Continue conversion</source>
        <translation>继续转换</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>暂停转换</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>截图已保存：%1</translation>
    </message>
    <message>
        <source>The snapshot %1 could not be saved.</source>
        <translation>无法保存截图 %1。</translation>
    </message>
    <message>
        <source>The picture "images/main/%1.bmp" cannot be read.</source>
        <translation>无法读取图片“images/main/%1.bmp”。</translation>
    </message>
    <message>
        <source>The settings cannot be written to "%1".</source>
        <translation>无法将设置写入“%1”。</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Please select one file.</source>
        <translation>请选择一个文件。</translation>
    </message>
    <message>
        <source>Add a file to the job list first: a snapshot is taken from the previewed file.</source>
        <translation>请先将文件添加到任务列表：截图取自正在预览的文件。</translation>
    </message>
    <message>
        <source>The previous snapshot is still being saved. Please try again in a moment.</source>
        <translation>上一张截图仍在保存。请稍后再试。</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_set</name>
    <message>
        <source>Invalid height or width, please input again or select from the pull-down menu.</source>
        <translation>高度或宽度无效，请重新输入或从下拉列表中选择。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>格式设置</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>视频尺寸：</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>视频质量：</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>音频质量：</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>声道：</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>视频质量</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>输出设置</translation>
    </message>
    <message>
        <source>Do nothing after conversion finished</source>
        <translation>转换完成后不做任何操作</translation>
    </message>
    <message>
        <source>Open the target folder after conversion finished</source>
        <translation>转换完成后打开目标文件夹</translation>
    </message>
    <message>
        <source>Automatically shut down after conversion finished</source>
        <translation>转换完成后自动关机</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>同时转换数：</translation>
    </message>
    <message>
        <source>Auto converts as many sound files at once as the computer has cores, and one video at a time: a video encoder uses every core already.</source>
        <translation>“自动”会按电脑的核心数同时转换相应数量的音频文件，视频则一次只转换一个：视频编码器本身已会用满所有核心。</translation>
    </message>
    <message>
        <source>Run conversions in the background (low priority)</source>
        <translation>在后台运行转换（低优先级）</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>语言将在程序下次启动时更改。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>The language cannot be saved to "%1".</source>
        <translation>无法将语言保存到“%1”。</translation>
    </message>
</context>
</TS>
