<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation>Aufruf: %1 [--data-folder] [--new-window] [--library] [Qt-Optionen] [ROM|ORDNER]
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
