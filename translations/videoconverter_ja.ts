<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Categories</name>
    <message>
        <source>General Video</source>
        <translation>一般ビデオ</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>一般オーディオ</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>携帯電話</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>メディアプレーヤー</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HDビデオ</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
</context>
<context>
    <name>ChoiceBox</name>
    <message>
        <source>Higher Quality</source>
        <translation>最高画質</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>高画質</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>低画質</translation>
    </message>
    <message>
        <source>Lower Quality</source>
        <translation>最低画質</translation>
    </message>
    <message>
        <source>The original width and height</source>
        <translation>元の幅と高さ</translation>
    </message>
    <message>
        <source>The Original Video Quliay</source>
        <translation>元のビデオ品質</translation>
    </message>
    <message>
        <source>The Original Audio Quliay</source>
        <translation>元のオーディオ品質</translation>
    </message>
    <message>
        <source>No Video</source>
        <translation>ビデオなし</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>ステレオ</translation>
    </message>
</context>
<context>
    <name>DesktopBus</name>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>システムバスに接続できません。</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>the encoder was stopped</source>
        <translation>エンコーダーが停止されました</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>変換元を読み込めません</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>出力フォルダーがなくなりました</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>出力フォルダーに書き込めません</translation>
    </message>
    <message>
        <source>the source has no sound</source>
        <translation>変換元に音声がありません</translation>
    </message>
    <message>
        <source>the source has no picture</source>
        <translation>変換元に映像がありません</translation>
    </message>
    <message>
        <source>the encoder ended with exit code %1</source>
        <translation>エンコーダーが終了コード %1 で終了しました</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>Invalid height or width "%1": the picture size must be two positive whole numbers such as 320x240.</source>
        <translation>高さまたは幅「%1」が無効です。画面サイズは 320x240 のような 2 つの正の整数で指定してください。</translation>
    </message>
    <message>
        <source>The source video bit rate "%1" is not a number.</source>
        <translation>変換元のビデオビットレート「%1」が数値ではありません。</translation>
    </message>
    <message>
        <source>The source audio bit rate "%1" is not a number.</source>
        <translation>変換元のオーディオビットレート「%1」が数値ではありません。</translation>
    </message>
    <message>
        <source>The profile's video bit rate "%1" is not a number.</source>
        <translation>プロファイルのビデオビットレート「%1」が数値ではありません。</translation>
    </message>
    <message>
        <source>Choose PAL or NTSC as the video size for this disc format.</source>
        <translation>このディスク形式のビデオサイズには PAL または NTSC を選んでください。</translation>
    </message>
    <message>
        <source>No output folder is set.</source>
        <translation>出力フォルダーが設定されていません。</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>出力フォルダー %1 を作成できません。</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>it is empty</source>
        <translation>空です</translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation>%1 行目にバイナリデータがあります</translation>
    </message>
    <message>
        <source>line %1 is an unfinished section name</source>
        <translation>%1 行目のセクション名が閉じていません</translation>
    </message>
    <message>
        <source>line %1 is not a section, a key=value pair or a comment</source>
        <translation>%1 行目はセクションでもキー=値でもコメントでもありません</translation>
    </message>
    <message>
        <source>line %1 comes before any section</source>
        <translation>%1 行目がどのセクションよりも前にあります</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>The layout file Skin.ini is damaged (%1). The window uses its built-in layout; please install the program again.</source>
        <translation>レイアウトファイル Skin.ini が壊れています（%1）。ウィンドウは内蔵のレイアウトを使います。プログラムを再インストールしてください。</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Show Encoder &amp;Log</source>
        <translation>エンコーダーのログを表示(&amp;L)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Add File(A)</source>
        <translation>ファイルを追加(&amp;A)</translation>
    </message>
    <message>
        <source>A&amp;dd Folder(D)</source>
        <translation>フォルダーを追加(&amp;D)</translation>
    </message>
    <message>
        <source>Proper&amp;ties(T)</source>
        <translation>プロパティ(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Browse Output Folder…</source>
        <translation>出力フォルダーを選択(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>出力フォルダーを開く(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Run Background(R)</source>
        <translation>バックグラウンドで実行(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Exit(E)</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Remove(R)</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Clear(C)</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>Re&amp;name(N)</source>
        <translation>名前の変更(&amp;N)</translation>
    </message>
    <message>
        <source>Select A&amp;ll(L)</source>
        <translation>すべてチェック(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Unselect All(U)</source>
        <translation>すべてのチェックを外す(&amp;U)</translation>
    </message>
    <message>
        <source>Un&amp;do Remove</source>
        <translation>削除を元に戻す(&amp;D)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>Con&amp;vert(V)</source>
        <translation>変換(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Pause(P)</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Stop(S)</source>
        <translation>停止(&amp;S)</translation>
    </message>
    <message>
        <source>Sett&amp;ings(I)</source>
        <translation>設定(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Help(H)</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support(F)</source>
        <translation>フィードバックとサポート(&amp;F)</translation>
    </message>
    <message>
        <source>About </source>
        <translation>バージョン情報 </translation>
    </message>
    <message>
        <source>Add DVD</source>
        <translation>DVD を追加</translation>
    </message>
    <message>
        <source>Add IFO</source>
        <translation>IFO を追加</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべてチェック</translation>
    </message>
    <message>
        <source>Unselect ALL</source>
        <translation>すべてのチェックを外す</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Next page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>音声トラック</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>字幕</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Profile category: choose a profile</source>
        <translation>プロファイルのカテゴリ：プロファイルを選択</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>All Support Format</source>
        <translation>対応するすべての形式</translation>
    </message>
    <message>
        <source>All File(*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Add File</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Remove Files</source>
        <translation>ファイルを削除</translation>
    </message>
    <message>
        <source>Clear file list</source>
        <translation>ファイルリストをクリア</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>カット</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>画像を保存</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>変換を開始</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>変換を一時停止</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>変換を停止</translation>
    </message>
    <message>
        <source>About US</source>
        <translation>会社情報</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>General Video</source>
        <translation>一般ビデオ</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>一般オーディオ</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>携帯電話</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>メディアプレーヤー</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>HDビデオ</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>アニメーション</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダ</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>カット</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>More formats</source>
        <translation>その他の形式</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>ビデオコンバーター</translation>
    </message>
    <message>
        <source>%1 Video Converter</source>
        <translation>%1 ビデオコンバーター</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>There is no profile number %1 in the profile file.</source>
        <translation>プロファイルファイルに番号 %1 のプロファイルがありません。</translation>
    </message>
    <message>
        <source>The profile file ends before the settings of profile %1 (it needs %2 lines and has %3).</source>
        <translation>プロファイル %1 の設定の前でプロファイルファイルが終わっています（%2 行必要ですが %3 行しかありません）。</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>ファイル %1 を開けません: %2</translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation>ファイル %1 を読み込めません。</translation>
    </message>
</context>
<context>
    <name>ProfileSettings</name>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>設定ファイル %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>設定ファイル %1 に書き込めません。</translation>
    </message>
</context>
<context>
    <name>SideEffects</name>
    <message>
        <source>Video Converter</source>
        <translation>ビデオコンバーター</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: %1</source>
        <translation>コンピューターをシャットダウンできません: %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Video Converter</source>
        <translation>ビデオコンバーター</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>More ways to add files</source>
        <translation>ファイルを追加するほかの方法</translation>
    </message>
    <message>
        <source>Add files or a folder to start</source>
        <translation>ファイルかフォルダーを追加してください</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>ファイル追加…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>フォルダ追加…</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>プレビュー位置</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>再生時間</translation>
    </message>
    <message>
        <source>Select a job and press Play to preview it</source>
        <translation>ジョブを選んで再生を押すとプレビューします</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Change ▾</source>
        <translation>変更 ▾</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力先</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>変換の準備ができました</translation>
    </message>
    <message>
        <source>Output size</source>
        <translation>出力サイズ</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>経過</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>経過時間</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>残り</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>残り時間</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>変換の進行状況</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>出力ファイル</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>バッチ</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>カット</translation>
    </message>
    <message>
        <source>-30s</source>
        <translation>-30秒</translation>
    </message>
    <message>
        <source>Back 30 seconds</source>
        <translation>30 秒戻る</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
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
        <translation>30 秒進む</translation>
    </message>
    <message>
        <source>Set Begin</source>
        <translation>開始を設定</translation>
    </message>
    <message>
        <source>Begin time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Set End</source>
        <translation>終了を設定</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>Jobs and their marks</source>
        <translation>ジョブとマーク</translation>
    </message>
    <message>
        <source>Play a job, mark its begin and end, then close the window to apply the marks.</source>
        <translation>ジョブを再生して開始と終了をマークし、ウィンドウを閉じると反映されます。</translation>
    </message>
</context>
<context>
    <name>SkinDisplay</name>
    <message>
        <source>The skin file cannot be loaded: %1</source>
        <translation>スキンファイルを読み込めません: %1</translation>
    </message>
</context>
<context>
    <name>StartArgs</name>
    <message>
        <source>The profiles:</source>
        <translation>プロファイル一覧:</translation>
    </message>
    <message>
        <source>there is no profile number %1.</source>
        <translation>番号 %1 のプロファイルはありません。</translation>
    </message>
    <message>
        <source>no profile is named "%1".</source>
        <translation>「%1」という名前のプロファイルはありません。</translation>
    </message>
    <message>
        <source>the profiles %1 share the name "%2": give the number.</source>
        <translation>プロファイル %1 は同じ名前「%2」です。番号を指定してください。</translation>
    </message>
    <message>
        <source>--output needs a folder.</source>
        <translation>--output にはフォルダーが必要です。</translation>
    </message>
    <message>
        <source>--jobs takes "auto" or a number from 1 to %1 (the number of cores), not "%2".</source>
        <translation>--jobs には「auto」か 1 から %1（コア数）までの数を指定します。「%2」は指定できません。</translation>
    </message>
    <message>
        <source>--audio-track takes the number of a sound track, from 1, not "%1".</source>
        <translation>--audio-track には 1 から始まる音声トラックの番号を指定します。「%1」は指定できません。</translation>
    </message>
    <message>
        <source>--subtitle takes the number of a subtitle, from 1, a subtitle file (.srt, .ass, .ssa, .vtt) or "none", not "%1".</source>
        <translation>--subtitle には 1 から始まる字幕の番号、字幕ファイル（.srt、.ass、.ssa、.vtt）、または「none」を指定します。「%1」は指定できません。</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 には値が必要です。</translation>
    </message>
    <message>
        <source>%1 is taken only with --convert.</source>
        <translation>%1 は --convert と一緒にのみ使えます。</translation>
    </message>
    <message>
        <source>--convert needs the files or folders to convert.</source>
        <translation>--convert には変換するファイルまたはフォルダーが必要です。</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FILE|FOLDER]...
</source>
        <translation>使い方: %1 [オプション]... [ファイル|フォルダー]...
</translation>
    </message>
    <message>
        <source>  or:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FILE|FOLDER...
</source>
        <translation>または: %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] ファイル|フォルダー...
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
        <translation>ビデオとオーディオのファイルを変換します。指定したファイルはジョブリストに
追加され、フォルダーを指定するとその中のメディアファイルが追加されます。
コンバーターがすでに起動している場合は、名前がそのウィンドウに渡されます。

  -h, --help     このヘルプを表示して終了する
      --version  バージョンを表示して終了する
  --             オプションの終わり: 以降の引数はすべてファイルまたはフォルダー

Qt 自身のオプション（-platform NAME、-style NAME、-reverse など）も使えます。

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
        <translation>ウィンドウなしでの変換（ディスプレイは不要）:
      --convert           ファイルと、フォルダー内のメディアファイルを、
                          このエディションの保存済み設定で変換して終了する
      --profile N|NAME    出力プロファイル: 番号、またはプロファイル選択に
                          表示される名前（大文字と小文字は区別しない）。
                          既定: 保存済みのプロファイル（誤っているときは
                          プロファイル一覧を表示）
      --output DIR        出力フォルダー。既定: 保存済みのフォルダー
      --jobs N|auto       同時に行う変換の数: 1 からコア数まで、または auto
      --audio-track N     各ファイルの音声トラック（1 から）。既定:
                          ファイルの既定のトラック。トラックが足りない
                          ファイルは失敗する
      --subtitle N|FILE|none
                          各ファイルの N 番目の字幕を焼き込む（字幕
                          ストリーム、次に横にある同じ名前の字幕ファイル
                          の順）、または字幕ファイル（.srt、.ass、.ssa、
                          .vtt）。既定: なし
ファイルごとに 1 行をエラー出力に表示し、進み具合と終わり方を示します。
Ctrl+C で変換を止め、未完成の出力を削除します。

終了ステータス: ウィンドウが閉じられた、オプションが表示を終えた、またはすべて
のファイルを変換したときは 0、変換できないファイルがあったときは 1、不明な
オプション、誤った値、見つからないファイルのときは 2、Ctrl+C の後は 130
（SIGTERM の後は 143）、プログラムを起動できなかったときはその他の値。
</translation>
    </message>
    <message>
        <source>Try "%1 --help" for more information.</source>
        <translation>詳しくは「%1 --help」を実行してください。</translation>
    </message>
    <message>
        <source>%1: unknown option %2
</source>
        <translation>%1: 不明なオプション %2
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
        <translation>字幕なし</translation>
    </message>
    <message>
        <source>%1 (burned in)</source>
        <translation>%1（焼き込み）</translation>
    </message>
    <message>
        <source>%1 (as a track)</source>
        <translation>%1（トラックとして）</translation>
    </message>
    <message>
        <source>Sound %1 (default)</source>
        <translation>音声トラック %1（既定）</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>音声トラック %1</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>字幕 %1: %2</translation>
    </message>
    <message>
        <source>, picture</source>
        <translation>、画像</translation>
    </message>
    <message>
        <source>, text</source>
        <translation>、テキスト</translation>
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
        <translation>%1 件変換、%2 件失敗</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>変換が完了しました</translation>
    </message>
    <message>
        <source>%1 of the jobs could not be converted:

%2</source>
        <translation>%1 件のジョブを変換できませんでした:

%2</translation>
    </message>
</context>
<context>
    <name>vc::BatchRunner</name>
    <message>
        <source>The encoder cannot be started.</source>
        <translation>エンコーダーを起動できません。</translation>
    </message>
    <message>
        <source>the encoder ended with code %1</source>
        <translation>エンコーダーがコード %1 で終了しました</translation>
    </message>
    <message>
        <source>the output file was not written</source>
        <translation>出力ファイルが書き込まれませんでした</translation>
    </message>
    <message>
        <source>the output file is empty</source>
        <translation>出力ファイルが空です</translation>
    </message>
</context>
<context>
    <name>vc::CommandLineConversion</name>
    <message>
        <source>there is no file or folder "%1".</source>
        <translation>ファイルまたはフォルダー「%1」はありません。</translation>
    </message>
    <message>
        <source>there is no subtitle file "%1".</source>
        <translation>字幕ファイル「%1」はありません。</translation>
    </message>
    <message>
        <source>the output folder "%1" is not a folder.</source>
        <translation>出力フォルダー「%1」はフォルダーではありません。</translation>
    </message>
    <message>
        <source>the folders named hold no media files.</source>
        <translation>指定したフォルダーにメディアファイルがありません。</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>ファイルを読み込めません</translation>
    </message>
    <message>
        <source>the file cannot be converted</source>
        <translation>ファイルを変換できません</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: 失敗: %2</translation>
    </message>
    <message>
        <source>no sound track %1: the file has none</source>
        <translation>音声トラック %1 はありません: ファイルに音声トラックがありません</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only one</source>
        <translation>音声トラック %1 はありません: ファイルの音声トラックは 1 つだけです</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only %2</source>
        <translation>音声トラック %1 はありません: ファイルの音声トラックは %2 個だけです</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has none</source>
        <translation>字幕 %1 はありません: ファイルに字幕がありません</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only one</source>
        <translation>字幕 %1 はありません: ファイルの字幕は 1 つだけです</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only %2</source>
        <translation>字幕 %1 はありません: ファイルの字幕は %2 個だけです</translation>
    </message>
    <message>
        <source>%1: 100%, converted</source>
        <translation>%1: 100%、変換済み</translation>
    </message>
    <message>
        <source>%1: %2, stopped; the unfinished output was removed</source>
        <translation>%1: %2、停止。未完成の出力を削除しました</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files converted.</source>
        <translation>停止しました: %2 件中 %1 件のファイルを変換しました。</translation>
    </message>
    <message>
        <source>%1 of %2 files converted, %3 failed.</source>
        <translation>%2 件中 %1 件のファイルを変換しました。%3 件は失敗しました。</translation>
    </message>
    <message>
        <source>%1 of %2 files converted into %3</source>
        <translation>%2 件中 %1 件のファイルを %3 に変換しました</translation>
    </message>
</context>
<context>
    <name>vc::DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>ビデオコンバーター</translation>
    </message>
</context>
<context>
    <name>vc::EncoderRunner</name>
    <message>
        <source>The encoder command line is empty.</source>
        <translation>エンコーダーのコマンドラインが空です。</translation>
    </message>
    <message>
        <source>Cannot start the encoder %1: %2</source>
        <translation>エンコーダー %1 を起動できません: %2</translation>
    </message>
</context>
<context>
    <name>vc::HelpWindow</name>
    <message>
        <source>Video Converter Help</source>
        <translation>ビデオコンバーター ヘルプ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>進む</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目次</translation>
    </message>
    <message>
        <source>%1 - Video Converter Help</source>
        <translation>%1 - ビデオコンバーター ヘルプ</translation>
    </message>
</context>
<context>
    <name>vc::JobList</name>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>幅 * 高さ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>出力サイズ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生中</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
</context>
<context>
    <name>vc::LogDialog</name>
    <message>
        <source>Encoder Log - %1</source>
        <translation>エンコーダーのログ - %1</translation>
    </message>
    <message>
        <source>This job has no log yet.</source>
        <translation>このジョブにはまだログがありません。</translation>
    </message>
</context>
<context>
    <name>vc::MediaProbe</name>
    <message>
        <source>Another file is being examined.</source>
        <translation>別のファイルを調べています。</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>ファイルを時間内に読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>The encoder could not read %1</source>
        <translation>エンコーダーが %1 を読み込めませんでした</translation>
    </message>
</context>
<context>
    <name>vc::PreviewPlayer</name>
    <message>
        <source>The preview is not available. %1</source>
        <translation>プレビューを利用できません。%1</translation>
    </message>
</context>
<context>
    <name>vc::ProbeQueue</name>
    <message>
        <source>The encoder could not read %1</source>
        <translation>エンコーダーが %1 を読み込めませんでした</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>ファイルを時間内に読み込めませんでした: %1</translation>
    </message>
    <message>
        <source>The encoder ended while reading %1</source>
        <translation>%1 の読み込み中にエンコーダーが終了しました</translation>
    </message>
</context>
<context>
    <name>vc::ProfilePicker</name>
    <message>
        <source>Profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>Up and Down choose within a list, Right and Left go between categories and profiles, Return chooses, Escape closes</source>
        <translation>上下キーでリスト内を選択、左右キーでカテゴリーとプロファイルの間を移動、Enter で決定、Esc で閉じる</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1（現在）</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>カテゴリー: %1</translation>
    </message>
</context>
<context>
    <name>vc::ProgressDisplay</name>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 件変換</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>、%1 件失敗</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>停止: %1</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>保存先: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>%1 running, %2 done, %3 left</source>
        <translation>実行中 %1、完了 %2、残り %3</translation>
    </message>
    <message>
        <source>Batch %1 left</source>
        <translation>全体の残り %1</translation>
    </message>
</context>
<context>
    <name>vc::ShutdownCountdown</name>
    <message>
        <source>Shut down</source>
        <translation>シャットダウン</translation>
    </message>
    <message>
        <source>The conversion has finished. The computer shuts down in %1 seconds.</source>
        <translation>変換が完了しました。%1 秒後にコンピューターをシャットダウンします。</translation>
    </message>
</context>
<context>
    <name>vc::Snapshot</name>
    <message>
        <source>The snapshot cannot be taken: the encoder cannot be started.</source>
        <translation>スナップショットを撮れません: エンコーダーを起動できません。</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dir</name>
    <message>
        <source>Output Directory</source>
        <translation>出力フォルダー</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>フォルダー:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder.</source>
        <translation>「%1」はファイルで、フォルダーではありません。</translation>
    </message>
    <message>
        <source>There is no folder "%1". Press Ok again to make it.</source>
        <translation>フォルダー「%1」はありません。もう一度 OK を押すと作成します。</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made.</source>
        <translation>フォルダー「%1」を作成できません。</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>新しいフォルダー %1</translation>
    </message>
    <message>
        <source>A folder cannot be made in "%1".</source>
        <translation>「%1」にフォルダーを作成できません。</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dvdcutter</name>
    <message>
        <source>Cut</source>
        <translation>カット</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>Begin Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>終了時間</translation>
    </message>
    <message>
        <source>The begin time cannot be after the end time.</source>
        <translation>開始時間を終了時間より後にはできません。</translation>
    </message>
    <message>
        <source>The end time cannot be before the begin time.</source>
        <translation>終了時間を開始時間より前にはできません。</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_info</name>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>基本情報</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>再生時間:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>ビットレート:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>解像度:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>フレームレート:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>サンプルレート:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>チャンネル:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>トラック</translation>
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
        <translation>ビデオコンバーター</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>The convertion is processing, are you sure to quit?</source>
        <translation>変換中です。本当に終了しますか？</translation>
    </message>
    <message>
        <source>The program did not close normally last time. Restore its job list?</source>
        <translation>前回プログラムが正常に終了しませんでした。ジョブリストを復元しますか？</translation>
    </message>
    <message>
        <source>The language file "language.info" cannot be read. Please install again.</source>
        <translation>言語ファイル「language.info」を読み込めません。再インストールしてください。</translation>
    </message>
    <message>
        <source>The program file cannot be found, please install again.</source>
        <translation>プログラムのファイルが見つかりません。再インストールしてください。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Continue conversion</source>
        <translation>変換を再開</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>変換を一時停止</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>スナップショットを保存しました: %1</translation>
    </message>
    <message>
        <source>The snapshot %1 could not be saved.</source>
        <translation>スナップショット %1 を保存できませんでした。</translation>
    </message>
    <message>
        <source>The picture "images/main/%1.bmp" cannot be read.</source>
        <translation>画像「images/main/%1.bmp」を読み込めません。</translation>
    </message>
    <message>
        <source>The settings cannot be written to "%1".</source>
        <translation>設定を「%1」に書き込めません。</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Please select one file.</source>
        <translation>ファイルを 1 つ選んでください。</translation>
    </message>
    <message>
        <source>Add a file to the job list first: a snapshot is taken from the previewed file.</source>
        <translation>先にファイルをジョブリストに追加してください。スナップショットはプレビュー中のファイルから撮ります。</translation>
    </message>
    <message>
        <source>The previous snapshot is still being saved. Please try again in a moment.</source>
        <translation>前のスナップショットを保存中です。しばらくしてからもう一度お試しください。</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_set</name>
    <message>
        <source>Invalid height or width, please input again or select from the pull-down menu.</source>
        <translation>高さまたは幅が無効です。入力し直すか、ドロップダウンリストから選んでください。</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>形式の設定</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>ビデオサイズ:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>ビデオ品質:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>オーディオ品質:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>チャンネル:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>ビデオ品質</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>出力の設定</translation>
    </message>
    <message>
        <source>Do nothing after conversion finished</source>
        <translation>変換完了後に何もしない</translation>
    </message>
    <message>
        <source>Open the target folder after conversion finished</source>
        <translation>変換完了後に出力先フォルダーを開く</translation>
    </message>
    <message>
        <source>Automatically shut down after conversion finished</source>
        <translation>変換完了後に自動でシャットダウンする</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>同時に行う変換の数:</translation>
    </message>
    <message>
        <source>Auto converts as many sound files at once as the computer has cores, and one video at a time: a video encoder uses every core already.</source>
        <translation>「自動」では、コンピューターのコア数と同じ数の音声ファイルを同時に変換し、ビデオは 1 つずつ変換します。ビデオエンコーダーはそれだけですべてのコアを使うためです。</translation>
    </message>
    <message>
        <source>Run conversions in the background (low priority)</source>
        <translation>バックグラウンドで変換する（優先度を下げる）</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>言語は次回プログラムを起動したときに変わります。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>The language cannot be saved to "%1".</source>
        <translation>言語を「%1」に保存できません。</translation>
    </message>
</context>
</TS>
