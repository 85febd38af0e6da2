#pragma once
// Where the shipped data files are. A build folder or an unpacked copy keeps
// them beside the programs; an installed copy keeps them in share/vekmor
// beside its bin folder, so any install prefix works.
#include <string>

namespace datafile {

// The installed data folder, relative to the programs' folder.
inline constexpr char kInstalledDataFolder[] = "../share/vekmor/";

// The folder of the shipped data for programs in `exeDir`: `exeDir` when it
// holds lexicon.klx, else the installed folder when that does, else `exeDir`.
// The result is absolute when `exeDir` is, normalised, and ends in '/'.
std::string FindShippedDataFolder(const std::string& exeDir);

}  // namespace datafile
