#include "search_tab.h"

#include "kit/kept_selection.h"
#include "kit/program_title.h"
#include "kit/prompts.h"
#include "kit/wait_cursor.h"
#include "result_lines_model.h"
#include "store/shared_state.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace vinylix {

SearchTab::SearchTab(SharedState& state, QWidget* parent)
    : QWidget(parent), state_(state), search_textbox_(new QLineEdit(this)),
      field_search_(new QComboBox(this)), search_bttn_(new QPushButton(tr("Searc&h"), this)),
      lines_(new ResultLinesModel(this)), search_listbox_(new QListView(this)),
      nome_lb_(new QLabel(this)), local_lb_(new QLabel(this)) {
    setObjectName(QStringLiteral("search_frame"));
    search_textbox_->setObjectName(QStringLiteral("search_textbox"));
    field_search_->setObjectName(QStringLiteral("field_search"));
    field_search_->addItems({tr("Artist name"), tr("Album name"), tr("Song name")});
    field_search_->setCurrentIndex(0);
    search_bttn_->setObjectName(QStringLiteral("search_bttn"));
    search_listbox_->setObjectName(QStringLiteral("search_listbox"));
    search_listbox_->setModel(lines_);
    search_listbox_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every line has the same height, which keeps a search with many thousand results quick.
    search_listbox_->setUniformItemSizes(true);
    nome_lb_->setObjectName(QStringLiteral("nome_lb"));
    local_lb_->setObjectName(QStringLiteral("local_lb"));
    for (QLabel* shown : {nome_lb_, local_lb_})
        shown->setTextFormat(Qt::PlainText); // names as they are, "<b>" and all
    build_layout();

    connect(search_bttn_, &QPushButton::clicked, this, &SearchTab::search_clicked);
    connect(search_textbox_, &QLineEdit::returnPressed, this, &SearchTab::search_entered);
    connect(search_textbox_, &QLineEdit::textEdited, this, &SearchTab::stop_search);
    connect(&search_, &CL_Search::finished, this, &SearchTab::search_finished);
    // A click and a move of the current line by keyboard show the line's album alike.
    connect(search_listbox_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { display_info(current.row()); });
    keep_current_line_selected(search_listbox_);
}

SearchTab::~SearchTab() = default;

QString SearchTab::too_ambiguous_text() {
    return tr("Search string too ambiguous. Please specify.");
}

QString SearchTab::searching_text() {
    return tr("Searching...");
}

void SearchTab::build_layout() {
    auto* query = new QHBoxLayout;
    const auto label = [this](const QString& caption, QWidget* buddy) {
        auto* made = new QLabel(caption, this);
        made->setBuddy(buddy);
        return made;
    };
    query->addWidget(label(tr("Se&arch:"), search_textbox_));
    query->addWidget(search_textbox_, 1);
    query->addWidget(label(tr("i&n"), field_search_));
    query->addWidget(field_search_);
    query->addWidget(search_bttn_);

    // The list is the frame's one control: the frame's access key reaches it.
    auto* results = new QGroupBox(tr("Search &results"), this);
    auto* results_layout = new QVBoxLayout(results);
    results_layout->addWidget(search_listbox_);

    auto* details = new QGridLayout;
    details->addWidget(new QLabel(tr("Artist - Album:"), this), 0, 0);
    details->addWidget(nome_lb_, 0, 1);
    details->addWidget(new QLabel(tr("Location:"), this), 1, 0);
    details->addWidget(local_lb_, 1, 1);
    details->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(query);
    layout->addWidget(results, 1);
    layout->addLayout(details);
}

// The button refuses a text of fewer than two characters, which would match nearly
// everything; the refusal line is not a result, so choosing it shows nothing.
void SearchTab::search_clicked() {
    if (search_textbox_->text().size() < 2) {
        search_.clear_results();
        show_message(too_ambiguous_text());
        return;
    }
    run_search();
    search_textbox_->setFocus();
}

// Enter searches whatever was typed, however short.
void SearchTab::search_entered() {
    run_search();
}

// A catalogue that cannot be read is said to be so, rather than to hold nothing.
void SearchTab::run_search() {
    QString error;
    {
        const WaitCursor busy;
        search_.search_records(state_.artists.get(), search_textbox_->text(),
                               SearchField(field_search_->currentIndex()), &error);
        show_results();
    }
    if (!error.isEmpty())
        prompts().notice(this, program_title(), error, Prompts::Icon::Exclamation);
    search_textbox_->selectAll();
}

void SearchTab::show_results() {
    // The details of the last search's album go with its lines.
    nome_lb_->clear();
    local_lb_->clear();
    search_listbox_->setToolTip(QString());
    if (search_.running()) {
        search_listbox_->viewport()->setCursor(Qt::BusyCursor);
    } else {
        search_listbox_->viewport()->unsetCursor();
    }
    if (search_.running() && search_.line_count() == 0) {
        show_message(searching_text());
        return;
    }
    showing_results_ = true;
    lines_->show(search_.line_count(),
                 [this](int row) { return search_.line(row, state_.vinylixdb.get()); });
    if (lines_->rowCount() > 0)
        search_listbox_->setCurrentIndex(lines_->index(0));
}

// A line that is not a result: choosing it shows nothing.
void SearchTab::show_message(const QString& text) {
    showing_results_ = false;
    nome_lb_->clear();
    local_lb_->clear();
    search_listbox_->setToolTip(QString());
    if (text.isEmpty())
        lines_->show(0, {});
    else
        lines_->show_text(text);
}

// The rest of a song search's lines come after the ones shown, which stay as they are.
void SearchTab::search_finished(const QString& error) {
    search_listbox_->viewport()->unsetCursor();
    if (!error.isEmpty()) {
        show_message({});
        prompts().notice(this, program_title(), error, Prompts::Icon::Exclamation);
    } else if (showing_results_) {
        lines_->grow_to(search_.line_count());
    } else {
        show_results();
    }
}

void SearchTab::stop_search() {
    if (!search_.running())
        return;
    search_.stop();
    search_listbox_->viewport()->unsetCursor();
    if (!showing_results_)
        show_message({}); // no "Searching..." line left
}

void SearchTab::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && search_.running()) {
        stop_search();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SearchTab::display_info(int line) {
    if (!showing_results_)
        return;
    const std::optional<CL_Search::Info> info = search_.display_info(line, state_.vinylixdb.get());
    if (!info) { // "(Nothing found)", or a song line whose album changed since
        nome_lb_->clear();
        local_lb_->clear();
        search_listbox_->setToolTip(QString());
        return;
    }
    nome_lb_->setText(info->name);
    local_lb_->setText(info->location);
    search_listbox_->setToolTip(lines_->line(line));
}

} // namespace vinylix
