#include "check_box_field.h"

#include <QCheckBox>

namespace vinylix {

void label_field_by_check_box(QCheckBox* box, QWidget* field, bool enables) {
    if (enables) {
        field->setEnabled(box->isChecked());
        QObject::connect(box, &QCheckBox::toggled, field, &QWidget::setEnabled);
    }
    // Only the user's ticks: a box ticked by the program (the options at start) takes no focus.
    QObject::connect(box, &QCheckBox::clicked, field, [field](bool ticked) {
        if (ticked)
            field->setFocus(Qt::ShortcutFocusReason);
    });
}

} // namespace vinylix
