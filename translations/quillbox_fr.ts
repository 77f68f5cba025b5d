<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalendarDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Arrows move the day, Page Up and Page Down the month, Space selects the day, Ctrl+Space arms or disarms its reminder</source>
        <translation>Les flèches changent de jour, Page préc. et Page suiv. de mois, Espace sélectionne le jour, Ctrl+Espace active ou désactive son rappel</translation>
    </message>
</context>
<context>
    <name>MiniTitleBar</name>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Unroll</source>
        <translation>Dérouler</translation>
    </message>
    <message>
        <source>Roll up</source>
        <translation>Enrouler</translation>
    </message>
</context>
<context>
    <name>MyDialog</name>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
</context>
<context>
    <name>NotesDialog</name>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Space switches the note&apos;s Stickum on or off</source>
        <translation>Espace affiche ou masque le Stickum de la note</translation>
    </message>
</context>
<context>
    <name>OptionDialog</name>
    <message>
        <source>Choose the title bar colour</source>
        <translation>Choisir la couleur de la barre de titre</translation>
    </message>
    <message>
        <source>Choose the wave file</source>
        <translation>Choisir le fichier son</translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation>Fichier son</translation>
    </message>
</context>
<context>
    <name>PrestitiDialog</name>
    <message>
        <source>When: day</source>
        <translation>Quand : jour</translation>
    </message>
    <message>
        <source>When: month</source>
        <translation>Quand : mois</translation>
    </message>
    <message>
        <source>When: year</source>
        <translation>Quand : année</translation>
    </message>
    <message>
        <source>Give back or have back</source>
        <translation>À rendre ou à récupérer</translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation>Prêts</translation>
    </message>
    <message>
        <source>Space arms or disarms the lending&apos;s alert</source>
        <translation>Espace active ou désactive l&apos;alerte du prêt</translation>
    </message>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Names used before</source>
        <translation>Noms déjà utilisés</translation>
    </message>
</context>
<context>
    <name>QAccessibleWidget</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
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
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>QtTrayIcon</name>
    <message>
        <source>Show the main window</source>
        <translation>Afficher la fenêtre principale</translation>
    </message>
    <message>
        <source>New note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>SmallFrame</name>
    <message>
        <source>Alt+Up rolls up, Alt+Down unrolls, Ctrl+W closes, F6 goes to the next Stickum, Ctrl+Tab to the buttons</source>
        <translation>Alt+Haut enroule, Alt+Bas déroule, Ctrl+W ferme, F6 passe au Stickum suivant, Ctrl+Tab aux boutons</translation>
    </message>
    <message>
        <source>Stickum text</source>
        <translation>Texte du Stickum</translation>
    </message>
</context>
<context>
    <name>WCalendar</name>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>, reminder: %1</source>
        <translation>, rappel : %1</translation>
    </message>
    <message>
        <source>, armed</source>
        <translation>, activé</translation>
    </message>
    <message>
        <source>, disarmed</source>
        <translation>, désactivé</translation>
    </message>
</context>
<context>
    <name>msg</name>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>ATTENTION</translation>
    </message>
    <message>
        <source>Pin-pointing!</source>
        <translation>Épinglage !</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>sans date</translation>
    </message>
    <message>
        <source> I owe him (no date given)</source>
        <translation> je lui dois (sans date)</translation>
    </message>
    <message>
        <source> he owes me (no date given)</source>
        <translation> il me doit (sans date)</translation>
    </message>
    <message>
        <source>No date given</source>
        <translation>Sans date</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quand</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Quoi</translation>
    </message>
    <message>
        <source>Give back</source>
        <translation>À rendre</translation>
    </message>
    <message>
        <source>Have back</source>
        <translation>À récupérer</translation>
    </message>
    <message>
        <source>I owe to</source>
        <translation>Je dois à</translation>
    </message>
    <message>
        <source>owes me</source>
        <translation>me doit</translation>
    </message>
    <message>
        <source>Stick a note to a particular application window</source>
        <translation>Épingler une note à la fenêtre d&apos;un programme</translation>
    </message>
    <message>
        <source>Update note titles in list</source>
        <translation>Mettre à jour les titres des notes dans la liste</translation>
    </message>
    <message>
        <source>Attach Note to Window<byte value="xd"/>
&quot;%s&quot;??</source>
        <translation>Épingler la note à la fenêtre<byte value="xd"/>
« %s » ??</translation>
    </message>
    <message>
        <source>&lt;no window&gt;</source>
        <translation>&lt;aucune fenêtre&gt;</translation>
    </message>
    <message>
        <source>Notes can be pinned to the windows of other programs only on an X11 desktop.</source>
        <translation>Les notes ne peuvent être épinglées aux fenêtres d&apos;autres programmes que sur un bureau X11.</translation>
    </message>
    <message>
        <source>Change Stickums background color</source>
        <translation>Changer la couleur de fond des Stickums</translation>
    </message>
    <message>
        <source>Change Stickums font and character color</source>
        <translation>Changer la police et la couleur du texte des Stickums</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Wav audio files (*.WAV)</source>
        <translation>Fichiers audio WAV (*.WAV)</translation>
    </message>
    <message>
        <source>All files(*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Add, modify and delete simple notes</source>
        <translation>Ajouter, modifier et supprimer de simples notes</translation>
    </message>
    <message>
        <source>Lendings</source>
        <translation>Prêts</translation>
    </message>
    <message>
        <source>Update your situation of what you have lend/borrowed</source>
        <translation>Tenez à jour ce que vous avez prêté ou emprunté</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Mark important days on the calendar</source>
        <translation>Marquer les jours importants sur le calendrier</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Trim Quillbox to the micron</source>
        <translation>Régler Quillbox au micron près</translation>
    </message>
    <message>
        <source>Infoz</source>
        <translation>Infoz</translation>
    </message>
    <message>
        <source>Who&apos;s the criminal behind all this?</source>
        <translation>Qui est le coupable de tout ceci ?</translation>
    </message>
    <message>
        <source>Quillbox (display ON)</source>
        <translation>Quillbox (affichage ACTIVÉ)</translation>
    </message>
    <message>
        <source>Quillbox (display OFF)</source>
        <translation>Quillbox (affichage DÉSACTIVÉ)</translation>
    </message>
    <message>
        <source>Stickum</source>
        <translation>Stickum</translation>
    </message>
    <message>
        <source>Not enough space for this note</source>
        <translation>Plus de place pour cette note</translation>
    </message>
    <message>
        <source>Not enogh space for this lending/borrowing note</source>
        <translation>Plus de place pour ce prêt ou cet emprunt</translation>
    </message>
    <message>
        <source>No more space for this reminder note</source>
        <translation>Plus de place pour ce rappel</translation>
    </message>
    <message>
        <source>Not enough space<byte value="xd"/>
to attach...</source>
        <translation>Pas assez de place<byte value="xd"/>
pour épingler...</translation>
    </message>
    <message>
        <source>Remove selected note?</source>
        <translation>Supprimer la note sélectionnée ?</translation>
    </message>
    <message>
        <source>Remove selected lending/borrowing note?</source>
        <translation>Supprimer le prêt ou l&apos;emprunt sélectionné ?</translation>
    </message>
    <message>
        <source>Remove selected reminder note?</source>
        <translation>Supprimer le rappel sélectionné ?</translation>
    </message>
    <message>
        <source>Do you really want to quit this program?</source>
        <translation>Voulez-vous vraiment quitter ce programme ?</translation>
    </message>
    <message>
        <source>Old file format!
You can continue and potentially damage your saved data,
 or you can quit Quillbox and backup your data.
Should I continue reading?</source>
        <translation>Ancien format de fichier !
Vous pouvez continuer, au risque d&apos;abîmer vos données enregistrées,
 ou quitter Quillbox et sauvegarder vos données.
Dois-je poursuivre la lecture ?</translation>
    </message>
    <message>
        <source>Old file: wrong Notes format!</source>
        <translation>Ancien fichier : format des notes incorrect !</translation>
    </message>
    <message>
        <source>Old file: wrong Lending format</source>
        <translation>Ancien fichier : format des prêts incorrect</translation>
    </message>
    <message>
        <source>Old file: wrong Reminders format</source>
        <translation>Ancien fichier : format des rappels incorrect</translation>
    </message>
    <message>
        <source>This data file was written by a later version of Quillbox (file version %1; this Quillbox knows versions up to 4).
You can continue: Quillbox reads what it knows of the file and keeps the file as it is now as quillbox.dat.bak when it next saves. Or you can quit Quillbox and use the later version.
Should I continue reading?</source>
        <translation>Ce fichier de données a été écrit par une version plus récente de Quillbox (version de fichier %1 ; ce Quillbox connaît les versions jusqu&apos;à 4).
Vous pouvez continuer : Quillbox lit ce qu&apos;il connaît du fichier et conserve le fichier tel qu&apos;il est maintenant sous le nom quillbox.dat.bak au prochain enregistrement. Ou vous pouvez quitter Quillbox et utiliser la version plus récente.
Dois-je poursuivre la lecture ?</translation>
    </message>
    <message>
        <source>Your data could not be saved to<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Vos données n&apos;ont pas pu être enregistrées dans<byte value="xd"/>
%1<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Quit anyway? Changes since the last save will be lost.</source>
        <translation>Quitter quand même ? Les modifications depuis le dernier enregistrement seront perdues.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is damaged at byte %2 (%3).<byte value="xd"/>
Everything before the damage was read. The file as it is now will be kept as<byte value="xd"/>
%4<byte value="xd"/>
when Quillbox next saves.</source>
        <translation>Le fichier de données<byte value="xd"/>
%1<byte value="xd"/>
est endommagé à l&apos;octet %2 (%3).<byte value="xd"/>
Tout ce qui précède a été lu. Le fichier tel qu&apos;il est maintenant sera conservé sous<byte value="xd"/>
%4<byte value="xd"/>
au prochain enregistrement de Quillbox.</translation>
    </message>
    <message>
        <source>the options could not be read</source>
        <translation>les options n&apos;ont pas pu être lues</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
cannot be read (%2).<byte value="xd"/>
Nothing could be read from it, so Quillbox starts empty. The file is kept as it is, moved aside as<byte value="xd"/>
%3<byte value="xd"/>
when Quillbox next saves.</source>
        <translation>Le fichier de données<byte value="xd"/>
%1<byte value="xd"/>
ne peut pas être lu (%2).<byte value="xd"/>
Rien n&apos;a pu en être lu : Quillbox démarre donc vide. Le fichier est conservé tel quel et mis de côté sous<byte value="xd"/>
%3<byte value="xd"/>
au prochain enregistrement de Quillbox.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
is %2, not a regular file.<byte value="xd"/>
Quillbox leaves it as it is and ends. Move it out of the way and start Quillbox again.</source>
        <translation>Le fichier de données<byte value="xd"/>
%1<byte value="xd"/>
est %2, pas un fichier ordinaire.<byte value="xd"/>
Quillbox le laisse tel quel et s&apos;arrête. Déplacez-le et relancez Quillbox.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
has other names (hard links). Quillbox saves by replacing the file, so from its next save on the other names keep the old content. A symbolic link is followed instead.</source>
        <translation>Le fichier de données<byte value="xd"/>
%1<byte value="xd"/>
a d&apos;autres noms (liens physiques). Quillbox enregistre en remplaçant le fichier : dès son prochain enregistrement, les autres noms garderont l&apos;ancien contenu. Un lien symbolique, lui, est suivi.</translation>
    </message>
    <message>
        <source>Quillbox cannot write to its own folder, so the data file found there,<byte value="xd"/>
%1<byte value="xd"/>
was copied to<byte value="xd"/>
%2<byte value="xd"/>
Quillbox goes on from the copy; the original stays as it is.</source>
        <translation>Quillbox ne peut pas écrire dans son propre dossier ; le fichier de données qui s&apos;y trouvait,<byte value="xd"/>
%1<byte value="xd"/>
a donc été copié dans<byte value="xd"/>
%2<byte value="xd"/>
Quillbox continue avec la copie ; l&apos;original reste tel quel.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
could not be copied to<byte value="xd"/>
%2<byte value="xd"/>
(%3).<byte value="xd"/>
Quillbox ends without changing either.</source>
        <translation>Le fichier de données<byte value="xd"/>
%1<byte value="xd"/>
n&apos;a pas pu être copié dans<byte value="xd"/>
%2<byte value="xd"/>
(%3).<byte value="xd"/>
Quillbox s&apos;arrête sans modifier ni l&apos;un ni l&apos;autre.</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own.<byte value="xd"/>
This Quillbox&apos;s version is now in the data file; the other one is kept as<byte value="xd"/>
%2</source>
        <translation>Le fichier de données<byte value="xd"/>
%1<byte value="xd"/>
a été modifié ailleurs (sur une autre machine ?) alors que ce Quillbox avait ses propres modifications.<byte value="xd"/>
La version de ce Quillbox est maintenant dans le fichier de données ; l&apos;autre est conservée sous<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The data file<byte value="xd"/>
%1<byte value="xd"/>
was changed elsewhere (another machine?) while this Quillbox had changes of its own. Both were kept: %2.</source>
        <translation>Le fichier de données<byte value="xd"/>
%1<byte value="xd"/>
a été modifié ailleurs (sur une autre machine ?) alors que ce Quillbox avait ses propres modifications. Les deux ont été conservées : %2.</translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
was merged into your data: %2. The copy itself is left as it is; delete it when you like.</source>
        <translation>La copie de conflit<byte value="xd"/>
%1<byte value="xd"/>
a été fusionnée avec vos données : %2. La copie elle-même reste telle quelle ; supprimez-la quand vous voulez.</translation>
    </message>
    <message>
        <source>The conflict copy<byte value="xd"/>
%1<byte value="xd"/>
could not be merged (it is damaged, or the lists would not hold it as well), so nothing of it was taken. It is left as it is.</source>
        <translation>La copie de conflit<byte value="xd"/>
%1<byte value="xd"/>
n&apos;a pas pu être fusionnée (elle est endommagée, ou les listes ne pourraient pas la contenir en plus) : rien n&apos;en a été repris. Elle reste telle quelle.</translation>
    </message>
    <message>
        <source>%1 came in</source>
        <translation>%1 arrivé(s)</translation>
    </message>
    <message>
        <source>%1 went</source>
        <translation>%1 parti(s)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>lending</source>
        <translation>prêt</translation>
    </message>
    <message>
        <source>lendings</source>
        <translation>prêts</translation>
    </message>
    <message>
        <source>reminder</source>
        <translation>rappel</translation>
    </message>
    <message>
        <source>reminders</source>
        <translation>rappels</translation>
    </message>
    <message>
        <source>Quillbox could not save when it was last stopped; the unsaved version is in %1: take it?</source>
        <translation>Quillbox n&apos;a pas pu enregistrer lors de son dernier arrêt ; la version non enregistrée est dans %1 : la reprendre ?</translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2). The unsaved version is in %3</source>
        <translation>Quillbox n&apos;a pas pu enregistrer dans %1 (%2). La version non enregistrée est dans %3</translation>
    </message>
    <message>
        <source>Quillbox could not save to %1 (%2), and the unsaved version could be kept nowhere.</source>
        <translation>Quillbox n&apos;a pas pu enregistrer dans %1 (%2), et la version non enregistrée n&apos;a pu être conservée nulle part.</translation>
    </message>
    <message>
        <source>Quillbox is already running.<byte value="xd"/>
It keeps its data in<byte value="xd"/>
%1</source>
        <translation>Quillbox est déjà lancé.<byte value="xd"/>
Il garde ses données dans<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Display Stickums</source>
        <translation>Afficher les Stickums</translation>
    </message>
    <message>
        <source>This Wayland desktop runs no XWayland.<byte value="xd"/>
<byte value="xd"/>
Wayland does not let one program keep its windows above the others or look at other programs&apos; windows, so Stickums will not stay on top and notes cannot be pinned to windows. Everything else works.<byte value="xd"/>
<byte value="xd"/>
Install XWayland (the package xwayland) and log in again to have both.</source>
        <translation>Ce bureau Wayland n&apos;exécute pas XWayland.<byte value="xd"/>
<byte value="xd"/>
Wayland ne permet pas à un programme de garder ses fenêtres au-dessus des autres ni de voir les fenêtres des autres programmes : les Stickums ne resteront pas au premier plan et les notes ne pourront pas être épinglées aux fenêtres. Tout le reste fonctionne.<byte value="xd"/>
<byte value="xd"/>
Installez XWayland (le paquet xwayland) et reconnectez-vous pour avoir les deux.</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objet</translation>
    </message>
    <message>
        <source>&amp;When</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>A&amp;fter</source>
        <translation>A&amp;près</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Suppri&amp;mer</translation>
    </message>
    <message>
        <source>Write or remove those sticky notes..</source>
        <translation>Écrivez ou supprimez vos notes...</translation>
    </message>
    <message>
        <source>&amp;Refresh list</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>P&amp;in-point to</source>
        <translation>É&amp;pingler à</translation>
    </message>
    <message>
        <source>Note te&amp;xt</source>
        <translation>&amp;Texte de la note</translation>
    </message>
    <message>
        <source>Options and defaults</source>
        <translation>Options et valeurs par défaut</translation>
    </message>
    <message>
        <source>Stickum appearance</source>
        <translation>Apparence des Stickums</translation>
    </message>
    <message>
        <source>Title bar color</source>
        <translation>Couleur du titre</translation>
    </message>
    <message>
        <source>&amp;Default Windows col.</source>
        <translation>Couleur &amp;Windows</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>C&amp;olor</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>This is a sample note, which uses selected options for displaying</source>
        <translation>Ceci est une note d&apos;exemple, affichée avec les options choisies</translation>
    </message>
    <message>
        <source>Dimension</source>
        <translation>Dimension</translation>
    </message>
    <message>
        <source>Fi&amp;xed</source>
        <translation>F&amp;ixe</translation>
    </message>
    <message>
        <source>&amp;Minimum</source>
        <translation>&amp;Minimale</translation>
    </message>
    <message>
        <source>Modifiable</source>
        <translation>Modifiable</translation>
    </message>
    <message>
        <source>Scroll &amp;bar</source>
        <translation>&amp;Défilement</translation>
    </message>
    <message>
        <source>&amp;Height in lines of text</source>
        <translation>&amp;Hauteur en lignes de texte</translation>
    </message>
    <message>
        <source>Dates: defaults</source>
        <translation>Dates : valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;Reminders: how many days before</source>
        <translation>R&amp;appels : jours avant</translation>
    </message>
    <message>
        <source>&amp;Lendings: how many days after</source>
        <translation>Prê&amp;ts : jours après</translation>
    </message>
    <message>
        <source>Wave file</source>
        <translation>Fichier son</translation>
    </message>
    <message>
        <source>S&amp;ave all</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Année</translation>
    </message>
    <message>
        <source>Mon&amp;th</source>
        <translation>M&amp;ois</translation>
    </message>
    <message>
        <source>How many &amp;days before</source>
        <translation>&amp;Combien de jours avant</translation>
    </message>
    <message>
        <source>To r&amp;emember</source>
        <translation>À re&amp;tenir</translation>
    </message>
    <message>
        <source>Colla&amp;pse</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>by the Quillbox makers</source>
        <translation>par les créateurs de Quillbox</translation>
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
        <translation>%1 :<byte value="xd"/>
 je lui dois depuis le %2 :<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>%1:<byte value="xd"/>
 it&apos;s since %2 he owes me:<byte value="xd"/>
%3</source>
        <translation>%1 :<byte value="xd"/>
 il me doit depuis le %2 :<byte value="xd"/>
%3</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>Lancer à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Quillbox could not change whether it starts at login:<byte value="xd"/>
%1</source>
        <translation>Quillbox n&apos;a pas pu changer son lancement à l&apos;ouverture de session :<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Unknown command.</source>
        <translation>Commande inconnue.</translation>
    </message>
    <message>
        <source>Quillbox did not answer.</source>
        <translation>Quillbox n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>Try &apos;quillbox --help&apos; for more information.</source>
        <translation>Essayez « quillbox --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Notes, lendings and reminders as Stickums on the desktop, living in the tray.
A command given while Quillbox runs on the same data file goes to that Quillbox.</source>
        <translation>Notes, prêts et rappels en Stickums sur le bureau, depuis la zone de notification.
Une commande donnée alors que Quillbox tourne sur le même fichier de données va à ce Quillbox.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Afficher cette aide et terminer.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Afficher la version et terminer.</translation>
    </message>
    <message>
        <source>Keep everything in FILE instead of the usual quillbox.dat.</source>
        <translation>Tout garder dans FILE au lieu du quillbox.dat habituel.</translation>
    </message>
    <message>
        <source>Switch the Stickums off or on, as a left click on the tray icon.</source>
        <translation>Masquer ou afficher les Stickums, comme un clic gauche sur l&apos;icône de notification.</translation>
    </message>
    <message>
        <source>Open the main window, as a right click on the tray icon.</source>
        <translation>Ouvrir la fenêtre principale, comme un clic droit sur l&apos;icône de notification.</translation>
    </message>
    <message>
        <source>Add a note with TEXT and show its Stickum; - reads the text from standard input; an empty TEXT gives a blank Stickum to type into.</source>
        <translation>Ajouter une note avec TEXT et afficher son Stickum ; - lit le texte sur l&apos;entrée standard ; un TEXT vide donne un Stickum vierge où écrire.</translation>
    </message>
    <message>
        <source>Make the running Quillbox save everything and end, without asking.</source>
        <translation>Faire enregistrer tout au Quillbox en cours et le faire terminer, sans demander.</translation>
    </message>
    <message>
        <source>Write the notes, lendings and reminders to standard output as text. Only reads the data file; works while Quillbox runs.</source>
        <translation>Écrire les notes, prêts et rappels en texte sur la sortie standard. Ne fait que lire le fichier de données ; fonctionne pendant que Quillbox tourne.</translation>
    </message>
    <message>
        <source>With --export: write JSON, with every field and the options.</source>
        <translation>Avec --export : écrire du JSON, avec tous les champs et les options.</translation>
    </message>
    <message>
        <source>Start Quillbox at login (on), or no longer (off), with the data file given by --data.</source>
        <translation>Lancer Quillbox à l&apos;ouverture de session (on), ou plus (off), avec le fichier de données donné par --data.</translation>
    </message>
    <message>
        <source>Usage: </source>
        <translation>Utilisation : </translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>Give one of --toggle, --show, --new-note, --quit, --export and --autostart at a time.</source>
        <translation>Donnez une seule des options --toggle, --show, --new-note, --quit, --export et --autostart à la fois.</translation>
    </message>
    <message>
        <source>--autostart takes on or off, not &apos;%1&apos;.</source>
        <translation>--autostart prend on ou off, pas « %1 ».</translation>
    </message>
    <message>
        <source>--json goes with --export.</source>
        <translation>--json va avec --export.</translation>
    </message>
    <message>
        <source>--data needs a file, not &apos;%1&apos;.</source>
        <translation>--data attend un fichier, pas « %1 ».</translation>
    </message>
    <message>
        <source>The folder of &apos;%1&apos; does not exist.</source>
        <translation>Le dossier de « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Sticky notes organiser</source>
        <translation>Organiseur de notes autocollantes</translation>
    </message>
    <message>
        <source>Sticky notes, lendings and reminders that live in the tray</source>
        <translation>Notes autocollantes, prêts et rappels dans la zone de notification</translation>
    </message>
    <message>
        <source>notes;sticky;reminder;lending;tray;</source>
        <extracomment>Words a launcher finds the program by, each ending in a semicolon.</extracomment>
        <translation>notes;pense-bête;rappel;prêt;notification;</translation>
    </message>
    <message>
        <source>New note</source>
        <translation>Nouvelle note</translation>
    </message>
    <message>
        <source>Show or hide the Stickums</source>
        <translation>Afficher ou masquer les Stickums</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>There is no data file at %1.</source>
        <translation>Il n&apos;y a pas de fichier de données à %1.</translation>
    </message>
    <message>
        <source>There is no runtime folder that only you can use (XDG_RUNTIME_DIR) for Quillbox&apos;s command socket.</source>
        <translation>Il n&apos;y a pas de dossier d&apos;exécution réservé à vous seul (XDG_RUNTIME_DIR) pour la prise de commande de Quillbox.</translation>
    </message>
    <message>
        <source>There is no display to start Quillbox on (neither DISPLAY nor WAYLAND_DISPLAY is set).</source>
        <translation>Il n&apos;y a pas d&apos;affichage où lancer Quillbox (ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini).</translation>
    </message>
    <message>
        <source>Quillbox cannot start: %1</source>
        <translation>Quillbox ne peut pas démarrer : %1</translation>
    </message>
    <message>
        <source>--new-note -: standard input held no text.</source>
        <translation>--new-note - : l&apos;entrée standard ne contenait aucun texte.</translation>
    </message>
    <message>
        <source>Quillbox starts at login: %1</source>
        <translation>Quillbox se lance à l&apos;ouverture de session : %1</translation>
    </message>
    <message>
        <source>Quillbox no longer starts at login.</source>
        <translation>Quillbox ne se lance plus à l&apos;ouverture de session.</translation>
    </message>
    <message>
        <source>The export could not be written: %1.</source>
        <translation>L&apos;export n&apos;a pas pu être écrit : %1.</translation>
    </message>
    <message>
        <source>Quillbox is not running on %1; nothing to quit.</source>
        <translation>Quillbox ne tourne pas sur %1 ; rien à quitter.</translation>
    </message>
    <message>
        <source>Quillbox is not running on %1, and there is no display to start it on.</source>
        <translation>Quillbox ne tourne pas sur %1, et il n&apos;y a pas d&apos;affichage où le lancer.</translation>
    </message>
    <message>
        <source>Quillbox runs (process %1), but its command socket %2 is gone: it cannot take commands until it is started again.</source>
        <translation>Quillbox tourne (processus %1), mais sa prise de commande %2 a disparu : il ne peut plus recevoir de commandes avant d&apos;être relancé.</translation>
    </message>
    <message>
        <source>Quillbox runs on %1 but does not answer.</source>
        <translation>Quillbox tourne sur %1 mais ne répond pas.</translation>
    </message>
    <message>
        <source>Quillbox is not ready yet.</source>
        <translation>Quillbox n&apos;est pas encore prêt.</translation>
    </message>
    <message>
        <source>Quillbox is ending.</source>
        <translation>Quillbox est en train de s&apos;arrêter.</translation>
    </message>
    <message>
        <source>The note was added and is shown, but it could not be saved to %1 (%2); Quillbox keeps it and saves it with the next save.</source>
        <translation>La note a été ajoutée et s&apos;affiche, mais elle n&apos;a pas pu être enregistrée dans %1 (%2) ; Quillbox la garde et l&apos;enregistrera au prochain enregistrement.</translation>
    </message>
    <message>
        <source>Your data could not be saved to %1 (%2); Quillbox keeps running.</source>
        <translation>Vos données n&apos;ont pas pu être enregistrées dans %1 (%2) ; Quillbox continue de tourner.</translation>
    </message>
</context>
</TS>
