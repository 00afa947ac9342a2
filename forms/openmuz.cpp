#include "forms/openmuz.h"

#include <QComboBox>
#include <QHeaderView>
#include <QListWidget>
#include <QStyle>
#include <QTreeWidget>

#include "forms/screen.h"
#include "game/game.h"

namespace forms {

namespace {

// Item data of the folder tree: the index of a subfolder in the model's
// folder list, or how many levels above the folder shown an item lies.
constexpr int kModelIndex = Qt::UserRole;
constexpr int kLevelsUp = Qt::UserRole + 1;

QString qs(const std::string& s) { return QString::fromStdString(s); }

// "/home/anna" -> {"/", "home", "anna"}
std::vector<std::string> pathParts(const std::string& path) {
    std::vector<std::string> parts{"/"};
    std::size_t start = 1;
    while (start < path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) slash = path.size();
        if (slash > start) parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return parts;
}

}  // namespace

OpenMuzForm::OpenMuzForm(Screen& screen, game::Form& form, QWidget* owner) : FormWindow(screen, form, owner) {}

QWidget* OpenMuzForm::createWidget(game::Control& c) {
    if (c.name != "lstDir") return FormWindow::createWidget(c);
    auto* tree = new QTreeWidget(canvas());
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setIndentation(10);
    tree->setRootIsDecorated(false);
    tree->setItemsExpandable(false);
    tree->setExpandsOnDoubleClick(false);
    tree->setTextElideMode(Qt::ElideRight);
    connect(tree, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { folderActivated(item); });
    return tree;
}

void OpenMuzForm::renderControl(const game::Control& c, QWidget* w) {
    if (auto* tree = qobject_cast<QTreeWidget*>(w); tree && c.name == "lstDir") {
        renderFolders(c, tree);
        const QRect place(px(c.left), px(c.top), px(c.width), px(c.height));
        if (tree->geometry() != place) tree->setGeometry(place);
        if (tree->isEnabled() != c.enabled) tree->setEnabled(c.enabled);
        if (tree->isVisibleTo(this) != c.visible) tree->setVisible(c.visible);
        return;
    }
    if (c.name == "lstDrive") renderDrives(c, w);
    FormWindow::renderControl(c, w);
    if (auto* files = qobject_cast<QListWidget*>(w)) {
        const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
        for (int i = 0; i < files->count(); ++i)
            if (files->item(i)->icon().isNull()) files->item(i)->setIcon(icon);
    }
}

// The generic combo box keeps the items it was built with; the volumes are
// read at each loading of the window, so they are brought in here.
void OpenMuzForm::renderDrives(const game::Control& c, QWidget* w) {
    auto* box = qobject_cast<QComboBox*>(w);
    if (!box) return;
    bool same = box->count() == static_cast<int>(c.items.size());
    for (int i = 0; same && i < box->count(); ++i) same = box->itemText(i) == qs(c.items[static_cast<std::size_t>(i)]);
    if (same) return;
    const QSignalBlocker block(box);
    box->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const auto& item : c.items) box->addItem(icon, qs(item));
    box->setCurrentIndex(-1);
}

void OpenMuzForm::renderFolders(const game::Control& c, QTreeWidget* tree) {
    if (c.caption == shownFolder_ && c.items == shownItems_ && tree->topLevelItemCount() > 0) return;
    shownFolder_ = c.caption;
    shownItems_ = c.items;
    const QSignalBlocker block(tree);
    tree->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);

    const std::vector<std::string> parts = pathParts(c.caption);
    QTreeWidgetItem* parent = nullptr;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, qs(parts[i]));
        item->setIcon(0, open);
        item->setData(0, kModelIndex, -1);
        item->setData(0, kLevelsUp, static_cast<int>(parts.size() - 1 - i));
        item->setExpanded(true);
        parent = item;
    }
    parent->setToolTip(0, qs(c.caption));
    QFont bold = parent->font(0);
    bold.setBold(true);
    parent->setFont(0, bold);
    // ".." is the folder above, already drawn as the tree's upper level.
    for (std::size_t i = 0; i < c.items.size(); ++i) {
        if (c.items[i] == "..") continue;
        auto* item = new QTreeWidgetItem(parent);
        item->setText(0, qs(c.items[i]));
        item->setIcon(0, closed);
        item->setData(0, kModelIndex, static_cast<int>(i));
        item->setData(0, kLevelsUp, 0);
    }
    tree->expandAll();
    tree->setCurrentItem(parent);
    tree->scrollToItem(parent);
}

// Runs after the tree's own event handling is over: entering a folder
// rebuilds the tree, which must not happen under the item's feet.
void OpenMuzForm::folderActivated(QTreeWidgetItem* item) {
    if (!item) return;
    const int index = item->data(0, kModelIndex).toInt();
    const int levelsUp = item->data(0, kLevelsUp).toInt();
    QMetaObject::invokeMethod(this, [this, index, levelsUp] { moveFolder(index, levelsUp); }, Qt::QueuedConnection);
}

void OpenMuzForm::moveFolder(int index, int levelsUp) {
    if (game_.ended() || !form_.visible()) return;
    const std::string formName = form_.name();
    if (index >= 0) {
        screen_.act([&] { game_.choose(formName, "lstDir", index); });
        return;
    }
    // Climb one level at a time; a folder that cannot be read stops it.
    for (int up = levelsUp; up > 0; --up) {
        const game::Control* dir = form_.find("lstDir");
        const std::string before = dir->caption;
        int parentIndex = -1;
        for (std::size_t i = 0; i < dir->items.size(); ++i)
            if (dir->items[i] == "..") parentIndex = static_cast<int>(i);
        if (parentIndex < 0) return;
        screen_.act([&] { game_.choose(formName, "lstDir", parentIndex); });
        if (form_.find("lstDir")->caption == before) return;
    }
}

}  // namespace forms
