#pragma once

#include "form.h"

#include <QLabel>

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
    void render(const Label& label);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FractionRowLabel(const Label& bars, bool isBarRow, QWidget* parent);
    void paintBars(QPainter& painter) const;
    void paintNumbers(QPainter& painter) const;

    const Label& bars; // the bar row of the same question
    bool isBarRow;
    QString drawnOver; // the bar row's caption when this row was last laid out
};
