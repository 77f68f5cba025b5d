<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Arrows move the day, Page Up and Page Down the month, Space selects the day, Ctrl+Space arms or disarms its reminder</source>
        <translation>Le frecce cambiano giorno, Pag su e Pag giù il mese, Spazio seleziona il giorno, Ctrl+Spazio attiva o disattiva il suo promemoria</translation>
    </message>
</context>
<context>
    <name>MiniTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Unroll</source>
        <translation>Srotola</translation>
    </message>
    <message>
        <source>Roll up</source>
        <translation>Arrotola</translation>
    </message>
</context>
<context>
    <name>MyDialog</name>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
</context>
<context>
    <name>NotesDialog</name>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Space switches the note&apos;s Stickum on or off</source>
        <translation>Spazio mostra o nasconde lo Stickum della nota</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Choose the title bar colour</source>
        <translation>Scegli il colore della barra del titolo</translation>
    </message>
    <message>
        <source>Choose the wave file</source>
        <translation>Scegli il file audio</translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation>File audio</translation>
    </message>
</context>
<context>
    <name>PrestitiDialog</name>
    <message>
        <source>When: day</source>
        <translation>Quando: giorno</translation>
    </message>
    <message>
        <source>When: month</source>
        <translation>Quando: mese</translation>
    </message>
    <message>
        <source>When: year</source>
        <translation>Quando: anno</translation>
    </message>
    <message>
        <source>Give back or have back</source>
        <translation>Da restituire o da riavere</translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation>Prestiti</translation>
    </message>
    <message>
        <source>Space arms or disarms the lending&apos;s alert</source>
        <translation>Spazio attiva o disattiva l&apos;avviso del prestito</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Names used before</source>
        <translation>Nomi usati in precedenza</translation>
    </message>
</context>
<context>
    <name>QAccessibleWidget</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
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
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>QtTrayIcon</name>
    <message>
        <source>Show the main window</source>
        <translation>Mostra la finestra principale</translation>
    </message>
    <message>
        <source>New note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>SmallFrame</name>
    <message>
        <source>Alt+Up rolls up, Alt+Down unrolls, Ctrl+W closes, F6 goes to the next Stickum, Ctrl+Tab to the buttons</source>
        <translation>Alt+Su arrotola, Alt+Giù srotola, Ctrl+W chiude, F6 passa allo Stickum successivo, Ctrl+Tab ai pulsanti</translation>
    </message>
    <message>
        <source>Stickum text</source>
        <translation>Testo dello Stickum</translation>
    </message>
</context>
<context>
    <name>WCalendar</name>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>, reminder: %1</source>
        <translation>, promemoria: %1</translation>
    </message>
    <message>
        <source>, armed</source>
        <translation>, attivo</translation>
    </message>
    <message>
        <source>, disarmed</source>
        <translation>, disattivato</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ATTENZIONE</translation>
    </message>
    <message>
        <source>Pin-pointing!</source>
        <translation>Appunta!</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>senza data</translation>
    </message>
    <message>
        <source> I owe him (no date given)</source>
        <translation> gli devo (senza data)</translation>
    </message>
    <message>
        <source> he owes me (no date given)</source>
        <translation> mi deve (senza data)</translation>
    </message>
    <message>
        <source>No date given</source>
        <translation>Senza data</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Cosa</translation>
    </message>
    <message>
        <source>Give back</source>
        <translation>Da restituire</translation>
    </message>
    <message>
        <source>Have back</source>
        <translation>Da riavere</translation>
    </message>
    <message>
        <source>I owe to</source>
        <translation>Devo a</translation>
    </message>
    <message>
        <source>owes me</source>
        <translation>mi deve</translation>
    </message>
    <message>
        <source>Stick a note to a particular application window</source>
        <translation>Appuntare una nota alla finestra di un programma</translation>
    </message>
    <message>
        <source>Update note titles in list</source>
        <translation>Aggiorna i titoli delle note nell&apos;elenco</translation>
    </message>
    <message>
        <source>Attach Note to Window<byte value="xd"/>
&quot;%s&quot;??</source>
        <translation>Appuntare la nota alla finestra<byte value="xd"/>
&quot;%s&quot;??</translation>
    </message>
    <message>
        <source>&lt;no window&gt;</source>
        <translation>&lt;nessuna finestra&gt;</translation>
    </message>
    <message>
        <source>Notes can be pinned to the windows of other programs only on an X11 desktop.</source>
        <translation>Le note si possono appuntare alle finestre di altri programmi solo su un desktop X11.</translation>
    </message>
    <message>
        <source>Change Stickums background color</source>
        <translation>Cambia il colore di sfondo degli Stickum</translation>
    </message>
    <message>
        <source>Change Stickums font and character color</source>
        <translation>Cambia il carattere e il colore del testo degli Stickum</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Colore:</translation>
    </message>
    <message>
        <source>Wav audio files (*.WAV)</source>
        <translation>File audio WAV (*.WAV)</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Add, modify and delete simple notes</source>
        <translation>Aggiungi, modifica ed elimina semplici note</translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation>Prestiti</translation>
    </message>
    <message>
        <source>Update your situation of what you have lend/borrowed</source>
        <translation>Tieni aggiornato ciò che hai prestato o preso in prestito</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Mark important days on the calendar</source>
        <translation>Segna i giorni importanti sul calendario</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Trim Quillbox to the micron</source>
        <translation>Regola Quillbox al micron</translation>
    </message>
    <message>
        <source>Infoz</source>
        <translation>Infoz</translation>
    </message>
    <message>
        <source>Who&apos;s the criminal behind all this?</source>
        <translation>Chi è il colpevole di tutto questo?</translation>
    </message>
    <message>
        <source>Quillbox (display ON)</source>
        <translation>Quillbox (visualizzazione ATTIVA)</translation>
    </message>
    <message>
        <source>Quillbox (display OFF)</source>
        <translation>Quillbox (visualizzazione DISATTIVA)</translation>
    </message>
    <message>
        <source>Stickum</source>
        <translation>Stickum</translation>
    </message>
    <message>
        <source>Not enough space for this note</source>
        <translation>Non c&apos;è più spazio per questa nota</translation>
    </message>
    <message>
        <source>Not enogh space for this lending/borrowing note</source>
        <translation>Non c&apos;è più spazio per questo prestito</translation>
    </message>
    <message>
        <source>No more space for this reminder note</source>
        <translation>Non c&apos;è più spazio per questo promemoria</translation>
    </message>
    <message>
        <source>Not enough space<byte value="xd"/>
to attach...</source>
        <translation>Spazio insufficiente<byte value="xd"/>
per appuntare...</translation>
    </message>
    <message>
        <source>Remove selected note?</source>
        <translation>Rimuovere la nota selezionata?</translation>
    </message>
    <message>
        <source>Remove selected lending/borrowing note?</source>
        <translation>Rimuovere il prestito selezionato?</translation>
    </message>
    <message>
        <source>Remove selected reminder note?</source>
        <translation>Rimuovere il promemoria selezionato?</translation>
    </message>
    <message>
        <source>Do you really want to quit this program?</source>
        <translation>Vuoi davvero uscire da questo programma?</translation>
    </message>
    <message>
        <source>Old file format!
You can continue and potentially damage your saved data,
 or you can quit Quillbox and backup your data.
Should I continue reading?</source>
        <translation>Vecchio formato di file!
Puoi continuare, rischiando di danneggiare i dati salvati,
 oppure uscire da Quillbox e fare una copia dei tuoi dati.
Devo continuare a leggere?</translation>
    </message>
    <message>
        <source>Old file: wrong Notes format!</source>
        <translation>Vecchio file: formato delle note errato!</translation>
    </message>
    <message>
        <source>Old file: wrong Lending format</source>
        <translation>Vecchio file: formato dei prestiti errato</translation>
    </message>
    <message>
        <source>Old file: wrong Reminders format</source>
        <translation>Vecchio file: formato dei promemoria errato</translation>
    </message>
    <message>
        <source>This data file was written by a later version of Quillbox (file version %1; this Quillbox knows versions up to 4).
You can continue: Quillbox reads what it knows of the file and keeps the file as it is now as quillbox.dat.bak when it next saves. Or you can quit Quillbox and use the later version.
Should I continue reading?</source>
        <translation>Questo file di dati è stato scritto da una versione più recente di Quillbox (versione del file %1; questo Quillbox conosce le versioni fino alla 4).
Puoi continuare: Quillbox legge ciò che conosce del file e al prossimo salvataggio conserva il file com&apos;è ora come quillbox.dat.bak. Oppure puoi uscire da Quillbox e usare la versione più recente.
Devo continuare a leggere?</translation>
    </message>
    <message>
        <source>Your data could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Non è stato possibile salvare i dati in<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Quit anyway? Changes since the last save will be lost.</source>
        <translation>Uscire comunque? Le modifiche dall&apos;ultimo salvataggio andranno perse.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is damaged at byte %2 (%3).<byte value="xd"/>
Everything before the damage was read. The file as it is now will be kept as<byte value="xd"/>
%4<byte value="xd"/>
when Quillbox next saves.</source>
        <translation>Il file di dati<byte value="xd"/>
%1<byte value="xd"/>
è danneggiato al byte %2 (%3).<byte value="xd"/>
Tutto ciò che precede il danno è stato letto. Il file com&apos;è ora verrà conservato come<byte value="xd"/>
%4<byte value="xd"/>
al prossimo salvataggio di Quillbox.</translation>
    </message>
    <message>
        <source>the options could not be read</source>
        <translation>non è stato possibile leggere le opzioni</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
cannot be read (%2).<byte value="xd"/>
Nothing could be read from it, so Quillbox starts empty. The file is kept as it is, moved aside as<byte value="xd"/>
%3<byte value="xd"/>
when Quillbox next saves.</source>
        <translation>Il file di dati<byte value="xd"/>
%1<byte value="xd"/>
non può essere letto (%2).<byte value="xd"/>
Non è stato possibile leggerne nulla, quindi Quillbox parte vuoto. Il file resta com&apos;è e viene messo da parte come<byte value="xd"/>
%3<byte value="xd"/>
al prossimo salvataggio di Quillbox.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is %2, not a regular file.<byte value="xd"/>
Quillbox leaves it as it is and ends. Move it out of the way and start Quillbox again.</source>
        <translation>Il file di dati<byte value="xd"/>
%1<byte value="xd"/>
è %2, non un file normale.<byte value="xd"/>
Quillbox lo lascia com&apos;è e termina. Spostalo altrove e riavvia Quillbox.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
has other names (hard links). Quillbox saves by replacing the file, so from its next save on the other names keep the old content. A symbolic link is followed instead.</source>
        <translation>Il file di dati<byte value="xd"/>
%1<byte value="xd"/>
ha altri nomi (collegamenti fisici). Quillbox salva sostituendo il file, quindi dal prossimo salvataggio gli altri nomi conserveranno il vecchio contenuto. Un collegamento simbolico invece viene seguito.</translation>
    </message>
    <message>
        <source>Quillbox cannot write to its own folder, so the data file found there,<byte value="xd"/>
%1<byte value="xd"/>
was copied to<byte value="xd"/>
%2<byte value="xd"/>
Quillbox goes on from the copy; the original stays as it is.</source>
        <translation>Quillbox non può scrivere nella propria cartella, quindi il file di dati che vi si trovava,<byte value="xd"/>
%1<byte value="xd"/>
è stato copiato in<byte value="xd"/>
%2<byte value="xd"/>
Quillbox prosegue con la copia; l&apos;originale resta com&apos;è.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
could not be copied to<byte value="xd"/>
%2<byte value="xd"/>
(%3).<byte value="xd"/>
Quillbox ends without changing either.</source>
        <translation>Il file di dati<byte value="xd"/>
%1<byte value="xd"/>
non è stato copiato in<byte value="xd"/>
%2<byte value="xd"/>
(%3).<byte value="xd"/>
Quillbox termina senza modificare nessuno dei due.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own.<byte value="xd"/>
This Quillbox&apos;s version is now in the data file; the other one is kept as<byte value="xd"/>
%2</source>
        <translation>Il file di dati<byte value="xd"/>
%1<byte value="xd"/>
è stato modificato altrove (su un altro computer?) mentre questo Quillbox aveva modifiche proprie.<byte value="xd"/>
Ora nel file di dati c&apos;è la versione di questo Quillbox; l&apos;altra è conservata come<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own. Both were kept: %2.</source>
        <translation>Il file di dati<byte value="xd"/>
%1<byte value="xd"/>
è stato modificato altrove (su un altro computer?) mentre questo Quillbox aveva modifiche proprie. Sono state conservate entrambe: %2.</translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
was merged into your data: %2. The copy itself is left as it is; delete it when you like.</source>
        <translation>La copia in conflitto<byte value="xd"/>
%1<byte value="xd"/>
è stata unita ai tuoi dati: %2. La copia resta com&apos;è; eliminala quando vuoi.</translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
could not be merged (it is damaged, or the lists would not hold it as well), so nothing of it was taken. It is left as it is.</source>
        <translation>La copia in conflitto<byte value="xd"/>
%1<byte value="xd"/>
non è stata unita (è danneggiata, oppure gli elenchi non potrebbero contenerla), quindi non ne è stato preso nulla. Resta com&apos;è.</translation>
    </message>
    <message>
        <source>%1 came in</source>
        <translation>%1 in arrivo</translation>
    </message>
    <message>
        <source>%1 went</source>
        <translation>%1 rimosso/i</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>note</translation>
    </message>
    <message>
        <source>lending</source>
        <translation>prestito</translation>
    </message>
    <message>
        <source>lendings</source>
        <translation>prestiti</translation>
    </message>
    <message>
        <source>reminder</source>
        <translation>promemoria</translation>
    </message>
    <message>
        <source>reminders</source>
        <translation>promemoria</translation>
    </message>
    <message>
        <source>Quillbox could not save when it was last stopped; the unsaved version is in %1: take it?</source>
        <translation>Quillbox non è riuscito a salvare l&apos;ultima volta che è stato chiuso; la versione non salvata è in %1: vuoi recuperarla?</translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2). The unsaved version is in %3</source>
        <translation>Quillbox non è riuscito a salvare in %1 (%2). La versione non salvata è in %3</translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2), and the unsaved version could be kept nowhere.</source>
        <translation>Quillbox non è riuscito a salvare in %1 (%2) e la versione non salvata non è stata conservata da nessuna parte.</translation>
    </message>
    <message>
        <source>Quillbox is already running.<byte value="xd"/>
It keeps its data in<byte value="xd"/>
%1</source>
        <translation>Quillbox è già in esecuzione.<byte value="xd"/>
Conserva i suoi dati in<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Display Stickums</source>
        <translation>Mostra gli Stickum</translation>
    </message>
    <message>
        <source>This Wayland desktop runs no XWayland.<byte value="xd"/>
<byte value="xd"/>
Wayland does not let one program keep its windows above the others or look at other programs&apos; windows, so Stickums will not stay on top and notes cannot be pinned to windows. Everything else works.<byte value="xd"/>
<byte value="xd"/>
Install XWayland (the package xwayland) and log in again to have both.</source>
        <translation>Questo desktop Wayland non esegue XWayland.<byte value="xd"/>
<byte value="xd"/>
Wayland non permette a un programma di tenere le sue finestre sopra le altre né di vedere le finestre di altri programmi, quindi gli Stickum non resteranno in primo piano e le note non si potranno appuntare alle finestre. Tutto il resto funziona.<byte value="xd"/>
<byte value="xd"/>
Installa XWayland (il pacchetto xwayland) e accedi di nuovo per avere entrambe le cose.</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Oggetto</translation>
    </message>
    <message>
        <source>&amp;When</source>
        <translation>Da&amp;ta</translation>
    </message>
    <message>
        <source>A&amp;fter</source>
        <translation>&amp;Dopo</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ri&amp;muovi</translation>
    </message>
    <message>
        <source>Write or remove those sticky notes..</source>
        <translation>Scrivi o rimuovi le tue note...</translation>
    </message>
    <message>
        <source>&amp;Refresh list</source>
        <translation>A&amp;ggiorna</translation>
    </message>
    <message>
        <source>P&amp;in-point to</source>
        <translation>A&amp;ppunta a</translation>
    </message>
    <message>
        <source>Note te&amp;xt</source>
        <translation>&amp;Testo della nota</translation>
    </message>
    <message>
        <source>Options and defaults</source>
        <translation>Opzioni e valori predefiniti</translation>
    </message>
    <message>
        <source>Stickum appearance</source>
        <translation>Aspetto degli Stickum</translation>
    </message>
    <message>
        <source>Title bar color</source>
        <translation>Colore barra del titolo</translation>
    </message>
    <message>
        <source>&amp;Default Windows col.</source>
        <translation>Colore &amp;Windows</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>Co&amp;lore</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>Cara&amp;ttere</translation>
    </message>
    <message>
        <source>This is a sample note, which uses selected options for displaying</source>
        <translation>Questa è una nota di esempio, mostrata con le opzioni scelte</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Fi&amp;xed</source>
        <translation>&amp;Fissa</translation>
    </message>
    <message>
        <source>&amp;Minimum</source>
        <translation>&amp;Minima</translation>
    </message>
    <message>
        <source>Modifiable</source>
        <translation>Modificabile</translation>
    </message>
    <message>
        <source>Scroll &amp;bar</source>
        <translation>Sc&amp;orrimento</translation>
    </message>
    <message>
        <source>&amp;Height in lines of text</source>
        <translation>&amp;Altezza in righe di testo</translation>
    </message>
    <message>
        <source>Dates: defaults</source>
        <translation>Date: valori predefiniti</translation>
    </message>
    <message>
        <source>&amp;Reminders: how many days before</source>
        <translation>&amp;Promemoria: giorni prima</translation>
    </message>
    <message>
        <source>&amp;Lendings: how many days after</source>
        <translation>Pr&amp;estiti: giorni dopo</translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation>File audio</translation>
    </message>
    <message>
        <source>S&amp;ave all</source>
        <translation>Salva t&amp;utto</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>Ann&amp;o</translation>
    </message>
    <message>
        <source>Mon&amp;th</source>
        <translation>M&amp;ese</translation>
    </message>
    <message>
        <source>How many &amp;days before</source>
        <translation>Quanti &amp;giorni prima</translation>
    </message>
    <message>
        <source>To r&amp;emember</source>
        <translation>Da ricor&amp;dare</translation>
    </message>
    <message>
        <source>Colla&amp;pse</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>by the Quillbox makers</source>
        <translation>dai creatori di Quillbox</translation>
    </message>
    <message>
        <source>MM/dd/yyyy</source>
        <extracomment>A date in numbers, as a QDate format: dd the day, MM the month, yyyy the year.</extracomment>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>MMMM d yyyy</source>
        <extracomment>A date in words in the alerts, as a QDate format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
 it&apos;s since %2 I owe him:<byte value="xd"/>
%3</source>
        <translation>%1:<byte value="xd"/>
 gli devo dal %2:<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
 it&apos;s since %2 he owes me:<byte value="xd"/>
%3</source>
        <translation>%1:<byte value="xd"/>
 mi deve dal %2:<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Quillbox could not change whether it starts at login:<byte value="xd"/>
%1</source>
        <translation>Quillbox non è riuscito a cambiare l&apos;avvio all&apos;accesso:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown command.</source>
        <translation>Comando sconosciuto.</translation>
    </message>
    <message>
        <source>Quillbox did not answer.</source>
        <translation>Quillbox non ha risposto.</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Prova &apos;quillbox --help&apos; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>Notes, lendings and reminders as Stickums on the desktop, living in the tray.
A command given while Quillbox runs on the same data file goes to that Quillbox.</source>
        <translation>Note, prestiti e promemoria come Stickum sul desktop, dall&apos;area di notifica.
Un comando dato mentre Quillbox è in esecuzione sullo stesso file di dati va a quel Quillbox.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostra questo aiuto ed esci.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostra la versione ed esci.</translation>
    </message>
    <message>
        <source>Keep everything in FILE instead of the usual quillbox.dat.</source>
        <translation>Conserva tutto in FILE invece del solito quillbox.dat.</translation>
    </message>
    <message>
        <source>Switch the Stickums off or on, as a left click on the tray icon.</source>
        <translation>Nasconde o mostra gli Stickum, come un clic sinistro sull&apos;icona nell&apos;area di notifica.</translation>
    </message>
    <message>
        <source>Open the main window, as a right click on the tray icon.</source>
        <translation>Apre la finestra principale, come un clic destro sull&apos;icona nell&apos;area di notifica.</translation>
    </message>
    <message>
        <source>Add a note with TEXT and show its Stickum; - reads the text from standard input; an empty TEXT gives a blank Stickum to type into.</source>
        <translation>Aggiunge una nota con TEXT e ne mostra lo Stickum; - legge il testo dall&apos;input standard; un TEXT vuoto dà uno Stickum vuoto in cui scrivere.</translation>
    </message>
    <message>
        <source>Make the running Quillbox save everything and end, without asking.</source>
        <translation>Fa salvare tutto al Quillbox in esecuzione e lo fa terminare, senza chiedere.</translation>
    </message>
    <message>
        <source>Write the notes, lendings and reminders to standard output as text. Only reads the data file; works while Quillbox runs.</source>
        <translation>Scrive note, prestiti e promemoria come testo sull&apos;output standard. Legge soltanto il file di dati; funziona anche con Quillbox in esecuzione.</translation>
    </message>
    <message>
        <source>With --export: write JSON, with every field and the options.</source>
        <translation>Con --export: scrive JSON, con tutti i campi e le opzioni.</translation>
    </message>
    <message>
        <source>Start Quillbox at login (on), or no longer (off), with the data file given by --data.</source>
        <translation>Avvia Quillbox all&apos;accesso (on), o non più (off), con il file di dati dato da --data.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Uso: </translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Give one of --toggle, --show, --new-note, --quit, --export and --autostart at a time.</source>
        <translation>Indica una sola opzione tra --toggle, --show, --new-note, --quit, --export e --autostart alla volta.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <translation>--autostart vuole on oppure off, non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--json goes with --export.</source>
        <translation>--json va usato con --export.</translation>
    </message>
    <message>
        <source>--data needs a file, not &apos;%1&apos;.</source>
        <translation>--data vuole un file, non &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The folder of &apos;%1&apos; does not exist.</source>
        <translation>La cartella di &apos;%1&apos; non esiste.</translation>
    </message>
    <message>
        <source>Sticky notes organiser</source>
        <translation>Organizer di note adesive</translation>
    </message>
    <message>
        <source>Sticky notes, lendings and reminders that live in the tray</source>
        <translation>Note adesive, prestiti e promemoria nell&apos;area di notifica</translation>
    </message>
    <message>
        <source>notes;sticky;reminder;lending;tray;</source>
        <extracomment>Words a launcher finds the program by, each ending in a semicolon.</extracomment>
        <translation>note;adesive;promemoria;prestito;notifica;</translation>
    </message>
    <message>
        <source>New note</source>
        <translation>Nuova nota</translation>
    </message>
    <message>
        <source>Show or hide the Stickums</source>
        <translation>Mostra o nascondi gli Stickum</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>There is no data file at %1.</source>
        <translation>Non c&apos;è nessun file di dati in %1.</translation>
    </message>
    <message>
        <source>There is no runtime folder that only you can use (XDG_RUNTIME_DIR) for Quillbox&apos;s command socket.</source>
        <translation>Non c&apos;è una cartella di esecuzione usabile solo da te (XDG_RUNTIME_DIR) per il socket dei comandi di Quillbox.</translation>
    </message>
    <message>
        <source>There is no display to start Quillbox on (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Non c&apos;è un display su cui avviare Quillbox (né DISPLAY né WAYLAND_DISPLAY sono impostati).</translation>
    </message>
    <message>
        <source>Quillbox cannot start: %1</source>
        <translation>Quillbox non può avviarsi: %1</translation>
    </message>
    <message>
        <source>--new-note -: standard input held no text.</source>
        <translation>--new-note -: l&apos;input standard non conteneva testo.</translation>
    </message>
    <message>
        <source>Quillbox starts at login: %1</source>
        <translation>Quillbox si avvia all&apos;accesso: %1</translation>
    </message>
    <message>
        <source>Quillbox no longer starts at login.</source>
        <translation>Quillbox non si avvia più all&apos;accesso.</translation>
    </message>
    <message>
        <source>The export could not be written: %1.</source>
        <translation>Non è stato possibile scrivere l&apos;esportazione: %1.</translation>
    </message>
    <message>
        <source>Quillbox is not running on %1; nothing to quit.</source>
        <translation>Quillbox non è in esecuzione su %1; niente da chiudere.</translation>
    </message>
    <message>
        <source>Quillbox is not running on %1, and there is no display to start it on.</source>
        <translation>Quillbox non è in esecuzione su %1 e non c&apos;è un display su cui avviarlo.</translation>
    </message>
    <message>
        <source>Quillbox runs (process %1), but its command socket %2 is gone: it cannot take commands until it is started again.</source>
        <translation>Quillbox è in esecuzione (processo %1), ma il suo socket dei comandi %2 è sparito: non può ricevere comandi finché non viene riavviato.</translation>
    </message>
    <message>
        <source>Quillbox runs on %1 but does not answer.</source>
        <translation>Quillbox è in esecuzione su %1 ma non risponde.</translation>
    </message>
    <message>
        <source>Quillbox is not ready yet.</source>
        <translation>Quillbox non è ancora pronto.</translation>
    </message>
    <message>
        <source>Quillbox is ending.</source>
        <translation>Quillbox sta terminando.</translation>
    </message>
    <message>
        <source>The note was added and is shown, but it could not be saved to %1 (%2); Quillbox keeps it and saves it with the next save.</source>
        <translation>La nota è stata aggiunta ed è visibile, ma non è stato possibile salvarla in %1 (%2); Quillbox la conserva e la salverà al prossimo salvataggio.</translation>
    </message>
    <message>
        <source>Your data could not be saved to %1 (%2); Quillbox keeps running.</source>
        <translation>Non è stato possibile salvare i dati in %1 (%2); Quillbox resta in esecuzione.</translation>
    </message>
</context>
</TS>
