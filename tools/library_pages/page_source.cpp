#include "page_source.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QXmlStreamReader>

#include <functional>
#include <optional>

namespace {

enum class Need { Required, Optional };

QString svgProblem(const QString& figure)
{
    // Inserted into the page as it stands, so it must be one clean <svg> element
    // that neither runs code nor fetches anything.
    QXmlStreamReader xml(figure);
    bool first = true;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (first && xml.name() != u"svg")
                return QStringLiteral("must start with <svg>, not <%1>").arg(xml.name());
            first = false;
            if (xml.name() == u"script" || xml.name() == u"foreignObject")
                return QStringLiteral("may not hold <%1>").arg(xml.name());
            for (const QXmlStreamAttribute& attribute : xml.attributes()) {
                if (attribute.name().startsWith(u"on"))
                    return QStringLiteral("may not hold the event attribute %1").arg(attribute.name());
                if (attribute.name() == u"href" && !attribute.value().startsWith(u'#'))
                    return QStringLiteral("may only link inside itself, not to %1").arg(attribute.value());
            }
            break;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference:
            return QStringLiteral("must be a bare <svg> element, without declarations");
        default:
            break;
        }
    }
    if (xml.hasError())
        return QStringLiteral("is not well-formed XML: %1 (line %2, column %3)")
            .arg(xml.errorString())
            .arg(xml.lineNumber())
            .arg(xml.columnNumber());
    return {};
}

// The cells of a table row: a non-empty list of texts (a cell may be blank).
std::optional<QStringList> textRow(const QJsonValue& row)
{
    if (!row.isArray() || row.toArray().isEmpty())
        return std::nullopt;
    QStringList cells;
    for (const QJsonValue& cell : row.toArray()) {
        if (!cell.isString())
            return std::nullopt;
        cells.append(cell.toString());
    }
    return cells;
}

// Reads the fields of one JSON object and remembers which were asked for, so
// that any other field can be reported as unknown. The first problem found is
// kept in the shared error text; after it every read gives an empty value.
class ObjectReader {
public:
    ObjectReader(const QJsonObject& object, const QString& path, QString& error)
        : m_object(object), m_path(path), m_error(error)
    {
    }

    QString text(const QString& name, Need need)
    {
        const QJsonValue value = field(name, need);
        if (value.isUndefined())
            return {};
        if (!value.isString())
            return fail(name, QStringLiteral("must be a text")), QString();
        if (value.toString().trimmed().isEmpty())
            return fail(name, QStringLiteral("is empty")), QString();
        return value.toString();
    }

    QStringList texts(const QString& name, Need need)
    {
        const QJsonArray list = array(name, need, QStringLiteral("a list of texts"));
        QStringList result;
        for (const QJsonValue& value : list) {
            if (!value.isString() || value.toString().trimmed().isEmpty())
                return fail(name, QStringLiteral("must be a list of texts, none empty")), QStringList();
            result.append(value.toString());
        }
        return result;
    }

    // One expression or a list of them.
    QStringList textOrTexts(const QString& name)
    {
        const QJsonValue value = field(name, Need::Optional);
        if (value.isString()) {
            const QString single = text(name, Need::Optional);
            return single.isEmpty() ? QStringList() : QStringList{single};
        }
        if (!value.isUndefined() && !value.isArray())
            return fail(name, QStringLiteral("must be a text or a list of texts")), QStringList();
        return texts(name, Need::Optional);
    }

    double positiveNumber(const QString& name)
    {
        const QJsonValue value = field(name, Need::Required);
        if (value.isUndefined())
            return 0;
        if (!value.isDouble() || value.toDouble() <= 0)
            return fail(name, QStringLiteral("must be a positive number")), 0;
        return value.toDouble();
    }

    TextTable table(const QString& name)
    {
        const QJsonArray rows = array(name, Need::Optional, QStringLiteral("a list of rows"));
        TextTable result;
        for (const QJsonValue& row : rows) {
            const auto cells = textRow(row);
            if (!cells)
                return fail(name, QStringLiteral("must be a list of rows, each a list of texts")), TextTable();
            result.append(*cells);
        }
        return result;
    }

    QString figure(const QString& name)
    {
        const QString svg = text(name, Need::Optional);
        const QString problem = svg.isEmpty() ? QString() : svgProblem(svg);
        if (!problem.isEmpty())
            return fail(name, problem), QString();
        return svg;
    }

    void object(const QString& name, const std::function<void(ObjectReader&)>& read)
    {
        const QJsonValue value = field(name, Need::Required);
        if (value.isUndefined())
            return;
        if (!value.isObject())
            return fail(name, QStringLiteral("must be an object"));
        ObjectReader inner(value.toObject(), fieldPath(name), m_error);
        read(inner);
        inner.rejectUnknownFields();
    }

    void eachObject(const QString& name, const std::function<void(ObjectReader&)>& read)
    {
        const QJsonArray list = array(name, Need::Required, QStringLiteral("a list of objects"));
        for (qsizetype i = 0; i < list.size() && m_error.isEmpty(); ++i) {
            const QString elementName = QStringLiteral("%1[%2]").arg(name).arg(i);
            if (!list[i].isObject())
                return fail(elementName, QStringLiteral("must be an object"));
            ObjectReader inner(list[i].toObject(), fieldPath(elementName), m_error);
            read(inner);
            inner.rejectUnknownFields();
        }
    }

    void rejectUnknownFields()
    {
        for (const QString& key : m_object.keys()) {
            if (m_error.isEmpty() && !m_asked.contains(key)) {
                QStringList known = m_asked.values();
                known.sort();
                m_error = QStringLiteral("unknown field %1 (known here: %2)").arg(fieldPath(key), known.join(u", "));
            }
        }
    }

    void fail(const QString& name, const QString& problem)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("field %1 %2").arg(fieldPath(name), problem);
    }

private:
    QJsonObject m_object;
    QString m_path;
    QString& m_error;
    QSet<QString> m_asked;

    QString fieldPath(const QString& name) const { return m_path.isEmpty() ? name : m_path + u'.' + name; }

    // The value, or undefined when it is absent (an error if it is required) or
    // an earlier problem was found.
    QJsonValue field(const QString& name, Need need)
    {
        m_asked.insert(name);
        if (!m_error.isEmpty())
            return QJsonValue::Undefined;
        const QJsonValue value = m_object.value(name);
        if (value.isUndefined() && need == Need::Required)
            fail(name, QStringLiteral("is missing"));
        return value;
    }

    QJsonArray array(const QString& name, Need need, const QString& what)
    {
        const QJsonValue value = field(name, need);
        if (value.isUndefined())
            return {};
        if (!value.isArray())
            return fail(name, QStringLiteral("must be %1").arg(what)), QJsonArray();
        if (value.toArray().isEmpty())
            return fail(name, QStringLiteral("is an empty list")), QJsonArray();
        return value.toArray();
    }
};

Item readItem(ObjectReader& fields, Need solution)
{
    Item item;
    item.question = fields.text(QStringLiteral("q"), Need::Required);
    item.choices = fields.texts(QStringLiteral("choices"), Need::Optional);
    item.figure = fields.figure(QStringLiteral("figure"));
    item.table = fields.table(QStringLiteral("table"));
    item.answer = fields.text(QStringLiteral("a"), Need::Required);
    item.solution = fields.texts(QStringLiteral("solution"), solution);
    item.calc = fields.textOrTexts(QStringLiteral("calc"));
    return item;
}

void readStory(ObjectReader& fields, PageSource& page)
{
    page.paragraphs = fields.texts(QStringLiteral("paragraphs"), Need::Required);
    page.think = fields.text(QStringLiteral("think"), Need::Required);
}

void readPuzzle(ObjectReader& fields, PageSource& page)
{
    page.paragraphs = fields.texts(QStringLiteral("paragraphs"), Need::Required);
    page.figure = fields.figure(QStringLiteral("figure"));
    page.table = fields.table(QStringLiteral("table"));
    fields.object(QStringLiteral("answer"), [&](ObjectReader& answer) {
        page.answer.paragraphs = answer.texts(QStringLiteral("paragraphs"), Need::Required);
        page.answer.answer = answer.text(QStringLiteral("a"), Need::Required);
        page.answer.calc = answer.textOrTexts(QStringLiteral("calc"));
    });
}

void readExam(ObjectReader& fields, PageSource& page)
{
    fields.eachObject(QStringLiteral("sections"), [&](ObjectReader& sectionFields) {
        Section section;
        section.heading = sectionFields.text(QStringLiteral("heading"), Need::Required);
        section.points = sectionFields.positiveNumber(QStringLiteral("points"));
        sectionFields.eachObject(QStringLiteral("items"), [&](ObjectReader& item) {
            section.items.append(readItem(item, Need::Optional));
        });
        page.sections.append(section);
    });
}

void readOlympiad(ObjectReader& fields, PageSource& page)
{
    fields.eachObject(QStringLiteral("problems"), [&](ObjectReader& item) {
        page.problems.append(readItem(item, Need::Required));
    });
}

struct KindFormat {
    PageKind kind;
    QString name;
    QString folder;
    void (*readBody)(ObjectReader&, PageSource&);
};

const QList<KindFormat>& kindFormats()
{
    static const QList<KindFormat> all = {
        {PageKind::Story, QStringLiteral("story"), QStringLiteral("stories"), readStory},
        {PageKind::Puzzle, QStringLiteral("puzzle"), QStringLiteral("puzzles"), readPuzzle},
        {PageKind::Exam, QStringLiteral("exam"), QStringLiteral("exams"), readExam},
        {PageKind::Olympiad, QStringLiteral("olympiad"), QStringLiteral("olympiad"), readOlympiad},
    };
    return all;
}

const KindFormat* formatNamed(const QString& name)
{
    for (const KindFormat& format : kindFormats())
        if (format.name == name)
            return &format;
    return nullptr;
}

const KindFormat& formatOf(PageKind kind)
{
    for (const KindFormat& format : kindFormats())
        if (format.kind == kind)
            return format;
    return kindFormats().front();
}

QString parseProblem(const QByteArray& json, const QJsonParseError& error)
{
    const QByteArray before = json.left(error.offset);
    const qsizetype lineStart = before.lastIndexOf('\n') + 1;
    return QStringLiteral("line %1, column %2: %3")
        .arg(before.count('\n') + 1)
        .arg(QString::fromUtf8(before.mid(lineStart)).size() + 1)
        .arg(error.errorString());
}

PageSourceRead readSourceFile(const QString& libraryFolder, const QString& relativePath)
{
    const QStringList parts = relativePath.split(u'/');
    const auto inFolder = std::find_if(kindFormats().begin(), kindFormats().end(),
                                       [&](const KindFormat& format) { return format.folder == parts.front(); });
    if (parts.size() != 2 || inFolder == kindFormats().end())
        return {{}, relativePath + QStringLiteral(": a page source belongs in stories/, puzzles/, exams/ or olympiad/")};
    QFile file(libraryFolder + u'/' + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, relativePath + QStringLiteral(": ") + file.errorString()};
    PageSourceRead read = parsePageSource(file.readAll(), relativePath);
    if (!read.error.isEmpty())
        return read;
    const QString name = parts.back().chopped(5); // ".json"
    if (read.page.title != name)
        read.error = QStringLiteral("%1: the title “%2” differs from the file name").arg(relativePath, read.page.title);
    else if (read.page.kind != inFolder->kind)
        read.error = QStringLiteral("%1: a page of kind %2 belongs in %3/")
                         .arg(relativePath, formatOf(read.page.kind).name, formatOf(read.page.kind).folder);
    return read;
}

} // namespace

PageSourceRead parsePageSource(const QByteArray& json, const QString& fileName)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return {{}, fileName + QStringLiteral(": ") + parseProblem(json, parseError)};
    if (!document.isObject())
        return {{}, fileName + QStringLiteral(": the page must be one JSON object")};

    PageSourceRead read;
    ObjectReader fields(document.object(), {}, read.error);
    read.page.title = fields.text(QStringLiteral("title"), Need::Required);
    const QString kindName = fields.text(QStringLiteral("kind"), Need::Required);
    const KindFormat* format = formatNamed(kindName);
    if (read.error.isEmpty() && !format)
        fields.fail(QStringLiteral("kind"), QStringLiteral("must be story, puzzle, exam or olympiad, not %1").arg(kindName));
    read.page.subtitle = fields.text(QStringLiteral("subtitle"), Need::Optional);
    if (format) {
        read.page.kind = format->kind;
        format->readBody(fields, read.page);
    }
    fields.rejectUnknownFields();
    if (!read.error.isEmpty())
        read.error.prepend(fileName + QStringLiteral(": "));
    return read;
}

QList<SourceFile> readLibrarySources(const QString& libraryFolder)
{
    QStringList paths;
    // Made absolute, since relativeFilePath of a relative folder gives paths that climb out of it.
    const QDir folder(QDir(libraryFolder).absolutePath());
    for (QDirIterator files(folder.path(), {QStringLiteral("*.json")}, QDir::Files, QDirIterator::Subdirectories);
         files.hasNext();)
        paths.append(folder.relativeFilePath(files.next()));
    paths.sort();
    QList<SourceFile> sources;
    for (const QString& path : paths)
        sources.append({path, readSourceFile(libraryFolder, path)});
    return sources;
}
