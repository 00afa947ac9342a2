#include "game/filesystem.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace game {

namespace {

namespace fs = std::filesystem;

// Volumes a player may keep files on: disks, discs, sticks, network shares
// and a container's root. Everything else in /proc/mounts is the kernel's.
const std::set<std::string> kRealTypes = {
    "ext2", "ext3", "ext4", "xfs", "btrfs", "zfs", "f2fs", "jfs", "reiserfs", "vfat", "msdos", "exfat",
    "ntfs", "ntfs3", "fuseblk", "iso9660", "udf", "hfs", "hfsplus", "nfs", "nfs4", "cifs", "smb3", "9p",
    "virtiofs", "overlay", "fuse.sshfs",
};

// /proc/mounts writes blanks, tabs, newlines and backslashes as \ooo.
std::string unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size()) {
            const std::string oct = s.substr(i + 1, 3);
            if (std::all_of(oct.begin(), oct.end(), [](char c) { return c >= '0' && c <= '7'; })) {
                out += static_cast<char>(std::stoi(oct, nullptr, 8));
                i += 3;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

bool hidden(const std::string& name) { return !name.empty() && name[0] == '.'; }

// Lists the entries of a folder that pass the test; nullopt when the
// folder cannot be opened.
template <typename Test>
std::optional<std::vector<std::string>> list(const std::string& path, Test test) {
    std::error_code ec;
    fs::directory_iterator it(fs::path(path), fs::directory_options::skip_permission_denied, ec);
    if (ec) return std::nullopt;
    std::vector<std::string> names;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        const std::string name = it->path().filename().string();
        if (hidden(name)) continue;
        std::error_code sec;
        if (test(it->path(), sec) && !sec) names.push_back(name);
    }
    if (ec) return std::nullopt;
    std::sort(names.begin(), names.end());
    return names;
}

class RealFileSystem : public FileSystem {
public:
    std::string currentFolder() override {
        std::error_code ec;
        const fs::path p = fs::current_path(ec);
        return ec || p.empty() ? std::string("/") : p.string();
    }

    std::vector<std::string> drives() override {
        std::ifstream in("/proc/mounts");
        std::stringstream text;
        text << in.rdbuf();
        std::vector<std::string> result;
        for (const std::string& m : mountPoints(text.str())) {
            std::error_code ec;
            // Containers bind single files (/etc/hosts); only folders are drives.
            if (m == "/" || fs::is_directory(m, ec)) result.push_back(m);
        }
        return result;
    }

    std::optional<std::vector<std::string>> subfolders(const std::string& path) override {
        return list(path, [](const fs::path& p, std::error_code& ec) { return fs::is_directory(p, ec); });
    }

    std::optional<std::vector<std::string>> files(const std::string& path) override {
        return list(path, [](const fs::path& p, std::error_code& ec) { return fs::is_regular_file(p, ec); });
    }
};

}  // namespace

std::vector<std::string> mountPoints(const std::string& procMounts) {
    std::set<std::string> others;
    std::istringstream lines(procMounts);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device, point, type;
        if (!(fields >> device >> point >> type)) continue;
        point = unescape(point);
        if (point.empty() || point[0] != '/' || point == "/" || !kRealTypes.count(type)) continue;
        while (point.size() > 1 && point.back() == '/') point.pop_back();
        others.insert(point);
    }
    std::vector<std::string> result{"/"};
    result.insert(result.end(), others.begin(), others.end());
    return result;
}

FileSystem& realFileSystem() {
    static RealFileSystem real;
    return real;
}

}  // namespace game
