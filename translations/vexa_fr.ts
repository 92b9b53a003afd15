<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
        <translation>Usage : %1 [--data-folder] [--new-window] [--library] [options Qt] [ROM|DOSSIER]
       %1 --import-dat DAT...
       %1 --report
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
  --import-dat DAT...
                 importer des fichiers DAT (Logiqx XML) dans la bibliothèque,
                 chacun à la place d’un ancien du même nom, afficher une ligne
                 et quitter : 1 et rien d’importé si l’un d’eux est refusé
  --report       relire les dossiers de la bibliothèque et afficher une ligne
                 par ROM, séparée par des tabulations : verified, bad-dump ou
                 not-in-dat ; ok ou damaged (son en-tête) ; son titre ; son
                 chemin complet (Archive.zip: inner.gb pour une entrée) ; puis
                 une ligne missing, jeu, DAT pour chaque jeu des DAT qu’aucune
                 ROM ne trouve. Aucune des deux n’ouvre de fenêtre
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
    <name>DatImport</name>
    <message>
        <source>%1 (%2 games, %3 ROMs, in place of the older one)</source>
        <translation>%1 (%2 jeux, %3 ROM, à la place de l’ancien)</translation>
    </message>
    <message>
        <source>%1 (%2 games, %3 ROMs)</source>
        <translation>%1 (%2 jeux, %3 ROM)</translation>
    </message>
    <message>
        <source>Imported 1 DAT file: %1</source>
        <translation>1 fichier DAT importé : %1</translation>
    </message>
    <message>
        <source>Imported %1 DAT files: %2</source>
        <translation>%1 fichiers DAT importés : %2</translation>
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
    <name>Library</name>
    <message>
        <source>The folder %1 is not read now: too many folders do not answer</source>
        <translation>Le dossier %1 n’est pas lu pour l’instant : trop de dossiers ne répondent pas</translation>
    </message>
    <message>
        <source>it has more than %1 folders</source>
        <translation>il contient plus de %1 dossiers</translation>
    </message>
    <message>
        <source>the user&apos;s inotify watches are used up</source>
        <translation>les surveillances inotify de l’utilisateur sont épuisées</translation>
    </message>
    <message>
        <source>Changes under %1 are not followed: %2</source>
        <translation>Les changements sous %1 ne sont pas suivis : %2</translation>
    </message>
</context>
<context>
    <name>LibraryModel</name>
    <message>
        <source>Another version of the game above</source>
        <translation>Une autre version du jeu ci-dessus</translation>
    </message>
    <message>
        <source>Click to hide the other versions of this game</source>
        <translation>Cliquer pour masquer les autres versions de ce jeu</translation>
    </message>
    <message>
        <source>1 other version of this game: click to list it</source>
        <translation>1 autre version de ce jeu : cliquer pour l’afficher</translation>
    </message>
    <message>
        <source>%1 other versions of this game: click to list them</source>
        <translation>%1 autres versions de ce jeu : cliquer pour les afficher</translation>
    </message>
    <message>
        <source>Verified in %1</source>
        <translation>Vérifiée dans %1</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>En-tête abîmé</translation>
    </message>
    <message>
        <source>A good dump, as an imported DAT lists it</source>
        <translation>Un bon dump, tel qu’un DAT importé le liste</translation>
    </message>
    <message>
        <source>A good dump, as %1 lists it</source>
        <translation>Un bon dump, tel que %1 le liste</translation>
    </message>
    <message>
        <source>A bad dump: a DAT lists this game with other contents, or marks this dump bad</source>
        <translation>Un mauvais dump : un DAT liste ce jeu avec un autre contenu, ou marque ce dump comme mauvais</translation>
    </message>
    <message>
        <source>No imported DAT lists this ROM</source>
        <translation>Aucun DAT importé ne liste cette ROM</translation>
    </message>
    <message>
        <source>Header damaged: its header checksum or logo is wrong; it starts all the same</source>
        <translation>En-tête abîmé : somme de contrôle ou logo de l’en-tête faux ; elle démarre quand même</translation>
    </message>
    <message>
        <source>Started once</source>
        <translation>Lancée une fois</translation>
    </message>
    <message>
        <source>Started %1 times</source>
        <translation>Lancée %1 fois</translation>
    </message>
    <message>
        <source>A favourite: click to take it off</source>
        <translation>Un favori : cliquer pour le retirer</translation>
    </message>
    <message>
        <source>Click to make it a favourite</source>
        <translation>Cliquer pour en faire un favori</translation>
    </message>
    <message>
        <source>The other versions of a game</source>
        <translation>Les autres versions d’un jeu</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Contrôle</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Dernière partie</translation>
    </message>
    <message>
        <source>Play time</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
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
        <translation>Color uniquement</translation>
    </message>
    <message>
        <source>%1, Super Game Boy</source>
        <translation>%1, Super Game Boy</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifiée</translation>
    </message>
    <message>
        <source>Bad dump</source>
        <translation>Mauvais dump</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>Absente du DAT</translation>
    </message>
    <message>
        <source>%1 · Header damaged</source>
        <translation>%1 · En-tête abîmé</translation>
    </message>
</context>
<context>
    <name>LibraryOpening</name>
    <message>
        <source>Library…	Ctrl+L</source>
        <translation>Bibliothèque…	Ctrl+L</translation>
    </message>
    <message>
        <source>Every ROM of your folders in one list: the Library, Ctrl+L or a right click here.</source>
        <translation>Toutes les ROM de vos dossiers dans une seule liste : la Bibliothèque, Ctrl+L ou un clic droit ici.</translation>
    </message>
</context>
<context>
    <name>LibraryScan</name>
    <message>
        <source>The folder %1 cannot be read: %2</source>
        <translation>Le dossier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 folders under %2 cannot be read</source>
        <translation>%1 dossiers sous %2 ne peuvent pas être lus</translation>
    </message>
    <message>
        <source>%1 files under %2 cannot be read (%3)</source>
        <translation>%1 fichiers sous %2 ne peuvent pas être lus (%3)</translation>
    </message>
</context>
<context>
    <name>LibraryStore</name>
    <message>
        <source>The library %1 is in use by another launcher: %2</source>
        <translation>La bibliothèque %1 est utilisée par un autre lanceur : %2</translation>
    </message>
    <message>
        <source>The library %1 is read-only: %2</source>
        <translation>La bibliothèque %1 est en lecture seule : %2</translation>
    </message>
    <message>
        <source>The library %1: %3 (%2)</source>
        <translation>La bibliothèque %1 : %3 (%2)</translation>
    </message>
    <message>
        <source>The library %1 is read-only: nothing is stored</source>
        <translation>La bibliothèque %1 est en lecture seule : rien n’est enregistré</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>La bibliothèque ne peut pas être ouverte : %1</translation>
    </message>
    <message>
        <source>The library&apos;s folder %1 cannot be made: %2</source>
        <translation>Le dossier de la bibliothèque %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The library %1 is damaged and cannot be moved aside: %2</source>
        <translation>La bibliothèque %1 est endommagée et ne peut pas être mise de côté : %2</translation>
    </message>
    <message>
        <source>The library %1 was damaged: it was moved to %2 and is read again from the disk (the history of %3 games kept)</source>
        <translation>La bibliothèque %1 était endommagée : elle a été déplacée vers %2 et est relue depuis le disque (l’historique de %3 jeux est conservé)</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>un lien</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>un FIFO</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The library %1 is %2: it is left as it is and not opened</source>
        <translation>La bibliothèque %1 est %2 : elle est laissée telle quelle et n’est pas ouverte</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>elle ne peut pas être ouverte</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>elle ne peut pas être lue</translation>
    </message>
    <message>
        <source>its version cannot be read</source>
        <translation>sa version ne peut pas être lue</translation>
    </message>
    <message>
        <source>The library %1 was written by a newer launcher (version %2): it is left as it is</source>
        <translation>La bibliothèque %1 a été écrite par un lanceur plus récent (version %2) : elle est laissée telle quelle</translation>
    </message>
    <message>
        <source>it cannot be brought to version %1</source>
        <translation>elle ne peut pas être mise à la version %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be added</source>
        <translation>le dossier %1 ne peut pas être ajouté</translation>
    </message>
    <message>
        <source>the folder %1 cannot be removed</source>
        <translation>le dossier %1 ne peut pas être retiré</translation>
    </message>
    <message>
        <source>the folders cannot be updated</source>
        <translation>les dossiers ne peuvent pas être mis à jour</translation>
    </message>
    <message>
        <source>what was read under %1 cannot be stored</source>
        <translation>ce qui a été lu sous %1 ne peut pas être enregistré</translation>
    </message>
    <message>
        <source>the favourite cannot be stored</source>
        <translation>le favori ne peut pas être enregistré</translation>
    </message>
    <message>
        <source>the start of a game cannot be stored</source>
        <translation>le lancement d’un jeu ne peut pas être enregistré</translation>
    </message>
    <message>
        <source>the play time cannot be stored</source>
        <translation>le temps de jeu ne peut pas être enregistré</translation>
    </message>
    <message>
        <source>the DAT file %1 cannot be stored</source>
        <translation>le fichier DAT %1 ne peut pas être enregistré</translation>
    </message>
    <message>
        <source>the DAT files cannot be stored</source>
        <translation>les fichiers DAT ne peuvent pas être enregistrés</translation>
    </message>
</context>
<context>
    <name>LibraryWindow</name>
    <message>
        <source>Library</source>
        <translation>Bibliothèque</translation>
    </message>
    <message>
        <source>Find a game by its title, file name or cartridge title (Ctrl+F)</source>
        <translation>Chercher un jeu par son titre, son nom de fichier ou son titre de cartouche (Ctrl+F)</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Recently played</source>
        <translation>Joués récemment</translation>
    </message>
    <message>
        <source>Show the ROMs by what the DAT files and their headers say of them</source>
        <translation>Afficher les ROM selon ce que les fichiers DAT et leurs en-têtes en disent</translation>
    </message>
    <message>
        <source>All checks</source>
        <translation>Tous les contrôles</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifiée</translation>
    </message>
    <message>
        <source>Bad dump</source>
        <translation>Mauvais dump</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>Absente du DAT</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>En-tête abîmé</translation>
    </message>
    <message>
        <source>One row per game</source>
        <translation>Une ligne par jeu</translation>
    </message>
    <message>
        <source>Show the versions of a game (regions, revisions, betas) as one row</source>
        <translation>Afficher les versions d’un jeu (régions, révisions, bêtas) sur une seule ligne</translation>
    </message>
    <message>
        <source>Regions…</source>
        <translation>Régions…</translation>
    </message>
    <message>
        <source>Which region&apos;s version a game&apos;s row shows first</source>
        <translation>La version de quelle région la ligne d’un jeu montre d’abord</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Dossiers :</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Ajouter un dossier…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Import DAT…</source>
        <translation>Importer un DAT…</translation>
    </message>
    <message>
        <source>Read DAT files (Logiqx XML) that list the good dumps, to check the ROMs against</source>
        <translation>Lire des fichiers DAT (Logiqx XML) qui listent les bons dumps, pour y confronter les ROM</translation>
    </message>
    <message>
        <source>Reading %v of %m</source>
        <translation>Lecture %v sur %m</translation>
    </message>
    <message>
        <source>This folder does not answer.</source>
        <translation>Ce dossier ne répond pas.</translation>
    </message>
    <message>
        <source>%1 does not answer: the rest of the library is shown.</source>
        <translation>%1 ne répond pas : le reste de la bibliothèque est affiché.</translation>
    </message>
    <message>
        <source>Add a folder to the library</source>
        <translation>Ajouter un dossier à la bibliothèque</translation>
    </message>
    <message>
        <source>Import DAT files</source>
        <translation>Importer des fichiers DAT</translation>
    </message>
    <message>
        <source>DAT files (*.dat *.xml);;All files (*)</source>
        <translation>Fichiers DAT (*.dat *.xml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Region order</source>
        <translation>Ordre des régions</translation>
    </message>
    <message>
        <source>The regions whose version a game&apos;s row shows first, best first,
separated by commas (empty for World, USA, Europe, Japan):</source>
        <translation>Les régions dont la ligne d’un jeu montre d’abord la version, la meilleure en premier,
séparées par des virgules (vide pour World, USA, Europe, Japan) :</translation>
    </message>
    <message>
        <source>%1 ROMs</source>
        <translation>%1 ROM</translation>
    </message>
    <message>
        <source>%1 of %2 ROMs</source>
        <translation>%1 ROM sur %2</translation>
    </message>
    <message>
        <source>%1 games, %2</source>
        <translation>%1 jeux, %2</translation>
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
    <name>RomNotes</name>
    <message>
        <source>Verified: %1</source>
        <translation>Vérifiée : %1</translation>
    </message>
    <message>
        <source>Bad dump: %1</source>
        <translation>Mauvais dump : %1</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>Absente du DAT</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>En-tête abîmé</translation>
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
