#include "commandtable.h"

namespace {

constexpr CCommand kSeparator{nullptr, nullptr, nullptr, nullptr, nullptr};

}  // namespace

const std::vector<CMenuDef>& MenuTable() {
  static const std::vector<CMenuDef> table = {
      {"&File",
       {
           {"ID_FILE_NEW", "&New\tCtrl+N", "Ctrl+N", "document-new", "Create a new document"},
           {"ID_FILE_OPEN", "&Open...\tCtrl+O", "Ctrl+O", "document-open",
            "Open an existing document"},
           {"ID_FILE_CLOSE", "&Close", nullptr, nullptr, "Close the active document"},
           {"ID_FILE_SAVE", "&Save\tCtrl+S", "Ctrl+S", "document-save", "Save the active document"},
           {"ID_FILE_SAVE_AS", "Save &As...", nullptr, nullptr,
            "Save the active document with a new name"},
           kSeparator,
           {"ID_FILE_ANALYZE", "Analyze &Document", nullptr, nullptr,
            "Analyze the current document"},
           kSeparator,
           {"ID_FILE_PRINT", "&Print...\tCtrl+P", "Ctrl+P", "document-print",
            "Print the active document"},
           {"ID_FILE_PRINT_PREVIEW", "Print Pre&view", nullptr, "document-print-preview",
            "Display full pages"},
           {"ID_FILE_PRINT_SETUP", "P&rint Setup...", nullptr, nullptr,
            "Change the printer and printing options"},
           kSeparator,
           {"ID_FILE_MRU_FILE1", "Recent File", nullptr, nullptr, "Open this document"},
           kSeparator,
           {"ID_APP_EXIT", "E&xit", nullptr, nullptr,
            "Quit the application; prompts to save documents"},
       }},
      {"&Edit",
       {
           {"ID_EDIT_UNDO", "&Undo\tCtrl+Z", "Ctrl+Z", nullptr, "Undo the last action"},
           kSeparator,
           {"ID_EDIT_CUT", "Cu&t\tCtrl+X", "Ctrl+X", "edit-cut",
            "Cut the selection and put it on the Clipboard"},
           {"ID_EDIT_COPY", "&Copy\tCtrl+C", "Ctrl+C", "edit-copy",
            "Copy the selection and put it on the Clipboard"},
           {"ID_EDIT_PASTE", "&Paste\tCtrl+V", "Ctrl+V", "edit-paste", "Insert Clipboard contents"},
           {"ID_EDIT_PASTE_SPECIAL", "Paste &Special...", nullptr, nullptr,
            "Insert Clipboard contents with options"},
           kSeparator,
           {"ID_EDIT_SELECT_ALL", "Select &All\tCtrl+A", "Ctrl+A", nullptr,
            "Select the entire document"},
           kSeparator,
           {"ID_EDIT_FIND", "&Find...\tCtrl+F", "Ctrl+F", nullptr, "Find the specified text"},
           {"ID_EDIT_REPEAT", "Find &Next\tF3", "F3", nullptr, "Repeat the last search"},
           {"ID_EDIT_REPLACE", "R&eplace...\tCtrl+H", "Ctrl+H", nullptr,
            "Replace specific text with different text"},
       }},
      {"&View",
       {
           {"ID_VIEW_TOOLBAR", "&Main Toolbar", nullptr, nullptr, "Show or hide the main toolbar"},
           {"ID_VIEW_FORMATBAR", "&Formatting Toolbar", nullptr, nullptr,
            "Show or hide the formatting toolbar"},
           {"ID_VIEW_STATUS_BAR", "&Status Bar", nullptr, nullptr, "Show or hide the status bar"},
       }},
      {"F&ormat",
       {
           {"ID_CHAR_BOLD", "&Bold\tCtrl+B", "Ctrl+B", "format-text-bold", "Make the selection bold"},
           {"ID_CHAR_ITALIC", "&Italic\tCtrl+I", "Ctrl+I", "format-text-italic",
            "Make the selection italic"},
           {"ID_CHAR_UNDERLINE", "&Underline\tCtrl+U", "Ctrl+U", "format-text-underline",
            "Underline the selection"},
           kSeparator,
           {"ID_FORMAT_FONT", "&Font...", nullptr, nullptr, "Change the font of the selection"},
           {"ID_FORMAT_PIQAD", "&pIqaD\tF2", "F2", "vek-piqad",
            "Toggle pIqaD formatting"},
       }},
      {"&Language",
       {
           {"ID_LANGUAGE_SPELLCHECK", "S&pell Check...\tCtrl-F7", "Ctrl+F7",
            "tools-check-spelling", "Check the spelling of the active document"},
           {"ID_LANGUAGE_TRANSLATE", "&Translate...\tF7", "F7", nullptr,
            "Analyze words and show their meanings"},
           {"ID_LANGUAGE_SEARCHLEXICON", "Search &Lexicon...\tF8", "F8", nullptr,
            "Search the lexicon for Klingon or English words"},
           {"ID_LANGUAGE_SEARCHCANON", "Search &Canon...\tF9", "F9", nullptr,
            "Search the canon sentences"},
           kSeparator,
           {"ID_LANGUAGE_CHATTERBOT", "C&hatterbot\tF5", "F5", nullptr,
            "Talk with the Klingon-speaking robot"},
           {"ID_LANGUAGE_FLASHCARDS", "&Flashcards\tF10", "F10", nullptr,
            "Practise vocabulary with flashcards"},
           {"ID_LANGUAGE_LESSONS", "L&essons\tF11", "F11", nullptr,
            "Take the lessons and tests of the course"},
       }},
      {"&Utilities",
       {
           {"ID_UTILITIES_MODIFYLEXICON", "&Modify Lexicon...\tCtrl-M", "Ctrl+M", nullptr,
            "Add, change or remove lexicon entries"},
           {"ID_UTILITIES_ROBOTRULES", "&Robot Rule Editor...\tCtrl-R", "Ctrl+R", nullptr,
            "Edit the rules of the chatterbot"},
           {"ID_UTILITIES_LESSONEDITOR", "&Lesson Editor...\tCtrl-L", "Ctrl+L", nullptr,
            "Write and change lessons and their questions"},
           {"ID_UTILITIES_CANONEDITOR", "&Canon Editor...\tCtrl-E", "Ctrl+E", nullptr,
            "Add, change or remove canon sentences"},
       }},
      {"&Window",
       {
           {"ID_WINDOW_CASCADE", "&Cascade", nullptr, nullptr,
            "Arrange windows so they overlap"},
           {"ID_WINDOW_TILE_HORZ", "&Tile", nullptr, nullptr,
            "Arrange windows as non-overlapping tiles"},
           {"ID_WINDOW_ARRANGE", "&Arrange Icons", nullptr, nullptr,
            "Arrange minimized windows at the bottom of the window"},
       }},
      {"&Help",
       {
           {"ID_HELP_NOUNSUFFIXES", "&Noun Suffixes\tCtrl+1", "Ctrl+1", nullptr,
            "View noun suffixes"},
           {"ID_HELP_VERBPREFIXES", "Verb &Prefixes\tCtrl+2", "Ctrl+2", nullptr,
            "View verb prefixes"},
           {"ID_HELP_VERBSUFFIXES", "Verb &Suffixes\tCtrl+3", "Ctrl+3", nullptr,
            "View verb suffixes"},
           {"ID_HELP_VERBPREFIXCHART", "Verb Prefix &Chart\tCtrl+4", "Ctrl+4", nullptr,
            "View verb prefix chart"},
           kSeparator,
           {"ID_HELP_CONTENTS", "&Help Contents\tF1", "F1", "help-contents",
            "Open the user guide"},
           {"ID_APP_ABOUT", "&About Vekmor...", nullptr, "help-about",
            "Display program information, version number and copyright"},
       }},
  };
  return table;
}

const std::vector<CCommand>& KeyOnlyCommands() {
  static const std::vector<CCommand> commands = {
      {"ID_FONT_LARGER", "Larger Font", "Ctrl+Shift+.", nullptr, "Make the selection's font larger"},
      {"ID_FONT_SMALLER", "Smaller Font", "Ctrl+Shift+,", nullptr,
       "Make the selection's font smaller"},
      {"ID_TRANSLATE_SELECTION", "Translate Selection", "Shift+F7", nullptr,
       "Translate the selected words"},
  };
  return commands;
}

const std::vector<const char*>& MainToolBarButtons() {
  static const std::vector<const char*> buttons = {
      "ID_FILE_NEW",  "ID_FILE_OPEN", "ID_FILE_SAVE",  nullptr,
      "ID_FILE_PRINT", "ID_FILE_PRINT_PREVIEW", nullptr, "ID_EDIT_CUT",
      "ID_EDIT_COPY", "ID_EDIT_PASTE", "ID_LANGUAGE_SPELLCHECK", "ID_APP_ABOUT",
  };
  return buttons;
}

const std::vector<const char*>& FormatToolBarButtons() {
  static const std::vector<const char*> buttons = {
      "ID_CHAR_BOLD", "ID_CHAR_ITALIC", "ID_CHAR_UNDERLINE", "ID_FORMAT_PIQAD"};
  return buttons;
}
