<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About Noctalis</source>
        <translation>Über Noctalis</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Local mean sidereal time, sidereal alarms and a sidereal calculator for observers.</source>
        <translation>Ortssternzeit, Sternzeit-Alarme und ein Sternzeitrechner für Beobachter.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later. Planetary positions: libnova (LGPL). Data files carry their own licences in the data folder.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später. Planetenpositionen: libnova (LGPL). Die Datendateien tragen ihre eigenen Lizenzen im Datenordner.</translation>
    </message>
    <message>
        <source>World map: Natural Earth (public domain), through world-atlas (ISC). City list: city-timezones (MIT), from Natural Earth populated places (public domain); time zones from the IANA tz database (public domain).</source>
        <translation>Weltkarte: Natural Earth (gemeinfrei), über world-atlas (ISC). Städteliste: city-timezones (MIT), aus den Natural-Earth-Ortschaften (gemeinfrei); Zeitzonen aus der IANA-tz-Datenbank (gemeinfrei).</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Home &amp;Page</source>
        <translation>&amp;Startseite</translation>
    </message>
</context>
<context>
    <name>AlarmCheck</name>
    <message>
        <source>Sidereal Alarm: %1</source>
        <translation>Sternzeit-Alarm: %1</translation>
    </message>
    <message numerus="yes">
        <source>Missed alarms</source>
        <translation>
            <numerusform>Verpasster Alarm</numerusform>
            <numerusform>Verpasste Alarme</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 at LMST %2</source>
        <extracomment>%1 is an alarm&apos;s name, %2 its sidereal time (HH:MM:SS).</extracomment>
        <translation>%1 um LMST %2</translation>
    </message>
    <message numerus="yes">
        <source>While the clock was stopped, these alarms fell due and ended; they were not carried out:
%1</source>
        <translation>
            <numerusform>Während die Uhr stand, wurde dieser Alarm fällig und ist abgelaufen; er wurde nicht ausgeführt:
%1</numerusform>
            <numerusform>Während die Uhr stand, wurden diese Alarme fällig und sind abgelaufen; sie wurden nicht ausgeführt:
%1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AlarmDef</name>
    <message>
        <source>Message Box</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>Message Box + Sound</source>
        <translation>Meldung + Ton</translation>
    </message>
    <message>
        <source>Launch Program</source>
        <translation>Programm starten</translation>
    </message>
    <message>
        <source>Send LMST via TCP</source>
        <translation>LMST über TCP senden</translation>
    </message>
</context>
<context>
    <name>AlarmEditor</name>
    <message>
        <source>Setup Alarms / Alerts</source>
        <translation>Alarme und Meldungen einrichten</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Alarm Name</source>
        <translation>Alarmname</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Alarm File:</source>
        <translation>Alarmdatei:</translation>
    </message>
    <message>
        <source>&amp;New </source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create a new Alarm file.</source>
        <translation>Eine neue Alarmdatei anlegen.</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel Edit</source>
        <translation>Bearbeiten &amp;abbrechen</translation>
    </message>
    <message>
        <source>Edit Alarm</source>
        <translation>Alarm bearbeiten</translation>
    </message>
    <message>
        <source>Sec</source>
        <translation>Sek</translation>
    </message>
    <message>
        <source>How long the alert will remain active. </source>
        <translation>Wie lange der Alarm aktiv bleibt.</translation>
    </message>
    <message>
        <source>Sidereal Time</source>
        <translation>Sternzeit</translation>
    </message>
    <message>
        <source>Na&amp;me</source>
        <translation>Na&amp;me</translation>
    </message>
    <message>
        <source>&amp;Hr</source>
        <translation>St&amp;d</translation>
    </message>
    <message>
        <source>M&amp;in</source>
        <translation>M&amp;in</translation>
    </message>
    <message>
        <source>Ena&amp;bled</source>
        <translation>A&amp;ktiv</translation>
    </message>
    <message>
        <source>Alarm &amp;Type</source>
        <translation>Alarma&amp;rt</translation>
    </message>
    <message>
        <source>Du&amp;ration min.</source>
        <translation>Da&amp;uer (min)</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Aus&amp;wählen</translation>
    </message>
    <message>
        <source>Start the program minimi&amp;zed</source>
        <translation>Pro&amp;gramm minimiert starten</translation>
    </message>
</context>
<context>
    <name>AlarmFile</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the %1 value is longer than %2 characters.</source>
        <translation>der Wert von %1 ist länger als %2 Zeichen.</translation>
    </message>
    <message>
        <source>the action %1 is outside -32768 to 32767.</source>
        <translation>die Aktion %1 liegt außerhalb von -32768 bis 32767.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither True, False nor a number.</source>
        <extracomment>True and False are the words of the file; they stay as they are.</extracomment>
        <translation>„%1“ ist weder True noch False noch eine Zahl.</translation>
    </message>
    <message>
        <source>Input past end of file.</source>
        <translation>Lesen über das Dateiende hinaus.</translation>
    </message>
    <message>
        <source>Error opening Alarm File: <byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Fehler beim Öffnen der Alarmdatei: <byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Not an alarm file.</source>
        <translation>Keine Alarmdatei.</translation>
    </message>
    <message>
        <source>the sidereal time %1 is not from 0 up to 1 day</source>
        <translation>die Sternzeit %1 liegt nicht im Bereich von 0 bis unter 1 Tag</translation>
    </message>
    <message>
        <source>the duration %1 days is negative</source>
        <translation>die Dauer von %1 Tagen ist negativ</translation>
    </message>
    <message>
        <source>Alarm %1 &quot;%2&quot;: %3.</source>
        <translation>Alarm %1 „%2“: %3.</translation>
    </message>
    <message>
        <source>These alarms were loaded disabled, because they could fire again at every tick:</source>
        <translation>Diese Alarme wurden ausgeschaltet geladen, weil sie sonst bei jedem Takt erneut auslösen könnten:</translation>
    </message>
    <message>
        <source>Alarm File: <byte value="xd"/>
%1<byte value="xd"/>
Not Found.</source>
        <translation>Alarmdatei: <byte value="xd"/>
%1<byte value="xd"/>
Nicht gefunden.</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes (64 MiB), the most an alarm file may hold.</source>
        <translation>Die Datei ist größer als %1 Byte (64 MiB), die Höchstgröße einer Alarmdatei.</translation>
    </message>
    <message>
        <source>Alarm %1: the %2 value holds a line break.</source>
        <extracomment>%2 is the tag of the file&apos;s line (NAME, PARAM1, ...).</extracomment>
        <translation>Alarm %1: der Wert von %2 enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>Error saving:<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Fehler beim Speichern:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message numerus="yes">
        <source>more than %n alarms.</source>
        <translation>
            <numerusform>mehr als %n Alarm.</numerusform>
            <numerusform>mehr als %n Alarme.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>AlarmNotice</name>
    <message>
        <source>Sidereal Alarm</source>
        <translation>Sternzeit-Alarm</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>Snooze minutes</source>
        <translation>Minuten bis zur Wiederholung</translation>
    </message>
    <message>
        <source>Minutes until the notice comes back</source>
        <translation>Minuten, bis der Hinweis wiederkommt</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Snooze the alarm</source>
        <translation>Alarm später wiederholen</translation>
    </message>
    <message>
        <source>Stop the alarm</source>
        <translation>Alarm beenden</translation>
    </message>
    <message>
        <source>&amp;Snooze</source>
        <translation>&amp;Schlummern</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>ClockWindow</name>
    <message>
        <source>LMST</source>
        <translation>LMST</translation>
    </message>
    <message>
        <source>Right Click Clock Face for Menu.</source>
        <translation>Rechtsklick auf das Zifferblatt öffnet das Menü.</translation>
    </message>
    <message>
        <source> UT</source>
        <translation> UT</translation>
    </message>
    <message>
        <source>LAST</source>
        <translation>LAST</translation>
    </message>
    <message>
        <source>Local mean sidereal time</source>
        <translation>Mittlere Ortssternzeit</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Noctalis Configuration</source>
        <translation>Noctalis-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Lng:</source>
        <translation>&amp;Länge:</translation>
    </message>
    <message>
        <source>Longitude (Decimal Degs West)</source>
        <translation>Geografische Länge (Dezimalgrad West)</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>&amp;Time Zone:</source>
        <translation>&amp;Zeitzone:</translation>
    </message>
    <message>
        <source>Date Format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>click box to change color</source>
        <translation>Feld anklicken, um die Farbe zu ändern</translation>
    </message>
    <message>
        <source>Show the local apparent sidereal time (LMST plus the equation of the equinoxes) as a third row.</source>
        <translation>Zeigt die wahre Ortssternzeit (LMST plus Äquinoktialgleichung) als dritte Zeile.</translation>
    </message>
    <message>
        <source>UT1 - UTC in seconds, as the IERS publishes it (between -0.9 and 0.9); 0 keeps the clock on UTC.</source>
        <translation>UT1 − UTC in Sekunden, wie vom IERS veröffentlicht (zwischen -0,9 und 0,9); 0 lässt die Uhr auf UTC.</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>where did this come from?</source>
        <translation>Woher kommt das?</translation>
    </message>
    <message>
        <source>exit without changes</source>
        <translation>ohne Änderungen schließen</translation>
    </message>
    <message>
        <source>save these changes and exit config</source>
        <translation>Änderungen speichern und Einstellungen schließen</translation>
    </message>
    <message>
        <source>Time Zone +Daylight Savings Time Bias if it exists.</source>
        <translation>Zeitzone einschließlich Sommerzeit-Verschiebung, falls vorhanden.</translation>
    </message>
    <message>
        <source>Detect T&amp;Z automatically.</source>
        <translation>Zeitzone automatisch &amp;erkennen.</translation>
    </message>
    <message>
        <source>MM/DD/&amp;YYYY</source>
        <translation>MM/TT/&amp;JJJJ</translation>
    </message>
    <message>
        <source>&amp;DD/MM/YYYY</source>
        <translation>&amp;TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>&amp;back color</source>
        <translation>Hinter&amp;grundfarbe</translation>
    </message>
    <message>
        <source>Digit color</source>
        <translation>Ziffernfarbe</translation>
    </message>
    <message>
        <source>di&amp;git color</source>
        <translation>Ziffern&amp;farbe</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Sch&amp;rift</translation>
    </message>
    <message>
        <source>&amp;Alarms Enabled</source>
        <translation>Alarme ei&amp;ngeschaltet</translation>
    </message>
    <message>
        <source>Auto-&amp;Start Clock</source>
        <translation>Uhr automatisch &amp;starten</translation>
    </message>
    <message>
        <source>Always on To&amp;p</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Sho&amp;w LAST (apparent sidereal time)</source>
        <translation>LAST anzeigen (&amp;wahre Sternzeit)</translation>
    </message>
    <message>
        <source>D&amp;UT1 (s):</source>
        <translation>D&amp;UT1 (s):</translation>
    </message>
    <message>
        <source>Configure Ala&amp;rms</source>
        <translation>Alar&amp;me einrichten</translation>
    </message>
    <message>
        <source>About / &amp;Help</source>
        <translation>Über / &amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Every window red on black, for eyes adapted to the dark.</source>
        <translation>Alle Fenster rot auf Schwarz, für Augen, die sich an die Dunkelheit gewöhnt haben.</translation>
    </message>
    <message>
        <source>&amp;Night vision (red on black)</source>
        <translation>Na&amp;chtsicht (rot auf Schwarz)</translation>
    </message>
    <message>
        <source>Br&amp;ightness (%):</source>
        <translation>Hell&amp;igkeit (%):</translation>
    </message>
    <message>
        <source>How bright the clock&apos;s red digits are at night, in percent of full brightness.</source>
        <translation>Wie hell die roten Ziffern der Uhr bei Nachtsicht sind, in Prozent der vollen Helligkeit.</translation>
    </message>
    <message>
        <source>telescopes and observatories whose sidereal time the clock can show</source>
        <translation>Teleskope und Sternwarten, deren Sternzeit die Uhr zeigen kann</translation>
    </message>
    <message>
        <source>Sit&amp;es…</source>
        <translation>Stan&amp;dorte…</translation>
    </message>
</context>
<context>
    <name>FileRoutines</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes.</source>
        <translation>Die Datei ist größer als %1 Byte.</translation>
    </message>
</context>
<context>
    <name>InputForms</name>
    <message>
        <source>Use degrees such as 70.667, 70:40:01, 70 40 01 or 70°40&apos;01&quot;, with E or W if you like.</source>
        <translation>Grad angeben, etwa 70.667, 70:40:01, 70 40 01 oder 70°40&apos;01&quot;, nach Belieben mit E oder W.</translation>
    </message>
    <message>
        <source>Use degrees from -90 to 90 such as 40.5, 40:30:00, 40 30 00 or 40°30&apos;00&quot;, with N or S if you like.</source>
        <translation>Grad von -90 bis 90 angeben, etwa 40.5, 40:30:00, 40 30 00 oder 40°30&apos;00&quot;, nach Belieben mit N oder S.</translation>
    </message>
    <message>
        <source>Use hours east of UT from -24 to 24, such as -5, 5.5 or +5:30.</source>
        <translation>Stunden östlich von UT von -24 bis 24 angeben, etwa -5, 5.5 oder +5:30.</translation>
    </message>
    <message>
        <source>Use a month from 1 to 12, a day that the month has and a year from 100 to 9999.</source>
        <translation>Einen Monat von 1 bis 12, einen Tag, den der Monat hat, und ein Jahr von 100 bis 9999 angeben.</translation>
    </message>
    <message>
        <source>Use whole hours from 0 to 23, minutes and seconds from 0 to 59.</source>
        <translation>Ganze Stunden von 0 bis 23, Minuten und Sekunden von 0 bis 59 angeben.</translation>
    </message>
</context>
<context>
    <name>NoctalisModule</name>
    <message>
        <source>Could not interpret as Longitude
Use HH:MM:SS or decimal value</source>
        <translation>Nicht als Länge lesbar
Bitte GG:MM:SS oder einen Dezimalwert verwenden</translation>
    </message>
    <message>
        <source>Longitude Error</source>
        <translation>Fehler in der Länge</translation>
    </message>
</context>
<context>
    <name>NotifyingActions</name>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Snooze</source>
        <translation>Schlummern</translation>
    </message>
</context>
<context>
    <name>ObserverDialog</name>
    <message>
        <source>Observer Parameters</source>
        <translation>Beobachtungsort</translation>
    </message>
    <message>
        <source>Lat/Lng</source>
        <translation>Breite/Länge</translation>
    </message>
    <message>
        <source>Right-Click on Map to use the pointer Lat/Lng.</source>
        <translation>Rechtsklick auf die Karte übernimmt Breite/Länge des Zeigers.</translation>
    </message>
    <message>
        <source>The latitude of the Observer.</source>
        <translation>Die geografische Breite des Beobachters.</translation>
    </message>
    <message>
        <source>This is the West Longitude of the Observer.</source>
        <translation>Die westliche Länge des Beobachters.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Elevation of the observer above sea level.</source>
        <translation>Höhe des Beobachters über dem Meeresspiegel.</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>This is the time zone for the selected observer location. Usually this will be the same as the system clock time zone.</source>
        <translation>Die Zeitzone des gewählten Beobachtungsorts. Meist ist sie dieselbe wie die der Systemuhr.</translation>
    </message>
    <message>
        <source>This is the time zone that your computer system clock uses.</source>
        <translation>Die Zeitzone, die die Systemuhr des Computers verwendet.</translation>
    </message>
    <message>
        <source>Daylight Savings Time Rules.</source>
        <translation>Sommerzeitregeln.</translation>
    </message>
    <message>
        <source>Location Description</source>
        <translation>Beschreibung des Orts</translation>
    </message>
    <message>
        <source>Observer file name</source>
        <translation>Name der Beobachterdatei</translation>
    </message>
    <message>
        <source>Takes you the location via browser and Google Maps.</source>
        <translation>Zeigt den Ort im Browser mit Google Maps.</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>The time zone of the place, daylight saving included. Typing a time zone replaces it by that fixed offset.</source>
        <translation>Die Zeitzone des Ortes, Sommerzeit eingeschlossen. Eine eingetippte Zeitzone ersetzt sie durch diesen festen Versatz.</translation>
    </message>
    <message>
        <source>Time Zone Name:</source>
        <translation>Zeitzonenname:</translation>
    </message>
    <message>
        <source>Select &amp;Region</source>
        <translation>&amp;Region auswählen</translation>
    </message>
    <message>
        <source>Select Cit&amp;y</source>
        <translation>Stadt aus&amp;wählen</translation>
    </message>
    <message>
        <source>Lati&amp;tude:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>Lo&amp;ngitude:</source>
        <translation>Lä&amp;nge:</translation>
    </message>
    <message>
        <source>&amp;Elevation:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Time &amp;Zone:</source>
        <translation>&amp;Zeitzone:</translation>
    </message>
    <message>
        <source>US Time Zones &amp;by Name</source>
        <translation>&amp;US-Zeitzonen nach Namen</translation>
    </message>
    <message>
        <source>System Cloc&amp;k Time Zone:</source>
        <translation>Zeitzone der S&amp;ystemuhr:</translation>
    </message>
    <message>
        <source>&amp;Detect System Time Zone</source>
        <translation>Zeitzone des Systems &amp;erkennen</translation>
    </message>
    <message>
        <source>DST R&amp;ule:</source>
        <translation>So&amp;mmerzeitregel:</translation>
    </message>
    <message>
        <source>Loc&amp;ation Desc.:</source>
        <translation>Ortsbes&amp;chr.:</translation>
    </message>
    <message>
        <source>C&amp;ities</source>
        <translation>S&amp;tädte</translation>
    </message>
    <message>
        <source>&amp;Google Map</source>
        <translation>&amp;Google Maps</translation>
    </message>
    <message>
        <source>Type part of a city&apos;s name: every region is searched, accents and letter case do not count.</source>
        <translation>Tippen Sie einen Teil des Stadtnamens: Alle Regionen werden durchsucht, Akzente und Groß-/Kleinschreibung zählen nicht.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>City name</source>
        <translation>Stadtname</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Finden:</translation>
    </message>
</context>
<context>
    <name>ObserverFile</name>
    <message>
        <source>Input past end of file.</source>
        <translation>Lesen über das Dateiende hinaus.</translation>
    </message>
</context>
<context>
    <name>PageTexts</name>
    <message>
        <source>No web browser could open the page. You find it here:<byte value="xd"/>
%1</source>
        <translation>Kein Webbrowser konnte die Seite öffnen. Sie finden sie hier:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>SenderWindow</name>
    <message>
        <source>TCP Sidereal Alert</source>
        <translation>Sternzeit-Meldung über TCP</translation>
    </message>
    <message>
        <source>Interval:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <source>Sent:</source>
        <translation>Gesendet:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Nachricht:</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>Aus&amp;blenden</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>SettingValues</name>
    <message>
        <source>Could not interpret as Time Zone
Use a number of hours from -24 to 24</source>
        <translation>Nicht als Zeitzone lesbar
Bitte eine Zahl von Stunden von -24 bis 24 verwenden</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Fehler in der Zeitzone</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>A change of the settings could not be saved to:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
It stays in effect while the clock runs, and saving it is tried again at the next change.</source>
        <translation>Eine Änderung der Einstellungen konnte nicht gespeichert werden in:<byte value="xd"/>
%1<byte value="xd"/>
%2<byte value="xd"/>
Sie gilt weiter, solange die Uhr läuft, und das Speichern wird bei der nächsten Änderung erneut versucht.</translation>
    </message>
</context>
<context>
    <name>SiderealCalculator</name>
    <message>
        <source>Sidereal Time Calculator</source>
        <translation>Sternzeitrechner</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Zeit/Datum</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Sidereal Time HH/MM/SS</source>
        <translation>Sternzeit Std/Min/Sek</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Longitude </source>
        <translation>Geografische Länge</translation>
    </message>
    <message>
        <source>Longitude in DD:MM:SS or Decimal degrees.</source>
        <translation>Länge als GG:MM:SS oder in Dezimalgrad.</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Time Zone (Hours from UT)</source>
        <translation>Zeitzone (Stunden gegen UT)</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>Use the system Timezone of the computer.</source>
        <translation>Die Zeitzone des Computers verwenden.</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>Sidereal hour</source>
        <translation>Sternzeit-Stunde</translation>
    </message>
    <message>
        <source>Sidereal minute</source>
        <translation>Sternzeit-Minute</translation>
    </message>
    <message>
        <source>Sidereal second</source>
        <translation>Sternzeit-Sekunde</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Geografische Länge</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <source>&amp;UT</source>
        <translation>&amp;UT</translation>
    </message>
    <message>
        <source>&amp;Local</source>
        <translation>&amp;Ortszeit</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Jetzt</translation>
    </message>
    <message>
        <source>&amp;Time -&gt; Sidereal</source>
        <translation>&amp;Zeit -&gt; Sternzeit</translation>
    </message>
    <message>
        <source>&amp;Sidereal -&gt; Time</source>
        <translation>&amp;Sternzeit -&gt; Zeit</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
    <message>
        <source>&amp;Map</source>
        <translation>&amp;Karte</translation>
    </message>
    <message>
        <source>Local T&amp;Z</source>
        <translation>S&amp;ystemzeitzone</translation>
    </message>
</context>
<context>
    <name>SiteRows</name>
    <message>
        <source>--:--:--</source>
        <translation>--:--:--</translation>
    </message>
    <message>
        <source>%1  %2</source>
        <translation>%1  %2</translation>
    </message>
    <message>
        <source>LMST at %1: %2</source>
        <translation>Ortssternzeit in %1: %2</translation>
    </message>
</context>
<context>
    <name>TonightWindow</name>
    <message>
        <source>Tonight</source>
        <translation>Heute Nacht</translation>
    </message>
    <message>
        <source>Compute every row again now (they are computed once a minute).</source>
        <translation>Alle Zeilen jetzt neu berechnen (sonst einmal pro Minute).</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Aufgang</translation>
    </message>
    <message>
        <source>Rising in local time: the upper limb of the Sun and the Moon, the centre of anything else, seen through the standard refraction of 34&apos;</source>
        <translation>Aufgang in Ortszeit: Oberrand von Sonne und Mond, Mitte aller anderen Objekte, mit der Standardrefraktion von 34&apos;</translation>
    </message>
    <message>
        <source>Rise Az</source>
        <translation>Az. Aufg.</translation>
    </message>
    <message>
        <source>Azimuth of the rising, degrees from north through east</source>
        <translation>Azimut des Aufgangs, Grad von Nord über Ost</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Durchgang</translation>
    </message>
    <message>
        <source>Upper meridian transit in local time</source>
        <translation>Oberer Meridiandurchgang in Ortszeit</translation>
    </message>
    <message>
        <source>Transit Alt</source>
        <translation>Höhe Durchg.</translation>
    </message>
    <message>
        <source>Altitude at the transit, degrees, without refraction</source>
        <translation>Höhe beim Meridiandurchgang, Grad, ohne Refraktion</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Untergang</translation>
    </message>
    <message>
        <source>Setting in local time, as for the rising</source>
        <translation>Untergang in Ortszeit, wie beim Aufgang</translation>
    </message>
    <message>
        <source>Set Az</source>
        <translation>Az. Unterg.</translation>
    </message>
    <message>
        <source>Azimuth of the setting, degrees from north through east</source>
        <translation>Azimut des Untergangs, Grad von Nord über Ost</translation>
    </message>
    <message>
        <source>Altitude</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Altitude of the centre now, degrees, without refraction (for the Moon as seen from the ground)</source>
        <translation>Höhe der Mitte jetzt, Grad, ohne Refraktion (beim Mond vom Erdboden aus gesehen)</translation>
    </message>
    <message>
        <source>Azimuth</source>
        <translation>Azimut</translation>
    </message>
    <message>
        <source>Azimuth now, degrees from north through east</source>
        <translation>Azimut jetzt, Grad von Nord über Ost</translation>
    </message>
    <message>
        <source>Meridian</source>
        <translation>Meridian</translation>
    </message>
    <message>
        <source>Time until the next upper meridian crossing, or since the last one within the hour</source>
        <translation>Zeit bis zum nächsten oberen Meridiandurchgang, oder seit dem letzten innerhalb der vergangenen Stunde</translation>
    </message>
    <message>
        <source>Targets of your own</source>
        <translation>Eigene Ziele</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Vega</source>
        <translation>Wega</translation>
    </message>
    <message>
        <source>&amp;RA (h):</source>
        <translation>&amp;RA (h):</translation>
    </message>
    <message>
        <source>Right ascension of date, hours: 18:36:56, 18:36.9 or 18.6156</source>
        <translation>Rektaszension des Datums, Stunden: 18:36:56, 18:36.9 oder 18.6156</translation>
    </message>
    <message>
        <source>&amp;Dec (°):</source>
        <translation>&amp;Dekl. (°):</translation>
    </message>
    <message>
        <source>Declination of date, degrees, north positive: +38:47:01, -5:23.5 or 38.7836</source>
        <translation>Deklination des Datums, Grad, nördlich positiv: +38:47:01, -5:23.5 oder 38.7836</translation>
    </message>
    <message>
        <source>Add &amp;Target</source>
        <translation>Ziel &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Remove the selected target of your own</source>
        <translation>Das ausgewählte eigene Ziel entfernen</translation>
    </message>
    <message>
        <source>Re&amp;move Target</source>
        <translation>Ziel &amp;entfernen</translation>
    </message>
    <message>
        <source>Transit alarm for the selected row</source>
        <translation>Durchgangsalarm für die ausgewählte Zeile</translation>
    </message>
    <message>
        <source>Hour-angle &amp;offset (h):</source>
        <translation>&amp;Stundenwinkel-Versatz (h):</translation>
    </message>
    <message>
        <source>Sidereal hours from the crossing: -0.5 rings half an hour before it, 0 at it</source>
        <translation>Sternzeitstunden ab dem Durchgang: -0.5 meldet sich eine halbe Stunde davor, 0 genau dabei</translation>
    </message>
    <message>
        <source>Add a sidereal notice alarm at the object&apos;s right ascension plus the offset to the alarm table</source>
        <translation>Einen Sternzeit-Meldungsalarm bei der Rektaszension des Objekts plus Versatz in die Alarmtabelle eintragen</translation>
    </message>
    <message>
        <source>Add Transit &amp;Alarm</source>
        <translation>Durchgangsalar&amp;m hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Sch&amp;ließen</translation>
    </message>
</context>
<context>
    <name>UsZonePicker</name>
    <message>
        <source>Select a US Time Zone by Name</source>
        <translation>US-Zeitzone nach Namen auswählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Eastern Time  (UT - 5 hours)</source>
        <translation>&amp;Eastern Time  (UT - 5 Stunden)</translation>
    </message>
    <message>
        <source>Ce&amp;ntral Time  (UT-6 hours)</source>
        <translation>Ce&amp;ntral Time  (UT-6 Stunden)</translation>
    </message>
    <message>
        <source>&amp;Mountain Time  (UT-7 hours)</source>
        <translation>&amp;Mountain Time  (UT-7 Stunden)</translation>
    </message>
    <message>
        <source>&amp;Pacific Time  (UT-8 hours)</source>
        <translation>&amp;Pacific Time  (UT-8 Stunden)</translation>
    </message>
    <message>
        <source>&amp;Alaska Time  (UT-9 hours)</source>
        <translation>A&amp;laska Time  (UT-9 Stunden)</translation>
    </message>
    <message>
        <source>&amp;Hawaii Time (UT-10 hours)</source>
        <translation>&amp;Hawaii Time (UT-10 Stunden)</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Sidereal clock and alarms for astronomical observers.</source>
        <translation>Sternzeituhr und Alarme für astronomische Beobachter.</translation>
    </message>
</context>
<context>
    <name>noctalis::AboutBox</name>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>noctalis::AlarmEditor</name>
    <message>
        <source>Alarm File</source>
        <translation>Alarmdatei</translation>
    </message>
    <message>
        <source>Alarm File: %1</source>
        <translation>Alarmdatei: %1</translation>
    </message>
    <message>
        <source>&amp;Cancel Add</source>
        <translation>Hinzufügen &amp;abbrechen</translation>
    </message>
    <message>
        <source>&amp;Cancel Edit</source>
        <translation>Bearbeiten &amp;abbrechen</translation>
    </message>
    <message>
        <source>Please select an alarm name and then click edit.</source>
        <translation>Bitte einen Alarm auswählen und dann auf „Bearbeiten“ klicken.</translation>
    </message>
    <message>
        <source>Parameter %1</source>
        <translation>Parameter %1</translation>
    </message>
    <message>
        <source>%1 is longer than 32767 characters.</source>
        <translation>%1 ist länger als 32767 Zeichen.</translation>
    </message>
    <message>
        <source>No more alarms can be added: an alarm file holds at most 32768 alarms.</source>
        <translation>Es können keine weiteren Alarme hinzugefügt werden: eine Alarmdatei fasst höchstens 32768 Alarme.</translation>
    </message>
    <message>
        <source>Do you want to save your changes to:<byte value="xd"/>
%1</source>
        <translation>Sollen die Änderungen gespeichert werden in:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Please select an alarm number to delete and then click Delete.</source>
        <translation>Bitte die Nummer des zu löschenden Alarms auswählen und dann auf „Entfernen“ klicken.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete alarm %1?</source>
        <extracomment>%1 is the alarm&apos;s number.</extracomment>
        <translation>Soll Alarm %1 wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>Not Saved.</source>
        <translation>Nicht gespeichert.</translation>
    </message>
    <message>
        <source>Either no alarms are defined or Alarm 1 does not have a supplied name.</source>
        <translation>Entweder sind keine Alarme angelegt oder Alarm 1 hat keinen Namen.</translation>
    </message>
    <message>
        <source>Save Sidereal Alarm File</source>
        <translation>Sternzeit-Alarmdatei speichern</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.<byte value="xd"/>
Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>Select Executable File</source>
        <translation>Programmdatei auswählen</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Select Sound File</source>
        <translation>Tondatei auswählen</translation>
    </message>
    <message>
        <source>Sound File</source>
        <translation>Tondatei</translation>
    </message>
    <message>
        <source>Duration must be a number of minutes greater than 0 and at most 1440, such as 5 or 0.5.</source>
        <translation>Die Dauer muss eine Zahl von Minuten größer als 0 und höchstens 1440 sein, etwa 5 oder 0.5.</translation>
    </message>
    <message>
        <source>Interval must be a number of minutes greater than 0 and at most 1440, such as 5 or 0.5.</source>
        <translation>Das Intervall muss eine Zahl von Minuten größer als 0 und höchstens 1440 sein, etwa 5 oder 0.5.</translation>
    </message>
    <message>
        <source>Hr, Min and Sec must be whole numbers: hours from 0 to 23, minutes and seconds from 0 to 59.</source>
        <translation>Std, Min und Sek müssen ganze Zahlen sein: Stunden von 0 bis 23, Minuten und Sekunden von 0 bis 59.</translation>
    </message>
    <message>
        <source>The program&apos;s command line must not contain a NUL character.</source>
        <translation>Die Befehlszeile des Programms darf kein NUL-Zeichen enthalten.</translation>
    </message>
    <message>
        <source>%1 holds a line break; an alarm keeps one line of text.</source>
        <translation>%1 enthält einen Zeilenumbruch; ein Alarm speichert nur eine Textzeile.</translation>
    </message>
    <message>
        <source>%1 holds a broken character; type or paste it again.</source>
        <translation>%1 enthält ein beschädigtes Zeichen; bitte erneut eingeben oder einfügen.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Do you want to save your new alarm list?</source>
        <translation>Möchten Sie Ihre neue Alarmliste speichern?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>The URL must be empty (this computer, port 1556) or host:port, such as 127.0.0.1:5555 or tcp://dome.local:5555.</source>
        <translation>Die URL muss leer sein (dieser Computer, Port 1556) oder Host:Port lauten, etwa 127.0.0.1:5555 oder tcp://dome.local:5555.</translation>
    </message>
    <message>
        <source>Load Sidereal Alarms</source>
        <translation>Sternzeit-Alarme laden</translation>
    </message>
    <message>
        <source>Messa&amp;ge:</source>
        <translation>Nachri&amp;cht:</translation>
    </message>
    <message>
        <source>So&amp;und:</source>
        <translation>&amp;Ton:</translation>
    </message>
    <message>
        <source>Pro&amp;gram:</source>
        <translation>&amp;Programm:</translation>
    </message>
    <message>
        <source>Minimized &amp;Y/N:</source>
        <translation>Minimiert &amp;Y/N:</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;Ziel (URL):</translation>
    </message>
    <message>
        <source>Inter&amp;val min:</source>
        <translation>Inter&amp;vall min:</translation>
    </message>
</context>
<context>
    <name>noctalis::ClockSyncMonitor</name>
    <message>
        <source>System clock: synchronised, ±%1 ms</source>
        <translation>Systemuhr: synchronisiert, ±%1 ms</translation>
    </message>
    <message>
        <source>System clock: synchronised</source>
        <translation>Systemuhr: synchronisiert</translation>
    </message>
    <message>
        <source>System clock: not synchronised since %1 UT</source>
        <translation>Systemuhr: nicht synchronisiert seit %1 UT</translation>
    </message>
    <message>
        <source>System clock: not synchronised since %1 %2 UT</source>
        <translation>Systemuhr: nicht synchronisiert seit %1 %2 UT</translation>
    </message>
</context>
<context>
    <name>noctalis::ClockTray</name>
    <message>
        <source>LMST %1</source>
        <translation>Ortssternzeit %1</translation>
    </message>
</context>
<context>
    <name>noctalis::ClockWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>&amp;Minimieren</translation>
    </message>
    <message>
        <source>Display &amp;UT</source>
        <translation>Weltzeit (&amp;UT) anzeigen</translation>
    </message>
    <message>
        <source>C&amp;onfigure</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Ca&amp;lculator</source>
        <translation>Sternzeit&amp;rechner</translation>
    </message>
    <message>
        <source>&amp;Tonight</source>
        <translation>&amp;Heute Nacht</translation>
    </message>
    <message>
        <source>&amp;Alarms</source>
        <translation>&amp;Alarme</translation>
    </message>
    <message>
        <source>LMST</source>
        <translation>LMST</translation>
    </message>
    <message>
        <source>--:--:--</source>
        <translation>--:--:--</translation>
    </message>
    <message>
        <source>The astronomy engine could not be loaded, so the clock cannot show sidereal time.</source>
        <translation>Die Astronomie-Bibliothek konnte nicht geladen werden, daher kann die Uhr keine Sternzeit anzeigen.</translation>
    </message>
    <message>
        <source>%1 W</source>
        <translation>%1 W</translation>
    </message>
    <message>
        <source>%1 E</source>
        <translation>%1 O</translation>
    </message>
    <message>
        <source>Right Click Clock Face for Menu.</source>
        <translation>Rechtsklick auf das Zifferblatt öffnet das Menü.</translation>
    </message>
    <message>
        <source>LMST of %1, longitude %2</source>
        <translation>LMST für %1, Länge %2</translation>
    </message>
    <message>
        <source>the observer</source>
        <translation>den Beobachter</translation>
    </message>
    <message>
        <source>No sidereal time: the astronomy engine could not be loaded (%1).</source>
        <translation>Keine Sternzeit: Die Astronomie-Bibliothek konnte nicht geladen werden (%1).</translation>
    </message>
    <message>
        <source>Greenwich</source>
        <translation>Greenwich</translation>
    </message>
    <message>
        <source>Placed by the computer&apos;s time zone; choose your place under Configure.</source>
        <translation>Ort aus der Zeitzone des Computers; wählen Sie Ihren Ort unter Einstellungen.</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>LMST %1</source>
        <translation>LMST %1</translation>
    </message>
    <message>
        <source>These sites of the settings could not be read and are left out:</source>
        <translation>Diese Standorte der Einstellungen konnten nicht gelesen werden und werden ausgelassen:</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Standorte</translation>
    </message>
    <message>
        <source>System clock not synchronised</source>
        <translation>Systemuhr nicht synchronisiert</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>&amp;Night Vision</source>
        <translation>&amp;Nachtsicht</translation>
    </message>
</context>
<context>
    <name>noctalis::ConfigDialog</name>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>West Longitude</source>
        <translation>Westliche Länge</translation>
    </message>
    <message>
        <source>East Longitude</source>
        <translation>Östliche Länge</translation>
    </message>
    <message>
        <source>Select a Font for the Clock</source>
        <translation>Schrift für die Uhr wählen</translation>
    </message>
    <message>
        <source>Error in Longitude format.</source>
        <translation>Fehler im Format der Länge.</translation>
    </message>
    <message>
        <source>You entered an invalid value for Time Zone. Please re-enter.</source>
        <translation>Der Wert für die Zeitzone ist ungültig. Bitte erneut eingeben.</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Fehler in der Zeitzone</translation>
    </message>
    <message>
        <source>DUT1 must be a number of seconds between -0.9 and 0.9 (UT1 - UTC as the IERS publishes it).</source>
        <translation>DUT1 muss eine Zahl von Sekunden zwischen -0,9 und 0,9 sein (UT1 − UTC, wie vom IERS veröffentlicht).</translation>
    </message>
    <message>
        <source>Time zone: %1</source>
        <translation>Zeitzone: %1</translation>
    </message>
    <message>
        <source>Time Zone +Daylight Savings Time Bias if it exists.</source>
        <translation>Zeitzone einschließlich Sommerzeit-Verschiebung, falls vorhanden.</translation>
    </message>
</context>
<context>
    <name>noctalis::ObserverDialog</name>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>0 - Not Used</source>
        <translation>0 - Keine</translation>
    </message>
    <message>
        <source>1 - 2nd Sun Mar to First Sun Nov</source>
        <translation>1 - 2. So. März bis 1. So. Nov.</translation>
    </message>
    <message>
        <source>2 - Last Sun Mar to Last Sun Oct</source>
        <translation>2 - Letzter So. März bis letzter So. Okt.</translation>
    </message>
    <message>
        <source>3 - Last Sun Oct to Last Sun Mar</source>
        <translation>3 - Letzter So. Okt. bis letzter So. März</translation>
    </message>
    <message>
        <source>4 - 1st Sun Oct to Last Sun Mar</source>
        <translation>4 - 1. So. Okt. bis letzter So. März</translation>
    </message>
    <message>
        <source>5 - 1st Sun Oct to 3rd Sun Mar</source>
        <translation>5 - 1. So. Okt. bis 3. So. März</translation>
    </message>
    <message>
        <source>6 - Last Fri Apr to Last Thur Sep</source>
        <translation>6 - Letzter Fr. Apr. bis letzter Do. Sep.</translation>
    </message>
    <message>
        <source>7 - Apr 1 to Oct 1 </source>
        <translation>7 - 1. Apr. bis 1. Okt.</translation>
    </message>
    <message>
        <source>8 - 2nd Sat Oct to 2nd Sat Mar</source>
        <translation>8 - 2. Sa. Okt. bis 2. Sa. März</translation>
    </message>
    <message>
        <source>9 - Last Fri Apr to Last Thur Sep</source>
        <translation>9 - Letzter Fr. Apr. bis letzter Do. Sep.</translation>
    </message>
    <message>
        <source>10 - 1st Sun Sept 8 to 1st Sun April 6</source>
        <translation>10 - 1. So. ab 8. Sep. bis 1. So. ab 6. Apr.</translation>
    </message>
    <message>
        <source>11 - 1st Sun Nov to Last Sun Jan</source>
        <translation>11 - 1. So. Nov. bis letzter So. Jan.</translation>
    </message>
    <message>
        <source>12 - April 1 to last Sun Oct</source>
        <translation>12 - 1. Apr. bis letzter So. Okt.</translation>
    </message>
    <message>
        <source>Observer File: %1</source>
        <translation>Beobachterdatei: %1</translation>
    </message>
    <message>
        <source>East Longitude</source>
        <translation>Östliche Länge</translation>
    </message>
    <message>
        <source>West Longitude</source>
        <translation>Westliche Länge</translation>
    </message>
    <message>
        <source>Error in Latitude format.</source>
        <translation>Fehler im Format der Breite.</translation>
    </message>
    <message>
        <source>Error in Longitude format.</source>
        <translation>Fehler im Format der Länge.</translation>
    </message>
    <message>
        <source>You entered an invalid value for Time Zone. Please re-enter.</source>
        <translation>Der Wert für die Zeitzone ist ungültig. Bitte erneut eingeben.</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Fehler in der Zeitzone</translation>
    </message>
    <message>
        <source>Save Observer File</source>
        <translation>Beobachterdatei speichern</translation>
    </message>
    <message>
        <source>Load Observer File</source>
        <translation>Beobachterdatei laden</translation>
    </message>
    <message>
        <source>Observer File</source>
        <translation>Beobachterdatei</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>There was an error loading the observer file:<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Beim Laden der Beobachterdatei ist ein Fehler aufgetreten:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
already exists. Do you want to replace it?</source>
        <translation>%1<byte value="xd"/>
ist bereits vorhanden. Soll die Datei ersetzt werden?</translation>
    </message>
    <message>
        <source>Save Error</source>
        <translation>Fehler beim Speichern</translation>
    </message>
    <message>
        <source>&lt;CANCEL&gt;</source>
        <translation>&lt;ABBRECHEN&gt;</translation>
    </message>
    <message>
        <source>Lat: %1   Lng:%2 %3</source>
        <translation>Breite: %1   Länge:%2 %3</translation>
    </message>
    <message>
        <source>The elevation must be a number of meters from %1 to %2, such as 350 or 1234.5.</source>
        <translation>Die Höhe muss eine Zahl von Metern von %1 bis %2 sein, etwa 350 oder 1234.5.</translation>
    </message>
    <message>
        <source>An error occurred while trying to save the observer file.<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Beim Speichern der Beobachterdatei ist ein Fehler aufgetreten.<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>No city matches &quot;%1&quot;.</source>
        <translation>Keine Stadt passt zu „%1“.</translation>
    </message>
</context>
<context>
    <name>noctalis::SenderWindow</name>
    <message>
        <source>Interval: %1 minutes.</source>
        <translation>Intervall: %1 min.</translation>
    </message>
    <message>
        <source>Message: %1</source>
        <translation>Nachricht: %1</translation>
    </message>
    <message>
        <source>Sent: %1 Local Time.</source>
        <translation>Gesendet: %1 Ortszeit.</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>keine Verbindung innerhalb von %1 s</translation>
    </message>
    <message>
        <source>Not sent: %1 at %2 Local Time.</source>
        <extracomment>%1 is why (the system&apos;s words, &quot;Connection refused&quot;), %2 the local time.</extracomment>
        <translation>Nicht gesendet: %1 um %2 Ortszeit.</translation>
    </message>
    <message numerus="yes">
        <source>Interval: %n minutes.</source>
        <translation>
            <numerusform>Intervall: %n Minute.</numerusform>
            <numerusform>Intervall: %n Minuten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>noctalis::SiderealCalculator</name>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>%1 Time/Date</source>
        <translation>Zeit/Datum (%1)</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>West Longitude</source>
        <translation>Westliche Länge</translation>
    </message>
    <message>
        <source>East Longitude</source>
        <translation>Östliche Länge</translation>
    </message>
    <message>
        <source>The date and time lie outside the years 100 to 9999.</source>
        <translation>Datum und Zeit liegen außerhalb der Jahre 100 bis 9999.</translation>
    </message>
    <message>
        <source>Error in Longitude format.</source>
        <translation>Fehler im Format der Länge.</translation>
    </message>
    <message>
        <source>You entered an invalid value for Time Zone. Please re-enter.</source>
        <translation>Der Wert für die Zeitzone ist ungültig. Bitte erneut eingeben.</translation>
    </message>
    <message>
        <source>Time Zone Error</source>
        <translation>Fehler in der Zeitzone</translation>
    </message>
    <message>
        <source>The date in the boxes is not a date of the calendar.</source>
        <translation>Das Datum in den Feldern ist kein Datum des Kalenders.</translation>
    </message>
    <message>
        <source>The time in the boxes is not a time of day.</source>
        <translation>Die Zeit in den Feldern ist keine Uhrzeit.</translation>
    </message>
    <message>
        <source>The sidereal time in the boxes is not a time of day.</source>
        <translation>Die Sternzeit in den Feldern ist keine Uhrzeit.</translation>
    </message>
    <message>
        <source>Use whole hours from 0 to 23, whole minutes from 0 to 59 and seconds from 0 up to 60, such as 06 39 52.5.</source>
        <translation>Ganze Stunden von 0 bis 23, ganze Minuten von 0 bis 59 und Sekunden von 0 bis unter 60 angeben, etwa 06 39 52.5.</translation>
    </message>
    <message>
        <source>The place whose sidereal time is worked out: yours, or another site</source>
        <translation>Der Ort, dessen Sternzeit berechnet wird: Ihrer oder ein anderer Standort</translation>
    </message>
</context>
<context>
    <name>noctalis::SingleInstance</name>
    <message>
        <source>A clock is running but not answering.<byte value="xd"/>
This start ends, so that no alarm fires twice. Close the running clock, or end its process, and start again.</source>
        <translation>Eine Uhr läuft bereits, antwortet aber nicht.<byte value="xd"/>
Dieser Start endet, damit kein Alarm doppelt auslöst. Beenden Sie die laufende Uhr oder ihren Prozess und starten Sie erneut.</translation>
    </message>
</context>
<context>
    <name>noctalis::SiteChoice</name>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Your place</source>
        <translation>Ihr Ort</translation>
    </message>
</context>
<context>
    <name>noctalis::SitesEditor</name>
    <message>
        <source>Other Sites</source>
        <translation>Andere Standorte</translation>
    </message>
    <message>
        <source>Other &amp;sites:</source>
        <translation>Andere &amp;Standorte:</translation>
    </message>
    <message>
        <source>Sites</source>
        <translation>Standorte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Longitude W</source>
        <translation>Länge W</translation>
    </message>
    <message>
        <source>Longitude E</source>
        <translation>Länge O</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>Nach o&amp;ben</translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Add by hand</source>
        <translation>Von Hand hinzufügen</translation>
    </message>
    <message>
        <source>West Longitude</source>
        <translation>Westliche Länge</translation>
    </message>
    <message>
        <source>East Longitude</source>
        <translation>Östliche Länge</translation>
    </message>
    <message>
        <source>Latitude, north positive</source>
        <translation>Breite, Nord positiv</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Longitude west:</source>
        <translation>&amp;Länge West:</translation>
    </message>
    <message>
        <source>&amp;Longitude east:</source>
        <translation>&amp;Länge Ost:</translation>
    </message>
    <message>
        <source>La&amp;titude:</source>
        <translation>Brei&amp;te:</translation>
    </message>
    <message>
        <source>Add from the city list</source>
        <translation>Aus der Städteliste hinzufügen</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Städte</translation>
    </message>
    <message>
        <source>Add cit&amp;y</source>
        <translation>Stadt hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Re&amp;gion:</source>
        <translation>&amp;Region:</translation>
    </message>
    <message>
        <source>C&amp;ity:</source>
        <translation>Sta&amp;dt:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Give the site a name.</source>
        <translation>Geben Sie dem Standort einen Namen.</translation>
    </message>
    <message>
        <source>A site&apos;s name cannot hold &quot;|&quot; or &quot;;&quot;.</source>
        <translation>Der Name eines Standorts darf weder &quot;|&quot; noch &quot;;&quot; enthalten.</translation>
    </message>
    <message>
        <source>The longitude &quot;%1&quot; cannot be used.</source>
        <translation>Die Länge &quot;%1&quot; ist nicht verwendbar.</translation>
    </message>
    <message>
        <source>The latitude &quot;%1&quot; cannot be used.</source>
        <translation>Die Breite &quot;%1&quot; ist nicht verwendbar.</translation>
    </message>
</context>
<context>
    <name>noctalis::TonightWindow</name>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>The astronomy engine could not be loaded: nothing to show.</source>
        <translation>Die Astronomie-Bibliothek konnte nicht geladen werden: nichts anzuzeigen.</translation>
    </message>
    <message>
        <source>%1   Lat %2   Lng %3 %4   times in %5</source>
        <translation>%1   Breite %2   Länge %3 %4   Zeiten in %5</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Always up</source>
        <translation>Zirkumpolar</translation>
    </message>
    <message>
        <source>never rises</source>
        <translation>geht nicht auf</translation>
    </message>
    <message>
        <source>None on this date</source>
        <translation>An diesem Datum keiner</translation>
    </message>
    <message>
        <source>Above the horizon now</source>
        <translation>Jetzt über dem Horizont</translation>
    </message>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>crossing now</source>
        <translation>jetzt</translation>
    </message>
    <message numerus="yes">
        <source>crossed %n min ago</source>
        <translation>
            <numerusform>vor %n min</numerusform>
            <numerusform>vor %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>Tonight</source>
        <translation>Heute Nacht</translation>
    </message>
    <message>
        <source>Give the target a name.</source>
        <translation>Bitte dem Ziel einen Namen geben.</translation>
    </message>
    <message>
        <source>%1 is crossing the meridian (LMST [LMST HH:MM:SS]).</source>
        <translation>%1 geht jetzt durch den Meridian (LMST [LMST HH:MM:SS]).</translation>
    </message>
    <message>
        <source>%1 crosses the meridian in %2 (LMST [LMST HH:MM:SS]).</source>
        <translation>%1 geht in %2 durch den Meridian (LMST [LMST HH:MM:SS]).</translation>
    </message>
    <message>
        <source>%1 crossed the meridian %2 ago (LMST [LMST HH:MM:SS]).</source>
        <translation>%1 ging vor %2 durch den Meridian (LMST [LMST HH:MM:SS]).</translation>
    </message>
    <message>
        <source>Select the row of the object first.</source>
        <translation>Bitte zuerst die Zeile des Objekts auswählen.</translation>
    </message>
    <message>
        <source>The hour-angle offset &quot;%1&quot; cannot be used: give sidereal hours from -12 to +12, as -0.5 or -0:30.</source>
        <translation>Der Stundenwinkel-Versatz „%1“ ist nicht verwendbar: bitte Sternzeitstunden von -12 bis +12 angeben, etwa -0.5 oder -0:30.</translation>
    </message>
    <message>
        <source>The astronomy engine could not be loaded: no alarm was added.</source>
        <translation>Die Astronomie-Bibliothek konnte nicht geladen werden: es wurde kein Alarm hinzugefügt.</translation>
    </message>
    <message>
        <source>No more alarms can be added: an alarm file holds at most 32768 alarms.</source>
        <translation>Es können keine weiteren Alarme hinzugefügt werden: eine Alarmdatei fasst höchstens 32768 Alarme.</translation>
    </message>
    <message>
        <source>Alarm %1 &quot;%2&quot; rings at LMST %3.

It is in the alarm table but not yet saved to a file: open Alarms from the clock&apos;s menu and use Save to keep it.</source>
        <translation>Alarm %1 „%2“ meldet sich um %3 LMST.

Er steht in der Alarmtabelle, ist aber noch in keiner Datei gespeichert: im Menü der Uhr „Alarme“ öffnen und mit „Speichern“ sichern.</translation>
    </message>
    <message>
        <source>Alarms are off: tick &quot;Alarms Enabled&quot; in the configuration dialog for it to ring.</source>
        <translation>Alarme sind ausgeschaltet: damit er sich meldet, in den Einstellungen „Alarme eingeschaltet“ ankreuzen.</translation>
    </message>
    <message>
        <source>The right ascension &quot;%1&quot; cannot be used: give hours from 0 to 24, as 18:36:56, 18 36 56, 18h36m56s, 18:36.9 or 18.6156.</source>
        <translation>Die Rektaszension „%1“ ist nicht verwendbar: bitte Stunden von 0 bis 24 angeben, etwa 18:36:56, 18 36 56, 18h36m56s, 18:36.9 oder 18.6156.</translation>
    </message>
    <message>
        <source>The declination &quot;%1&quot; cannot be used: give degrees from -90 to +90, as +38:47:01, +38 47 01, +38°47&apos;01&quot;, -5:23.5 or 38.7836.</source>
        <translation>Die Deklination „%1“ ist nicht verwendbar: bitte Grad von -90 bis +90 angeben, etwa +38:47:01, +38 47 01, +38°47&apos;01&quot;, -5:23.5 oder 38.7836.</translation>
    </message>
    <message>
        <source>The place the rows are worked out for: yours, or another site</source>
        <translation>Der Ort, für den die Zeilen berechnet werden: Ihrer oder ein anderer Standort</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 in %2</translation>
    </message>
</context>
</TS>
