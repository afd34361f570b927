#include "ui/headless/IniFile.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace ui::ini {
namespace {

constexpr const char* kNewLine = "\r\n";

std::string Trim(const std::string& s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t b = 0, e = s.size();
  while (b < e && blank(s[b])) ++b;
  while (e > b && blank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::vector<std::string> Lines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + kNewLine;
  return out;
}

// The section's name when the line is a section header.
std::optional<std::string> SectionOf(const std::string& line) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  // The name runs to the line's last bracket, as Win32 reads it.
  const auto close = t.rfind(']');
  if (close == std::string::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

struct Entry {
  std::string key, value;
};

std::optional<Entry> EntryOf(const std::string& line) {
  const auto eq = line.find('=');
  if (eq == std::string::npos) return std::nullopt;
  return Entry{Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))};
}

}  // namespace

std::optional<std::string> Read(const std::string& content, const std::string& rawSection,
                                const std::string& rawKey) {
  // Blanks around the names asked for do not count, as with Win32.
  const std::string section = Trim(rawSection), key = Trim(rawKey);
  bool inSection = false;
  for (const auto& line : Lines(content)) {
    if (auto name = SectionOf(line)) {
      if (inSection) break;  // only the first section of that name counts
      inSection = SameName(*name, section);
      continue;
    }
    if (!inSection) continue;
    if (auto e = EntryOf(line); e && SameName(e->key, key)) {
      std::string v = e->value;
      if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
      return v;
    }
  }
  return std::nullopt;
}

std::string Write(const std::string& content, const std::string& rawSection,
                  const std::string& rawKey, const std::string& value) {
  const std::string section = Trim(rawSection), key = Trim(rawKey);
  std::vector<std::string> lines = Lines(content);
  const std::string entry = key + "=" + value;
  std::optional<std::size_t> sectionLine;
  std::size_t lastOfSection = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (auto name = SectionOf(lines[i])) {
      if (sectionLine) break;
      if (SameName(*name, section)) sectionLine = lastOfSection = i;
      continue;
    }
    if (!sectionLine) continue;
    if (auto e = EntryOf(lines[i]); e && SameName(e->key, key)) {
      lines[i] = entry;
      return Join(lines);
    }
    if (!Trim(lines[i]).empty()) lastOfSection = i;
  }
  if (sectionLine) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(lastOfSection + 1), entry);
  } else {
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  }
  return Join(lines);
}

}  // namespace ui::ini
