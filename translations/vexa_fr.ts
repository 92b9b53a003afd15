<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Usage : %1 [--data-folder] [--new-window] [--library] [options Qt] [ROM|DOSSIER]
Choisir une ROM Game Boy et lancer l’émulateur vexa avec elle. Avec une ROM,
son dossier est affiché et la ROM sélectionnée comme si on avait cliqué
dessus ; avec un dossier, ce dossier est affiché. Si un lanceur est déjà
ouvert, la ROM va dans sa fenêtre.

  --data-folder  travailler dans $XDG_DATA_HOME/vexa (~/.local/share/vexa),
                 créé s’il manque : images/, saves/ et rsave/ s’y trouvent ;
                 sans elle, c’est le dossier de départ qui sert
  --new-window   ouvrir un lanceur à part même si un autre est ouvert
  --library      ouvrir la fenêtre de la bibliothèque : toutes les ROM de ses
                 dossiers dans une seule liste (Ctrl+L dans le lanceur)
  -h, --help     afficher ce texte et quitter
  --version      afficher la version et quitter
  --             prendre ce qui suit comme ROM, même si cela commence par &apos;-&apos;

Les ROM des archives .zip et .7z sont listées et ouvertes comme les autres.
« Lancer » décompresse la ROM dans le cache, ~/.cache/vexa
($XDG_CACHE_HOME/vexa), dont les moins récemment utilisées sont retirées
au-delà de 512 Mo ; pour le vider, fermer le lanceur et supprimer ce dossier.

Les options propres à Qt (-platform, -style, -display, -geometry ...) lui sont
transmises.

« Lancer » démarre le vexa du PATH, ou le programme choisi avec
« Trouver vexa... » quand vexa n’a pas pu être lancé. Pour revenir au vexa du
PATH, supprimer la ligne EmulatorPath=... de ~/.config/Vexa/Vexa.conf
pendant qu’aucun lanceur ne tourne.
</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>Nothing was started.</source>
        <translation>Rien n’a été lancé.</translation>
    </message>
    <message>
        <source>The emulator could not be started: no background thread could be made.</source>
        <translation>Impossible de lancer l’émulateur&#xa0;: aucun thread d’arrière-plan n’a pu être créé.</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked: %2.</source>
        <translation>Impossible de décompresser %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The ROM %1 is not there any more: it was deleted or renamed since it was clicked.</source>
        <translation>La ROM %1 n’existe plus&#xa0;: elle a été supprimée ou renommée depuis que vous avez cliqué dessus.</translation>
    </message>
</context>
<context>
    <name>PathArrival</name>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>RomArgument</name>
    <message>
        <source>it could not be checked</source>
        <translation>la vérification n’a pas pu se faire</translation>
    </message>
    <message>
        <source>earlier paths are still being checked</source>
        <translation>des chemins précédents sont encore en cours de vérification</translation>
    </message>
    <message>
        <source>the window was in use before the file could be checked</source>
        <translation>la fenêtre a servi avant que le fichier ait pu être vérifié</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>its name does not match &quot;%1&quot;</source>
        <translation>son nom ne correspond pas à «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>it holds no ROM</source>
        <translation>il ne contient aucune ROM</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Find vexa</source>
        <translation>Trouver vexa</translation>
    </message>
    <message>
        <source>%1 is not a program that may be run: the emulator is left as it was.</source>
        <translation>%1 n’est pas un programme exécutable&#xa0;: l’émulateur reste celui d’avant.</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>The emulator could not be started (%1 was not found on the PATH).</source>
        <translation>Impossible de lancer l’émulateur (%1 est introuvable dans le PATH).</translation>
    </message>
    <message>
        <source>Install the vexa emulator, pick the emulator program with &quot;Find vexa…&quot;, or put a program or script named vexa on the PATH that starts your emulator (see &quot;USING ANOTHER EMULATOR&quot; in the manual page: man vexa-launcher).</source>
        <translation>Installez l’émulateur vexa, choisissez le programme de l’émulateur avec «&#xa0;Trouver vexa…&#xa0;», ou placez dans le PATH un programme ou un script nommé vexa qui lance votre émulateur (voir «&#xa0;USING ANOTHER EMULATOR&#xa0;» dans la page de manuel&#xa0;: man vexa-launcher).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 is not there any more).</source>
        <translation>Impossible de lancer l’émulateur (%1 n’existe plus).</translation>
    </message>
    <message>
        <source>The emulator could not be started (its interpreter or loader is missing).</source>
        <translation>Impossible de lancer l’émulateur (son interpréteur ou son chargeur est absent).</translation>
    </message>
    <message>
        <source>The emulator could not be started (permission denied).</source>
        <translation>Impossible de lancer l’émulateur (permission refusée).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 may not be run (permission denied)).</source>
        <translation>Impossible de lancer l’émulateur (%1 ne peut pas être exécuté (permission refusée)).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1).</source>
        <translation>Impossible de lancer l’émulateur (%1).</translation>
    </message>
    <message>
        <source>Pick the emulator program again with &quot;Find vexa…&quot;. To use vexa on the PATH again, see &quot;THE EMULATOR&quot; in the manual page (man vexa-launcher).</source>
        <translation>Choisissez de nouveau le programme de l’émulateur avec «&#xa0;Trouver vexa…&#xa0;». Pour revenir au vexa du PATH, voir «&#xa0;THE EMULATOR&#xa0;» dans la page de manuel (man vexa-launcher).</translation>
    </message>
    <message>
        <source>The emulator stopped with status %1 right after it started.</source>
        <translation>L’émulateur s’est arrêté avec le code %1 juste après son lancement.</translation>
    </message>
    <message>
        <source>The emulator stopped by signal %1 right after it started.</source>
        <translation>L’émulateur a été arrêté par le signal %1 juste après son lancement.</translation>
    </message>
    <message>
        <source>It wrote nothing on its error output.</source>
        <translation>Il n’a rien écrit sur sa sortie d’erreur.</translation>
    </message>
    <message>
        <source>It said:
%1</source>
        <translation>Il a écrit&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>StartFailureBox</name>
    <message>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Find vexa…</source>
        <translation>Trouver vexa…</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>Vexa</name>
    <message>
        <source>320x200 With Gif</source>
        <translation>320x200 avec GIF</translation>
    </message>
    <message>
        <source>256x200 With Gif</source>
        <translation>256x200 avec GIF</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Coupé</translation>
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
        <translation>Inversé</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Le dossier %1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Pick Your Gameboy Rom</source>
        <translation>Choisissez votre ROM</translation>
    </message>
    <message>
        <source>Rom Path</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Picture Of The Game</source>
        <translation>Image du jeu</translation>
    </message>
    <message>
        <source>Game picture</source>
        <translation>Image du jeu</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Stereo Mode</source>
        <translation>Mode stéréo</translation>
    </message>
    <message>
        <source>Gameboy Mode</source>
        <translation>Mode Game Boy</translation>
    </message>
    <message>
        <source>GB Mode</source>
        <translation>Mode GB</translation>
    </message>
    <message>
        <source>CGB Mode</source>
        <translation>Mode CGB</translation>
    </message>
    <message>
        <source>SGB Mode</source>
        <translation>Mode SGB</translation>
    </message>
    <message>
        <source>Misc Options</source>
        <translation>Options diverses</translation>
    </message>
    <message>
        <source>Crc on/off</source>
        <translation>Test CRC</translation>
    </message>
    <message>
        <source>Delay on/off</source>
        <translation>Délai oui/non</translation>
    </message>
    <message>
        <source>2 Player (SGB)</source>
        <translation>2 joueurs (SGB)</translation>
    </message>
    <message>
        <source>Video Mode</source>
        <translation>Mode vidéo</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Lancer</translation>
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
        <translation>Pays</translation>
    </message>
    <message>
        <source>ROM Size</source>
        <translation>Taille de la ROM</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>No Image Found</source>
        <translation>Aucune image trouvée</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>EXIT</source>
        <translation>FIN</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>About Vexa</source>
        <translation>À propos de Vexa</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Générique</translation>
    </message>
    <message>
        <source>Error scrolling text</source>
        <translation>Erreur lors du défilement du texte</translation>
    </message>
</context>
</TS>
