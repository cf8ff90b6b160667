#include "fields_tab.h"

#include "kit/kept_selection.h"
#include "kit/program_title.h"
#include "kit/progress_box.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "store/shared_state.h"

#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace vinylix {

FieldsTab::FieldsTab(SharedState& state, ProgressBox* progress, QWidget* parent)
    : QWidget(parent), state_(state), progress_(progress), prop_(new QComboBox(this)),
      prop_var_(new QListWidget(this)), content_(new QListWidget(this)),
      load_bttn_(new QPushButton(tr("L&oad Fields"), this)),
      copyresult_bttn_(new QPushButton(tr("Co&py Results"), this)) {
    setObjectName(QStringLiteral("search_by_frame"));
    prop_->setObjectName(QStringLiteral("prop"));
    prop_var_->setObjectName(QStringLiteral("prop_var"));
    prop_var_->setUniformItemSizes(true);
    content_->setObjectName(QStringLiteral("content"));
    content_->setUniformItemSizes(true);
    load_bttn_->setObjectName(QStringLiteral("load_bttn"));
    copyresult_bttn_->setObjectName(QStringLiteral("copyresult_bttn"));
    build_layout();

    connect(load_bttn_, &QPushButton::clicked, this, &FieldsTab::load_fields);
    connect(prop_, &QComboBox::activated, this,
            [this](int index) { show_values(BrowsedField(index)); });
    connect(prop_var_, &QListWidget::currentRowChanged, this, &FieldsTab::show_albums);
    keep_current_line_selected(prop_var_);
    connect(copyresult_bttn_, &QPushButton::clicked, this, &FieldsTab::copy_results);
}

FieldsTab::~FieldsTab() = default;

void FieldsTab::build_layout() {
    auto* fields = new QGroupBox(tr("Available Fields"), this);
    auto* field_lb = new QLabel(tr("Fie&ld:"), fields);
    field_lb->setBuddy(prop_);
    auto* values_lb = new QLabel(tr("Val&ues:"), fields);
    values_lb->setBuddy(prop_var_);
    auto* field_row = new QHBoxLayout;
    field_row->addWidget(field_lb);
    field_row->addWidget(prop_, 1);
    auto* fields_layout = new QVBoxLayout(fields);
    fields_layout->addLayout(field_row);
    fields_layout->addWidget(values_lb);
    fields_layout->addWidget(prop_var_, 1);

    // The list is the frame's one control: the frame's access key reaches it.
    auto* matching = new QGroupBox(tr("&Records matching criteria"), this);
    auto* matching_layout = new QVBoxLayout(matching);
    matching_layout->addWidget(content_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(load_bttn_);
    buttons->addStretch(1);
    buttons->addWidget(copyresult_bttn_);

    auto* grid = new QGridLayout(this);
    grid->addWidget(fields, 0, 0);
    grid->addWidget(matching, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 2);
}

// One pass over the catalogue with the progress drawn; then the shelf CDs are shown with
// the albums of the first one.
void FieldsTab::load_fields() {
    collect_fields();
    choose_field(BrowsedField::CD, std::nullopt);
}

void FieldsTab::show_value(BrowsedField field, const QString& value) {
    collect_fields();
    choose_field(field, value);
    prop_var_->setFocus(); // the arrows go on from the value shown
}

void FieldsTab::collect_fields() {
    const WaitCursor busy;
    {
        const QSignalBlocker quiet(prop_);
        prop_->clear();
        prop_->addItems(CL_Fields::field_captions());
    }
    if (progress_)
        progress_->clear();
    fields_.load_props(state_.artists.get(), [this](qint64 done, qint64 total) {
        if (progress_)
            progress_->set_progress(done, total);
        return true;
    });
    if (progress_)
        progress_->clear();
}

// Shows the values of `field` and the albums of the entry `value` (the first entry when no
// value is asked for; none when the value is not there).
void FieldsTab::choose_field(BrowsedField field, const std::optional<QString>& value) {
    {
        const QSignalBlocker quiet(prop_);
        prop_->setCurrentIndex(int(field));
    }
    show_values(field);
    if (!value) {
        if (prop_var_->count() > 0)
            prop_var_->setCurrentRow(0);
        return;
    }
    const QList<QListWidgetItem*> found = prop_var_->findItems(*value, Qt::MatchExactly);
    if (!found.isEmpty())
        prop_var_->setCurrentItem(found.first());
}

// Another field's values: the albums of the old field's value go with it.
void FieldsTab::show_values(BrowsedField field) {
    content_->clear();
    prop_var_->clear();
    prop_var_->addItems(fields_.display_sub_prop(state_.artists.get(), field));
}

// Runs when a value is chosen, by the user or by the program; clearing the value list
// chooses none and leaves the albums shown.
void FieldsTab::show_albums(int entry) {
    if (entry < 0)
        return;
    const WaitCursor busy;
    content_->clear();
    content_->addItems(CL_Fields::display_prop(
        state_.artists.get(), BrowsedField(prop_->currentIndex()), prop_var_->item(entry)->text()));
}

void FieldsTab::copy_results() {
    if (content_->count() == 0) {
        prompts().notice(this, program_title(),
                         tr("No list available. Please load records first."));
        return;
    }
    if (!prompts().confirm(this, program_title(),
                           tr("You are about to copy the list to the clipboard. Continue?")))
        return;
    QStringList lines;
    for (int i = 0; i < content_->count(); ++i)
        lines.append(content_->item(i)->text());
    QGuiApplication::clipboard()->setText(CL_Fields::results_text(lines));
    prompts().notice(this, program_title(), tr("The list has been copied to clipboard."));
}

} // namespace vinylix
