<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AlarmCheck</name>
    <message numerus="yes">
        <source>Missed alarms</source>
        <translation>
            <numerusform>Missed alarm</numerusform>
            <numerusform>Missed alarms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>While the clock was stopped, these alarms fell due and ended; they were not carried out:
%1</source>
        <translation>
            <numerusform>While the clock was stopped, this alarm fell due and ended; it was not carried out:
%1</numerusform>
            <numerusform>While the clock was stopped, these alarms fell due and ended; they were not carried out:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message numerus="yes">
        <source>more than %n alarms.</source>
        <translation>
            <numerusform>more than %n alarm.</numerusform>
            <numerusform>more than %n alarms.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>noctalis::SenderWindow</name>
    <message numerus="yes">
        <source>Interval: %n minutes.</source>
        <translation>
            <numerusform>Interval: %n minute.</numerusform>
            <numerusform>Interval: %n minutes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>noctalis::TonightWindow</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>crossed %n min ago</source>
        <translation>
            <numerusform>crossed %n min ago</numerusform>
            <numerusform>crossed %n min ago</numerusform>
        </translation>
    </message>
</context>
</TS>
