#pragma once

#include "settings/options.h"
#include "spreadsheet_rows.h"

#include <QWidget>
#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolBar;

namespace vinylix {

struct SharedState;

// The " Ex&cel" tab: the albums of one shelf disc as tab-separated rows of the chosen fields,
// in the chosen column order, ready to be copied to the clipboard and pasted into a
// spreadsheet. Its controls are the live copy of the spreadsheet options.
class SpreadsheetTab : public QWidget {
    Q_OBJECT
public:
    explicit SpreadsheetTab(SharedState& state, QWidget* parent = nullptr);

    // Shows the field order and ticks; an order that is not the eight names once each leaves
    // the reference order in place.
    void take_options(const SpreadsheetOptions& options);
    SpreadsheetOptions options() const;

    // "Get Albums": lists the albums of the disc in the box, read from the main recordset as
    // it stands now; nothing while the catalogue is not open.
    void get_albums();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* build_considerations();
    QGroupBox* build_available_fields();
    QGroupBox* build_transfer();
    QLayout* build_field_rows();
    void move_field(int step);
    void normalise_disc_number();
    void show_rows(const QString& rows);
    void copy_rows();
    QStringList field_order() const;
    FieldTicks ticks() const;

    SharedState& state_;
    QListWidget* ex_fields_;
    QListWidget* ex_fields_supp_;
    std::array<QCheckBox*, spreadsheet_field_count> field_check_{};
    QButtonGroup* field_group_;
    QPushButton* up_bttn_;
    QPushButton* down_bttn_;
    QLineEdit* excel_cdnr_txt_;
    QPushButton* excel_getalbums_;
    QPlainTextEdit* excel_result_txt_;
    QToolBar* toolbar2_;
    QAction* copy_button_ = nullptr;
    // The rows as built, with their CR LF line ends; what the copy button puts on the clipboard.
    QString rows_;
};

} // namespace vinylix
