<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>TileWords</name>
    <message>
        <source>upper half of a spade</source>
        <translation>moitié supérieure d&apos;un pique</translation>
    </message>
    <message>
        <source>upper half of a heart</source>
        <translation>moitié supérieure d&apos;un cœur</translation>
    </message>
    <message>
        <source>upper half of a diamond</source>
        <translation>moitié supérieure d&apos;un carreau</translation>
    </message>
    <message>
        <source>upper half of a club</source>
        <translation>moitié supérieure d&apos;un trèfle</translation>
    </message>
    <message>
        <source>lower half of a spade</source>
        <translation>moitié inférieure d&apos;un pique</translation>
    </message>
    <message>
        <source>lower half of a heart</source>
        <translation>moitié inférieure d&apos;un cœur</translation>
    </message>
    <message>
        <source>lower half of a diamond</source>
        <translation>moitié inférieure d&apos;un carreau</translation>
    </message>
    <message>
        <source>lower half of a club</source>
        <translation>moitié inférieure d&apos;un trèfle</translation>
    </message>
    <message>
        <source>Row %1, column %2: empty.</source>
        <translation>Ligne %1, colonne %2&#xa0;: vide.</translation>
    </message>
    <message>
        <source>Top: %1.</source>
        <translation>En haut&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>À droite&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Bottom: %1.</source>
        <translation>En bas&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Left: %1.</source>
        <translation>À gauche&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, not turned.</source>
        <translation>Ligne %1, colonne %2&#xa0;: carte %3, non tournée.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned once.</source>
        <translation>Ligne %1, colonne %2&#xa0;: carte %3, tournée une fois.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned twice.</source>
        <translation>Ligne %1, colonne %2&#xa0;: carte %3, tournée deux fois.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned three times.</source>
        <translation>Ligne %1, colonne %2&#xa0;: carte %3, tournée trois fois.</translation>
    </message>
    <message>
        <source>Selected.</source>
        <translation>Sélectionnée.</translation>
    </message>
    <message>
        <source>Turn the card at row %1, column %2</source>
        <translation>Tourner la carte en ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>Turn card %1</source>
        <translation>Tourner la carte %1</translation>
    </message>
</context>
<context>
    <name>quintrel::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Nine cards in three rows and three columns. %1</source>
        <translation>Neuf cartes en trois lignes et trois colonnes. %1</translation>
    </message>
    <message>
        <source>Turns the card a quarter turn clockwise.</source>
        <translation>Tourne la carte d&apos;un quart de tour dans le sens des aiguilles d&apos;une montre.</translation>
    </message>
    <message>
        <source>%1

The tile stays empty; reinstall Quintrel to get the picture back.</source>
        <translation>%1

La case reste vide&#xa0;; réinstallez Quintrel pour retrouver l&apos;image.</translation>
    </message>
    <message>
        <source>The card picture &quot;%1&quot; could not be loaded (%2).</source>
        <translation>L&apos;image de carte «&#xa0;%1&#xa0;» n&apos;a pas pu être chargée (%2).</translation>
    </message>
    <message>
        <source>The arrow keys move between the cards, Space or Enter selects a card and swaps it with the selected one, R turns a card a quarter turn clockwise.</source>
        <translation>Les touches fléchées passent d&apos;une carte à l&apos;autre, Espace ou Entrée sélectionne une carte et l&apos;échange avec la carte sélectionnée, R tourne une carte d&apos;un quart de tour dans le sens des aiguilles d&apos;une montre.</translation>
    </message>
</context>
<context>
    <name>quintrel::BoardWindow</name>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, then click on the APPLY button.</source>
        <translation>Votre affichage est réglé sur GRANDES POLICES. Cette application nécessite le réglage Petites polices. Cliquez avec le bouton droit sur le bureau, choisissez PROPRIÉTÉS, puis PARAMÈTRES. Passez les polices de Grandes à Petites, puis cliquez sur le bouton APPLIQUER.</translation>
    </message>
    <message>
        <source>Quintrel cannot start: its window icon &quot;%1&quot; is missing or is not an icon file (%2).

Reinstall Quintrel so that the folder &quot;SOUND&quot; beside the program holds QUINTREL.ICO again.</source>
        <translation>Quintrel ne peut pas démarrer&#xa0;: son icône de fenêtre «&#xa0;%1&#xa0;» manque ou n&apos;est pas un fichier d&apos;icône (%2).

Réinstallez Quintrel pour que le dossier «&#xa0;SOUND&#xa0;» à côté du programme contienne de nouveau QUINTREL.ICO.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Save Current Game</source>
        <comment>File menu</comment>
        <translation>&amp;Enregistrer la partie en cours</translation>
    </message>
    <message>
        <source>&amp;Load Saved Game</source>
        <comment>File menu</comment>
        <translation>&amp;Charger la partie enregistrée</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <comment>Help menu</comment>
        <translation>&amp;Règles</translation>
    </message>
    <message>
        <source>&amp;Example</source>
        <comment>Help menu</comment>
        <translation>&amp;Exemple</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <comment>Help menu</comment>
        <translation>À &amp;propos de Quintrel...</translation>
    </message>
    <message>
        <source>Your game has been saved</source>
        <translation>Votre partie a été enregistrée</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1.

The saved game you had before is unchanged.</source>
        <translation>Votre partie n&apos;a pas pu être enregistrée&#xa0;: %1.

La partie enregistrée auparavant est inchangée.</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1.</source>
        <translation>Votre partie n&apos;a pas pu être enregistrée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>There are no saved games</source>
        <translation>Il n&apos;y a aucune partie enregistrée</translation>
    </message>
    <message>
        <source>The saved game could not be loaded: %1.

Your game is unchanged.</source>
        <translation>La partie enregistrée n&apos;a pas pu être chargée&#xa0;: %1.

Votre partie est inchangée.</translation>
    </message>
    <message>
        <source>%1

The saved game was not laid out, and your game is unchanged; reinstall Quintrel to get the picture back.</source>
        <translation>%1

La partie enregistrée n&apos;a pas été disposée et votre partie est inchangée&#xa0;; réinstallez Quintrel pour retrouver l&apos;image.</translation>
    </message>
</context>
<context>
    <name>quintrel::Desktop</name>
    <message>
        <source>Quintrel met an error it cannot recover from:

%1

The program will now end.</source>
        <translation>Quintrel a rencontré une erreur dont il ne peut pas se remettre&#xa0;:

%1

Le programme va maintenant se fermer.</translation>
    </message>
</context>
<context>
    <name>quintrel::ExampleViewer</name>
    <message>
        <source>Example - Quintrel</source>
        <translation>Exemple - Quintrel</translation>
    </message>
    <message>
        <source>A picture of a game in progress that shows how the cards fit. The arrow keys, Page Up and Page Down scroll it.</source>
        <translation>L&apos;image d&apos;une partie en cours qui montre comment les cartes s&apos;assemblent. Les touches fléchées, Page précédente et Page suivante la font défiler.</translation>
    </message>
    <message>
        <source>Example game</source>
        <translation>Partie d&apos;exemple</translation>
    </message>
    <message>
        <source>Scrolls the example</source>
        <translation>Fait défiler l&apos;exemple</translation>
    </message>
</context>
<context>
    <name>quintrel::FileReading</name>
    <message>
        <source>too large: %1 x %2 pixels</source>
        <translation>trop grande&#xa0;: %1 x %2 pixels</translation>
    </message>
    <message>
        <source>not enough memory for its %1 x %2 pixels</source>
        <translation>pas assez de mémoire pour ses %1 x %2 pixels</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be shown: %2.</source>
        <translation>L&apos;image «&#xa0;%1&#xa0;» n&apos;a pas pu être affichée&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>quintrel::FolderLock</name>
    <message>
        <source>another save into the folder &quot;%1&quot; was still going on after %2 seconds</source>
        <translation>un autre enregistrement dans le dossier «&#xa0;%1&#xa0;» était encore en cours après %2 secondes</translation>
    </message>
</context>
<context>
    <name>quintrel::GameFolders</name>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être créé&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>quintrel::HelpWindow</name>
    <message>
        <source>Quintrel - Help</source>
        <translation>Quintrel - Aide</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The rules of Quintrel, or who made it</source>
        <translation>Les règles de Quintrel, ou qui l&apos;a créé</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>Shows the rules</source>
        <translation>Affiche les règles</translation>
    </message>
    <message>
        <source>Shows who made Quintrel</source>
        <translation>Montre qui a créé Quintrel</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Ferme l&apos;aide</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>Le logo des créateurs</translation>
    </message>
    <message>
        <source>The maker&apos;s web page, %1</source>
        <translation>La page web des créateurs, %1</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web page in the browser</source>
        <translation>Ouvre la page web des créateurs dans le navigateur</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>oups, impossible d&apos;ouvrir ce lien</translation>
    </message>
</context>
<context>
    <name>quintrel::RegularFile</name>
    <message>
        <source>%1 MiB</source>
        <translation>%1&#xa0;Mio</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1&#xa0;Kio</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>plus grand que %1</translation>
    </message>
    <message>
        <source>a link that is not followed, since it or the file it leads to belongs to another user</source>
        <translation>un lien qui n&apos;est pas suivi, car lui ou le fichier vers lequel il mène appartient à un autre utilisateur</translation>
    </message>
</context>
<context>
    <name>quintrel::SavedGame</name>
    <message>
        <source>the file &quot;%1&quot; is too large to be a saved game</source>
        <translation>le fichier «&#xa0;%1&#xa0;» est trop grand pour être une partie enregistrée</translation>
    </message>
    <message>
        <source>the file is written in UTF-16, which Quintrel does not read</source>
        <translation>le fichier est écrit en UTF-16, que Quintrel ne lit pas</translation>
    </message>
    <message>
        <source>for position %1 it holds no card</source>
        <translation>pour la place %1, il ne contient aucune carte</translation>
    </message>
    <message>
        <source>for position %1 it holds %2 as the card, which is not one of the nine cards 1010, 1020 ... 1090</source>
        <translation>pour la place %1, il contient %2 comme carte, qui n&apos;est pas l&apos;une des neuf cartes 1010, 1020 ... 1090</translation>
    </message>
    <message>
        <source>for position %1 it holds no orientation</source>
        <translation>pour la place %1, il ne contient aucune orientation</translation>
    </message>
    <message>
        <source>for position %1 it holds %2 as the orientation, which is not one of the four orientations 1 to 4</source>
        <translation>pour la place %1, il contient %2 comme orientation, qui n&apos;est pas l&apos;une des quatre orientations 1 à 4</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is read-only</source>
        <translation>le fichier «&#xa0;%1&#xa0;» est en lecture seule</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is written in UTF-16, which Quintrel does not write</source>
        <translation>le fichier «&#xa0;%1&#xa0;» est écrit en UTF-16, que Quintrel n&apos;écrit pas</translation>
    </message>
</context>
<context>
    <name>quintrel::SplashWindow</name>
    <message>
        <source>Quintrel, by the Quintrel makers, 2026</source>
        <translation>Quintrel, par les créateurs de Quintrel, 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A picture-card puzzle: swap and turn nine cards until every edge fits. Press OK to start.</source>
        <translation>Un casse-tête de cartes illustrées&#xa0;: échangez et tournez neuf cartes jusqu&apos;à ce que chaque bord s&apos;assemble. Appuyez sur OK pour commencer.</translation>
    </message>
    <message>
        <source>Shows the board and deals the first game</source>
        <translation>Affiche le plateau et distribue la première partie</translation>
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
        <translation>Utilisation&#xa0;: quintrel [--help | --version] [options de Qt]
Quintrel, un casse-tête de cartes illustrées&#xa0;: échangez et tournez neuf cartes jusqu&apos;à ce que
les douze jointures s&apos;assemblent.

  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Les options propres à Qt (-style, -platform, -reverse, -display et les autres) fonctionnent
comme dans tout programme Qt.

La partie est enregistrée dans game.ini à côté du programme quand ses données s&apos;y trouvent
(l&apos;arborescence de compilation, un dossier copié)&#xa0;; une copie installée enregistre dans
$XDG_DATA_HOME/quintrel, par défaut ~/.local/share/quintrel. Cette copie enregistre dans %1
</translation>
    </message>
    <message>
        <source>quintrel: unknown option &apos;%1&apos; (see quintrel --help)
</source>
        <translation>quintrel&#xa0;: option inconnue «&#xa0;%1&#xa0;» (voir quintrel --help)
</translation>
    </message>
    <message>
        <source>quintrel: unexpected argument &apos;%1&apos; (see quintrel --help)
</source>
        <translation>quintrel&#xa0;: argument inattendu «&#xa0;%1&#xa0;» (voir quintrel --help)
</translation>
    </message>
    <message>
        <source>quintrel: Quintrel needs a graphical session, and neither DISPLAY nor WAYLAND_DISPLAY is set
</source>
        <translation>quintrel&#xa0;: Quintrel a besoin d&apos;une session graphique, et ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini
</translation>
    </message>
    <message>
        <source>quintrel: Quintrel needs a graphical session: %1 is &quot;%2&quot;, and neither DISPLAY nor WAYLAND_DISPLAY is set
</source>
        <translation>quintrel&#xa0;: Quintrel a besoin d&apos;une session graphique&#xa0;: %1 vaut «&#xa0;%2&#xa0;», et ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini
</translation>
    </message>
    <message>
        <source>the display &quot;%1&quot; (%2) cannot be opened, and Quintrel needs a graphical session</source>
        <translation>l&apos;affichage «&#xa0;%1&#xa0;» (%2) ne peut pas être ouvert, et Quintrel a besoin d&apos;une session graphique</translation>
    </message>
    <message>
        <source>Qt has no platform &quot;%1&quot; (%2); the platforms it has are %3</source>
        <translation>Qt n&apos;a pas de plateforme «&#xa0;%1&#xa0;» (%2)&#xa0;; les plateformes disponibles sont %3</translation>
    </message>
    <message>
        <source>Quintrel cannot start: %1</source>
        <translation>Quintrel ne peut pas démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>une erreur inconnue</translation>
    </message>
    <message>
        <source>Qt&apos;s platform &quot;%1&quot; (%2) cannot start: %3</source>
        <translation>La plateforme de Qt «&#xa0;%1&#xa0;» (%2) ne peut pas démarrer&#xa0;: %3</translation>
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
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>You have solved Quintrel. The board stays solved until New Game or Load Saved Game in the File menu.</source>
        <translation>Vous avez résolu Quintrel. Le plateau reste résolu jusqu&apos;à «&#xa0;Nouvelle partie&#xa0;» ou «&#xa0;Charger la partie enregistrée&#xa0;» dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Ferme cette fenêtre</translation>
    </message>
</context>
</TS>
