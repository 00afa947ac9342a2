#include "game/openmuz.h"

#include <algorithm>
#include <sstream>

#include "game/game.h"

namespace game {

const char* const OpenMuz::kPattern =
    "*.dig;*.w64;*.pca;*.rm;*.raw;*.mov;*.ogg;*.au;*.ivc;*.vox;*.aif;*.mid;*.mp3;*.avi;*.mpg;*.wav;*.wma";

namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A wildcard match ('*' any run, '?' one character), ASCII letters
// compared without regard to case.
bool wildcard(const std::string& pattern, const std::string& name) {
    std::size_t p = 0, n = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || lower(pattern[p]) == lower(name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::string parentOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return "/";
    return path.substr(0, slash);
}

}  // namespace

bool OpenMuz::matchesPattern(const std::string& fileName) {
    std::istringstream patterns(kPattern);
    std::string one;
    while (std::getline(patterns, one, ';'))
        if (wildcard(one, fileName)) return true;
    return false;
}

std::string OpenMuz::joinPath(const std::string& folder, const std::string& name) {
    // A root folder already ends in the separator.
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

OpenMuz::OpenMuz(Game& game) : Form(game, "openMuz"), fs_(&realFileSystem()) {
    title = "Открыть";
    clientWidth = 7080;
    clientHeight = 3555;

    Control& drive = add("lstDrive", Kind::ComboBox, 240, 360, 2295, 315);
    drive.tabIndex = 1;
    drive.backColor = kSysWindow;
    drive.foreColor = kSysWindowText;
    Control& dir = add("lstDir", Kind::ListBox, 240, 720, 2295, 2565);
    dir.tabIndex = 2;
    dir.backColor = kSysWindow;
    dir.foreColor = kSysWindowText;
    Control& file = add("lstFile", Kind::ListBox, 2640, 360, 2535, 3015);
    file.tabIndex = 0;
    file.backColor = kSysWindow;
    file.foreColor = kSysWindowText;

    Font buttons;
    buttons.family = "Arial";
    buttons.points = 11.25;
    buttons.bold = true;
    Control& ok = add("Command1", Kind::Button, 5400, 360, 1455, 495);
    ok.caption = "Открыть";
    ok.font = buttons;
    ok.tabIndex = 3;
    Control& cancel = add("Command2", Kind::Button, 5400, 960, 1455, 495);
    cancel.caption = "Отмена";
    cancel.font = buttons;
    cancel.tabIndex = 4;

    addVar("filepath", filepath);
    addVar("dirpath", dirpath);
    keepDesign();
}

void OpenMuz::useFileSystem(FileSystem& fs) {
    fs_ = &fs;
    if (loaded()) formLoad();
}

// Each loading starts at the program's current folder and its volume.
void OpenMuz::formLoad() {
    Control& drive = *find("lstDrive");
    drive.items = fs_->drives();
    folder_ = fs_->currentFolder();
    if (!showFolder(folder_)) {
        // The current folder cannot be read: the lists stay empty.
        find("lstDir")->caption = folder_;
        restoreSelection();
    }
}

std::string OpenMuz::driveOf(const std::string& path) const {
    std::string best = "/";
    for (const std::string& d : find("lstDrive")->items) {
        const bool holds = d == "/" || path == d || path.rfind(d + "/", 0) == 0;
        if (holds && d.size() > best.size()) best = d;
    }
    return best;
}

bool OpenMuz::showFolder(const std::string& path) {
    auto subs = fs_->subfolders(path);
    if (!subs) return false;
    auto names = fs_->files(path);
    if (!names) return false;

    folder_ = path;
    Control& dir = *find("lstDir");
    dir.caption = path;
    dir.items.clear();
    if (path != "/") dir.items.push_back("..");
    dir.items.insert(dir.items.end(), subs->begin(), subs->end());
    dir.listIndex = -1;

    Control& file = *find("lstFile");
    file.items.clear();
    for (const std::string& n : *names)
        if (matchesPattern(n)) file.items.push_back(n);
    file.listIndex = -1;
    file.caption.clear();

    restoreSelection();
    return true;
}

void OpenMuz::restoreSelection() {
    Control& drive = *find("lstDrive");
    const std::string d = driveOf(folder_);
    auto it = std::find(drive.items.begin(), drive.items.end(), d);
    if (it == drive.items.end()) it = drive.items.insert(drive.items.begin(), d);
    drive.listIndex = static_cast<int>(it - drive.items.begin());
    drive.caption = d;
    Control& dir = *find("lstDir");
    dir.caption = folder_;
    dir.listIndex = -1;
}

// The folder list follows the chosen volume to its current folder, and the
// file list follows the folder list. A volume has no current folder of its
// own: the one that holds the program's current folder leads back there,
// any other to its top folder. A volume that cannot be read (a drive
// without a disc) leaves all three lists as they were.
void OpenMuz::lstDrive_Change() {
    const Control& drive = *find("lstDrive");
    if (drive.listIndex < 0) return restoreSelection();
    const std::string current = fs_->currentFolder();
    const std::string target = driveOf(current) == drive.caption ? current : drive.caption;
    if (!showFolder(target)) restoreSelection();
}

// A subfolder or ".." was chosen in the folder list.
void OpenMuz::lstDir_Change() {
    const Control& dir = *find("lstDir");
    if (dir.listIndex < 0) return;
    const std::string& item = dir.items[static_cast<std::size_t>(dir.listIndex)];
    const std::string target = item == ".." ? parentOf(folder_) : joinPath(folder_, item);
    if (!showFolder(target)) restoreSelection();
}

void OpenMuz::lstFile_Click() {
    const Control& file = *find("lstFile");
    if (file.listIndex < 0) return;  // no file is selected: nothing to remember
    dirpath = folder_;
    filepath = joinPath(dirpath, file.items[static_cast<std::size_t>(file.listIndex)]);
}

void OpenMuz::enableBoard() {
    if (Form* board = game().existing("torgal")) board->setEnabled(true);
}

// Plays the remembered file. The silent program has no control to give it
// to: the button does nothing there, and the window stays open.
void OpenMuz::Command1_Click() {
    Music* mp = game().mp();
    if (!mp) return;
    mp->setFileName(filepath);
    if (Form* board = game().existing("torgal")) {
        board->find("nomus")->value = false;
        for (int i = 0; i < 10; ++i) board->find("mtrack(" + std::to_string(i) + ")")->value = false;
    }
    enableBoard();
    hide();
    mp->command("open");
    mp->command("play");
}

void OpenMuz::Command2_Click() {
    enableBoard();
    hide();
}

// The close box: as "Отмена", then the window is unloaded; its lists come
// back at the current folder next time, filepath and dirpath stay.
void OpenMuz::Form_Unload() {
    Command2_Click();
    unload();
}

bool OpenMuz::click(const std::string& control) {
    if (control == "Command1") Command1_Click();
    else if (control == "Command2") Command2_Click();
    else if (control == "lstFile") lstFile_Click();
    return true;
}

void OpenMuz::listChanged(const std::string& control) {
    if (control == "lstDrive") lstDrive_Change();
    else if (control == "lstDir") lstDir_Change();
    else if (control == "lstFile") lstFile_Click();
}

void OpenMuz::closeBox() { Form_Unload(); }

}  // namespace game
