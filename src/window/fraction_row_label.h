#pragma once

#include "form.h"
#include "twips.h"

#include <QLabel>

class QPainter;

// Page 7's stacked fractions, in the painter's font, inside row (the rectangle
// of one text row): the bar row draws each run of dashes as one unbroken bar
// with its signs on the bars' line; a number row draws its numbers centred over
// the bars of barRow. pixel: the size of a screen pixel where the painter paints.
void paintFractionBars(QPainter& painter, const QRectF& row, const QString& barRow, qreal pixel = 1);
void paintFractionNumbers(QPainter& painter, const QRectF& row, const QString& numbers, const QString& barRow);

// A row of a stacked fraction on page 7, drawn so that it lines up in the real
// font whatever blanks its caption holds. The bar row ("—— + —— = ———") draws
// each run of dashes as one unbroken bar; a number row (numerators or
// denominators) draws its numbers centred over those bars, the first number
// over the first bar, the second over the second.
class FractionRowLabel final : public QLabel {
    Q_OBJECT

public:
    // The widget for a page-7 row control ("Label22(3)", "Label23(3)",
    // "Label24(3)"); nullptr for any other control.
    static FractionRowLabel* forControl(const QString& name, const Form& form, QWidget* parent);

    // Brings the widget in line with its label. A number row is as wide as its
    // bar row, so that a number centred over the second bar is never cut off.
    void render(const Label& label, Zoom zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FractionRowLabel(const Label& bars, bool isBarRow, QWidget* parent);

    const Label& bars; // the bar row of the same question
    bool isBarRow;
    QString drawnOver; // the bar row's caption when this row was last laid out
    qreal pixel = 1;   // a pixel of the form at the window's zoom, for the bars' pens
};
