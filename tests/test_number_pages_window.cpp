// Pages 5 and 6 in the real window: the rows of every page-5 type fit the
// page in the font they are drawn in and their boxes show the answers whole,
// and the picture question shows exactly as many puppies and birds as it
// counts, in reading order.

#include "catalogue.h"
#include "main_window.h"
#include "test_support.h"
#include "window_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTest>

namespace {

constexpr int patternTab = 4;
const QString pictureType = QStringLiteral("多多少（简单）");

void openPatternTab(MainWindow& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    static_cast<QTabBar*>(window.widget(QStringLiteral("TabStrip1")))->setCurrentIndex(patternTab - 1);
}

QRect geometryOf(MainWindow& window, const QString& control)
{
    return window.widget(control)->geometry();
}

// Whether the box shows this text whole, without scrolling it.
bool showsWhole(QLineEdit* box, const QString& text)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const int lineEditMargin = 2; // QLineEdit keeps 2 pixels free on either side of its text
    return box->fontMetrics().horizontalAdvance(text) <= contents.width() - 2 * lineEditMargin;
}

// Which of the picture's 24 cells show some of the animal's own colour.
QList<bool> cellsShowing(QWidget* picture, QColor colour)
{
    const QImage image = picture->grab().toImage();
    QList<bool> showing;
    for (int item = 0; item < 24; ++item) {
        const QRect cell(item % 12 * image.width() / 12, item / 12 * image.height() / 2, image.width() / 12,
                         image.height() / 2);
        bool found = false;
        for (int y = cell.top(); y <= cell.bottom() && !found; ++y)
            for (int x = cell.left(); x <= cell.right() && !found; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                found = std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green())
                            + std::abs(pixel.blue() - colour.blue())
                        < 12;
            }
        showing.append(found);
    }
    return showing;
}

QList<bool> firstOf(int shown)
{
    QList<bool> cells(24, false);
    std::fill(cells.begin(), cells.begin() + shown, true);
    return cells;
}

} // namespace

class NumberPagesWindowTest : public QObject {
    Q_OBJECT

private slots:
    void rowsFitTheRealFont_data()
    {
        QTest::addColumn<QString>("type");
        for (const QString& name : ExerciseCatalogue::tab(patternTab).exerciseTypes())
            if (name != pictureType)
                QTest::newRow(qPrintable(name)) << name;
    }
    void rowsFitTheRealFont()
    {
        QFETCH(QString, type);
        MainWindow window(buildDir());
        openPatternTab(window);
        MainForm& form = window.model().form;
        form.setRandomSource(std::make_unique<SeededRandom>(qHash(type) + 1));
        const int pageWidth = window.widget(QStringLiteral("Frame1(5)"))->width();
        for (int page = 0; page < 10; ++page) {
            clickNode(window, type);
            const QRect picture = geometryOf(window, QStringLiteral("Picture8"));
            const bool pictureShown = window.widget(QStringLiteral("Picture8"))->isVisible();
            for (int i = 0; i < 10; ++i) {
                const QString row = form.Label15[i].caption() + form.Label16[i].caption();
                const QRect after = geometryOf(window, QStringLiteral("Label16(%1)").arg(i));
                auto* mark = static_cast<QLabel*>(window.widget(QStringLiteral("Label17(%1)").arg(i)));
                const int widestMark =
                    mark->fontMetrics().horizontalAdvance(QStringLiteral("× 正确答案是：") + form.state.mainKey[i]);
                QVERIFY2(mark->x() + widestMark <= pageWidth, qPrintable(row));
                auto* box = static_cast<QLineEdit*>(window.widget(QStringLiteral("Text7(%1)").arg(i)));
                QVERIFY2(showsWhole(box, form.state.mainKey[i]), qPrintable(row + QStringLiteral(" key ") + form.state.mainKey[i]));
                if (pictureShown && after.bottom() >= picture.top())
                    QVERIFY2(after.right() < picture.left(), qPrintable(row));
            }
        }
    }

    void thePicturesShowTheCountedAnimals()
    {
        MainWindow window(buildDir());
        openPatternTab(window);
        MainForm& form = window.model().form;
        form.setRandomSource(std::make_unique<SeededRandom>(6));
        for (int question = 0; question < 3; ++question) {
            clickNode(window, pictureType);
            QVERIFY(window.widget(QStringLiteral("Frame1(6)"))->isVisible());
            QCOMPARE(cellsShowing(window.widget(QStringLiteral("Picture9")), QColor(0xF2, 0xC4, 0x8D)),
                     firstOf(form.Picture9.items.shown));
            QCOMPARE(cellsShowing(window.widget(QStringLiteral("Picture10")), QColor(0x5D, 0xB3, 0xF5)),
                     firstOf(form.Picture10.items.shown));
        }
    }
};

QTEST_MAIN(NumberPagesWindowTest)
#include "test_number_pages_window.moc"
