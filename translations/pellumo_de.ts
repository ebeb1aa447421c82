<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>pellumo::AboutWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
    <message>
        <source>About Pellumo!</source>
        <translation>Über Pellumo!</translation>
    </message>
    <message>
        <source>Can you close more boxes than the computer?</source>
        <translation>Schließt du mehr Kästchen als der Computer?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>pellumo::BoardWidget</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Vertical line %1</source>
        <translation>Senkrechte Linie %1</translation>
    </message>
    <message>
        <source>Horizontal line %1</source>
        <translation>Waagrechte Linie %1</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>deine</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>vom Computer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You %1, Computer %2</source>
        <translation>Du %1, Computer %2</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Du: %1</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
    <message>
        <source>%1, box %2</source>
        <translation>%1, Kästchen %2</translation>
    </message>
    <message>
        <source>%1, boxes %2</source>
        <translation>%1, Kästchen %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
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
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>You Won!!!</source>
        <translation>Gewonnen!!!</translation>
    </message>
    <message>
        <source>You Lose!!!</source>
        <translation>Verloren!!!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Are you sure you want to quit current game?</source>
        <translation>Willst du das laufende Spiel wirklich abbrechen?</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>Spiel abbrechen?</translation>
    </message>
    <message>
        <source>Your games and high scores cannot be saved to %1: %2.</source>
        <translation>Deine Spiele und Bestenlisten können nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>it cannot be read as a file</source>
        <translation>die Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>it is larger than 4 MiB, far more than any real settings file</source>
        <translation>sie ist größer als 4 MiB, weit mehr als jede echte Einstellungsdatei</translation>
    </message>
    <message>
        <source>it would grow past 4 MiB, far more than any real settings file</source>
        <translation>sie würde größer als 4 MiB, weit mehr als jede echte Einstellungsdatei</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>der Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>it is a link to %1, which belongs to another user</source>
        <translation>sie ist ein Verweis auf %1, das einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>sie gehört einem anderen Benutzer</translation>
    </message>
</context>
<context>
    <name>pellumo::GameHost</name>
    <message>
        <source>en</source>
        <comment>the folder of the help pages in this language, under help/</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>pellumo::HelpViewer</name>
    <message>
        <source>Pellumo! Help</source>
        <translation>Pellumo! Hilfe</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file could not be found:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;It belongs in the &lt;tt&gt;help&lt;/tt&gt; folder beside the program. Reinstalling Pellumo! puts it back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Hilfe nicht verfügbar&lt;/h2&gt;&lt;p&gt;Die Hilfedatei wurde nicht gefunden:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Sie gehört in den Ordner &lt;tt&gt;help&lt;/tt&gt; neben dem Programm. Eine Neuinstallation von Pellumo! stellt sie wieder her.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>pellumo::HighScore</name>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>The Pellumo Hall of Fame</source>
        <translation>Pellumos Ruhmeshalle</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Name %1</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Gespielt:</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Gewonnen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Score %1: %2</source>
        <translation>Punkte %1: %2</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gewonnen: %1</translation>
    </message>
</context>
<context>
    <name>pellumo::MainWindow</name>
    <message>
        <source>Current Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>&amp;Advice</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Each time you ask for advice, it will cost you 1 point</source>
        <translation>Jeder Tipp kostet dich 1 Punkt</translation>
    </message>
    <message>
        <source>Your Best Move is:</source>
        <translation>Bester Zug:</translation>
    </message>
    <message>
        <source>Print Moves</source>
        <translation>Züge sichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Schwierigkeit</translation>
    </message>
    <message>
        <source>&amp;Novice</source>
        <translation>&amp;Anfänger</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Fortgeschritten</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Experte</translation>
    </message>
    <message>
        <source>&amp;Save Size</source>
        <translation>&amp;Größe speichern</translation>
    </message>
    <message>
        <source>&amp;Replay Last Move</source>
        <translation>Letzten Zug &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;HighScores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Debug</translation>
    </message>
    <message>
        <source>&amp;View Debug</source>
        <translation>Debug &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Spielanleitung</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Deine Punkte</translation>
    </message>
    <message>
        <source>Computer&apos;s score</source>
        <translation>Punkte des Computers</translation>
    </message>
    <message>
        <source>Your Best Move</source>
        <translation>Bester Zug</translation>
    </message>
    <message>
        <source>Advice: %1. %2.</source>
        <translation>Tipp: %1. %2.</translation>
    </message>
    <message>
        <source>Moves written to %1</source>
        <translation>Züge gespeichert in %1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
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
        <translation>Aufruf: pellumo [--debug] [--help] [--version]
Pellumo! %1, Käsekästchen gegen den Computer.

  --debug    breit öffnen, mit Debug-Leiste und Debug-Menü
             (wie PELLUMO_DEBUG=1 in der Umgebung)
  --help     diesen Text ausgeben und beenden
  --version  die Version ausgeben und beenden

Einstellungen, Statistik und Bestenliste: %2
Von „Züge sichern“ geschriebene Züge: ~/myboxmoves.csv
</translation>
    </message>
    <message>
        <source>Pellumo! needs a graphical display to show its window: %1.
Start it from a desktop session, or under xvfb-run.
</source>
        <translation>Pellumo! braucht eine grafische Anzeige für sein Fenster: %1.
Starte es in einer Desktop-Sitzung oder mit xvfb-run.
</translation>
    </message>
</context>
</TS>
