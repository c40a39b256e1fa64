#pragma once
// The start-with-Windows setting: config.ini beside the executable and the
// shortcut in the user's Startup folder.
#include <string>
#include <string_view>

// The program's name, as the shortcut and the window title show it.
inline constexpr const char* kProgramName = "‘铜鹭’自动关机助手";

// Appends a backslash unless the directory already ends in one.
std::string NormaliseRunDirectory(std::string directory);

// Directory of this executable, ending in a backslash.
std::string ReadRunDirectory();

// File name of this executable without its directory.
std::string ExecutableFileName();

// The value of kaiji in section peizhi of runDirectory + "config.ini"
// (empty when the file or key is missing or cannot be read).
std::string ReadStartWithWindowsValue(const std::string& runDirectory);

// True only when the stored value is exactly "真".
bool WantsStartWithWindows(const std::string& runDirectory);

// Writes kaiji = "真". Failures are ignored by the caller.
bool WriteStartWithWindows(const std::string& runDirectory);

// The current user's Startup folder (empty when unknown).
std::string StartupFolder();

// Creates or overwrites startupFolder\name.lnk pointing at `target` and
// tells the shell. Does nothing when `target` is not an existing file.
// Returns whether the shortcut was saved.
bool RegisterStartWithWindows(const std::string& name, const std::string& target,
                              const std::string& startupFolder);

inline constexpr const char* kConfigFileName = "config.ini";
inline constexpr const char* kConfigSection = "peizhi";
inline constexpr const char* kConfigKey = "kaiji";
inline constexpr const char* kStartWithWindowsValue = "真";
