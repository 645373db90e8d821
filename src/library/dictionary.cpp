#include "dictionary.h"

#include <QFile>

QString dictionaryText()
{
    QFile file(QStringLiteral(":/library/dictionary.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The source may have been saved with either line end; the text box shows CRLF.
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}
