<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>TForm1</name>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>地震ﾃﾞｰﾀﾌｧｲﾙ読込</source>
        <translation>Open an earthquake record file</translation>
    </message>
</context>
</TS>
