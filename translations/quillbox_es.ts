<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Arrows move the day, Page Up and Page Down the month, Space selects the day, Ctrl+Space arms or disarms its reminder</source>
        <translation>Las flechas cambian el día, Re Pág y Av Pág el mes, Espacio selecciona el día, Ctrl+Espacio activa o desactiva su recordatorio</translation>
    </message>
</context>
<context>
    <name>MiniTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Unroll</source>
        <translation>Desenrollar</translation>
    </message>
    <message>
        <source>Roll up</source>
        <translation>Enrollar</translation>
    </message>
</context>
<context>
    <name>MyDialog</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
</context>
<context>
    <name>NotesDialog</name>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Space switches the note&apos;s Stickum on or off</source>
        <translation>Espacio muestra u oculta el Stickum de la nota</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Choose the title bar colour</source>
        <translation>Elegir el color de la barra de título</translation>
    </message>
    <message>
        <source>Choose the wave file</source>
        <translation>Elegir el archivo de sonido</translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation>Archivo de sonido</translation>
    </message>
</context>
<context>
    <name>PrestitiDialog</name>
    <message>
        <source>When: day</source>
        <translation>Cuándo: día</translation>
    </message>
    <message>
        <source>When: month</source>
        <translation>Cuándo: mes</translation>
    </message>
    <message>
        <source>When: year</source>
        <translation>Cuándo: año</translation>
    </message>
    <message>
        <source>Give back or have back</source>
        <translation>Por devolver o por recuperar</translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation>Préstamos</translation>
    </message>
    <message>
        <source>Space arms or disarms the lending&apos;s alert</source>
        <translation>Espacio activa o desactiva el aviso del préstamo</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Names used before</source>
        <translation>Nombres usados antes</translation>
    </message>
</context>
<context>
    <name>QAccessibleWidget</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
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
        <translation>Mostrar la ventana principal</translation>
    </message>
    <message>
        <source>New note</source>
        <translation>Nueva nota</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>SmallFrame</name>
    <message>
        <source>Alt+Up rolls up, Alt+Down unrolls, Ctrl+W closes, F6 goes to the next Stickum, Ctrl+Tab to the buttons</source>
        <translation>Alt+Arriba enrolla, Alt+Abajo desenrolla, Ctrl+W cierra, F6 pasa al siguiente Stickum, Ctrl+Tab a los botones</translation>
    </message>
    <message>
        <source>Stickum text</source>
        <translation>Texto del Stickum</translation>
    </message>
</context>
<context>
    <name>WCalendar</name>
    <message>
        <source>Monday</source>
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 de %3 de %4</translation>
    </message>
    <message>
        <source>, reminder: %1</source>
        <translation>, recordatorio: %1</translation>
    </message>
    <message>
        <source>, armed</source>
        <translation>, activado</translation>
    </message>
    <message>
        <source>, disarmed</source>
        <translation>, desactivado</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ADVERTENCIA</translation>
    </message>
    <message>
        <source>Pin-pointing!</source>
        <translation>¡Fijar!</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>sin fecha</translation>
    </message>
    <message>
        <source> I owe him (no date given)</source>
        <translation> le debo (sin fecha)</translation>
    </message>
    <message>
        <source> he owes me (no date given)</source>
        <translation> me debe (sin fecha)</translation>
    </message>
    <message>
        <source>No date given</source>
        <translation>Sin fecha</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Qué</translation>
    </message>
    <message>
        <source>Give back</source>
        <translation>Por devolver</translation>
    </message>
    <message>
        <source>Have back</source>
        <translation>Por recuperar</translation>
    </message>
    <message>
        <source>I owe to</source>
        <translation>Le debo a</translation>
    </message>
    <message>
        <source>owes me</source>
        <translation>me debe</translation>
    </message>
    <message>
        <source>Stick a note to a particular application window</source>
        <translation>Fijar una nota a la ventana de un programa</translation>
    </message>
    <message>
        <source>Update note titles in list</source>
        <translation>Actualizar los títulos de las notas en la lista</translation>
    </message>
    <message>
        <source>Attach Note to Window<byte value="xd"/>
&quot;%s&quot;??</source>
        <translation>¿¿Fijar la nota a la ventana<byte value="xd"/>
&quot;%s&quot;??</translation>
    </message>
    <message>
        <source>&lt;no window&gt;</source>
        <translation>&lt;ninguna ventana&gt;</translation>
    </message>
    <message>
        <source>Notes can be pinned to the windows of other programs only on an X11 desktop.</source>
        <translation>Las notas solo se pueden fijar a las ventanas de otros programas en un escritorio X11.</translation>
    </message>
    <message>
        <source>Change Stickums background color</source>
        <translation>Cambiar el color de fondo de los Stickums</translation>
    </message>
    <message>
        <source>Change Stickums font and character color</source>
        <translation>Cambiar la fuente y el color del texto de los Stickums</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Wav audio files (*.WAV)</source>
        <translation>Archivos de audio WAV (*.WAV)</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>Add, modify and delete simple notes</source>
        <translation>Añadir, modificar y borrar notas sencillas</translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation>Préstamos</translation>
    </message>
    <message>
        <source>Update your situation of what you have lend/borrowed</source>
        <translation>Lleve la cuenta de lo que ha prestado o le han prestado</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Mark important days on the calendar</source>
        <translation>Marcar los días importantes en el calendario</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Trim Quillbox to the micron</source>
        <translation>Ajustar Quillbox al micrón</translation>
    </message>
    <message>
        <source>Infoz</source>
        <translation>Infoz</translation>
    </message>
    <message>
        <source>Who&apos;s the criminal behind all this?</source>
        <translation>¿Quién es el culpable de todo esto?</translation>
    </message>
    <message>
        <source>Quillbox (display ON)</source>
        <translation>Quillbox (visualización ACTIVADA)</translation>
    </message>
    <message>
        <source>Quillbox (display OFF)</source>
        <translation>Quillbox (visualización DESACTIVADA)</translation>
    </message>
    <message>
        <source>Stickum</source>
        <translation>Stickum</translation>
    </message>
    <message>
        <source>Not enough space for this note</source>
        <translation>No queda espacio para esta nota</translation>
    </message>
    <message>
        <source>Not enogh space for this lending/borrowing note</source>
        <translation>No queda espacio para este préstamo</translation>
    </message>
    <message>
        <source>No more space for this reminder note</source>
        <translation>No queda espacio para este recordatorio</translation>
    </message>
    <message>
        <source>Not enough space<byte value="xd"/>
to attach...</source>
        <translation>No hay espacio suficiente<byte value="xd"/>
para fijar...</translation>
    </message>
    <message>
        <source>Remove selected note?</source>
        <translation>¿Quitar la nota seleccionada?</translation>
    </message>
    <message>
        <source>Remove selected lending/borrowing note?</source>
        <translation>¿Quitar el préstamo seleccionado?</translation>
    </message>
    <message>
        <source>Remove selected reminder note?</source>
        <translation>¿Quitar el recordatorio seleccionado?</translation>
    </message>
    <message>
        <source>Do you really want to quit this program?</source>
        <translation>¿Seguro que quiere salir de este programa?</translation>
    </message>
    <message>
        <source>Old file format!
You can continue and potentially damage your saved data,
 or you can quit Quillbox and backup your data.
Should I continue reading?</source>
        <translation>¡Formato de archivo antiguo!
Puede continuar, con el riesgo de dañar sus datos guardados,
 o salir de Quillbox y hacer una copia de sus datos.
¿Sigo leyendo?</translation>
    </message>
    <message>
        <source>Old file: wrong Notes format!</source>
        <translation>Archivo antiguo: ¡formato de notas incorrecto!</translation>
    </message>
    <message>
        <source>Old file: wrong Lending format</source>
        <translation>Archivo antiguo: formato de préstamos incorrecto</translation>
    </message>
    <message>
        <source>Old file: wrong Reminders format</source>
        <translation>Archivo antiguo: formato de recordatorios incorrecto</translation>
    </message>
    <message>
        <source>This data file was written by a later version of Quillbox (file version %1; this Quillbox knows versions up to 4).
You can continue: Quillbox reads what it knows of the file and keeps the file as it is now as quillbox.dat.bak when it next saves. Or you can quit Quillbox and use the later version.
Should I continue reading?</source>
        <translation>Este archivo de datos lo escribió una versión más reciente de Quillbox (versión de archivo %1; este Quillbox conoce las versiones hasta la 4).
Puede continuar: Quillbox lee lo que conoce del archivo y, al guardar la próxima vez, conserva el archivo tal como está ahora como quillbox.dat.bak. O puede salir de Quillbox y usar la versión más reciente.
¿Sigo leyendo?</translation>
    </message>
    <message>
        <source>Your data could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>No se pudieron guardar sus datos en<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Quit anyway? Changes since the last save will be lost.</source>
        <translation>¿Salir de todos modos? Se perderán los cambios desde la última vez que se guardó.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is damaged at byte %2 (%3).<byte value="xd"/>
Everything before the damage was read. The file as it is now will be kept as<byte value="xd"/>
%4<byte value="xd"/>
when Quillbox next saves.</source>
        <translation>El archivo de datos<byte value="xd"/>
%1<byte value="xd"/>
está dañado en el byte %2 (%3).<byte value="xd"/>
Se leyó todo lo anterior al daño. El archivo tal como está ahora se conservará como<byte value="xd"/>
%4<byte value="xd"/>
cuando Quillbox guarde la próxima vez.</translation>
    </message>
    <message>
        <source>the options could not be read</source>
        <translation>no se pudieron leer las opciones</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
cannot be read (%2).<byte value="xd"/>
Nothing could be read from it, so Quillbox starts empty. The file is kept as it is, moved aside as<byte value="xd"/>
%3<byte value="xd"/>
when Quillbox next saves.</source>
        <translation>El archivo de datos<byte value="xd"/>
%1<byte value="xd"/>
no se puede leer (%2).<byte value="xd"/>
No se pudo leer nada de él, así que Quillbox empieza vacío. El archivo se conserva tal cual, apartado como<byte value="xd"/>
%3<byte value="xd"/>
cuando Quillbox guarde la próxima vez.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is %2, not a regular file.<byte value="xd"/>
Quillbox leaves it as it is and ends. Move it out of the way and start Quillbox again.</source>
        <translation>El archivo de datos<byte value="xd"/>
%1<byte value="xd"/>
es %2, no un archivo normal.<byte value="xd"/>
Quillbox lo deja tal cual y termina. Apártelo y vuelva a iniciar Quillbox.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
has other names (hard links). Quillbox saves by replacing the file, so from its next save on the other names keep the old content. A symbolic link is followed instead.</source>
        <translation>El archivo de datos<byte value="xd"/>
%1<byte value="xd"/>
tiene otros nombres (enlaces duros). Quillbox guarda sustituyendo el archivo, así que a partir del próximo guardado los otros nombres conservarán el contenido antiguo. Un enlace simbólico, en cambio, se sigue.</translation>
    </message>
    <message>
        <source>Quillbox cannot write to its own folder, so the data file found there,<byte value="xd"/>
%1<byte value="xd"/>
was copied to<byte value="xd"/>
%2<byte value="xd"/>
Quillbox goes on from the copy; the original stays as it is.</source>
        <translation>Quillbox no puede escribir en su propia carpeta, así que el archivo de datos que había en ella,<byte value="xd"/>
%1<byte value="xd"/>
se copió en<byte value="xd"/>
%2<byte value="xd"/>
Quillbox sigue con la copia; el original queda como estaba.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
could not be copied to<byte value="xd"/>
%2<byte value="xd"/>
(%3).<byte value="xd"/>
Quillbox ends without changing either.</source>
        <translation>El archivo de datos<byte value="xd"/>
%1<byte value="xd"/>
no se pudo copiar en<byte value="xd"/>
%2<byte value="xd"/>
(%3).<byte value="xd"/>
Quillbox termina sin modificar ninguno de los dos.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own.<byte value="xd"/>
This Quillbox&apos;s version is now in the data file; the other one is kept as<byte value="xd"/>
%2</source>
        <translation>El archivo de datos<byte value="xd"/>
%1<byte value="xd"/>
se modificó en otro sitio (¿en otro equipo?) mientras este Quillbox tenía cambios propios.<byte value="xd"/>
Ahora el archivo de datos tiene la versión de este Quillbox; la otra se conserva como<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own. Both were kept: %2.</source>
        <translation>El archivo de datos<byte value="xd"/>
%1<byte value="xd"/>
se modificó en otro sitio (¿en otro equipo?) mientras este Quillbox tenía cambios propios. Se conservaron ambos: %2.</translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
was merged into your data: %2. The copy itself is left as it is; delete it when you like.</source>
        <translation>La copia en conflicto<byte value="xd"/>
%1<byte value="xd"/>
se ha combinado con sus datos: %2. La copia queda tal cual; bórrela cuando quiera.</translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
could not be merged (it is damaged, or the lists would not hold it as well), so nothing of it was taken. It is left as it is.</source>
        <translation>La copia en conflicto<byte value="xd"/>
%1<byte value="xd"/>
no se pudo combinar (está dañada, o las listas no tendrían sitio para ella), así que no se tomó nada de ella. Queda tal cual.</translation>
    </message>
    <message>
        <source>%1 came in</source>
        <translation>%1 añadido(s)</translation>
    </message>
    <message>
        <source>%1 went</source>
        <translation>%1 quitado(s)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notas</translation>
    </message>
    <message>
        <source>lending</source>
        <translation>préstamo</translation>
    </message>
    <message>
        <source>lendings</source>
        <translation>préstamos</translation>
    </message>
    <message>
        <source>reminder</source>
        <translation>recordatorio</translation>
    </message>
    <message>
        <source>reminders</source>
        <translation>recordatorios</translation>
    </message>
    <message>
        <source>Quillbox could not save when it was last stopped; the unsaved version is in %1: take it?</source>
        <translation>Quillbox no pudo guardar la última vez que se detuvo; la versión sin guardar está en %1: ¿recuperarla?</translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2). The unsaved version is in %3</source>
        <translation>Quillbox no pudo guardar en %1 (%2). La versión sin guardar está en %3</translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2), and the unsaved version could be kept nowhere.</source>
        <translation>Quillbox no pudo guardar en %1 (%2), y la versión sin guardar no se pudo conservar en ningún sitio.</translation>
    </message>
    <message>
        <source>Quillbox is already running.<byte value="xd"/>
It keeps its data in<byte value="xd"/>
%1</source>
        <translation>Quillbox ya se está ejecutando.<byte value="xd"/>
Guarda sus datos en<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Display Stickums</source>
        <translation>Mostrar los Stickums</translation>
    </message>
    <message>
        <source>This Wayland desktop runs no XWayland.<byte value="xd"/>
<byte value="xd"/>
Wayland does not let one program keep its windows above the others or look at other programs&apos; windows, so Stickums will not stay on top and notes cannot be pinned to windows. Everything else works.<byte value="xd"/>
<byte value="xd"/>
Install XWayland (the package xwayland) and log in again to have both.</source>
        <translation>Este escritorio Wayland no ejecuta XWayland.<byte value="xd"/>
<byte value="xd"/>
Wayland no deja que un programa mantenga sus ventanas por encima de las demás ni que vea las ventanas de otros programas, así que los Stickums no quedarán en primer plano y las notas no se podrán fijar a ventanas. Todo lo demás funciona.<byte value="xd"/>
<byte value="xd"/>
Instale XWayland (el paquete xwayland) y vuelva a iniciar sesión para tener ambas cosas.</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objeto</translation>
    </message>
    <message>
        <source>&amp;When</source>
        <translation>&amp;Fecha</translation>
    </message>
    <message>
        <source>A&amp;fter</source>
        <translation>&amp;Tras</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Write or remove those sticky notes..</source>
        <translation>Escriba o quite sus notas...</translation>
    </message>
    <message>
        <source>&amp;Refresh list</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>P&amp;in-point to</source>
        <translation>&amp;Fijar a</translation>
    </message>
    <message>
        <source>Note te&amp;xt</source>
        <translation>&amp;Texto de la nota</translation>
    </message>
    <message>
        <source>Options and defaults</source>
        <translation>Opciones y valores predeterminados</translation>
    </message>
    <message>
        <source>Stickum appearance</source>
        <translation>Aspecto de los Stickums</translation>
    </message>
    <message>
        <source>Title bar color</source>
        <translation>Color de la barra de título</translation>
    </message>
    <message>
        <source>&amp;Default Windows col.</source>
        <translation>Color de &amp;Windows</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>Co&amp;lor</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>This is a sample note, which uses selected options for displaying</source>
        <translation>Una nota de ejemplo con las opciones elegidas</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimensión</translation>
    </message>
    <message>
        <source>Fi&amp;xed</source>
        <translation>F&amp;ija</translation>
    </message>
    <message>
        <source>&amp;Minimum</source>
        <translation>&amp;Mínima</translation>
    </message>
    <message>
        <source>Modifiable</source>
        <translation>Modificable</translation>
    </message>
    <message>
        <source>Scroll &amp;bar</source>
        <translation>D&amp;esplazamiento</translation>
    </message>
    <message>
        <source>&amp;Height in lines of text</source>
        <translation>&amp;Altura en líneas de texto</translation>
    </message>
    <message>
        <source>Dates: defaults</source>
        <translation>Fechas: valores predeterminados</translation>
    </message>
    <message>
        <source>&amp;Reminders: how many days before</source>
        <translation>Recor&amp;datorios: días antes</translation>
    </message>
    <message>
        <source>&amp;Lendings: how many days after</source>
        <translation>&amp;Préstamos: días después</translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation>Archivo de sonido</translation>
    </message>
    <message>
        <source>S&amp;ave all</source>
        <translation>&amp;Guardar todo</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>Añ&amp;o</translation>
    </message>
    <message>
        <source>Mon&amp;th</source>
        <translation>&amp;Mes</translation>
    </message>
    <message>
        <source>How many &amp;days before</source>
        <translation>Cuántos días &amp;antes</translation>
    </message>
    <message>
        <source>To r&amp;emember</source>
        <translation>Qué r&amp;ecordar</translation>
    </message>
    <message>
        <source>Colla&amp;pse</source>
        <translation>&amp;Contraer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>by the Quillbox makers</source>
        <translation>por los creadores de Quillbox</translation>
    </message>
    <message>
        <source>MM/dd/yyyy</source>
        <extracomment>A date in numbers, as a QDate format: dd the day, MM the month, yyyy the year.</extracomment>
        <translation>dd/MM/yyyy</translation>
    </message>
    <message>
        <source>MMMM d yyyy</source>
        <extracomment>A date in words in the alerts, as a QDate format: d the day, MMMM the month&apos;s name, yyyy the year.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
 it&apos;s since %2 I owe him:<byte value="xd"/>
%3</source>
        <translation>%1:<byte value="xd"/>
 le debo desde el %2:<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
 it&apos;s since %2 he owes me:<byte value="xd"/>
%3</source>
        <translation>%1:<byte value="xd"/>
 me debe desde el %2:<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Quillbox could not change whether it starts at login:<byte value="xd"/>
%1</source>
        <translation>Quillbox no pudo cambiar si se inicia al iniciar sesión:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown command.</source>
        <translation>Orden desconocida.</translation>
    </message>
    <message>
        <source>Quillbox did not answer.</source>
        <translation>Quillbox no respondió.</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Pruebe &apos;quillbox --help&apos; para más información.</translation>
    </message>
    <message>
        <source>Notes, lendings and reminders as Stickums on the desktop, living in the tray.
A command given while Quillbox runs on the same data file goes to that Quillbox.</source>
        <translation>Notas, préstamos y recordatorios como Stickums en el escritorio, desde la bandeja del sistema.
Una orden dada mientras Quillbox se ejecuta con el mismo archivo de datos va a ese Quillbox.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostrar esta ayuda y terminar.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostrar la versión y terminar.</translation>
    </message>
    <message>
        <source>Keep everything in FILE instead of the usual quillbox.dat.</source>
        <translation>Guardarlo todo en FILE en lugar del quillbox.dat habitual.</translation>
    </message>
    <message>
        <source>Switch the Stickums off or on, as a left click on the tray icon.</source>
        <translation>Ocultar o mostrar los Stickums, como un clic izquierdo en el icono de la bandeja.</translation>
    </message>
    <message>
        <source>Open the main window, as a right click on the tray icon.</source>
        <translation>Abrir la ventana principal, como un clic derecho en el icono de la bandeja.</translation>
    </message>
    <message>
        <source>Add a note with TEXT and show its Stickum; - reads the text from standard input; an empty TEXT gives a blank Stickum to type into.</source>
        <translation>Añadir una nota con TEXT y mostrar su Stickum; - lee el texto de la entrada estándar; un TEXT vacío da un Stickum en blanco para escribir.</translation>
    </message>
    <message>
        <source>Make the running Quillbox save everything and end, without asking.</source>
        <translation>Hacer que el Quillbox en marcha lo guarde todo y termine, sin preguntar.</translation>
    </message>
    <message>
        <source>Write the notes, lendings and reminders to standard output as text. Only reads the data file; works while Quillbox runs.</source>
        <translation>Escribir las notas, préstamos y recordatorios como texto en la salida estándar. Solo lee el archivo de datos; funciona con Quillbox en marcha.</translation>
    </message>
    <message>
        <source>With --export: write JSON, with every field and the options.</source>
        <translation>Con --export: escribir JSON, con todos los campos y las opciones.</translation>
    </message>
    <message>
        <source>Start Quillbox at login (on), or no longer (off), with the data file given by --data.</source>
        <translation>Iniciar Quillbox al iniciar sesión (on), o dejar de hacerlo (off), con el archivo de datos dado con --data.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Uso: </translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Give one of --toggle, --show, --new-note, --quit, --export and --autostart at a time.</source>
        <translation>Indique solo una de --toggle, --show, --new-note, --quit, --export y --autostart a la vez.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <translation>--autostart admite on u off, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--json goes with --export.</source>
        <translation>--json va con --export.</translation>
    </message>
    <message>
        <source>--data needs a file, not &apos;%1&apos;.</source>
        <translation>--data necesita un archivo, no &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The folder of &apos;%1&apos; does not exist.</source>
        <translation>La carpeta de &apos;%1&apos; no existe.</translation>
    </message>
    <message>
        <source>Sticky notes organiser</source>
        <translation>Organizador de notas adhesivas</translation>
    </message>
    <message>
        <source>Sticky notes, lendings and reminders that live in the tray</source>
        <translation>Notas adhesivas, préstamos y recordatorios en la bandeja del sistema</translation>
    </message>
    <message>
        <source>notes;sticky;reminder;lending;tray;</source>
        <extracomment>Words a launcher finds the program by, each ending in a semicolon.</extracomment>
        <translation>notas;adhesivas;recordatorio;préstamo;bandeja;</translation>
    </message>
    <message>
        <source>New note</source>
        <translation>Nueva nota</translation>
    </message>
    <message>
        <source>Show or hide the Stickums</source>
        <translation>Mostrar u ocultar los Stickums</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>There is no data file at %1.</source>
        <translation>No hay ningún archivo de datos en %1.</translation>
    </message>
    <message>
        <source>There is no runtime folder that only you can use (XDG_RUNTIME_DIR) for Quillbox&apos;s command socket.</source>
        <translation>No hay una carpeta de ejecución que solo pueda usar usted (XDG_RUNTIME_DIR) para el socket de órdenes de Quillbox.</translation>
    </message>
    <message>
        <source>There is no display to start Quillbox on (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>No hay ninguna pantalla en la que iniciar Quillbox (no están definidas ni DISPLAY ni WAYLAND_DISPLAY).</translation>
    </message>
    <message>
        <source>Quillbox cannot start: %1</source>
        <translation>Quillbox no puede iniciarse: %1</translation>
    </message>
    <message>
        <source>--new-note -: standard input held no text.</source>
        <translation>--new-note -: la entrada estándar no contenía texto.</translation>
    </message>
    <message>
        <source>Quillbox starts at login: %1</source>
        <translation>Quillbox se inicia al iniciar sesión: %1</translation>
    </message>
    <message>
        <source>Quillbox no longer starts at login.</source>
        <translation>Quillbox ya no se inicia al iniciar sesión.</translation>
    </message>
    <message>
        <source>The export could not be written: %1.</source>
        <translation>No se pudo escribir la exportación: %1.</translation>
    </message>
    <message>
        <source>Quillbox is not running on %1; nothing to quit.</source>
        <translation>Quillbox no se está ejecutando con %1; no hay nada que cerrar.</translation>
    </message>
    <message>
        <source>Quillbox is not running on %1, and there is no display to start it on.</source>
        <translation>Quillbox no se está ejecutando con %1, y no hay ninguna pantalla en la que iniciarlo.</translation>
    </message>
    <message>
        <source>Quillbox runs (process %1), but its command socket %2 is gone: it cannot take commands until it is started again.</source>
        <translation>Quillbox se está ejecutando (proceso %1), pero su socket de órdenes %2 ha desaparecido: no puede recibir órdenes hasta que se vuelva a iniciar.</translation>
    </message>
    <message>
        <source>Quillbox runs on %1 but does not answer.</source>
        <translation>Quillbox se está ejecutando con %1 pero no responde.</translation>
    </message>
    <message>
        <source>Quillbox is not ready yet.</source>
        <translation>Quillbox aún no está listo.</translation>
    </message>
    <message>
        <source>Quillbox is ending.</source>
        <translation>Quillbox está terminando.</translation>
    </message>
    <message>
        <source>The note was added and is shown, but it could not be saved to %1 (%2); Quillbox keeps it and saves it with the next save.</source>
        <translation>La nota se añadió y se muestra, pero no se pudo guardar en %1 (%2); Quillbox la conserva y la guardará la próxima vez.</translation>
    </message>
    <message>
        <source>Your data could not be saved to %1 (%2); Quillbox keeps running.</source>
        <translation>No se pudieron guardar sus datos en %1 (%2); Quillbox sigue en marcha.</translation>
    </message>
</context>
</TS>
