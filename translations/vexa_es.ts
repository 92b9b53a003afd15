<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <translation>Uso: %1 [--data-folder] [--new-window] [--library] [opciones de Qt] [ROM|CARPETA]
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
