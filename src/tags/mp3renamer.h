#pragma once

#include "mp3/code_page.h"
#include "song_listing.h"
#include "tag_edits.h"

#include <QDialog>
#include <QList>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace vinylix {

class SongDropList;

// "mp3renamer" ("Mp3 Tag Renamer"): edits the ID3v1 tags of MP3 files, apart from the
// catalogue. Files come from "&Open..." (several at once) or are dropped on `songlist`, each
// listed under its own name without extension; items that are not MP3 files are left out and
// named in one message. Clicking a line, or moving to it by keyboard, shows that file's tag and
// its path in `StatusBar1`. "A&pply Changes" writes the ticked properties to every selected
// file, keeps each file's own values for the others, and shows one message for each file it could
// not write; letters the code page lacks are named first, and the user may go back. Tags are read
// and written in one code page, named beside the path (`codepage_panel`); `preview_list` shows the
// clicked file's title as that page reads it and as up to three others that give letters for its
// bytes read it.
class Mp3Renamer : public QDialog {
    Q_OBJECT
public:
    // `page`: the code page tags are read and written in (Windows-1252 when this system lacks
    // it, which the status bar then says).
    explicit Mp3Renamer(CodePage page = default_code_page, QWidget* parent = nullptr);

    // The listed files, line by line.
    const QList<ListedFile>& files() const { return files_; }

signals:
    // One Apply wrote the tags of these files: what each write changed.
    void tags_written(const QList<TagRewrite>& rewrites);

private:
    // A property the user can tick: its check box and its text box.
    struct Property {
        QCheckBox* check;
        QLineEdit* text;
    };

    QWidget* build_songs_frame();
    QWidget* build_tag_page();
    QWidget* build_preview_frame(QWidget* parent);
    void show_code_page(CodePage asked);
    void open_files();
    void take_files(const QStringList& paths, const QStringList& not_local = {});
    void show_file(int row);
    void apply_changes();
    TagEdits ticked_edits() const;
    bool write_despite_lacking_letters(const TagEdits& edits);

    CodePage page_;
    QList<ListedFile> files_;
    SongDropList* songlist_ = nullptr;
    QPushButton* open_bttn_ = nullptr;
    QTabWidget* sstab1_ = nullptr;
    std::array<Property, 5> properties_{}; // title, artist, album, year, comment
    QCheckBox* genre_ch_ = nullptr;
    QComboBox* genre_cb_ = nullptr;
    QPushButton* apply_bttn_ = nullptr;
    QLabel* path_panel_ = nullptr;
    QLabel* codepage_panel_ = nullptr;
    QTreeWidget* preview_list_ = nullptr;
};

} // namespace vinylix
