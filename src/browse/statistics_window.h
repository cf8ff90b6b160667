#pragma once

#include "store/statistics.h"

#include <QDialog>

namespace vinylix {

// "stats_frm": the four figures of the catalogue. Escape closes it.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsWindow(const Statistics& figures, QWidget* parent = nullptr);
};

} // namespace vinylix
