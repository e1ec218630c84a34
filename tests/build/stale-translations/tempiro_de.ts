<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>DisplayText</name>
    <message>
        <source>Stop Watch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A text no source has</source>
        <translation type="vanished">Ein Text, den keine Quelle hat</translation>
    </message>
</context>
</TS>
