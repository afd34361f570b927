// The private-profile service's rules on the text of one INI file, for the headless backend.
#pragma once

#include <optional>
#include <string>

namespace ui::ini {

// The value of key in section (both matched without regard to letter case), blanks around it
// removed and one pair of enclosing quotes dropped; nothing when the section or key is absent.
std::optional<std::string> Read(const std::string& content, const std::string& section,
                                const std::string& key);

// The file's text with key set to value: replaced in place when the key exists, added at the
// end of its section otherwise, and the section added at the end of the file when absent.
std::string Write(const std::string& content, const std::string& section, const std::string& key,
                  const std::string& value);

}  // namespace ui::ini
