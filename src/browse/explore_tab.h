#pragma once

#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QToolBar;

namespace vinylix {

// The " &Explore Albums" tab: the artist list, the selected artist's albums and the song list
// of the selected album.
class ExploreTab : public QWidget {
    Q_OBJECT
public:
    explicit ExploreTab(QWidget* parent = nullptr);

    QComboBox* artists_combo() const { return artists_combo_; }
    QListWidget* albums_list() const { return albums_list_; }
    QPlainTextEdit* song_text() const { return text1_; }
    QLabel* songlist_label() const { return songlist_lb_; }
    // Buttons of the song-list toolbar by position: 1 copy, 2 previous CD, 3 next CD.
    QAction* songlist_button(int position) const;

    // Empties the artist list, the album list and the song list.
    void clear_lists();
    // Lists the artists and selects the first one.
    void set_artists(const QStringList& names);

private:
    QComboBox* artists_combo_;
    QListWidget* albums_list_;
    QPlainTextEdit* text1_;
    QLabel* songlist_lb_;
    QToolBar* songlist_bar_;
    QLabel* albumsdb_lb_;
};

} // namespace vinylix
