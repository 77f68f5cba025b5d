<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Arrows move the day, Page Up and Page Down the month, Space selects the day, Ctrl+Space arms or disarms its reminder</source>
        <translation>Die Pfeiltasten wählen den Tag, Bild auf und Bild ab den Monat, die Leertaste wählt den Tag aus, Strg+Leertaste schaltet seine Erinnerung ein oder aus</translation>
    </message>
</context>
<context>
    <name>MiniTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Unroll</source>
        <translation>Ausrollen</translation>
    </message>
    <message>
        <source>Roll up</source>
        <translation>Einrollen</translation>
    </message>
</context>
<context>
    <name>MyDialog</name>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>NotesDialog</name>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Space switches the note&apos;s Stickum on or off</source>
        <translation>Die Leertaste schaltet den Stickum der Notiz ein oder aus</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Choose the title bar colour</source>
        <translation>Farbe der Titelleiste wählen</translation>
    </message>
    <message>
        <source>Choose the wave file</source>
        <translation>Wave-Datei wählen</translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation>Wave-Datei</translation>
    </message>
</context>
<context>
    <name>PrestitiDialog</name>
    <message>
        <source>When: day</source>
        <translation>Wann: Tag</translation>
    </message>
    <message>
        <source>When: month</source>
        <translation>Wann: Monat</translation>
    </message>
    <message>
        <source>When: year</source>
        <translation>Wann: Jahr</translation>
    </message>
    <message>
        <source>Give back or have back</source>
        <translation>Zurückgeben oder zurückbekommen</translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation>Ausleihen</translation>
    </message>
    <message>
        <source>Space arms or disarms the lending&apos;s alert</source>
        <translation>Die Leertaste schaltet die Erinnerung der Ausleihe ein oder aus</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Names used before</source>
        <translation>Bisher verwendete Namen</translation>
    </message>
</context>
<context>
    <name>QAccessibleWidget</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>QtTrayIcon</name>
    <message>
        <source>Show the main window</source>
        <translation>Hauptfenster anzeigen</translation>
    </message>
    <message>
        <source>New note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>SmallFrame</name>
    <message>
        <source>Alt+Up rolls up, Alt+Down unrolls, Ctrl+W closes, F6 goes to the next Stickum, Ctrl+Tab to the buttons</source>
        <translation>Alt+Hoch rollt ein, Alt+Runter rollt aus, Strg+W schließt, F6 geht zum nächsten Stickum, Strg+Tab zu den Schaltflächen</translation>
    </message>
    <message>
        <source>Stickum text</source>
        <translation>Stickum-Text</translation>
    </message>
</context>
<context>
    <name>WCalendar</name>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1, %2. %3 %4</translation>
    </message>
    <message>
        <source>, reminder: %1</source>
        <translation>, Erinnerung: %1</translation>
    </message>
    <message>
        <source>, armed</source>
        <translation>, aktiviert</translation>
    </message>
    <message>
        <source>, disarmed</source>
        <translation>, deaktiviert</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>Pin-pointing!</source>
        <translation>Anheften!</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>kein Datum</translation>
    </message>
    <message>
        <source> I owe him (no date given)</source>
        <translation> ich schulde ihm (ohne Datum)</translation>
    </message>
    <message>
        <source> he owes me (no date given)</source>
        <translation> er schuldet mir (ohne Datum)</translation>
    </message>
    <message>
        <source>No date given</source>
        <translation>Ohne Datum</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Give back</source>
        <translation>Zurückgeben</translation>
    </message>
    <message>
        <source>Have back</source>
        <translation>Zurückbekommen</translation>
    </message>
    <message>
        <source>I owe to</source>
        <translation>Ich schulde</translation>
    </message>
    <message>
        <source>owes me</source>
        <translation>schuldet mir</translation>
    </message>
    <message>
        <source>Stick a note to a particular application window</source>
        <translation>Eine Notiz an ein bestimmtes Programmfenster heften</translation>
    </message>
    <message>
        <source>Update note titles in list</source>
        <translation>Notiztitel in der Liste aktualisieren</translation>
    </message>
    <message>
        <source>Attach Note to Window<byte value="xd"/>
&quot;%s&quot;??</source>
        <translation>Notiz an das Fenster<byte value="xd"/>
„%s“ heften??</translation>
    </message>
    <message>
        <source>&lt;no window&gt;</source>
        <translation>&lt;kein Fenster&gt;</translation>
    </message>
    <message>
        <source>Notes can be pinned to the windows of other programs only on an X11 desktop.</source>
        <translation>Notizen lassen sich nur auf einem X11-Desktop an die Fenster anderer Programme heften.</translation>
    </message>
    <message>
        <source>Change Stickums background color</source>
        <translation>Hintergrundfarbe der Stickums ändern</translation>
    </message>
    <message>
        <source>Change Stickums font and character color</source>
        <translation>Schrift und Schriftfarbe der Stickums ändern</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Wav audio files (*.WAV)</source>
        <translation>WAV-Audiodateien (*.WAV)</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Add, modify and delete simple notes</source>
        <translation>Einfache Notizen anlegen, ändern und löschen</translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation>Ausleihen</translation>
    </message>
    <message>
        <source>Update your situation of what you have lend/borrowed</source>
        <translation>Halten Sie fest, was Sie verliehen oder geliehen haben</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Mark important days on the calendar</source>
        <translation>Wichtige Tage im Kalender markieren</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Trim Quillbox to the micron</source>
        <translation>Quillbox aufs Mikron genau einstellen</translation>
    </message>
    <message>
        <source>Infoz</source>
        <translation>Infoz</translation>
    </message>
    <message>
        <source>Who&apos;s the criminal behind all this?</source>
        <translation>Wer steckt hinter alldem?</translation>
    </message>
    <message>
        <source>Quillbox (display ON)</source>
        <translation>Quillbox (Anzeige EIN)</translation>
    </message>
    <message>
        <source>Quillbox (display OFF)</source>
        <translation>Quillbox (Anzeige AUS)</translation>
    </message>
    <message>
        <source>Stickum</source>
        <translation>Stickum</translation>
    </message>
    <message>
        <source>Not enough space for this note</source>
        <translation>Kein Platz mehr für diese Notiz</translation>
    </message>
    <message>
        <source>Not enogh space for this lending/borrowing note</source>
        <translation>Kein Platz mehr für diese Ausleihe</translation>
    </message>
    <message>
        <source>No more space for this reminder note</source>
        <translation>Kein Platz mehr für diese Erinnerung</translation>
    </message>
    <message>
        <source>Not enough space<byte value="xd"/>
to attach...</source>
        <translation>Nicht genug Platz<byte value="xd"/>
zum Anheften...</translation>
    </message>
    <message>
        <source>Remove selected note?</source>
        <translation>Ausgewählte Notiz entfernen?</translation>
    </message>
    <message>
        <source>Remove selected lending/borrowing note?</source>
        <translation>Ausgewählte Ausleihe entfernen?</translation>
    </message>
    <message>
        <source>Remove selected reminder note?</source>
        <translation>Ausgewählte Erinnerung entfernen?</translation>
    </message>
    <message>
        <source>Do you really want to quit this program?</source>
        <translation>Wollen Sie dieses Programm wirklich beenden?</translation>
    </message>
    <message>
        <source>Old file format!
You can continue and potentially damage your saved data,
 or you can quit Quillbox and backup your data.
Should I continue reading?</source>
        <translation>Altes Dateiformat!
Sie können fortfahren und dabei Ihre gespeicherten Daten womöglich beschädigen,
 oder Sie beenden Quillbox und sichern Ihre Daten.
Soll ich weiterlesen?</translation>
    </message>
    <message>
        <source>Old file: wrong Notes format!</source>
        <translation>Alte Datei: falsches Format der Notizen!</translation>
    </message>
    <message>
        <source>Old file: wrong Lending format</source>
        <translation>Alte Datei: falsches Format der Ausleihen</translation>
    </message>
    <message>
        <source>Old file: wrong Reminders format</source>
        <translation>Alte Datei: falsches Format der Erinnerungen</translation>
    </message>
    <message>
        <source>This data file was written by a later version of Quillbox (file version %1; this Quillbox knows versions up to 4).
You can continue: Quillbox reads what it knows of the file and keeps the file as it is now as quillbox.dat.bak when it next saves. Or you can quit Quillbox and use the later version.
Should I continue reading?</source>
        <translation>Diese Datendatei wurde von einer neueren Version von Quillbox geschrieben (Dateiversion %1; diese Quillbox kennt Versionen bis 4).
Sie können fortfahren: Quillbox liest, was es von der Datei kennt, und bewahrt die Datei in ihrem jetzigen Zustand beim nächsten Speichern als quillbox.dat.bak auf. Oder Sie beenden Quillbox und verwenden die neuere Version.
Soll ich weiterlesen?</translation>
    </message>
    <message>
        <source>Your data could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Ihre Daten konnten nicht gespeichert werden in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Quit anyway? Changes since the last save will be lost.</source>
        <translation>Trotzdem beenden? Die Änderungen seit dem letzten Speichern gehen verloren.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is damaged at byte %2 (%3).<byte value="xd"/>
Everything before the damage was read. The file as it is now will be kept as<byte value="xd"/>
%4<byte value="xd"/>
when Quillbox next saves.</source>
        <translation>Die Datendatei<byte value="xd"/>
%1<byte value="xd"/>
ist bei Byte %2 beschädigt (%3).<byte value="xd"/>
Alles vor der beschädigten Stelle wurde gelesen. Die Datei, wie sie jetzt ist, wird aufbewahrt als<byte value="xd"/>
%4<byte value="xd"/>
sobald Quillbox das nächste Mal speichert.</translation>
    </message>
    <message>
        <source>the options could not be read</source>
        <translation>die Optionen konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
cannot be read (%2).<byte value="xd"/>
Nothing could be read from it, so Quillbox starts empty. The file is kept as it is, moved aside as<byte value="xd"/>
%3<byte value="xd"/>
when Quillbox next saves.</source>
        <translation>Die Datendatei<byte value="xd"/>
%1<byte value="xd"/>
kann nicht gelesen werden (%2).<byte value="xd"/>
Nichts konnte aus ihr gelesen werden, daher startet Quillbox leer. Die Datei bleibt, wie sie ist, und wird beiseitegelegt als<byte value="xd"/>
%3<byte value="xd"/>
sobald Quillbox das nächste Mal speichert.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is %2, not a regular file.<byte value="xd"/>
Quillbox leaves it as it is and ends. Move it out of the way and start Quillbox again.</source>
        <translation>Die Datendatei<byte value="xd"/>
%1<byte value="xd"/>
ist %2, keine gewöhnliche Datei.<byte value="xd"/>
Quillbox lässt sie, wie sie ist, und beendet sich. Schaffen Sie sie aus dem Weg und starten Sie Quillbox erneut.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
has other names (hard links). Quillbox saves by replacing the file, so from its next save on the other names keep the old content. A symbolic link is followed instead.</source>
        <translation>Die Datendatei<byte value="xd"/>
%1<byte value="xd"/>
hat weitere Namen (harte Links). Quillbox speichert, indem es die Datei ersetzt; ab dem nächsten Speichern behalten die anderen Namen daher den alten Inhalt. Einem symbolischen Link wird dagegen gefolgt.</translation>
    </message>
    <message>
        <source>Quillbox cannot write to its own folder, so the data file found there,<byte value="xd"/>
%1<byte value="xd"/>
was copied to<byte value="xd"/>
%2<byte value="xd"/>
Quillbox goes on from the copy; the original stays as it is.</source>
        <translation>Quillbox kann nicht in seinen eigenen Ordner schreiben; daher wurde die dort gefundene Datendatei<byte value="xd"/>
%1<byte value="xd"/>
kopiert nach<byte value="xd"/>
%2<byte value="xd"/>
Quillbox arbeitet mit der Kopie weiter; das Original bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
could not be copied to<byte value="xd"/>
%2<byte value="xd"/>
(%3).<byte value="xd"/>
Quillbox ends without changing either.</source>
        <translation>Die Datendatei<byte value="xd"/>
%1<byte value="xd"/>
konnte nicht kopiert werden nach<byte value="xd"/>
%2<byte value="xd"/>
(%3).<byte value="xd"/>
Quillbox beendet sich, ohne eine der beiden zu ändern.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own.<byte value="xd"/>
This Quillbox&apos;s version is now in the data file; the other one is kept as<byte value="xd"/>
%2</source>
        <translation>Die Datendatei<byte value="xd"/>
%1<byte value="xd"/>
wurde anderswo geändert (auf einem anderen Rechner?), während diese Quillbox eigene Änderungen hatte.<byte value="xd"/>
Die Fassung dieser Quillbox steht jetzt in der Datendatei; die andere wird aufbewahrt als<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own. Both were kept: %2.</source>
        <translation>Die Datendatei<byte value="xd"/>
%1<byte value="xd"/>
wurde anderswo geändert (auf einem anderen Rechner?), während diese Quillbox eigene Änderungen hatte. Beides wurde behalten: %2.</translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
was merged into your data: %2. The copy itself is left as it is; delete it when you like.</source>
        <translation>Die Konfliktkopie<byte value="xd"/>
%1<byte value="xd"/>
wurde in Ihre Daten übernommen: %2. Die Kopie selbst bleibt, wie sie ist; löschen Sie sie, wann Sie möchten.</translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
could not be merged (it is damaged, or the lists would not hold it as well), so nothing of it was taken. It is left as it is.</source>
        <translation>Die Konfliktkopie<byte value="xd"/>
%1<byte value="xd"/>
konnte nicht übernommen werden (sie ist beschädigt, oder die Listen hätten keinen Platz mehr für sie), daher wurde nichts aus ihr übernommen. Sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>%1 came in</source>
        <translation>%1 hinzugekommen</translation>
    </message>
    <message>
        <source>%1 went</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>lending</source>
        <translation>Ausleihe</translation>
    </message>
    <message>
        <source>lendings</source>
        <translation>Ausleihen</translation>
    </message>
    <message>
        <source>reminder</source>
        <translation>Erinnerung</translation>
    </message>
    <message>
        <source>reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Quillbox could not save when it was last stopped; the unsaved version is in %1: take it?</source>
        <translation>Quillbox konnte beim letzten Beenden nicht speichern; die ungespeicherte Fassung liegt in %1. Übernehmen?</translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2). The unsaved version is in %3</source>
        <translation>Quillbox konnte nicht in %1 speichern (%2). Die ungespeicherte Fassung liegt in %3</translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2), and the unsaved version could be kept nowhere.</source>
        <translation>Quillbox konnte nicht in %1 speichern (%2), und die ungespeicherte Fassung konnte nirgends aufbewahrt werden.</translation>
    </message>
    <message>
        <source>Quillbox is already running.<byte value="xd"/>
It keeps its data in<byte value="xd"/>
%1</source>
        <translation>Quillbox läuft bereits.<byte value="xd"/>
Es bewahrt seine Daten auf in<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Display Stickums</source>
        <translation>Stickums anzeigen</translation>
    </message>
    <message>
        <source>This Wayland desktop runs no XWayland.<byte value="xd"/>
<byte value="xd"/>
Wayland does not let one program keep its windows above the others or look at other programs&apos; windows, so Stickums will not stay on top and notes cannot be pinned to windows. Everything else works.<byte value="xd"/>
<byte value="xd"/>
Install XWayland (the package xwayland) and log in again to have both.</source>
        <translation>Auf diesem Wayland-Desktop läuft kein XWayland.<byte value="xd"/>
<byte value="xd"/>
Unter Wayland darf ein Programm seine Fenster weder über den anderen halten noch die Fenster anderer Programme ansehen; Stickums bleiben daher nicht im Vordergrund, und Notizen lassen sich nicht an Fenster heften. Alles andere funktioniert.<byte value="xd"/>
<byte value="xd"/>
Installieren Sie XWayland (das Paket xwayland) und melden Sie sich neu an, um beides zu haben.</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Gegenstand</translation>
    </message>
    <message>
        <source>&amp;When</source>
        <translation>&amp;Wann</translation>
    </message>
    <message>
        <source>A&amp;fter</source>
        <translation>Na&amp;ch</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>T&amp;on</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Write or remove those sticky notes..</source>
        <translation>Notizen schreiben oder entfernen...</translation>
    </message>
    <message>
        <source>&amp;Refresh list</source>
        <translation>Ne&amp;u laden</translation>
    </message>
    <message>
        <source>P&amp;in-point to</source>
        <translation>&amp;Anheften an</translation>
    </message>
    <message>
        <source>Note te&amp;xt</source>
        <translation>Notiz&amp;text</translation>
    </message>
    <message>
        <source>Options and defaults</source>
        <translation>Optionen und Vorgaben</translation>
    </message>
    <message>
        <source>Stickum appearance</source>
        <translation>Aussehen der Stickums</translation>
    </message>
    <message>
        <source>Title bar color</source>
        <translation>Farbe der Titelleiste</translation>
    </message>
    <message>
        <source>&amp;Default Windows col.</source>
        <translation>Stan&amp;dardfarbe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Sch&amp;rift</translation>
    </message>
    <message>
        <source>This is a sample note, which uses selected options for displaying</source>
        <translation>Eine Beispielnotiz mit den gewählten Optionen</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Fi&amp;xed</source>
        <translation>Fes&amp;t</translation>
    </message>
    <message>
        <source>&amp;Minimum</source>
        <translation>&amp;Minimal</translation>
    </message>
    <message>
        <source>Modifiable</source>
        <translation>Veränderbar</translation>
    </message>
    <message>
        <source>Scroll &amp;bar</source>
        <translation>&amp;Bildlaufleiste</translation>
    </message>
    <message>
        <source>&amp;Height in lines of text</source>
        <translation>&amp;Höhe in Textzeilen</translation>
    </message>
    <message>
        <source>Dates: defaults</source>
        <translation>Daten: Vorgaben</translation>
    </message>
    <message>
        <source>&amp;Reminders: how many days before</source>
        <translation>&amp;Erinnerungen: Tage vorher</translation>
    </message>
    <message>
        <source>&amp;Lendings: how many days after</source>
        <translation>&amp;Ausleihen: Tage danach</translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation>Wave-Datei</translation>
    </message>
    <message>
        <source>S&amp;ave all</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>Mon&amp;th</source>
        <translation>&amp;Monat</translation>
    </message>
    <message>
        <source>How many &amp;days before</source>
        <translation>Wie viele &amp;Tage vorher</translation>
    </message>
    <message>
        <source>To r&amp;emember</source>
        <translation>&amp;Woran erinnern</translation>
    </message>
    <message>
        <source>Colla&amp;pse</source>
        <translation>Ein&amp;klappen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>by the Quillbox makers</source>
        <translation>von den Quillbox-Machern</translation>
    </message>
    <message>
        <source>MM/dd/yyyy</source>
        <extracomment>A date in numbers, as a QDate format: dd the day, MM the month, yyyy the year.</extracomment>
        <translation>dd.MM.yyyy</translation>
    </message>
    <message>
        <source>MMMM d yyyy</source>
        <extracomment>A date in words in the alerts, as a QDate format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
 it&apos;s since %2 I owe him:<byte value="xd"/>
%3</source>
        <translation>%1:<byte value="xd"/>
 ich schulde ihm seit dem %2:<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
 it&apos;s since %2 he owes me:<byte value="xd"/>
%3</source>
        <translation>%1:<byte value="xd"/>
 er schuldet mir seit dem %2:<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Bei der Anmeldung starten</translation>
    </message>
    <message>
        <source>Quillbox could not change whether it starts at login:<byte value="xd"/>
%1</source>
        <translation>Quillbox konnte nicht ändern, ob es bei der Anmeldung startet:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown command.</source>
        <translation>Unbekannter Befehl.</translation>
    </message>
    <message>
        <source>Quillbox did not answer.</source>
        <translation>Quillbox hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Mehr dazu mit »quillbox --help«.</translation>
    </message>
    <message>
        <source>Notes, lendings and reminders as Stickums on the desktop, living in the tray.
A command given while Quillbox runs on the same data file goes to that Quillbox.</source>
        <translation>Notizen, Ausleihen und Erinnerungen als Stickums auf dem Desktop, zu Hause im Systembereich.
Ein Befehl, während Quillbox mit derselben Datendatei läuft, geht an diese Quillbox.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>Keep everything in FILE instead of the usual quillbox.dat.</source>
        <translation>Alles in FILE statt in der üblichen quillbox.dat aufbewahren.</translation>
    </message>
    <message>
        <source>Switch the Stickums off or on, as a left click on the tray icon.</source>
        <translation>Die Stickums aus- oder einschalten, wie ein Linksklick auf das Symbol im Systembereich.</translation>
    </message>
    <message>
        <source>Open the main window, as a right click on the tray icon.</source>
        <translation>Das Hauptfenster öffnen, wie ein Rechtsklick auf das Symbol im Systembereich.</translation>
    </message>
    <message>
        <source>Add a note with TEXT and show its Stickum; - reads the text from standard input; an empty TEXT gives a blank Stickum to type into.</source>
        <translation>Eine Notiz mit TEXT anlegen und ihren Stickum zeigen; - liest den Text von der Standardeingabe; ein leerer TEXT gibt einen leeren Stickum zum Hineinschreiben.</translation>
    </message>
    <message>
        <source>Make the running Quillbox save everything and end, without asking.</source>
        <translation>Die laufende Quillbox alles speichern und ohne Rückfrage beenden lassen.</translation>
    </message>
    <message>
        <source>Write the notes, lendings and reminders to standard output as text. Only reads the data file; works while Quillbox runs.</source>
        <translation>Die Notizen, Ausleihen und Erinnerungen als Text auf die Standardausgabe schreiben. Liest die Datendatei nur; geht auch, während Quillbox läuft.</translation>
    </message>
    <message>
        <source>With --export: write JSON, with every field and the options.</source>
        <translation>Mit --export: JSON schreiben, mit allen Feldern und den Optionen.</translation>
    </message>
    <message>
        <source>Start Quillbox at login (on), or no longer (off), with the data file given by --data.</source>
        <translation>Quillbox bei der Anmeldung starten (on) oder nicht mehr (off), mit der durch --data gegebenen Datendatei.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Aufruf: </translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument »%1«.</translation>
    </message>
    <message>
        <source>Give one of --toggle, --show, --new-note, --quit, --export and --autostart at a time.</source>
        <translation>Nur eine der Optionen --toggle, --show, --new-note, --quit, --export und --autostart auf einmal angeben.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <translation>--autostart nimmt on oder off, nicht »%1«.</translation>
    </message>
    <message>
        <source>--json goes with --export.</source>
        <translation>--json gehört zu --export.</translation>
    </message>
    <message>
        <source>--data needs a file, not &apos;%1&apos;.</source>
        <translation>--data braucht eine Datei, nicht »%1«.</translation>
    </message>
    <message>
        <source>The folder of &apos;%1&apos; does not exist.</source>
        <translation>Der Ordner von »%1« existiert nicht.</translation>
    </message>
    <message>
        <source>Sticky notes organiser</source>
        <translation>Organizer für Haftnotizen</translation>
    </message>
    <message>
        <source>Sticky notes, lendings and reminders that live in the tray</source>
        <translation>Haftnotizen, Ausleihen und Erinnerungen im Systembereich</translation>
    </message>
    <message>
        <source>notes;sticky;reminder;lending;tray;</source>
        <extracomment>Words a launcher finds the program by, each ending in a semicolon.</extracomment>
        <translation>Notizen;Haftnotiz;Erinnerung;Ausleihe;Systembereich;</translation>
    </message>
    <message>
        <source>New note</source>
        <translation>Neue Notiz</translation>
    </message>
    <message>
        <source>Show or hide the Stickums</source>
        <translation>Stickums zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>There is no data file at %1.</source>
        <translation>Unter %1 gibt es keine Datendatei.</translation>
    </message>
    <message>
        <source>There is no runtime folder that only you can use (XDG_RUNTIME_DIR) for Quillbox&apos;s command socket.</source>
        <translation>Für den Befehls-Socket von Quillbox gibt es keinen Laufzeitordner, den nur Sie benutzen können (XDG_RUNTIME_DIR).</translation>
    </message>
    <message>
        <source>There is no display to start Quillbox on (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Es gibt keine Anzeige, auf der Quillbox starten könnte (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt).</translation>
    </message>
    <message>
        <source>Quillbox cannot start: %1</source>
        <translation>Quillbox kann nicht starten: %1</translation>
    </message>
    <message>
        <source>--new-note -: standard input held no text.</source>
        <translation>--new-note -: Die Standardeingabe enthielt keinen Text.</translation>
    </message>
    <message>
        <source>Quillbox starts at login: %1</source>
        <translation>Quillbox startet bei der Anmeldung: %1</translation>
    </message>
    <message>
        <source>Quillbox no longer starts at login.</source>
        <translation>Quillbox startet nicht mehr bei der Anmeldung.</translation>
    </message>
    <message>
        <source>The export could not be written: %1.</source>
        <translation>Der Export konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>Quillbox is not running on %1; nothing to quit.</source>
        <translation>Quillbox läuft nicht mit %1; es gibt nichts zu beenden.</translation>
    </message>
    <message>
        <source>Quillbox is not running on %1, and there is no display to start it on.</source>
        <translation>Quillbox läuft nicht mit %1, und es gibt keine Anzeige, auf der es starten könnte.</translation>
    </message>
    <message>
        <source>Quillbox runs (process %1), but its command socket %2 is gone: it cannot take commands until it is started again.</source>
        <translation>Quillbox läuft (Prozess %1), aber sein Befehls-Socket %2 ist verschwunden: Es kann erst nach einem Neustart wieder Befehle annehmen.</translation>
    </message>
    <message>
        <source>Quillbox runs on %1 but does not answer.</source>
        <translation>Quillbox läuft mit %1, antwortet aber nicht.</translation>
    </message>
    <message>
        <source>Quillbox is not ready yet.</source>
        <translation>Quillbox ist noch nicht bereit.</translation>
    </message>
    <message>
        <source>Quillbox is ending.</source>
        <translation>Quillbox wird gerade beendet.</translation>
    </message>
    <message>
        <source>The note was added and is shown, but it could not be saved to %1 (%2); Quillbox keeps it and saves it with the next save.</source>
        <translation>Die Notiz wurde angelegt und wird angezeigt, konnte aber nicht in %1 gespeichert werden (%2); Quillbox behält sie und speichert sie beim nächsten Speichern.</translation>
    </message>
    <message>
        <source>Your data could not be saved to %1 (%2); Quillbox keeps running.</source>
        <translation>Ihre Daten konnten nicht in %1 gespeichert werden (%2); Quillbox läuft weiter.</translation>
    </message>
</context>
</TS>
