<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TileWords</name>
    <message>
        <source>upper half of a spade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper half of a heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper half of a diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper half of a club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower half of a spade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower half of a heart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower half of a diamond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower half of a club</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2: empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, not turned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned three times.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the card at row %1, column %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn card %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::BoardView</name>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nine cards in three rows and three columns. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turns the card a quarter turn clockwise.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The tile stays empty; reinstall Quintrel to get the picture back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The card picture &quot;%1&quot; could not be loaded (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrow keys move between the cards, Space or Enter selects a card and swaps it with the selected one, R turns a card a quarter turn clockwise.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::BoardWindow</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintrel cannot start: its window icon &quot;%1&quot; is missing or is not an icon file (%2).

Reinstall Quintrel so that the folder &quot;SOUND&quot; beside the program holds QUINTREL.ICO again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Current Game</source>
        <comment>File menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Saved Game</source>
        <comment>File menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <comment>Help menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Example</source>
        <comment>Help menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <comment>Help menu</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game has been saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game could not be saved: %1.

The saved game you had before is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game could not be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no saved games</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved game could not be loaded: %1.

Your game is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

The saved game was not laid out, and your game is unchanged; reinstall Quintrel to get the picture back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::Desktop</name>
    <message>
        <source>Quintrel met an error it cannot recover from:

%1

The program will now end.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::ExampleViewer</name>
    <message>
        <source>Example - Quintrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture of a game in progress that shows how the cards fit. The arrow keys, Page Up and Page Down scroll it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Example game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scrolls the example</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::FileReading</name>
    <message>
        <source>too large: %1 x %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory for its %1 x %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be shown: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::FolderLock</name>
    <message>
        <source>another save into the folder &quot;%1&quot; was still going on after %2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::GameFolders</name>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::HelpWindow</name>
    <message>
        <source>Quintrel - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rules of Quintrel, or who made it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the rules</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows who made Quintrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The maker&apos;s web page, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web page in the browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::RegularFile</name>
    <message>
        <source>%1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a link that is not followed, since it or the file it leads to belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::SavedGame</name>
    <message>
        <source>the file &quot;%1&quot; is too large to be a saved game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is written in UTF-16, which Quintrel does not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for position %1 it holds no card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for position %1 it holds %2 as the card, which is not one of the nine cards 1010, 1020 ... 1090</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for position %1 it holds no orientation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for position %1 it holds %2 as the orientation, which is not one of the four orientations 1 to 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is written in UTF-16, which Quintrel does not write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::SplashWindow</name>
    <message>
        <source>Quintrel, by the Quintrel makers, 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture-card puzzle: swap and turn nine cards until every edge fits. Press OK to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the board and deals the first game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quintrel::WinWindow</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have solved Quintrel. The board stays solved until New Game or Load Saved Game in the File menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
