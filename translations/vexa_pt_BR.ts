<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Uso: %1 [--data-folder] [--new-window] [--library] [opções do Qt] [ROM|PASTA]
Escolha uma ROM de Game Boy e inicie o emulador vexa com ela. Com uma ROM, a
pasta dela é mostrada e a ROM fica selecionada como se tivesse sido clicada;
com uma pasta, essa pasta é mostrada. Se já houver um lançador aberto, a ROM
vai para a janela dele.

  --data-folder  trabalhar em $XDG_DATA_HOME/vexa (~/.local/share/vexa),
                 criada se não existir: images/, saves/ e rsave/ ficam lá;
                 sem esta opção, é usada a pasta de onde se iniciou
  --new-window   abrir um lançador próprio mesmo que já haja um aberto
  --library      abrir a janela da biblioteca: todas as ROMs das pastas dela
                 em uma só lista (Ctrl+L no lançador)
  -h, --help     mostrar este texto e sair
  --version      mostrar a versão e sair
  --             tomar o que vem a seguir como a ROM, mesmo que comece com &apos;-&apos;

As ROMs dentro de arquivos .zip e .7z são listadas e abertas como as outras.
&quot;Iniciar&quot; descompacta a ROM no cache, ~/.cache/vexa ($XDG_CACHE_HOME/vexa),
do qual as usadas há mais tempo são removidas acima de 512 MB; para esvaziá-lo,
feche o lançador e apague essa pasta.

As opções do próprio Qt (-platform, -style, -display, -geometry ...) são
repassadas a ele.

&quot;Iniciar&quot; executa o vexa do PATH, ou o programa escolhido com
&quot;Localizar vexa...&quot; quando o vexa não pôde ser iniciado. Para voltar ao vexa do
PATH, apague a linha EmulatorPath=... de ~/.config/Vexa/Vexa.conf enquanto
nenhum lançador estiver aberto.
</translation>
    </message>
</context>
<context>
    <name>Launch</name>
    <message>
        <source>Nothing was started.</source>
        <translation>Nada foi iniciado.</translation>
    </message>
    <message>
        <source>The emulator could not be started: no background thread could be made.</source>
        <translation>Não foi possível iniciar o emulador: não foi possível criar uma thread em segundo plano.</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked: %2.</source>
        <translation>Não é possível descompactar %1: %2.</translation>
    </message>
    <message>
        <source>The ROM %1 is not there any more: it was deleted or renamed since it was clicked.</source>
        <translation>A ROM %1 não existe mais: ela foi excluída ou renomeada depois que você clicou nela.</translation>
    </message>
</context>
<context>
    <name>PathArrival</name>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>Não é possível abrir %1: %2.</translation>
    </message>
</context>
<context>
    <name>RomArgument</name>
    <message>
        <source>it could not be checked</source>
        <translation>não foi possível verificá-lo</translation>
    </message>
    <message>
        <source>earlier paths are still being checked</source>
        <translation>caminhos anteriores ainda estão sendo verificados</translation>
    </message>
    <message>
        <source>the window was in use before the file could be checked</source>
        <translation>a janela foi usada antes que o arquivo pudesse ser verificado</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>its name does not match &quot;%1&quot;</source>
        <translation>o nome não corresponde a “%1”</translation>
    </message>
    <message>
        <source>it holds no ROM</source>
        <translation>não contém nenhuma ROM</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Find vexa</source>
        <translation>Localizar o vexa</translation>
    </message>
    <message>
        <source>%1 is not a program that may be run: the emulator is left as it was.</source>
        <translation>%1 não é um programa executável: o emulador continua o mesmo.</translation>
    </message>
</context>
<context>
    <name>StartFailure</name>
    <message>
        <source>The emulator could not be started (%1 was not found on the PATH).</source>
        <translation>Não foi possível iniciar o emulador (%1 não foi encontrado no PATH).</translation>
    </message>
    <message>
        <source>Install the vexa emulator, pick the emulator program with &quot;Find vexa…&quot;, or put a program or script named vexa on the PATH that starts your emulator (see &quot;USING ANOTHER EMULATOR&quot; in the manual page: man vexa-launcher).</source>
        <translation>Instale o emulador vexa, escolha o programa do emulador com “Localizar vexa…” ou coloque no PATH um programa ou script chamado vexa que inicie o seu emulador (veja “USING ANOTHER EMULATOR” na página de manual: man vexa-launcher).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 is not there any more).</source>
        <translation>Não foi possível iniciar o emulador (%1 não existe mais).</translation>
    </message>
    <message>
        <source>The emulator could not be started (its interpreter or loader is missing).</source>
        <translation>Não foi possível iniciar o emulador (falta o seu interpretador ou carregador).</translation>
    </message>
    <message>
        <source>The emulator could not be started (permission denied).</source>
        <translation>Não foi possível iniciar o emulador (permissão negada).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1 may not be run (permission denied)).</source>
        <translation>Não foi possível iniciar o emulador (%1 não pode ser executado (permissão negada)).</translation>
    </message>
    <message>
        <source>The emulator could not be started (%1).</source>
        <translation>Não foi possível iniciar o emulador (%1).</translation>
    </message>
    <message>
        <source>Pick the emulator program again with &quot;Find vexa…&quot;. To use vexa on the PATH again, see &quot;THE EMULATOR&quot; in the manual page (man vexa-launcher).</source>
        <translation>Escolha novamente o programa do emulador com “Localizar vexa…”. Para voltar a usar o vexa do PATH, veja “THE EMULATOR” na página de manual (man vexa-launcher).</translation>
    </message>
    <message>
        <source>The emulator stopped with status %1 right after it started.</source>
        <translation>O emulador terminou com o status %1 logo depois de iniciar.</translation>
    </message>
    <message>
        <source>The emulator stopped by signal %1 right after it started.</source>
        <translation>O emulador foi encerrado pelo sinal %1 logo depois de iniciar.</translation>
    </message>
    <message>
        <source>It wrote nothing on its error output.</source>
        <translation>Ele não escreveu nada na saída de erros.</translation>
    </message>
    <message>
        <source>It said:
%1</source>
        <translation>Ele disse:
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
        <translation>Localizar vexa…</translation>
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
        <translation>320x200 com GIF</translation>
    </message>
    <message>
        <source>256x200 With Gif</source>
        <translation>256x200 com GIF</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligado</translation>
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
        <translation>Não é possível ler a pasta %1.</translation>
    </message>
    <message>
        <source>Pick Your Gameboy Rom</source>
        <translation>Escolha sua ROM</translation>
    </message>
    <message>
        <source>Rom Path</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Picture Of The Game</source>
        <translation>Imagem do jogo</translation>
    </message>
    <message>
        <source>Game picture</source>
        <translation>Imagem do jogo</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
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
        <translation>Outras opções</translation>
    </message>
    <message>
        <source>Crc on/off</source>
        <translation>CRC lig/desl</translation>
    </message>
    <message>
        <source>Delay on/off</source>
        <translation>Atraso lig/desl</translation>
    </message>
    <message>
        <source>2 Player (SGB)</source>
        <translation>2 jog. (SGB)</translation>
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
        <translation>Tamanho da ROM</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Caminho</translation>
    </message>
    <message>
        <source>No Image Found</source>
        <translation>Nenhuma imagem encontrada</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>EXIT</source>
        <translation>SAIR</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>About Vexa</source>
        <translation>Sobre o Vexa</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Moldura</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Error scrolling text</source>
        <translation>Erro ao rolar o texto</translation>
    </message>
</context>
</TS>
