// File functions of the ert compile workflow. Failures are told to the user
// through Notify; texts are Windows-1251 bytes, paths are native.
#pragma once

#include <filesystem>
#include <string>

// True when the path names an existing file or directory; a path that ends
// in "/" names none. When it does not and bReport is set, says
// "Файл не найден: " and the path.
bool FileExists(const std::filesystem::path& path, bool bReport);

// The whole file up to its first zero byte, or the empty text after a
// reported failure. bBlankStart turns the first two bytes into blanks before
// the cut (the length prefix of a "Dialog Stream" dump). The reports name
// the file as shownName, or by its path when shownName is empty.
std::string ReadWholeFile(const std::filesystem::path& path, bool bBlankStart, const std::string& shownName = {});

// Writes text as the whole new content of path. The file is replaced in one
// step, so it is either complete or left as it was; false when it could not
// be written.
bool WriteTextFile(const std::filesystem::path& path, const std::string& text);

// Copies the tree below source into target, overwriting files there and
// keeping others. Skips names of at most two characters and files whose name
// ends in "exe"; a failed copy says "Error N " and the system error number.
void CopyDirectoryTree(const std::filesystem::path& source, const std::filesystem::path& target);

// A path as Windows-1251 text for messages; characters the code page cannot
// hold are shown as "?".
std::string PathText(const std::filesystem::path& path);

// The text without trailing "/", except that a lone "/" stays.
std::string StripTrailingSlashes(std::string path);
