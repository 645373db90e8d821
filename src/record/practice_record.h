#pragma once

#include <QDateTime>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class QSqlDatabase;

// One submitted practice page.
struct PracticeEntry {
    QDateTime submitted; // local time
    int tab = 0;
    QString exerciseType;
    int right = 0;
    int questions = 0;
    int seconds = 0;
};

// The pupil's practice record: a small SQLite file in the user's data folder,
// one transaction per submitted page. All file work happens on a thread of its
// own, so the practice never waits for it; and nothing that goes wrong with the
// file stops the practice. A missing folder is made; a file that is not a
// readable record is set aside under a dated name and a new one is started.
class PracticeRecord {
public:
    explicit PracticeRecord(QString filePath);
    ~PracticeRecord(); // writes what is still waiting, then closes the file
    PracticeRecord(const PracticeRecord&) = delete;
    PracticeRecord& operator=(const PracticeRecord&) = delete;

    // practice-record.db in the program's data folder of this user.
    static QString defaultPath();

    // Queues the page to be written; returns at once.
    void add(const PracticeEntry& entry);
    // The last pages, newest first, after every page queued before the call is written.
    std::vector<PracticeEntry> entries(int limit = 1000);
    // Empties the record. False when the file cannot be written.
    bool clear();
    // One line about the file when something went wrong with it; empty otherwise.
    QString notice();

private:
    using Task = std::function<void(QSqlDatabase&)>;
    void run(Task task);
    template <typename Result>
    Result ask(std::function<Result(QSqlDatabase&)> question);
    void work();
    bool open(QSqlDatabase& database);
    void setAside(QSqlDatabase& database);

    QString path;
    QString connection;
    QString problem; // written and read on the record's thread only

    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Task> tasks;
    bool stopping = false;
    std::thread worker; // last: it starts once everything above exists
};
