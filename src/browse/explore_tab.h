#pragma once

#include "store/shared_state.h"

#include <QStringList>
#include <QWidget>
#include <array>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QToolBar;

namespace vinylix {

// The " &Explore Albums" tab: the artist list, the selected artist's albums and the song list
// of the selected album, CD by CD. Choosing an album leaves the main recordset on it.
class ExploreTab : public QWidget {
    Q_OBJECT
public:
    explicit ExploreTab(SharedState& state, QWidget* parent = nullptr);

    QComboBox* artists_combo() const { return artists_combo_; }
    QListWidget* albums_list() const { return albums_list_; }
    QPlainTextEdit* song_text() const { return text1_; }
    // The song list shown, with its line ends as stored.
    const QString& shown_songs() const { return shown_songs_; }
    QLabel* songlist_label() const { return songlist_lb_; }
    // Buttons of the song-list toolbar by position: 1 copy, 2 previous CD, 3 next CD.
    QAction* songlist_button(int position) const;
    int current_cd() const { return current_cd_; }

    // Empties the artist list, the album list and the song list.
    void clear_lists();
    // Lists the artists and selects the first one.
    void set_artists(const QStringList& names);
    // Selects the artist (letter case ignored), then the album of that exact title.
    void select_artist_and_album(const QString& artist, const QString& album);

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
    // Lists the albums of the artist chosen in the artist list and shows the first.
    void show_artist();
    // Makes album `row` the current and only selected line and shows it.
    void show_row(int row);
    // What the song-list area says while the catalogue holds no album.
    static QString first_steps_text();
    // Puts the recordset on the album chosen in the album list and shows it.
    void show_album(const QString& title);

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
    void show_nothing();
    void show_first_steps();
    void show_cd(int index);
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
