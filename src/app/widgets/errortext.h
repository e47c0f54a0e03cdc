// Error messages in the user's language. The colour library has no Qt and
// so no translations: its errors carry which of its messages they are and
// the values in them (a file name, a line number, a field). ErrorText
// gives such a message translated, with the same values; any other error
// (made translated where it was thrown) is given as it is.
#pragma once

#include <QString>
#include <exception>

#include "colour/errors.h"

namespace qolvar::app {

QString ErrorText(const Message& message);
QString ErrorText(const std::exception& e);

// The untranslated text of a library message id, as the translations know
// it (the library's Japanese text with its %1 …).
const char* ErrorSourceText(MessageId id);

}  // namespace qolvar::app
