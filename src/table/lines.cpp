#include "lines.h"

#include <cctype>

namespace qolvar::table {

QString OneLine(const QString& text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n')) return text;
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

bool NameNeedsQuotes(const QString& name)
{
    if (name.startsWith(u'"')) return true;
    for (const QChar c : name)
        if ((c.unicode() >= 1 && c.unicode() <= 32) || c == u',') return true;
    return false;
}

QString QuoteName(const QString& name)
{
    QString s = name;
    s.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

QString NumberName(long long n)
{
    QString digits = QString::number(n);
    if (digits.size() < 4)
        digits = QString(4 - digits.size(), u'0') + digits;
    else if (n >= 1000)
        digits.prepend(u'0');
    return QStringLiteral("CN") + digits;
}

namespace {

// The hexadecimal field as a line writes it: as typed, but a code of fewer
// than six digits ("0", "F80") padded with zeros in front, as it reads
// ("#0" is a code no other program reads).
QString LineCode(const QString& hexField)
{
    const QString code = OneLine(hexField);
    if (code.isEmpty() || code.size() >= 6) return code;
    for (const QChar c : code)
        if (!std::isxdigit(c.unicode() < 128 ? static_cast<unsigned char>(c.unicode()) : 'x')) return code;
    return QString(6 - code.size(), u'0') + code;
}

}  // namespace

QString ReplaceLine(const QString& hexField, const QString& name, const QString& comment)
{
    return u'#' + LineCode(hexField) + u' ' + OneLine(name) + u' ' + OneLine(comment);
}

QString AddLine(const QString& hexField, const QString& name, const QString& comment, long long lineCount)
{
    QString line = u'#' + LineCode(hexField) + u' ';
    if (!name.isEmpty() && !name.startsWith(QStringLiteral("CN0")))
        line += OneLine(name);
    else
        line += NumberName(lineCount + 1);
    if (!comment.isEmpty()) line += u' ' + OneLine(comment);
    return line;
}

QString ProgramLine(TColor color, const QString& name, const QString& comment)
{
    QString line = u'#' + QString::fromLatin1(ColorToHex(color)) + u' ';
    const QString n = OneLine(name);
    if (comment.isEmpty()) {
        line += NameNeedsQuotes(n) ? QuoteName(n) : n;
    } else {
        line += n + u' ' + OneLine(comment);
    }
    return line;
}

QString LogTableLine(const QString& logLine, long long i)
{
    const qsizetype hash = logLine.indexOf(u'#');
    const QString rest = hash < 0 ? logLine : logLine.mid(hash);
    return rest.left(7) + u' ' + NumberName(i) + u' ' + rest.mid(8);
}

}  // namespace qolvar::table
