#pragma once
// The window for choosing a music file. The generic layer draws the drive
// list and the file list; this class adds their icons and draws the folder
// list as a folder tree: the folders from "/" down to the folder shown
// (open), and its subfolders below it. Double-clicking (or Enter on) a
// subfolder enters it, on one of the folders above climbs up to it.

#include <string>
#include <vector>

#include "forms/formwindow.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace forms {

class OpenMuzForm : public FormWindow {
    Q_OBJECT
public:
    OpenMuzForm(Screen& screen, game::Form& form, QWidget* owner);

protected:
    QWidget* createWidget(game::Control& c) override;
    void renderControl(const game::Control& c, QWidget* w) override;

private:
    void renderFolders(const game::Control& c, QTreeWidget* tree);
    void renderDrives(const game::Control& c, QWidget* w);
    void folderActivated(QTreeWidgetItem* item);
    void moveFolder(int index, int levelsUp);

    // What the folder tree shows, to rebuild it only when that changes.
    std::string shownFolder_;
    std::vector<std::string> shownItems_;
};

}  // namespace forms
