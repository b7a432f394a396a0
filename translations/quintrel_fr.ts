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
        <translation>Tourner la carte de la ligne %1, colonne %2</translation>
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
        <translation>Les touches fléchées permettent de passer d&apos;une carte à l&apos;autre&#xa0;; Espace ou Entrée sélectionne une carte et l&apos;échange avec la carte sélectionnée&#xa0;; R tourne une carte d&apos;un quart de tour dans le sens des aiguilles d&apos;une montre.</translation>
    </message>
</context>
<context>
    <name>quintrel::BoardWindow</name>
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
        <translation>À &amp;propos de Quintrel…</translation>
    </message>
    <message>
        <source>Your game has been saved</source>
        <translation>Votre partie a été enregistrée</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1.

The saved game you had before is unchanged.</source>
        <translation>Votre partie n&apos;a pas pu être enregistrée&#xa0;: %1.

La partie enregistrée auparavant n&apos;a pas changé.</translation>
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

Votre partie n&apos;a pas changé.</translation>
    </message>
    <message>
        <source>%1

The saved game was not laid out, and your game is unchanged; reinstall Quintrel to get the picture back.</source>
        <translation>%1

La partie enregistrée n&apos;a pas été chargée et votre partie n&apos;a pas changé&#xa0;; réinstallez Quintrel pour retrouver l&apos;image.</translation>
    </message>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. In your desktop&apos;s display settings, set the scale to 100%, 150% or 200% and turn large text off, then start Quintrel again.</source>
        <translation>Votre affichage est réglé sur GRANDES POLICES. Cette application nécessite le réglage Petites polices. Dans les paramètres d&apos;affichage de votre bureau, réglez la mise à l&apos;échelle sur 100&#xa0;%, 150&#xa0;% ou 200&#xa0;% et désactivez le grand texte, puis relancez Quintrel.</translation>
    </message>
</context>
<context>
    <name>quintrel::Desktop</name>
    <message>
        <source>Quintrel met an error it cannot recover from:

%1

The program will now end.</source>
        <translation>Quintrel a rencontré une erreur irrécupérable&#xa0;:

%1

Le programme va maintenant se fermer.</translation>
    </message>
</context>
<context>
    <name>quintrel::ExampleViewer</name>
    <message>
        <source>Example - Quintrel</source>
        <translation>Exemple – Quintrel</translation>
    </message>
    <message>
        <source>Scrolls the example</source>
        <translation>Fait défiler l&apos;exemple</translation>
    </message>
    <message>
        <source>A picture that shows how the cards fit, how a card turns and how two cards change places. The arrow keys, Page Up and Page Down scroll it.</source>
        <translation>Une image qui montre comment les cartes s&apos;assemblent, comment une carte tourne et comment deux cartes échangent leurs places. Les touches fléchées, Page précédente et Page suivante la font défiler.</translation>
    </message>
    <message>
        <source>Example picture</source>
        <translation>Image d&apos;exemple</translation>
    </message>
</context>
<context>
    <name>quintrel::FileReading</name>
    <message>
        <source>too large: %1 x %2 pixels</source>
        <translation>trop grande&#xa0;: %L1&#xa0;×&#xa0;%L2&#xa0;pixels</translation>
    </message>
    <message>
        <source>not enough memory for its %1 x %2 pixels</source>
        <translation>pas assez de mémoire pour ses %L1&#xa0;×&#xa0;%L2&#xa0;pixels</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be shown: %2.</source>
        <translation>L&apos;image «&#xa0;%1&#xa0;» n&apos;a pas pu être affichée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être lu : %2.</translation>
    </message>
</context>
<context>
    <name>quintrel::FolderFile</name>
    <message>
        <source>&quot;%1&quot; is a link to a folder, not a file</source>
        <translation>«&#xa0;%1&#xa0;» est un lien vers un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>«&#xa0;%1&#xa0;» est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a FIFO (a named pipe), not a file</source>
        <translation>«&#xa0;%1&#xa0;» est un lien vers une FIFO (un tube nommé), pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a FIFO (a named pipe), not a file</source>
        <translation>«&#xa0;%1&#xa0;» est une FIFO (un tube nommé), pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a device, not a file</source>
        <translation>«&#xa0;%1&#xa0;» est un lien vers un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device, not a file</source>
        <translation>«&#xa0;%1&#xa0;» est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a socket, not a file</source>
        <translation>«&#xa0;%1&#xa0;» est un lien vers un socket, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a socket, not a file</source>
        <translation>«&#xa0;%1&#xa0;» est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another program while it was being read</source>
        <translation>«&#xa0;%1&#xa0;» a été remplacé par un autre programme pendant sa lecture</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that is not followed, since it or a link or file it leads to belongs to another user</source>
        <translation>«&#xa0;%1&#xa0;» est un lien que Quintrel ne suit pas, car ce lien, un autre lien sur le chemin ou le fichier vers lequel il pointe appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; belongs to the user &quot;%2&quot;, and you may not read it</source>
        <translation>le fichier «&#xa0;%1&#xa0;» appartient à l&apos;utilisateur «&#xa0;%2&#xa0;», et vous n&apos;avez pas le droit de le lire</translation>
    </message>
    <message>
        <source>you may not read the file &quot;%1&quot;</source>
        <translation>vous n&apos;avez pas le droit de lire le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read: %2</source>
        <translation>le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; lies on a read-only file system</source>
        <translation>le fichier «&#xa0;%1&#xa0;» se trouve sur un système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; belongs to the user &quot;%2&quot;, and you may not write it</source>
        <translation>le fichier «&#xa0;%1&#xa0;» appartient à l&apos;utilisateur «&#xa0;%2&#xa0;», et vous n&apos;avez pas le droit de le modifier</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is read-only</source>
        <translation>le fichier «&#xa0;%1&#xa0;» est en lecture seule</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; cannot be written: %2</source>
        <translation>impossible d&apos;écrire dans le fichier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>you may not open the folder &quot;%1&quot;</source>
        <translation>vous n&apos;avez pas le droit d&apos;ouvrir le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be opened: %2</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; lies on a read-only file system</source>
        <translation>le dossier «&#xa0;%1&#xa0;» se trouve sur un système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>you may not write in the folder &quot;%1&quot;</source>
        <translation>vous n&apos;avez pas le droit d&apos;écrire dans le dossier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written: %2</source>
        <translation>impossible d&apos;écrire dans le dossier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is shared with the group &quot;%2&quot;, and a file you save cannot belong to that group, since you are not a member of it</source>
        <translation>le fichier «&#xa0;%1&#xa0;» est partagé avec le groupe «&#xa0;%2&#xa0;», et un fichier que vous enregistrez ne peut pas appartenir à ce groupe, car vous n&apos;en êtes pas membre</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written: %2</source>
        <translation>le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>quintrel::FolderLock</name>
    <message numerus="yes">
        <source>another save into the folder &quot;%1&quot; was still going on after %2 seconds</source>
        <translation>
            <numerusform>un autre enregistrement dans le dossier «&#xa0;%1&#xa0;» était encore en cours après %2 seconde</numerusform>
            <numerusform>un autre enregistrement dans le dossier «&#xa0;%1&#xa0;» était encore en cours après %2 secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is locked by another program, &quot;%2&quot; (process %3), which is not Quintrel</source>
        <translation>le dossier «&#xa0;%1&#xa0;» est verrouillé par un autre programme, «&#xa0;%2&#xa0;» (processus %3), qui n&apos;est pas Quintrel</translation>
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
        <translation>Quintrel – Aide</translation>
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
        <translation>%L1&#xa0;Mio</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%L1&#xa0;Kio</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%L1&#xa0;octets</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>plus grand que %1</translation>
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
        <translation>le fichier est encodé en UTF-16, un format que Quintrel ne lit pas</translation>
    </message>
    <message>
        <source>for position %1 it holds no card</source>
        <translation>aucune carte n&apos;est indiquée pour la place %1</translation>
    </message>
    <message>
        <source>for position %1 it holds no orientation</source>
        <translation>aucune orientation n&apos;est indiquée pour la place %1</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is written in UTF-16, which Quintrel does not write</source>
        <translation>le fichier «&#xa0;%1&#xa0;» est encodé en UTF-16, un format que Quintrel n&apos;écrit pas</translation>
    </message>
    <message>
        <source>the file is written in UTF-32, which Quintrel does not read</source>
        <translation>le fichier est encodé en UTF-32, un format que Quintrel ne lit pas</translation>
    </message>
    <message>
        <source>for position %1 it holds &quot;%2&quot; as the card, which is not one of the nine cards 1010, 1020 ... 1090</source>
        <translation>pour la place %1, la carte indiquée, «&#xa0;%2&#xa0;», n&apos;est pas l&apos;une des neuf cartes 1010, 1020, …, 1090</translation>
    </message>
    <message>
        <source>for position %1 it holds &quot;%2&quot; as the orientation, which is not one of the four orientations 1 to 4</source>
        <translation>pour la place %1, l&apos;orientation indiquée, «&#xa0;%2&#xa0;», n&apos;est pas l&apos;une des quatre orientations 1 à 4</translation>
    </message>
    <message>
        <source>it holds card %1 for both position %2 and position %3, and a game holds each card once</source>
        <translation>la même carte %1 est indiquée pour la place %2 et pour la place %3, alors qu&apos;une partie contient chaque carte une seule fois</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is written in UTF-32, which Quintrel does not write</source>
        <translation>le fichier «&#xa0;%1&#xa0;» est encodé en UTF-32, un format que Quintrel n&apos;écrit pas</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; holds bytes that would keep the game written into it from being read back</source>
        <translation>le fichier «&#xa0;%1&#xa0;» contient des octets qui empêcheraient de relire la partie qu&apos;on y écrirait</translation>
    </message>
    <message>
        <source>with its other lines the file &quot;%1&quot; would grow larger than %2, and a saved game that large could not be loaded again</source>
        <translation>avec ses autres lignes, le fichier «&#xa0;%1&#xa0;» dépasserait %2, et une partie enregistrée aussi grande ne pourrait plus être chargée</translation>
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
        <translation>Un casse-tête de cartes illustrées&#xa0;: échangez et tournez neuf cartes jusqu&apos;à ce que tous les bords s&apos;assemblent. Appuyez sur OK pour commencer.</translation>
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
Quintrel, un casse-tête de cartes illustrées&#xa0;: échangez et tournez neuf cartes
jusqu&apos;à ce que les douze jointures s&apos;assemblent.

  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter

Les options propres à Qt (-style, -platform, -reverse, -display et les autres)
fonctionnent comme dans tout programme Qt.

La partie est enregistrée dans game.ini à côté du programme quand ses données
s&apos;y trouvent (l&apos;arborescence de compilation, un dossier copié)&#xa0;; une copie
installée enregistre dans $XDG_DATA_HOME/quintrel, par défaut dans
~/.local/share/quintrel. Cette copie enregistre dans %1
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
        <translation>Vous avez résolu Quintrel. Le plateau reste résolu jusqu&apos;à ce que vous choisissiez «&#xa0;Nouvelle partie&#xa0;» ou «&#xa0;Charger la partie enregistrée&#xa0;» dans le menu Fichier.</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Ferme cette fenêtre</translation>
    </message>
</context>
</TS>
