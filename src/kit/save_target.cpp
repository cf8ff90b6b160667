#include "save_target.h"

#include "program_title.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vinylix {

bool may_replace(QWidget* parent, const QString& chosen, const QString& path) {
    return path == chosen || !QFileInfo::exists(path) ||
           prompts().confirm(parent, program_title(),
                             QCoreApplication::translate("vinylix",
                                                         "The file \"%1\" already exists.\nDo "
                                                         "you want to replace it?")
                                 .arg(QDir::toNativeSeparators(path)));
}

} // namespace vinylix
