#pragma once
// Where an installed program finds its own files and keeps its user's.
// Native paths (UTF-8, "/"), not program paths.

#include <string>

namespace platform {

// The folder of the running program's executable, or empty when unknown.
std::string ExecutableFolder();
// The user's data home: $XDG_DATA_HOME when it is an absolute path, else
// $HOME/.local/share; empty when neither can be told.
std::string DataHome();
// The user's configuration home: $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config; empty when neither can be told.
std::string ConfigHome();
// Moves a file, across file systems too (copied, then removed). False, with
// the file left where it was, when it could not be moved.
bool MoveFile(const std::string& from, const std::string& to);
// Makes a folder and the missing folders above it. True when it exists afterwards.
bool MakeFolders(const std::string& native);
bool FolderExists(const std::string& native);
// Copies the files and folders inside `from` into `to`, leaving any file
// that is already there as it is. False when something could not be copied.
bool CopyFolderContents(const std::string& from, const std::string& to);
// An absolute form of a native path, relative ones taken against the current folder.
std::string AbsolutePath(const std::string& native);
// The absolute path of the file the system means by `native`: its folder
// resolved by the file system (so "link/.." is the link target's parent, not
// the link's), its own name kept, a link included. A folder that cannot be
// resolved leaves the path absolute but otherwise as it was.
std::string ResolvedPath(const std::string& native);

}  // namespace platform
