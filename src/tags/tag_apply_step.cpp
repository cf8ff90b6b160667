#include "tag_apply_step.h"

#include <QDir>

namespace vinylix {

QString TagApplyStep::name() const {
    return rewrites_.size() == 1 ? QObject::tr("Tag Changes to 1 File")
                                 : QObject::tr("Tag Changes to %1 Files").arg(rewrites_.size());
}

UndoOutcome TagApplyStep::replay(bool undo) {
    QStringList changed, failed;
    int done = 0;
    for (TagRewrite& rewrite : rewrites_) {
        if (rewrite.taken_back != !undo)
            continue; // a file left alone before stays out of it
        const TagWriteResult result = undo ? take_back_tag(rewrite) : write_tag_again(rewrite);
        const QString path = QDir::toNativeSeparators(rewrite.path);
        if (result.ok())
            ++done;
        else if (result.kind == TagWriteResult::Kind::Changed)
            changed << path;
        else
            failed << path + QStringLiteral(": ") + result.description;
    }
    UndoOutcome outcome;
    if (done == 0 && !failed.isEmpty()) {
        outcome.reason = failed.join(u'\n');
        return outcome;
    }
    outcome.carried_out = true;
    QStringList notices;
    if (!changed.isEmpty())
        notices << left_alone_notice(QObject::tr("Another program has changed these files since, "
                                                 "so they were left as they are"),
                                     changed, changed.size());
    if (!failed.isEmpty())
        notices << left_alone_notice(QObject::tr("These files could not be written"), failed,
                                     failed.size());
    outcome.notice = notices.join(QStringLiteral("\n\n"));
    return outcome;
}

} // namespace vinylix
