// The song-list text tools of the album editor: names from a folder, replace and upper case.
#include "album_editor.h"

#include "text_tools.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>

namespace vinylix {

void AlbumEditor::names_from_folder() {
    const QStringList files = folder_file_names(directory_txt_->text());
    file1_->clear();
    file1_->addItems(files);
    // A folder that cannot be read, holds no files or a too short name leaves the list alone.
    if (const auto songs = song_names_from_files(files))
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
