#pragma once
// The music file window `openMuz`: a drive list (the mounted volumes), a
// folder list (the folder shown and its subfolders; ".." climbs up) and a
// file list of the folder's media files. A click on a file remembers its
// full path; "Открыть" plays it through the board's music control.
//
// The folder list's path is the caption of `lstDir`; its items are ".."
// (except at "/") and the subfolder names. The drive list's drive is the
// caption of `lstDrive`: the volume holding the folder shown. The file list
// holds the names of the folder's files that match kPattern.

#include <string>

#include "game/filesystem.h"
#include "game/form.h"

namespace game {

class OpenMuz : public Form {
public:
    explicit OpenMuz(Game& game);

    // Set by a click on a file; kept for the whole run, close box included.
    std::string filepath;
    std::string dirpath;

    // The file list's pattern: media files, compared without regard to case.
    static const char* const kPattern;
    static bool matchesPattern(const std::string& fileName);
    // A folder path and a name with exactly one "/" between them.
    static std::string joinPath(const std::string& folder, const std::string& name);

    // Replaces the disk (tests); a loaded window shows the current folder
    // of the new one.
    void useFileSystem(FileSystem& fs);

    void lstDrive_Change();
    void lstDir_Change();
    void lstFile_Click();
    void Command1_Click();
    void Command2_Click();
    void Form_Unload();

    bool click(const std::string& control) override;
    void listChanged(const std::string& control) override;
    void closeBox() override;

protected:
    void formLoad() override;

private:
    // Shows a folder in the folder and file lists and its volume in the
    // drive list. A folder that cannot be read changes nothing: false.
    bool showFolder(const std::string& path);
    // Puts the lists back on the folder shown (after a failed move).
    void restoreSelection();
    std::string driveOf(const std::string& path) const;
    void enableBoard();

    FileSystem* fs_;
    std::string folder_;  // the folder list's path
};

}  // namespace game
