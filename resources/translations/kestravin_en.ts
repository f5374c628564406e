<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
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
</TS>
