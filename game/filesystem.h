#pragma once
// The file system as the music file window sees it: the mounted volumes
// (the drive list), the subfolders and the files of a folder. The window
// reaches the disk only through this interface, so tests can hand it a
// fake one. Nothing here throws: a folder that cannot be read is reported
// as std::nullopt and the window keeps its lists where they were.

#include <optional>
#include <string>
#include <vector>

namespace game {

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The program's current folder, absolute ("/" when it cannot be found).
    virtual std::string currentFolder() = 0;
    // The mount points of the mounted volumes; "/" is always among them.
    virtual std::vector<std::string> drives() = 0;
    // Names (not paths) of a folder's subfolders and of its files.
    virtual std::optional<std::vector<std::string>> subfolders(const std::string& path) = 0;
    virtual std::optional<std::vector<std::string>> files(const std::string& path) = 0;
};

// The disk of the machine, through std::filesystem and /proc/mounts.
FileSystem& realFileSystem();

// The mount points of real file systems listed in a /proc/mounts text:
// "/" first, then the others sorted, without pseudo file systems (proc,
// tmpfs, cgroup...) and without repeats. Escapes such as "\040" (a blank)
// are decoded.
std::vector<std::string> mountPoints(const std::string& procMounts);

}  // namespace game
