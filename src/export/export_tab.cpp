#include "export_tab.h"

#include "kit/check_box_field.h"
#include "kit/icons.h"
#include "kit/program_title.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "store/shared_state.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>
#include <vector>

namespace vinylix {

namespace {

// The fields of the options that the six property boxes hold, in the boxes' order.
constexpr std::array<bool ExportOptions::*, 6> property_ticks = {
    &ExportOptions::year, &ExportOptions::cover, &ExportOptions::nrofcds,
    &ExportOptions::kbps, &ExportOptions::cdnr,  &ExportOptions::size};

} // namespace

ExportTab::ExportTab(SharedState& state, ProgressBox* progress, QString program_folder,
                     QWidget* parent)
    : QWidget(parent), state_(state), progress_(progress),
      program_folder_(std::move(program_folder)) {
    setObjectName(QStringLiteral("export_frame"));
    // Access keys: the main window's menus and tabs take V, D, T, F, E, S, B, I, X and C.
    preview_bttn_ = new QPushButton(tr("Previe&w"), this);
    preview_bttn_->setObjectName(QStringLiteral("preview_bttn"));
    savefile_bttn_ = new QPushButton(tr("Save to fi&le..."), this);
    savefile_bttn_->setObjectName(QStringLiteral("savefile_bttn"));
    connect(preview_bttn_, &QPushButton::clicked, this, [this] { preview(); });
    connect(savefile_bttn_, &QPushButton::clicked, this, [this] { save_list(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(preview_bttn_);
    buttons->addWidget(savefile_bttn_);
    auto* grid = new QGridLayout(this);
    grid->addWidget(build_export_mode(), 0, 0);
    grid->addWidget(build_fields(), 1, 0);
    grid->addWidget(build_organisation(), 0, 1);
    grid->addWidget(build_additional(), 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    set_tab_order();
}

void ExportTab::set_tab_order() {
    // As the tab is read: the list kind, the properties, the order, the additional
    // information, then the two commands.
    std::vector<QWidget*> chain = {save_mode_->widgetForAction(text_mode_),
                                   save_mode_->widgetForAction(html_mode_)};
    chain.insert(chain.end(), field_boxes_.begin(), field_boxes_.end());
    chain.insert(chain.end(), {org_combo_, nickname_ch_, nick_txt_, email_ch_, email_txt_,
                               stats_ch_, preview_bttn_, savefile_bttn_});
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

QGroupBox* ExportTab::build_export_mode() {
    auto* frame = new QGroupBox(tr("Export Mode"), this);
    save_mode_ = new QToolBar(frame);
    save_mode_->setObjectName(QStringLiteral("save_mode"));
    save_mode_->setIconSize(QSize(32, 32));
    save_mode_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto* group = new QActionGroup(save_mode_);
    text_mode_ = save_mode_->addAction(command_icon(QStringLiteral("list_text")), tr("Text list"));
    text_mode_->setObjectName(QStringLiteral("text_mode"));
    text_mode_->setIconText(tr("&Plain text"));
    html_mode_ = save_mode_->addAction(command_icon(QStringLiteral("list_html")), tr("HTML list"));
    html_mode_->setObjectName(QStringLiteral("html_mode"));
    html_mode_->setIconText(tr("&HTML list"));
    for (QAction* mode : {text_mode_, html_mode_}) {
        mode->setCheckable(true);
        group->addAction(mode);
        // Like every other control: reached by Tab, pressed by its access key or Space.
        save_mode_->widgetForAction(mode)->setFocusPolicy(Qt::StrongFocus);
    }
    text_mode_->setChecked(true);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(save_mode_);
    return frame;
}

QCheckBox* ExportTab::check_box(const char* name, const QString& caption, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QGroupBox* ExportTab::build_fields() {
    auto* frame = new QGroupBox(tr("Available Fields"), this);
    field_boxes_ = {
        check_box("year_ch", tr("&Year"), frame),        check_box("cover_ch", tr("Cove&r"), frame),
        check_box("nrofcds_ch", tr("# &of CDs"), frame), check_box("kbps_ch", tr("&Kbps"), frame),
        check_box("cdnr_ch", tr("CD &#"), frame),        check_box("size_ch", tr("Si&ze"), frame)};
    auto* layout = new QGridLayout(frame);
    for (std::size_t i = 0; i < field_boxes_.size(); ++i)
        layout->addWidget(field_boxes_[i], int(i % 3), int(i / 3));
    return frame;
}

QGroupBox* ExportTab::build_organisation() {
    auto* frame = new QGroupBox(tr("Organisation"), this);
    org_combo_ = new QComboBox(frame);
    org_combo_->setObjectName(QStringLiteral("org_combo"));
    org_combo_->addItems({tr("Artist"), tr("Album"), tr("Year")});
    auto* label = new QLabel(tr("Or&ganise alphabetically by:"), frame);
    label->setBuddy(org_combo_);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(label);
    layout->addWidget(org_combo_);
    layout->addStretch(1);
    return frame;
}

QGroupBox* ExportTab::build_additional() {
    auto* frame = new QGroupBox(tr("Additional Information"), this);
    nickname_ch_ = check_box("nickname_ch", tr("&Nickname"), frame);
    nick_txt_ = new QLineEdit(frame);
    nick_txt_->setObjectName(QStringLiteral("nick_txt"));
    email_ch_ = check_box("email_ch", tr("E&mail"), frame);
    email_txt_ = new QLineEdit(frame);
    email_txt_->setObjectName(QStringLiteral("email_txt"));
    stats_ch_ = check_box("stats_ch", tr("St&atistics"), frame);
    // A box enables its text and leads to it; unticking keeps the text for the next time.
    label_field_by_check_box(nickname_ch_, nick_txt_, true);
    label_field_by_check_box(email_ch_, email_txt_, true);
    auto* layout = new QGridLayout(frame);
    layout->addWidget(nickname_ch_, 0, 0);
    layout->addWidget(nick_txt_, 0, 1);
    layout->addWidget(email_ch_, 1, 0);
    layout->addWidget(email_txt_, 1, 1);
    layout->addWidget(stats_ch_, 2, 0);
    return frame;
}

void ExportTab::take_options(const ExportOptions& o) {
    (is_text_list(o) ? text_mode_ : html_mode_)->setChecked(true);
    for (std::size_t i = 0; i < field_boxes_.size(); ++i)
        field_boxes_[i]->setChecked(o.*property_ticks[i]);
    nickname_ch_->setChecked(o.nickstatus);
    nick_txt_->setText(o.nickname);
    email_ch_->setChecked(o.emailstatus);
    email_txt_->setText(o.email);
    stats_ch_->setChecked(o.statistics);
}

ExportOptions ExportTab::options() const {
    ExportOptions o;
    o.savemode = text_mode_->isChecked() ? ListKind::Text : ListKind::Html;
    for (std::size_t i = 0; i < field_boxes_.size(); ++i)
        o.*property_ticks[i] = field_boxes_[i]->isChecked();
    o.nickstatus = nickname_ch_->isChecked();
    o.nickname = nick_txt_->text();
    o.emailstatus = email_ch_->isChecked();
    o.email = email_txt_->text();
    o.statistics = stats_ch_->isChecked();
    return o;
}

ListOrder ExportTab::order() const {
    switch (org_combo_->currentIndex()) {
    case 1:
        return ListOrder::Album;
    case 2:
        return ListOrder::Year;
    default:
        return ListOrder::Artist;
    }
}

void ExportTab::preview() {
    const QString path = preview_file(program_folder_, options());
    if (write_to(path, true))
        prompts().open_with_default_program(path); // a missing associated program goes unsaid
}

void ExportTab::save_list() {
    const QString path = prompts().save_file(this, tr("Save As"), {}, save_filter(options()));
    if (!path.isEmpty())
        write_to(path, false);
}

bool ExportTab::write_to(const QString& path, bool preview) {
    ListJob job{options(), order(), path, locale_decimal_point(), preview};
    ListOutcome outcome;
    {
        const WaitCursor busy;
        const ProgressFn progress = [this](qint64 done, qint64 total) {
            if (progress_)
                progress_->set_progress(done, total);
            return true;
        };
        outcome = write_list(state_.vinylixdb, job, progress);
        if (progress_)
            progress_->clear();
    }
    switch (outcome.kind) {
    case ListOutcome::Kind::Written:
        return true;
    case ListOutcome::Kind::NoAlbums:
        prompts().notice(this, program_title(), tr("No records in Database"));
        return false;
    case ListOutcome::Kind::Stopped:
        return false;
    case ListOutcome::Kind::Failed:
        prompts().notice(this, program_title(),
                         tr("The list file \"%1\" could not be written: %2")
                             .arg(QDir::toNativeSeparators(path), outcome.reason),
                         Prompts::Icon::Exclamation);
        return false;
    }
    return false;
}

} // namespace vinylix
