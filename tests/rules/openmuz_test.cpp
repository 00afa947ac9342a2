// The music file window: drive, folder and file lists over a fake disk, the
// remembered path, "Открыть", "Отмена" and the close box; and the real disk
// behind the lists.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include <unistd.h>

#include "game/board.h"
#include "game/filesystem.h"
#include "game/game.h"
#include "game/openmuz.h"
#include "support/scripted_ports.h"

using namespace testing_support;
using Names = std::vector<std::string>;

namespace {

// A disk in memory: folders with their subfolders and files; some cannot
// be read.
struct FakeDisk : game::FileSystem {
    std::string current = "/home/anna/music";
    Names volumes{"/", "/home", "/media/usb"};
    std::map<std::string, std::pair<Names, Names>> folders{
        {"/", {{"home", "media"}, {"boot.mid", "notes.txt"}}},
        {"/home", {{"anna"}, {}}},
        {"/home/anna", {{"music"}, {"todo.txt"}}},
        {"/home/anna/music", {{"rock"}, {"a.MID", "b.Mp3", "c.txt", "d.midi", "e.rm", "f.rmvb", "noext", "X.WaV"}}},
        {"/home/anna/music/rock", {{}, {"loud.ogg"}}},
        {"/media", {{"usb", "dvd"}, {}}},
        {"/media/dvd", {{}, {}}},
    };
    std::set<std::string> unreadable{"/media/usb", "/media/dvd"};

    std::string currentFolder() override { return current; }
    Names drives() override { return volumes; }
    std::optional<Names> subfolders(const std::string& p) override {
        if (unreadable.count(p) || !folders.count(p)) return std::nullopt;
        return folders[p].first;
    }
    std::optional<Names> files(const std::string& p) override {
        if (unreadable.count(p) || !folders.count(p)) return std::nullopt;
        return folders[p].second;
    }
};

class OpenMuz : public ::testing::Test {
protected:
    FakeDisk disk;
    Harness h;
    game::Board* b = nullptr;
    game::OpenMuz* w = nullptr;

    explicit OpenMuz(bool silent = false) : h(silent) {}
    void SetUp() override {
        h.startGame();
        b = &h.game.torgal();
        w = &h.game.openMuz();
        w->useFileSystem(disk);
        h.music.commands.clear();
        h.game.menu("open");
    }
    const game::Control& list(const char* name) { return *w->find(name); }
    void pick(const char* control, const std::string& item) {
        ASSERT_TRUE(h.chooseItem("openMuz", control, item)) << control << " has no " << item;
    }
};

TEST_F(OpenMuz, opensAtTheCurrentFolderWithTheBoardDisabled) {
    EXPECT_TRUE(w->visible());
    EXPECT_FALSE(b->enabled());
    EXPECT_EQ(list("lstDrive").caption, "/home");
    EXPECT_EQ(list("lstDrive").items, (Names{"/", "/home", "/media/usb"}));
    EXPECT_EQ(list("lstDir").caption, "/home/anna/music");
    EXPECT_EQ(list("lstDir").items, (Names{"..", "rock"}));
}

TEST_F(OpenMuz, fileListShowsOnlyMediaFilesWhateverTheCaseOfTheirNames) {
    EXPECT_EQ(list("lstFile").items, (Names{"a.MID", "b.Mp3", "e.rm", "X.WaV"}));
    for (const char* ext : {"dig", "w64", "pca", "rm", "raw", "mov", "ogg", "au", "ivc", "vox", "aif", "mid",
                            "mp3", "avi", "mpg", "wav", "wma"}) {
        EXPECT_TRUE(game::OpenMuz::matchesPattern(std::string("song.") + ext)) << ext;
        std::string upper = std::string("SONG.") + ext;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(game::OpenMuz::matchesPattern(upper)) << upper;
    }
    for (const char* name : {"song.midi", "song.mid.txt", "mid", ".mp", "song.au2", "song"})
        EXPECT_FALSE(game::OpenMuz::matchesPattern(name)) << name;
    EXPECT_TRUE(game::OpenMuz::matchesPattern(".mid"));
}

TEST_F(OpenMuz, aFileClickRemembersItsPathWithExactlyOneSlash) {
    pick("lstFile", "b.Mp3");
    EXPECT_EQ(w->filepath, "/home/anna/music/b.Mp3");
    EXPECT_EQ(w->dirpath, "/home/anna/music");
    EXPECT_TRUE(h.music.commands.empty());  // nothing plays yet

    // The root folder already ends in the separator.
    pick("lstDrive", "/");
    pick("lstFile", "boot.mid");
    EXPECT_EQ(w->filepath, "/boot.mid");
    EXPECT_EQ(w->dirpath, "/");
    EXPECT_EQ(game::OpenMuz::joinPath("/media/usb", "x.mid"), "/media/usb/x.mid");
}

TEST_F(OpenMuz, foldersAreEnteredAndLeftAndTheFileListFollows) {
    pick("lstDir", "rock");
    EXPECT_EQ(list("lstDir").caption, "/home/anna/music/rock");
    EXPECT_EQ(list("lstDir").items, (Names{".."}));
    EXPECT_EQ(list("lstFile").items, (Names{"loud.ogg"}));
    pick("lstFile", "loud.ogg");
    EXPECT_EQ(w->filepath, "/home/anna/music/rock/loud.ogg");

    // Climbing above a volume's top folder moves the drive list to the
    // volume that holds the folder.
    pick("lstDir", "..");
    pick("lstDir", "..");
    pick("lstDir", "..");
    EXPECT_EQ(list("lstDir").caption, "/home");
    EXPECT_EQ(list("lstDrive").caption, "/home");
    pick("lstDir", "..");
    EXPECT_EQ(list("lstDir").caption, "/");
    EXPECT_EQ(list("lstDrive").caption, "/");
    EXPECT_EQ(list("lstDir").items, (Names{"home", "media"}));  // no ".." at the root
    EXPECT_EQ(list("lstFile").items, (Names{"boot.mid"}));
    // Entering a folder does not change the remembered file.
    EXPECT_EQ(w->filepath, "/home/anna/music/rock/loud.ogg");
}

TEST_F(OpenMuz, theCurrentFoldersDriveLeadsBackToTheCurrentFolderAnyOtherDriveToItsTop) {
    pick("lstDir", "rock");
    pick("lstDrive", "/");
    EXPECT_EQ(list("lstDir").caption, "/");
    pick("lstDrive", "/home");
    EXPECT_EQ(list("lstDir").caption, "/home/anna/music");
    EXPECT_EQ(list("lstDrive").caption, "/home");
    EXPECT_EQ(list("lstFile").items, (Names{"a.MID", "b.Mp3", "e.rm", "X.WaV"}));
}

TEST_F(OpenMuz, aDriveOrFolderThatCannotBeReadLeavesTheListsWhereTheyWere) {
    pick("lstFile", "a.MID");
    const game::Control before = list("lstFile");
    pick("lstDrive", "/media/usb");
    EXPECT_EQ(list("lstDrive").caption, "/home");
    EXPECT_EQ(list("lstDrive").listIndex, 1);
    EXPECT_EQ(list("lstDir").caption, "/home/anna/music");
    EXPECT_EQ(list("lstFile").items, before.items);
    EXPECT_EQ(list("lstFile").listIndex, before.listIndex);

    pick("lstDrive", "/");
    pick("lstDir", "media");
    pick("lstDir", "dvd");
    EXPECT_EQ(list("lstDir").caption, "/media");
    EXPECT_EQ(list("lstDir").listIndex, -1);
    EXPECT_EQ(list("lstDir").items, (Names{"..", "usb", "dvd"}));
    EXPECT_TRUE(h.dialogs.boxes.empty());
    EXPECT_EQ(w->filepath, "/home/anna/music/a.MID");
}

TEST_F(OpenMuz, openPlaysTheFileWithoutStopAndLeavesNoMusicItemChecked) {
    h.game.menu("nomus");  // impossible while the window is open; the model allows it
    b->mtrack(9).value = true;
    h.music.commands.clear();
    pick("lstFile", "a.MID");
    h.game.click("openMuz", "Command1");
    EXPECT_EQ(h.music.commands, (std::vector<std::string>{"FileName=/home/anna/music/a.MID", "open", "play"}));
    EXPECT_FALSE(b->find("nomus")->value);
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(b->mtrack(i).value);
    EXPECT_TRUE(b->enabled());
    EXPECT_FALSE(w->visible());
}

TEST_F(OpenMuz, openBeforeAnyFileClickSendsAnEmptyFileName) {
    h.game.click("openMuz", "Command1");
    EXPECT_EQ(h.music.commands, (std::vector<std::string>{"FileName=", "open", "play"}));
    EXPECT_FALSE(b->mtrack(0).value);
    EXPECT_TRUE(b->enabled());
    EXPECT_TRUE(h.dialogs.boxes.empty());
}

TEST_F(OpenMuz, cancelChangesNeitherMusicNorMarksAndKeepsTheListsForNextTime) {
    pick("lstDir", "rock");
    pick("lstFile", "loud.ogg");
    h.game.click("openMuz", "Command2");
    EXPECT_TRUE(h.music.commands.empty());
    EXPECT_TRUE(b->mtrack(0).value);
    EXPECT_TRUE(b->enabled());
    EXPECT_FALSE(w->visible());

    h.game.menu("open");
    EXPECT_EQ(list("lstDir").caption, "/home/anna/music/rock");
    EXPECT_EQ(list("lstFile").caption, "loud.ogg");
}

TEST_F(OpenMuz, closeBoxBringsTheListsBackButKeepsTheRememberedFile) {
    pick("lstDir", "rock");
    pick("lstFile", "loud.ogg");
    h.game.close("openMuz");
    EXPECT_TRUE(b->enabled());
    EXPECT_FALSE(w->visible());
    EXPECT_TRUE(h.music.commands.empty());

    h.game.menu("open");
    EXPECT_FALSE(b->enabled());
    EXPECT_EQ(list("lstDir").caption, "/home/anna/music");
    EXPECT_EQ(list("lstFile").listIndex, -1);
    EXPECT_EQ(w->filepath, "/home/anna/music/rock/loud.ogg");
    EXPECT_EQ(w->dirpath, "/home/anna/music/rock");
    h.game.click("openMuz", "Command1");
    EXPECT_EQ(h.music.commands, (std::vector<std::string>{"FileName=/home/anna/music/rock/loud.ogg", "open", "play"}));
}

TEST_F(OpenMuz, anUnreadableCurrentFolderOpensWithEmptyLists) {
    h.game.close("openMuz");
    disk.unreadable.insert("/home/anna/music");
    h.game.menu("open");
    EXPECT_EQ(list("lstDir").caption, "/home/anna/music");
    EXPECT_TRUE(list("lstDir").items.empty());
    EXPECT_TRUE(list("lstFile").items.empty());
    EXPECT_EQ(list("lstDrive").caption, "/home");
    pick("lstDrive", "/");
    EXPECT_EQ(list("lstFile").items, (Names{"boot.mid"}));
}

class SilentOpenMuz : public OpenMuz {
protected:
    SilentOpenMuz() : OpenMuz(true) {}
};

TEST_F(SilentOpenMuz, openDoesNothingAndCancelLeadsBackToTheBoard) {
    pick("lstFile", "a.MID");
    EXPECT_EQ(w->filepath, "/home/anna/music/a.MID");
    h.game.click("openMuz", "Command1");
    EXPECT_TRUE(w->visible());
    EXPECT_FALSE(b->enabled());
    EXPECT_TRUE(b->mtrack(0).value);
    h.game.click("openMuz", "Command2");
    EXPECT_FALSE(w->visible());
    EXPECT_TRUE(b->enabled());
}

TEST(Volumes, onlyRealFileSystemsAreDrivesWithTheRootFirst) {
    const std::string mounts =
        "proc /proc proc rw 0 0\n"
        "sysfs /sys sysfs rw 0 0\n"
        "/dev/sdb1 /media/anna/My\\040Music vfat rw 0 0\n"
        "tmpfs /dev/shm tmpfs rw 0 0\n"
        "/dev/sda2 /home ext4 rw 0 0\n"
        "/dev/sda1 / ext4 rw 0 0\n"
        "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
        "/dev/sda2 /home ext4 rw 0 0\n"
        "server:/music /net/music nfs4 rw 0 0\n"
        "garbage\n";
    EXPECT_EQ(game::mountPoints(mounts), (Names{"/", "/home", "/media/anna/My Music", "/net/music"}));
    EXPECT_EQ(game::mountPoints(""), (Names{"/"}));
}

TEST(RealDisk, listsSortedVisibleEntriesAndReportsWhatCannotBeRead) {
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("torgalia-openmuz-" + std::to_string(::getpid()));
    fs::create_directories(root / "b-folder");
    fs::create_directories(root / "a-folder");
    fs::create_directories(root / ".hidden");
    for (const char* f : {"z.mid", "A.MP3", ".secret.mid"}) std::ofstream(root / f) << "x";

    game::FileSystem& disk = game::realFileSystem();
    EXPECT_EQ(disk.subfolders(root.string()), (Names{"a-folder", "b-folder"}));
    EXPECT_EQ(disk.files(root.string()), (Names{"A.MP3", "z.mid"}));
    EXPECT_EQ(disk.subfolders((root / "missing").string()), std::nullopt);
    EXPECT_EQ(disk.files((root / "z.mid").string()), std::nullopt);
    EXPECT_EQ(disk.drives().front(), "/");
    EXPECT_FALSE(disk.currentFolder().empty());
    fs::remove_all(root);
}

}  // namespace
