<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrows move the day, Page Up and Page Down the month, Space selects the day, Ctrl+Space arms or disarms its reminder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MiniTitleBar</name>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll up</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyDialog</name>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotesDialog</name>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space switches the note&apos;s Stickum on or off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Choose the title bar colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the wave file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrestitiDialog</name>
    <message>
        <source>When: day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When: month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When: year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give back or have back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space arms or disarms the lending&apos;s alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names used before</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QAccessibleWidget</name>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtTrayIcon</name>
    <message>
        <source>Show the main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SmallFrame</name>
    <message>
        <source>Alt+Up rolls up, Alt+Down unrolls, Ctrl+W closes, F6 goes to the next Stickum, Ctrl+Tab to the buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stickum text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WCalendar</name>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, reminder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, armed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, disarmed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>ERROR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin-pointing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> I owe him (no date given)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> he owes me (no date given)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No date given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Have back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I owe to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>owes me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stick a note to a particular application window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update note titles in list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attach Note to Window<byte value="xd"/>
&quot;%s&quot;??</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;no window&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes can be pinned to the windows of other programs only on an X11 desktop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Stickums background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Stickums font and character color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wav audio files (*.WAV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add, modify and delete simple notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update your situation of what you have lend/borrowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark important days on the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim Quillbox to the micron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Infoz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who&apos;s the criminal behind all this?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillbox (display ON)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillbox (display OFF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stickum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough space for this note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enogh space for this lending/borrowing note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more space for this reminder note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough space<byte value="xd"/>
to attach...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected note?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected lending/borrowing note?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected reminder note?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to quit this program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old file format!
You can continue and potentially damage your saved data,
 or you can quit Quillbox and backup your data.
Should I continue reading?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old file: wrong Notes format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old file: wrong Lending format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old file: wrong Reminders format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This data file was written by a later version of Quillbox (file version %1; this Quillbox knows versions up to 4).
You can continue: Quillbox reads what it knows of the file and keeps the file as it is now as quillbox.dat.bak when it next saves. Or you can quit Quillbox and use the later version.
Should I continue reading?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your data could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit anyway? Changes since the last save will be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is damaged at byte %2 (%3).<byte value="xd"/>
Everything before the damage was read. The file as it is now will be kept as<byte value="xd"/>
%4<byte value="xd"/>
when Quillbox next saves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the options could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
cannot be read (%2).<byte value="xd"/>
Nothing could be read from it, so Quillbox starts empty. The file is kept as it is, moved aside as<byte value="xd"/>
%3<byte value="xd"/>
when Quillbox next saves.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is %2, not a regular file.<byte value="xd"/>
Quillbox leaves it as it is and ends. Move it out of the way and start Quillbox again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
has other names (hard links). Quillbox saves by replacing the file, so from its next save on the other names keep the old content. A symbolic link is followed instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillbox cannot write to its own folder, so the data file found there,<byte value="xd"/>
%1<byte value="xd"/>
was copied to<byte value="xd"/>
%2<byte value="xd"/>
Quillbox goes on from the copy; the original stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
could not be copied to<byte value="xd"/>
%2<byte value="xd"/>
(%3).<byte value="xd"/>
Quillbox ends without changing either.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own.<byte value="xd"/>
This Quillbox&apos;s version is now in the data file; the other one is kept as<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own. Both were kept: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
was merged into your data: %2. The copy itself is left as it is; delete it when you like.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
could not be merged (it is damaged, or the lists would not hold it as well), so nothing of it was taken. It is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 came in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 went</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lendings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillbox could not save when it was last stopped; the unsaved version is in %1: take it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2). The unsaved version is in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2), and the unsaved version could be kept nowhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillbox is already running.<byte value="xd"/>
It keeps its data in<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Stickums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This Wayland desktop runs no XWayland.<byte value="xd"/>
<byte value="xd"/>
Wayland does not let one program keep its windows above the others or look at other programs&apos; windows, so Stickums will not stay on top and notes cannot be pinned to windows. Everything else works.<byte value="xd"/>
<byte value="xd"/>
Install XWayland (the package xwayland) and log in again to have both.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;fter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write or remove those sticky notes..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;in-point to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note te&amp;xt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options and defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stickum appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title bar color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Default Windows col.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a sample note, which uses selected options for displaying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;xed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifiable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll &amp;bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height in lines of text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates: defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reminders: how many days before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lendings: how many days after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ave all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon&amp;th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many &amp;days before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To r&amp;emember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colla&amp;pse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by the Quillbox makers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MM/dd/yyyy</source>
        <extracomment>A date in numbers, as a QDate format: dd the day, MM the month, yyyy the year.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MMMM d yyyy</source>
        <extracomment>A date in words in the alerts, as a QDate format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
 it&apos;s since %2 I owe him:<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
 it&apos;s since %2 he owes me:<byte value="xd"/>
%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
