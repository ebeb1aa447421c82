<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>pellumo::AboutWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
    <message>
        <source>About Pellumo!</source>
        <translation>Acerca de Pellumo!</translation>
    </message>
    <message>
        <source>Can you close more boxes than the computer?</source>
        <translation>¿Cerrarás más cuadros que el ordenador?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>pellumo::BoardWidget</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Vertical line %1</source>
        <translation>Línea vertical %1</translation>
    </message>
    <message>
        <source>Horizontal line %1</source>
        <translation>Línea horizontal %1</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>tuya</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>del ordenador</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You %1, Computer %2</source>
        <translation>Tú %1, ordenador %2</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Tú: %1</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordenador: %1</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1, box %2</source>
        <translation>%1, cuadro %2</translation>
    </message>
    <message>
        <source>%1, boxes %2</source>
        <translation>%1, cuadros %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
</context>
<context>
    <name>pellumo::Game</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>You Won!!!</source>
        <translation>¡¡¡Has ganado!!!</translation>
    </message>
    <message>
        <source>You Lose!!!</source>
        <translation>¡¡¡Has perdido!!!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Are you sure you want to quit current game?</source>
        <translation>¿Seguro que quieres abandonar la partida actual?</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>¿Abandonar la partida?</translation>
    </message>
    <message>
        <source>Your games and high scores cannot be saved to %1: %2.</source>
        <translation>Tus partidas y récords no se pueden guardar en %1: %2.</translation>
    </message>
    <message>
        <source>it cannot be read as a file</source>
        <translation>el archivo no se puede leer</translation>
    </message>
    <message>
        <source>it is larger than 4 MiB, far more than any real settings file</source>
        <translation>ocupa más de 4 MiB, mucho más que cualquier archivo de ajustes real</translation>
    </message>
    <message>
        <source>it would grow past 4 MiB, far more than any real settings file</source>
        <translation>ocuparía más de 4 MiB, mucho más que cualquier archivo de ajustes real</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>la carpeta %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>it is a link to %1, which belongs to another user</source>
        <translation>es un enlace a %1, que pertenece a otro usuario</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
</context>
<context>
    <name>pellumo::GameHost</name>
    <message>
        <source>en</source>
        <comment>the folder of the help pages in this language, under help/</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>pellumo::HelpViewer</name>
    <message>
        <source>Pellumo! Help</source>
        <translation>Ayuda de Pellumo!</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file could not be found:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;It belongs in the &lt;tt&gt;help&lt;/tt&gt; folder beside the program. Reinstalling Pellumo! puts it back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;La ayuda no está disponible&lt;/h2&gt;&lt;p&gt;No se encontró el archivo de ayuda:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Va en la carpeta &lt;tt&gt;help&lt;/tt&gt; junto al programa. Reinstalar Pellumo! lo repone.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>pellumo::HighScore</name>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>The Pellumo Hall of Fame</source>
        <translation>El salón de la fama</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Nombre %1</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Jugadas:</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Ganadas:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Score %1: %2</source>
        <translation>Puntos %1: %2</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Ganadas: %1</translation>
    </message>
</context>
<context>
    <name>pellumo::MainWindow</name>
    <message>
        <source>Current Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>&amp;Advice</source>
        <translation>&amp;Consejo</translation>
    </message>
    <message>
        <source>Each time you ask for advice, it will cost you 1 point</source>
        <translation>Cada consejo te cuesta 1 punto</translation>
    </message>
    <message>
        <source>Your Best Move is:</source>
        <translation>Mejor jugada:</translation>
    </message>
    <message>
        <source>Print Moves</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificultad</translation>
    </message>
    <message>
        <source>&amp;Novice</source>
        <translation>&amp;Principiante</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermedio</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Experto</translation>
    </message>
    <message>
        <source>&amp;Save Size</source>
        <translation>&amp;Guardar tamaño</translation>
    </message>
    <message>
        <source>&amp;Replay Last Move</source>
        <translation>&amp;Repetir última jugada</translation>
    </message>
    <message>
        <source>&amp;HighScores</source>
        <translation>&amp;Tabla de récords</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Depuración</translation>
    </message>
    <message>
        <source>&amp;View Debug</source>
        <translation>&amp;Ver depuración</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Cómo se juega</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Tu puntuación</translation>
    </message>
    <message>
        <source>Computer&apos;s score</source>
        <translation>Puntuación del ordenador</translation>
    </message>
    <message>
        <source>Your Best Move</source>
        <translation>Mejor jugada</translation>
    </message>
    <message>
        <source>Advice: %1. %2.</source>
        <translation>Consejo: %1. %2.</translation>
    </message>
    <message>
        <source>Moves written to %1</source>
        <translation>Jugadas escritas en %1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>No se pudo escribir %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>pellumo::Startup</name>
    <message>
        <source>Usage: pellumo [--debug] [--help] [--version]
Pellumo! %1, dots and boxes against the computer.

  --debug    open wide with the debug strip and the Debug menu
             (the same as PELLUMO_DEBUG=1 in the environment)
  --help     print this text and exit
  --version  print the version and exit

Settings, statistics and high scores: %2
Moves written by Print Moves: ~/myboxmoves.csv
</source>
        <translation>Uso: pellumo [--debug] [--help] [--version]
Pellumo! %1, puntos y cuadros contra el ordenador.

  --debug    abre en grande, con la franja y el menú de depuración
             (igual que PELLUMO_DEBUG=1 en el entorno)
  --help     muestra este texto y sale
  --version  muestra la versión y sale

Ajustes, estadísticas y récords: %2
Jugadas escritas por «Anotar»: ~/myboxmoves.csv
</translation>
    </message>
    <message>
        <source>Pellumo! needs a graphical display to show its window: %1.
Start it from a desktop session, or under xvfb-run.
</source>
        <translation>Pellumo! necesita una pantalla gráfica para mostrar su ventana: %1.
Inícialo desde una sesión de escritorio o con xvfb-run.
</translation>
    </message>
</context>
</TS>
