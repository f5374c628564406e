<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
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
</context>
</TS>
