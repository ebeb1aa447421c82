#include "records/highscores.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "records/profileman.h"
#include "records/storednumbers.h"

namespace pellumo {

namespace {

std::string RowKey(std::string_view word, int row) {
  return std::string(word) + std::to_string(row + 1);
}

}  // namespace

std::string HighScoreSection(std::string_view level) {
  return "HIGH_SCORES_" + std::string(level);
}

std::string PercentWon(std::string_view GPlay, std::string_view GWon) {
  if (GPlay.empty() || GWon.empty()) return {};
  long long played = LeadingNumber(GPlay);
  long long won = LeadingNumber(GWon);
  if (played == 0) return {};
  if (played < 0) {
    played = -played;
    won = -won;
  }
  // Tenths of a percent, rounded half away from zero.
  const long long num = won * 1000;
  long long tenths = num / played;
  const long long rest = std::llabs(num % played);
  if (2 * rest >= played) tenths += num < 0 ? -1 : 1;
  const long long magnitude = std::llabs(tenths);
  std::string text = tenths < 0 ? "-" : "";
  text += std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10) + "%";
  return text;
}

void ReadHighScoreCounters(const ProfileText& profile, HighScoreTable& table) {
  const std::string played = profile.ProfileReadString("STATS", table.Level + "_PLAY");
  const std::string won = profile.ProfileReadString("STATS", table.Level + "_WON");
  // An entry stored empty leaves its box as it was, and with it no share.
  if (!played.empty()) table.GPlay = CounterText(played);
  if (!won.empty()) table.GWon = CounterText(won);
  table.PctWon = PercentWon(table.GPlay, table.GWon);
}

HighScoreTable ReadHighScoreTable(const ProfileText& profile, const std::string& level) {
  HighScoreTable table;
  table.Level = level;
  const std::string section = HighScoreSection(level);
  for (int i = 0; i < kHighScoreRows; ++i) {
    // No NAME key: the row stays blank, its score unread. A name typed as
    // "*" is present, though the read of an absent key gives the same text.
    const std::string nameKey = RowKey("NAME", i);
    if (!profile.ProfileHas(section, nameKey)) continue;
    table.MyName[static_cast<std::size_t>(i)] = profile.ProfileReadString(section, nameKey);
    const std::string score = profile.ProfileReadString(section, RowKey("SCORE", i));
    if (score != "*") table.Score[static_cast<std::size_t>(i)] = std::to_string(WholeNumber(score));
  }
  ReadHighScoreCounters(profile, table);
  return table;
}

int HighScoreRowFor(const HighScoreTable& table, std::int16_t score) {
  for (int i = 0; i < kHighScoreRows; ++i) {
    const std::string& text = table.Score[static_cast<std::size_t>(i)];
    const int stored = text.empty() ? 0 : WholeNumber(text);
    if (stored < score) return i;
  }
  return -1;
}

void EnterHighScore(HighScoreTable& table, int row, std::int16_t score) {
  if (row < 0 || row >= kHighScoreRows) return;
  for (int j = kHighScoreRows - 1; j > row; --j) {
    table.MyName[static_cast<std::size_t>(j)] = table.MyName[static_cast<std::size_t>(j - 1)];
    table.Score[static_cast<std::size_t>(j)] = table.Score[static_cast<std::size_t>(j - 1)];
  }
  table.MyName[static_cast<std::size_t>(row)] = std::string(kEnterYourName);
  table.Score[static_cast<std::size_t>(row)] = std::to_string(score);
  table.EntryRow = row;
}

bool PendingScoreQualifies(ProfileMan& profile, const std::string& DifficultyLevel,
                           std::int16_t Player1Score, bool NewHighScore) {
  if (!NewHighScore) return false;
  const HighScoreTable stored = ReadHighScoreTable(profile.ProfileRead(), DifficultyLevel);
  return HighScoreRowFor(stored, Player1Score) >= 0;
}

HighScoreLoad HighScoreFormLoad(ProfileMan& profile, const std::string& DifficultyLevel,
                                std::int16_t Player1Score, bool& NewHighScore,
                                HighScoreTable& table) {
  table = ReadHighScoreTable(profile.ProfileRead(), DifficultyLevel);
  if (!NewHighScore) return HighScoreLoad::Viewing;
  NewHighScore = false;
  const int row = HighScoreRowFor(table, Player1Score);
  if (row < 0) return HighScoreLoad::NoEntry;
  EnterHighScore(table, row, Player1Score);
  return HighScoreLoad::Entry;
}

bool SaveHighScoreTable(ProfileMan& profile, const HighScoreTable& table) {
  const std::string section = HighScoreSection(table.Level);
  // The change may be kept for a later save (another copy holds the lock),
  // so it owns everything it uses.
  const auto entered = std::make_shared<bool>(true);
  const bool written = profile.ProfileChange([section, table, entered](ProfileText& text) {
    HighScoreTable stored = ReadHighScoreTable(text, table.Level);
    if (table.EntryRow >= 0 && table.EntryRow < kHighScoreRows) {
      const auto entry = static_cast<std::size_t>(table.EntryRow);
      const auto score = static_cast<std::int16_t>(WholeNumber(table.Score[entry]));
      const int row = HighScoreRowFor(stored, score);
      if (row >= 0) {
        EnterHighScore(stored, row, score);
        stored.MyName[static_cast<std::size_t>(row)] = table.MyName[entry];
      } else {
        *entered = false;
        std::fprintf(stderr,
                     "pellumo: the score %d of \"%s\" no longer makes the %s top five; "
                     "not saved\n",
                     score, table.MyName[entry].c_str(), table.Level.c_str());
      }
    }
    for (int i = 0; i < kHighScoreRows; ++i) {
      const auto n = static_cast<std::size_t>(i);
      text.ProfileWriteString(section, RowKey("NAME", i), stored.MyName[n]);
      text.ProfileWriteString(section, RowKey("SCORE", i), stored.Score[n]);
    }
  });
  return written && *entered;
}

}  // namespace pellumo
