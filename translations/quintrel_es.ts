<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TileWords</name>
    <message>
        <source>upper half of a spade</source>
        <translation>mitad superior de una pica</translation>
    </message>
    <message>
        <source>upper half of a heart</source>
        <translation>mitad superior de un corazón</translation>
    </message>
    <message>
        <source>upper half of a diamond</source>
        <translation>mitad superior de un diamante</translation>
    </message>
    <message>
        <source>upper half of a club</source>
        <translation>mitad superior de un trébol</translation>
    </message>
    <message>
        <source>lower half of a spade</source>
        <translation>mitad inferior de una pica</translation>
    </message>
    <message>
        <source>lower half of a heart</source>
        <translation>mitad inferior de un corazón</translation>
    </message>
    <message>
        <source>lower half of a diamond</source>
        <translation>mitad inferior de un diamante</translation>
    </message>
    <message>
        <source>lower half of a club</source>
        <translation>mitad inferior de un trébol</translation>
    </message>
    <message>
        <source>Row %1, column %2: empty.</source>
        <translation>Fila %1, columna %2: vacía.</translation>
    </message>
    <message>
        <source>Top: %1.</source>
        <translation>Arriba: %1.</translation>
    </message>
    <message>
        <source>Right: %1.</source>
        <translation>Derecha: %1.</translation>
    </message>
    <message>
        <source>Bottom: %1.</source>
        <translation>Abajo: %1.</translation>
    </message>
    <message>
        <source>Left: %1.</source>
        <translation>Izquierda: %1.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, not turned.</source>
        <translation>Fila %1, columna %2: carta %3, sin girar.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned once.</source>
        <translation>Fila %1, columna %2: carta %3, girada una vez.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned twice.</source>
        <translation>Fila %1, columna %2: carta %3, girada dos veces.</translation>
    </message>
    <message>
        <source>Row %1, column %2: card %3, turned three times.</source>
        <translation>Fila %1, columna %2: carta %3, girada tres veces.</translation>
    </message>
    <message>
        <source>Selected.</source>
        <translation>Seleccionada.</translation>
    </message>
    <message>
        <source>Turn the card at row %1, column %2</source>
        <translation>Girar la carta de la fila %1, columna %2</translation>
    </message>
    <message>
        <source>Turn card %1</source>
        <translation>Girar la carta %1</translation>
    </message>
</context>
<context>
    <name>quintrel::BoardView</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Nine cards in three rows and three columns. %1</source>
        <translation>Nueve cartas en tres filas y tres columnas. %1</translation>
    </message>
    <message>
        <source>Turns the card a quarter turn clockwise.</source>
        <translation>Gira la carta un cuarto de vuelta en el sentido de las agujas del reloj.</translation>
    </message>
    <message>
        <source>%1

The tile stays empty; reinstall Quintrel to get the picture back.</source>
        <translation>%1

La casilla queda vacía; vuelva a instalar Quintrel para recuperar la imagen.</translation>
    </message>
    <message>
        <source>The card picture &quot;%1&quot; could not be loaded (%2).</source>
        <translation>No se pudo cargar la imagen de carta «%1» (%2).</translation>
    </message>
    <message>
        <source>The arrow keys move between the cards, Space or Enter selects a card and swaps it with the selected one, R turns a card a quarter turn clockwise.</source>
        <translation>Con las teclas de flecha se pasa de una carta a otra; Espacio o Intro selecciona una carta y la intercambia con la seleccionada; R gira una carta un cuarto de vuelta en el sentido de las agujas del reloj.</translation>
    </message>
</context>
<context>
    <name>quintrel::BoardWindow</name>
    <message>
        <source>Quintrel cannot start: its window icon &quot;%1&quot; is missing or is not an icon file (%2).

Reinstall Quintrel so that the folder &quot;SOUND&quot; beside the program holds QUINTREL.ICO again.</source>
        <translation>Quintrel no puede iniciarse: su icono de ventana «%1» falta o no es un archivo de icono (%2).

Vuelva a instalar Quintrel para que la carpeta «SOUND» junto al programa contenga de nuevo QUINTREL.ICO.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>menu bar</comment>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <comment>File menu</comment>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Save Current Game</source>
        <comment>File menu</comment>
        <translation>&amp;Guardar la partida actual</translation>
    </message>
    <message>
        <source>&amp;Load Saved Game</source>
        <comment>File menu</comment>
        <translation>&amp;Cargar la partida guardada</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>File menu</comment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>menu bar</comment>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Rules</source>
        <comment>Help menu</comment>
        <translation>&amp;Reglas</translation>
    </message>
    <message>
        <source>&amp;Example</source>
        <comment>Help menu</comment>
        <translation>&amp;Ejemplo</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <comment>Help menu</comment>
        <translation>&amp;Acerca de Quintrel…</translation>
    </message>
    <message>
        <source>Your game has been saved</source>
        <translation>Se ha guardado su partida</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1.

The saved game you had before is unchanged.</source>
        <translation>No se pudo guardar su partida: %1.

La partida guardada que tenía antes no ha cambiado.</translation>
    </message>
    <message>
        <source>Your game could not be saved: %1.</source>
        <translation>No se pudo guardar su partida: %1.</translation>
    </message>
    <message>
        <source>There are no saved games</source>
        <translation>No hay ninguna partida guardada</translation>
    </message>
    <message>
        <source>The saved game could not be loaded: %1.

Your game is unchanged.</source>
        <translation>No se pudo cargar la partida guardada: %1.

Su partida no ha cambiado.</translation>
    </message>
    <message>
        <source>%1

The saved game was not laid out, and your game is unchanged; reinstall Quintrel to get the picture back.</source>
        <translation>%1

No se ha cargado la partida guardada y su partida no ha cambiado; vuelva a instalar Quintrel para recuperar la imagen.</translation>
    </message>
    <message>
        <source>Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. In your desktop&apos;s display settings, set the scale to 100%, 150% or 200% and turn large text off, then start Quintrel again.</source>
        <translation>Su pantalla está configurada con FUENTES GRANDES. Esta aplicación necesita la configuración Fuentes pequeñas. En la configuración de pantalla de su escritorio, ajuste la escala al 100&#xa0;%, 150&#xa0;% o 200&#xa0;% y desactive el texto grande; luego vuelva a iniciar Quintrel.</translation>
    </message>
</context>
<context>
    <name>quintrel::Desktop</name>
    <message>
        <source>Quintrel met an error it cannot recover from:

%1

The program will now end.</source>
        <translation>Se ha producido en Quintrel un error irrecuperable:

%1

El programa se cerrará ahora.</translation>
    </message>
</context>
<context>
    <name>quintrel::ExampleViewer</name>
    <message>
        <source>Example - Quintrel</source>
        <translation>Ejemplo – Quintrel</translation>
    </message>
    <message>
        <source>Scrolls the example</source>
        <translation>Desplaza el ejemplo</translation>
    </message>
    <message>
        <source>A picture that shows how the cards fit, how a card turns and how two cards change places. The arrow keys, Page Up and Page Down scroll it.</source>
        <translation>Una imagen que muestra cómo encajan las cartas, cómo gira una carta y cómo dos cartas cambian de lugar. Las teclas de flecha, Re Pág y Av Pág la desplazan.</translation>
    </message>
    <message>
        <source>Example picture</source>
        <translation>Imagen de ejemplo</translation>
    </message>
</context>
<context>
    <name>quintrel::FileReading</name>
    <message>
        <source>too large: %1 x %2 pixels</source>
        <translation>demasiado grande: %L1&#xa0;×&#xa0;%L2 píxeles</translation>
    </message>
    <message>
        <source>not enough memory for its %1 x %2 pixels</source>
        <translation>no hay memoria suficiente para sus %L1&#xa0;×&#xa0;%L2 píxeles</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; could not be shown: %2.</source>
        <translation>No se pudo mostrar la imagen «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be read: %2.</source>
        <translation>No se pudo leer el archivo «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>quintrel::FolderFile</name>
    <message>
        <source>&quot;%1&quot; is a link to a folder, not a file</source>
        <translation>«%1» es un enlace a una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a file</source>
        <translation>«%1» es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a FIFO (a named pipe), not a file</source>
        <translation>«%1» es un enlace a una FIFO (una tubería con nombre), no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a FIFO (a named pipe), not a file</source>
        <translation>«%1» es una FIFO (una tubería con nombre), no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a device, not a file</source>
        <translation>«%1» es un enlace a un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a device, not a file</source>
        <translation>«%1» es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a socket, not a file</source>
        <translation>«%1» es un enlace a un socket, no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a socket, not a file</source>
        <translation>«%1» es un socket, no un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>«%1» no es un archivo normal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced by another program while it was being read</source>
        <translation>«%1» fue sustituido por otro programa mientras se leía</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that is not followed, since it or a link or file it leads to belongs to another user</source>
        <translation>«%1» es un enlace que no se sigue porque el enlace, otro enlace del camino o el archivo al que apunta pertenece a otro usuario</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; belongs to the user &quot;%2&quot;, and you may not read it</source>
        <translation>el archivo «%1» pertenece al usuario «%2» y usted no tiene permiso para leerlo</translation>
    </message>
    <message>
        <source>you may not read the file &quot;%1&quot;</source>
        <translation>no tiene permiso para leer el archivo «%1»</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be read: %2</source>
        <translation>no se pudo leer el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; lies on a read-only file system</source>
        <translation>el archivo «%1» está en un sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; belongs to the user &quot;%2&quot;, and you may not write it</source>
        <translation>el archivo «%1» pertenece al usuario «%2» y usted no tiene permiso para modificarlo</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is read-only</source>
        <translation>el archivo «%1» es de solo lectura</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; cannot be written: %2</source>
        <translation>no se puede escribir en el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta «%1» no existe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«%1» no es una carpeta</translation>
    </message>
    <message>
        <source>you may not open the folder &quot;%1&quot;</source>
        <translation>no tiene permiso para abrir la carpeta «%1»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; could not be opened: %2</source>
        <translation>no se pudo abrir la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; lies on a read-only file system</source>
        <translation>la carpeta «%1» está en un sistema de archivos de solo lectura</translation>
    </message>
    <message>
        <source>you may not write in the folder &quot;%1&quot;</source>
        <translation>no tiene permiso para escribir en la carpeta «%1»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written: %2</source>
        <translation>no se puede escribir en la carpeta «%1»: %2</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is shared with the group &quot;%2&quot;, and a file you save cannot belong to that group, since you are not a member of it</source>
        <translation>el archivo «%1» se comparte con el grupo «%2», y un archivo que usted guarde no puede pertenecer a ese grupo, porque no es miembro de él</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; could not be written: %2</source>
        <translation>no se pudo escribir el archivo «%1»: %2</translation>
    </message>
</context>
<context>
    <name>quintrel::FolderLock</name>
    <message numerus="yes">
        <source>another save into the folder &quot;%1&quot; was still going on after %2 seconds</source>
        <translation>
            <numerusform>otra operación de guardado en la carpeta «%1» seguía en curso al cabo de %2 segundo</numerusform>
            <numerusform>otra operación de guardado en la carpeta «%1» seguía en curso al cabo de %2 segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is locked by another program, &quot;%2&quot; (process %3), which is not Quintrel</source>
        <translation>la carpeta «%1» está bloqueada por otro programa, «%2» (proceso %3), que no es Quintrel</translation>
    </message>
</context>
<context>
    <name>quintrel::GameFolders</name>
    <message>
        <source>the folder &quot;%1&quot; could not be made: %2</source>
        <translation>no se pudo crear la carpeta «%1»: %2</translation>
    </message>
</context>
<context>
    <name>quintrel::HelpWindow</name>
    <message>
        <source>Quintrel - Help</source>
        <translation>Quintrel – Ayuda</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The rules of Quintrel, or who made it</source>
        <translation>Las reglas de Quintrel, o quién lo creó</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Shows the rules</source>
        <translation>Muestra las reglas</translation>
    </message>
    <message>
        <source>Shows who made Quintrel</source>
        <translation>Muestra quién creó Quintrel</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Cierra la ayuda</translation>
    </message>
    <message>
        <source>The maker&apos;s logo</source>
        <translation>El logotipo de los creadores</translation>
    </message>
    <message>
        <source>The maker&apos;s web page, %1</source>
        <translation>La página web de los creadores, %1</translation>
    </message>
    <message>
        <source>Opens the maker&apos;s web page in the browser</source>
        <translation>Abre la página web de los creadores en el navegador</translation>
    </message>
    <message>
        <source>oops, unable to link you there</source>
        <translation>vaya, no se puede abrir ese enlace</translation>
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
        <translation>%L1&#xa0;bytes</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>larger than %1</source>
        <translation>mayor que %1</translation>
    </message>
</context>
<context>
    <name>quintrel::SavedGame</name>
    <message>
        <source>the file &quot;%1&quot; is too large to be a saved game</source>
        <translation>el archivo «%1» es demasiado grande para ser una partida guardada</translation>
    </message>
    <message>
        <source>the file is written in UTF-16, which Quintrel does not read</source>
        <translation>el archivo está codificado en UTF-16, un formato que Quintrel no lee</translation>
    </message>
    <message>
        <source>for position %1 it holds no card</source>
        <translation>no hay ninguna carta para la posición %1</translation>
    </message>
    <message>
        <source>for position %1 it holds no orientation</source>
        <translation>no hay ninguna orientación para la posición %1</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is written in UTF-16, which Quintrel does not write</source>
        <translation>el archivo «%1» está codificado en UTF-16, un formato que Quintrel no escribe</translation>
    </message>
    <message>
        <source>the file is written in UTF-32, which Quintrel does not read</source>
        <translation>el archivo está codificado en UTF-32, un formato que Quintrel no lee</translation>
    </message>
    <message>
        <source>for position %1 it holds &quot;%2&quot; as the card, which is not one of the nine cards 1010, 1020 ... 1090</source>
        <translation>la carta indicada para la posición %1, «%2», no es ninguna de las nueve cartas 1010, 1020, …, 1090</translation>
    </message>
    <message>
        <source>for position %1 it holds &quot;%2&quot; as the orientation, which is not one of the four orientations 1 to 4</source>
        <translation>la orientación indicada para la posición %1, «%2», no es ninguna de las cuatro orientaciones del 1 al 4</translation>
    </message>
    <message>
        <source>it holds card %1 for both position %2 and position %3, and a game holds each card once</source>
        <translation>la misma carta %1 está indicada para la posición %2 y para la posición %3, y una partida contiene cada carta una sola vez</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is written in UTF-32, which Quintrel does not write</source>
        <translation>el archivo «%1» está codificado en UTF-32, un formato que Quintrel no escribe</translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; holds bytes that would keep the game written into it from being read back</source>
        <translation>el archivo «%1» contiene bytes que impedirían volver a leer la partida escrita en él</translation>
    </message>
    <message>
        <source>with its other lines the file &quot;%1&quot; would grow larger than %2, and a saved game that large could not be loaded again</source>
        <translation>con sus demás líneas, el archivo «%1» superaría %2, y una partida guardada tan grande no podría volver a cargarse</translation>
    </message>
</context>
<context>
    <name>quintrel::SplashWindow</name>
    <message>
        <source>Quintrel, by the Quintrel makers, 2026</source>
        <translation>Quintrel, de los creadores de Quintrel, 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>A picture-card puzzle: swap and turn nine cards until every edge fits. Press OK to start.</source>
        <translation>Un rompecabezas de cartas ilustradas: intercambie y gire nueve cartas hasta que encajen todos los bordes. Pulse Aceptar para empezar.</translation>
    </message>
    <message>
        <source>Shows the board and deals the first game</source>
        <translation>Muestra el tablero y reparte la primera partida</translation>
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
        <translation>Uso: quintrel [--help | --version] [opciones de Qt]
Quintrel, un rompecabezas de cartas ilustradas: intercambie y gire nueve cartas
hasta que encajen las doce uniones.

  -h, --help     mostrar esta ayuda y salir
  -v, --version  mostrar la versión y salir

Las opciones propias de Qt (-style, -platform, -reverse, -display y las demás)
funcionan como en cualquier programa Qt.

La partida se guarda en game.ini junto al programa cuando sus datos están allí
(el árbol de compilación, una carpeta copiada); una copia instalada guarda en
$XDG_DATA_HOME/quintrel, por defecto en ~/.local/share/quintrel. Esta copia
guarda en %1
</translation>
    </message>
    <message>
        <source>quintrel: unknown option &apos;%1&apos; (see quintrel --help)
</source>
        <translation>quintrel: opción desconocida «%1» (consulte quintrel --help)
</translation>
    </message>
    <message>
        <source>quintrel: unexpected argument &apos;%1&apos; (see quintrel --help)
</source>
        <translation>quintrel: argumento inesperado «%1» (consulte quintrel --help)
</translation>
    </message>
    <message>
        <source>quintrel: Quintrel needs a graphical session, and neither DISPLAY nor WAYLAND_DISPLAY is set
</source>
        <translation>quintrel: Quintrel necesita una sesión gráfica, y no está definida ni DISPLAY ni WAYLAND_DISPLAY
</translation>
    </message>
    <message>
        <source>quintrel: Quintrel needs a graphical session: %1 is &quot;%2&quot;, and neither DISPLAY nor WAYLAND_DISPLAY is set
</source>
        <translation>quintrel: Quintrel necesita una sesión gráfica: %1 es «%2», y no está definida ni DISPLAY ni WAYLAND_DISPLAY
</translation>
    </message>
    <message>
        <source>the display &quot;%1&quot; (%2) cannot be opened, and Quintrel needs a graphical session</source>
        <translation>no se puede abrir la pantalla «%1» (%2), y Quintrel necesita una sesión gráfica</translation>
    </message>
    <message>
        <source>Qt has no platform &quot;%1&quot; (%2); the platforms it has are %3</source>
        <translation>Qt no tiene la plataforma «%1» (%2); las plataformas que tiene son %3</translation>
    </message>
    <message>
        <source>Quintrel cannot start: %1</source>
        <translation>Quintrel no puede iniciarse: %1</translation>
    </message>
    <message>
        <source>an unknown error</source>
        <translation>un error desconocido</translation>
    </message>
    <message>
        <source>Qt&apos;s platform &quot;%1&quot; (%2) cannot start: %3</source>
        <translation>La plataforma de Qt «%1» (%2) no puede arrancar: %3</translation>
    </message>
</context>
<context>
    <name>quintrel::WinWindow</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Well done!</source>
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source>You have solved Quintrel. The board stays solved until New Game or Load Saved Game in the File menu.</source>
        <translation>Ha resuelto Quintrel. El tablero sigue resuelto hasta que elija «Nueva partida» o «Cargar la partida guardada» en el menú Archivo.</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Cierra esta ventana</translation>
    </message>
</context>
</TS>
