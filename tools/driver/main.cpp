// tallowby-driver: the main window without a screen. Reads one JSON array per
// line on standard input (["click", "10以内加法"], ["dump"], ...), plays it on
// the form model and answers "dump" with one JSON line on standard output.

#include "form_json.h"
#include "text_metrics.h"
#include "window_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <limits>
#include <string>

namespace {

class Session {
public:
    explicit Session(const QString& contentFolder) : model(metrics, contentFolder) { model.Form_Load(); }

    // Plays one command; returns an error text for a command it cannot play.
    QString play(const QJsonArray& command);

private:
    QString seed(const QJsonArray& command);
    QString scriptRandom(const QJsonArray& command);
    QString typeInto(const QJsonArray& command);
    QString press(const QJsonArray& command);
    QString tick(const QJsonArray& command);
    Form::Entry* findControl(const QString& name);

    FixedTextMetrics metrics;
    WindowModel model;
    ScriptedRandom* scripted = nullptr; // the active scripted source, owned by the form
    std::vector<Form::Entry> controls = model.form.controls();
};

bool isText(const QJsonArray& command, int index) { return command.size() > index && command[index].isString(); }
bool isNumber(const QJsonArray& command, int index) { return command.size() > index && command[index].isDouble(); }
bool isWholeNumber(const QJsonArray& command, int index)
{
    return isNumber(command, index) && command[index].toDouble() == std::floor(command[index].toDouble());
}

QString Session::play(const QJsonArray& command)
{
    const QString verb = command.isEmpty() ? QString() : command[0].toString();
    TreeView& tree = model.form.TreeView1;
    if (verb == u"seed")
        return seed(command);
    if (verb == u"rnd")
        return scriptRandom(command);
    if (verb == u"tab" && command.size() == 2 && isNumber(command, 1)) {
        const double tab = command[1].toDouble();
        if (tab < 1 || tab > 13 || tab != int(tab))
            return QStringLiteral("tabs are numbered 1 to 13");
        model.selectTab(int(tab));
        return {};
    }
    if (verb == u"select" && command.size() == 2 && isText(command, 1))
        return tree.selectText(command[1].toString()) ? QString() : QStringLiteral("no tree node has this text");
    if (verb == u"selectKey" && command.size() == 2 && isText(command, 1))
        return tree.selectKey(command[1].toString()) ? QString() : QStringLiteral("no tree node has this key");
    if (verb == u"click" && command.size() == 1) {
        model.form.TreeView1_Click();
        return {};
    }
    if (verb == u"click" && command.size() == 2 && isText(command, 1)) {
        if (!tree.selectText(command[1].toString()))
            return QStringLiteral("no tree node has this text");
        model.form.TreeView1_Click();
        return {};
    }
    if (verb == u"type")
        return typeInto(command);
    if (verb == u"press")
        return press(command);
    if (verb == u"tick")
        return tick(command);
    if (verb == u"dump" && command.size() == 1) {
        std::cout << QJsonDocument(formToJson(model)).toJson(QJsonDocument::Compact).toStdString() << std::endl;
        return {};
    }
    return QStringLiteral("unknown command or wrong arguments");
}

QString Session::seed(const QJsonArray& command)
{
    if (command.size() != 2 || !isWholeNumber(command, 1) || command[1].toDouble() < 0
        || command[1].toDouble() > 9007199254740992.0)
        return QStringLiteral("seed takes one whole number from 0 to 2^53");
    model.form.setRandomSource(std::make_unique<SeededRandom>(static_cast<unsigned long long>(command[1].toDouble())));
    scripted = nullptr;
    return {};
}

QString Session::scriptRandom(const QJsonArray& command)
{
    if (command.size() != 2 || !command[1].isArray())
        return QStringLiteral("rnd takes one array of numbers");
    std::vector<float> values;
    for (const QJsonValue& value : command[1].toArray()) {
        // The source holds single-precision values: 0.99999999 would become 1
        // and draw one past the range.
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number < 0 || static_cast<float>(number) >= 1)
            return QStringLiteral("rnd values must be numbers from 0 up to, not including, 1 in single precision");
        values.push_back(static_cast<float>(number));
    }
    if (scripted) {
        scripted->append(values);
    } else {
        auto source = std::make_unique<ScriptedRandom>(values);
        scripted = source.get();
        model.form.setRandomSource(std::move(source));
    }
    return {};
}

Form::Entry* Session::findControl(const QString& name)
{
    for (Form::Entry& entry : controls)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

QString Session::typeInto(const QJsonArray& command)
{
    if (command.size() != 3 || !isText(command, 1) || !isText(command, 2))
        return QStringLiteral("type takes a box name and a text");
    Form::Entry* entry = findControl(command[1].toString());
    TextBox* const* box = entry ? std::get_if<TextBox*>(&entry->control) : nullptr;
    if (!box)
        return QStringLiteral("no answer box has this name");
    if (!(*box)->enabled)
        return QStringLiteral("the box is disabled; it keeps its text");
    (*box)->text = command[2].toString();
    return {};
}

QString Session::press(const QJsonArray& command)
{
    if (command.size() != 2 || !isText(command, 1))
        return QStringLiteral("press takes a button name");
    Form::Entry* entry = findControl(command[1].toString());
    CommandButton* const* button = entry ? std::get_if<CommandButton*>(&entry->control) : nullptr;
    if (!button)
        return QStringLiteral("no button has this name");
    // A pupil can press only a button that stands on the page in view.
    const int seenPage = model.form.seenPage();
    const bool onSeenPage = seenPage >= 0 && entry->container == QStringLiteral("Frame1(%1)").arg(seenPage);
    if (!(*button)->enabled || !(*button)->visible || !onSeenPage)
        return QStringLiteral("the button is disabled or not in view; nothing happens");
    if (!model.click(entry->name))
        return QStringLiteral("the button has no click procedure yet");
    return {};
}

QString Session::tick(const QJsonArray& command)
{
    if (command.size() != 2 || !isWholeNumber(command, 1) || command[1].toDouble() < 0)
        return QStringLiteral("tick takes a whole count");
    // The clock stops counting at its largest value, so more ticks change nothing.
    const double count = std::min(command[1].toDouble(), double(std::numeric_limits<std::int16_t>::max()));
    for (int i = 0; i < int(count); ++i)
        if (model.form.Timer1.interval() == 1000)
            model.form.Timer1_Timer();
    return {};
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Plays scripted events on the Tallowby form model."));
    options.addHelpOption();
    const QCommandLineOption contentOption(QStringLiteral("content"),
                                           QStringLiteral("The folder that holds data.db (default: beside the driver)."),
                                           QStringLiteral("DIR"), QCoreApplication::applicationDirPath());
    options.addOption(contentOption);
    options.process(application);

    Session session(options.value(contentOption));
    QTextStream errors(stderr);
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &parseError);
        QString problem;
        if (!document.isArray()) {
            problem = QStringLiteral("not a JSON array");
        } else {
            try {
                problem = session.play(document.array());
            } catch (const RandomExhausted&) {
                errors << "random values exhausted" << Qt::endl;
                return 3;
            }
        }
        if (!problem.isEmpty())
            errors << "line " << number << ": " << problem << Qt::endl;
    }
    return 0;
}
