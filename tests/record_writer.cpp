// record-writer FILE: writes practice pages into FILE as fast as it can and
// prints the number of pages known to be on disk after each one, until it is
// killed. The record's tests kill it in the middle of a write.

#include "practice_record.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    PracticeRecord record(QString::fromLocal8Bit(argv[1]));
    QTextStream out(stdout);
    for (int page = 1;; ++page) {
        // Every field follows from the page number, so a half-written page would show.
        record.add({QDateTime::currentDateTime(), page % 7 + 1, QStringLiteral("第%1页").arg(page), page % 11, 10, page});
        record.entries(1); // waits until the page is written
        out << page << Qt::endl;
    }
}
