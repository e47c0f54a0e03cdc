// Error messages in the user's language. The colour library has no Qt and
// so no translations: its messages are fixed Japanese texts, some with a
// file name, a line number or a value in them. ErrorText matches such a
// message against the library's texts and gives it translated, with the
// same values; any other message (made translated where it was thrown) is
// given as it is.
#pragma once

#include <QString>
#include <exception>

namespace qolvar::app {

QString ErrorText(const QString& message);
QString ErrorText(const std::exception& e);

}  // namespace qolvar::app
