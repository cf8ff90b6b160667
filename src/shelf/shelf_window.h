#pragma once

#include "disc_list_model.h"
#include "store/shelf_albums.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QListView;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace vinylix {

class ProgressBox;

// What the shelf window is opened with: every album as the store read it, and the medium of the
// options. Or, for a large catalogue, the path
// of the catalogue file in `read_from`: the window then reads the albums itself on a thread of
// its own, a bar showing how far, and says so and closes when the file cannot be read.
struct ShelfRequest {
    std::vector<ShelfAlbum> albums;
    Medium medium = default_medium;
    QString read_from = {};
};

// An album the user asked to see in the browser.
struct ShelfChoice {
    QString artist;
    QString album;
    bool operator==(const ShelfChoice&) const = default;
};

// What the window answers when it closes: the medium chosen last and the album double-clicked,
// if one was.
struct ShelfResult {
    Medium medium = default_medium;
    std::optional<ShelfChoice> chosen;
};

// "shelf_frm", "Shelf Discs": every shelf disc with its albums and how full it is against the
// medium chosen above the list, the free numbers, the albums whose `CD` is not a disc number,
// and the insert of the chosen disc to copy or save. Moving to a disc, by mouse or keyboard,
// lists its albums; a double click (or Enter) on an album closes the window with that album as
// its result. Escape closes it.
class ShelfWindow : public QDialog {
    Q_OBJECT
public:
    explicit ShelfWindow(ShelfRequest request, QWidget* parent = nullptr);

    const ShelfResult& outcome() const { return outcome_; }
    // Moves to the disc numbered `number` ("7") and lists its albums; nothing moves when the
    // shelf has no such disc. While the window still reads the albums, it moves there once
    // they are read.
    void select_disc(const QString& number);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_controls();
    void start_reading(const QString& catalogue_path);
    void contents_read(std::shared_ptr<const ShelfContents> contents, const QString& error);
    void show_contents();
    void fill_lists();
    void choose_medium(int index);
    void show_disc(int row);
    void choose_album(const QListWidgetItem* item);
    const ShelfDisc* chosen_disc() const;
    void copy_insert();
    void save_insert();

    std::shared_ptr<const ShelfContents> contents_;
    DiscListModel* model_ = nullptr;
    QComboBox* medium_combo_ = nullptr;
    QListView* discs_list_ = nullptr;
    QLabel* disc_albums_lb_ = nullptr;
    QListWidget* disc_albums_list_ = nullptr;
    QPlainTextEdit* free_txt_ = nullptr;
    QLabel* notnumber_lb_ = nullptr;
    QListWidget* notnumber_list_ = nullptr;
    QPushButton* copyinsert_bttn_ = nullptr;
    QPushButton* saveinsert_bttn_ = nullptr;
    QPushButton* close_bttn_ = nullptr;
    ProgressBox* progressbar_ = nullptr;
    QTimer* progress_timer_ = nullptr;
    ShelfResult outcome_;
    QString disc_wanted_; // the disc to show once the albums are read
};

} // namespace vinylix
