#pragma once

#include "code_page.h"

#include <QByteArrayView>
#include <QList>

namespace vinylix {

// The code pages other than `chosen` that read `bytes` as letters rather than symbols, most
// plausible first, at most `count` of them; a page that reads them as `chosen` or an earlier page
// does, or that the system lacks, is left out. A page qualifies when every byte from 0x80 up
// reads as a letter, an accent, punctuation or a space there, and at least one as a letter.
// Among those, a page whose words look like words comes first: a word mixing scripts, with a
// capital after a small letter, beginning with an accent, with two accented Latin letters in a
// row, or made mostly of three or more accented Latin letters ("Ïðèâåò") counts against it;
// ties keep the order of code_pages().
// Windows-1251 "\xCF\xF0\xE8\xE2\xE5\xF2" chosen as Windows-1252 ("Ïðèâåò") gives Windows-1251
// ("Привет") first. Bytes below 0x80 read alike in every page and give no page.
QList<CodePage> letter_pages(QByteArrayView bytes, CodePage chosen, qsizetype count = 3);

} // namespace vinylix
