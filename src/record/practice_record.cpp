#include "practice_record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTextStream>
#include <QVariant>

#include <atomic>
#include <future>

namespace {

QString uniqueConnectionName()
{
    static std::atomic<int> count{0};
    return QStringLiteral("practice-record-%1").arg(++count);
}

const char* const createTable =
    "CREATE TABLE IF NOT EXISTS pages ("
    " id INTEGER PRIMARY KEY,"
    " submitted TEXT NOT NULL," // ISO 8601, local time
    " tab INTEGER NOT NULL,"
    " exercise TEXT NOT NULL,"
    " answered_right INTEGER NOT NULL,"
    " questions INTEGER NOT NULL,"
    " seconds INTEGER NOT NULL)";

// An intact SQLite file that holds nothing but a practice record (or nothing).
bool isRecord(QSqlDatabase& database)
{
    QSqlQuery check(database);
    if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() || check.value(0).toString() != u"ok")
        return false;
    QSqlQuery others(database);
    return others.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name <> 'pages'"))
        && !others.next();
}

} // namespace

PracticeRecord::PracticeRecord(QString filePath)
    : path(std::move(filePath)), connection(uniqueConnectionName()), worker([this] { work(); })
{
}

PracticeRecord::~PracticeRecord()
{
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_one();
    worker.join();
    QSqlDatabase::removeDatabase(connection);
}

QString PracticeRecord::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("practice-record.db"));
}

void PracticeRecord::run(Task task)
{
    {
        std::lock_guard lock(mutex);
        tasks.push_back(std::move(task));
    }
    wake.notify_one();
}

template <typename Result>
Result PracticeRecord::ask(std::function<Result(QSqlDatabase&)> question)
{
    auto answer = std::make_shared<std::promise<Result>>();
    std::future<Result> result = answer->get_future();
    run([answer, question](QSqlDatabase& database) { answer->set_value(question(database)); });
    return result.get();
}

void PracticeRecord::work()
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    if (!open(database))
        database.close(); // every task sees a closed file and leaves it alone
    for (;;) {
        Task task;
        {
            std::unique_lock lock(mutex);
            wake.wait(lock, [this] { return stopping || !tasks.empty(); });
            if (tasks.empty())
                break; // stopping, with nothing left to write
            task = std::move(tasks.front());
            tasks.pop_front();
        }
        task(database);
    }
    database.close();
}

bool PracticeRecord::open(QSqlDatabase& database)
{
    const QFileInfo file(path);
    if (!QDir().mkpath(file.absolutePath())) {
        problem = QStringLiteral("练习记录无法保存：不能建立文件夹 %1").arg(file.absolutePath());
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        database.setDatabaseName(path);
        if (!database.open()) {
            problem = QStringLiteral("练习记录无法保存：%1 打不开").arg(path);
            return false;
        }
        if (isRecord(database) && QSqlQuery(database).exec(QString::fromLatin1(createTable)))
            return true;
        if (attempt == 0 && file.exists())
            setAside(database);
    }
    if (problem.isEmpty())
        problem = QStringLiteral("练习记录无法保存：%1 写不进去").arg(path);
    return false;
}

void PracticeRecord::setAside(QSqlDatabase& database)
{
    database.close();
    const QString aside = path + QStringLiteral(".damaged-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hhmmss"));
    if (QFile::rename(path, aside)) {
        problem = QStringLiteral("练习记录文件坏了，已改名为 %1，新的记录从现在开始。").arg(aside);
        QTextStream(stderr) << problem << Qt::endl;
    }
}

void PracticeRecord::add(const PracticeEntry& entry)
{
    run([entry](QSqlDatabase& database) {
        if (!database.isOpen())
            return;
        QSqlQuery insert(database);
        // One statement is one transaction: a page is written whole or not at all.
        insert.prepare(QStringLiteral("INSERT INTO pages (submitted, tab, exercise, answered_right, questions, seconds) "
                                      "VALUES (?, ?, ?, ?, ?, ?)"));
        insert.addBindValue(entry.submitted.toString(Qt::ISODate));
        insert.addBindValue(entry.tab);
        insert.addBindValue(entry.exerciseType);
        insert.addBindValue(entry.right);
        insert.addBindValue(entry.questions);
        insert.addBindValue(entry.seconds);
        insert.exec();
    });
}

std::vector<PracticeEntry> PracticeRecord::entries(int limit)
{
    return ask<std::vector<PracticeEntry>>([limit](QSqlDatabase& database) {
        std::vector<PracticeEntry> pages;
        if (!database.isOpen())
            return pages;
        QSqlQuery select(database);
        select.prepare(QStringLiteral("SELECT submitted, tab, exercise, answered_right, questions, seconds FROM pages "
                                      "ORDER BY id DESC LIMIT ?"));
        select.addBindValue(limit);
        if (!select.exec())
            return pages;
        // SQLite binds from 1 but reads columns from 0.
        while (select.next())
            pages.push_back({QDateTime::fromString(select.value(0).toString(), Qt::ISODate), select.value(1).toInt(),
                             select.value(2).toString(), select.value(3).toInt(), select.value(4).toInt(),
                             select.value(5).toInt()});
        return pages;
    });
}

bool PracticeRecord::clear()
{
    return ask<bool>([](QSqlDatabase& database) {
        return database.isOpen() && QSqlQuery(database).exec(QStringLiteral("DELETE FROM pages"));
    });
}

QString PracticeRecord::notice()
{
    return ask<QString>([this](QSqlDatabase&) { return problem; });
}
