#pragma once
// The menus of the main window: every command with its text (mnemonic and key
// hint), its shortcut, its toolbar image and its status bar prompt.
#include <vector>

struct CCommand {
  // Object name of the command's action; nullptr marks a separator.
  const char* pszId;
  // Menu text: "&New\tCtrl+N".
  const char* pszText;
  // Shortcut in QKeySequence's portable form, or nullptr.
  const char* pszKeys;
  // Desktop theme icon name, or nullptr for a command without a toolbar image.
  const char* pszIcon;
  // Shown in the status bar while the entry is highlighted.
  const char* pszPrompt;
};

struct CMenuDef {
  const char* pszTitle;
  std::vector<CCommand> commands;
};

// The menu bar from left to right.
const std::vector<CMenuDef>& MenuTable();
// Commands reached only by their keys.
const std::vector<CCommand>& KeyOnlyCommands();

// Buttons of the two toolbars, by command id; nullptr is a separator. The
// format toolbar's font boxes come first and are not commands.
const std::vector<const char*>& MainToolBarButtons();
const std::vector<const char*>& FormatToolBarButtons();
