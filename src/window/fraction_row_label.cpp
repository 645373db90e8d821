#include "fraction_row_label.h"

#include "control_renderer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr QChar dash = u'—';
// Pixels left open at each end of a bar, so that bars side by side stay apart
// and the operator between them stands free.
constexpr qreal barInset = 2;

// Where a run of dashes or a piece of other text starts and ends in the bar
// row, in pixels from the row's left edge.
struct Piece {
    QString text;
    bool isBar;
    qreal left;
    qreal right;
};

std::vector<Piece> piecesOf(const QString& barRow, const QFontMetricsF& metrics)
{
    std::vector<Piece> pieces;
    for (qsizetype start = 0; start < barRow.size();) {
        const bool isBar = barRow[start] == dash;
        qsizetype end = start;
        while (end < barRow.size() && (barRow[end] == dash) == isBar)
            ++end;
        pieces.push_back({barRow.mid(start, end - start), isBar, metrics.horizontalAdvance(barRow.left(start)),
                          metrics.horizontalAdvance(barRow.left(end))});
        start = end;
    }
    return pieces;
}

} // namespace

FractionRowLabel* FractionRowLabel::forControl(const QString& name, const Form& form, QWidget* parent)
{
    static const QRegularExpression row(QStringLiteral("^Label(22|23|24)\\((\\d)\\)$"));
    const QRegularExpressionMatch match = row.match(name);
    if (!match.hasMatch())
        return nullptr;
    return new FractionRowLabel(form.Label24[match.captured(2).toInt()], match.captured(1) == u"24", parent);
}

FractionRowLabel::FractionRowLabel(const Label& barRow, bool barRowItself, QWidget* parent)
    : QLabel(parent), bars(barRow), isBarRow(barRowItself)
{
}

void FractionRowLabel::render(const Label& label, Zoom zoom)
{
    if (pixel != zoom.factor()) {
        pixel = zoom.factor();
        update();
    }
    // A number row follows its bar row too: another operator moves the bars.
    if (text() != label.caption() || drawnOver != bars.caption()) {
        setText(label.caption());
        drawnOver = bars.caption();
        update();
    }
    Rect rect = label.rect;
    rect.width = std::max(rect.width, bars.rect.width);
    setGeometryOf(this, rect, zoom);
    setShown(this, label.visible);
}

void FractionRowLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    if (isBarRow)
        paintFractionBars(painter, rect(), text(), pixel);
    else
        paintFractionNumbers(painter, rect(), text(), bars.caption());
}

void paintFractionBars(QPainter& painter, const QRectF& row, const QString& barRow, qreal pixel)
{
    const QFontMetricsF metrics(painter.font());
    const qreal middle = row.top() + row.height() / 2.0;
    const qreal inset = barInset * pixel;
    QPen barPen = painter.pen();
    barPen.setWidthF(1.5 * pixel);
    for (const Piece& piece : piecesOf(barRow, metrics)) {
        if (piece.isBar) {
            painter.save();
            painter.setPen(barPen);
            painter.drawLine(QPointF(row.left() + piece.left + inset, middle), QPointF(row.left() + piece.right - inset, middle));
            painter.restore();
        } else {
            // The operator and the equals sign stand in the middle of their gap,
            // on the bars' line rather than on the text's baseline; a hyphen is
            // drawn as the minus sign it stands for.
            QString sign = piece.text.trimmed();
            sign.replace(u'-', u'−');
            const QRectF ink = metrics.tightBoundingRect(sign);
            const qreal left = row.left() + (piece.left + piece.right) / 2 - metrics.horizontalAdvance(sign) / 2;
            painter.drawText(QPointF(left, middle - (ink.top() + ink.bottom()) / 2), sign);
        }
    }
}

void paintFractionNumbers(QPainter& painter, const QRectF& row, const QString& numbers, const QString& barRow)
{
    const QFontMetricsF metrics(painter.font());
    std::vector<Piece> barPieces = piecesOf(barRow, metrics);
    std::erase_if(barPieces, [](const Piece& piece) { return !piece.isBar; });
    const QStringList texts = numbers.split(u' ', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < texts.size() && i < qsizetype(barPieces.size()); ++i) {
        const Piece& bar = barPieces[std::size_t(i)];
        const qreal width = metrics.horizontalAdvance(texts[i]);
        const qreal centre = row.left() + (bar.left + bar.right) / 2;
        painter.drawText(QRectF(centre - width, row.top(), 2 * width, row.height()), Qt::AlignCenter, texts[i]);
    }
}
