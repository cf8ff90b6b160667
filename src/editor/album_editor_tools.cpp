// The song-list text tools of the album editor: names from a folder, replace and upper case.
#include "album_editor.h"

#include "text_tools.h"

#include "mp3/folder_listing.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

namespace vinylix {

void AlbumEditor::names_from_folder() {
    const QString folder = directory_txt_->text();
    file1_->clear();
    file1_->addItems(mp3_file_names(folder));
    // A folder that cannot be read or holds no MP3 file leaves the list alone.
    if (const auto songs = song_list_from_folder(folder))
        put_list(*songs);
}

void AlbumEditor::run_text_tool() {
    const QString before = box_text();
    QString text = before;
    if (check1_->isChecked())
        text = replace_ignoring_case(text, first_txt_->text(), second_txt_->text());
    if (upper_case_->isChecked())
        text = upper_case_after_spaces(text);
    if (text != before)
        put_list(text);
}

} // namespace vinylix
