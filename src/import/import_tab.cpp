#include "import_tab.h"

#include "kit/digit_only.h"
#include "kit/icons.h"
#include "kit/progress_box.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace vinylix {

namespace {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* label_for(const QString& caption, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

QString format_help() {
    return QObject::tr("%1 = Artist\n%2 = Album\n\nIn this textbox you should define how "
                       "folder names are formatted. For example:\n\n[Metallica] - Black "
                       "Album = [%1] - %2");
}

QString case_help() {
    return QObject::tr("Sometimes, folder names are not arranged and letters are all upper/lower "
                       "case. By checking, you enable a function that changes the first letter "
                       "of every word, making it upper case and the rest lower case. This is "
                       "especially important, if you don't want to have names like \"pInK "
                       "fLoYd\".");
}

} // namespace

ImportTab::ImportTab(SharedState& state, ProgressBox* progress, QString program_folder,
                     QWidget* parent)
    : QWidget(parent), state_(state), progress_(progress),
      program_folder_(std::move(program_folder)),
      import_tab_(named(new QTabWidget(this), "import_tab")),
      foldername_txt_(named(new QLineEdit(QStringLiteral("%1 - %2"), this), "foldername_txt")),
      convertlower_check_(
          named(new QCheckBox(tr("Arrange cases (&Upper / Lower)"), this), "convertlower_check")),
      import_bttn_(named(new QPushButton(tr("Im&port"), this), "import_bttn")),
      explain_lb_(named(new QLabel(this), "explain_lb")),
      retrieved_albums_(named(new QListWidget(this), "retrieved_albums")),
      import_songlist_(named(new QPlainTextEdit(this), "import_songlist")),
      extract_mode_(named(new QToolBar(this), "extract_mode")),
      source_buttons_(new QActionGroup(this)), year_txt_(named(new QLineEdit(this), "year_txt")),
      cover_combo_(named(new QComboBox(this), "cover_combo")),
      cdnr_txt_(named(new QLineEdit(this), "cdnr_txt")),
      apply_bttn_(named(new QPushButton(tr("App&ly"), this), "apply_bttn")),
      addtodb_bttn_(named(new QPushButton(tr("&Add to Database"), this), "addtodb_bttn")) {
    setObjectName(QStringLiteral("import_frame"));
    // The access keys of both pages and of the main window's menus and tabs are all different.
    import_tab_->addTab(build_format_page(), tr("Album na&me format"));
    import_tab_->addTab(build_review_page(), tr("&Retrieved Information"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(import_tab_);
    fill_list_enabled(false);
}

QWidget* ImportTab::build_format_page() {
    auto* page = new QWidget(import_tab_);
    auto* format = new QGroupBox(page);
    auto* grid = new QGridLayout(format);
    grid->addWidget(label_for(tr("F&older names format:"), foldername_txt_, format), 0, 0);
    grid->addWidget(foldername_txt_, 0, 1);
    grid->addWidget(convertlower_check_, 1, 0, 1, 2);
    grid->addWidget(import_bttn_, 2, 1, Qt::AlignRight);
    foldername_txt_->installEventFilter(this);
    convertlower_check_->installEventFilter(this);
    connect(import_bttn_, &QPushButton::clicked, this, &ImportTab::run_import);

    auto* explanation = new QGroupBox(tr("Explanation:"), page);
    explain_lb_->setWordWrap(true);
    explain_lb_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* explanation_layout = new QVBoxLayout(explanation);
    explanation_layout->addWidget(explain_lb_, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(format);
    layout->addWidget(explanation, 1);
    return page;
}

QWidget* ImportTab::build_review_page() {
    auto* page = new QWidget(import_tab_);
    retrieved_albums_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(retrieved_albums_, &QListWidget::currentRowChanged, this,
            [this] { display_information(); });
    auto* albums = new QVBoxLayout;
    albums->addWidget(label_for(tr("Detected Alb&ums"), retrieved_albums_, page));
    albums->addWidget(retrieved_albums_, 1);

    import_songlist_->setTabChangesFocus(true);
    import_songlist_->setLineWrapMode(QPlainTextEdit::NoWrap);
    build_extract_mode();
    auto* songs_header = new QHBoxLayout;
    songs_header->addWidget(label_for(tr("Son&g list"), import_songlist_, page));
    songs_header->addStretch(1);
    songs_header->addWidget(extract_mode_);
    auto* songs = new QVBoxLayout;
    songs->addLayout(songs_header);
    songs->addWidget(import_songlist_, 1);
    songs->addLayout(build_review_boxes());

    auto* layout = new QHBoxLayout(page);
    layout->addLayout(albums, 2);
    layout->addLayout(songs, 3);
    return page;
}

// The three song-source buttons: a picture and a short name with its access key (Alt+N, Alt+P,
// Alt+3), the whole name as tooltip; reached by Tab after the album list, pressed by Space.
void ImportTab::build_extract_mode() {
    struct Button {
        QStyle::StandardPixmap picture;
        QString name;
        QString tooltip;
    };
    const std::array<Button, song_source_count> buttons = {{
        {QStyle::SP_FileIcon, tr("File &names"), tr("Extract song names from File Names")},
        {QStyle::SP_FileDialogListView, tr("&Playlists"),
         tr("Extract song names from Playlists [M3U; PLS]")},
        {QStyle::SP_FileDialogInfoView, tr("ID&3 tags"), tr("Extract song names from Tags")},
    }};
    extract_mode_->setIconSize(QSize(16, 16));
    extract_mode_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QWidget* before = retrieved_albums_;
    for (int k = 0; k < song_source_count; ++k) {
        const Button& made = buttons[std::size_t(k)];
        QAction* button = extract_mode_->addAction(style()->standardIcon(made.picture), made.name);
        button->setIconText(made.name); // keeps the "&" that makes the access key
        button->setToolTip(made.tooltip);
        button->setObjectName(QStringLiteral("extract_mode%1").arg(k + 1));
        button->setCheckable(true);
        source_buttons_->addAction(button);
        source_actions_[std::size_t(k)] = button;
        connect(button, &QAction::triggered, this, [this, k] { switch_song_mode(SongSource(k)); });
        QWidget* shown = extract_mode_->widgetForAction(button);
        shown->setFocusPolicy(Qt::StrongFocus);
        setTabOrder(before, shown);
        before = shown;
    }
    setTabOrder(before, import_songlist_);
    source_actions_[0]->setChecked(true);
}

QLayout* ImportTab::build_review_boxes() {
    cover_combo_->addItems(cover_choices());
    cover_combo_->setCurrentIndex(-1);
    make_digit_only(cdnr_txt_);
    connect(apply_bttn_, &QPushButton::clicked, this, &ImportTab::store_information);
    connect(addtodb_bttn_, &QPushButton::clicked, this, &ImportTab::add_to_database);
    auto* grid = new QGridLayout;
    grid->addWidget(label_for(tr("&Year:"), year_txt_, this), 0, 0);
    grid->addWidget(year_txt_, 0, 1);
    grid->addWidget(label_for(tr("C&over:"), cover_combo_, this), 0, 2);
    grid->addWidget(cover_combo_, 0, 3);
    grid->addWidget(label_for(tr("CD &#:"), cdnr_txt_, this), 0, 4);
    grid->addWidget(cdnr_txt_, 0, 5);
    grid->addWidget(apply_bttn_, 1, 3);
    grid->addWidget(addtodb_bttn_, 1, 4, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    return grid;
}

void ImportTab::take_options(const ImportOptions& options) {
    foldername_txt_->setText(options.foldername);
    convertlower_check_->setChecked(options.convertlower);
    path_ = options.path;
}

ImportOptions ImportTab::options() const {
    return {foldername_txt_->text(), convertlower_check_->isChecked(), path_};
}

bool ImportTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == foldername_txt_)
            explain_lb_->setText(format_help());
        else if (watched == convertlower_check_)
            explain_lb_->setText(case_help());
    }
    return QWidget::eventFilter(watched, event);
}

// Switches the review controls (and the song list box) on when the list holds an album, off
// otherwise.
void ImportTab::fill_list_enabled(bool any) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             addtodb_bttn_, year_txt_, apply_bttn_, cdnr_txt_, cover_combo_, import_songlist_})
        control->setEnabled(any);
    extract_mode_->setEnabled(any);
}

} // namespace vinylix
