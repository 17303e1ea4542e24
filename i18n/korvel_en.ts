<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DataMonitorView</name>
    <message numerus="yes">
        <source>Paused · %n new lines</source>
        <translation>
            <numerusform>Paused · %n new line</numerusform>
            <numerusform>Paused · %n new lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FieldMonitor</name>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n or more): %2.</source>
        <translation>
            <numerusform>Only the first %1 fields are kept. Not added (%n or more): %2.</numerusform>
            <numerusform>Only the first %1 fields are kept. Not added (%n or more): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Only the first %1 fields are kept. Not added (%n): %2.</source>
        <translation>
            <numerusform>Only the first %1 fields are kept. Not added (%n): %2.</numerusform>
            <numerusform>Only the first %1 fields are kept. Not added (%n): %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</source>
        <translation>
            <numerusform>Line not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</numerusform>
            <numerusform>Lines not read (%n): broken JSON, nested deeper than %1 levels or longer than %2 KiB.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsAboutDialog</name>
    <message numerus="yes">
        <source>%n models</source>
        <translation>
            <numerusform>%n model</numerusform>
            <numerusform>%n models</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n commands</source>
        <translation>
            <numerusform>%n command</numerusform>
            <numerusform>%n commands</numerusform>
        </translation>
    </message>
</context>
</TS>
