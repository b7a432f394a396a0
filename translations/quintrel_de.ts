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

Das Feld bleibt leer. Installieren Sie Quintrel neu, um das Bild zurückzubekommen.</translation>
    </message>
    <message>
        <source>The card picture &quot;%1&quot; could not be loaded (%2).</source>
        <translation>Das Kartenbild „%1“ konnte nicht geladen werden (%2).</translation>
    </message>
    <message>
        <source>The arrow keys move between the cards, Space or Enter selects a card and swaps it with the selected one, R turns a card a quarter turn clockwise.</source>
        <translation>Die Pfeiltasten wechseln zwischen den Karten, die Leertaste oder die Eingabetaste wählt eine Karte aus und tauscht sie mit der ausgewählten, R dreht eine Karte um eine Vierteldrehung im Uhrzeigersinn.</translation>
    </message>
</context>
<context>
    <name>quintrel::BoardWindow</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Ihre Anzeige ist auf GROSSE SCHRIFTARTEN eingestellt. Diese Anwendung benötigt die Einstellung Kleine Schriftarten. Klicken Sie mit der rechten Maustaste auf den Desktop, wählen Sie EIGENSCHAFTEN und dann EINSTELLUNGEN. Stellen Sie die Schriftarten von Groß auf Klein um und klicken Sie dann auf ÜBERNEHMEN.</translation>
    </message>
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
        <translation>Ü&amp;ber Quintrel...</translation>
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

Das gespeicherte Spiel wurde nicht ausgelegt, und Ihr Spiel ist unverändert. Installieren Sie Quintrel neu, um das Bild zurückzubekommen.</translation>
    </message>
</context>
<context>
    <name>quintrel::Desktop</name>
    <message>
        <source>Quintrel met an error it cannot recover from:

%1

The program will now end.</source>
        <translation>Quintrel ist auf einen Fehler gestoßen, von dem es sich nicht erholen kann:

%1

Das Programm wird jetzt beendet.</translation>
    </message>
</context>
<context>
    <name>quintrel::ExampleViewer</name>
    <message>
        <source>Example - Quintrel</source>
        <translation>Beispiel - Quintrel</translation>
    </message>
    <message>
        <source>A picture of a game in progress that shows how the cards fit. The arrow keys, Page Up and Page Down scroll it.</source>
        <translation>Das Bild eines laufenden Spiels, das zeigt, wie die Karten zusammenpassen. Die Pfeiltasten, Bild auf und Bild ab blättern darin.</translation>
    </message>
    <message>
        <source>Example game</source>
        <translation>Beispielspiel</translation>
    </message>
    <message>
        <source>Scrolls the example</source>
        <translation>Blättert im Beispiel</translation>
    </message>
</context>
<context>
    <name>quintrel::FileReading</name>
    <message>
        <source>too large: %1 x %2 pixels</source>
        <translation>zu groß: %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>not enough memory for its %1 x %2 pixels</source>
        <translation>nicht genug Speicher für seine %1 x %2 Pixel</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be shown: %2.</source>
        <translation>Das Bild „%1“ konnte nicht angezeigt werden: %2.</translation>
    </message>
</context>
<context>
    <name>quintrel::FolderLock</name>
    <message>
        <source>another save into the folder &quot;%1&quot; was still going on after %2 seconds</source>
        <translation>ein anderes Speichern in den Ordner „%1“ lief nach %2 Sekunden noch</translation>
    </message>
</context>
<context>
    <name>quintrel::GameFolders</name>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>der Ordner „%1“ konnte nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>quintrel::HelpWindow</name>
    <message>
        <source>Quintrel - Help</source>
        <translation>Quintrel - Hilfe</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The rules of Quintrel, or who made it</source>
        <translation>Die Regeln von Quintrel oder wer es gemacht hat</translation>
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
        <translation>Zeigt, wer Quintrel gemacht hat</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Schließt die Hilfe</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>Das Logo der Macher</translation>
    </message>
    <message>
        <source>The maker&apos;s web page, %1</source>
        <translation>Die Webseite der Macher, %1</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web page in the browser</source>
        <translation>Öffnet die Webseite der Macher im Browser</translation>
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
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>größer als %1</translation>
    </message>
    <message>
        <source>a link that is not followed, since it or the file it leads to belongs to another user</source>
        <translation>eine Verknüpfung, der nicht gefolgt wird, da sie oder die Datei, zu der sie führt, einem anderen Benutzer gehört</translation>
    </message>
</context>
<context>
    <name>quintrel::SavedGame</name>
    <message>
        <source>the file &quot;%1&quot; is too large to be a saved game</source>
        <translation>die Datei „%1“ ist zu groß für ein gespeichertes Spiel</translation>
    </message>
    <message>
        <source>the file is written in UTF-16, which Quintrel does not read</source>
        <translation>die Datei ist in UTF-16 geschrieben, das Quintrel nicht liest</translation>
    </message>
    <message>
        <source>for position %1 it holds no card</source>
        <translation>für Platz %1 enthält sie keine Karte</translation>
    </message>
    <message>
        <source>for position %1 it holds %2 as the card, which is not one of the nine cards 1010, 1020 ... 1090</source>
        <translation>für Platz %1 enthält sie %2 als Karte, und das ist keine der neun Karten 1010, 1020 ... 1090</translation>
    </message>
    <message>
        <source>for position %1 it holds no orientation</source>
        <translation>für Platz %1 enthält sie keine Ausrichtung</translation>
    </message>
    <message>
        <source>for position %1 it holds %2 as the orientation, which is not one of the four orientations 1 to 4</source>
        <translation>für Platz %1 enthält sie %2 als Ausrichtung, und das ist keine der vier Ausrichtungen 1 bis 4</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is read-only</source>
        <translation>die Datei „%1“ ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is written in UTF-16, which Quintrel does not write</source>
        <translation>die Datei „%1“ ist in UTF-16 geschrieben, das Quintrel nicht schreibt</translation>
    </message>
</context>
<context>
    <name>quintrel::SplashWindow</name>
    <message>
        <source>Quintrel, by the Quintrel makers, 2026</source>
        <translation>Quintrel, von den Machern von Quintrel, 2026</translation>
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
Quintrel, ein Bildkarten-Puzzle: Tauschen und drehen Sie neun Karten, bis alle zwölf Nähte passen.

  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden

Die Optionen von Qt selbst (-style, -platform, -reverse, -display und die anderen) wirken wie
in jedem Qt-Programm.

Das Spiel wird in game.ini neben dem Programm gespeichert, wenn seine Daten dort liegen (der
Build-Baum, ein kopierter Ordner); eine installierte Kopie speichert in $XDG_DATA_HOME/quintrel,
standardmäßig ~/.local/share/quintrel. Diese Kopie speichert in %1
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
        <translation>die Anzeige „%1“ (%2) lässt sich nicht öffnen, und Quintrel braucht eine grafische Sitzung</translation>
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
