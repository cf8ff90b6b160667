#include "mp3renamer.h"

#include "kit/check_box_field.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "mp3/genre_list.h"
#include "mp3/tag_file.h"
#include "shown_tag.h"
#include "song_drop_list.h"
#include "tag_write_message.h"
#include "title_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>

namespace vinylix {

namespace {

struct PropertyName {
    const char* check;
    const char* text;
    const char* caption;
    std::optional<QString> TagEdits::*edit;
    QString ShownTag::*shown;
};

// Each caption with its access key, which leads to the box as well (a box is ticked to be
// changed, and then typed in).
const std::array<PropertyName, 5> property_names = {{
    {"title_ch", "title_txt", "&Title", &TagEdits::title, &ShownTag::title},
    {"artist_ch", "artist_txt", "&Artist", &TagEdits::artist, &ShownTag::artist},
    {"album_ch", "album_txt", "A&lbum", &TagEdits::album, &ShownTag::album},
    {"year_ch", "year_txt", "&Year", &TagEdits::year, &ShownTag::year},
    {"comment_ch", "comment_txt", "&Comment", &TagEdits::comment, &ShownTag::comment},
}};

// The items a listing left out, one a line, and past twenty how many more.
QString left_out_text(const QStringList& items) {
    constexpr qsizetype most = 20;
    QStringList lines;
    for (const QString& item : items.first(std::min(items.size(), most)))
        lines += QDir::toNativeSeparators(item);
    if (items.size() > most)
        lines += QObject::tr("... and %1 more").arg(items.size() - most);
    return QObject::tr("These items are not MP3 files and were left out:") +
           QStringLiteral("\n\n") + lines.join(u'\n');
}

// The place in property_names of the property `edit` names.
std::size_t property_index(std::optional<QString> TagEdits::*edit) {
    const auto at = std::find_if(property_names.begin(), property_names.end(),
                                 [edit](const PropertyName& name) { return name.edit == edit; });
    return std::size_t(at - property_names.begin());
}

template <typename Widget, typename... Args> Widget* named(const char* name, Args&&... args) {
    auto* widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

Mp3Renamer::Mp3Renamer(CodePage page, QWidget* parent)
    : QDialog(parent), page_(usable_code_page(page)) {
    setObjectName(QStringLiteral("mp3renamer"));
    setWindowTitle(tr("Mp3 Tag Renamer"));
    auto* status = named<QStatusBar>("StatusBar1", this);
    path_panel_ = named<QLabel>("panel1", status);
    path_panel_->setTextFormat(Qt::PlainText);
    status->addWidget(path_panel_, 1);
    codepage_panel_ = named<QLabel>("codepage_panel", status);
    status->addPermanentWidget(codepage_panel_);
    show_code_page(page);
    auto* columns = new QHBoxLayout;
    columns->addWidget(build_songs_frame(), 2);
    columns->addWidget(build_tag_page(), 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(status);
    resize(720, 520);

    connect(open_bttn_, &QPushButton::clicked, this, &Mp3Renamer::open_files);
    connect(songlist_, &SongDropList::files_dropped, this, &Mp3Renamer::take_files);
    connect(songlist_, &QListWidget::currentRowChanged, this, &Mp3Renamer::show_file);
    connect(songlist_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { show_file(songlist_->row(item)); });
    connect(apply_bttn_, &QPushButton::clicked, this, &Mp3Renamer::apply_changes);
}

// The list is the frame's one control, so that the frame's access key always reaches it.
QWidget* Mp3Renamer::build_songs_frame() {
    auto* column = new QWidget(this);
    auto* frame = new QGroupBox(tr(" &Songs"), column);
    songlist_ = named<SongDropList>("songlist", frame);
    songlist_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    open_bttn_ = named<QPushButton>("open_bttn", tr("&Open..."), column);
    auto* frame_layout = new QVBoxLayout(frame);
    frame_layout->addWidget(songlist_);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame, 1);
    layout->addWidget(open_bttn_, 0, Qt::AlignLeft);
    return column;
}

QWidget* Mp3Renamer::build_tag_page() {
    sstab1_ = named<QTabWidget>("SSTab1", this);
    auto* page = new QWidget(sstab1_);
    sstab1_->addTab(page, tr("Tag &Editor"));
    auto* label1 = named<QLabel>("Label1",
                                 tr("Changes will only be applied to the checked properties. "
                                    "Changes will affect all selected songs."),
                                 page);
    label1->setWordWrap(true);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < properties_.size(); ++i) {
        const PropertyName& name = property_names[i];
        properties_[i] = {named<QCheckBox>(name.check, tr(name.caption), page),
                          named<QLineEdit>(name.text, page)};
        label_field_by_check_box(properties_[i].check, properties_[i].text);
        grid->addWidget(properties_[i].check, int(i), 0);
        grid->addWidget(properties_[i].text, int(i), 1);
    }
    genre_ch_ = named<QCheckBox>("genre_ch", tr("&Genre"), page);
    genre_cb_ = named<QComboBox>("genre_cb", page);
    label_field_by_check_box(genre_ch_, genre_cb_);
    genre_cb_->setEditable(true);
    genre_cb_->setInsertPolicy(QComboBox::NoInsert);
    genre_cb_->addItems(genre_list());
    grid->addWidget(genre_ch_, int(properties_.size()), 0);
    grid->addWidget(genre_cb_, int(properties_.size()), 1);
    grid->setColumnStretch(1, 1);
    apply_bttn_ = named<QPushButton>("apply_bttn", tr("A&pply Changes"), page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(label1);
    layout->addLayout(grid);
    layout->addWidget(build_preview_frame(page));
    layout->addStretch(1);
    layout->addWidget(apply_bttn_, 0, Qt::AlignRight);
    return sstab1_;
}

QWidget* Mp3Renamer::build_preview_frame(QWidget* parent) {
    auto* frame = named<QGroupBox>("preview_frame", tr(" Title &by code page"), parent);
    preview_list_ = named<QTreeWidget>("preview_list", frame);
    preview_list_->setHeaderLabels({tr("Code page"), tr("Title")});
    preview_list_->setRootIsDecorated(false);
    preview_list_->setUniformRowHeights(true);
    preview_list_->setColumnWidth(0, 200);
    preview_list_->setFixedHeight(preview_list_->header()->sizeHint().height() +
                                  4 * preview_list_->fontMetrics().height() * 3 / 2 + 6);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(preview_list_);
    return frame;
}

// Names the page tags are read with, and the page asked for when this system lacks it.
void Mp3Renamer::show_code_page(CodePage asked) {
    QString text = code_page_title(page_);
    if (asked != page_)
        text += tr(" (%1 is not available on this system)").arg(code_page_title(asked));
    codepage_panel_->setText(text);
    codepage_panel_->setToolTip(tr("ID3v1 tags are read and written in this code page. "
                                   "Choose another in the settings."));
}

void Mp3Renamer::open_files() {
    files_.clear();
    songlist_->clear();
    take_files(prompts().open_files(this, tr("Open"), QString(), tr("Mp3 Files (*.mp3)")));
}

void Mp3Renamer::take_files(const QStringList& paths, const QStringList& not_local) {
    QStringList left_out;
    {
        const WaitCursor busy;
        songlist_->clear();
        path_panel_->clear();
        preview_list_->clear();
        files_ = list_files(paths, &left_out);
        for (const ListedFile& file : files_)
            songlist_->addItem(file.name);
    }
    // The first song is shown, and chosen with it: Apply changes what the window shows, and
    // the keys go on in the list (Shift+End chooses every song).
    if (songlist_->count() > 0) {
        songlist_->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        songlist_->setFocus();
    }
    left_out += not_local;
    if (!left_out.isEmpty())
        prompts().notice(this, program_title(), left_out_text(left_out));
}

void Mp3Renamer::show_file(int row) {
    if (row < 0 || row >= files_.size())
        return;
    const QString& path = files_[row].path;
    path_panel_->setText(path);
    const std::optional<Id3v1Tag> tag = read_id3v1_tag(path, page_);
    const ShownTag shown = shown_tag(tag);
    for (std::size_t i = 0; i < properties_.size(); ++i)
        properties_[i].text->setText(shown.*property_names[i].shown);
    genre_cb_->setCurrentIndex(shown.genre_entry.value_or(-1));
    preview_list_->clear();
    for (const PreviewLine& line : title_preview(tag, page_))
        preview_list_->addTopLevelItem(
            new QTreeWidgetItem({code_page_title(line.page), line.title}));
}

TagEdits Mp3Renamer::ticked_edits() const {
    TagEdits edits;
    for (std::size_t i = 0; i < properties_.size(); ++i) {
        if (properties_[i].check->isChecked())
            edits.*property_names[i].edit = properties_[i].text->text();
    }
    if (genre_ch_->isChecked())
        edits.genre = genre_cb_->currentText();
    return edits;
}

// Names the letters of each ticked field that the code page cannot store and asks whether to
// write all the same; on Cancel, the first such field takes the focus.
bool Mp3Renamer::write_despite_lacking_letters(const TagEdits& edits) {
    const QList<LackingLetters> lacking = letters_lacking(edits, page_);
    if (lacking.isEmpty())
        return true;
    QStringList lines;
    for (const LackingLetters& field : lacking)
        lines += tr(property_names[property_index(field.property)].caption).remove(u'&') + ": " +
                 field.characters.join(QStringLiteral(", "));
    const QString text =
        tr("The code page %1 cannot store these letters; they would be written as \"?\":")
            .arg(code_page_title(page_)) +
        QStringLiteral("\n\n") + lines.join(u'\n') + QStringLiteral("\n\n") +
        tr("Write the tags all the same?");
    if (prompts().confirm(this, program_title(), text))
        return true;
    properties_[property_index(lacking[0].property)].text->setFocus();
    return false;
}

void Mp3Renamer::apply_changes() {
    QList<int> rows;
    for (const QModelIndex& index : songlist_->selectionModel()->selectedIndexes())
        rows += index.row();
    std::sort(rows.begin(), rows.end());
    QList<ListedFile> chosen;
    for (const int row : rows)
        chosen += files_[row];
    const TagEdits edits = ticked_edits();
    if (chosen.isEmpty() || !write_despite_lacking_letters(edits))
        return;
    QList<TagWriteResult> outcomes;
    {
        const WaitCursor busy;
        outcomes = apply_tag_edits(chosen, edits, page_);
    }
    QList<TagRewrite> written;
    for (qsizetype i = 0; i < outcomes.size(); ++i) {
        if (outcomes[i].stamp)
            files_[rows[i]].stamp = *outcomes[i].stamp;
        if (outcomes[i].rewrite)
            written += *outcomes[i].rewrite;
        show_tag_write_message(this, chosen[i].path, outcomes[i]);
    }
    if (!written.isEmpty())
        emit tags_written(written);
}

} // namespace vinylix
