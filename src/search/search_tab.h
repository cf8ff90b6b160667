#pragma once

#include "cl_search.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace vinylix {

class ResultLinesModel;
struct SharedState;

// The " &Search" tab: a text looked for in the artist names, album titles or song lists of
// the catalogue; choosing a result shows its album and where it stands on the shelf. A song
// search of a large catalogue lists its first lines at once and the rest when found, the tab
// answering meanwhile ("Searching..." while no line is found yet); typing in the text box or
// Escape stops it, keeping the lines listed.
class SearchTab : public QWidget {
    Q_OBJECT
public:
    explicit SearchTab(SharedState& state, QWidget* parent = nullptr);
    ~SearchTab() override;

    static QString too_ambiguous_text();
    static QString searching_text();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build_layout();
    void search_clicked();
    void search_entered();
    void run_search();
    void show_results();
    void show_message(const QString& text);
    void search_finished(const QString& error);
    void stop_search();
    void display_info(int line);

    SharedState& state_;
    CL_Search search_;
    QLineEdit* search_textbox_;
    QComboBox* field_search_;
    QPushButton* search_bttn_;
    ResultLinesModel* lines_;
    QListView* search_listbox_;
    QLabel* nome_lb_;
    QLabel* local_lb_;
    bool showing_results_ = false; // the list shows the search's lines, not a message
};

} // namespace vinylix
