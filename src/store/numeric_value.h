#pragma once

#include <QStringView>

namespace vinylix {

// The leading decimal number of a text ("." as decimal point); 0 when the text has none.
// " 12abc" gives 12, "650.25" gives 650.25, "-3" gives -3, "CDA" and "" give 0.
double numeric_value(QStringView text);

} // namespace vinylix
