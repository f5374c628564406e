<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>Autosave</name>
    <message>
        <source>O arquivo não contém nenhuma partida.</source>
        <translation>The file holds no game.</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>peão</source>
        <translation>pawn</translation>
    </message>
    <message>
        <source>cavalo</source>
        <translation>knight</translation>
    </message>
    <message>
        <source>bispo</source>
        <translation>bishop</translation>
    </message>
    <message>
        <source>torre</source>
        <translation>rook</translation>
    </message>
    <message>
        <source>dama</source>
        <translation>queen</translation>
    </message>
    <message>
        <source>rei</source>
        <translation>king</translation>
    </message>
    <message>
        <source>Brancas</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Pretas</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>%1 branca</source>
        <translation>white %1</translation>
    </message>
    <message>
        <source>%1 branco</source>
        <translation>white %1</translation>
    </message>
    <message>
        <source>%1 preta</source>
        <translation>black %1</translation>
    </message>
    <message>
        <source>%1 preto</source>
        <translation>black %1</translation>
    </message>
    <message>
        <source>%1, vazia</source>
        <translation>%1, empty</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>roque pequeno</source>
        <translation>castles kingside</translation>
    </message>
    <message>
        <source>roque grande</source>
        <translation>castles queenside</translation>
    </message>
    <message>
        <source>%1 %2 toma %3 %4</source>
        <translation>%1 %2 takes %3 %4</translation>
    </message>
    <message>
        <source>%1 %2 para %3</source>
        <translation>%1 %2 to %3</translation>
    </message>
    <message>
        <source>, promovido a %1</source>
        <translation>, promoted to %1</translation>
    </message>
    <message>
        <source>, xeque-mate</source>
        <translation>, checkmate</translation>
    </message>
    <message>
        <source>, xeque</source>
        <translation>, check</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1: nenhuma peça</source>
        <translation>%1: no pieces</translation>
    </message>
    <message>
        <source>%1 vazia</source>
        <translation>%1 empty</translation>
    </message>
    <message>
        <source>Fileira %1: %2</source>
        <translation>Rank %1: %2</translation>
    </message>
    <message>
        <source>Vez das Brancas.</source>
        <translation>White to move.</translation>
    </message>
    <message>
        <source>Vez das Pretas.</source>
        <translation>Black to move.</translation>
    </message>
    <message>
        <source>Tabuleiro</source>
        <translation>Board</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Mostra esta ajuda e sai.</source>
        <translation>Displays this help and exits.</translation>
    </message>
    <message>
        <source>Mostra a versão do programa e sai.</source>
        <translation>Displays the program&apos;s version and exits.</translation>
    </message>
    <message>
        <source>Kestravin 2005: xadrez para uma ou duas pessoas, contra o computador ou um amigo.</source>
        <translation>Kestravin 2005: chess for one or two players, against the computer or a friend.</translation>
    </message>
    <message>
        <source>opção desconhecida: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>Use &quot;kestravin --help&quot; para ver as opções.</source>
        <translation>Use &quot;kestravin --help&quot; to see the options.</translation>
    </message>
    <message>
        <source>partida.pgn</source>
        <translation>game.pgn</translation>
    </message>
    <message>
        <source>Abre a partida do arquivo PGN na janela do jogo.</source>
        <translation>Opens the game of the PGN file in the game window.</translation>
    </message>
    <message>
        <source>[partida.pgn]</source>
        <translation>[game.pgn]</translation>
    </message>
</context>
<context>
    <name>CoreErrorText</name>
    <message>
        <source>FEN vazio</source>
        <translation>FEN is empty</translation>
    </message>
    <message>
        <source>FEN: são esperados 6 campos, há %1</source>
        <translation>FEN: 6 fields expected, found %1</translation>
    </message>
    <message>
        <source>FEN: a fileira %1 não tem 8 casas</source>
        <translation>FEN: rank %1 does not have 8 squares</translation>
    </message>
    <message>
        <source>FEN: a fileira %1 tem mais de 8 casas</source>
        <translation>FEN: rank %1 has more than 8 squares</translation>
    </message>
    <message>
        <source>FEN: mais de 8 fileiras na disposição das peças</source>
        <translation>FEN: more than 8 ranks in the piece placement</translation>
    </message>
    <message>
        <source>FEN: a disposição das peças não tem 8 fileiras</source>
        <translation>FEN: the piece placement does not have 8 ranks</translation>
    </message>
    <message>
        <source>FEN: dois algarismos seguidos na fileira %1</source>
        <translation>FEN: two digits in a row on rank %1</translation>
    </message>
    <message>
        <source>FEN: caractere inválido na disposição das peças: &apos;%1&apos;</source>
        <translation>FEN: invalid character in the piece placement: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>FEN: peão na primeira ou na última fileira (%1)</source>
        <translation>FEN: pawn on the first or last rank (%1)</translation>
    </message>
    <message>
        <source>FEN: as brancas não têm rei</source>
        <translation>FEN: White has no king</translation>
    </message>
    <message>
        <source>FEN: as pretas não têm rei</source>
        <translation>FEN: Black has no king</translation>
    </message>
    <message>
        <source>FEN: as brancas têm mais de um rei</source>
        <translation>FEN: White has more than one king</translation>
    </message>
    <message>
        <source>FEN: as pretas têm mais de um rei</source>
        <translation>FEN: Black has more than one king</translation>
    </message>
    <message>
        <source>FEN: as brancas têm peças demais</source>
        <translation>FEN: White has too many pieces</translation>
    </message>
    <message>
        <source>FEN: as pretas têm peças demais</source>
        <translation>FEN: Black has too many pieces</translation>
    </message>
    <message>
        <source>FEN: as brancas têm mais de 8 peões</source>
        <translation>FEN: White has more than 8 pawns</translation>
    </message>
    <message>
        <source>FEN: as pretas têm mais de 8 peões</source>
        <translation>FEN: Black has more than 8 pawns</translation>
    </message>
    <message>
        <source>FEN: o lado a jogar deve ser &apos;w&apos; ou &apos;b&apos;, não &apos;%1&apos;</source>
        <translation>FEN: the side to move must be &apos;w&apos; or &apos;b&apos;, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>FEN: direito de roque inválido: &apos;%1&apos;</source>
        <translation>FEN: invalid castling right: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>FEN: direito de roque repetido: &apos;%1&apos;</source>
        <translation>FEN: repeated castling right: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>FEN: direito de roque &apos;%1&apos; sem o rei e a torre nas casas iniciais</source>
        <translation>FEN: castling right &apos;%1&apos; without the king and the rook on their starting squares</translation>
    </message>
    <message>
        <source>FEN: casa de en passant inválida: &apos;%1&apos;</source>
        <translation>FEN: invalid en passant square: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>FEN: a casa de en passant %1 não segue o avanço duplo de um peão</source>
        <translation>FEN: the en passant square %1 does not follow a pawn&apos;s double step</translation>
    </message>
    <message>
        <source>FEN: contador de meios-lances inválido: &apos;%1&apos;</source>
        <translation>FEN: invalid half-move clock: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>FEN: número do lance inválido: &apos;%1&apos;</source>
        <translation>FEN: invalid move number: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>FEN: o rei preto está em xeque com as brancas a jogar</source>
        <translation>FEN: the black king is in check with White to move</translation>
    </message>
    <message>
        <source>FEN: o rei branco está em xeque com as pretas a jogar</source>
        <translation>FEN: the white king is in check with Black to move</translation>
    </message>
    <message>
        <source>lance inválido: &quot;%1&quot;</source>
        <translation>invalid move: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>lance ilegal: &quot;%1&quot;</source>
        <translation>illegal move: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>lance ambíguo: &quot;%1&quot;</source>
        <translation>ambiguous move: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>peça de promoção inválida em &quot;%1&quot;</source>
        <translation>invalid promotion piece in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>letra de peça desconhecida &apos;%1&apos; em &quot;%2&quot;</source>
        <translation>unknown piece letter &apos;%1&apos; in &quot;%2&quot;</translation>
    </message>
    <message>
        <source>falta a peça da promoção em &quot;%1&quot;</source>
        <translation>promotion piece missing in &quot;%1&quot;</translation>
    </message>
    <message>
        <source>promoção num lance que não é de promoção: &quot;%1&quot;</source>
        <translation>promotion on a move that is no promotion: &quot;%1&quot;</translation>
    </message>
    <message>
        <source>lance nulo (--) não é aceito</source>
        <translation>null move (--) not accepted</translation>
    </message>
    <message>
        <source>símbolo reservado %1</source>
        <translation>reserved symbol %1</translation>
    </message>
    <message>
        <source>caractere inesperado %1</source>
        <translation>unexpected character %1</translation>
    </message>
    <message>
        <source>texto entre aspas sem as aspas de fechamento</source>
        <translation>quoted text without its closing quotes</translation>
    </message>
    <message>
        <source>texto entre aspas longo demais</source>
        <translation>quoted text too long</translation>
    </message>
    <message>
        <source>comentário sem &apos;}&apos; de fechamento</source>
        <translation>comment without its closing &apos;}&apos;</translation>
    </message>
    <message>
        <source>comentário longo demais</source>
        <translation>comment too long</translation>
    </message>
    <message>
        <source>NAG fora do intervalo 0 a 255</source>
        <translation>NAG outside the range 0 to 255</translation>
    </message>
    <message>
        <source>&apos;$&apos; sem número de NAG</source>
        <translation>&apos;$&apos; without a NAG number</translation>
    </message>
    <message>
        <source>anotação inválida</source>
        <translation>invalid annotation</translation>
    </message>
    <message>
        <source>anotação inválida: %1</source>
        <translation>invalid annotation: %1</translation>
    </message>
    <message>
        <source>símbolo longo demais</source>
        <translation>symbol too long</translation>
    </message>
    <message>
        <source>partida grande demais</source>
        <translation>game too large</translation>
    </message>
    <message>
        <source>partida longa demais</source>
        <translation>game too long</translation>
    </message>
    <message>
        <source>esperado o nome da tag</source>
        <translation>expected the tag name</translation>
    </message>
    <message>
        <source>esperado o valor da tag entre aspas</source>
        <translation>expected the tag value in quotes</translation>
    </message>
    <message>
        <source>esperado &apos;]&apos; no fim da tag</source>
        <translation>expected &apos;]&apos; at the end of the tag</translation>
    </message>
    <message>
        <source>tags demais</source>
        <translation>too many tags</translation>
    </message>
    <message>
        <source>texto entre aspas fora de uma tag</source>
        <translation>quoted text outside a tag</translation>
    </message>
    <message>
        <source>&apos;]&apos; fora de uma tag</source>
        <translation>&apos;]&apos; outside a tag</translation>
    </message>
    <message>
        <source>&apos;)&apos; sem variação aberta</source>
        <translation>&apos;)&apos; without an open variation</translation>
    </message>
    <message>
        <source>variação sem &apos;)&apos; de fechamento</source>
        <translation>variation without its closing &apos;)&apos;</translation>
    </message>
    <message>
        <source>variações aninhadas demais</source>
        <translation>too deeply nested variations</translation>
    </message>
</context>
<context>
    <name>ExerciseThemes</name>
    <message>
        <source>Meus erros</source>
        <translation>My mistakes</translation>
    </message>
    <message>
        <source>Mate em 1</source>
        <translation>Mate in 1</translation>
    </message>
    <message>
        <source>Mate em 2</source>
        <translation>Mate in 2</translation>
    </message>
    <message>
        <source>Mate em 3</source>
        <translation>Mate in 3</translation>
    </message>
    <message>
        <source>Mate</source>
        <translation>Mate</translation>
    </message>
    <message>
        <source>Ganho de material</source>
        <translation>Winning material</translation>
    </message>
    <message>
        <source>Garfo</source>
        <translation>Fork</translation>
    </message>
    <message>
        <source>Cravada</source>
        <translation>Pin</translation>
    </message>
    <message>
        <source>Peça solta</source>
        <translation>Hanging piece</translation>
    </message>
    <message>
        <source>Promoção</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>Mate na última fileira</source>
        <translation>Back-rank mate</translation>
    </message>
</context>
<context>
    <name>GameClocks</name>
    <message>
        <source>Brancas: um minuto.</source>
        <translation>White: one minute.</translation>
    </message>
    <message>
        <source>Pretas: um minuto.</source>
        <translation>Black: one minute.</translation>
    </message>
    <message>
        <source>Brancas: dez segundos.</source>
        <translation>White: ten seconds.</translation>
    </message>
    <message>
        <source>Pretas: dez segundos.</source>
        <translation>Black: ten seconds.</translation>
    </message>
    <message>
        <source>1 hora</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>%1 horas</source>
        <translation>%1 hours</translation>
    </message>
    <message>
        <source>1 minuto</source>
        <translation>1 minute</translation>
    </message>
    <message>
        <source>%1 minutos</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>1 segundo</source>
        <translation>1 second</translation>
    </message>
    <message>
        <source>%1 segundos</source>
        <translation>%1 seconds</translation>
    </message>
    <message>
        <source> e </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Relógio das brancas: %1</source>
        <translation>White&apos;s clock: %1</translation>
    </message>
    <message>
        <source>Relógio das pretas: %1</source>
        <translation>Black&apos;s clock: %1</translation>
    </message>
</context>
<context>
    <name>GameEnding</name>
    <message>
        <source>Pausar</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Abandonar…</source>
        <translation>Resign…</translation>
    </message>
    <message>
        <source>Propor empate</source>
        <translation>Offer a draw</translation>
    </message>
    <message>
        <source>Reivindicar empate</source>
        <translation>Claim a draw</translation>
    </message>
    <message>
        <source>Repetição tripla só quando reivindicada</source>
        <translation>Threefold repetition only when claimed</translation>
    </message>
    <message>
        <source>As brancas perderam por tempo.</source>
        <translation>White lost on time.</translation>
    </message>
    <message>
        <source>As pretas perderam por tempo.</source>
        <translation>Black lost on time.</translation>
    </message>
    <message>
        <source>Empate: acabou o tempo, mas o adversário não pode dar mate.</source>
        <translation>Draw: time ran out, but the opponent cannot mate.</translation>
    </message>
    <message>
        <source>As brancas abandonaram.</source>
        <translation>White resigned.</translation>
    </message>
    <message>
        <source>As pretas abandonaram.</source>
        <translation>Black resigned.</translation>
    </message>
    <message>
        <source>Empate por acordo.</source>
        <translation>Draw by agreement.</translation>
    </message>
    <message>
        <source>Empate: regra dos 50 lances.</source>
        <translation>Draw: the 50-move rule.</translation>
    </message>
    <message>
        <source>Empate: regra dos 75 lances.</source>
        <translation>Draw: the 75-move rule.</translation>
    </message>
    <message>
        <source>Empate: repetição tripla.</source>
        <translation>Draw: threefold repetition.</translation>
    </message>
    <message>
        <source>Empate: a mesma posição pela quinta vez.</source>
        <translation>Draw: the same position for the fifth time.</translation>
    </message>
    <message>
        <source>Cheque Mate!</source>
        <translation>Checkmate!</translation>
    </message>
    <message>
        <source>Empate por afogamento.</source>
        <translation>Draw by stalemate.</translation>
    </message>
    <message>
        <source>Empate por falta de material para dar mate.</source>
        <translation>Draw: too little material left to mate.</translation>
    </message>
    <message>
        <source>As brancas venceram.</source>
        <translation>White won.</translation>
    </message>
    <message>
        <source>As pretas venceram.</source>
        <translation>Black won.</translation>
    </message>
    <message>
        <source>Empate!</source>
        <translation>Draw!</translation>
    </message>
    <message>
        <source>Partida pausada.</source>
        <translation>Game paused.</translation>
    </message>
    <message>
        <source>Partida retomada.</source>
        <translation>Game resumed.</translation>
    </message>
    <message>
        <source>Abandonar a partida? As brancas perdem.</source>
        <translation>Resign the game? White loses.</translation>
    </message>
    <message>
        <source>Abandonar a partida? As pretas perdem.</source>
        <translation>Resign the game? Black loses.</translation>
    </message>
    <message>
        <source>As brancas propõem empate. As pretas aceitam?</source>
        <translation>White offers a draw. Does Black accept?</translation>
    </message>
    <message>
        <source>As pretas propõem empate. As brancas aceitam?</source>
        <translation>Black offers a draw. Does White accept?</translation>
    </message>
    <message>
        <source>Empate recusado.</source>
        <translation>Draw declined.</translation>
    </message>
    <message>
        <source>O computador pensa na proposta…</source>
        <translation>The computer is thinking about the offer…</translation>
    </message>
    <message>
        <source>O computador recusou o empate.</source>
        <translation>The computer declined the draw.</translation>
    </message>
</context>
<context>
    <name>GameRecord</name>
    <message>
        <source>O tabuleiro recusou o lance %1 (%2) da partida.</source>
        <translation>The board refused move %1 (%2) of the game.</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo &quot;%1&quot;. %2</source>
        <translation>Cannot open the file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>O arquivo &quot;%1&quot; é grande demais para uma partida.</source>
        <translation>The file &quot;%1&quot; is too large for a game.</translation>
    </message>
    <message>
        <source>Não foi possível ler o arquivo &quot;%1&quot;. %2</source>
        <translation>Cannot read the file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>Partida %1, linha %2, coluna %3: %4</source>
        <translation>Game %1, line %2, column %3: %4</translation>
    </message>
    <message>
        <source>Não foi possível criar a pasta &quot;%1&quot;.</source>
        <translation>Cannot create the folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>o tabuleiro não aceita mais lances ali</source>
        <translation>the board accepts no more moves there</translation>
    </message>
    <message>
        <source>A partida parou no lance %1 (%2): %3. Os lances seguintes não foram jogados.</source>
        <translation>The game stopped at move %1 (%2): %3. The moves after it were not played.</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo &quot;%1&quot; (%2). Um arquivo que já existia com esse nome ficou como estava.</source>
        <translation>Cannot write the file &quot;%1&quot; (%2). A file that already had that name was left as it was.</translation>
    </message>
</context>
<context>
    <name>GameStartChooser</name>
    <message>
        <source>Posição inicial</source>
        <translation>Starting position</translation>
    </message>
    <message>
        <source>Xadrez 960</source>
        <translation>Chess960</translation>
    </message>
    <message>
        <source>Xadrez aleatório de Fischer: as peças da primeira fileira começam numa das 960 ordens possíveis, iguais para os dois lados.</source>
        <translation>Fischer random chess: the pieces of the first rank start in one of 960 possible orders, the same for both sides.</translation>
    </message>
    <message>
        <source>Posição montada</source>
        <translation>Set-up position</translation>
    </message>
    <message>
        <source>&amp;Início:</source>
        <translation>&amp;Start:</translation>
    </message>
    <message>
        <source>Número da posição do Xadrez 960</source>
        <translation>Number of the Chess960 position</translation>
    </message>
    <message>
        <source>De 0 a 959; 518 é a ordem de sempre.</source>
        <translation>From 0 to 959; 518 is the usual order.</translation>
    </message>
    <message>
        <source>S&amp;orteada</source>
        <translation>R&amp;andom</translation>
    </message>
    <message>
        <source>(sorteada ao começar)</source>
        <translation>(drawn when the game starts)</translation>
    </message>
    <message>
        <source>Primeira fileira</source>
        <translation>First rank</translation>
    </message>
    <message>
        <source>Posição &amp;960:</source>
        <translation>Position &amp;960:</translation>
    </message>
</context>
<context>
    <name>InterfaceLanguage</name>
    <message>
        <source>pt_BR</source>
        <comment>the code of this translation&apos;s language</comment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>LowTimeSound</name>
    <message>
        <source>Som de pouco tempo</source>
        <translation>Low-time sound</translation>
    </message>
    <message>
        <source>Um som curto quando o seu relógio passa de dez segundos.</source>
        <translation>A short sound when your clock passes ten seconds.</translation>
    </message>
</context>
<context>
    <name>MediaPlayerBar</name>
    <message>
        <source>Tocar</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Pausar</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Parar</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>MoveAnnouncer</name>
    <message>
        <source>Nenhum sintetizador de voz está instalado (por exemplo speech-dispatcher com espeak-ng).</source>
        <translation>No speech synthesiser is installed (for example speech-dispatcher with espeak-ng).</translation>
    </message>
    <message>
        <source>O sintetizador de voz não pôde ser iniciado.</source>
        <translation>The speech synthesiser could not be started.</translation>
    </message>
    <message>
        <source>Falar lances</source>
        <translation>Speak moves</translation>
    </message>
    <message>
        <source>Ler posição</source>
        <translation>Read position</translation>
    </message>
    <message>
        <source>Peças das Brancas</source>
        <translation>White&apos;s pieces</translation>
    </message>
    <message>
        <source>Peças das Pretas</source>
        <translation>Black&apos;s pieces</translation>
    </message>
    <message>
        <source>Uma fileira…</source>
        <translation>A rank…</translation>
    </message>
    <message>
        <source>Ler fileira</source>
        <translation>Read rank</translation>
    </message>
    <message>
        <source>Fileira (1 a 8):</source>
        <translation>Rank (1 to 8):</translation>
    </message>
    <message>
        <source>De quem é a vez</source>
        <translation>Whose turn it is</translation>
    </message>
</context>
<context>
    <name>MoveRefusal</name>
    <message>
        <source>O rei</source>
        <translation>The king</translation>
    </message>
    <message>
        <source>A dama</source>
        <translation>The queen</translation>
    </message>
    <message>
        <source>A torre</source>
        <translation>The rook</translation>
    </message>
    <message>
        <source>O bispo</source>
        <translation>The bishop</translation>
    </message>
    <message>
        <source>O cavalo</source>
        <translation>The knight</translation>
    </message>
    <message>
        <source>O peão</source>
        <translation>The pawn</translation>
    </message>
    <message>
        <source>Nenhum rei</source>
        <translation>No king</translation>
    </message>
    <message>
        <source>Nenhuma dama</source>
        <translation>No queen</translation>
    </message>
    <message>
        <source>Nenhuma torre</source>
        <translation>No rook</translation>
    </message>
    <message>
        <source>Nenhum bispo</source>
        <translation>No bishop</translation>
    </message>
    <message>
        <source>Nenhum cavalo</source>
        <translation>No knight</translation>
    </message>
    <message>
        <source>Nenhum peão</source>
        <translation>No pawn</translation>
    </message>
    <message>
        <source>O roque não é mais possível: o rei ou a torre já se moveram.</source>
        <translation>Castling is no longer possible: the king or the rook has moved.</translation>
    </message>
    <message>
        <source>O roque não é possível: há peças entre o rei e a torre.</source>
        <translation>Castling is not possible: there are pieces between the king and the rook.</translation>
    </message>
    <message>
        <source>O roque não é possível: o rei está em xeque ou passaria por uma casa atacada.</source>
        <translation>Castling is not possible: the king is in check or would pass over an attacked square.</translation>
    </message>
    <message>
        <source>O rei não pode ir a %1: ficaria em xeque.</source>
        <translation>The king cannot go to %1: it would be in check.</translation>
    </message>
    <message>
        <source>O rei está em xeque, e %1 para %2 não o tira do xeque.</source>
        <translation>The king is in check, and %1 to %2 does not get it out of check.</translation>
    </message>
    <message>
        <source>%1 em %2 não pode ir a %3: deixaria o rei em xeque.</source>
        <translation>%1 on %2 cannot go to %3: it would leave the king in check.</translation>
    </message>
    <message>
        <source>O peão não chega a %1: há uma peça no caminho.</source>
        <translation>The pawn cannot reach %1: a piece stands in the way.</translation>
    </message>
    <message>
        <source>O peão só anda na diagonal para capturar, e não há peça em %1.</source>
        <translation>A pawn moves diagonally only to capture, and there is no piece on %1.</translation>
    </message>
    <message>
        <source>%1 não chega a %2: há uma peça no caminho.</source>
        <translation>%1 cannot reach %2: a piece stands in the way.</translation>
    </message>
    <message>
        <source>%1 em %2 não chega a %3.</source>
        <translation>%1 on %2 cannot reach %3.</translation>
    </message>
    <message>
        <source>Não há %1 que corresponda a “%2”.</source>
        <translation>There is no %1 that fits “%2”.</translation>
    </message>
    <message>
        <source>Em %1 já há uma peça sua.</source>
        <translation>One of your own pieces already stands on %1.</translation>
    </message>
    <message>
        <source>Mais de uma peça chega a %1 (%2): escreva de onde sai, como em %3.</source>
        <translation>More than one piece can reach %1 (%2): write where it comes from, as in %3.</translation>
    </message>
    <message>
        <source> e </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Confira a peça da promoção: escreva, por exemplo, %1=D.</source>
        <translation>Check the promotion piece: write, for example, %1=Q.</translation>
    </message>
    <message>
        <source>%1 chega a %2.</source>
        <translation>%1 can reach %2.</translation>
    </message>
    <message>
        <source>“%1” não é um lance: escreva, por exemplo, Cf3, exd5, O-O ou e2e4.</source>
        <translation>“%1” is not a move: write, for example, Nf3, exd5, O-O or e2e4.</translation>
    </message>
    <message>
        <source>Não há peça em %1.</source>
        <translation>There is no piece on %1.</translation>
    </message>
    <message>
        <source>A peça em %1 é das pretas, e é a vez das brancas.</source>
        <translation>The piece on %1 is Black’s, and it is White’s turn.</translation>
    </message>
    <message>
        <source>A peça em %1 é das brancas, e é a vez das pretas.</source>
        <translation>The piece on %1 is White’s, and it is Black’s turn.</translation>
    </message>
    <message>
        <source>“%1” é ambíguo: pode ser %2 ou %3; escreva o lance com as casas, como %2.</source>
        <translation>“%1” is ambiguous: it may be %2 or %3; write the move with its squares, as %2.</translation>
    </message>
    <message>
        <source>A partida terminou: o tabuleiro não aceita mais lances.</source>
        <translation>The game is over: the board takes no more moves.</translation>
    </message>
    <message>
        <source>O computador está pensando: espere o lance dele.</source>
        <translation>The computer is thinking: wait for its move.</translation>
    </message>
    <message>
        <source>A partida está em pausa: escolha Partida › Continuar para seguir.</source>
        <translation>The game is paused: choose Game › Continue to go on.</translation>
    </message>
</context>
<context>
    <name>NewGameDialog</name>
    <message>
        <source>Nova partida</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Pessoa</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Computador</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>&amp;Brancas:</source>
        <translation>&amp;White:</translation>
    </message>
    <message>
        <source>&amp;Pretas:</source>
        <translation>&amp;Black:</translation>
    </message>
    <message>
        <source>&amp;Nível do computador:</source>
        <translation>Computer &amp;level:</translation>
    </message>
    <message>
        <source>Sem relógio</source>
        <translation>No clock</translation>
    </message>
    <message>
        <source>Personalizado</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>&amp;Controle de tempo:</source>
        <translation>&amp;Time control:</translation>
    </message>
    <message>
        <source>Controle personalizado</source>
        <translation>Custom control</translation>
    </message>
    <message>
        <source>Outro controle para as pretas</source>
        <translation>Another control for Black</translation>
    </message>
    <message>
        <source>Os relógios começam depois do primeiro lance das pretas.</source>
        <translation>The clocks start after Black&apos;s first move.</translation>
    </message>
    <message>
        <source>Começar</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>O do programa</source>
        <translation>The program&apos;s own</translation>
    </message>
    <message>
        <source>Motor instalado</source>
        <translation>Installed engine</translation>
    </message>
    <message>
        <source>Um motor UCI instalado, como o stockfish, joga pelo computador; se ele falhar, o nível escolhido continua a partida.</source>
        <translation>An installed UCI engine, such as stockfish, plays the computer&apos;s side; if it fails, the chosen level plays on.</translation>
    </message>
    <message>
        <source>&amp;Motor:</source>
        <translation>&amp;Engine:</translation>
    </message>
    <message>
        <source>nenhum motor encontrado; escolha o programa</source>
        <translation>no engine found; choose the program</translation>
    </message>
    <message>
        <source>Programa do motor</source>
        <translation>Engine program</translation>
    </message>
    <message>
        <source>Procurar…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>P&amp;rograma:</source>
        <translation>P&amp;rogram:</translation>
    </message>
    <message>
        <source> Elo</source>
        <translation> Elo</translation>
    </message>
    <message>
        <source>Força do motor em pontos Elo</source>
        <translation>Engine strength in Elo points</translation>
    </message>
    <message>
        <source>&amp;Força:</source>
        <translation>S&amp;trength:</translation>
    </message>
    <message>
        <source>Escolher o programa do motor</source>
        <translation>Choose the engine program</translation>
    </message>
</context>
<context>
    <name>PgnGameDialog</name>
    <message>
        <source>Abrir partida</source>
        <translation>Open game</translation>
    </message>
    <message>
        <source>%1. Partida ilegível (linha %2, coluna %3: %4)</source>
        <translation>%1. Unreadable game (line %2, column %3: %4)</translation>
    </message>
    <message>
        <source>1 meio-lance</source>
        <translation>1 half-move</translation>
    </message>
    <message>
        <source>%1 meios-lances</source>
        <translation>%1 half-moves</translation>
    </message>
    <message>
        <source>%1. %2 – %3, %4, %5, %6 (%7)</source>
        <translation>%1. %2 – %3, %4, %5, %6 (%7)</translation>
    </message>
    <message>
        <source>O arquivo não contém nenhuma partida.</source>
        <translation>The file holds no game.</translation>
    </message>
    <message>
        <source>Lendo as partidas de &quot;%1&quot;…</source>
        <translation>Reading the games of &quot;%1&quot;…</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PiecePalette</name>
    <message>
        <source>%1 (tecla %2)</source>
        <translation>%1 (key %2)</translation>
    </message>
</context>
<context>
    <name>PositionEditorBoard</name>
    <message>
        <source>Tabuleiro de montagem</source>
        <translation>Set-up board</translation>
    </message>
</context>
<context>
    <name>PositionEditorDialog</name>
    <message>
        <source>Montar posição</source>
        <translation>Set up position</translation>
    </message>
    <message>
        <source>&amp;Tabuleiro (setas e letras: K Q R B N P brancas, k q r b n p pretas; Delete apaga):</source>
        <translation>&amp;Board (arrows and letters: K Q R B N P White, k q r b n p Black; Delete clears):</translation>
    </message>
    <message>
        <source>Peça&amp;s (escolha uma e clique nas casas, ou arraste):</source>
        <translation>P&amp;ieces (choose one and click the squares, or drag):</translation>
    </message>
    <message>
        <source>Posição &amp;inicial</source>
        <translation>&amp;Start position</translation>
    </message>
    <message>
        <source>Tabuleiro &amp;vazio</source>
        <translation>&amp;Empty board</translation>
    </message>
    <message>
        <source>Vi&amp;rar tabuleiro</source>
        <translation>F&amp;lip board</translation>
    </message>
    <message>
        <source>Vez de jogar</source>
        <translation>Side to move</translation>
    </message>
    <message>
        <source>&amp;Brancas</source>
        <translation>&amp;White</translation>
    </message>
    <message>
        <source>&amp;Pretas</source>
        <translation>Blac&amp;k</translation>
    </message>
    <message>
        <source>Vez das brancas</source>
        <translation>White to move</translation>
    </message>
    <message>
        <source>Vez das pretas</source>
        <translation>Black to move</translation>
    </message>
    <message>
        <source>R&amp;oque ainda possível</source>
        <translation>&amp;Castling still possible</translation>
    </message>
    <message>
        <source>Brancas O-O</source>
        <translation>White O-O</translation>
    </message>
    <message>
        <source>Brancas O-O-O</source>
        <translation>White O-O-O</translation>
    </message>
    <message>
        <source>Pretas O-O</source>
        <translation>Black O-O</translation>
    </message>
    <message>
        <source>Pretas O-O-O</source>
        <translation>Black O-O-O</translation>
    </message>
    <message>
        <source>Roque pequeno das brancas</source>
        <translation>White castling kingside</translation>
    </message>
    <message>
        <source>Roque grande das brancas</source>
        <translation>White castling queenside</translation>
    </message>
    <message>
        <source>Roque pequeno das pretas</source>
        <translation>Black castling kingside</translation>
    </message>
    <message>
        <source>Roque grande das pretas</source>
        <translation>Black castling queenside</translation>
    </message>
    <message>
        <source>Casa de en passant</source>
        <translation>En passant square</translation>
    </message>
    <message>
        <source>&amp;En passant:</source>
        <translation>En passan&amp;t:</translation>
    </message>
    <message>
        <source>Número do lance</source>
        <translation>Move number</translation>
    </message>
    <message>
        <source>&amp;Lance número:</source>
        <translation>Move &amp;number:</translation>
    </message>
    <message>
        <source>Meios-lances desde a última captura ou lance de peão</source>
        <translation>Half-moves since the last capture or pawn move</translation>
    </message>
    <message>
        <source>Meios-lances desde a última captura ou lance de peão (regra dos 50 lances)</source>
        <translation>Half-moves since the last capture or pawn move (the 50-move rule)</translation>
    </message>
    <message>
        <source>&amp;Meios-lances sem captura nem lance de peão:</source>
        <translation>&amp;Half-moves without a capture or pawn move:</translation>
    </message>
    <message>
        <source>Posição em FEN</source>
        <translation>Position in FEN</translation>
    </message>
    <message>
        <source>&amp;FEN:</source>
        <translation>&amp;FEN:</translation>
    </message>
    <message>
        <source>Problemas da posição</source>
        <translation>Problems of the position</translation>
    </message>
    <message>
        <source>&amp;Jogar a partir daqui</source>
        <translation>&amp;Play from here</translation>
    </message>
    <message>
        <source>&amp;Analisar</source>
        <translation>&amp;Analyse</translation>
    </message>
    <message>
        <source>Fe&amp;char</source>
        <translation>Cl&amp;ose</translation>
    </message>
    <message>
        <source>nenhuma</source>
        <translation>none</translation>
    </message>
    <message>
        <source>O FEN não pode ser lido: %1.</source>
        <translation>The FEN cannot be read: %1.</translation>
    </message>
    <message>
        <source>A posição pode ser jogada.</source>
        <translation>The position can be played.</translation>
    </message>
    <message>
        <source>Corrija a posição para jogar ou analisar: %1</source>
        <translation>Correct the position to play or analyse it: %1</translation>
    </message>
</context>
<context>
    <name>PositionProblemWords</name>
    <message>
        <source>O roque pequeno das brancas pede o rei em e1 e a torre em h1.</source>
        <translation>White castling kingside needs the king on e1 and the rook on h1.</translation>
    </message>
    <message>
        <source>O roque grande das brancas pede o rei em e1 e a torre em a1.</source>
        <translation>White castling queenside needs the king on e1 and the rook on a1.</translation>
    </message>
    <message>
        <source>O roque pequeno das pretas pede o rei em e8 e a torre em h8.</source>
        <translation>Black castling kingside needs the king on e8 and the rook on h8.</translation>
    </message>
    <message>
        <source>O roque grande das pretas pede o rei em e8 e a torre em a8.</source>
        <translation>Black castling queenside needs the king on e8 and the rook on a8.</translation>
    </message>
    <message>
        <source>O direito de roque &apos;%1&apos; não cabe na posição: o rei ou a torre não está na sua casa.</source>
        <translation>The castling right &apos;%1&apos; does not fit the position: the king or the rook is not on its square.</translation>
    </message>
    <message>
        <source>Peão em %1: nenhum peão fica na primeira nem na última fileira.</source>
        <translation>Pawn on %1: no pawn stands on the first or the last rank.</translation>
    </message>
    <message>
        <source>Peões em %1: nenhum peão fica na primeira nem na última fileira.</source>
        <translation>Pawns on %1: no pawn stands on the first or the last rank.</translation>
    </message>
    <message>
        <source>Falta o rei branco.</source>
        <translation>The white king is missing.</translation>
    </message>
    <message>
        <source>Falta o rei preto.</source>
        <translation>The black king is missing.</translation>
    </message>
    <message>
        <source>As brancas têm mais de um rei.</source>
        <translation>White has more than one king.</translation>
    </message>
    <message>
        <source>As pretas têm mais de um rei.</source>
        <translation>Black has more than one king.</translation>
    </message>
    <message>
        <source>As brancas têm mais de 8 peões.</source>
        <translation>White has more than 8 pawns.</translation>
    </message>
    <message>
        <source>As pretas têm mais de 8 peões.</source>
        <translation>Black has more than 8 pawns.</translation>
    </message>
    <message>
        <source>As brancas têm peças promovidas demais: cada peça além das do início pede um peão a menos.</source>
        <translation>White has too many promoted pieces: each piece beyond the starting ones needs a pawn fewer.</translation>
    </message>
    <message>
        <source>As pretas têm peças promovidas demais: cada peça além das do início pede um peão a menos.</source>
        <translation>Black has too many promoted pieces: each piece beyond the starting ones needs a pawn fewer.</translation>
    </message>
    <message>
        <source>En passant em %1 impossível: nenhum peão acabou de passar por essa casa com um avanço duplo.</source>
        <translation>En passant on %1 is impossible: no pawn has just passed that square with a double step.</translation>
    </message>
    <message>
        <source>O rei preto está em xeque, mas a vez é das brancas.</source>
        <translation>The black king is in check, but it is White to move.</translation>
    </message>
    <message>
        <source>O rei branco está em xeque, mas a vez é das pretas.</source>
        <translation>The white king is in check, but it is Black to move.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>uma pasta</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>um canal (FIFO)</source>
        <translation>a pipe (FIFO)</translation>
    </message>
    <message>
        <source>um dispositivo</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>um soquete</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>um arquivo especial</source>
        <translation>a special file</translation>
    </message>
    <message>
        <source>Não é um arquivo comum, e sim %1.</source>
        <translation>It is not a regular file but %1.</translation>
    </message>
</context>
<context>
    <name>ScoreSheet</name>
    <message>
        <source>computador</source>
        <translation>computer</translation>
    </message>
    <message>
        <source>humano</source>
        <translation>human</translation>
    </message>
    <message>
        <source>Super Fácil</source>
        <translation>Very Easy</translation>
    </message>
    <message>
        <source>Fácil</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Médio</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Difícil</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Super Difícil</source>
        <translation>Very Hard</translation>
    </message>
    <message>
        <source>1-0 (vitória das Brancas)</source>
        <translation>1-0 (White won)</translation>
    </message>
    <message>
        <source>0-1 (vitória das Pretas)</source>
        <translation>0-1 (Black won)</translation>
    </message>
    <message>
        <source>½-½ (empate)</source>
        <translation>½-½ (draw)</translation>
    </message>
    <message>
        <source>* (partida em andamento)</source>
        <translation>* (game in progress)</translation>
    </message>
    <message>
        <source>Kestravin 2005 – Planilha da partida</source>
        <translation>Kestravin 2005 – Score sheet</translation>
    </message>
    <message>
        <source>Brancas: %1</source>
        <translation>White: %1</translation>
    </message>
    <message>
        <source>Pretas: %1</source>
        <translation>Black: %1</translation>
    </message>
    <message>
        <source>Evento: %1</source>
        <translation>Event: %1</translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>Nível: %1</source>
        <translation>Level: %1</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>Posição inicial: %1</source>
        <translation>Starting position: %1</translation>
    </message>
    <message>
        <source>Posição final: xeque-mate.</source>
        <translation>Final position: checkmate.</translation>
    </message>
    <message>
        <source>Posição final: empate.</source>
        <translation>Final position: draw.</translation>
    </message>
    <message>
        <source>Posição final: as Brancas jogam.</source>
        <translation>Final position: White to move.</translation>
    </message>
    <message>
        <source>Posição final: as Pretas jogam.</source>
        <translation>Final position: Black to move.</translation>
    </message>
    <message>
        <source>A impressora escolhida não pode imprimir.</source>
        <translation>The chosen printer cannot print.</translation>
    </message>
    <message>
        <source>Página %1 de %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Fim: %1</source>
        <translation>End: %1</translation>
    </message>
    <message>
        <source>Controle de tempo: %1</source>
        <translation>Time control: %1</translation>
    </message>
    <message>
        <source>Avaliação ao longo da partida (revisão): vantagem das Brancas para cima, até 10 peões; pontos: erros ? e ??</source>
        <translation>Evaluation over the game (review): White&apos;s advantage upwards, up to 10 pawns; dots: mistakes ? and ??</translation>
    </message>
</context>
<context>
    <name>StatusText</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Peça capturada!</source>
        <translation>Piece captured!</translation>
    </message>
    <message>
        <source>Peão promovido!</source>
        <translation>Pawn promoted!</translation>
    </message>
    <message>
        <source>Cheque!</source>
        <translation>Check!</translation>
    </message>
    <message>
        <source>Cheque Mate!</source>
        <translation>Checkmate!</translation>
    </message>
    <message>
        <source>Empate!</source>
        <translation>Draw!</translation>
    </message>
    <message>
        <source>Movimento ilegal!</source>
        <translation>Illegal move!</translation>
    </message>
</context>
<context>
    <name>TAnalysisController</name>
    <message>
        <source>Dica</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Mostra no tabuleiro um bom lance para quem joga agora.</source>
        <translation>Shows a good move for the side to move on the board.</translation>
    </message>
    <message>
        <source>Análise</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Mostra ou esconde a avaliação do motor para a posição no tabuleiro.</source>
        <translation>Shows or hides the engine&apos;s evaluation of the position on the board.</translation>
    </message>
    <message>
        <source>Revisar partida</source>
        <translation>Review game</translation>
    </message>
    <message>
        <source>Procura os erros da partida e os marca na lista de jogadas.</source>
        <translation>Looks for the game&apos;s mistakes and marks them in the move list.</translation>
    </message>
    <message>
        <source>Motor de análise</source>
        <translation>Analysis engine</translation>
    </message>
    <message>
        <source>Adicionar motor…</source>
        <translation>Add engine…</translation>
    </message>
    <message>
        <source>Escolher o programa do motor de análise</source>
        <translation>Choose the analysis engine&apos;s program</translation>
    </message>
    <message>
        <source>“%1” não é um programa que possa ser executado.</source>
        <translation>“%1” is not a program that can be run.</translation>
    </message>
    <message>
        <source>Esta posição não pode surgir numa partida: não há o que analisar.</source>
        <translation>This position cannot arise in a game: there is nothing to analyse.</translation>
    </message>
    <message>
        <source>Mate</source>
        <translation>Mate</translation>
    </message>
    <message>
        <source>Afogado</source>
        <translation>Stalemate</translation>
    </message>
    <message>
        <source>Xeque-mate: a partida terminou.</source>
        <translation>Checkmate: the game is over.</translation>
    </message>
    <message>
        <source>Empate por afogamento.</source>
        <translation>Draw by stalemate.</translation>
    </message>
    <message>
        <source>Profundidade %1%2</source>
        <translation>Depth %1%2</translation>
    </message>
    <message>
        <source> (fim)</source>
        <translation> (done)</translation>
    </message>
    <message>
        <source>%1 nós/s</source>
        <translation>%1 nodes/s</translation>
    </message>
    <message>
        <source>A partida ainda não tem lances para revisar.</source>
        <translation>The game has no moves to review yet.</translation>
    </message>
    <message>
        <source>Revisando a partida…</source>
        <translation>Reviewing the game…</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Revisão da partida</source>
        <translation>Game review</translation>
    </message>
    <message>
        <source>Lances duvidosos (?!): %1
Erros (?): %2
Erros graves (??): %3</source>
        <translation>Dubious moves (?!): %1
Mistakes (?): %2
Blunders (??): %3</translation>
    </message>
    <message>
        <source>Nenhum erro encontrado. Boa partida!</source>
        <translation>No mistakes found. Well played!</translation>
    </message>
    <message>
        <source>Os maiores erros (clique para ver a posição):</source>
        <translation>The biggest mistakes (click to see the position):</translation>
    </message>
    <message>
        <source>Brancas</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Pretas</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>%1. %2%3-%4 %5  (%6, perde %7)</source>
        <translation>%1. %2%3-%4 %5  (%6, loses %7)</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1. %2%3 %4  (%5, perde %6)</source>
        <translation>%1. %2%3 %4  (%5, loses %6)</translation>
    </message>
    <message>
        <source>O nível mais fácil: o computador só olha o próprio lance e muitas vezes deixa peças para você tomar. Bom para aprender os movimentos.</source>
        <translation>The easiest level: the computer only looks at its own move and often leaves pieces for you to take. Good for learning the moves.</translation>
    </message>
    <message>
        <source>Para iniciantes: o computador já vê a sua resposta, mas ainda erra bastante. Bem mais forte que Super Fácil.</source>
        <translation>For beginners: the computer sees your reply, but still makes many mistakes. Much stronger than Very Easy.</translation>
    </message>
    <message>
        <source>Para quem já joga partidas inteiras: o computador quase não entrega peças. Mais forte que Fácil, um pouco mais fraco que Difícil.</source>
        <translation>For those who play whole games: the computer hardly ever gives pieces away. Stronger than Easy, a little weaker than Hard.</translation>
    </message>
    <message>
        <source>Para quem joga com frequência: o computador prepara ataques de dois lances. Um pouco mais forte que Médio.</source>
        <translation>For regular players: the computer prepares two-move attacks. A little stronger than Medium.</translation>
    </message>
    <message>
        <source>O nível mais forte: o computador pensa mais lances à frente e demora mais para jogar. Mais forte que Difícil.</source>
        <translation>The strongest level: the computer thinks more moves ahead and takes longer to play. Stronger than Hard.</translation>
    </message>
    <message>
        <source>Avaliação ao longo da partida (clique para ver a posição):</source>
        <translation>Evaluation over the game (click to see the position):</translation>
    </message>
</context>
<context>
    <name>TAnalysisService</name>
    <message>
        <source>O motor de análise “%1” propôs um lance ilegal.</source>
        <translation>The analysis engine “%1” proposed an illegal move.</translation>
    </message>
    <message>
        <source>A análise continua com o motor interno.</source>
        <translation>The analysis goes on with the built-in engine.</translation>
    </message>
    <message>
        <source>Motor interno</source>
        <translation>Built-in engine</translation>
    </message>
</context>
<context>
    <name>TChessBoard</name>
    <message>
        <source>Escolha a peça da promoção</source>
        <translation>Choose the promotion piece</translation>
    </message>
    <message>
        <source>Tabuleiro</source>
        <translation>Board</translation>
    </message>
</context>
<context>
    <name>TEvaluationGraph</name>
    <message>
        <source>Gráfico da avaliação</source>
        <translation>Evaluation graph</translation>
    </message>
    <message>
        <source>A avaliação ao longo da partida, do lado das Brancas (até 10 peões; um mate fica na borda). Os pontos laranja são erros (?) e os vermelhos, erros graves (??). Clique para ver a posição.</source>
        <translation>The evaluation over the game, from White&apos;s side (up to 10 pawns; a mate lies on the edge). Orange dots are mistakes (?), red ones blunders (??). Click to see the position.</translation>
    </message>
    <message>
        <source>vantagem decisiva das Brancas</source>
        <translation>decisive advantage for White</translation>
    </message>
    <message>
        <source>vantagem decisiva das Pretas</source>
        <translation>decisive advantage for Black</translation>
    </message>
    <message>
        <source>Início: %1</source>
        <translation>Start: %1</translation>
    </message>
</context>
<context>
    <name>TExercisePlayer</name>
    <message>
        <source>Exercícios</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Dica</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Mostrar solução</source>
        <translation>Show solution</translation>
    </message>
    <message>
        <source>Próximo</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Progresso</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>O exercício %1 não pode ser jogado: %2.</source>
        <translation>Exercise %1 cannot be played: %2.</translation>
    </message>
    <message>
        <source>Brancas jogam</source>
        <translation>White to play</translation>
    </message>
    <message>
        <source>Pretas jogam</source>
        <translation>Black to play</translation>
    </message>
    <message>
        <source>Encontre o melhor lance.</source>
        <translation>Find the best move.</translation>
    </message>
    <message>
        <source>Não é esse lance. Tente outro ou veja a solução.</source>
        <translation>That is not the move. Try another or see the solution.</translation>
    </message>
    <message>
        <source>Certo! Agora a resposta…</source>
        <translation>Right! Now the reply…</translation>
    </message>
    <message>
        <source>Certo! Continue: qual é o próximo lance?</source>
        <translation>Right! Go on: what is the next move?</translation>
    </message>
    <message>
        <source>Resolvido!</source>
        <translation>Solved!</translation>
    </message>
    <message>
        <source>Fim do exercício: desta vez não foi resolvido.</source>
        <translation>End of the exercise: not solved this time.</translation>
    </message>
    <message>
        <source>Temas: %1</source>
        <translation>Themes: %1</translation>
    </message>
    <message>
        <source>Dica: a peça marcada é a que deve jogar.</source>
        <translation>Hint: the marked piece is the one to move.</translation>
    </message>
    <message>
        <source>Dica: o lance está marcado no tabuleiro.</source>
        <translation>Hint: the move is marked on the board.</translation>
    </message>
    <message>
        <source>A solução:</source>
        <translation>The solution:</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Novo Jogo</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>O idioma escolhido vale a partir da próxima vez que o programa for aberto.</source>
        <translation>The chosen language applies from the next time the program is started.</translation>
    </message>
    <message>
        <source>&amp;Partida</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Opções</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Lista de lances</source>
        <translation>Move list</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Pretas: computador</source>
        <translation>Black: computer</translation>
    </message>
    <message>
        <source>Pretas: humano</source>
        <translation>Black: human</translation>
    </message>
    <message>
        <source>Brancas: computador</source>
        <translation>White: computer</translation>
    </message>
    <message>
        <source>Brancas: humano</source>
        <translation>White: human</translation>
    </message>
    <message>
        <source>Imprimir a lista de lances</source>
        <translation>Print the move list</translation>
    </message>
    <message>
        <source>Empate por afogamento.</source>
        <translation>Draw by stalemate.</translation>
    </message>
    <message>
        <source>Empate por repetição: a mesma posição pela terceira vez.</source>
        <translation>Draw by repetition: the same position for the third time.</translation>
    </message>
    <message>
        <source>Empate por falta de material para dar mate.</source>
        <translation>Draw: too little material left to mate.</translation>
    </message>
    <message>
        <source>Virar tabuleiro</source>
        <translation>Flip board</translation>
    </message>
    <message>
        <source>Voltar lance</source>
        <translation>Take back move</translation>
    </message>
    <message>
        <source>Refazer lance</source>
        <translation>Redo move</translation>
    </message>
    <message>
        <source>Continuar</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>pensando…</source>
        <translation>thinking…</translation>
    </message>
    <message>
        <source>Mostrar de quem é a vez</source>
        <translation>Show whose turn it is</translation>
    </message>
    <message>
        <source>Acompanhar a lista</source>
        <translation>Follow the move list</translation>
    </message>
    <message>
        <source>Avisar fim de partida</source>
        <translation>Announce the end of the game</translation>
    </message>
    <message>
        <source>Animação lenta</source>
        <translation>Slow animation</translation>
    </message>
    <message>
        <source>Mover com cliques</source>
        <translation>Move by clicking</translation>
    </message>
    <message>
        <source>Destacar último lance</source>
        <translation>Highlight the last move</translation>
    </message>
    <message>
        <source>Destacar xeque</source>
        <translation>Highlight check</translation>
    </message>
    <message>
        <source>Mostrar lances possíveis</source>
        <translation>Show possible moves</translation>
    </message>
    <message>
        <source>Escolher peça na promoção</source>
        <translation>Choose the piece on promotion</translation>
    </message>
    <message>
        <source>Jogadas</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Jogadores:</source>
        <translation>Players:</translation>
    </message>
    <message>
        <source>Computador</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Humano</source>
        <translation>Human</translation>
    </message>
    <message>
        <source>&amp;Jogo</source>
        <translation>&amp;Chess</translation>
    </message>
    <message>
        <source>Novo Jogo</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Dificuldade</source>
        <translation>Difficulty</translation>
    </message>
    <message>
        <source>Super Fácil</source>
        <translation>Very Easy</translation>
    </message>
    <message>
        <source>Fácil</source>
        <translation>Easy</translation>
    </message>
    <message>
        <source>Médio</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Difícil</source>
        <translation>Hard</translation>
    </message>
    <message>
        <source>Super Difícil</source>
        <translation>Very Hard</translation>
    </message>
    <message>
        <source>Carregar</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>O&amp;nline</source>
        <translation>O&amp;nline</translation>
    </message>
    <message>
        <source>Jogar</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>&amp;Media Player</source>
        <translation>&amp;Media Player</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>&amp;Ajuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Regras</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>História</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Sobre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Nenhum programa deste computador conseguiu abrir o documento. Ele está em:

%1

Abra-o num navegador.</source>
        <translation>No program on this computer could open the document. It is at:

%1

Open it in a web browser.</translation>
    </message>
    <message>
        <source>Copiar o caminho</source>
        <translation>Copy the path</translation>
    </message>
    <message>
        <source>Nova partida…</source>
        <translation>New game…</translation>
    </message>
    <message>
        <source>&amp;Treinar</source>
        <translation>&amp;Train</translation>
    </message>
    <message>
        <source>Iniciante</source>
        <translation>Beginner</translation>
    </message>
    <message>
        <source>Aprendiz</source>
        <translation>Apprentice</translation>
    </message>
    <message>
        <source>Nenhum motor instalado foi encontrado. Instale o pacote stockfish ou escolha o programa do motor em Partida › Nova partida…; o computador do programa joga.</source>
        <translation>No installed engine was found. Install the stockfish package or choose the engine program in Partida › Nova partida…; the program&apos;s computer plays.</translation>
    </message>
    <message>
        <source>Montar posição…</source>
        <translation>Set up position…</translation>
    </message>
    <message>
        <source>Põe as peças de uma posição à mão ou por FEN, para jogar ou analisar a partir dela.</source>
        <translation>Places the pieces of a position by hand or by FEN, to play or analyse from it.</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>ABRIR</source>
        <translation>OPEN</translation>
    </message>
    <message>
        <source>Media Player</source>
        <translation>Media Player</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Jogo Online</source>
        <translation>Online Game</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>não informado</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>Guia: regras do xadrez e como jogar</source>
        <translation>Guide: the rules of chess and how to play</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-mail:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Sobre o Kestravin 2005</source>
        <translation>About Kestravin 2005</translation>
    </message>
    <message>
        <source>Kestravin 2005 - xadrez para um ou dois jogadores, escrito pela equipe Kestravin.</source>
        <translation>Kestravin 2005 - chess for one or two players, written by the Kestravin team.</translation>
    </message>
</context>
<context>
    <name>TGameFiles</name>
    <message>
        <source>Abrir partida…</source>
        <translation>Open game…</translation>
    </message>
    <message>
        <source>Salvar partida…</source>
        <translation>Save game…</translation>
    </message>
    <message>
        <source>Copiar FEN</source>
        <translation>Copy FEN</translation>
    </message>
    <message>
        <source>Colar FEN</source>
        <translation>Paste FEN</translation>
    </message>
    <message>
        <source>Imprimir partida…</source>
        <translation>Print game…</translation>
    </message>
    <message>
        <source>Visualizar impressão da partida…</source>
        <translation>Print preview of the game…</translation>
    </message>
    <message>
        <source>Notação algébrica</source>
        <translation>Algebraic notation</translation>
    </message>
    <message>
        <source>Abrir partida</source>
        <translation>Open game</translation>
    </message>
    <message>
        <source>Partidas PGN (*.pgn)</source>
        <translation>PGN games (*.pgn)</translation>
    </message>
    <message>
        <source>Todos os arquivos (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Salvar partida</source>
        <translation>Save game</translation>
    </message>
    <message>
        <source>Imprimir partida</source>
        <translation>Print game</translation>
    </message>
    <message>
        <source>Visualizar impressão da partida</source>
        <translation>Print preview of the game</translation>
    </message>
    <message>
        <source>Não foi possível abrir a partida de &quot;%1&quot;: %2</source>
        <translation>Cannot open the game of &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Não foi possível abrir a partida de &quot;%1&quot;.</source>
        <translation>Cannot open the game of &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A área de transferência não contém uma posição FEN.</source>
        <translation>The clipboard holds no FEN position.</translation>
    </message>
    <message>
        <source>A posição FEN &quot;%1&quot; não foi aceita: %2</source>
        <translation>The FEN position &quot;%1&quot; was refused: %2</translation>
    </message>
    <message>
        <source>A partida não pôde ser guardada para continuar depois: %1</source>
        <translation>The game could not be kept to go on with later: %1</translation>
    </message>
</context>
<context>
    <name>TInstalledEngineOpponent</name>
    <message>
        <source>O motor “%1” propôs um lance ilegal (%2).</source>
        <translation>The engine “%1” proposed an illegal move (%2).</translation>
    </message>
    <message>
        <source>O motor instalado “%1” deixou de jogar: %2 O computador do programa continua a partida.</source>
        <translation>The installed engine “%1” stopped playing: %2 The program&apos;s computer plays on.</translation>
    </message>
</context>
<context>
    <name>TOpeningNameDisplay</name>
    <message>
        <source>Mostrar nome da abertura</source>
        <translation>Show the opening&apos;s name</translation>
    </message>
    <message>
        <source>Xadrez 960 nº %1</source>
        <translation>Chess960 no. %1</translation>
    </message>
    <message>
        <source>Xadrez 960</source>
        <translation>Chess960</translation>
    </message>
</context>
<context>
    <name>TOpponentController</name>
    <message>
        <source>Livro de aberturas</source>
        <translation>Opening book</translation>
    </message>
    <message>
        <source>Abrir com o livro</source>
        <translation>Open from the book</translation>
    </message>
    <message>
        <source>O computador varia as aberturas com as jogadas do livro, mais longe nos níveis mais fortes.</source>
        <translation>The computer varies its openings with the book&apos;s moves, further into the game at the stronger levels.</translation>
    </message>
    <message>
        <source>Escolher livro…</source>
        <translation>Choose book…</translation>
    </message>
    <message>
        <source>Escolher livro de aberturas</source>
        <translation>Choose opening book</translation>
    </message>
    <message>
        <source>Livros Polyglot (*.bin);;Todos os arquivos (*)</source>
        <translation>Polyglot books (*.bin);;All files (*)</translation>
    </message>
    <message>
        <source>Não foi possível ler o livro de aberturas %1. Instale o pacote gnuchess-book ou escolha outro livro em Opções › Livro de aberturas.</source>
        <translation>The opening book %1 could not be read. Install the gnuchess-book package or choose another book in Options › Opening book.</translation>
    </message>
    <message>
        <source>O arquivo %1 não é um livro de aberturas no formato Polyglot.</source>
        <translation>The file %1 is not an opening book in the Polyglot format.</translation>
    </message>
</context>
<context>
    <name>TPositionDrawings</name>
    <message>
        <source>Setas e círculos com o botão direito</source>
        <translation>Arrows and circles with the right button</translation>
    </message>
    <message>
        <source>Com o botão direito do mouse: arraste para desenhar uma seta, clique para marcar uma casa com um círculo; Shift, Ctrl e Alt mudam a cor.</source>
        <translation>With the right mouse button: drag to draw an arrow, click to circle a square; Shift, Ctrl and Alt change the colour.</translation>
    </message>
</context>
<context>
    <name>TProgressView</name>
    <message>
        <source>Progresso nos exercícios</source>
        <translation>Progress in the exercises</translation>
    </message>
    <message>
        <source>Tema</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Resolvidos</source>
        <translation>Solved</translation>
    </message>
    <message>
        <source>Não resolvidos</source>
        <translation>Not solved</translation>
    </message>
    <message>
        <source>Fechar</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Pontuação: %1 (± %2) · tentativas: %3</source>
        <translation>Rating: %1 (± %2) · attempts: %3</translation>
    </message>
</context>
<context>
    <name>TRatingChart</name>
    <message>
        <source>Pontuação ao longo das tentativas</source>
        <translation>Rating over the attempts</translation>
    </message>
    <message>
        <source>tentativas</source>
        <translation>attempts</translation>
    </message>
    <message>
        <source>Ainda não há tentativas.</source>
        <translation>No attempts yet.</translation>
    </message>
</context>
<context>
    <name>TTrainingController</name>
    <message>
        <source>Exercícios</source>
        <translation>Exercises</translation>
    </message>
    <message>
        <source>Posições para resolver, escolhidas perto da sua pontuação.</source>
        <translation>Positions to solve, chosen near your rating.</translation>
    </message>
    <message>
        <source>Meus erros</source>
        <translation>My mistakes</translation>
    </message>
    <message>
        <source>Os seus lances marcados com ? ou ?? na revisão das partidas, como exercícios.</source>
        <translation>Your moves marked ? or ?? when your games were reviewed, as exercises.</translation>
    </message>
    <message>
        <source>Progresso</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>O arquivo de exercícios (exercises/exercises.tsv) não foi encontrado.</source>
        <translation>The exercise file (exercises/exercises.tsv) was not found.</translation>
    </message>
    <message>
        <source>O arquivo de exercícios %1 não pôde ser lido: %2</source>
        <translation>The exercise file %1 could not be read: %2</translation>
    </message>
    <message>
        <source>O arquivo de exercícios %1 não tem nenhum exercício válido.</source>
        <translation>The exercise file %1 holds no valid exercise.</translation>
    </message>
    <message>
        <source>Exercício %1 · dificuldade %2</source>
        <translation>Exercise %1 · difficulty %2</translation>
    </message>
    <message>
        <source>Ainda não há exercícios dos seus erros. Depois de uma partida, use &quot;Partida › Revisar partida&quot;: cada lance seu marcado com ? ou ?? que tinha uma resposta clara vira um exercício.</source>
        <translation>There are no exercises from your mistakes yet. After a game, use &quot;Game › Review game&quot;: each of your moves marked ? or ?? that had one clear answer becomes an exercise.</translation>
    </message>
    <message>
        <source>Nenhum exercício para agora: os que você já fez voltam nos próximos dias.</source>
        <translation>No exercise for now: the ones you have done come back in the next days.</translation>
    </message>
    <message>
        <source>Sua pontuação: %1 (± %2)</source>
        <translation>Your rating: %1 (± %2)</translation>
    </message>
    <message>
        <source>Meus erros · numa partida sua você jogou %1</source>
        <translation>My mistakes · in one of your games you played %1</translation>
    </message>
</context>
<context>
    <name>TTrainingDatabase</name>
    <message>
        <source>O Qt deste computador não tem o módulo do SQLite (pacote libqt6sql6-sqlite): o progresso dos exercícios não será guardado.</source>
        <translation>Qt on this computer lacks its SQLite module (package libqt6sql6-sqlite): the progress in the exercises will not be kept.</translation>
    </message>
    <message>
        <source>Não foi possível preparar o arquivo de progresso dos exercícios (%1): %2</source>
        <translation>The file of the progress in the exercises (%1) could not be prepared: %2</translation>
    </message>
    <message>
        <source>Não foi possível abrir o arquivo de progresso dos exercícios (%1): %2</source>
        <translation>The file of the progress in the exercises (%1) could not be opened: %2</translation>
    </message>
    <message>
        <source>não é um banco de dados legível</source>
        <translation>is not a readable database</translation>
    </message>
    <message>
        <source>está danificado</source>
        <translation>is damaged</translation>
    </message>
    <message>
        <source>foi feito por uma versão mais nova do programa</source>
        <translation>was made by a newer version of the program</translation>
    </message>
    <message>
        <source>não é um arquivo de progresso dos exercícios</source>
        <translation>is not a file of progress in the exercises</translation>
    </message>
    <message>
        <source>O arquivo de progresso dos exercícios (%1) %2 e não pôde ser posto de lado.</source>
        <translation>The file of the progress in the exercises (%1) %2 and could not be set aside.</translation>
    </message>
    <message>
        <source>O arquivo de progresso dos exercícios %1 e foi guardado à parte como
%2

Um arquivo novo foi criado; a pontuação começa de novo.</source>
        <translation>The file of the progress in the exercises %1 and was kept aside as
%2

A new file was made; the rating starts again.</translation>
    </message>
</context>
<context>
    <name>TUciClient</name>
    <message>
        <source>O motor de análise “%1” respondeu de forma incompreensível.</source>
        <translation>The analysis engine “%1” gave answers that make no sense.</translation>
    </message>
    <message>
        <source>O motor de análise “%1” não respondeu.</source>
        <translation>The analysis engine “%1” did not answer.</translation>
    </message>
    <message>
        <source>O motor de análise “%1” terminou de repente.</source>
        <translation>The analysis engine “%1” ended suddenly.</translation>
    </message>
    <message>
        <source>Não foi possível iniciar o motor de análise “%1”.</source>
        <translation>The analysis engine “%1” could not be started.</translation>
    </message>
</context>
<context>
    <name>TimeControlEditor</name>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>de acréscimo por lance (Fischer)</source>
        <translation>increment per move (Fischer)</translation>
    </message>
    <message>
        <source>de atraso simples por lance</source>
        <translation>simple delay per move</translation>
    </message>
    <message>
        <source>de atraso Bronstein por lance</source>
        <translation>Bronstein delay per move</translation>
    </message>
    <message>
        <source>Bônus:</source>
        <translation>Bonus:</translation>
    </message>
    <message>
        <source>a partida toda</source>
        <translation>the whole game</translation>
    </message>
    <message>
        <source> lances</source>
        <translation> moves</translation>
    </message>
    <message>
        <source>Período:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>o mesmo período de novo</source>
        <translation>the same period again</translation>
    </message>
    <message>
        <source>Depois:</source>
        <translation>Then:</translation>
    </message>
    <message>
        <source>Tempo em minutos</source>
        <translation>Time in minutes</translation>
    </message>
    <message>
        <source>Bônus em segundos</source>
        <translation>Bonus in seconds</translation>
    </message>
    <message>
        <source>Tipo de bônus</source>
        <translation>Kind of bonus</translation>
    </message>
    <message>
        <source>Lances do primeiro período</source>
        <translation>Moves of the first period</translation>
    </message>
    <message>
        <source>Minutos depois do primeiro período</source>
        <translation>Minutes after the first period</translation>
    </message>
</context>
<context>
    <name>TypedMoveEntry</name>
    <message>
        <source>Lance:</source>
        <translation>Move:</translation>
    </message>
    <message>
        <source>Lance</source>
        <translation>Move</translation>
    </message>
</context>
</TS>
