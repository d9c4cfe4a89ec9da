<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Categories</name>
    <message>
        <source>General Video</source>
        <translation>Vídeo geral</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Áudio geral</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media player</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vídeo HD</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
</context>
<context>
    <name>ChoiceBox</name>
    <message>
        <source>Higher Quality</source>
        <translation>Qualidade muito alta</translation>
    </message>
    <message>
        <source>High Quality</source>
        <translation>Qualidade alta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Low Quality</source>
        <translation>Qualidade baixa</translation>
    </message>
    <message>
        <source>Lower Quality</source>
        <translation>Qualidade muito baixa</translation>
    </message>
    <message>
        <source>The original width and height</source>
        <translation>Largura e altura originais</translation>
    </message>
    <message>
        <source>The Original Video Quliay</source>
        <translation>Qualidade de vídeo original</translation>
    </message>
    <message>
        <source>The Original Audio Quliay</source>
        <translation>Qualidade de áudio original</translation>
    </message>
    <message>
        <source>No Video</source>
        <translation>Sem vídeo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
</context>
<context>
    <name>DesktopBus</name>
    <message>
        <source>The system bus cannot be reached.</source>
        <translation>Não é possível acessar o barramento do sistema.</translation>
    </message>
</context>
<context>
    <name>FailureReason</name>
    <message>
        <source>the encoder was stopped</source>
        <translation>o codificador foi parado</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the source cannot be read</source>
        <translation>não é possível ler a origem</translation>
    </message>
    <message>
        <source>the output folder is gone</source>
        <translation>a pasta de saída não existe mais</translation>
    </message>
    <message>
        <source>the output folder cannot be written</source>
        <translation>não é possível gravar na pasta de saída</translation>
    </message>
    <message>
        <source>the source has no sound</source>
        <translation>a origem não tem som</translation>
    </message>
    <message>
        <source>the source has no picture</source>
        <translation>a origem não tem imagem</translation>
    </message>
    <message>
        <source>the encoder ended with exit code %1</source>
        <translation>o codificador terminou com o código de saída %1</translation>
    </message>
</context>
<context>
    <name>Invocation</name>
    <message>
        <source>Invalid height or width "%1": the picture size must be two positive whole numbers such as 320x240.</source>
        <translation>Altura ou largura "%1" inválida: o tamanho da imagem deve ser dois números inteiros positivos, como 320x240.</translation>
    </message>
    <message>
        <source>The source video bit rate "%1" is not a number.</source>
        <translation>A taxa de bits de vídeo da origem "%1" não é um número.</translation>
    </message>
    <message>
        <source>The source audio bit rate "%1" is not a number.</source>
        <translation>A taxa de bits de áudio da origem "%1" não é um número.</translation>
    </message>
    <message>
        <source>The profile's video bit rate "%1" is not a number.</source>
        <translation>A taxa de bits de vídeo do perfil "%1" não é um número.</translation>
    </message>
    <message>
        <source>Choose PAL or NTSC as the video size for this disc format.</source>
        <translation>Escolha PAL ou NTSC como tamanho de vídeo para este formato de disco.</translation>
    </message>
    <message>
        <source>No output folder is set.</source>
        <translation>Nenhuma pasta de saída definida.</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be created.</source>
        <translation>Não é possível criar a pasta de saída %1.</translation>
    </message>
</context>
<context>
    <name>LayoutFile</name>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>line %1 holds binary data</source>
        <translation>a linha %1 contém dados binários</translation>
    </message>
    <message>
        <source>line %1 is an unfinished section name</source>
        <translation>a linha %1 é um nome de seção incompleto</translation>
    </message>
    <message>
        <source>line %1 is not a section, a key=value pair or a comment</source>
        <translation>a linha %1 não é uma seção, um par chave=valor nem um comentário</translation>
    </message>
    <message>
        <source>line %1 comes before any section</source>
        <translation>a linha %1 vem antes de qualquer seção</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não é possível lê-lo</translation>
    </message>
    <message>
        <source>The layout file Skin.ini is damaged (%1). The window uses its built-in layout; please install the program again.</source>
        <translation>O arquivo de layout Skin.ini está danificado (%1). A janela usa o layout embutido; reinstale o programa.</translation>
    </message>
</context>
<context>
    <name>LogDialog</name>
    <message>
        <source>Show Encoder &amp;Log</source>
        <translation>Mostrar o &amp;log do codificador</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Add File(A)</source>
        <translation>&amp;Adicionar arquivos</translation>
    </message>
    <message>
        <source>A&amp;dd Folder(D)</source>
        <translation>Adicionar &amp;pasta</translation>
    </message>
    <message>
        <source>Proper&amp;ties(T)</source>
        <translation>Proprie&amp;dades</translation>
    </message>
    <message>
        <source>&amp;Browse Output Folder…</source>
        <translation>&amp;Escolher pasta de saída…</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>A&amp;brir pasta de saída</translation>
    </message>
    <message>
        <source>&amp;Run Background(R)</source>
        <translation>Executar em &amp;segundo plano</translation>
    </message>
    <message>
        <source>&amp;Exit(E)</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Remove(R)</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Clear(C)</source>
        <translation>&amp;Limpar lista</translation>
    </message>
    <message>
        <source>Re&amp;name(N)</source>
        <translation>Re&amp;nomear</translation>
    </message>
    <message>
        <source>Select A&amp;ll(L)</source>
        <translation>Marcar &amp;todos</translation>
    </message>
    <message>
        <source>&amp;Unselect All(U)</source>
        <translation>&amp;Desmarcar todos</translation>
    </message>
    <message>
        <source>Un&amp;do Remove</source>
        <translation>Desfa&amp;zer remoção</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mover para &amp;cima</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <source>Con&amp;vert(V)</source>
        <translation>Con&amp;verter</translation>
    </message>
    <message>
        <source>&amp;Pause(P)</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Stop(S)</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>Sett&amp;ings(I)</source>
        <translation>Confi&amp;gurações</translation>
    </message>
    <message>
        <source>&amp;Help(H)</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Feedback and Support(F)</source>
        <translation>&amp;Comentários e suporte</translation>
    </message>
    <message>
        <source>About </source>
        <translation>Sobre o </translation>
    </message>
    <message>
        <source>Add DVD</source>
        <translation>Adicionar DVD</translation>
    </message>
    <message>
        <source>Add IFO</source>
        <translation>Adicionar IFO</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Marcar todos</translation>
    </message>
    <message>
        <source>Unselect ALL</source>
        <translation>Desmarcar todos</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Next page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Ações</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferram.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Tarefas</translation>
    </message>
    <message>
        <source>Output folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Sound track</source>
        <translation>Faixa de áudio</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pré-visualização</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Profile category: choose a profile</source>
        <translation>Categoria de perfil: escolher um perfil</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
</context>
<context>
    <name>OpenFilters</name>
    <message>
        <source>All Support Format</source>
        <translation>Todos os formatos suportados</translation>
    </message>
    <message>
        <source>All File(*.*)</source>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
</context>
<context>
    <name>PictureButtons</name>
    <message>
        <source>Add File</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Remove Files</source>
        <translation>Remover arquivos</translation>
    </message>
    <message>
        <source>Clear file list</source>
        <translation>Limpar a lista de arquivos</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>Start conversion</source>
        <translation>Iniciar conversão</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Pausar conversão</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Parar conversão</translation>
    </message>
    <message>
        <source>About US</source>
        <translation>Sobre nós</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>General Video</source>
        <translation>Vídeo geral</translation>
    </message>
    <message>
        <source>General Audio</source>
        <translation>Áudio geral</translation>
    </message>
    <message>
        <source>Mobile Phone</source>
        <translation>Celular</translation>
    </message>
    <message>
        <source>Pocket PC</source>
        <translation>Pocket PC</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media player</translation>
    </message>
    <message>
        <source>HD Video</source>
        <translation>Vídeo HD</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animação</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Detalhes</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Converter</translation>
    </message>
    <message>
        <source>More formats</source>
        <translation>Mais formatos</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
    <message>
        <source>%1 Video Converter</source>
        <translation>Conversor de vídeo %1</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>There is no profile number %1 in the profile file.</source>
        <translation>O arquivo de perfis não tem o perfil número %1.</translation>
    </message>
    <message>
        <source>The profile file ends before the settings of profile %1 (it needs %2 lines and has %3).</source>
        <translation>O arquivo de perfis termina antes das configurações do perfil %1 (são necessárias %2 linhas e há %3).</translation>
    </message>
    <message>
        <source>Cannot open the file %1: %2</source>
        <translation>Não é possível abrir o arquivo %1: %2</translation>
    </message>
    <message>
        <source>Cannot read the file %1.</source>
        <translation>Não é possível ler o arquivo %1.</translation>
    </message>
</context>
<context>
    <name>ProfileSettings</name>
    <message>
        <source>Cannot read the settings file %1.</source>
        <translation>Não é possível ler o arquivo de configurações %1.</translation>
    </message>
    <message>
        <source>Cannot write the settings file %1.</source>
        <translation>Não é possível gravar o arquivo de configurações %1.</translation>
    </message>
</context>
<context>
    <name>SideEffects</name>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
    <message>
        <source>The computer cannot be shut down: %1</source>
        <translation>Não é possível desligar o computador: %1</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>Ações</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferram.</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>More ways to add files</source>
        <translation>Outras formas de adicionar arquivos</translation>
    </message>
    <message>
        <source>Add files or a folder to start</source>
        <translation>Adicione arquivos ou uma pasta</translation>
    </message>
    <message>
        <source>Add Files…</source>
        <translation>Arquivos…</translation>
    </message>
    <message>
        <source>Add Folder…</source>
        <translation>Pasta…</translation>
    </message>
    <message>
        <source>Preview position</source>
        <translation>Posição da prévia</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tempo reproduzido</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Select a job and press Play to preview it</source>
        <translation>Escolha uma tarefa e clique em Reproduzir</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Change ▾</source>
        <translation>Alterar ▾</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Saída</translation>
    </message>
    <message>
        <source>Browse…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Ready to convert</source>
        <translation>Pronto para converter</translation>
    </message>
    <message>
        <source>Output size</source>
        <translation>Tamanho de saída</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>Passado</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Tempo decorrido</translation>
    </message>
    <message>
        <source>Remaining</source>
        <translation>Restante</translation>
    </message>
    <message>
        <source>Remaining time</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>Conversion progress</source>
        <translation>Progresso da conversão</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Output file</source>
        <translation>Arquivo de saída</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Lote</translation>
    </message>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>-30s</source>
        <translation>-30 s</translation>
    </message>
    <message>
        <source>Back 30 seconds</source>
        <translation>Voltar 30 segundos</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzir</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>+30s</source>
        <translation>+30 s</translation>
    </message>
    <message>
        <source>Forward 30 seconds</source>
        <translation>Avançar 30 segundos</translation>
    </message>
    <message>
        <source>Set Begin</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Begin time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Set End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de fim</translation>
    </message>
    <message>
        <source>Jobs and their marks</source>
        <translation>Tarefas e suas marcas</translation>
    </message>
    <message>
        <source>Play a job, mark its begin and end, then close the window to apply the marks.</source>
        <translation>Reproduza uma tarefa, marque início e fim e feche a janela.</translation>
    </message>
</context>
<context>
    <name>SkinDisplay</name>
    <message>
        <source>The skin file cannot be loaded: %1</source>
        <translation>Não é possível carregar o arquivo de tema: %1</translation>
    </message>
</context>
<context>
    <name>StartArgs</name>
    <message>
        <source>The profiles:</source>
        <translation>Os perfis:</translation>
    </message>
    <message>
        <source>there is no profile number %1.</source>
        <translation>não há perfil com o número %1.</translation>
    </message>
    <message>
        <source>no profile is named "%1".</source>
        <translation>nenhum perfil se chama "%1".</translation>
    </message>
    <message>
        <source>the profiles %1 share the name "%2": give the number.</source>
        <translation>os perfis %1 têm o mesmo nome "%2": informe o número.</translation>
    </message>
    <message>
        <source>--output needs a folder.</source>
        <translation>--output precisa de uma pasta.</translation>
    </message>
    <message>
        <source>--jobs takes "auto" or a number from 1 to %1 (the number of cores), not "%2".</source>
        <translation>--jobs aceita "auto" ou um número de 1 a %1 (o número de núcleos), não "%2".</translation>
    </message>
    <message>
        <source>--audio-track takes the number of a sound track, from 1, not "%1".</source>
        <translation>--audio-track aceita o número de uma faixa de áudio, a partir de 1, não "%1".</translation>
    </message>
    <message>
        <source>--subtitle takes the number of a subtitle, from 1, a subtitle file (.srt, .ass, .ssa, .vtt) or "none", not "%1".</source>
        <translation>--subtitle aceita o número de uma legenda, a partir de 1, um arquivo de legenda (.srt, .ass, .ssa, .vtt) ou "none", não "%1".</translation>
    </message>
    <message>
        <source>%1 needs a value.</source>
        <translation>%1 precisa de um valor.</translation>
    </message>
    <message>
        <source>%1 is taken only with --convert.</source>
        <translation>%1 só é aceito com --convert.</translation>
    </message>
    <message>
        <source>--convert needs the files or folders to convert.</source>
        <translation>--convert precisa dos arquivos ou pastas a converter.</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]... [FILE|FOLDER]...
</source>
        <translation>Uso: %1 [OPÇÃO]... [ARQUIVO|PASTA]...
</translation>
    </message>
    <message>
        <source>  or:  %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] FILE|FOLDER...
</source>
        <translation> ou: %1 --convert [--profile N|NAME] [--output DIR] [--jobs N|auto]
              [--audio-track N] [--subtitle N|FILE|none] ARQUIVO|PASTA...
</translation>
    </message>
    <message>
        <source>Converts video and audio files. Files named are added to the job list; a folder adds
the media files it holds. When the converter runs already, the names go to its
window.

  -h, --help     show this help and exit
      --version  show the version and exit
  --             end of the options: every later argument is a file or folder

Qt's own options (-platform NAME, -style NAME, -reverse and others) are taken as
well.

</source>
        <translation>Converte arquivos de vídeo e áudio. Os arquivos indicados são adicionados à
lista de tarefas; uma pasta adiciona os arquivos de mídia que contém. Se o
conversor já estiver em execução, os nomes são passados para a janela dele.

  -h, --help     mostra esta ajuda e sai
      --version  mostra a versão e sai
  --             fim das opções: cada argumento seguinte é um arquivo ou
                 uma pasta

As opções próprias do Qt (-platform NAME, -style NAME, -reverse e outras)
também são aceitas.

</translation>
    </message>
    <message>
        <source>Converting without a window (no display needed):
      --convert           convert the files, and the media files of the
                          folders, with this edition's saved settings; exit
      --profile N|NAME    the output profile: its number, or its name as the
                          profile picker shows it, in any case; default: the
                          saved profile (a wrong one lists the profiles)
      --output DIR        the output folder; default: the saved one
      --jobs N|auto       conversions side by side: 1 up to the number of
                          cores, or auto
      --audio-track N     the sound track of each file, from 1; default: the
                          file's default track; a file with fewer fails
      --subtitle N|FILE|none
                          burn in each file's Nth subtitle (its subtitle
                          streams, then the subtitle files beside it named
                          like it), or a subtitle file (.srt, .ass, .ssa,
                          .vtt); default: none
A line per file on the error output tells how far it is and how it ended.
Ctrl+C stops the conversion and removes the unfinished output.

Exit status: 0 when the window was closed, an option printed its text or every
file was converted; 1 when a file could not be converted; 2 for an option that is
not known, a wrong value or a file that is missing; 130 after Ctrl+C (143 after
SIGTERM); another value when the program could not start.
</source>
        <translation>Conversão sem janela (não precisa de tela):
      --convert           converte os arquivos, e os arquivos de mídia das
                          pastas, com as configurações salvas desta edição;
                          depois sai
      --profile N|NAME    o perfil de saída: seu número, ou seu nome como o
                          seletor de perfis o mostra, sem diferenciar
                          maiúsculas; padrão: o perfil salvo (um perfil
                          errado lista os perfis)
      --output DIR        a pasta de saída; padrão: a salva
      --jobs N|auto       conversões simultâneas: de 1 até o número de
                          núcleos, ou auto
      --audio-track N     a faixa de áudio de cada arquivo, a partir de 1;
                          padrão: a faixa padrão do arquivo; um arquivo com
                          menos faixas falha
      --subtitle N|FILE|none
                          embute na imagem a N-ésima legenda de cada arquivo
                          (seus fluxos de legenda, depois os arquivos de
                          legenda ao lado dele com o mesmo nome), ou um
                          arquivo de legenda (.srt, .ass, .ssa, .vtt);
                          padrão: nenhuma
Uma linha por arquivo na saída de erros informa o andamento e como terminou.
Ctrl+C interrompe a conversão e remove a saída inacabada.

Status de saída: 0 quando a janela foi fechada, uma opção mostrou seu texto ou
todos os arquivos foram convertidos; 1 quando um arquivo não pôde ser
convertido; 2 para uma opção desconhecida, um valor errado ou um arquivo que
falta; 130 após Ctrl+C (143 após SIGTERM); outro valor quando o programa não
pôde iniciar.
</translation>
    </message>
    <message>
        <source>Try "%1 --help" for more information.</source>
        <translation>Experimente "%1 --help" para mais informações.</translation>
    </message>
    <message>
        <source>%1: unknown option %2
</source>
        <translation>%1: opção desconhecida %2
</translation>
    </message>
</context>
<context>
    <name>TrackChoice</name>
    <message>
        <source>Subtitle %1</source>
        <translation>Legenda %1</translation>
    </message>
    <message>
        <source>No subtitles</source>
        <translation>Sem legendas</translation>
    </message>
    <message>
        <source>%1 (burned in)</source>
        <translation>%1 (embutidas na imagem)</translation>
    </message>
    <message>
        <source>%1 (as a track)</source>
        <translation>%1 (como faixa)</translation>
    </message>
    <message>
        <source>Sound %1 (default)</source>
        <translation>Faixa de áudio %1 (padrão)</translation>
    </message>
    <message>
        <source>Sound %1</source>
        <translation>Faixa de áudio %1</translation>
    </message>
    <message>
        <source>Subtitle %1: %2</source>
        <translation>Legenda %1: %2</translation>
    </message>
    <message>
        <source>, picture</source>
        <translation>, imagem</translation>
    </message>
    <message>
        <source>, text</source>
        <translation>, texto</translation>
    </message>
</context>
<context>
    <name>vc::BackgroundTray</name>
    <message>
        <source>Orvelle Software</source>
        <translation>Orvelle Software</translation>
    </message>
</context>
<context>
    <name>vc::BatchEndActions</name>
    <message>
        <source>%1 converted, %2 failed</source>
        <translation>%1 convertidos, %2 com falha</translation>
    </message>
    <message>
        <source>Conversion finished</source>
        <translation>Conversão concluída</translation>
    </message>
    <message>
        <source>%1 of the jobs could not be converted:

%2</source>
        <translation>%1 tarefas não puderam ser convertidas:

%2</translation>
    </message>
</context>
<context>
    <name>vc::BatchRunner</name>
    <message>
        <source>The encoder cannot be started.</source>
        <translation>Não é possível iniciar o codificador.</translation>
    </message>
    <message>
        <source>the encoder ended with code %1</source>
        <translation>o codificador terminou com o código %1</translation>
    </message>
    <message>
        <source>the output file was not written</source>
        <translation>o arquivo de saída não foi gravado</translation>
    </message>
    <message>
        <source>the output file is empty</source>
        <translation>o arquivo de saída está vazio</translation>
    </message>
</context>
<context>
    <name>vc::CommandLineConversion</name>
    <message>
        <source>there is no file or folder "%1".</source>
        <translation>não existe o arquivo ou pasta "%1".</translation>
    </message>
    <message>
        <source>there is no subtitle file "%1".</source>
        <translation>não existe o arquivo de legenda "%1".</translation>
    </message>
    <message>
        <source>the output folder "%1" is not a folder.</source>
        <translation>a pasta de saída "%1" não é uma pasta.</translation>
    </message>
    <message>
        <source>the folders named hold no media files.</source>
        <translation>as pastas indicadas não contêm arquivos de mídia.</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>não é possível ler o arquivo</translation>
    </message>
    <message>
        <source>the file cannot be converted</source>
        <translation>não é possível converter o arquivo</translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <translation>%1: falhou: %2</translation>
    </message>
    <message>
        <source>no sound track %1: the file has none</source>
        <translation>não há faixa de áudio %1: o arquivo não tem nenhuma</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only one</source>
        <translation>não há faixa de áudio %1: o arquivo tem só uma</translation>
    </message>
    <message>
        <source>no sound track %1: the file has only %2</source>
        <translation>não há faixa de áudio %1: o arquivo tem só %2</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has none</source>
        <translation>não há legenda %1: o arquivo não tem nenhuma</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only one</source>
        <translation>não há legenda %1: o arquivo tem só uma</translation>
    </message>
    <message>
        <source>no subtitle %1: the file has only %2</source>
        <translation>não há legenda %1: o arquivo tem só %2</translation>
    </message>
    <message>
        <source>%1: 100%, converted</source>
        <translation>%1: 100%, convertido</translation>
    </message>
    <message>
        <source>%1: %2, stopped; the unfinished output was removed</source>
        <translation>%1: %2, parado; a saída inacabada foi removida</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 files converted.</source>
        <translation>Parado: %1 de %2 arquivos convertidos.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted, %3 failed.</source>
        <translation>%1 de %2 arquivos convertidos, %3 com falha.</translation>
    </message>
    <message>
        <source>%1 of %2 files converted into %3</source>
        <translation>%1 de %2 arquivos convertidos em %3</translation>
    </message>
</context>
<context>
    <name>vc::DesktopNotifier</name>
    <message>
        <source>Open folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
</context>
<context>
    <name>vc::EncoderRunner</name>
    <message>
        <source>The encoder command line is empty.</source>
        <translation>A linha de comando do codificador está vazia.</translation>
    </message>
    <message>
        <source>Cannot start the encoder %1: %2</source>
        <translation>Não é possível iniciar o codificador %1: %2</translation>
    </message>
</context>
<context>
    <name>vc::HelpWindow</name>
    <message>
        <source>Video Converter Help</source>
        <translation>Ajuda do Conversor de vídeo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>%1 - Video Converter Help</source>
        <translation>%1 - Ajuda do Conversor de vídeo</translation>
    </message>
</context>
<context>
    <name>vc::JobList</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Width * Height</source>
        <translation>Largura * Altura</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Output Size</source>
        <translation>Tamanho de saída</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproduzindo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausado</translation>
    </message>
</context>
<context>
    <name>vc::LogDialog</name>
    <message>
        <source>Encoder Log - %1</source>
        <translation>Log do codificador - %1</translation>
    </message>
    <message>
        <source>This job has no log yet.</source>
        <translation>Esta tarefa ainda não tem log.</translation>
    </message>
</context>
<context>
    <name>vc::MediaProbe</name>
    <message>
        <source>Another file is being examined.</source>
        <translation>Outro arquivo está sendo analisado.</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>O arquivo não pôde ser lido a tempo: %1</translation>
    </message>
    <message>
        <source>The encoder could not read %1</source>
        <translation>O codificador não conseguiu ler %1</translation>
    </message>
</context>
<context>
    <name>vc::PreviewPlayer</name>
    <message>
        <source>The preview is not available. %1</source>
        <translation>A prévia não está disponível. %1</translation>
    </message>
</context>
<context>
    <name>vc::ProbeQueue</name>
    <message>
        <source>The encoder could not read %1</source>
        <translation>O codificador não conseguiu ler %1</translation>
    </message>
    <message>
        <source>The file could not be read in time: %1</source>
        <translation>O arquivo não pôde ser lido a tempo: %1</translation>
    </message>
    <message>
        <source>The encoder ended while reading %1</source>
        <translation>O codificador terminou ao ler %1</translation>
    </message>
</context>
<context>
    <name>vc::ProfilePicker</name>
    <message>
        <source>Profiles</source>
        <translation>Perfis</translation>
    </message>
    <message>
        <source>Up and Down choose within a list, Right and Left go between categories and profiles, Return chooses, Escape closes</source>
        <translation>Cima e Baixo escolhem dentro de uma lista, Direita e Esquerda passam entre categorias e perfis, Enter escolhe, Esc fecha</translation>
    </message>
    <message>
        <source>%1 (current)</source>
        <translation>%1 (atual)</translation>
    </message>
    <message>
        <source>Category: %1</source>
        <translation>Categoria: %1</translation>
    </message>
</context>
<context>
    <name>vc::ProgressDisplay</name>
    <message>
        <source>Paused</source>
        <translation>Pausado</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 convertidos</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 com falha</translation>
    </message>
    <message>
        <source>Stopped: %1</source>
        <translation>Parado: %1</translation>
    </message>
    <message>
        <source>Saved in %1</source>
        <translation>Salvo em %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>%1 running, %2 done, %3 left</source>
        <translation>%1 em andamento, %2 concluídas, %3 restantes</translation>
    </message>
    <message>
        <source>Batch %1 left</source>
        <translation>Faltam %1 no total</translation>
    </message>
</context>
<context>
    <name>vc::ShutdownCountdown</name>
    <message>
        <source>Shut down</source>
        <translation>Desligar</translation>
    </message>
    <message>
        <source>The conversion has finished. The computer shuts down in %1 seconds.</source>
        <translation>A conversão terminou. O computador será desligado em %1 segundos.</translation>
    </message>
</context>
<context>
    <name>vc::Snapshot</name>
    <message>
        <source>The snapshot cannot be taken: the encoder cannot be started.</source>
        <translation>Não é possível capturar a imagem: o codificador não pode ser iniciado.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dir</name>
    <message>
        <source>Output Directory</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Pasta:</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova pasta</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>"%1" is a file, not a folder.</source>
        <translation>"%1" é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>There is no folder "%1". Press Ok again to make it.</source>
        <translation>A pasta "%1" não existe. Clique em OK de novo para criá-la.</translation>
    </message>
    <message>
        <source>The folder "%1" cannot be made.</source>
        <translation>Não é possível criar a pasta "%1".</translation>
    </message>
    <message>
        <source>New Folder %1</source>
        <translation>Nova pasta %1</translation>
    </message>
    <message>
        <source>A folder cannot be made in "%1".</source>
        <translation>Não é possível criar uma pasta em "%1".</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_dvdcutter</name>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Begin Time</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>End Time</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>The begin time cannot be after the end time.</source>
        <translation>O início não pode ser depois do fim.</translation>
    </message>
    <message>
        <source>The end time cannot be before the begin time.</source>
        <translation>O fim não pode ser antes do início.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_info</name>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Basic Info</source>
        <translation>Informações básicas</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Duração:</translation>
    </message>
    <message>
        <source>Bit Rate:</source>
        <translation>Taxa de bits:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Resolução:</translation>
    </message>
    <message>
        <source>Frame Rate:</source>
        <translation>Quadros/s:</translation>
    </message>
    <message>
        <source>Sample Rate:</source>
        <translation>Amostragem:</translation>
    </message>
    <message>
        <source>Channels:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>Faixas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_main</name>
    <message>
        <source>Video Converter</source>
        <translation>Conversor de vídeo</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>The convertion is processing, are you sure to quit?</source>
        <translation>Há uma conversão em andamento. Deseja mesmo sair?</translation>
    </message>
    <message>
        <source>The program did not close normally last time. Restore its job list?</source>
        <translation>O programa não foi fechado normalmente da última vez. Restaurar a lista de tarefas?</translation>
    </message>
    <message>
        <source>The language file "language.info" cannot be read. Please install again.</source>
        <translation>Não é possível ler o arquivo de idioma "language.info". Reinstale o programa.</translation>
    </message>
    <message>
        <source>The program file cannot be found, please install again.</source>
        <translation>Falta um arquivo do programa, reinstale o programa.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Continue conversion</source>
        <translation>Continuar conversão</translation>
    </message>
    <message>
        <source>Pause conversion</source>
        <translation>Pausar conversão</translation>
    </message>
    <message>
        <source>Snapshot saved: %1</source>
        <translation>Imagem salva: %1</translation>
    </message>
    <message>
        <source>The snapshot %1 could not be saved.</source>
        <translation>Não foi possível salvar a imagem %1.</translation>
    </message>
    <message>
        <source>The picture "images/main/%1.bmp" cannot be read.</source>
        <translation>Não é possível ler a imagem "images/main/%1.bmp".</translation>
    </message>
    <message>
        <source>The settings cannot be written to "%1".</source>
        <translation>Não é possível gravar as configurações em "%1".</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>File Directory</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Please select one file.</source>
        <translation>Selecione um arquivo.</translation>
    </message>
    <message>
        <source>Add a file to the job list first: a snapshot is taken from the previewed file.</source>
        <translation>Adicione primeiro um arquivo à lista: a imagem é tirada do arquivo em prévia.</translation>
    </message>
    <message>
        <source>The previous snapshot is still being saved. Please try again in a moment.</source>
        <translation>A imagem anterior ainda está sendo salva. Tente de novo em instantes.</translation>
    </message>
</context>
<context>
    <name>vc::Tfm_set</name>
    <message>
        <source>Invalid height or width, please input again or select from the pull-down menu.</source>
        <translation>Altura ou largura inválida; digite novamente ou escolha na lista.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Format Settings</source>
        <translation>Configurações de formato</translation>
    </message>
    <message>
        <source>Video Size:</source>
        <translation>Tamanho do vídeo:</translation>
    </message>
    <message>
        <source>Video Quality:</source>
        <translation>Qualidade do vídeo:</translation>
    </message>
    <message>
        <source>Audio Quality:</source>
        <translation>Qualidade do áudio:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canais:</translation>
    </message>
    <message>
        <source>Video Quality</source>
        <translation>Qualidade do vídeo</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Configurações de saída</translation>
    </message>
    <message>
        <source>Do nothing after conversion finished</source>
        <translation>Não fazer nada ao terminar a conversão</translation>
    </message>
    <message>
        <source>Open the target folder after conversion finished</source>
        <translation>Abrir a pasta de destino ao terminar a conversão</translation>
    </message>
    <message>
        <source>Automatically shut down after conversion finished</source>
        <translation>Desligar o computador ao terminar a conversão</translation>
    </message>
    <message>
        <source>Conversions</source>
        <translation>Conversões</translation>
    </message>
    <message>
        <source>Simultaneous conversions:</source>
        <translation>Conversões simultâneas:</translation>
    </message>
    <message>
        <source>Auto converts as many sound files at once as the computer has cores, and one video at a time: a video encoder uses every core already.</source>
        <translation>"Automático" converte tantos arquivos de áudio ao mesmo tempo quanto o computador tem núcleos, e um vídeo por vez: um codificador de vídeo já usa todos os núcleos.</translation>
    </message>
    <message>
        <source>Run conversions in the background (low priority)</source>
        <translation>Executar as conversões em segundo plano (baixa prioridade)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>The language changes the next time the program starts.</source>
        <translation>O idioma muda na próxima vez que o programa for iniciado.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>The language cannot be saved to "%1".</source>
        <translation>Não é possível salvar o idioma em "%1".</translation>
    </message>
</context>
</TS>
