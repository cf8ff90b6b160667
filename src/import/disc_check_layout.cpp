// The disc-check window's controls and their places.
#include "disc_check_texts.h"
#include "disc_check_tree.h"
#include "disc_check_window.h"

#include "kit/digit_only.h"
#include "kit/progress_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vinylix {

namespace {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption) {
    return named(new QPushButton(caption, parent), name); // Enter presses the focused button
}

QLabel* label_for(QWidget* parent, const QString& caption, QWidget* buddy) {
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

// The field boxes' captions, in checked_fields order, each with its access key.
constexpr const char* field_captions[] = {"&CDs", "Song &list", "Si&ze", "Bit&rate", "&Year"};
constexpr const char* field_box_names[] = {"cds_check", "songs_check", "size_check", "kbps_check",
                                           "year_check"};

} // namespace

void DiscCheckWindow::build_controls() {
    setObjectName(QStringLiteral("check_frm"));
    setWindowTitle(tr("Check a Disc"));
    QLayout* choices = build_choice_rows(); // made first, so Tab starts there
    format_lb_ = named(new QLabel(this), "format_lb");
    format_lb_->setWordWrap(true);
    format_lb_->setTextFormat(Qt::PlainText); // the format as typed
    progressbar_ = new ProgressBox(this);
    progressbar_->setFixedHeight(10);
    summary_lb_ = named(new QLabel(this), "summary_lb");
    summary_lb_->setWordWrap(true);
    summary_lb_->setTextFormat(Qt::PlainText);
    summary_lb_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    groups_tree_ = new DiscCheckTree(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(format_lb_);
    layout->addWidget(progressbar_);
    layout->addWidget(summary_lb_);
    layout->addWidget(label_for(this, tr("&Groups"), groups_tree_));
    layout->addWidget(groups_tree_, 1);
    layout->addLayout(build_field_boxes());
    layout->addLayout(build_buttons());
    resize(860, 620);
}

QLayout* DiscCheckWindow::build_choice_rows() {
    folder_txt_ = named(new QLineEdit(this), "folder_txt");
    folder_txt_->setReadOnly(true);
    browse_bttn_ = make_button(this, "browse_bttn", tr("&Browse..."));
    disc_nr_txt_ = named(new QLineEdit(this), "disc_nr_txt");
    make_digit_only(disc_nr_txt_);
    disc_nr_txt_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    source_combo_ = named(new QComboBox(this), "source_combo");
    source_combo_->addItems({tr("File names"), tr("Playlists"), tr("ID3 tags")}); // as the import
    check_bttn_ = make_button(this, "check_bttn", tr("C&heck"));
    check_bttn_->setDefault(true); // Enter in the disc number box checks
    stop_bttn_ = make_button(this, "stop_bttn", tr("S&top"));
    stop_bttn_->setEnabled(false);

    auto* grid = new QGridLayout;
    grid->addWidget(label_for(this, tr("&Folder:"), folder_txt_), 0, 0);
    grid->addWidget(folder_txt_, 0, 1, 1, 4);
    grid->addWidget(browse_bttn_, 0, 5);
    grid->addWidget(label_for(this, tr("&Disc #:"), disc_nr_txt_), 1, 0);
    grid->addWidget(disc_nr_txt_, 1, 1);
    grid->addWidget(label_for(this, tr("Song &names from:"), source_combo_), 1, 2, Qt::AlignRight);
    grid->addWidget(source_combo_, 1, 3);
    grid->addWidget(check_bttn_, 1, 4);
    grid->addWidget(stop_bttn_, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

QLayout* DiscCheckWindow::build_field_boxes() {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Fields to update:"), this));
    for (std::size_t f = 0; f < checked_fields.size(); ++f) {
        field_checks_[f] = named(new QCheckBox(tr(field_captions[f]), this), field_box_names[f]);
        field_checks_[f]->setChecked(true);
        row->addWidget(field_checks_[f]);
    }
    row->addStretch(1);
    return row;
}

QLayout* DiscCheckWindow::build_buttons() {
    update_bttn_ = make_button(this, "update_bttn", tr("&Update Selected"));
    add_bttn_ = make_button(this, "add_bttn", tr("&Add Selected"));
    copy_bttn_ = make_button(this, "copy_bttn", tr("Co&py"));
    save_bttn_ = make_button(this, "save_bttn", tr("Sa&ve Report..."));
    close_bttn_ = make_button(this, "close_bttn", tr("Clos&e"));
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {update_bttn_, add_bttn_, copy_bttn_, save_bttn_})
        row->addWidget(button);
    row->addStretch(1);
    row->addWidget(close_bttn_);
    return row;
}

} // namespace vinylix
