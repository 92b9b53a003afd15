<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Uso: %1 [--data-folder] [--new-window] [--library] [opções do Qt] [ROM|PASTA]
       %1 --import-dat DAT...
       %1 --report
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
  --import-dat DAT...
                 importar arquivos DAT (Logiqx XML) para a biblioteca, cada um
                 no lugar de um anterior de mesmo nome, mostrar uma linha e
                 sair: 1 e nada importado quando algum for recusado
  --report       ler de novo as pastas da biblioteca e mostrar uma linha por
                 ROM, separada por tabulações: verified, bad-dump ou
                 not-in-dat; ok ou damaged (o cabeçalho); o título; o caminho
                 completo (Arquivo.zip: inner.gb para uma entrada); depois uma
                 linha missing, jogo, DAT para cada jogo dos DATs sem nenhuma
                 ROM correspondente. Nenhuma das duas abre uma janela
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
    <name>DatImport</name>
    <message>
        <source>%1 (%2 games, %3 ROMs, in place of the older one)</source>
        <translation>%1 (%2 jogos, %3 ROMs, no lugar do anterior)</translation>
    </message>
    <message>
        <source>%1 (%2 games, %3 ROMs)</source>
        <translation>%1 (%2 jogos, %3 ROMs)</translation>
    </message>
    <message>
        <source>Imported 1 DAT file: %1</source>
        <translation>1 arquivo DAT importado: %1</translation>
    </message>
    <message>
        <source>Imported %1 DAT files: %2</source>
        <translation>%1 arquivos DAT importados: %2</translation>
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
    <name>Library</name>
    <message>
        <source>The folder %1 is not read now: too many folders do not answer</source>
        <translation>A pasta %1 não é lida agora: pastas demais não respondem</translation>
    </message>
    <message>
        <source>it has more than %1 folders</source>
        <translation>ela tem mais de %1 pastas</translation>
    </message>
    <message>
        <source>the user&apos;s inotify watches are used up</source>
        <translation>as vigilâncias inotify do usuário se esgotaram</translation>
    </message>
    <message>
        <source>Changes under %1 are not followed: %2</source>
        <translation>As mudanças em %1 não são acompanhadas: %2</translation>
    </message>
</context>
<context>
    <name>LibraryModel</name>
    <message>
        <source>Another version of the game above</source>
        <translation>Outra versão do jogo acima</translation>
    </message>
    <message>
        <source>Click to hide the other versions of this game</source>
        <translation>Clique para ocultar as outras versões deste jogo</translation>
    </message>
    <message>
        <source>1 other version of this game: click to list it</source>
        <translation>1 outra versão deste jogo: clique para listá-la</translation>
    </message>
    <message>
        <source>%1 other versions of this game: click to list them</source>
        <translation>%1 outras versões deste jogo: clique para listá-las</translation>
    </message>
    <message>
        <source>Verified in %1</source>
        <translation>Verificada em %1</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>Cabeçalho danificado</translation>
    </message>
    <message>
        <source>A good dump, as an imported DAT lists it</source>
        <translation>Um dump bom, como um DAT importado o lista</translation>
    </message>
    <message>
        <source>A good dump, as %1 lists it</source>
        <translation>Um dump bom, como %1 o lista</translation>
    </message>
    <message>
        <source>A bad dump: a DAT lists this game with other contents, or marks this dump bad</source>
        <translation>Um dump ruim: um DAT lista este jogo com outro conteúdo, ou marca este dump como ruim</translation>
    </message>
    <message>
        <source>No imported DAT lists this ROM</source>
        <translation>Nenhum DAT importado lista esta ROM</translation>
    </message>
    <message>
        <source>Header damaged: its header checksum or logo is wrong; it starts all the same</source>
        <translation>Cabeçalho danificado: a soma de verificação ou o logotipo estão errados; ela inicia mesmo assim</translation>
    </message>
    <message>
        <source>Started once</source>
        <translation>Iniciada uma vez</translation>
    </message>
    <message>
        <source>Started %1 times</source>
        <translation>Iniciada %1 vezes</translation>
    </message>
    <message>
        <source>A favourite: click to take it off</source>
        <translation>Um favorito: clique para tirá-lo</translation>
    </message>
    <message>
        <source>Click to make it a favourite</source>
        <translation>Clique para marcá-lo como favorito</translation>
    </message>
    <message>
        <source>The other versions of a game</source>
        <translation>As outras versões de um jogo</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Checagem</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Last played</source>
        <translation>Última partida</translation>
    </message>
    <message>
        <source>Play time</source>
        <translation>Tempo de jogo</translation>
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
        <translation>só Color</translation>
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
        <translation>Dump ruim</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>Fora do DAT</translation>
    </message>
    <message>
        <source>%1 · Header damaged</source>
        <translation>%1 · Cabeçalho danificado</translation>
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
        <translation>Todas as ROMs das suas pastas em uma só lista: a Biblioteca, Ctrl+L ou um clique com o botão direito aqui.</translation>
    </message>
</context>
<context>
    <name>LibraryScan</name>
    <message>
        <source>The folder %1 cannot be read: %2</source>
        <translation>A pasta %1 não pode ser lida: %2</translation>
    </message>
    <message>
        <source>%1 folders under %2 cannot be read</source>
        <translation>%1 pastas em %2 não podem ser lidas</translation>
    </message>
    <message>
        <source>%1 files under %2 cannot be read (%3)</source>
        <translation>%1 arquivos em %2 não podem ser lidos (%3)</translation>
    </message>
</context>
<context>
    <name>LibraryStore</name>
    <message>
        <source>The library %1 is in use by another launcher: %2</source>
        <translation>A biblioteca %1 está em uso por outro lançador: %2</translation>
    </message>
    <message>
        <source>The library %1 is read-only: %2</source>
        <translation>A biblioteca %1 é somente leitura: %2</translation>
    </message>
    <message>
        <source>The library %1: %3 (%2)</source>
        <translation>A biblioteca %1: %3 (%2)</translation>
    </message>
    <message>
        <source>The library %1 is read-only: nothing is stored</source>
        <translation>A biblioteca %1 é somente leitura: nada é salvo</translation>
    </message>
    <message>
        <source>The library cannot be opened: %1</source>
        <translation>A biblioteca não pode ser aberta: %1</translation>
    </message>
    <message>
        <source>The library&apos;s folder %1 cannot be made: %2</source>
        <translation>A pasta da biblioteca %1 não pode ser criada: %2</translation>
    </message>
    <message>
        <source>The library %1 is damaged and cannot be moved aside: %2</source>
        <translation>A biblioteca %1 está danificada e não pode ser posta de lado: %2</translation>
    </message>
    <message>
        <source>The library %1 was damaged: it was moved to %2 and is read again from the disk (the history of %3 games kept)</source>
        <translation>A biblioteca %1 estava danificada: ela foi movida para %2 e é lida de novo do disco (o histórico de %3 jogos foi mantido)</translation>
    </message>
    <message>
        <source>a link</source>
        <translation>um link</translation>
    </message>
    <message>
        <source>a FIFO</source>
        <translation>um FIFO</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>uma pasta</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>The library %1 is %2: it is left as it is and not opened</source>
        <translation>A biblioteca %1 é %2: ela fica como está e não é aberta</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>ela não pode ser aberta</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>ela não pode ser lida</translation>
    </message>
    <message>
        <source>its version cannot be read</source>
        <translation>a versão dela não pode ser lida</translation>
    </message>
    <message>
        <source>The library %1 was written by a newer launcher (version %2): it is left as it is</source>
        <translation>A biblioteca %1 foi gravada por um lançador mais novo (versão %2): ela fica como está</translation>
    </message>
    <message>
        <source>it cannot be brought to version %1</source>
        <translation>ela não pode ser levada à versão %1</translation>
    </message>
    <message>
        <source>the folder %1 cannot be added</source>
        <translation>a pasta %1 não pode ser adicionada</translation>
    </message>
    <message>
        <source>the folder %1 cannot be removed</source>
        <translation>a pasta %1 não pode ser removida</translation>
    </message>
    <message>
        <source>the folders cannot be updated</source>
        <translation>as pastas não podem ser atualizadas</translation>
    </message>
    <message>
        <source>what was read under %1 cannot be stored</source>
        <translation>o que foi lido em %1 não pode ser salvo</translation>
    </message>
    <message>
        <source>the favourite cannot be stored</source>
        <translation>o favorito não pode ser salvo</translation>
    </message>
    <message>
        <source>the start of a game cannot be stored</source>
        <translation>o início de um jogo não pode ser salvo</translation>
    </message>
    <message>
        <source>the play time cannot be stored</source>
        <translation>o tempo de jogo não pode ser salvo</translation>
    </message>
    <message>
        <source>the DAT file %1 cannot be stored</source>
        <translation>o arquivo DAT %1 não pode ser salvo</translation>
    </message>
    <message>
        <source>the DAT files cannot be stored</source>
        <translation>os arquivos DAT não podem ser salvos</translation>
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
        <translation>Encontre um jogo pelo título, nome do arquivo ou título do cartucho (Ctrl+F)</translation>
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
        <translation>Jogados recentemente</translation>
    </message>
    <message>
        <source>Show the ROMs by what the DAT files and their headers say of them</source>
        <translation>Mostrar as ROMs pelo que os arquivos DAT e os cabeçalhos dizem delas</translation>
    </message>
    <message>
        <source>All checks</source>
        <translation>Todas as checagens</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verificada</translation>
    </message>
    <message>
        <source>Bad dump</source>
        <translation>Dump ruim</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>Fora do DAT</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>Cabeçalho danificado</translation>
    </message>
    <message>
        <source>One row per game</source>
        <translation>Uma linha por jogo</translation>
    </message>
    <message>
        <source>Show the versions of a game (regions, revisions, betas) as one row</source>
        <translation>Mostrar as versões de um jogo (regiões, revisões, betas) em uma só linha</translation>
    </message>
    <message>
        <source>Regions…</source>
        <translation>Regiões…</translation>
    </message>
    <message>
        <source>Which region&apos;s version a game&apos;s row shows first</source>
        <translation>Qual versão regional a linha de um jogo mostra primeiro</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>Pastas:</translation>
    </message>
    <message>
        <source>Add folder…</source>
        <translation>Adicionar pasta…</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Import DAT…</source>
        <translation>Importar DAT…</translation>
    </message>
    <message>
        <source>Read DAT files (Logiqx XML) that list the good dumps, to check the ROMs against</source>
        <translation>Ler arquivos DAT (Logiqx XML) que listam os dumps bons, para checar as ROMs com eles</translation>
    </message>
    <message>
        <source>Reading %v of %m</source>
        <translation>Lendo %v de %m</translation>
    </message>
    <message>
        <source>This folder does not answer.</source>
        <translation>Esta pasta não responde.</translation>
    </message>
    <message>
        <source>%1 does not answer: the rest of the library is shown.</source>
        <translation>%1 não responde: o resto da biblioteca é mostrado.</translation>
    </message>
    <message>
        <source>Add a folder to the library</source>
        <translation>Adicionar uma pasta à biblioteca</translation>
    </message>
    <message>
        <source>Import DAT files</source>
        <translation>Importar arquivos DAT</translation>
    </message>
    <message>
        <source>DAT files (*.dat *.xml);;All files (*)</source>
        <translation>Arquivos DAT (*.dat *.xml);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Region order</source>
        <translation>Ordem das regiões</translation>
    </message>
    <message>
        <source>The regions whose version a game&apos;s row shows first, best first,
separated by commas (empty for World, USA, Europe, Japan):</source>
        <translation>As regiões cuja versão a linha de um jogo mostra primeiro, a melhor primeiro,
separadas por vírgulas (vazio para World, USA, Europe, Japan):</translation>
    </message>
    <message>
        <source>%1 ROMs</source>
        <translation>%1 ROMs</translation>
    </message>
    <message>
        <source>%1 of %2 ROMs</source>
        <translation>%1 de %2 ROMs</translation>
    </message>
    <message>
        <source>%1 games, %2</source>
        <translation>%1 jogos, %2</translation>
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
    <name>RomNotes</name>
    <message>
        <source>Verified: %1</source>
        <translation>Verificada: %1</translation>
    </message>
    <message>
        <source>Bad dump: %1</source>
        <translation>Dump ruim: %1</translation>
    </message>
    <message>
        <source>Not in DAT</source>
        <translation>Fora do DAT</translation>
    </message>
    <message>
        <source>Header damaged</source>
        <translation>Cabeçalho danificado</translation>
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
