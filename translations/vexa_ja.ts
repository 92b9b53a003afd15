<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [--data-folder] [--new-window] [--library] [Qt options] [ROM|FOLDER]
Pick a Game Boy ROM and start the vexa emulator with it. With a ROM,
its folder is shown and the ROM is selected as if clicked; with a
folder, that folder is shown. When a launcher is open already, the ROM
goes to its window instead.

  --data-folder  run in $XDG_DATA_HOME/vexa (~/.local/share/vexa), made
                 when missing: images/, saves/ and rsave/ are there;
                 without it, the folder started from is used
  --new-window   open a launcher of its own even when one is open
  --library      open the library window: every ROM of the library&apos;s
                 folders in one list (Ctrl+L in the launcher)
  -h, --help     print this text and exit
  --version      print the version and exit
  --             take what follows as the ROM, even if it starts with &apos;-&apos;

The ROMs inside .zip and .7z archives are listed and opened as ROMs are.
Run unpacks the ROM into the cache, ~/.cache/vexa ($XDG_CACHE_HOME/vexa),
where the least recently used are removed past 512 MB; close the launcher
and remove that folder to empty it.

Qt&apos;s own options (-platform, -style, -display, -geometry ...) are passed on.

Run starts vexa found on the PATH, or the program picked with &quot;Find vexa...&quot;
when vexa could not be started. To go back to vexa on the PATH, delete the
line EmulatorPath=... from ~/.config/Vexa/Vexa.conf while no launcher runs.
</source>
        <translation>使い方: %1 [--data-folder] [--new-window] [--library] [Qt のオプション] [ROM|フォルダー]
ゲームボーイの ROM を選び、vexa エミュレーターで起動します。ROM を渡すと、
そのフォルダーを表示し、クリックしたときと同じように ROM を選択します。
フォルダーを渡すと、そのフォルダーを表示します。ランチャーがすでに開いて
いるときは、ROM はそのウィンドウに渡されます。

  --data-folder  $XDG_DATA_HOME/vexa (~/.local/share/vexa) で動作します
                 (なければ作成): images/、saves/、rsave/ はそこに置かれます。
                 指定しないときは、起動したフォルダーを使います
  --new-window   ほかのランチャーが開いていても、別のランチャーを開きます
  --library      ライブラリのウィンドウを開きます: ライブラリのフォルダーに
                 ある ROM をすべて一覧にします (ランチャーでは Ctrl+L)
  -h, --help     この説明を表示して終了します
  --version      バージョンを表示して終了します
  --             続く引数を、&apos;-&apos; で始まっていても ROM として扱います

.zip と .7z のアーカイブに入った ROM も、ほかの ROM と同じように一覧に
表示され、開けます。「起動」は ROM をキャッシュ ~/.cache/vexa
($XDG_CACHE_HOME/vexa) に展開します。512 MB を超えると、使われていない
期間の長いものから削除されます。空にするには、ランチャーを閉じてから
そのフォルダーを削除してください。

Qt 自体のオプション (-platform、-style、-display、-geometry など) は Qt に
渡されます。

「起動」は PATH 上の vexa を起動します。vexa を起動できなかったときに
「vexa を探す...」で選んだプログラムがあれば、そちらを起動します。PATH 上の
vexa に戻すには、ランチャーが動いていないときに ~/.config/Vexa/Vexa.conf
から EmulatorPath=... の行を削除してください。
</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>Nothing was started.</source>
        <translation>何も起動していません。</translation>
    </message>
    <message>
        <source>The emulator could not be started: no background thread could be made.</source>
        <translation>エミュレーターを起動できませんでした。バックグラウンドのスレッドを作成できませんでした。</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked: %2.</source>
        <translation>%1 を展開できません: %2。</translation>
    </message>
    <message>
        <source>The ROM %1 is not there any more: it was deleted or renamed since it was clicked.</source>
        <translation>ROM %1 はもうありません。クリックした後で削除されたか、名前が変更されました。</translation>
    </message>
</context>
<context>
    <name>PathArrival</name>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 を開けません: %2。</translation>
    </message>
</context>
<context>
    <name>RomArgument</name>
    <message>
        <source>it could not be checked</source>
        <translation>確認できませんでした</translation>
    </message>
    <message>
        <source>earlier paths are still being checked</source>
        <translation>前に渡されたパスをまだ確認しています</translation>
    </message>
    <message>
        <source>the window was in use before the file could be checked</source>
        <translation>ファイルを確認し終える前にウィンドウが操作されました</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>its name does not match &quot;%1&quot;</source>
        <translation>名前が「%1」に一致しません</translation>
    </message>
    <message>
        <source>it holds no ROM</source>
        <translation>ROM が入っていません</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Find vexa</source>
        <translation>vexa を探す</translation>
    </message>
    <message>
        <source>%1 is not a program that may be run: the emulator is left as it was.</source>
        <translation>%1 は実行できるプログラムではありません。エミュレーターは変更されません。</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>The emulator could not be started (%1 was not found on the PATH).</source>
        <translation>エミュレーターを起動できませんでした（PATH に %1 が見つかりません）。</translation>
    </message>
    <message>
        <source>Install the vexa emulator, pick the emulator program with &quot;Find vexa…&quot;, or put a program or script named vexa on the PATH that starts your emulator (see &quot;USING ANOTHER EMULATOR&quot; in the manual page: man vexa-launcher).</source>
        <translation>vexa エミュレーターをインストールするか、「vexa を探す…」でエミュレーターのプログラムを選ぶか、お使いのエミュレーターを起動する vexa という名前のプログラムまたはスクリプトを PATH に置いてください（マニュアルページの「USING ANOTHER EMULATOR」を参照: man vexa-launcher）。</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 is not there any more).</source>
        <translation>エミュレーターを起動できませんでした（%1 はもうありません）。</translation>
    </message>
    <message>
        <source>The emulator could not be started (its interpreter or loader is missing).</source>
        <translation>エミュレーターを起動できませんでした（インタープリターまたはローダーがありません）。</translation>
    </message>
    <message>
        <source>The emulator could not be started (permission denied).</source>
        <translation>エミュレーターを起動できませんでした（アクセスが拒否されました）。</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 may not be run (permission denied)).</source>
        <translation>エミュレーターを起動できませんでした（%1 は実行できません（アクセスが拒否されました））。</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1).</source>
        <translation>エミュレーターを起動できませんでした（%1）。</translation>
    </message>
    <message>
        <source>Pick the emulator program again with &quot;Find vexa…&quot;. To use vexa on the PATH again, see &quot;THE EMULATOR&quot; in the manual page (man vexa-launcher).</source>
        <translation>「vexa を探す…」でエミュレーターのプログラムを選び直してください。PATH 上の vexa に戻すには、マニュアルページの「THE EMULATOR」を参照してください（man vexa-launcher）。</translation>
    </message>
    <message>
        <source>The emulator stopped with status %1 right after it started.</source>
        <translation>エミュレーターは起動の直後にステータス %1 で終了しました。</translation>
    </message>
    <message>
        <source>The emulator stopped by signal %1 right after it started.</source>
        <translation>エミュレーターは起動の直後にシグナル %1 で終了しました。</translation>
    </message>
    <message>
        <source>It wrote nothing on its error output.</source>
        <translation>エラー出力には何も書かれていません。</translation>
    </message>
    <message>
        <source>It said:
%1</source>
        <translation>エミュレーターの出力:
%1</translation>
    </message>
</context>
<context>
    <name>StartFailureBox</name>
    <message>
        <source>Command</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>Find vexa…</source>
        <translation>vexa を探す…</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
</context>
<context>
    <name>Vexa</name>
    <message>
        <source>320x200 With Gif</source>
        <translation>320x200 GIF付き</translation>
    </message>
    <message>
        <source>256x200 With Gif</source>
        <translation>256x200 GIF付き</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>モノラル</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>フォルダー %1 を読み込めません。</translation>
    </message>
    <message>
        <source>Pick Your Gameboy Rom</source>
        <translation>ゲームボーイのROMを選ぶ</translation>
    </message>
    <message>
        <source>Rom Path</source>
        <translation>ROMの場所</translation>
    </message>
    <message>
        <source>Picture Of The Game</source>
        <translation>ゲームの画像</translation>
    </message>
    <message>
        <source>Game picture</source>
        <translation>ゲームの画像</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Stereo Mode</source>
        <translation>ステレオ</translation>
    </message>
    <message>
        <source>Gameboy Mode</source>
        <translation>ゲームボーイ</translation>
    </message>
    <message>
        <source>GB Mode</source>
        <translation>GBモード</translation>
    </message>
    <message>
        <source>CGB Mode</source>
        <translation>CGBモード</translation>
    </message>
    <message>
        <source>SGB Mode</source>
        <translation>SGBモード</translation>
    </message>
    <message>
        <source>Misc Options</source>
        <translation>その他の設定</translation>
    </message>
    <message>
        <source>Crc on/off</source>
        <translation>CRC検査</translation>
    </message>
    <message>
        <source>Delay on/off</source>
        <translation>ディレイ</translation>
    </message>
    <message>
        <source>2 Player (SGB)</source>
        <translation>2人プレイ (SGB)</translation>
    </message>
    <message>
        <source>Video Mode</source>
        <translation>ビデオモード</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>起動</translation>
    </message>
    <message>
        <source>Gameboy Color</source>
        <translation>ゲームボーイカラー</translation>
    </message>
    <message>
        <source>Super Gameboy</source>
        <translation>スーパーゲームボーイ</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>国</translation>
    </message>
    <message>
        <source>ROM Size</source>
        <translation>ROMサイズ</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>No Image Found</source>
        <translation>画像が見つかりません</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>EXIT</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>About Vexa</source>
        <translation>Vexa について</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>枠</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>クレジット</translation>
    </message>
    <message>
        <source>Error scrolling text</source>
        <translation>テキストのスクロール中にエラーが発生しました</translation>
    </message>
</context>
</TS>
