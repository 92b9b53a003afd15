<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Uso: %1 [--data-folder] [--new-window] [--library] [opciones de Qt] [ROM|CARPETA]
       %1 --import-dat DAT...
       %1 --report
Elige una ROM de Game Boy e inicia con ella el emulador vexa. Con una ROM, se
muestra su carpeta y la ROM queda seleccionada como si se hubiera hecho clic
en ella; con una carpeta, se muestra esa carpeta. Si ya hay un lanzador
abierto, la ROM va a su ventana.

  --data-folder  trabajar en $XDG_DATA_HOME/vexa (~/.local/share/vexa), que se
                 crea si falta: ahí están images/, saves/ y rsave/; sin esta
                 opción se usa la carpeta desde la que se inició
  --new-window   abrir un lanzador propio aunque ya haya uno abierto
  --library      abrir la ventana de la biblioteca: todas las ROM de sus
                 carpetas en una sola lista (Ctrl+L en el lanzador)
  --import-dat DAT...
                 importar archivos DAT (Logiqx XML) a la biblioteca, cada uno
                 en lugar de uno anterior del mismo nombre, mostrar una línea
                 y salir: 1 y nada importado si se rechaza alguno
  --report       volver a leer las carpetas de la biblioteca y mostrar una
                 línea por ROM, separada por tabuladores: verified, bad-dump o
                 not-in-dat; ok o damaged (su cabecera); su título; su ruta
                 completa (Archivo.zip: inner.gb para una entrada); luego una
                 línea missing, juego, DAT por cada juego de los DAT que no
                 coincide con ninguna ROM. Ninguna de las dos abre una ventana
  -h, --help     mostrar este texto y salir
  --version      mostrar la versión y salir
  --             tomar lo que sigue como la ROM, aunque empiece por &apos;-&apos;

Las ROM dentro de archivos .zip y .7z se listan y se abren como las demás.
«Iniciar» descomprime la ROM en la caché, ~/.cache/vexa ($XDG_CACHE_HOME/vexa),
de la que se quitan las usadas hace más tiempo al pasar de 512 MB; para
vaciarla, cierre el lanzador y borre esa carpeta.

Las opciones propias de Qt (-platform, -style, -display, -geometry ...) se le
pasan a Qt.

«Iniciar» ejecuta el vexa del PATH, o el programa elegido con «Buscar vexa...»
cuando no se pudo iniciar vexa. Para volver al vexa del PATH, borre la línea
EmulatorPath=... de ~/.config/Vexa/Vexa.conf mientras no haya ningún lanzador
abierto.
</translation>
    </message>
</context>
<context>
    <name>DatImport</name>
    <message>
        <source>%1 (%2 games, %3 ROMs, in place of the older one)</source>
        <translation>%1 (%2 juegos, %3 ROM, en lugar del anterior)</translation>
    </message>
    <message>
        <source>%1 (%2 games, %3 ROMs)</source>
        <translation>%1 (%2 juegos, %3 ROM)</translation>
    </message>
    <message>
        <source>Imported 1 DAT file: %1</source>
        <translation>1 archivo DAT importado: %1</translation>
    </message>
    <message>
        <source>Imported %1 DAT files: %2</source>
        <translation>%1 archivos DAT importados: %2</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>Nothing was started.</source>
        <translation>No se inició nada.</translation>
    </message>
    <message>
        <source>The emulator could not be started: no background thread could be made.</source>
        <translation>No se pudo iniciar el emulador: no se pudo crear ningún hilo en segundo plano.</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked: %2.</source>
        <translation>No se puede descomprimir %1: %2.</translation>
    </message>
    <message>
        <source>The ROM %1 is not there any more: it was deleted or renamed since it was clicked.</source>
        <translation>La ROM %1 ya no está: se eliminó o se le cambió el nombre después de hacer clic en ella.</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>The folder %1 is not read now: too many folders do not answer</source>
        <translation>La carpeta %1 no se lee ahora: demasiadas carpetas no responden</translation>
    </message>
    <message>
        <source>it has more than %1 folders</source>
        <translation>tiene más de %1 carpetas</translation>
    </message>
    <message>
        <source>the user&apos;s inotify watches are used up</source>
        <translation>las vigilancias inotify del usuario se han agotado</translation>
    </message>
    <message>
        <source>Changes under %1 are not followed: %2</source>
        <translation>Los cambios bajo %1 no se siguen: %2</translation>
    </message>
</context>
<context>
    <name>LibraryModel</name>
    <message>
        <source>Another version of the game above</source>
        <translation>Otra versión del juego de arriba</translation>
    </message>
    <message>
        <source>Click to hide the other versions of this game</source>
        <translation>Haz clic para ocultar las otras versiones de este juego</translation>
    </message>
    <message>
        <source>1 other version of this game: click to list it</source>
        <translation>1 versión más de este juego: haz clic para verla</translation>
    </message>
    <message>
        <source>%1 other versions of this game: click to list them</source>
        <translation>%1 versiones más de este juego: haz clic para verlas</translation>
    </message>
    <message>
        <source>Verified in %1</source>
        <translation>Verificada en %1</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>Cabecera dañada</translation>
    </message>
    <message>
        <source>A good dump, as an imported DAT lists it</source>
        <translation>Un volcado bueno, tal como lo lista un DAT importado</translation>
    </message>
    <message>
        <source>A good dump, as %1 lists it</source>
        <translation>Un volcado bueno, tal como lo lista %1</translation>
    </message>
    <message>
        <source>A bad dump: a DAT lists this game with other contents, or marks this dump bad</source>
        <translation>Un volcado defectuoso: un DAT lista este juego con otro contenido o marca este volcado como malo</translation>
    </message>
    <message>
        <source>No imported DAT lists this ROM</source>
        <translation>Ningún DAT importado lista esta ROM</translation>
    </message>
    <message>
        <source>Header damaged: its header checksum or logo is wrong; it starts all the same</source>
        <translation>Cabecera dañada: su suma de comprobación o su logotipo no son correctos; arranca igualmente</translation>
    </message>
    <message>
        <source>Started once</source>
        <translation>Iniciada una vez</translation>
    </message>
    <message>
        <source>Started %1 times</source>
        <translation>Iniciada %1 veces</translation>
    </message>
    <message>
        <source>A favourite: click to take it off</source>
        <translation>Un favorito: haz clic para quitarlo</translation>
    </message>
    <message>
        <source>Click to make it a favourite</source>
        <translation>Haz clic para marcarlo como favorito</translation>
    </message>
    <message>
        <source>The other versions of a game</source>
        <translation>Las otras versiones de un juego</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Play time</source>
        <translation>Tiempo de juego</translation>
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
        <translation>solo Color</translation>
    </message>
    <message>
        <source>%1, Super Game Boy</source>
        <translation>%1, Super Game Boy</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificada</translation>
    </message>
    <message>
        <source>Bad dump</source>
        <translation>Volcado malo</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>No está en DAT</translation>
    </message>
    <message>
        <source>%1 · Header damaged</source>
        <translation>%1 · Cabecera dañada</translation>
    </message>
</context>
<context>
    <name>LibraryOpening</name>
    <message>
        <source>Library…	Ctrl+L</source>
        <translation>Biblioteca…	Ctrl+L</translation>
    </message>
    <message>
        <source>Every ROM of your folders in one list: the Library, Ctrl+L or a right click here.</source>
        <translation>Todas las ROM de sus carpetas en una sola lista: la Biblioteca, Ctrl+L o un clic derecho aquí.</translation>
    </message>
</context>
<context>
    <name>LibraryScan</name>
    <message>
        <source>The folder %1 cannot be read: %2</source>
        <translation>No se puede leer la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 folders under %2 cannot be read</source>
        <translation>No se pueden leer %1 carpetas bajo %2</translation>
    </message>
    <message>
        <source>%1 files under %2 cannot be read (%3)</source>
        <translation>No se pueden leer %1 archivos bajo %2 (%3)</translation>
    </message>
</context>
<context>
    <name>LibraryStore</name>
    <message>
        <source>The library %1 is in use by another launcher: %2</source>
        <translation>Otro lanzador está usando la biblioteca %1: %2</translation>
    </message>
    <message>
        <source>The library %1 is read-only: %2</source>
        <translation>La biblioteca %1 es de solo lectura: %2</translation>
    </message>
    <message>
        <source>The library %1: %3 (%2)</source>
        <translation>La biblioteca %1: %3 (%2)</translation>
    </message>
    <message>
        <source>The library %1 is read-only: nothing is stored</source>
        <translation>La biblioteca %1 es de solo lectura: no se guarda nada</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>No se puede abrir la biblioteca: %1</translation>
    </message>
    <message>
        <source>The library&apos;s folder %1 cannot be made: %2</source>
        <translation>No se puede crear la carpeta de la biblioteca %1: %2</translation>
    </message>
    <message>
        <source>The library %1 is damaged and cannot be moved aside: %2</source>
        <translation>La biblioteca %1 está dañada y no se puede apartar: %2</translation>
    </message>
    <message>
        <source>The library %1 was damaged: it was moved to %2 and is read again from the disk (the history of %3 games kept)</source>
        <translation>La biblioteca %1 estaba dañada: se movió a %2 y se vuelve a leer del disco (se conserva el historial de %3 juegos)</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un enlace</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>un FIFO</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The library %1 is %2: it is left as it is and not opened</source>
        <translation>La biblioteca %1 es %2: se deja como está y no se abre</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>its version cannot be read</source>
        <translation>no se puede leer su versión</translation>
    </message>
    <message>
        <source>The library %1 was written by a newer launcher (version %2): it is left as it is</source>
        <translation>La biblioteca %1 la escribió un lanzador más reciente (versión %2): se deja como está</translation>
    </message>
    <message>
        <source>it cannot be brought to version %1</source>
        <translation>no se puede pasar a la versión %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be added</source>
        <translation>no se puede añadir la carpeta %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be removed</source>
        <translation>no se puede quitar la carpeta %1</translation>
    </message>
    <message>
        <source>the folders cannot be updated</source>
        <translation>no se pueden actualizar las carpetas</translation>
    </message>
    <message>
        <source>what was read under %1 cannot be stored</source>
        <translation>no se puede guardar lo leído bajo %1</translation>
    </message>
    <message>
        <source>the favourite cannot be stored</source>
        <translation>no se puede guardar el favorito</translation>
    </message>
    <message>
        <source>the start of a game cannot be stored</source>
        <translation>no se puede guardar el inicio de un juego</translation>
    </message>
    <message>
        <source>the play time cannot be stored</source>
        <translation>no se puede guardar el tiempo de juego</translation>
    </message>
    <message>
        <source>the DAT file %1 cannot be stored</source>
        <translation>no se puede guardar el archivo DAT %1</translation>
    </message>
    <message>
        <source>the DAT files cannot be stored</source>
        <translation>los archivos DAT no se pueden guardar</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Library</source>
        <translation>Biblioteca</translation>
    </message>
    <message>
        <source>Find a game by its title, file name or cartridge title (Ctrl+F)</source>
        <translation>Busca un juego por su título, nombre de archivo o título del cartucho (Ctrl+F)</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Recently played</source>
        <translation>Jugados hace poco</translation>
    </message>
    <message>
        <source>Show the ROMs by what the DAT files and their headers say of them</source>
        <translation>Mostrar las ROM según lo que dicen de ellas los archivos DAT y sus cabeceras</translation>
    </message>
    <message>
        <source>All checks</source>
        <translation>Todos los controles</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificada</translation>
    </message>
    <message>
        <source>Bad dump</source>
        <translation>Volcado malo</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>No está en DAT</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>Cabecera dañada</translation>
    </message>
    <message>
        <source>One row per game</source>
        <translation>Una fila por juego</translation>
    </message>
    <message>
        <source>Show the versions of a game (regions, revisions, betas) as one row</source>
        <translation>Mostrar las versiones de un juego (regiones, revisiones, betas) en una sola fila</translation>
    </message>
    <message>
        <source>Regions…</source>
        <translation>Regiones…</translation>
    </message>
    <message>
        <source>Which region&apos;s version a game&apos;s row shows first</source>
        <translation>Qué versión regional muestra primero la fila de un juego</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Carpetas:</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Añadir carpeta…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Import DAT…</source>
        <translation>Importar DAT…</translation>
    </message>
    <message>
        <source>Read DAT files (Logiqx XML) that list the good dumps, to check the ROMs against</source>
        <translation>Leer archivos DAT (Logiqx XML) que listan los volcados buenos, para comprobar las ROM con ellos</translation>
    </message>
    <message>
        <source>Reading %v of %m</source>
        <translation>Leyendo %v de %m</translation>
    </message>
    <message>
        <source>This folder does not answer.</source>
        <translation>Esta carpeta no responde.</translation>
    </message>
    <message>
        <source>%1 does not answer: the rest of the library is shown.</source>
        <translation>%1 no responde: se muestra el resto de la biblioteca.</translation>
    </message>
    <message>
        <source>Add a folder to the library</source>
        <translation>Añadir una carpeta a la biblioteca</translation>
    </message>
    <message>
        <source>Import DAT files</source>
        <translation>Importar archivos DAT</translation>
    </message>
    <message>
        <source>DAT files (*.dat *.xml);;All files (*)</source>
        <translation>Archivos DAT (*.dat *.xml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Region order</source>
        <translation>Orden de regiones</translation>
    </message>
    <message>
        <source>The regions whose version a game&apos;s row shows first, best first,
separated by commas (empty for World, USA, Europe, Japan):</source>
        <translation>Las regiones cuya versión muestra primero la fila de un juego, la mejor primero,
separadas por comas (vacío para World, USA, Europe, Japan):</translation>
    </message>
    <message>
        <source>%1 ROMs</source>
        <translation>%1 ROM</translation>
    </message>
    <message>
        <source>%1 of %2 ROMs</source>
        <translation>%1 de %2 ROM</translation>
    </message>
    <message>
        <source>%1 games, %2</source>
        <translation>%1 juegos, %2</translation>
    </message>
</context>
<context>
    <name>PathArrival</name>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>No se puede abrir %1: %2.</translation>
    </message>
</context>
<context>
    <name>RomArgument</name>
    <message>
        <source>it could not be checked</source>
        <translation>no se pudo comprobar</translation>
    </message>
    <message>
        <source>earlier paths are still being checked</source>
        <translation>aún se están comprobando rutas anteriores</translation>
    </message>
    <message>
        <source>the window was in use before the file could be checked</source>
        <translation>la ventana se usó antes de que se pudiera comprobar el archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>its name does not match &quot;%1&quot;</source>
        <translation>su nombre no coincide con «%1»</translation>
    </message>
    <message>
        <source>it holds no ROM</source>
        <translation>no contiene ninguna ROM</translation>
    </message>
</context>
<context>
    <name>RomNotes</name>
    <message>
        <source>Verified: %1</source>
        <translation>Verificada: %1</translation>
    </message>
    <message>
        <source>Bad dump: %1</source>
        <translation>Volcado malo: %1</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>No está en DAT</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>Cabecera dañada</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Find vexa</source>
        <translation>Buscar vexa</translation>
    </message>
    <message>
        <source>%1 is not a program that may be run: the emulator is left as it was.</source>
        <translation>%1 no es un programa ejecutable: el emulador sigue siendo el mismo.</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>The emulator could not be started (%1 was not found on the PATH).</source>
        <translation>No se pudo iniciar el emulador (no se encontró %1 en el PATH).</translation>
    </message>
    <message>
        <source>Install the vexa emulator, pick the emulator program with &quot;Find vexa…&quot;, or put a program or script named vexa on the PATH that starts your emulator (see &quot;USING ANOTHER EMULATOR&quot; in the manual page: man vexa-launcher).</source>
        <translation>Instale el emulador vexa, elija el programa del emulador con «Buscar vexa…» o ponga en el PATH un programa o script llamado vexa que inicie su emulador (vea «USING ANOTHER EMULATOR» en la página del manual: man vexa-launcher).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 is not there any more).</source>
        <translation>No se pudo iniciar el emulador (%1 ya no existe).</translation>
    </message>
    <message>
        <source>The emulator could not be started (its interpreter or loader is missing).</source>
        <translation>No se pudo iniciar el emulador (falta su intérprete o su cargador).</translation>
    </message>
    <message>
        <source>The emulator could not be started (permission denied).</source>
        <translation>No se pudo iniciar el emulador (permiso denegado).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 may not be run (permission denied)).</source>
        <translation>No se pudo iniciar el emulador (%1 no se puede ejecutar (permiso denegado)).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1).</source>
        <translation>No se pudo iniciar el emulador (%1).</translation>
    </message>
    <message>
        <source>Pick the emulator program again with &quot;Find vexa…&quot;. To use vexa on the PATH again, see &quot;THE EMULATOR&quot; in the manual page (man vexa-launcher).</source>
        <translation>Vuelva a elegir el programa del emulador con «Buscar vexa…». Para volver a usar el vexa del PATH, vea «THE EMULATOR» en la página del manual (man vexa-launcher).</translation>
    </message>
    <message>
        <source>The emulator stopped with status %1 right after it started.</source>
        <translation>El emulador terminó con el estado %1 justo después de iniciarse.</translation>
    </message>
    <message>
        <source>The emulator stopped by signal %1 right after it started.</source>
        <translation>El emulador terminó por la señal %1 justo después de iniciarse.</translation>
    </message>
    <message>
        <source>It wrote nothing on its error output.</source>
        <translation>No escribió nada en su salida de errores.</translation>
    </message>
    <message>
        <source>It said:
%1</source>
        <translation>Dijo:
%1</translation>
    </message>
</context>
<context>
    <name>StartFailureBox</name>
    <message>
        <source>Command</source>
        <translation>Comando</translation>
    </message>
    <message>
        <source>Find vexa…</source>
        <translation>Buscar vexa…</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
</context>
<context>
    <name>Vexa</name>
    <message>
        <source>320x200 With Gif</source>
        <translation>320x200 con GIF</translation>
    </message>
    <message>
        <source>256x200 With Gif</source>
        <translation>256x200 con GIF</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Apagado</translation>
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
        <translation>Invertido</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>Pick Your Gameboy Rom</source>
        <translation>Elige tu ROM de Game Boy</translation>
    </message>
    <message>
        <source>Rom Path</source>
        <translation>Ruta ROM</translation>
    </message>
    <message>
        <source>Picture Of The Game</source>
        <translation>Imagen del juego</translation>
    </message>
    <message>
        <source>Game picture</source>
        <translation>Imagen del juego</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Stereo Mode</source>
        <translation>Modo estéreo</translation>
    </message>
    <message>
        <source>Gameboy Mode</source>
        <translation>Modo Game Boy</translation>
    </message>
    <message>
        <source>GB Mode</source>
        <translation>Modo GB</translation>
    </message>
    <message>
        <source>CGB Mode</source>
        <translation>Modo CGB</translation>
    </message>
    <message>
        <source>SGB Mode</source>
        <translation>Modo SGB</translation>
    </message>
    <message>
        <source>Misc Options</source>
        <translation>Otras opciones</translation>
    </message>
    <message>
        <source>Crc on/off</source>
        <translation>CRC sí/no</translation>
    </message>
    <message>
        <source>Delay on/off</source>
        <translation>Retardo sí/no</translation>
    </message>
    <message>
        <source>2 Player (SGB)</source>
        <translation>2 jug. (SGB)</translation>
    </message>
    <message>
        <source>Video Mode</source>
        <translation>Modo de vídeo</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Iniciar</translation>
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
        <translation>País</translation>
    </message>
    <message>
        <source>ROM Size</source>
        <translation>Tamaño de la ROM</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>No Image Found</source>
        <translation>No se encontró ninguna imagen</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>EXIT</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>About Vexa</source>
        <translation>Acerca de Vexa</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Error scrolling text</source>
        <translation>Error al desplazar el texto</translation>
    </message>
</context>
</TS>
