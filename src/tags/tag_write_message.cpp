#include "tag_write_message.h"

#include "kit/program_title.h"
#include "kit/prompts.h"

namespace vinylix {

QString write_protected_title() {
    return QStringLiteral("Vinylix %1.%2[Trackwright]").arg(version_major).arg(version_minor);
}

void show_tag_write_message(QWidget* parent, const QString& path, const TagWriteResult& result) {
    switch (result.kind) {
    case TagWriteResult::Kind::Written:
        return;
    case TagWriteResult::Kind::WriteProtected:
        prompts().notice(parent, write_protected_title(),
                         path + QStringLiteral("\n is write protected"),
                         Prompts::Icon::Information);
        return;
    case TagWriteResult::Kind::Changed:
        prompts().notice(
            parent, program_title(),
            path + QStringLiteral(
                       "\n was changed by another program, or is gone, since it was listed"),
            Prompts::Icon::Information);
        return;
    case TagWriteResult::Kind::Other:
        prompts().notice(parent, program_title(), result.description, Prompts::Icon::None);
        return;
    }
}

} // namespace vinylix
