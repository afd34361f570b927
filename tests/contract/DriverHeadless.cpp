// The contract's driver on the headless backend: its test side and its virtual clock.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/contract/Driver.h"
#include "ui/headless/headless.h"

namespace contract {

namespace hl = ui::headless;

namespace {
// A folder of this run's own for the profile service.
std::filesystem::path folder;
}  // namespace

void Begin() {
  if (folder.empty()) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pelvoro-contract.XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    folder = pattern;
  }
  hl::Reset(folder);
}

void End() {
  hl::Reset(folder);
  std::filesystem::remove_all(folder);
  folder.clear();
}

std::string ProfileBytes(const std::string& file) { return hl::ProfileFileText(file); }

void Press(ui::Form& form, Key key) {
  switch (key) {
    case Key::Enter: hl::PressEnter(form); break;
    case Key::Escape: hl::PressEscape(form); break;
    case Key::Tab: hl::PressTab(form); break;
    case Key::ShiftTab: hl::PressTab(form, true); break;
  }
}

void Click(ui::Control& control) { hl::Click(control); }

void Drag(ui::Form& form, ui::Point from, ui::Point to) { hl::DragForm(form, from, to); }

bool Until(const std::function<bool()>& condition, unsigned limitMs) {
  for (unsigned waited = 0;; ++waited) {
    if (condition()) return true;
    if (waited >= limitMs) return false;
    hl::Advance(1);
  }
}

int RunModal(ui::Form& form, const std::function<void(ui::Form&)>& whileShown) {
  hl::OnModal(whileShown);
  const int result = form.ShowModal();
  hl::OnModal(nullptr);
  return result;
}

void RunLoop(ui::Form& main, const std::function<void()>& whileRunning) {
  hl::SetLoopDriver([&] {
    whileRunning();
    if (main.Visible()) main.Close();
  });
  ui::RunMessageLoop(main);
  hl::SetLoopDriver(nullptr);
}

namespace {
void Shown(const ui::MenuItem& parent, const std::string& indent, std::vector<std::string>& lines) {
  for (const ui::MenuItem* item : parent.Items()) {
    if (!item->Visible()) continue;
    if (item->GetKind() == ui::MenuItem::Kind::Separator) {
      lines.push_back(indent + "-");
      continue;
    }
    lines.push_back(indent + (item->Checked() ? "[x] " : "") + item->Caption());
    if (item->GetKind() == ui::MenuItem::Kind::Submenu) Shown(*item, indent + "  ", lines);
  }
}
}  // namespace

std::vector<std::string> MenuShown(const ui::Form& form) {
  std::vector<std::string> lines;
  if (form.Menu()) Shown(*form.Menu(), "", lines);
  return lines;
}

std::vector<std::string> SystemMenuShown(const ui::Form& form) {
  std::vector<std::string> lines{"(standard)"};
  for (const ui::MenuItem* item : form.SystemMenuItems()) {
    if (!item->Visible()) continue;
    if (lines.size() == 1) lines.push_back("-");
    lines.push_back(item->GetKind() == ui::MenuItem::Kind::Separator
                        ? "-"
                        : (item->Checked() ? "[x] " : "") + item->Caption());
  }
  return lines;
}

void ChooseFromSystemMenu(ui::Form& form, ui::MenuItem& item) {
  hl::ChooseSystemMenuItem(form, item);
}

BoxSeen ShowBox(ui::Form* owner, const std::string& text, const std::string& caption,
                unsigned flags, Key) {
  BoxSeen seen;
  hl::OnMessageBox([&](const hl::ShownMessageBox& box) {
    seen.text = box.text;
    seen.caption = box.caption;
  });
  seen.answer = ui::ShowMessageBox(owner, text, caption, flags);
  hl::OnMessageBox(nullptr);
  return seen;
}

BoxSeen ShowBoxLeftAlone(ui::Form* owner, const std::string& text, const std::string& caption,
                         unsigned flags, unsigned limitMs) {
  BoxSeen seen;
  hl::OnMessageBox([&](const hl::ShownMessageBox&) {
    for (unsigned waited = 0; hl::OpenMessageBox() && waited < limitMs; ++waited) hl::Advance(1);
    seen.closedByItself = hl::OpenMessageBox() == nullptr;
  });
  seen.answer = ui::ShowMessageBox(owner, text, caption, flags);
  hl::OnMessageBox(nullptr);
  return seen;
}

std::optional<ui::Rect> OpenBoxButton() {
  const hl::ShownMessageBox* box = hl::OpenMessageBox();
  if (!box) return std::nullopt;
  return box->button;
}

void WriteProfileFile(const std::string& file, const std::string& bytes) {
  std::ofstream(hl::ProfilePath(file), std::ios::binary) << bytes;
}

void RemoveProfileFile(const std::string& file) { std::filesystem::remove(hl::ProfilePath(file)); }

}  // namespace contract
