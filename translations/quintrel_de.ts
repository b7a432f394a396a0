<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>TileWords</name>
    <message>
        <source>upper half of a spade</source>
        <translation>Pik, obere Hälfte</translation>
    </message>
    <message>
        <source>upper half of a heart</source>
        <translation>Herz, obere Hälfte</translation>
    </message>
    <message>
        <source>upper half of a diamond</source>
        <translation>Karo, obere Hälfte</translation>
    </message>
    <message>
        <source>upper half of a club</source>
        <translation>Kreuz, obere Hälfte</translation>
    </message>
    <message>
        <source>lower half of a spade</source>
        <translation>Pik, untere Hälfte</translation>
    </message>
    <message>
        <source>lower half of a heart</source>
        <translation>Herz, untere Hälfte</translation>
    </message>
    <message>
        <source>lower half of a diamond</source>
        <translation>Karo, untere Hälfte</translation>
    </message>
    <message>
        <source>lower half of a club</source>
        <translation>Kreuz, untere Hälfte</translation>
    </message>
    <message>
        <source>Row %1, column %2: empty.</source>
        <translation>Zeile %1, Spalte %2: leer.</translation>
    </message>
    <message>
        <source>Top: %1.</source>
        <translation>Oben: %1.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Rechts: %1.</translation>
    </message>
    <message>
        <source>Bottom: %1.</source>
        <translation>Unten: %1.</translation>
    </message>
    <message>
        <source>Left: %1.</source>
        <translation>Links: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, not turned.</source>
        <translation>Zeile %1, Spalte %2: Karte %3, nicht gedreht.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned once.</source>
        <translation>Zeile %1, Spalte %2: Karte %3, einmal gedreht.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned twice.</source>
        <translation>Zeile %1, Spalte %2: Karte %3, zweimal gedreht.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned three times.</source>
        <translation>Zeile %1, Spalte %2: Karte %3, dreimal gedreht.</translation>
    </message>
    <message>
        <source>Selected.</source>
        <translation>Ausgewählt.</translation>
    </message>
    <message>
        <source>Turn the card at row %1, column %2</source>
        <translation>Karte in Zeile %1, Spalte %2 drehen</translation>
    </message>
    <message>
        <source>Turn card %1</source>
        <translation>Karte %1 drehen</translation>
    </message>
</context>
<context>
    <name>quintrel::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Nine cards in three rows and three columns. %1</source>
        <translation>Neun Karten in drei Zeilen und drei Spalten. %1</translation>
    </message>
    <message>
        <source>Turns the card a quarter turn clockwise.</source>
        <translation>Dreht die Karte um eine Vierteldrehung im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>%1

The tile stays empty; reinstall Quintrel to get the picture back.</source>
        <translation>%1

Das Feld bleibt leer. Installieren Sie Quintrel neu, um das Bild wiederherzustellen.</translation>
    </message>
    <message>
        <source>The card picture &quot;%1&quot; could not be loaded (%2).</source>
        <translation>Das Kartenbild „%1“ konnte nicht geladen werden (%2).</translation>
    </message>
    <message>
        <source>The arrow keys move between the cards, Space or Enter selects a card and swaps it with the selected one, R turns a card a quarter turn clockwise.</source>
        <translation>Mit den Pfeiltasten wechseln Sie zwischen den Karten, mit der Leertaste oder der Eingabetaste wählen Sie eine Karte aus und tauschen sie mit der ausgewählten, mit R drehen Sie eine Karte um eine Vierteldrehung im Uhrzeigersinn.</translation>
    </message>
</context>
<context>
    <name>quintrel::BoardWindow</name>
    <message>
        <source>Quintrel cannot start: its window icon &quot;%1&quot; is missing or is not an icon file (%2).

Reinstall Quintrel so that the folder &quot;SOUND&quot; beside the program holds QUINTREL.ICO again.</source>
        <translation>Quintrel kann nicht starten: Das Fenstersymbol „%1“ fehlt oder ist keine Symboldatei (%2).

Installieren Sie Quintrel neu, damit der Ordner „SOUND“ neben dem Programm wieder QUINTREL.ICO enthält.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Save Current Game</source>
        <comment>File menu</comment>
        <translation>Aktuelles Spiel &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Load Saved Game</source>
        <comment>File menu</comment>
        <translation>Gespeichertes Spiel &amp;laden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <comment>Help menu</comment>
        <translation>&amp;Regeln</translation>
    </message>
    <message>
        <source>&amp;Example</source>
        <comment>Help menu</comment>
        <translation>B&amp;eispiel</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <comment>Help menu</comment>
        <translation>Ü&amp;ber Quintrel…</translation>
    </message>
    <message>
        <source>Your game has been saved</source>
        <translation>Ihr Spiel wurde gespeichert</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1.

The saved game you had before is unchanged.</source>
        <translation>Ihr Spiel konnte nicht gespeichert werden: %1.

Das zuvor gespeicherte Spiel ist unverändert.</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1.</source>
        <translation>Ihr Spiel konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>There are no saved games</source>
        <translation>Es gibt kein gespeichertes Spiel</translation>
    </message>
    <message>
        <source>The saved game could not be loaded: %1.

Your game is unchanged.</source>
        <translation>Das gespeicherte Spiel konnte nicht geladen werden: %1.

Ihr Spiel ist unverändert.</translation>
    </message>
    <message>
        <source>%1

The saved game was not laid out, and your game is unchanged; reinstall Quintrel to get the picture back.</source>
        <translation>%1

Das gespeicherte Spiel wurde nicht ausgelegt, und Ihr Spiel ist unverändert. Installieren Sie Quintrel neu, um das Bild wiederherzustellen.</translation>
    </message>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. In your desktop&apos;s display settings, set the scale to 100%, 150% or 200% and turn large text off, then start Quintrel again.</source>
        <translation>Ihre Anzeige ist auf GROSSE SCHRIFTARTEN eingestellt. Diese Anwendung benötigt die Einstellung Kleine Schriftarten. Stellen Sie in den Anzeigeeinstellungen Ihres Desktops die Skalierung auf 100&#xa0;%, 150&#xa0;% oder 200&#xa0;% und schalten Sie große Schrift aus. Starten Sie Quintrel dann neu.</translation>
    </message>
</context>
<context>
    <name>quintrel::Desktop</name>
    <message>
        <source>Quintrel met an error it cannot recover from:

%1

The program will now end.</source>
        <translation>In Quintrel ist ein schwerwiegender Fehler aufgetreten:

%1

Das Programm wird jetzt beendet.</translation>
    </message>
</context>
<context>
    <name>quintrel::ExampleViewer</name>
    <message>
        <source>Example - Quintrel</source>
        <translation>Beispiel – Quintrel</translation>
    </message>
    <message>
        <source>Scrolls the example</source>
        <translation>Blättert im Beispiel</translation>
    </message>
    <message>
        <source>A picture that shows how the cards fit, how a card turns and how two cards change places. The arrow keys, Page Up and Page Down scroll it.</source>
        <translation>Ein Bild, das zeigt, wie die Karten zusammenpassen, wie sich eine Karte dreht und wie zwei Karten die Plätze tauschen. Mit den Pfeiltasten, Bild auf und Bild ab blättern Sie darin.</translation>
    </message>
    <message>
        <source>Example picture</source>
        <translation>Beispielbild</translation>
    </message>
</context>
<context>
    <name>quintrel::FileReading</name>
    <message>
        <source>too large: %1 x %2 pixels</source>
        <translation>zu groß: %L1&#xa0;×&#xa0;%L2 Pixel</translation>
    </message>
    <message>
        <source>not enough memory for its %1 x %2 pixels</source>
        <translation>nicht genug Speicher für seine %L1&#xa0;×&#xa0;%L2 Pixel</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be shown: %2.</source>
        <translation>Das Bild „%1“ konnte nicht angezeigt werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>quintrel::FolderFile</name>
    <message>
        <source>&quot;%1&quot; is a link to a folder, not a file</source>
        <translation>„%1“ ist eine Verknüpfung zu einem Ordner, keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>„%1“ ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a FIFO (a named pipe), not a file</source>
        <translation>„%1“ ist eine Verknüpfung zu einer FIFO (einer benannten Pipe), keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a FIFO (a named pipe), not a file</source>
        <translation>„%1“ ist eine FIFO (eine benannte Pipe), keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a device, not a file</source>
        <translation>„%1“ ist eine Verknüpfung zu einem Gerät, keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device, not a file</source>
        <translation>„%1“ ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a socket, not a file</source>
        <translation>„%1“ ist eine Verknüpfung zu einem Socket, keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a socket, not a file</source>
        <translation>„%1“ ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>„%1“ ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another program while it was being read</source>
        <translation>„%1“ wurde von einem anderen Programm ersetzt, während es gelesen wurde</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that is not followed, since it or a link or file it leads to belongs to another user</source>
        <translation>„%1“ ist eine Verknüpfung, der Quintrel nicht folgt, weil sie, eine weitere Verknüpfung auf dem Weg oder ihr Ziel einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; belongs to the user &quot;%2&quot;, and you may not read it</source>
        <translation>Die Datei „%1“ gehört dem Benutzer „%2“, und Sie dürfen sie nicht lesen</translation>
    </message>
    <message>
        <source>you may not read the file &quot;%1&quot;</source>
        <translation>Sie dürfen die Datei „%1“ nicht lesen</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read: %2</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; lies on a read-only file system</source>
        <translation>Die Datei „%1“ liegt auf einem schreibgeschützten Dateisystem</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; belongs to the user &quot;%2&quot;, and you may not write it</source>
        <translation>Die Datei „%1“ gehört dem Benutzer „%2“, und Sie dürfen sie nicht ändern</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is read-only</source>
        <translation>Die Datei „%1“ ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; cannot be written: %2</source>
        <translation>In die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>Der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>„%1“ ist kein Ordner</translation>
    </message>
    <message>
        <source>you may not open the folder &quot;%1&quot;</source>
        <translation>Sie dürfen den Ordner „%1“ nicht öffnen</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be opened: %2</source>
        <translation>Der Ordner „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; lies on a read-only file system</source>
        <translation>Der Ordner „%1“ liegt auf einem schreibgeschützten Dateisystem</translation>
    </message>
    <message>
        <source>you may not write in the folder &quot;%1&quot;</source>
        <translation>Sie dürfen im Ordner „%1“ nichts schreiben</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written: %2</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is shared with the group &quot;%2&quot;, and a file you save cannot belong to that group, since you are not a member of it</source>
        <translation>Die Datei „%1“ wird mit der Gruppe „%2“ geteilt, und eine Datei, die Sie speichern, kann dieser Gruppe nicht gehören, da Sie nicht Mitglied der Gruppe sind</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written: %2</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>quintrel::FolderLock</name>
    <message numerus="yes">
        <source>another save into the folder &quot;%1&quot; was still going on after %2 seconds</source>
        <translation>
            <numerusform>Ein anderer Speichervorgang im Ordner „%1“ lief nach %2 Sekunde noch</numerusform>
            <numerusform>Ein anderer Speichervorgang im Ordner „%1“ lief nach %2 Sekunden noch</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is locked by another program, &quot;%2&quot; (process %3), which is not Quintrel</source>
        <translation>Der Ordner „%1“ ist von einem anderen Programm gesperrt, „%2“ (Prozess %3), das nicht Quintrel ist</translation>
    </message>
</context>
<context>
    <name>quintrel::GameFolders</name>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>quintrel::HelpWindow</name>
    <message>
        <source>Quintrel - Help</source>
        <translation>Quintrel – Hilfe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quintrel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The rules of Quintrel, or who made it</source>
        <translation>Die Regeln von Quintrel oder wer es entwickelt hat</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Shows the rules</source>
        <translation>Zeigt die Regeln</translation>
    </message>
    <message>
        <source>Shows who made Quintrel</source>
        <translation>Zeigt, wer Quintrel entwickelt hat</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Schließt die Hilfe</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>Das Logo der Entwickler</translation>
    </message>
    <message>
        <source>The maker&apos;s web page, %1</source>
        <translation>Die Webseite der Entwickler, %1</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web page in the browser</source>
        <translation>Öffnet die Webseite der Entwickler im Browser</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>Hoppla, diese Seite lässt sich nicht öffnen</translation>
    </message>
</context>
<context>
    <name>quintrel::RegularFile</name>
    <message>
        <source>%1 MiB</source>
        <translation>%L1&#xa0;MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%L1&#xa0;KiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%L1&#xa0;Byte</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>größer als %1</translation>
    </message>
</context>
<context>
    <name>quintrel::SavedGame</name>
    <message>
        <source>the file &quot;%1&quot; is too large to be a saved game</source>
        <translation>Die Datei „%1“ ist zu groß für ein gespeichertes Spiel</translation>
    </message>
    <message>
        <source>the file is written in UTF-16, which Quintrel does not read</source>
        <translation>Die Datei ist in UTF-16 kodiert, einem Format, das Quintrel nicht liest</translation>
    </message>
    <message>
        <source>for position %1 it holds no card</source>
        <translation>Für Platz %1 ist keine Karte angegeben</translation>
    </message>
    <message>
        <source>for position %1 it holds no orientation</source>
        <translation>Für Platz %1 ist keine Ausrichtung angegeben</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is written in UTF-16, which Quintrel does not write</source>
        <translation>Die Datei „%1“ ist in UTF-16 kodiert, einem Format, das Quintrel nicht schreibt</translation>
    </message>
    <message>
        <source>the file is written in UTF-32, which Quintrel does not read</source>
        <translation>Die Datei ist in UTF-32 kodiert, einem Format, das Quintrel nicht liest</translation>
    </message>
    <message>
        <source>for position %1 it holds &quot;%2&quot; as the card, which is not one of the nine cards 1010, 1020 ... 1090</source>
        <translation>Für Platz %1 ist „%2“ als Karte angegeben, das ist keine der neun Karten 1010, 1020, …, 1090</translation>
    </message>
    <message>
        <source>for position %1 it holds &quot;%2&quot; as the orientation, which is not one of the four orientations 1 to 4</source>
        <translation>Für Platz %1 ist „%2“ als Ausrichtung angegeben, das ist keine der vier Ausrichtungen 1 bis 4</translation>
    </message>
    <message>
        <source>it holds card %1 for both position %2 and position %3, and a game holds each card once</source>
        <translation>Für Platz %2 und für Platz %3 ist dieselbe Karte %1 angegeben, doch ein Spiel enthält jede Karte genau einmal</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is written in UTF-32, which Quintrel does not write</source>
        <translation>Die Datei „%1“ ist in UTF-32 kodiert, einem Format, das Quintrel nicht schreibt</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; holds bytes that would keep the game written into it from being read back</source>
        <translation>Die Datei „%1“ enthält Bytes, wegen derer sich das hineingeschriebene Spiel nicht wieder lesen ließe</translation>
    </message>
    <message>
        <source>with its other lines the file &quot;%1&quot; would grow larger than %2, and a saved game that large could not be loaded again</source>
        <translation>Mit ihren übrigen Zeilen würde die Datei „%1“ größer als %2, und ein so großes gespeichertes Spiel ließe sich nicht wieder laden</translation>
    </message>
</context>
<context>
    <name>quintrel::SplashWindow</name>
    <message>
        <source>Quintrel, by the Quintrel makers, 2026</source>
        <translation>Quintrel, von den Quintrel-Entwicklern, 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A picture-card puzzle: swap and turn nine cards until every edge fits. Press OK to start.</source>
        <translation>Ein Bildkarten-Puzzle: Tauschen und drehen Sie neun Karten, bis jede Kante passt. Drücken Sie OK, um zu beginnen.</translation>
    </message>
    <message>
        <source>Shows the board and deals the first game</source>
        <translation>Zeigt das Spielfeld und teilt das erste Spiel aus</translation>
    </message>
</context>
<context>
    <name>quintrel::Startup</name>
    <message>
        <source>Usage: quintrel [--help | --version] [Qt options]
Quintrel, a picture-card puzzle: swap and turn nine cards until all twelve seams fit.

  -h, --help     show this help and exit
  -v, --version  show the version and exit

Qt&apos;s own options (-style, -platform, -reverse, -display and the others) work as in
every Qt program.

The game is saved in game.ini beside the program when its data lies there (the build
tree, a copied folder); an installed copy saves in $XDG_DATA_HOME/quintrel, by default
~/.local/share/quintrel. This copy saves in %1
</source>
        <translation>Aufruf: quintrel [--help | --version] [Qt-Optionen]
Quintrel, ein Bildkarten-Puzzle: Tauschen und drehen Sie neun Karten, bis alle
zwölf Nähte passen.

  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden

Die Qt-eigenen Optionen (-style, -platform, -reverse, -display und die anderen)
funktionieren wie in jedem Qt-Programm.

Das Spiel wird in game.ini neben dem Programm gespeichert, wenn seine Daten dort
liegen (das Build-Verzeichnis, ein kopierter Ordner); eine installierte Kopie
speichert in $XDG_DATA_HOME/quintrel, standardmäßig in ~/.local/share/quintrel.
Diese Kopie speichert in %1
</translation>
    </message>
    <message>
        <source>quintrel: unknown option &apos;%1&apos; (see quintrel --help)
</source>
        <translation>quintrel: unbekannte Option „%1“ (siehe quintrel --help)
</translation>
    </message>
    <message>
        <source>quintrel: unexpected argument &apos;%1&apos; (see quintrel --help)
</source>
        <translation>quintrel: unerwartetes Argument „%1“ (siehe quintrel --help)
</translation>
    </message>
    <message>
        <source>quintrel: Quintrel needs a graphical session, and neither DISPLAY nor WAYLAND_DISPLAY is set
</source>
        <translation>quintrel: Quintrel braucht eine grafische Sitzung, und weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt
</translation>
    </message>
    <message>
        <source>quintrel: Quintrel needs a graphical session: %1 is &quot;%2&quot;, and neither DISPLAY nor WAYLAND_DISPLAY is set
</source>
        <translation>quintrel: Quintrel braucht eine grafische Sitzung: %1 ist „%2“, und weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt
</translation>
    </message>
    <message>
        <source>the display &quot;%1&quot; (%2) cannot be opened, and Quintrel needs a graphical session</source>
        <translation>Die Anzeige „%1“ (%2) lässt sich nicht öffnen, und Quintrel braucht eine grafische Sitzung</translation>
    </message>
    <message>
        <source>Qt has no platform &quot;%1&quot; (%2); the platforms it has are %3</source>
        <translation>Qt hat keine Plattform „%1“ (%2); die vorhandenen Plattformen sind %3</translation>
    </message>
    <message>
        <source>Quintrel cannot start: %1</source>
        <translation>Quintrel kann nicht starten: %1</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>ein unbekannter Fehler</translation>
    </message>
    <message>
        <source>Qt&apos;s platform &quot;%1&quot; (%2) cannot start: %3</source>
        <translation>Die Qt-Plattform „%1“ (%2) kann nicht starten: %3</translation>
    </message>
</context>
<context>
    <name>quintrel::WinWindow</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>Gut gemacht!</translation>
    </message>
    <message>
        <source>You have solved Quintrel. The board stays solved until New Game or Load Saved Game in the File menu.</source>
        <translation>Sie haben Quintrel gelöst. Das Spielfeld bleibt gelöst, bis Sie im Menü Datei „Neues Spiel“ oder „Gespeichertes Spiel laden“ wählen.</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
</context>
</TS>
