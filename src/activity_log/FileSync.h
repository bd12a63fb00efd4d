#pragma once

#include <string>

namespace zk {

// A file's new name or a new file is on disk only once its folder is: after a
// rename or a create that must survive a power cut, the folder is synced too.
// Throws zk::FileError (Sync, naming the folder) when the folder cannot be.
void SyncFolderOf(const std::string &path);

} // namespace zk
