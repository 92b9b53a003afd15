<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [--data-folder] [--new-window] [--library] [Qt options] [ROM|FOLDER]
       %1 --import-dat DAT...
       %1 --report
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
  --import-dat DAT...
                 import DAT files (Logiqx XML) into the library, each in
                 place of an older one of the same name, print one line
                 and exit: 1 and nothing imported when one is refused
  --report       read the library&apos;s folders again and print one line a
                 ROM, tab-separated: verified, bad-dump or not-in-dat;
                 ok or damaged (its header); its title; its full path
                 (Archive.zip: inner.gb for an entry); then a line
                 missing, game, DAT for each game of the DATs that no
                 ROM matches. Neither opens a window
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
       %1 --import-dat DAT...
       %1 --report
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
  --import-dat DAT...
                 DAT ファイル (Logiqx XML) をライブラリにインポートし (同じ名前の
                 古いものは置き換え)、1 行を表示して終了します。どれか 1 つでも
                 受け付けられなければ 1 を返し、何もインポートしません
  --report       ライブラリのフォルダーを読み直し、ROM ごとにタブ区切りで 1 行
                 表示します: verified、bad-dump、not-in-dat のいずれか; ok か
                 damaged (ヘッダー); タイトル; フルパス (アーカイブ内のものは
                 Archive.zip: inner.gb)。続いて、どの ROM とも一致しない DAT の
                 ゲームごとに missing、ゲーム、DAT の行を表示します。どちらも
                 ウィンドウは開きません
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
    <name>DatImport</name>
    <message>
        <source>%1 (%2 games, %3 ROMs, in place of the older one)</source>
        <translation>%1 (%2 タイトル、%3 ROM、古いものと置き換え)</translation>
    </message>
    <message>
        <source>%1 (%2 games, %3 ROMs)</source>
        <translation>%1 (%2 タイトル、%3 ROM)</translation>
    </message>
    <message>
        <source>Imported 1 DAT file: %1</source>
        <translation>DAT ファイルを 1 件インポートしました: %1</translation>
    </message>
    <message>
        <source>Imported %1 DAT files: %2</source>
        <translation>DAT ファイルを %1 件インポートしました: %2</translation>
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
    <name>Library</name>
    <message>
        <source>The folder %1 is not read now: too many folders do not answer</source>
        <translation>フォルダー %1 は今は読み込みません: 応答しないフォルダーが多すぎます</translation>
    </message>
    <message>
        <source>it has more than %1 folders</source>
        <translation>フォルダーが %1 個を超えています</translation>
    </message>
    <message>
        <source>the user&apos;s inotify watches are used up</source>
        <translation>ユーザーの inotify 監視数を使い切りました</translation>
    </message>
    <message>
        <source>Changes under %1 are not followed: %2</source>
        <translation>%1 以下の変更は追跡されません: %2</translation>
    </message>
</context>
<context>
    <name>LibraryModel</name>
    <message>
        <source>Another version of the game above</source>
        <translation>上のゲームの別バージョン</translation>
    </message>
    <message>
        <source>Click to hide the other versions of this game</source>
        <translation>クリックでこのゲームの別バージョンを隠します</translation>
    </message>
    <message>
        <source>1 other version of this game: click to list it</source>
        <translation>このゲームの別バージョンが 1 つ: クリックで一覧表示</translation>
    </message>
    <message>
        <source>%1 other versions of this game: click to list them</source>
        <translation>このゲームの別バージョンが %1 つ: クリックで一覧表示</translation>
    </message>
    <message>
        <source>Verified in %1</source>
        <translation>%1 で検証済み</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>ヘッダー破損</translation>
    </message>
    <message>
        <source>A good dump, as an imported DAT lists it</source>
        <translation>インポートした DAT に載っている正常なダンプ</translation>
    </message>
    <message>
        <source>A good dump, as %1 lists it</source>
        <translation>%1 に載っている正常なダンプ</translation>
    </message>
    <message>
        <source>A bad dump: a DAT lists this game with other contents, or marks this dump bad</source>
        <translation>不良ダンプ: DAT ではこのゲームの内容が異なるか、このダンプが不良とされています</translation>
    </message>
    <message>
        <source>No imported DAT lists this ROM</source>
        <translation>インポートしたどの DAT にもこの ROM は載っていません</translation>
    </message>
    <message>
        <source>Header damaged: its header checksum or logo is wrong; it starts all the same</source>
        <translation>ヘッダー破損: ヘッダーのチェックサムかロゴが正しくありません。起動はできます</translation>
    </message>
    <message>
        <source>Started once</source>
        <translation>1 回起動</translation>
    </message>
    <message>
        <source>Started %1 times</source>
        <translation>%1 回起動</translation>
    </message>
    <message>
        <source>A favourite: click to take it off</source>
        <translation>お気に入り: クリックで外します</translation>
    </message>
    <message>
        <source>Click to make it a favourite</source>
        <translation>クリックでお気に入りにします</translation>
    </message>
    <message>
        <source>The other versions of a game</source>
        <translation>ゲームの別バージョン</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>機種</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>検証</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>最後に遊んだ日時</translation>
    </message>
    <message>
        <source>Play time</source>
        <translation>プレイ時間</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>&lt; 1 min</source>
        <translation>1 分未満</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>Game Boy</source>
        <translation>ゲームボーイ</translation>
    </message>
    <message>
        <source>Game Boy + Color</source>
        <translation>ゲームボーイ + カラー</translation>
    </message>
    <message>
        <source>Color only</source>
        <translation>カラー専用</translation>
    </message>
    <message>
        <source>%1, Super Game Boy</source>
        <translation>%1、スーパーゲームボーイ</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>検証済み</translation>
    </message>
    <message>
        <source>Bad dump</source>
        <translation>不良ダンプ</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>DAT 未登録</translation>
    </message>
    <message>
        <source>%1 · Header damaged</source>
        <translation>%1 · ヘッダー破損</translation>
    </message>
</context>
<context>
    <name>LibraryOpening</name>
    <message>
        <source>Library…	Ctrl+L</source>
        <translation>ライブラリ…	Ctrl+L</translation>
    </message>
    <message>
        <source>Every ROM of your folders in one list: the Library, Ctrl+L or a right click here.</source>
        <translation>フォルダーにある ROM をすべて一覧に: ライブラリは Ctrl+L か、ここを右クリック。</translation>
    </message>
</context>
<context>
    <name>LibraryScan</name>
    <message>
        <source>The folder %1 cannot be read: %2</source>
        <translation>フォルダー %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>%1 folders under %2 cannot be read</source>
        <translation>%2 以下の %1 個のフォルダーを読み込めません</translation>
    </message>
    <message>
        <source>%1 files under %2 cannot be read (%3)</source>
        <translation>%2 以下の %1 個のファイルを読み込めません (%3)</translation>
    </message>
</context>
<context>
    <name>LibraryStore</name>
    <message>
        <source>The library %1 is in use by another launcher: %2</source>
        <translation>ライブラリ %1 は別のランチャーが使用中です: %2</translation>
    </message>
    <message>
        <source>The library %1 is read-only: %2</source>
        <translation>ライブラリ %1 は読み取り専用です: %2</translation>
    </message>
    <message>
        <source>The library %1: %3 (%2)</source>
        <translation>ライブラリ %1: %3 (%2)</translation>
    </message>
    <message>
        <source>The library %1 is read-only: nothing is stored</source>
        <translation>ライブラリ %1 は読み取り専用です: 何も保存されません</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>ライブラリを開けません: %1</translation>
    </message>
    <message>
        <source>The library&apos;s folder %1 cannot be made: %2</source>
        <translation>ライブラリのフォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>The library %1 is damaged and cannot be moved aside: %2</source>
        <translation>ライブラリ %1 は破損しており、退避できません: %2</translation>
    </message>
    <message>
        <source>The library %1 was damaged: it was moved to %2 and is read again from the disk (the history of %3 games kept)</source>
        <translation>ライブラリ %1 は破損していたため %2 に移動し、ディスクから読み直します (%3 タイトルの履歴は保持)</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>リンク</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>FIFO</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>The library %1 is %2: it is left as it is and not opened</source>
        <translation>ライブラリ %1 は %2 です: そのままにして開きません</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>開けません</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>its version cannot be read</source>
        <translation>バージョンを読み込めません</translation>
    </message>
    <message>
        <source>The library %1 was written by a newer launcher (version %2): it is left as it is</source>
        <translation>ライブラリ %1 は新しいランチャー (バージョン %2) で書かれています: そのままにします</translation>
    </message>
    <message>
        <source>it cannot be brought to version %1</source>
        <translation>バージョン %1 に更新できません</translation>
    </message>
    <message>
        <source>the folder %1 cannot be added</source>
        <translation>フォルダー %1 を追加できません</translation>
    </message>
    <message>
        <source>the folder %1 cannot be removed</source>
        <translation>フォルダー %1 を外せません</translation>
    </message>
    <message>
        <source>the folders cannot be updated</source>
        <translation>フォルダーを更新できません</translation>
    </message>
    <message>
        <source>what was read under %1 cannot be stored</source>
        <translation>%1 以下で読み込んだ内容を保存できません</translation>
    </message>
    <message>
        <source>the favourite cannot be stored</source>
        <translation>お気に入りを保存できません</translation>
    </message>
    <message>
        <source>the start of a game cannot be stored</source>
        <translation>ゲームの起動を記録できません</translation>
    </message>
    <message>
        <source>the play time cannot be stored</source>
        <translation>プレイ時間を保存できません</translation>
    </message>
    <message>
        <source>the DAT file %1 cannot be stored</source>
        <translation>DAT ファイル %1 を保存できません</translation>
    </message>
    <message>
        <source>the DAT files cannot be stored</source>
        <translation>DAT ファイルを保存できません</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Library</source>
        <translation>ライブラリ</translation>
    </message>
    <message>
        <source>Find a game by its title, file name or cartridge title (Ctrl+F)</source>
        <translation>タイトル、ファイル名、カートリッジのタイトルでゲームを検索 (Ctrl+F)</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Recently played</source>
        <translation>最近遊んだ</translation>
    </message>
    <message>
        <source>Show the ROMs by what the DAT files and their headers say of them</source>
        <translation>DAT ファイルとヘッダーの内容で ROM を絞り込みます</translation>
    </message>
    <message>
        <source>All checks</source>
        <translation>すべての検証</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>検証済み</translation>
    </message>
    <message>
        <source>Bad dump</source>
        <translation>不良ダンプ</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>DAT 未登録</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>ヘッダー破損</translation>
    </message>
    <message>
        <source>One row per game</source>
        <translation>1 ゲーム 1 行</translation>
    </message>
    <message>
        <source>Show the versions of a game (regions, revisions, betas) as one row</source>
        <translation>ゲームの各バージョン (地域、リビジョン、ベータ版) を 1 行にまとめます</translation>
    </message>
    <message>
        <source>Regions…</source>
        <translation>地域…</translation>
    </message>
    <message>
        <source>Which region&apos;s version a game&apos;s row shows first</source>
        <translation>ゲームの行にどの地域のバージョンを優先して表示するか</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>フォルダー:</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>フォルダーを追加…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>外す</translation>
    </message>
    <message>
        <source>Import DAT…</source>
        <translation>DAT をインポート…</translation>
    </message>
    <message>
        <source>Read DAT files (Logiqx XML) that list the good dumps, to check the ROMs against</source>
        <translation>正常なダンプを載せた DAT ファイル (Logiqx XML) を読み込み、ROM を照合します</translation>
    </message>
    <message>
        <source>Reading %v of %m</source>
        <translation>読み込み中 %v / %m</translation>
    </message>
    <message>
        <source>This folder does not answer.</source>
        <translation>このフォルダーは応答しません。</translation>
    </message>
    <message>
        <source>%1 does not answer: the rest of the library is shown.</source>
        <translation>%1 が応答しません: ライブラリの残りを表示しています。</translation>
    </message>
    <message>
        <source>Add a folder to the library</source>
        <translation>ライブラリにフォルダーを追加</translation>
    </message>
    <message>
        <source>Import DAT files</source>
        <translation>DAT ファイルをインポート</translation>
    </message>
    <message>
        <source>DAT files (*.dat *.xml);;All files (*)</source>
        <translation>DAT ファイル (*.dat *.xml);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Region order</source>
        <translation>地域の順番</translation>
    </message>
    <message>
        <source>The regions whose version a game&apos;s row shows first, best first,
separated by commas (empty for World, USA, Europe, Japan):</source>
        <translation>ゲームの行に優先して表示するバージョンの地域を、優先する順に
カンマで区切って入力します (空欄なら World, USA, Europe, Japan):</translation>
    </message>
    <message>
        <source>%1 ROMs</source>
        <translation>%1 個の ROM</translation>
    </message>
    <message>
        <source>%1 of %2 ROMs</source>
        <translation>%2 個中 %1 個の ROM</translation>
    </message>
    <message>
        <source>%1 games, %2</source>
        <translation>%1 タイトル、%2</translation>
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
    <name>RomNotes</name>
    <message>
        <source>Verified: %1</source>
        <translation>検証済み: %1</translation>
    </message>
    <message>
        <source>Bad dump: %1</source>
        <translation>不良ダンプ: %1</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>DAT 未登録</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>ヘッダー破損</translation>
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
