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
        <source>Hint</source>
        <translation>提示</translation>
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
        <source>Time played</source>
        <translation>已播放时间</translation>
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
        <translation>用法：%1 [选项]... [文件|文件夹]...
转换视频和音频文件。指定的文件会加入任务列表；指定文件夹则加入其中的媒体文件。
如果转换器已在运行，这些名称会交给它的窗口。

  -h, --help     显示此帮助并退出
      --version  显示版本并退出
  --             选项结束：之后的每个参数都是文件或文件夹

也接受 Qt 自身的选项（-platform 名称、-style 名称、-reverse 等）。

退出状态：窗口已关闭或选项已输出文本时为 0，选项未知时为 2，程序无法启动时为其他值。
</translation>
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
        <source>The language cannot be saved to "%1".</source>
        <translation>无法将语言保存到“%1”。</translation>
    </message>
</context>
</TS>
