#pragma once

#include "cl_fields.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QListWidget;
class QPushButton;

namespace vinylix {

class ProgressBox;
struct SharedState;

// The " Search &by" tab: the distinct values of five album fields, the albums that hold a
// chosen value, and a copy of those albums to the clipboard.
class FieldsTab : public QWidget {
    Q_OBJECT
public:
    // `progress` is the main window's progress box (may be null: no progress is drawn).
    FieldsTab(SharedState& state, ProgressBox* progress, QWidget* parent = nullptr);
    ~FieldsTab() override;

    // Collects the values anew, as "Load Fields" does, and shows the albums whose `field`
    // holds `value` as stored ("1994" under "Year"), the keyboard on the value.
    void show_value(BrowsedField field, const QString& value);

private:
    void build_layout();
    void load_fields();
    void collect_fields();
    void choose_field(BrowsedField field, const std::optional<QString>& value);
    void show_values(BrowsedField field);
    void show_albums(int entry);
    void copy_results();

    SharedState& state_;
    ProgressBox* progress_;
    CL_Fields fields_;
    QComboBox* prop_;
    QListWidget* prop_var_;
    QListWidget* content_;
    QPushButton* load_bttn_;
    QPushButton* copyresult_bttn_;
};

} // namespace vinylix
