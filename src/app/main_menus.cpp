// The main window's menu bar and main toolbar, and what the commands on the catalogue run.
#include "mainframe.h"

#include "browse/explore_tab.h"
#include "catalogue_commands.h"
#include "import/disc_check_window.h"
#include "kit/icons.h"
#include "undo_commands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace vinylix {

namespace {

QAction* add_command(QMenu* menu, const char* name, const QString& caption,
                     QHash<QString, QAction*>& commands) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    commands.insert(action->objectName(), action);
    return action;
}

QMenu* add_menu(QWidget* parent, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

void add_separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

// A main-toolbar button: its key (which also names its picture) and tool tip.
struct ToolbarButton {
    const char* key;
    const char* tip;
    bool separator_after;
};

const ToolbarButton toolbar_buttons[] = {
    {"add", "Add new album", false},
    {"addtoartist", "Add album to current artist", false},
    {"del", "Delete selected album", false},
    {"delall", "Delete all albums", false},
    {"edit", "Edit selected album", true},
    {"undo", "Undo", false},
    {"redo", "Redo", true},
    {"settings", "Settings", false},
    {"stats", "Statistics", true},
    {"tagrenamer", "Mp3 Tag Renamer", false},
    {"shelf", "Shelf Discs", false},
    {"duplicates", "Duplicate Albums", false},
    {"check", "Check a Disc", true},
    {"about", "About Vinylix [Trackwright]", false},
};

// A command on the catalogue: its menu command, whether it works on the albums the browser
// shows (which must still be in the catalogue) or only needs it open, and what it runs.
struct CatalogueCommand {
    const char* name;
    bool on_browsed_albums;
    void (*run)(CatalogueCommands& commands);
};

const CatalogueCommand catalogue_commands[] = {
    {"newalbum_mnu", false, [](CatalogueCommands& c) { c.new_album(); }},
    {"albumtocurrent_mnu", true, [](CatalogueCommands& c) { c.album_to_current_artist(); }},
    {"editsel_mnu", true, [](CatalogueCommands& c) { c.edit_selected_album(); }},
    {"editartist_name", true, [](CatalogueCommands& c) { c.rename_artist(); }},
    {"del_album", true, [](CatalogueCommands& c) { c.delete_selected_albums(); }},
    {"del_all_mnu", false, [](CatalogueCommands& c) { c.delete_all(); }},
    {"duplicates_mnu", false, [](CatalogueCommands& c) { c.open_duplicates(); }},
};

// The menu command each toolbar key runs.
const QHash<QString, QString>& command_of_key() {
    static const QHash<QString, QString> map = {
        {"add", "newalbum_mnu"}, {"addtoartist", "albumtocurrent_mnu"},
        {"del", "del_album"},    {"delall", "del_all_mnu"},
        {"edit", "editsel_mnu"}, {"settings", "settings_mnu"},
        {"stats", "stats_mnu"},  {"tagrenamer", "renamer_mnu"},
        {"shelf", "shelf_mnu"},  {"duplicates", "duplicates_mnu"},
        {"check", "check_mnu"},  {"about", "about_mnu"},
        {"undo", "undo_mnu"},    {"redo", "redo_mnu"}};
    return map;
}

} // namespace

void Mainframe::build_menus() {
    QMenuBar* bar = menuBar();
    QMenu* vinylix_menu = add_menu(this, "Vinylix_mnu", tr("&Vinylix"));
    add_command(vinylix_menu, "exit_mnu", tr("E&xit"), menu_commands_);

    edit_mnu_ = add_menu(this, "edit_mnu", tr("E&dit"));
    add_command(edit_mnu_, "undo_mnu", tr("&Undo"), menu_commands_)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    add_command(edit_mnu_, "redo_mnu", tr("&Redo"), menu_commands_)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    add_separator(edit_mnu_, "dash0");
    QMenu* add = add_menu(edit_mnu_, "add_mnu", tr("&Add"));
    add_command(add, "newalbum_mnu", tr("&New album"), menu_commands_);
    add_command(add, "albumtocurrent_mnu", tr("&Album to current artist"), menu_commands_);
    edit_mnu_->addMenu(add);
    QMenu* del = add_menu(edit_mnu_, "del_mnu", tr("&Delete"));
    add_command(del, "del_all_mnu", tr("&All albums from database"), menu_commands_);
    add_command(del, "del_album", tr("&Selected album"), menu_commands_);
    edit_mnu_->addMenu(del);
    add_separator(edit_mnu_, "dash1");
    add_command(edit_mnu_, "editartist_name", tr("&Edit artist name"), menu_commands_);
    add_command(edit_mnu_, "editsel_mnu", tr("Edit sele&cted album..."), menu_commands_);

    QMenu* tools = add_menu(this, "tools_mnu", tr("&Tools"));
    add_command(tools, "renamer_mnu", tr("&Mp3 Tag Renamer"), menu_commands_);
    add_command(tools, "shelf_mnu", tr("S&helf Discs..."), menu_commands_);
    add_command(tools, "duplicates_mnu", tr("D&uplicate Albums..."), menu_commands_);
    add_command(tools, "check_mnu", tr("&Check a Disc..."), menu_commands_);

    QMenu* info = add_menu(this, "info_mnu", tr("In&formation"));
    add_command(info, "settings_mnu", tr("&Settings"), menu_commands_);
    add_command(info, "stats_mnu", tr("&Statistics"), menu_commands_);
    add_separator(info, "dash2");
    add_command(info, "about_mnu", tr("&About Vinylix [Trackwright]..."), menu_commands_);

    for (QMenu* menu : {vinylix_menu, edit_mnu_, tools, info})
        bar->addMenu(menu);
    // A menu command shows the picture of the toolbar button that runs it.
    for (auto key = command_of_key().cbegin(); key != command_of_key().cend(); ++key)
        menu_command(key.value())->setIcon(command_icon(key.key()));
    menu_command("editartist_name")->setIcon(command_icon(QStringLiteral("editartist")));

    connect(menu_command("exit_mnu"), &QAction::triggered, this, &QWidget::close);
    connect(menu_command("about_mnu"), &QAction::triggered, this, &Mainframe::show_about);
    connect(menu_command("settings_mnu"), &QAction::triggered, this, &Mainframe::show_settings);
    connect(menu_command("stats_mnu"), &QAction::triggered, this, &Mainframe::show_statistics);
    connect(menu_command("renamer_mnu"), &QAction::triggered, this, &Mainframe::show_tag_renamer);
}

void Mainframe::build_toolbar() {
    menu_toolbar_ = addToolBar(tr("Main toolbar"));
    menu_toolbar_->setObjectName(QStringLiteral("menu_toolbar"));
    menu_toolbar_->setMovable(false);
    for (const ToolbarButton& b : toolbar_buttons) {
        const QString key = QString::fromLatin1(b.key);
        QAction* action = menu_toolbar_->addAction(command_icon(key), tr(b.tip));
        action->setObjectName(key);
        action->setToolTip(tr(b.tip));
        toolbar_buttons_.insert(action->objectName(), action);
        connect(action, &QAction::triggered, this,
                [this, key = action->objectName()] { run_toolbar_key(key); });
        if (b.separator_after)
            menu_toolbar_->addSeparator();
    }
}

void Mainframe::run_toolbar_key(const QString& key) {
    const auto command = command_of_key().find(key);
    if (command == command_of_key().end())
        return; // a key without a command does nothing
    if (QAction* action = menu_command(command.value()))
        action->trigger();
}

void Mainframe::wire_catalogue_commands() {
    commands_ = new CatalogueCommands(state_, *explore_tab_, progressbar_, this);
    for (const CatalogueCommand& command : catalogue_commands)
        connect(menu_command(QString::fromLatin1(command.name)), &QAction::triggered, this,
                [this, command] {
                    if (command.on_browsed_albums ? require_browsed_albums() : require_catalogue())
                        command.run(*commands_);
                });
    connect(menu_command("shelf_mnu"), &QAction::triggered, this, [this] {
        if (require_catalogue())
            commands_->open_shelf(options_.medium);
    });
    connect(menu_command("check_mnu"), &QAction::triggered, this, [this] {
        if (require_catalogue())
            commands_->open_disc_check(disc_check_setup());
    });
    connect(commands_, &CatalogueCommands::catalogue_written, this,
            [this](const QString& artist, const QString& album) {
                refresh_catalogue();
                explore_tab_->select_artist_and_album(artist, album);
            });
    connect(commands_, &CatalogueCommands::catalogue_may_have_changed, this,
            [this] { reload_if_changed(); });
    connect(commands_, &CatalogueCommands::albums_removed, this, &Mainframe::refresh_commands);
    connect(commands_, &CatalogueCommands::album_chosen, this, &Mainframe::show_in_browser);
    connect(commands_, &CatalogueCommands::medium_chosen, this,
            [this](Medium medium) { options_.medium = medium; });
}

void Mainframe::wire_undo_commands() {
    auto* undo =
        new UndoCommands(state_, progressbar_, this, menu_command("undo_mnu"),
                         menu_command("redo_mnu"), toolbar_button("undo"), toolbar_button("redo"));
    connect(menu_command("undo_mnu"), &QAction::triggered, undo, &UndoCommands::undo);
    connect(menu_command("redo_mnu"), &QAction::triggered, undo, &UndoCommands::redo);
    connect(undo, &UndoCommands::catalogue_replayed, this, &Mainframe::show_replayed);
}

QAction* Mainframe::menu_command(const QString& name) const {
    return menu_commands_.value(name);
}

QAction* Mainframe::toolbar_button(const QString& key) const {
    return toolbar_buttons_.value(key);
}

} // namespace vinylix
