// The 练习记录 window: the last pages in a table, and a chart of one exercise
// type's right answers and seconds per day.

#include "record_window_plugin.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <map>

namespace {

// The averages of one day's pages of one exercise type.
struct Day {
    int pages = 0;
    int right = 0;
    int seconds = 0;
};

class RecordWindow final : public QWidget {
public:
    RecordWindow(QWidget* parent, std::function<std::vector<PracticeEntry>()> read, std::function<bool()> clear,
                 const QString& notice, QStringList tabCaptions)
        : QWidget(parent, Qt::Window), read(std::move(read)), clearRecord(std::move(clear)), tabCaptions(std::move(tabCaptions))
    {
        setObjectName(QStringLiteral("recordWindow"));
        setWindowTitle(QStringLiteral("练习记录"));
        resize(880, 640);
        auto* layout = new QVBoxLayout(this);
        if (!notice.isEmpty()) {
            auto* problem = new QLabel(notice, this);
            problem->setWordWrap(true);
            problem->setStyleSheet(QStringLiteral("color: #b71c1c;"));
            layout->addWidget(problem);
        }
        table = new QTableWidget(0, 5, this);
        table->setObjectName(QStringLiteral("recordTable"));
        table->setHorizontalHeaderLabels({QStringLiteral("时间"), QStringLiteral("标签"), QStringLiteral("题目"),
                                          QStringLiteral("答对"), QStringLiteral("用时")});
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
        table->setWordWrap(false);
        table->verticalHeader()->hide();
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        layout->addWidget(table, 2);

        auto* choice = new QHBoxLayout;
        choice->addWidget(new QLabel(QStringLiteral("每天的成绩："), this));
        types = new QComboBox(this);
        types->setObjectName(QStringLiteral("recordType"));
        choice->addWidget(types, 1);
        auto* empty = new QPushButton(QStringLiteral("清空记录"), this);
        empty->setObjectName(QStringLiteral("clearRecord"));
        empty->setStyleSheet(QStringLiteral("padding: 5px 18px;"));
        choice->addWidget(empty);
        layout->addLayout(choice);
        chart = new QChartView(this);
        chart->setObjectName(QStringLiteral("recordChart"));
        chart->setRenderHint(QPainter::Antialiasing);
        chart->setMinimumHeight(260);
        layout->addWidget(chart, 3);

        connect(types, &QComboBox::currentTextChanged, this, [this] { drawChart(); });
        connect(empty, &QPushButton::clicked, this, [this] { askToClear(); });
        refresh();
    }

private:
    void refresh()
    {
        pages = read();
        table->setRowCount(int(pages.size()));
        for (int row = 0; row < int(pages.size()); ++row) {
            const PracticeEntry& page = pages[row];
            const QString tab = page.tab >= 1 && page.tab <= tabCaptions.size() ? tabCaptions[page.tab - 1] : QString::number(page.tab);
            const QStringList cells{page.submitted.toString(QStringLiteral("yyyy-MM-dd hh:mm")), tab,
                                    page.exerciseType, QStringLiteral("%1 / %2").arg(page.right).arg(page.questions),
                                    QStringLiteral("%1 秒").arg(page.seconds)};
            for (int column = 0; column < cells.size(); ++column)
                table->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        QStringList names; // most recently practised first
        for (const PracticeEntry& page : pages)
            if (!names.contains(page.exerciseType))
                names.append(page.exerciseType);
        const QString chosen = types->currentText();
        types->blockSignals(true);
        types->clear();
        types->addItems(names);
        types->setCurrentIndex(std::max(0, int(names.indexOf(chosen))));
        types->blockSignals(false);
        drawChart();
    }

    void drawChart()
    {
        std::map<QDate, Day> days;
        for (const PracticeEntry& page : pages) {
            if (page.exerciseType != types->currentText())
                continue;
            Day& day = days[page.submitted.date()];
            ++day.pages;
            day.right += page.right;
            day.seconds += page.seconds;
        }
        while (days.size() > 14) // the last two weeks of practice
            days.erase(days.begin());

        auto* right = new QBarSet(QStringLiteral("平均答对题数"));
        auto* seconds = new QLineSeries;
        seconds->setName(QStringLiteral("平均用时（秒）"));
        QStringList dates;
        int most = 1;
        for (const auto& [date, day] : days) {
            dates.append(date.toString(QStringLiteral("M月d日")));
            *right << double(day.right) / day.pages;
            seconds->append(dates.size() - 1, double(day.seconds) / day.pages);
            most = std::max(most, day.seconds / day.pages);
        }
        auto* bars = new QBarSeries;
        bars->append(right);
        auto* view = new QChart;
        view->setTitle(types->currentText().isEmpty() ? QStringLiteral("还没有练习记录") : types->currentText());
        view->addSeries(bars);
        view->addSeries(seconds);
        auto* dateAxis = new QBarCategoryAxis;
        dateAxis->append(dates.isEmpty() ? QStringList{QString()} : dates);
        auto* rightAxis = new QValueAxis;
        rightAxis->setRange(0, 10);
        rightAxis->setTickCount(6);
        rightAxis->setLabelFormat(QStringLiteral("%d"));
        auto* secondsAxis = new QValueAxis;
        secondsAxis->setRange(0, most * 1.2);
        secondsAxis->applyNiceNumbers();
        secondsAxis->setLabelFormat(QStringLiteral("%d"));
        view->addAxis(dateAxis, Qt::AlignBottom);
        view->addAxis(rightAxis, Qt::AlignLeft);
        view->addAxis(secondsAxis, Qt::AlignRight);
        bars->attachAxis(dateAxis);
        bars->attachAxis(rightAxis);
        seconds->attachAxis(dateAxis);
        seconds->attachAxis(secondsAxis);
        QChart* old = chart->chart();
        chart->setChart(view);
        delete old;
    }

    void askToClear()
    {
        const auto answer = QMessageBox::question(this, QStringLiteral("清空记录"),
                                                  QStringLiteral("真的要删掉全部练习记录吗？删掉后找不回来。"));
        if (answer != QMessageBox::Yes)
            return;
        if (!clearRecord())
            QMessageBox::warning(this, QStringLiteral("清空记录"), QStringLiteral("记录文件写不进去，没有清空。"));
        refresh();
    }

    std::function<std::vector<PracticeEntry>()> read;
    std::function<bool()> clearRecord;
    QStringList tabCaptions;
    std::vector<PracticeEntry> pages;
    QTableWidget* table;
    QComboBox* types;
    QChartView* chart;
};

class RecordWindowFactory final : public QObject, public RecordWindowPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RecordWindowPlugin_iid)
    Q_INTERFACES(RecordWindowPlugin)

public:
    QWidget* createRecordWindow(QWidget* parent, std::function<std::vector<PracticeEntry>()> read,
                                std::function<bool()> clear, const QString& notice, const QStringList& tabCaptions) override
    {
        return new RecordWindow(parent, std::move(read), std::move(clear), notice, tabCaptions);
    }
};

} // namespace

#include "record_window.moc"
