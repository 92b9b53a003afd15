<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Aufruf: %1 [--data-folder] [--new-window] [--library] [Qt-Optionen] [ROM|ORDNER]
       %1 --import-dat DAT...
       %1 --report
Ein Game-Boy-ROM wählen und den Emulator vexa damit starten. Mit einem ROM
wird sein Ordner gezeigt und das ROM ausgewählt, als wäre es angeklickt; mit
einem Ordner wird dieser Ordner gezeigt. Ist schon ein Launcher offen, geht
das ROM stattdessen an dessen Fenster.

  --data-folder  in $XDG_DATA_HOME/vexa (~/.local/share/vexa) laufen, das bei
                 Bedarf angelegt wird: Dort liegen images/, saves/ und rsave/;
                 ohne diese Option wird der Startordner verwendet
  --new-window   einen eigenen Launcher öffnen, auch wenn schon einer offen ist
  --library      das Bibliotheksfenster öffnen: jedes ROM der Ordner der
                 Bibliothek in einer Liste (Strg+L im Launcher)
  --import-dat DAT...
                 DAT-Dateien (Logiqx XML) in die Bibliothek importieren, jede
                 anstelle einer älteren gleichen Namens, eine Zeile ausgeben
                 und beenden: 1 und nichts importiert, wenn eine abgelehnt wird
  --report       die Ordner der Bibliothek neu lesen und je ROM eine Zeile
                 ausgeben, durch Tabs getrennt: verified, bad-dump oder
                 not-in-dat; ok oder damaged (sein Header); sein Titel; sein
                 voller Pfad (Archiv.zip: inner.gb für einen Eintrag); dann
                 eine Zeile missing, Spiel, DAT für jedes Spiel der DATs, zu
                 dem kein ROM passt. Keiner von beiden öffnet ein Fenster
  -h, --help     diesen Text ausgeben und beenden
  --version      die Version ausgeben und beenden
  --             das Folgende als ROM nehmen, auch wenn es mit &apos;-&apos; beginnt

Die ROMs in .zip- und .7z-Archiven werden wie ROMs aufgelistet und geöffnet.
„Starten“ entpackt das ROM in den Zwischenspeicher ~/.cache/vexa
($XDG_CACHE_HOME/vexa), aus dem über 512 MB die am längsten nicht benutzten
entfernt werden; zum Leeren den Launcher schließen und den Ordner löschen.

Die Optionen von Qt selbst (-platform, -style, -display, -geometry ...) werden
weitergegeben.

„Starten“ startet vexa aus dem PATH oder das Programm, das mit „vexa suchen...“
gewählt wurde, als vexa nicht gestartet werden konnte. Um wieder vexa aus dem
PATH zu verwenden, die Zeile EmulatorPath=... aus ~/.config/Vexa/Vexa.conf
löschen, während kein Launcher läuft.
</translation>
    </message>
</context>
<context>
    <name>DatImport</name>
    <message>
        <source>%1 (%2 games, %3 ROMs, in place of the older one)</source>
        <translation>%1 (%2 Spiele, %3 ROMs, anstelle des älteren)</translation>
    </message>
    <message>
        <source>%1 (%2 games, %3 ROMs)</source>
        <translation>%1 (%2 Spiele, %3 ROMs)</translation>
    </message>
    <message>
        <source>Imported 1 DAT file: %1</source>
        <translation>1 DAT-Datei importiert: %1</translation>
    </message>
    <message>
        <source>Imported %1 DAT files: %2</source>
        <translation>%1 DAT-Dateien importiert: %2</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>Nothing was started.</source>
        <translation>Es wurde nichts gestartet.</translation>
    </message>
    <message>
        <source>The emulator could not be started: no background thread could be made.</source>
        <translation>Der Emulator konnte nicht gestartet werden: Es ließ sich kein Hintergrund-Thread anlegen.</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked: %2.</source>
        <translation>%1 kann nicht entpackt werden: %2.</translation>
    </message>
    <message>
        <source>The ROM %1 is not there any more: it was deleted or renamed since it was clicked.</source>
        <translation>Das ROM %1 ist nicht mehr vorhanden: Es wurde gelöscht oder umbenannt, nachdem es angeklickt wurde.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The folder %1 is not read now: too many folders do not answer</source>
        <translation>Der Ordner %1 wird jetzt nicht gelesen: Zu viele Ordner antworten nicht</translation>
    </message>
    <message>
        <source>it has more than %1 folders</source>
        <translation>er hat mehr als %1 Ordner</translation>
    </message>
    <message>
        <source>the user&apos;s inotify watches are used up</source>
        <translation>die inotify-Überwachungen des Benutzers sind aufgebraucht</translation>
    </message>
    <message>
        <source>Changes under %1 are not followed: %2</source>
        <translation>Änderungen unter %1 werden nicht verfolgt: %2</translation>
    </message>
</context>
<context>
    <name>LibraryModel</name>
    <message>
        <source>Another version of the game above</source>
        <translation>Eine andere Version des Spiels darüber</translation>
    </message>
    <message>
        <source>Click to hide the other versions of this game</source>
        <translation>Klicken, um die anderen Versionen dieses Spiels auszublenden</translation>
    </message>
    <message>
        <source>1 other version of this game: click to list it</source>
        <translation>1 andere Version dieses Spiels: zum Auflisten klicken</translation>
    </message>
    <message>
        <source>%1 other versions of this game: click to list them</source>
        <translation>%1 andere Versionen dieses Spiels: zum Auflisten klicken</translation>
    </message>
    <message>
        <source>Verified in %1</source>
        <translation>Verifiziert in %1</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>Header beschädigt</translation>
    </message>
    <message>
        <source>A good dump, as an imported DAT lists it</source>
        <translation>Ein guter Dump, wie ihn ein importiertes DAT aufführt</translation>
    </message>
    <message>
        <source>A good dump, as %1 lists it</source>
        <translation>Ein guter Dump, wie ihn %1 aufführt</translation>
    </message>
    <message>
        <source>A bad dump: a DAT lists this game with other contents, or marks this dump bad</source>
        <translation>Ein Bad Dump: Ein DAT führt dieses Spiel mit anderem Inhalt auf oder markiert diesen Dump als schlecht</translation>
    </message>
    <message>
        <source>No imported DAT lists this ROM</source>
        <translation>Kein importiertes DAT führt dieses ROM auf</translation>
    </message>
    <message>
        <source>Header damaged: its header checksum or logo is wrong; it starts all the same</source>
        <translation>Header beschädigt: Header-Prüfsumme oder Logo falsch; es startet trotzdem</translation>
    </message>
    <message>
        <source>Started once</source>
        <translation>Einmal gestartet</translation>
    </message>
    <message>
        <source>Started %1 times</source>
        <translation>%1-mal gestartet</translation>
    </message>
    <message>
        <source>A favourite: click to take it off</source>
        <translation>Ein Favorit: zum Entfernen klicken</translation>
    </message>
    <message>
        <source>Click to make it a favourite</source>
        <translation>Klicken, um es zum Favoriten zu machen</translation>
    </message>
    <message>
        <source>The other versions of a game</source>
        <translation>Die anderen Versionen eines Spiels</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Zuletzt gespielt</translation>
    </message>
    <message>
        <source>Play time</source>
        <translation>Spielzeit</translation>
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
        <translation>&lt; 1 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Game Boy</source>
        <translation>Game Boy</translation>
    </message>
    <message>
        <source>Game Boy + Color</source>
        <translation>Game Boy + Color</translation>
    </message>
    <message>
        <source>Color only</source>
        <translation>nur Color</translation>
    </message>
    <message>
        <source>%1, Super Game Boy</source>
        <translation>%1, Super Game Boy</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verifiziert</translation>
    </message>
    <message>
        <source>Bad dump</source>
        <translation>Bad Dump</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>Nicht im DAT</translation>
    </message>
    <message>
        <source>%1 · Header damaged</source>
        <translation>%1 · Header beschädigt</translation>
    </message>
</context>
<context>
    <name>LibraryOpening</name>
    <message>
        <source>Library…	Ctrl+L</source>
        <translation>Bibliothek…	Ctrl+L</translation>
    </message>
    <message>
        <source>Every ROM of your folders in one list: the Library, Ctrl+L or a right click here.</source>
        <translation>Jedes ROM Ihrer Ordner in einer Liste: die Bibliothek, Strg+L oder ein Rechtsklick hier.</translation>
    </message>
</context>
<context>
    <name>LibraryScan</name>
    <message>
        <source>The folder %1 cannot be read: %2</source>
        <translation>Der Ordner %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 folders under %2 cannot be read</source>
        <translation>%1 Ordner unter %2 können nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 files under %2 cannot be read (%3)</source>
        <translation>%1 Dateien unter %2 können nicht gelesen werden (%3)</translation>
    </message>
</context>
<context>
    <name>LibraryStore</name>
    <message>
        <source>The library %1 is in use by another launcher: %2</source>
        <translation>Die Bibliothek %1 wird von einem anderen Launcher benutzt: %2</translation>
    </message>
    <message>
        <source>The library %1 is read-only: %2</source>
        <translation>Die Bibliothek %1 ist schreibgeschützt: %2</translation>
    </message>
    <message>
        <source>The library %1: %3 (%2)</source>
        <translation>Die Bibliothek %1: %3 (%2)</translation>
    </message>
    <message>
        <source>The library %1 is read-only: nothing is stored</source>
        <translation>Die Bibliothek %1 ist schreibgeschützt: Nichts wird gespeichert</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>Die Bibliothek kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The library&apos;s folder %1 cannot be made: %2</source>
        <translation>Der Ordner der Bibliothek %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The library %1 is damaged and cannot be moved aside: %2</source>
        <translation>Die Bibliothek %1 ist beschädigt und kann nicht beiseitegelegt werden: %2</translation>
    </message>
    <message>
        <source>The library %1 was damaged: it was moved to %2 and is read again from the disk (the history of %3 games kept)</source>
        <translation>Die Bibliothek %1 war beschädigt: Sie wurde nach %2 verschoben und wird neu von der Platte gelesen (der Verlauf von %3 Spielen bleibt erhalten)</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>eine Verknüpfung</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>ein FIFO</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>The library %1 is %2: it is left as it is and not opened</source>
        <translation>Die Bibliothek %1 ist %2: Sie bleibt, wie sie ist, und wird nicht geöffnet</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>sie kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its version cannot be read</source>
        <translation>ihre Version kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The library %1 was written by a newer launcher (version %2): it is left as it is</source>
        <translation>Die Bibliothek %1 wurde von einem neueren Launcher geschrieben (Version %2): Sie bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>it cannot be brought to version %1</source>
        <translation>sie kann nicht auf Version %1 gebracht werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be added</source>
        <translation>der Ordner %1 kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>the folder %1 cannot be removed</source>
        <translation>der Ordner %1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>the folders cannot be updated</source>
        <translation>die Ordner können nicht aktualisiert werden</translation>
    </message>
    <message>
        <source>what was read under %1 cannot be stored</source>
        <translation>was unter %1 gelesen wurde, kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the favourite cannot be stored</source>
        <translation>der Favorit kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the start of a game cannot be stored</source>
        <translation>der Start eines Spiels kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the play time cannot be stored</source>
        <translation>die Spielzeit kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the DAT file %1 cannot be stored</source>
        <translation>die DAT-Datei %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>the DAT files cannot be stored</source>
        <translation>die DAT-Dateien können nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Library</source>
        <translation>Bibliothek</translation>
    </message>
    <message>
        <source>Find a game by its title, file name or cartridge title (Ctrl+F)</source>
        <translation>Ein Spiel nach Titel, Dateiname oder Modultitel suchen (Strg+F)</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Recently played</source>
        <translation>Zuletzt gespielt</translation>
    </message>
    <message>
        <source>Show the ROMs by what the DAT files and their headers say of them</source>
        <translation>Die ROMs danach zeigen, was die DAT-Dateien und ihre Header über sie sagen</translation>
    </message>
    <message>
        <source>All checks</source>
        <translation>Alle Prüfungen</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verifiziert</translation>
    </message>
    <message>
        <source>Bad dump</source>
        <translation>Bad Dump</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>Nicht im DAT</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>Header beschädigt</translation>
    </message>
    <message>
        <source>One row per game</source>
        <translation>Eine Zeile je Spiel</translation>
    </message>
    <message>
        <source>Show the versions of a game (regions, revisions, betas) as one row</source>
        <translation>Die Versionen eines Spiels (Regionen, Revisionen, Betas) als eine Zeile zeigen</translation>
    </message>
    <message>
        <source>Regions…</source>
        <translation>Regionen…</translation>
    </message>
    <message>
        <source>Which region&apos;s version a game&apos;s row shows first</source>
        <translation>Welche Regionsversion die Zeile eines Spiels zuerst zeigt</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Ordner:</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Import DAT…</source>
        <translation>DAT importieren…</translation>
    </message>
    <message>
        <source>Read DAT files (Logiqx XML) that list the good dumps, to check the ROMs against</source>
        <translation>DAT-Dateien (Logiqx XML) mit den guten Dumps einlesen, um die ROMs damit zu prüfen</translation>
    </message>
    <message>
        <source>Reading %v of %m</source>
        <translation>Lesen: %v von %m</translation>
    </message>
    <message>
        <source>This folder does not answer.</source>
        <translation>Dieser Ordner antwortet nicht.</translation>
    </message>
    <message>
        <source>%1 does not answer: the rest of the library is shown.</source>
        <translation>%1 antwortet nicht: Der Rest der Bibliothek wird gezeigt.</translation>
    </message>
    <message>
        <source>Add a folder to the library</source>
        <translation>Einen Ordner zur Bibliothek hinzufügen</translation>
    </message>
    <message>
        <source>Import DAT files</source>
        <translation>DAT-Dateien importieren</translation>
    </message>
    <message>
        <source>DAT files (*.dat *.xml);;All files (*)</source>
        <translation>DAT-Dateien (*.dat *.xml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Region order</source>
        <translation>Reihenfolge der Regionen</translation>
    </message>
    <message>
        <source>The regions whose version a game&apos;s row shows first, best first,
separated by commas (empty for World, USA, Europe, Japan):</source>
        <translation>Die Regionen, deren Version die Zeile eines Spiels zuerst zeigt, die beste zuerst,
mit Kommas getrennt (leer für World, USA, Europe, Japan):</translation>
    </message>
    <message>
        <source>%1 ROMs</source>
        <translation>%1 ROMs</translation>
    </message>
    <message>
        <source>%1 of %2 ROMs</source>
        <translation>%1 von %2 ROMs</translation>
    </message>
    <message>
        <source>%1 games, %2</source>
        <translation>%1 Spiele, %2</translation>
    </message>
</context>
<context>
    <name>PathArrival</name>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>RomArgument</name>
    <message>
        <source>it could not be checked</source>
        <translation>es konnte nicht geprüft werden</translation>
    </message>
    <message>
        <source>earlier paths are still being checked</source>
        <translation>frühere Pfade werden noch geprüft</translation>
    </message>
    <message>
        <source>the window was in use before the file could be checked</source>
        <translation>das Fenster wurde benutzt, bevor die Datei geprüft war</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>es kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>its name does not match &quot;%1&quot;</source>
        <translation>der Name passt nicht zu „%1“</translation>
    </message>
    <message>
        <source>it holds no ROM</source>
        <translation>es enthält kein ROM</translation>
    </message>
</context>
<context>
    <name>RomNotes</name>
    <message>
        <source>Verified: %1</source>
        <translation>Verifiziert: %1</translation>
    </message>
    <message>
        <source>Bad dump: %1</source>
        <translation>Bad Dump: %1</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>Nicht im DAT</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>Header beschädigt</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Find vexa</source>
        <translation>vexa suchen</translation>
    </message>
    <message>
        <source>%1 is not a program that may be run: the emulator is left as it was.</source>
        <translation>%1 ist kein ausführbares Programm: Der Emulator bleibt, wie er war.</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>The emulator could not be started (%1 was not found on the PATH).</source>
        <translation>Der Emulator konnte nicht gestartet werden (%1 wurde im PATH nicht gefunden).</translation>
    </message>
    <message>
        <source>Install the vexa emulator, pick the emulator program with &quot;Find vexa…&quot;, or put a program or script named vexa on the PATH that starts your emulator (see &quot;USING ANOTHER EMULATOR&quot; in the manual page: man vexa-launcher).</source>
        <translation>Installieren Sie den Emulator vexa, wählen Sie das Emulatorprogramm mit „vexa suchen…“ aus, oder legen Sie ein Programm oder Skript namens vexa in den PATH, das Ihren Emulator startet (siehe „USING ANOTHER EMULATOR“ in der Handbuchseite: man vexa-launcher).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 is not there any more).</source>
        <translation>Der Emulator konnte nicht gestartet werden (%1 ist nicht mehr vorhanden).</translation>
    </message>
    <message>
        <source>The emulator could not be started (its interpreter or loader is missing).</source>
        <translation>Der Emulator konnte nicht gestartet werden (sein Interpreter oder Lader fehlt).</translation>
    </message>
    <message>
        <source>The emulator could not be started (permission denied).</source>
        <translation>Der Emulator konnte nicht gestartet werden (Zugriff verweigert).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 may not be run (permission denied)).</source>
        <translation>Der Emulator konnte nicht gestartet werden (%1 darf nicht ausgeführt werden (Zugriff verweigert)).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1).</source>
        <translation>Der Emulator konnte nicht gestartet werden (%1).</translation>
    </message>
    <message>
        <source>Pick the emulator program again with &quot;Find vexa…&quot;. To use vexa on the PATH again, see &quot;THE EMULATOR&quot; in the manual page (man vexa-launcher).</source>
        <translation>Wählen Sie das Emulatorprogramm erneut mit „vexa suchen…“ aus. Um wieder vexa aus dem PATH zu verwenden, siehe „THE EMULATOR“ in der Handbuchseite (man vexa-launcher).</translation>
    </message>
    <message>
        <source>The emulator stopped with status %1 right after it started.</source>
        <translation>Der Emulator hat sich direkt nach dem Start mit Status %1 beendet.</translation>
    </message>
    <message>
        <source>The emulator stopped by signal %1 right after it started.</source>
        <translation>Der Emulator wurde direkt nach dem Start durch Signal %1 beendet.</translation>
    </message>
    <message>
        <source>It wrote nothing on its error output.</source>
        <translation>Er hat nichts in seine Fehlerausgabe geschrieben.</translation>
    </message>
    <message>
        <source>It said:
%1</source>
        <translation>Er meldete:
%1</translation>
    </message>
</context>
<context>
    <name>StartFailureBox</name>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <source>Find vexa…</source>
        <translation>vexa suchen…</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>Vexa</name>
    <message>
        <source>320x200 With Gif</source>
        <translation>320x200 mit GIF</translation>
    </message>
    <message>
        <source>256x200 With Gif</source>
        <translation>256x200 mit GIF</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Getauscht</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Pick Your Gameboy Rom</source>
        <translation>Game-Boy-ROM wählen</translation>
    </message>
    <message>
        <source>Rom Path</source>
        <translation>ROM-Pfad</translation>
    </message>
    <message>
        <source>Picture Of The Game</source>
        <translation>Bild des Spiels</translation>
    </message>
    <message>
        <source>Game picture</source>
        <translation>Spielbild</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Stereo Mode</source>
        <translation>Stereomodus</translation>
    </message>
    <message>
        <source>Gameboy Mode</source>
        <translation>Game-Boy-Modus</translation>
    </message>
    <message>
        <source>GB Mode</source>
        <translation>GB-Modus</translation>
    </message>
    <message>
        <source>CGB Mode</source>
        <translation>CGB-Modus</translation>
    </message>
    <message>
        <source>SGB Mode</source>
        <translation>SGB-Modus</translation>
    </message>
    <message>
        <source>Misc Options</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Crc on/off</source>
        <translation>CRC an/aus</translation>
    </message>
    <message>
        <source>Delay on/off</source>
        <translation>Delay an/aus</translation>
    </message>
    <message>
        <source>2 Player (SGB)</source>
        <translation>2 Spieler (SGB)</translation>
    </message>
    <message>
        <source>Video Mode</source>
        <translation>Videomodus</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Gameboy Color</source>
        <translation>Game Boy Color</translation>
    </message>
    <message>
        <source>Super Gameboy</source>
        <translation>Super Game Boy</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>ROM Size</source>
        <translation>ROM-Größe</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>No Image Found</source>
        <translation>Kein Bild gefunden</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>EXIT</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Vexa</source>
        <translation>Über Vexa</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Error scrolling text</source>
        <translation>Fehler beim Rollen des Textes</translation>
    </message>
</context>
</TS>
