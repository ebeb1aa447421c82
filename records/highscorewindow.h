#pragma once
// The "High Scores" window: the table of the five best scores and the
// counters of the current level, and the entry of a new name after a
// qualifying game. At most one exists at a time; every opening shows the
// table and counters as stored at that moment.
class QWidget;

namespace pellumo {

class Game;

// Loads the window for the level in game.DifficultyLevel. With
// game.NewHighScore set it offers the entry of game.Player1Score (and shows
// nothing when no row qualifies); otherwise it shows the table for viewing.
// An entry still open when another game qualifies is saved first. The game
// window stays usable while it is open.
void LoadHighScoreWindow(Game& game, QWidget* owner);

// Closes the window as its close box would, saving nothing: the program is
// ending and a name not confirmed with OK is not kept.
void UnloadHighScoreWindow();

// The "HighScores" menu item: clears game.NewHighScore, then loads and shows
// the window for viewing.
void mnuHighScores_Click(Game& game, QWidget* owner);

}  // namespace pellumo
