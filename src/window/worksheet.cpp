#include "worksheet.h"

#include "drawings.h"
#include "fraction_row_label.h"
#include "page_font.h"
#include "page_snapshot.h"
#include "picture_widget.h"
#include "practice_pages.h"
#include "text_metrics.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRegularExpression>

#include <map>

namespace {

// Pictures that only decorate a page stay off the paper.
bool isDecoration(const QString& name)
{
    static const QStringList decorations{QStringLiteral("Picture7"), QStringLiteral("Picture8"), QStringLiteral("Picture15"),
                                         QStringLiteral("Picture16"), QStringLiteral("Picture17")};
    return decorations.contains(name);
}

// The names of a form's controls, by their place in memory.
std::map<Form::ControlPointer, QString> namesOf(Form& form)
{
    std::map<Form::ControlPointer, QString> names;
    for (const Form::Entry& entry : form.controls())
        names[entry.control] = entry.name;
    return names;
}

// What the paper needs to know of a page beyond its controls: which answer goes
// into which box (the first box of a question takes the main key, the second -
// page 3's minutes, page 7's denominator - the second key), and which label is
// the summary line, which stays off the paper.
struct PaperRoles {
    std::map<QString, QString> answerByBox;
    QString summary;
};

PaperRoles rolesOn(const PageSnapshot& page)
{
    FixedTextMetrics metrics;
    Form shape(metrics); // a form only to learn the names of the page's controls
    const std::map<Form::ControlPointer, QString> names = namesOf(shape);
    const PracticePage controls = practicePage(shape, page.pageIndex());
    const PracticeState& state = page.practiceState();
    PaperRoles roles;
    for (std::size_t part = 0; part < controls.boxes.size(); ++part)
        for (std::size_t i = 0; i < controls.boxes[part].size(); ++i)
            roles.answerByBox[names.at(&controls.boxes[part][i])] = part == 0 ? state.mainKey[i] : state.secondKey[i];
    roles.summary = names.at(controls.summary);
    return roles;
}

class SheetPainter {
public:
    SheetPainter(QPainter& painter, const QRectF& area) : painter(painter), area(area) {}

    // Returns the rectangle left below the heading.
    QRectF heading(const QString& title, const QString& lines)
    {
        const double line = area.height() / 14;
        painter.setFont(scaled(fontOfSize(16), line * 0.55));
        painter.setPen(QColor(0x1d, 0x5c, 0x96));
        painter.drawText(QRectF(area.left(), area.top(), area.width(), line), Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setFont(scaled(pageFont(), line * 0.4));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(area.left(), area.top() + line, area.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         lines);
        return QRectF(area.left(), area.top() + 2.3 * line, area.width(), area.height() - 2.3 * line);
    }

    // The page's controls, as on screen but scaled into `room`; boxes empty or holding their answers.
    void page(const PageSnapshot& snapshot, const PaperRoles& roles, bool withAnswers, const Drawings& drawings)
    {
        const std::vector<PageSnapshot::SavedControl>& controls = snapshot.savedControls();
        const auto* frame = std::get_if<Frame>(&controls.front().value);
        if (!frame)
            return;
        std::map<QString, const Label*> labels;
        for (const PageSnapshot::SavedControl& saved : controls)
            if (const auto* label = std::get_if<Label>(&saved.value))
                labels[saved.name] = label;
        // What is printed fills the sheet, up to half as large again as the page on screen would.
        const QRectF used = printedArea(controls, roles);
        const double natural = std::min(room.width() / frame->rect.width, room.height() / frame->rect.height);
        scale = std::min({room.width() / used.width(), room.height() / used.height(), 1.5 * natural});
        origin = room.topLeft() - used.topLeft() * scale;
        painter.setFont(scaled(pageFont(), 240 * scale)); // 12 points in twips, as on screen
        for (const PageSnapshot::SavedControl& saved : controls) {
            if (!printed(saved, roles))
                continue;
            if (const auto* label = std::get_if<Label>(&saved.value)) {
                painter.setPen(Qt::black);
                paintLabel(saved.name, *label, labels);
            } else if (const auto* box = std::get_if<TextBox>(&saved.value)) {
                const auto answer = roles.answerByBox.find(saved.name);
                paintBox(*box, withAnswers && answer != roles.answerByBox.end() ? answer->second : QString());
            } else if (const auto* picture = std::get_if<Picture>(&saved.value)) {
                paintPicture(painter, at(picture->rect), *picture, drawings.forPicture(saved.name),
                             linesOf(controls, saved.name), scale * 15);
            }
        }
    }

    QRectF room;

private:
    static bool printed(const PageSnapshot::SavedControl& saved, const PaperRoles& roles)
    {
        return std::visit(
            [&](const auto& value) {
                using Control = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<Control, Label>)
                    return value.visible && saved.name != roles.summary && !value.caption().isEmpty();
                else if constexpr (std::is_same_v<Control, TextBox>)
                    return value.visible;
                else if constexpr (std::is_same_v<Control, Picture>)
                    return value.visible && !isDecoration(saved.name);
                else
                    return false;
            },
            saved.value);
    }

    static QRectF printedArea(const std::vector<PageSnapshot::SavedControl>& controls, const PaperRoles& roles)
    {
        QRectF area;
        for (const PageSnapshot::SavedControl& saved : controls) {
            if (!printed(saved, roles))
                continue;
            std::visit(
                [&](const auto& value) {
                    if constexpr (requires { value.rect; })
                        area |= QRectF(value.rect.left, value.rect.top, value.rect.width, value.rect.height);
                },
                saved.value);
        }
        return area.isEmpty() ? QRectF(0, 0, 1, 1) : area;
    }

    static QFont scaled(QFont font, double pixels)
    {
        font.setPixelSize(std::max(1, int(pixels)));
        return font;
    }

    // A label as on screen; the rows of page 7's fractions as stacked fractions.
    void paintLabel(const QString& name, const Label& label, const std::map<QString, const Label*>& labels)
    {
        static const QRegularExpression fractionRow(QStringLiteral("^Label(22|23|24)\\((\\d)\\)$"));
        const QRegularExpressionMatch fraction = fractionRow.match(name);
        if (!fraction.hasMatch()) {
            painter.drawText(at(label.rect).adjusted(0, 0, 1000, 0), Qt::AlignLeft | Qt::AlignVCenter, label.caption());
            return;
        }
        const Label* bars = labels.at(QStringLiteral("Label24(%1)").arg(fraction.captured(2)));
        Rect row = label.rect;
        row.width = std::max(row.width, bars->rect.width);
        if (fraction.captured(1) == u"24")
            paintFractionBars(painter, at(row), label.caption(), 15 * scale);
        else
            paintFractionNumbers(painter, at(row), label.caption(), bars->caption());
    }

    QRectF at(const Rect& rect) const
    {
        return {origin.x() + rect.left * scale, origin.y() + rect.top * scale, rect.width * scale, rect.height * scale};
    }

    void paintBox(const TextBox& box, const QString& answer)
    {
        const QRectF place = at(box.rect).adjusted(2 * scale, 2 * scale, -2 * scale, -2 * scale);
        painter.setPen(QPen(QColor(0x9c, 0xcb, 0xe8), 15 * scale));
        painter.drawRoundedRect(place, 60 * scale, 60 * scale);
        if (answer.isEmpty())
            return;
        painter.setPen(QColor(0xd3, 0x2f, 0x2f));
        painter.drawText(place, Qt::AlignCenter, answer);
    }

    static std::vector<const Line*> linesOf(const std::vector<PageSnapshot::SavedControl>& controls,
                                            const QString& picture)
    {
        std::vector<const Line*> lines;
        for (const PageSnapshot::SavedControl& saved : controls)
            if (saved.container == picture)
                if (const auto* line = std::get_if<Line>(&saved.value))
                    lines.push_back(line);
        return lines;
    }

    QPainter& painter;
    QRectF area;
    QPointF origin;
    double scale = 1;
};

} // namespace

void printWorksheets(QPagedPaintDevice& paper, const std::vector<std::shared_ptr<const PageSnapshot>>& pages,
                     const Drawings& drawings)
{
    paper.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 10, 12, 10),
                                    QPageLayout::Millimeter));
    QPainter painter(&paper);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    bool first = true;
    for (const std::shared_ptr<const PageSnapshot>& page : pages) {
        const QString& title = std::get<Frame>(page->savedControls().front().value).caption.trimmed();
        const PaperRoles roles = rolesOn(*page);
        for (const bool withAnswers : {false, true}) {
            if (!first)
                paper.newPage();
            first = false;
            SheetPainter sheet(painter, QRectF(painter.viewport()));
            sheet.room = withAnswers ? sheet.heading(title + QStringLiteral("  答案"), QString())
                                     : sheet.heading(title, QStringLiteral("姓名：______________    日期：______________    "
                                                                           "得分：__________"));
            sheet.page(*page, roles, withAnswers, drawings);
        }
    }
}
