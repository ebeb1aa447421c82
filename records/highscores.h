#pragma once
// The table of the five best scores of a level and the counters shown beside
// it, exactly as the "High Scores" window holds them, with the rules for
// taking a new entry. No Qt here: the window only shows and edits this, so
// the rules can be tested without a screen.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace pellumo {

class ProfileMan;
class ProfileText;

inline constexpr int kHighScoreRows = 5;
inline constexpr std::string_view kEnterYourName = "Enter Your Name Here";

// What the window shows, row 0 on top. Texts are kept as the window's
// controls hold them, because OK writes them back exactly as they stand.
struct HighScoreTable {
  // The level the table was read for; OK writes back to this level's
  // section even when the difficulty was changed while the window was open.
  std::string Level;
  // Name boxes: a single blank until filled.
  std::array<std::string, kHighScoreRows> MyName{" ", " ", " ", " ", " "};
  // Score labels: empty until set.
  std::array<std::string, kHighScoreRows> Score{};
  std::string GPlay;
  std::string GWon;
  std::string PctWon;
  // The row whose name is being entered (white, focused), -1 when viewing.
  int EntryRow = -1;
};

// "HIGH_SCORES_" followed by the level word.
std::string HighScoreSection(std::string_view level);

// won / played in the format "#0.0%", or empty when either text is empty or
// played is 0. The tenth is rounded half away from zero (1 of 16 gives
// "6.3%"), computed in whole numbers so no binary fraction can tip it.
std::string PercentWon(std::string_view GPlay, std::string_view GWon);

// The stored table and counters of a level, for viewing. A row without a
// stored name stays blank and its score is not read; a stored score shows as
// its leading number rounded to a whole number ("0" when there is none).
HighScoreTable ReadHighScoreTable(const ProfileText& profile, const std::string& level);
// Re-reads only the counters and the share won of table.Level.
void ReadHighScoreCounters(const ProfileText& profile, HighScoreTable& table);

// The first row whose score is smaller than score (an empty score counts as
// 0; an equal score keeps its place above the newer one), or -1.
int HighScoreRowFor(const HighScoreTable& table, std::int16_t score);
// Puts score into row, moving the rows below it down and dropping the old
// last row; the row gets kEnterYourName and becomes the entry row.
void EnterHighScore(HighScoreTable& table, int row, std::int16_t score);

enum class HighScoreLoad {
  Viewing,  // no entry was pending: show the table
  Entry,    // the pending score took table.EntryRow: show and take the name
  NoEntry,  // an entry was pending but no row qualified: show nothing
};

// Whether a pending score (NewHighScore set) of Player1Score would take a row
// of the table of DifficultyLevel as stored now. Reads only.
bool PendingScoreQualifies(ProfileMan& profile, const std::string& DifficultyLevel,
                           std::int16_t Player1Score, bool NewHighScore);

// Fills table for DifficultyLevel and handles a pending entry of
// Player1Score when NewHighScore is set. NewHighScore is false afterwards in
// every case. The arguments are the game's fields of those names.
HighScoreLoad HighScoreFormLoad(ProfileMan& profile, const std::string& DifficultyLevel,
                                std::int16_t Player1Score, bool& NewHighScore,
                                HighScoreTable& table);

// OK: writes all five rows ("NAME1".."NAME5", "SCORE1".."SCORE5") into the
// section of table.Level. Another copy of the game may have written that
// section since the window read it, so the rows are taken as stored now,
// under the settings lock, and the window's entry, if it holds one, is ranked
// into them with the name as typed. With no other copy that is exactly the
// table the window shows. An entry that no longer makes the top five is left
// out, with one line on standard error. False when that happened or the
// file could not be written.
bool SaveHighScoreTable(ProfileMan& profile, const HighScoreTable& table);

}  // namespace pellumo
