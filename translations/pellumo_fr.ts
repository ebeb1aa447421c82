<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>pellumo::AboutWindow</name>
    <message>
        <source>Version: %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>About Pellumo!</source>
        <translation>À propos de Pellumo!</translation>
    </message>
    <message>
        <source>Can you close more boxes than the computer?</source>
        <translation>Fermerez-vous plus de carrés que l&apos;ordinateur ?</translation>
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
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Vertical line %1</source>
        <translation>Trait vertical %1</translation>
    </message>
    <message>
        <source>Horizontal line %1</source>
        <translation>Trait horizontal %1</translation>
    </message>
    <message>
        <source>free</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>yours</source>
        <translation>à vous</translation>
    </message>
    <message>
        <source>the computer&apos;s</source>
        <translation>à l&apos;ordinateur</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You %1, Computer %2</source>
        <translation>Vous %1, ordinateur %2</translation>
    </message>
    <message>
        <source>You: %1</source>
        <translation>Vous : %1</translation>
    </message>
    <message>
        <source>Computer: %1</source>
        <translation>Ordinateur : %1</translation>
    </message>
    <message>
        <source>; </source>
        <translation> ; </translation>
    </message>
    <message>
        <source>%1, box %2</source>
        <translation>%1, carré %2</translation>
    </message>
    <message>
        <source>%1, boxes %2</source>
        <translation>%1, carrés %2</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
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
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>You Won!!!</source>
        <translation>Gagné !!!</translation>
    </message>
    <message>
        <source>You Lose!!!</source>
        <translation>Perdu !!!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Are you sure you want to quit current game?</source>
        <translation>Voulez-vous vraiment abandonner la partie en cours ?</translation>
    </message>
    <message>
        <source>Quit Current Game?</source>
        <translation>Abandonner la partie ?</translation>
    </message>
    <message>
        <source>Your games and high scores cannot be saved to %1: %2.</source>
        <translation>Vos parties et meilleurs scores ne peuvent pas être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>it cannot be read as a file</source>
        <translation>le fichier est illisible</translation>
    </message>
    <message>
        <source>it is larger than 4 MiB, far more than any real settings file</source>
        <translation>il dépasse 4 Mio, bien plus que tout vrai fichier de réglages</translation>
    </message>
    <message>
        <source>it would grow past 4 MiB, far more than any real settings file</source>
        <translation>il dépasserait 4 Mio, bien plus que tout vrai fichier de réglages</translation>
    </message>
    <message>
        <source>the folder %1 belongs to another user</source>
        <translation>le dossier %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it is a link to %1, which belongs to another user</source>
        <translation>c'est un lien vers %1, qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
</context>
<context>
    <name>pellumo::GameHost</name>
    <message>
        <source>en</source>
        <comment>the folder of the help pages in this language, under help/</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>pellumo::HelpViewer</name>
    <message>
        <source>Pellumo! Help</source>
        <translation>Aide de Pellumo!</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Help is not available&lt;/h2&gt;&lt;p&gt;The help file could not be found:&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;It belongs in the &lt;tt&gt;help&lt;/tt&gt; folder beside the program. Reinstalling Pellumo! puts it back.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Aide indisponible&lt;/h2&gt;&lt;p&gt;Le fichier d&apos;aide est introuvable :&lt;/p&gt;&lt;p&gt;&lt;tt&gt;%1&lt;/tt&gt;&lt;/p&gt;&lt;p&gt;Il se trouve dans le dossier &lt;tt&gt;help&lt;/tt&gt; à côté du programme. Réinstaller Pellumo! le remet en place.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>pellumo::HighScore</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>The Pellumo Hall of Fame</source>
        <translation>Le panthéon de Pellumo</translation>
    </message>
    <message>
        <source>Name %1</source>
        <translation>Nom %1</translation>
    </message>
    <message>
        <source>Games played:</source>
        <translation>Parties jouées :</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Gagnées :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Score %1: %2</source>
        <translation>Score %1 : %2</translation>
    </message>
    <message>
        <source>Won: %1</source>
        <translation>Gagnées : %1</translation>
    </message>
</context>
<context>
    <name>pellumo::MainWindow</name>
    <message>
        <source>Current Line</source>
        <translation>Trait</translation>
    </message>
    <message>
        <source>&amp;Advice</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>Each time you ask for advice, it will cost you 1 point</source>
        <translation>Chaque conseil vous coûte 1 point</translation>
    </message>
    <message>
        <source>Your Best Move is:</source>
        <translation>Meilleur coup :</translation>
    </message>
    <message>
        <source>Print Moves</source>
        <translation>Noter coups</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficulté</translation>
    </message>
    <message>
        <source>&amp;Novice</source>
        <translation>&amp;Débutant</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermédiaire</translation>
    </message>
    <message>
        <source>&amp;Expert</source>
        <translation>&amp;Expert</translation>
    </message>
    <message>
        <source>&amp;Save Size</source>
        <translation>&amp;Enregistrer la taille</translation>
    </message>
    <message>
        <source>&amp;Replay Last Move</source>
        <translation>&amp;Rejouer le dernier coup</translation>
    </message>
    <message>
        <source>&amp;HighScores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Débogage</translation>
    </message>
    <message>
        <source>&amp;View Debug</source>
        <translation>&amp;Afficher le débogage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Règles du jeu</translation>
    </message>
    <message>
        <source>Your score</source>
        <translation>Votre score</translation>
    </message>
    <message>
        <source>Computer&apos;s score</source>
        <translation>Score de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Your Best Move</source>
        <translation>Meilleur coup</translation>
    </message>
    <message>
        <source>Advice: %1. %2.</source>
        <translation>Conseil : %1. %2.</translation>
    </message>
    <message>
        <source>Moves written to %1</source>
        <translation>Coups écrits dans %1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
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
        <translation>Usage : pellumo [--debug] [--help] [--version]
Pellumo! %1, la pipopipette contre l&apos;ordinateur.

  --debug    ouvre en grand, avec le bandeau et le menu de débogage
             (comme PELLUMO_DEBUG=1 dans l&apos;environnement)
  --help     affiche ce texte et quitte
  --version  affiche la version et quitte

Réglages, statistiques et meilleurs scores : %2
Coups écrits par « Noter coups » : ~/myboxmoves.csv
</translation>
    </message>
    <message>
        <source>Pellumo! needs a graphical display to show its window: %1.
Start it from a desktop session, or under xvfb-run.
</source>
        <translation>Pellumo! a besoin d&apos;un affichage graphique pour montrer sa fenêtre : %1.
Lancez-le depuis une session de bureau, ou avec xvfb-run.
</translation>
    </message>
</context>
</TS>
