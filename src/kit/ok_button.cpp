#include "ok_button.h"

#include <QDialog>
#include <QPushButton>

namespace vinylix {

QPushButton* make_ok_button(QDialog* window, const char* name) {
    auto* ok = new QPushButton(QObject::tr("&OK"), window);
    ok->setObjectName(QString::fromLatin1(name));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, window, &QDialog::accept);
    return ok;
}

} // namespace vinylix
