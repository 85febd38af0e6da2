#pragma once
// Names the program is known by: the window caption, and where its settings live.
inline constexpr char kAppTitle[] = "Vekmor for Windows 2.1";
inline constexpr char kSettingsOrganisation[] = "Halden";
