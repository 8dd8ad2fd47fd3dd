#pragma once

#include <string>
#include <string_view>

namespace zq {

// Replaces the content of the file at `path` with `bytes` so that the file
// is never seen half-written: the bytes go to a new file in the same folder,
// reach the disk, and only then take the old file's place. A file that
// exists keeps its permissions; a symbolic link keeps pointing at the file
// it names, which is the one replaced. On any failure the old file is left
// as it was, nothing is left behind, and "Unable to write to %s" is raised
// with the path.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

// Makes an empty file beside `path` named as replacing names its temporary
// files, so that one left behind by a killed run is removed at the next
// start (see RemoveStaleTemporaries); its name. Raises the file system's
// error when it cannot be made.
std::string MakeTemporaryFileBeside(const std::string& path);

// Removes from `folder` the temporary files that replacing left behind
// because its program was killed before the rename: files named
// "<name>.tmp-<process id>-<number>" (and the journals SQLite keeps beside
// such a file) whose process no longer runs. Those of
// running programs (this one included) stay: they may be writing them.
// A file that cannot be removed is left; nothing is raised.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace zq
