// A monkey at the form: thousands of seeded random events of every kind a user
// can make (tabs, clicks on every kind of tree node, typing anything into any
// open box, every button in view, the clock) with the invariants of a round
// checked after each. A failure names its seed and prints the events as
// tallowby-driver lines, which replay it.
//
// MONKEY_EVENTS and MONKEY_SEED make a longer or another run (make monkey N=...).

#include "practice_pages.h"
#include "test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTest>

#include <random>

namespace {

// Text a user might type, or paste: digits, keys, blanks, full-width forms,
// any Unicode (surrogate pairs included), up to ten thousand characters.
QString randomText(std::mt19937_64& chance, const AnswerKey& keys)
{
    std::uniform_int_distribution<int> kind(0, 5);
    switch (kind(chance)) {
    case 0:
        return keys[chance() % 10];
    case 1:
        return QStringLiteral(" ") + keys[chance() % 10] + QStringLiteral(" ");
    case 2:
        return QString::number(chance() % 100000);
    case 3:
        return QString(int(chance() % 10001), QChar(u'0' + int(chance() % 10)));
    case 4:
        return QStringLiteral("１２：０５．５／－３ｘ");
    default: {
        QString text;
        const int length = int(chance() % 40);
        for (int i = 0; i < length; ++i) {
            const char32_t codePoint = char32_t(chance() % 0x10FFFF);
            if (codePoint < 0xD800 || codePoint > 0xDFFF)
                text += QString::fromUcs4(&codePoint, 1);
        }
        return text;
    }
    }
}

class Monkey {
public:
    explicit Monkey(unsigned long long seed) : chance(seed)
    {
        model.Form_Load();
        model.form.setRandomSource(std::make_unique<SeededRandom>(seed));
        controls = model.form.controls();
        record({QStringLiteral("seed"), double(seed)});
    }

    // Plays one event; returns what went wrong, or nothing.
    QString step()
    {
        MainForm& form = model.form;
        switch (chance() % 8) {
        case 0:
            record({QStringLiteral("tab"), int(1 + chance() % 13)});
            model.selectTab(events.last().toArray()[1].toInt());
            break;
        case 1:
        case 2:
            if (!form.TreeView1.nodes().empty()) { // categories, leaves, the exit leaf: every kind of node
                const TreeNode& node = form.TreeView1.nodes()[chance() % form.TreeView1.nodes().size()];
                record({QStringLiteral("selectKey"), node.key});
                record({QStringLiteral("click")});
                form.TreeView1.selectKey(node.key);
                form.TreeView1_Click();
            }
            break;
        case 3:
        case 4:
            typeSomewhere();
            break;
        case 5:
            pressSomething();
            break;
        case 6:
            return answerEverythingRight();
        default:
            record({QStringLiteral("tick"), int(chance() % 40)});
            for (int i = events.last().toArray()[1].toInt(); i > 0; --i)
                if (form.Timer1.interval() == 1000)
                    form.Timer1_Timer();
            break;
        }
        return invariantBroken();
    }

    QString replay() const
    {
        QStringList lines;
        for (const QJsonValue& event : events)
            lines.append(QString::fromUtf8(QJsonDocument(event.toArray()).toJson(QJsonDocument::Compact)));
        return lines.join(u'\n');
    }

private:
    void record(const QJsonArray& event) { events.append(event); }

    // An enabled, visible control of the page in view, of one kind.
    template <typename Control>
    std::vector<const Form::Entry*> openOnSeenPage()
    {
        std::vector<const Form::Entry*> found;
        const int page = model.form.seenPage();
        if (page < 0)
            return found;
        const QString frame = QStringLiteral("Frame1(%1)").arg(page);
        for (const Form::Entry& entry : controls) {
            if (entry.container != frame)
                continue;
            if (auto* control = std::get_if<Control*>(&entry.control); control && (*control)->enabled && (*control)->visible)
                found.push_back(&entry);
        }
        return found;
    }

    void typeSomewhere()
    {
        const auto boxes = openOnSeenPage<TextBox>();
        if (boxes.empty())
            return;
        const Form::Entry* box = boxes[chance() % boxes.size()];
        const QString text = randomText(chance, model.form.state.mainKey);
        record({QStringLiteral("type"), box->name, text});
        std::get<TextBox*>(box->control)->text = text;
    }

    void pressSomething()
    {
        const auto buttons = openOnSeenPage<CommandButton>();
        if (buttons.empty())
            return;
        const Form::Entry* button = buttons[chance() % buttons.size()];
        record({QStringLiteral("press"), button->name});
        model.click(button->name);
    }

    // Types every key into its box and submits: every question must be marked right.
    QString answerEverythingRight()
    {
        MainForm& form = model.form;
        const int page = form.seenPage();
        if (page < 0 || page >= practicePageCount || !form.hasQuestions(page))
            return {};
        const PracticePage controls = practicePage(form, page);
        if (!controls.submit->enabled)
            return {};
        const AnswerKey* keys[2] = {&form.state.mainKey, &form.state.secondKey};
        for (std::size_t part = 0; part < controls.boxes.size(); ++part) {
            for (std::size_t i = 0; i < controls.boxes[part].size(); ++i) {
                TextBox& box = controls.boxes[part][i];
                if (!box.enabled)
                    return {}; // closed by an earlier submit: nothing to answer
                box.text = (*keys[part])[i];
                record({QStringLiteral("type"), nameOf(&box), box.text});
            }
        }
        record({QStringLiteral("press"), nameOf(controls.submit)});
        model.click(nameOf(controls.submit));
        if (const QString broken = invariantBroken(); !broken.isEmpty())
            return broken;
        for (const Label& mark : controls.marks)
            if (!mark.caption().contains(u'√') && !controls.summary->caption().contains(u'√'))
                return QStringLiteral("a key typed in was marked wrong: %1").arg(mark.caption());
        return {};
    }

    QString nameOf(Form::ControlPointer control) const
    {
        for (const Form::Entry& entry : controls)
            if (entry.control == control)
                return entry.name;
        return {};
    }

    QString invariantBroken() const
    {
        const MainForm& form = model.form;
        // A 16-bit count past 32767 would wrap below zero.
        if (form.state.elapsedSeconds < 0)
            return QStringLiteral("the clock reads %1").arg(form.state.elapsedSeconds);
        const int page = form.seenPage();
        if (page < 0 || page >= practicePageCount)
            return {};
        if (!form.hasQuestions(page))
            return QStringLiteral("page %1 is in view without questions").arg(page);
        const PracticePage controls = practicePage(const_cast<MainForm&>(form), page);
        for (std::size_t part = 0; part < controls.boxes.size(); ++part)
            for (std::size_t i = 0; i < controls.boxes[part].size(); ++i)
                if ((part == 0 ? form.state.mainKey : form.state.secondKey)[i].isEmpty())
                    return QStringLiteral("question %1 of page %2 has no key").arg(i).arg(page);
        // The count in the summary is the number of ticks.
        static const QRegularExpression count(QStringLiteral("答对了?\\s*(\\d+)"));
        const QRegularExpressionMatch summary = count.match(controls.summary->caption());
        if (summary.hasMatch() && page != 6) {
            const auto ticks = std::count_if(controls.marks.begin(), controls.marks.end(),
                                             [](const Label& mark) { return mark.caption().contains(u'√'); });
            if (summary.captured(1).toInt() != ticks)
                return QStringLiteral("the summary “%1” counts other than the %2 ticks").arg(controls.summary->caption()).arg(ticks);
        }
        return {};
    }

    FixedTextMetrics metrics;
    WindowModel model{metrics, buildDir()};
    std::mt19937_64 chance;
    std::vector<Form::Entry> controls;
    QJsonArray events;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomUseKeepsEveryRoundSound()
    {
        const int events = qEnvironmentVariableIsSet("MONKEY_EVENTS") ? qEnvironmentVariableIntValue("MONKEY_EVENTS") : 4000;
        const unsigned long long firstSeed = qEnvironmentVariableIsSet("MONKEY_SEED")
            ? qEnvironmentVariable("MONKEY_SEED").toULongLong()
            : 20261210;
        // Several short runs rather than one long one: a fresh start is a state too.
        constexpr int eventsPerRun = 1000;
        for (int run = 0; run * eventsPerRun < events; ++run) {
            const unsigned long long seed = firstSeed + run;
            Monkey monkey(seed); // the window starts as the program starts it, then the monkey plays
            for (int event = 0; event < std::min(eventsPerRun, events - run * eventsPerRun); ++event) {
                QString broken;
                try {
                    broken = monkey.step();
                } catch (const std::exception& error) {
                    broken = QStringLiteral("an exception escaped: ") + QString::fromUtf8(error.what());
                }
                if (!broken.isEmpty()) {
                    qWarning().noquote() << "seed" << seed << "event" << event << ":" << broken
                                         << "\nreplay with tallowby-driver:\n" + monkey.replay();
                    QFAIL(qPrintable(broken));
                }
            }
        }
    }
};

QTEST_GUILESS_MAIN(MonkeyTest)
#include "test_monkey.moc"
