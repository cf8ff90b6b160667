#pragma once

#include "app/mainframe.h"
#include "app/startup.h"
#include "browse/explore_tab.h"
#include "support/albums.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace vinylix::test {

// A small catalogue with the main window open on it, and scripted prompts.
struct EditorFixture {
    TempFolder folder;
    ScriptedPromptsScope prompts;
    std::unique_ptr<Mainframe> main;

    EditorFixture() {
        auto set = open_main(folder.make_catalogue());
        add_album(*set, "ABBA", "Arrival", "Dancing Queen", "1", "3", "650.5", "1976");
        add_album(*set, "ABBA", "GOLD", "", "1", "4", "650", "1992");
        add_album(*set, "ABBA", "Waterloo", "", "1", "5", "650.25", "1974");
        add_album(*set, "Beatles", "White Album", "== CD 1 ==\r\na\r\nb\r\n\r\n== cd 2 ==\r\nc",
                  "2", "CDA", "-", "1968");
        add_album(*set, "Beatles", "Anthology",
                  "== CD 1 ==\r\nx\r\n\r\n== CD 2 ==\r\ny\r\n\r\n== CD 3 ==\r\nz", "3", "20",
                  "1200", "1995");
        add_album(*set, "Zappa", "Hot Rats", "Peaches", "1", "7", "700", "1969");
        set.reset();
        main = start_program(folder.path());
    }

    ExploreTab& browser() const { return *main->explore_tab(); }

    // Opens the editor on an album with `drive` running while it is open.
    void edit(const QString& artist, const QString& album,
              const std::function<void(QDialog&)>& drive) {
        browser().select_artist_and_album(artist, album);
        run(QStringLiteral("editsel_mnu"), drive);
    }

    void run(const QString& command, const std::function<void(QDialog&)>& drive) {
        prompts->on_modal = drive;
        main->menu_command(command)->trigger();
        prompts->on_modal = nullptr;
    }

    // One field of an album as stored in the catalogue file; empty when there is no album.
    QString stored(const QString& artist, const QString& album, const QString& field) const {
        auto set = open_main(folder.file(QStringLiteral("Vinylix.vnx")));
        for (set->move_first(); !set->eof(); set->move_next())
            if (set->value(u"Artist") == artist && set->value(u"Album") == album)
                return set->value(field);
        return QStringLiteral("<none>");
    }

    QStringList albums_listed() const {
        QStringList titles;
        for (int i = 0; i < browser().albums_list()->count(); ++i)
            titles << browser().albums_list()->item(i)->text();
        return titles;
    }

    QString selected_album() const {
        const auto items = browser().albums_list()->selectedItems();
        return items.size() == 1 ? items[0]->text() : QString();
    }
};

template <typename Widget> Widget* child(QWidget& window, const char* name) {
    Widget* widget = window.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control named %s", name);
    return widget;
}

inline QLineEdit* box(QWidget& window, const char* name) {
    return child<QLineEdit>(window, name);
}

inline void click(QWidget& window, const char* name) {
    child<QPushButton>(window, name)->click();
}

inline QString song_box(QWidget& window) {
    return child<QPlainTextEdit>(window, "song_list_txt")->toPlainText();
}

inline void set_songs(QWidget& window, const QString& text) {
    child<QPlainTextEdit>(window, "song_list_txt")->setPlainText(text);
}

} // namespace vinylix::test
