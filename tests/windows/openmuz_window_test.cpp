// The music file window on screen: controls at their places, the folder
// list drawn as a folder tree that enters and climbs folders, file rows
// that remember a path, and the buttons.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <map>

#include "forms/formwindow.h"
#include "forms/screen.h"
#include "game/board.h"
#include "game/filesystem.h"
#include "game/openmuz.h"
#include "support/scripted_ports.h"

using namespace testing_support;
using Names = std::vector<std::string>;

namespace {

struct SmallDisk : game::FileSystem {
    std::map<std::string, std::pair<Names, Names>> folders{
        {"/", {{"home"}, {}}},
        {"/home", {{"anna"}, {}}},
        {"/home/anna", {{"jazz", "rock"}, {"a.mid", "b.txt", "c.WAV"}}},
        {"/home/anna/rock", {{}, {"loud.ogg"}}},
        {"/home/anna/jazz", {{}, {}}},
    };
    std::string currentFolder() override { return "/home/anna"; }
    Names drives() override { return {"/", "/mnt/cd"}; }
    std::optional<Names> subfolders(const std::string& p) override {
        if (!folders.count(p)) return std::nullopt;
        return folders[p].first;
    }
    std::optional<Names> files(const std::string& p) override {
        if (!folders.count(p)) return std::nullopt;
        return folders[p].second;
    }
};

QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

class OpenMuzWindow : public ::testing::Test {
protected:
    SmallDisk disk;
    Harness h;
    forms::Screen screen{h.game};
    forms::FormWindow* win = nullptr;

    void SetUp() override {
        h.startGame();
        h.game.openMuz().useFileSystem(disk);
        h.game.menu("open");
        win = screen.window("openMuz");
        ASSERT_NE(win, nullptr);
    }
    void TearDown() override { screen.hideAll(); }
    template <typename W>
    W* widget(const char* name) {
        return qobject_cast<W*>(win->widget(name));
    }
    game::Control& model(const char* name) { return *h.game.openMuz().find(name); }
    void activate(const QString& folder) {
        auto* tree = widget<QTreeWidget>("lstDir");
        QTreeWidgetItem* item = findItem(tree, folder);
        ASSERT_NE(item, nullptr) << folder.toStdString();
        Q_EMIT tree->itemActivated(item, 0);
        QApplication::processEvents();
    }
};

TEST_F(OpenMuzWindow, standsAtItsDesignSizeWithControlsAtTheirPlaces) {
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(win->windowTitle(), "Открыть");
    EXPECT_EQ(win->size(), QSize(472, 237));
    auto* drives = widget<QComboBox>("lstDrive");
    ASSERT_NE(drives, nullptr);
    EXPECT_EQ(drives->geometry(), QRect(16, 24, 153, 21));
    EXPECT_EQ(drives->count(), 2);
    EXPECT_EQ(drives->currentText(), "/");
    ASSERT_NE(widget<QTreeWidget>("lstDir"), nullptr);
    EXPECT_EQ(widget<QTreeWidget>("lstDir")->geometry(), QRect(16, 48, 153, 171));
    auto* files = widget<QListWidget>("lstFile");
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(files->geometry(), QRect(176, 24, 169, 201));
    EXPECT_EQ(files->count(), 2);
    auto* open = widget<QPushButton>("Command1");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), "Открыть");
    EXPECT_TRUE(open->font().bold());
    EXPECT_EQ(widget<QPushButton>("Command2")->text(), "Отмена");
    // The board behind is disabled while the window is open.
    EXPECT_FALSE(screen.window("torgal")->canvas()->isEnabled());
}

TEST_F(OpenMuzWindow, folderTreeShowsThePathOpenAndTheSubfoldersClosed) {
    auto* tree = widget<QTreeWidget>("lstDir");
    QTreeWidgetItem* current = findItem(tree, "anna");
    ASSERT_NE(current, nullptr);
    EXPECT_EQ(tree->currentItem(), current);
    EXPECT_EQ(current->parent()->text(0), "home");
    EXPECT_EQ(current->parent()->parent()->text(0), "/");
    ASSERT_EQ(current->childCount(), 2);
    EXPECT_EQ(current->child(0)->text(0), "jazz");
    EXPECT_FALSE(current->child(1)->icon(0).isNull());
    EXPECT_EQ(findItem(tree, ".."), nullptr);  // the upper levels stand for it
}

TEST_F(OpenMuzWindow, activatingFoldersEntersAndClimbs) {
    activate("rock");
    EXPECT_EQ(model("lstDir").caption, "/home/anna/rock");
    EXPECT_EQ(widget<QListWidget>("lstFile")->count(), 1);
    EXPECT_EQ(widget<QTreeWidget>("lstDir")->currentItem()->text(0), "rock");

    activate("/");
    EXPECT_EQ(model("lstDir").caption, "/");
    EXPECT_EQ(widget<QTreeWidget>("lstDir")->topLevelItemCount(), 1);
    EXPECT_EQ(widget<QListWidget>("lstFile")->count(), 0);
}

TEST_F(OpenMuzWindow, choosingAFileRowAndOpenPlaysIt) {
    widget<QListWidget>("lstFile")->setCurrentRow(1);
    EXPECT_EQ(h.game.openMuz().filepath, "/home/anna/c.WAV");
    h.music.commands.clear();
    widget<QPushButton>("Command1")->click();
    EXPECT_EQ(h.music.commands, (Names{"FileName=/home/anna/c.WAV", "open", "play"}));
    EXPECT_FALSE(win->isVisible());
    EXPECT_TRUE(screen.window("torgal")->canvas()->isEnabled());
}

TEST_F(OpenMuzWindow, closeBoxUnloadsAndTheNextOpeningStartsAtTheCurrentFolder) {
    activate("rock");
    win->close();
    EXPECT_FALSE(win->isVisible());
    h.game.menu("open");
    EXPECT_TRUE(win->isVisible());
    EXPECT_EQ(widget<QTreeWidget>("lstDir")->currentItem()->text(0), "anna");
    EXPECT_EQ(widget<QComboBox>("lstDrive")->currentText(), "/");
}

}  // namespace
