#pragma once

#include <QString>
#include <QStringList>

namespace vinylix::cli {

// Each command reads its own command line, `arguments` (the program's name, then every
// argument after the command's name), does its work and returns the exit status (console.h).
// `catalogue` is the file named with "--catalogue" before the command, or empty.
int run_list(const QStringList& arguments, const QString& catalogue);
int run_import(const QStringList& arguments, const QString& catalogue);
int run_search(const QStringList& arguments, const QString& catalogue);
int run_stats(const QStringList& arguments, const QString& catalogue);
int run_check(const QStringList& arguments, const QString& catalogue);

} // namespace vinylix::cli
