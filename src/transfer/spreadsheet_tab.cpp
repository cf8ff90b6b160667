#include "spreadsheet_tab.h"

#include "kit/digit_only.h"
#include "kit/icons.h"
#include "store/shared_state.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace vinylix {

namespace {

QListWidget* field_list(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->addItems(spreadsheet_field_names());
    return list;
}

} // namespace

SpreadsheetTab::SpreadsheetTab(SharedState& state, QWidget* parent)
    : QWidget(parent), state_(state), ex_fields_(field_list(QStringLiteral("ex_fields"), this)),
      ex_fields_supp_(field_list(QStringLiteral("ex_fields_supp"), this)),
      field_group_(new QButtonGroup(this)), up_bttn_(new QPushButton(this)),
      down_bttn_(new QPushButton(this)), excel_cdnr_txt_(new QLineEdit(this)),
      excel_getalbums_(new QPushButton(tr("&Get Albums"), this)),
      excel_result_txt_(new QPlainTextEdit(this)), toolbar2_(new QToolBar(this)) {
    setObjectName(QStringLiteral("excel_frame"));
    ex_fields_supp_->hide(); // the reference order of the settings file, never shown
    auto* grid = new QGridLayout(this);
    // The explanation spans the tab, so that it wraps into few lines and the field list below
    // keeps its full height.
    grid->addWidget(build_considerations(), 0, 0, 1, 2);
    grid->addWidget(build_available_fields(), 1, 0);
    grid->addWidget(build_transfer(), 1, 1);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
}

QGroupBox* SpreadsheetTab::build_considerations() {
    auto* frame = new QGroupBox(tr("Considerations"), this);
    auto* text = new QLabel(
        tr("Some people might prefer to store their album information in Microsoft Excel. "
           "Since I have found that transfering the information from this database to excel "
           "could be a rather dull chore, I have automated it for you. You just have to copy "
           "and then past the information in excel."),
        frame);
    text->setWordWrap(true);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(text);
    return frame;
}

// By keyboard the field list is the one stop of the frame (its access key is the frame's): the
// arrows choose a field, Space ticks it, Alt+U and Alt+W move it while the list keeps the focus.
QGroupBox* SpreadsheetTab::build_available_fields() {
    auto* frame = new QGroupBox(tr("&Available Fields"), this);
    ex_fields_->setToolTip(tr("Space ticks or clears the selected field"));
    ex_fields_->installEventFilter(this);
    up_bttn_->setObjectName(QStringLiteral("up_bttn"));
    up_bttn_->setIcon(command_icon(QStringLiteral("up")));
    up_bttn_->setText(tr("&Up"));
    up_bttn_->setToolTip(tr("Move the selected field up"));
    down_bttn_->setObjectName(QStringLiteral("down_bttn"));
    down_bttn_->setIcon(command_icon(QStringLiteral("down")));
    down_bttn_->setText(tr("Do&wn"));
    down_bttn_->setToolTip(tr("Move the selected field down"));
    for (QPushButton* button : {up_bttn_, down_bttn_})
        button->setFocusPolicy(Qt::NoFocus);
    connect(up_bttn_, &QPushButton::clicked, this, [this] { move_field(-1); });
    connect(down_bttn_, &QPushButton::clicked, this, [this] { move_field(1); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(up_bttn_);
    buttons->addWidget(down_bttn_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(frame);
    layout->addLayout(build_field_rows());
    layout->addLayout(buttons);
    layout->addStretch(1);
    return frame;
}

// The field list beside its eight check boxes, one box level with each position of the list.
QLayout* SpreadsheetTab::build_field_rows() {
    field_group_->setObjectName(QStringLiteral("field_check"));
    field_group_->setExclusive(false);
    int row_height = 0;
    auto* boxes = new QVBoxLayout;
    boxes->setSpacing(0);
    for (int k = 0; k < spreadsheet_field_count; ++k) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QStringLiteral("field_check%1").arg(k));
        box->setFocusPolicy(Qt::NoFocus); // ticked by Space in the list, or by a click
        field_group_->addButton(box, k);
        field_check_[std::size_t(k)] = box;
        boxes->addWidget(box);
        row_height = std::max(row_height, box->sizeHint().height());
    }
    row_height = std::max(row_height, ex_fields_->fontMetrics().height() + 4);
    for (QCheckBox* box : field_check_)
        box->setFixedHeight(row_height);
    for (int k = 0; k < ex_fields_->count(); ++k)
        ex_fields_->item(k)->setSizeHint(QSize(0, row_height));
    const int frame_width = ex_fields_->frameWidth();
    boxes->setContentsMargins(0, frame_width, 0, frame_width);
    ex_fields_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ex_fields_->setFixedHeight(spreadsheet_field_count * row_height + 2 * frame_width);
    boxes->addStretch(1);
    ex_fields_->setFixedWidth(
        ex_fields_->fontMetrics().horizontalAdvance(QStringLiteral("Artist ")) * 2);

    auto* rows = new QHBoxLayout;
    rows->setSpacing(2);
    rows->addWidget(ex_fields_, 0, Qt::AlignTop);
    rows->addLayout(boxes);
    return rows;
}

QGroupBox* SpreadsheetTab::build_transfer() {
    auto* frame = new QGroupBox(tr("Information being transfered"), this);
    excel_cdnr_txt_->setObjectName(QStringLiteral("excel_cdnr_txt"));
    make_digit_only(excel_cdnr_txt_);
    excel_cdnr_txt_->installEventFilter(this);
    connect(excel_cdnr_txt_, &QLineEdit::returnPressed, this, [this] { get_albums(); });
    excel_getalbums_->setObjectName(QStringLiteral("excel_getalbums"));
    connect(excel_getalbums_, &QPushButton::clicked, this, [this] { get_albums(); });

    excel_result_txt_->setObjectName(QStringLiteral("excel_result_txt"));
    excel_result_txt_->setReadOnly(true);
    excel_result_txt_->setTabChangesFocus(true);
    excel_result_txt_->setLineWrapMode(QPlainTextEdit::NoWrap);
    toolbar2_->setObjectName(QStringLiteral("Toolbar2"));
    toolbar2_->setIconSize(QSize(16, 16));
    toolbar2_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    copy_button_ =
        toolbar2_->addAction(command_icon(QStringLiteral("copy")), tr("Copy to the clipboard"));
    copy_button_->setObjectName(QStringLiteral("copy"));
    copy_button_->setIconText(tr("C&opy")); // its access key works from the boxes
    copy_button_->setEnabled(false);
    connect(copy_button_, &QAction::triggered, this, [this] { copy_rows(); });

    auto* disc = new QHBoxLayout;
    auto* disc_lb = new QLabel(tr("CD &#:"), frame);
    disc_lb->setBuddy(excel_cdnr_txt_);
    disc->addWidget(disc_lb);
    disc->addWidget(excel_cdnr_txt_);
    disc->addWidget(excel_getalbums_);
    disc->addStretch(1);
    auto* header = new QHBoxLayout;
    auto* result_lb = new QLabel(tr("Information to be &pasted in Microsoft Excel:"), frame);
    result_lb->setBuddy(excel_result_txt_);
    header->addWidget(result_lb, 1);
    header->addWidget(toolbar2_);
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(disc);
    layout->addLayout(header);
    layout->addWidget(excel_result_txt_, 1);
    return frame;
}

void SpreadsheetTab::take_options(const SpreadsheetOptions& options) {
    const QStringList& order =
        is_spreadsheet_order(options.order) ? options.order : spreadsheet_field_names();
    for (int k = 0; k < spreadsheet_field_count; ++k) {
        ex_fields_->item(k)->setText(order[k]);
        field_check_[std::size_t(k)]->setChecked(options.checks[std::size_t(k)]);
    }
}

SpreadsheetOptions SpreadsheetTab::options() const {
    SpreadsheetOptions options;
    options.order = field_order();
    options.checks = ticks();
    return options;
}

QStringList SpreadsheetTab::field_order() const {
    QStringList order;
    for (int k = 0; k < ex_fields_->count(); ++k)
        order << ex_fields_->item(k)->text();
    return order;
}

FieldTicks SpreadsheetTab::ticks() const {
    FieldTicks ticked{};
    for (std::size_t k = 0; k < ticked.size(); ++k)
        ticked[k] = field_check_[k]->isChecked();
    return ticked;
}

// Swaps the selected field with its neighbour; the ticks stay with their fields.
void SpreadsheetTab::move_field(int step) {
    QListWidgetItem* item = ex_fields_->currentItem();
    if (!item || !item->isSelected())
        return;
    const int from = ex_fields_->row(item);
    const int to = from + step;
    if (to < 0 || to >= ex_fields_->count())
        return;
    QListWidgetItem* other = ex_fields_->item(to);
    const QString name = item->text();
    item->setText(other->text());
    other->setText(name);
    QCheckBox* box = field_check_[std::size_t(from)];
    QCheckBox* neighbour = field_check_[std::size_t(to)];
    const bool ticked = box->isChecked();
    box->setChecked(neighbour->isChecked());
    neighbour->setChecked(ticked);
    ex_fields_->setCurrentRow(to);
}

bool SpreadsheetTab::eventFilter(QObject* watched, QEvent* event) {
    if (watched == excel_cdnr_txt_ && event->type() == QEvent::FocusOut)
        normalise_disc_number();
    if (watched == ex_fields_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && ex_fields_->currentRow() >= 0) {
        field_check_[std::size_t(ex_fields_->currentRow())]->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SpreadsheetTab::normalise_disc_number() {
    const QString text = disc_number_text(excel_cdnr_txt_->text());
    if (text != excel_cdnr_txt_->text())
        excel_cdnr_txt_->setText(text);
}

void SpreadsheetTab::get_albums() {
    // Enter leaves the focus in the box: the number is read in the form the box shows once left,
    // so Enter and the button find the same albums.
    normalise_disc_number();
    Recordset* set = state_.artists.get();
    show_rows(set ? spreadsheet_rows(*set, excel_cdnr_txt_->text(), field_order(), ticks())
                  : QString());
}

void SpreadsheetTab::show_rows(const QString& rows) {
    rows_ = rows;
    excel_result_txt_->setPlainText(rows);
    copy_button_->setEnabled(!rows.isEmpty());
}

void SpreadsheetTab::copy_rows() {
    if (copy_button_->isEnabled())
        QGuiApplication::clipboard()->setText(rows_);
}

} // namespace vinylix
