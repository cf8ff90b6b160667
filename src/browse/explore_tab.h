#pragma once

#include "store/shared_state.h"

#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QToolBar;

namespace vinylix {

// The " &Explore Albums" tab: the artist list, the selected artist's albums and the song list
// of the selected album, CD by CD. Choosing an album leaves the main recordset on it. It answers
// the commands in values: the artist and albums the user chose, and which of them it takes away.
// The tab's focus goes to its artist list.
class ExploreTab : public QWidget {
    Q_OBJECT
public:
    explicit ExploreTab(SharedState& state, QWidget* parent = nullptr);

    // The song list shown, with its line ends as stored: what "Copy song list" copies.
    const QString& shown_songs() const { return shown_songs_; }

    // The artist shown; empty when none.
    QString browsed_artist() const;
    // The album a command on "the selected album" works on: the line at the cursor when it is
    // selected, else the first line selected, else the line at the cursor; nothing without a
    // line.
    std::optional<QString> browsed_album() const;
    // The title of the line at the cursor, selected or not; empty when none.
    QString current_album() const;
    // The titles of the lines selected, top to bottom.
    QStringList selected_albums() const;
    // Offers each album selected when it is called, top to bottom, to `remove` (which asks the
    // user and deletes it, or not) and takes the line of each album removed out of the list.
    // Then it shows the album above the last one offered; an artist left without albums goes
    // from the list, and the artist above it is shown (the empty browser after the last).
    // False, with nothing changed on screen, when no album was removed.
    bool remove_selected_albums(const std::function<bool(const QString& title)>& remove);

    // Empties the artist list, the album list and the song list: no album is shown.
    void clear_lists();
    // Lists the artists and selects the first one.
    void set_artists(const QStringList& names);
    // Selects the artist (letter case ignored), then the album of that exact title.
    void select_artist_and_album(const QString& artist, const QString& album);
    // Puts the keyboard on the album list, as a click on it does.
    void focus_albums();

    // What the browser shows: the artist, the album at the current line, the albums selected.
    struct Shown {
        QString artist;
        QString current;
        QStringList selected;
    };
    Shown shown() const;
    // Shows again, in lists filled anew, what `shown` held, as far as it is still listed.
    // False when the artist or one of the albums is no longer there.
    bool show_again(const Shown& shown);
    // What the song-list area says while the catalogue holds no album.
    static QString first_steps_text();

signals:
    // The six status-bar texts of the album shown.
    void panels_changed(const std::array<QString, 6>& panels);
    // Right button pressed on the album list, at this global position.
    void edit_menu_requested(const QPoint& at);
    // Double click on an album.
    void edit_album_requested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    QAction* songlist_button(int position) const;
    void show_artist();
    void show_row(int row);
    void show_album(const QString& title);
    void show_after_removal(int last_offered);
    void show_nothing();
    void show_first_steps();
    void show_cd(int index);
    void show_caption(QString caption);
    void show_songs(const QString& songs);
    void copy_songs();
    void step_cd(int step);

    SharedState& state_;
    QComboBox* artists_combo_;
    QListWidget* albums_list_;
    QPlainTextEdit* text1_;
    QLabel* songlist_lb_;
    QToolBar* songlist_bar_;
    QLabel* albumsdb_lb_;
    QStringList cd_texts_;
    QString cd_count_text_;
    QString shown_songs_; // as stored, CR LF line ends included
    int current_cd_ = 0;
};

} // namespace vinylix
