<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="xx">
<context>
    <name>AppController</name>
    <message>
        <source>Port closed</source>
        <translation>XX port closed</translation>
    </message>
</context>
</TS>
