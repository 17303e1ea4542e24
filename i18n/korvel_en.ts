<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AppController</name>
    <message numerus="yes">
        <source>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</source>
        <translation>
            <numerusform>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</numerusform>
            <numerusform>The continuous log %1 is written again. Lines that could not be written to it: %n (%2); a line in the file marks where.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lines that never reached the continuous log %1: %n (%2).</source>
        <translation>
            <numerusform>Lines that never reached the continuous log %1: %n (%2).</numerusform>
            <numerusform>Lines that never reached the continuous log %1: %n (%2).</numerusform>
        </translation>
    </message>
</context>
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
    <name>FindBar</name>
    <message numerus="yes">
        <source>%n matches</source>
        <translation>
            <numerusform>%n match</numerusform>
            <numerusform>%n matches</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n</source>
        <translation>
            <numerusform>%1 of %n</numerusform>
            <numerusform>%1 of %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines hidden</source>
        <translation>
            <numerusform>%n line hidden</numerusform>
            <numerusform>%n lines hidden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HighlightRuleModel</name>
    <message numerus="yes">
        <source>No more than %n rules can be kept.</source>
        <translation>
            <numerusform>No more than %n rule can be kept.</numerusform>
            <numerusform>No more than %n rules can be kept.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogManager</name>
    <message numerus="yes">
        <source>Lines that could not be written here: %n (%1)</source>
        <translation>
            <numerusform>Lines that could not be written here: %n (%1)</numerusform>
            <numerusform>Lines that could not be written here: %n (%1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogMatcher</name>
    <message numerus="yes">
        <source>The pattern is longer than %n characters.</source>
        <translation>
            <numerusform>The pattern is longer than %n character.</numerusform>
            <numerusform>The pattern is longer than %n characters.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReplyGuard</name>
    <message numerus="yes">
        <source>The transfer did not finish in time (%n s).</source>
        <translation>
            <numerusform>The transfer did not finish in time (%n s).</numerusform>
            <numerusform>The transfer did not finish in time (%n s).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The download made no progress for %n s.</source>
        <translation>
            <numerusform>The download made no progress for %n s.</numerusform>
            <numerusform>The download made no progress for %n s.</numerusform>
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
    <message numerus="yes">
        <source>%n rules colour matching lines.</source>
        <translation>
            <numerusform>%n rule colours matching lines.</numerusform>
            <numerusform>%n rules colour matching lines.</numerusform>
        </translation>
    </message>
</context>
</TS>
