<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
