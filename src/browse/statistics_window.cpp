#include "statistics_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vinylix {

namespace {

QLineEdit* figure_box(const char* name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    return box;
}

} // namespace

StatisticsWindow::StatisticsWindow(const Statistics& figures, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("stats_frm"));
    setWindowTitle(tr("Statistics"));
    auto* frame = new QGroupBox(this);
    auto* form = new QFormLayout(frame);
    form->addRow(tr("Number of Artists:"),
                 figure_box("artist_lb", QString::number(figures.number_of_artists), frame));
    form->addRow(tr("Number of Albums:"),
                 figure_box("album_lb", QString::number(figures.number_of_albums), frame));
    form->addRow(tr("Total Size (MB):"),
                 figure_box("size_lb", figures.total_size_text() + " Mb", frame));
    form->addRow(tr("Number of Cds:"),
                 figure_box("cds_lb", QString::number(figures.number_of_cds), frame));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
}

} // namespace vinylix
