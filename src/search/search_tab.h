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
// the catalogue; choosing a result shows its album and where it stands on the shelf.
class SearchTab : public QWidget {
    Q_OBJECT
public:
    explicit SearchTab(SharedState& state, QWidget* parent = nullptr);
    ~SearchTab() override;

    static QString too_ambiguous_text();

private:
    void build_layout();
    void search_clicked();
    void search_entered();
    void run_search();
    void show_lines(ResultLines lines);
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
};

} // namespace vinylix
