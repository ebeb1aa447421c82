#include "records/inifile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "records/storednumbers.h"

namespace pellumo {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr auto npos = std::string_view::npos;

std::string_view Trim(std::string_view s) {
  const std::size_t b = s.find_first_not_of(kBlanks);
  if (b == npos) return {};
  return s.substr(b, s.find_last_not_of(kBlanks) - b + 1);
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::string Replaced(std::string_view s, std::string_view unsafe) {
  std::string out(s);
  for (char& c : out)
    if (unsafe.find(c) != npos) c = ' ';
  return out;
}

// A name as stored: nothing in it may end a line, a header or a key.
std::string CleanName(std::string_view name) {
  return std::string(Trim(Replaced(name, "\r\n[]=")));
}

struct Line {
  std::size_t begin, end, next;  // content [begin, end), line end [end, next)
};

// The line that starts at pos (after a byte-order mark at the very start).
Line LineAt(std::string_view text, std::size_t pos) {
  if (pos == 0 && text.starts_with(kBom)) pos = kBom.size();
  const std::size_t nl = text.find('\n', pos);
  const std::size_t next = nl == npos ? text.size() : nl + 1;
  std::size_t end = nl == npos ? text.size() : nl;
  if (end > pos && text[end - 1] == '\r') --end;
  return {pos, end, next};
}

// The name of a section header line; nothing for any other line.
std::optional<std::string_view> HeaderName(std::string_view content) {
  content = Trim(content);
  if (!content.starts_with('[')) return std::nullopt;
  content.remove_prefix(1);
  return Trim(content.substr(0, content.find(']')));
}

struct Place {
  std::optional<Line> section;  // header line of the first matching section
  std::optional<Line> key;      // first matching key line in it
  Line lastFilled{};            // last non-blank line of that section
};

// Names must be cleaned already. One pass that keeps no list of lines: a
// file of millions of blank lines costs no more memory than its bytes.
Place Find(std::string_view text, std::string_view section, std::string_view key) {
  Place p;
  for (std::size_t pos = 0; pos < text.size();) {
    const Line l = LineAt(text, pos);
    pos = l.next;
    const std::string_view content = text.substr(l.begin, l.end - l.begin);
    if (const auto name = HeaderName(content)) {
      if (p.section) break;
      if (SameName(*name, section)) p.section = p.lastFilled = l;
      continue;
    }
    if (!p.section) continue;
    if (!Trim(content).empty()) p.lastFilled = l;
    const std::size_t eq = content.find('=');
    if (eq != npos && SameName(Trim(content.substr(0, eq)), key)) {
      p.key = l;
      break;
    }
  }
  return p;
}

std::string_view LineEnd(std::string_view text) {
  const std::size_t nl = text.find('\n');
  return nl != npos && nl > 0 && text[nl - 1] == '\r' ? "\r\n" : "\n";
}

// Ends the last line of out, if it is open, before something is appended. A
// last line ending in a bare CR only needs its LF: another CR would become
// part of that line's value.
void CloseLastLine(std::string& out, std::string_view eol) {
  if (out.empty() || out.ends_with('\n')) return;
  out.append(out.ends_with('\r') ? "\n" : eol);
}

}  // namespace

IniLoad IniLoadFile(const std::string& path, std::string& out) {
  // O_NONBLOCK: a FIFO in the file's place must not hang the game.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? IniLoad::Absent : IniLoad::Failed;
  IniLoad result = IniLoad::Failed;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    result = static_cast<std::uint64_t>(st.st_size) > kIniMaxFileSize ? IniLoad::TooBig
                                                                       : IniLoad::Ok;
    if (result == IniLoad::Ok) out.reserve(static_cast<std::size_t>(st.st_size));
    char buf[65536];
    while (result == IniLoad::Ok) {
      const ssize_t n = ::read(fd, buf, sizeof buf);
      if (n > 0) {
        out.append(buf, static_cast<std::size_t>(n));
        // Grown since it was measured: still too big.
        if (out.size() > kIniMaxFileSize) result = IniLoad::TooBig;
      } else if (n == 0) {
        break;
      } else if (errno != EINTR) {
        result = IniLoad::Failed;
      }
    }
  }
  ::close(fd);
  if (result != IniLoad::Ok) out.clear();
  return result;
}

std::optional<std::string> IniLookup(std::string_view text, std::string_view section,
                                     std::string_view key) {
  const Place p = Find(text, CleanName(section), CleanName(key));
  if (!p.key) return std::nullopt;
  const Line& l = *p.key;
  const std::string_view content = text.substr(l.begin, l.end - l.begin);
  return std::string(Trim(content.substr(content.find('=') + 1)));
}

std::string IniUpdate(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
  const std::string sec = CleanName(section);
  const std::string k = CleanName(key);
  const std::string v = Replaced(value, "\r\n");
  const std::string_view eol = LineEnd(text);
  const Place p = Find(text, sec, k);
  std::string out;
  if (p.key) {  // replace the value only; the key as spelt in the file stays
    const Line& l = *p.key;
    const std::size_t valueStart = text.find('=', l.begin) + 1;
    out.append(text.substr(0, valueStart)).append(v).append(text.substr(l.end));
  } else if (p.section) {  // new key after the section's last filled line
    const Line& l = p.lastFilled;
    out.append(text.substr(0, l.next));
    CloseLastLine(out, eol);
    out.append(k).append("=").append(v).append(eol).append(text.substr(l.next));
  } else {  // new section at the end
    out.append(text);
    CloseLastLine(out, eol);
    out.append("[").append(sec).append("]").append(eol);
    out.append(k).append("=").append(v).append(eol);
  }
  return out;
}

std::string IniReadValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view def) {
  std::optional<std::string> value = IniLookup(text, section, key);
  if (!value) return std::string(def);
  if (value->size() > kIniMaxValue) {
    // Step back over UTF-8 continuation bytes so no character is split.
    std::size_t cut = kIniMaxValue;
    for (int i = 0; i < 3 && cut > 0 && ((*value)[cut] & 0xC0) == 0x80; ++i) --cut;
    value->resize(cut);
  }
  return std::string(Trim(*value));
}

std::int32_t IniReadNumber(std::string_view text, std::string_view section,
                           std::string_view key, std::int32_t def) {
  const std::optional<std::string> value = IniLookup(text, section, key);
  return value ? IniLeadingInt(*value) : def;
}

}  // namespace pellumo
