// 看表读时间: ten clock faces on page 1, whose hands show a time to read.

#include "time_and_money.h"

#include "main_form.h"
#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Int(Rnd × n) + m.
struct Draw {
    int n;
    int m;
};

// One clock type: the hour is drawn first, then the minute, which is drawn
// again, with the redraw rule, until it is a multiple of 5.
struct ClockType {
    const char* name;
    Draw hour;
    Draw minute;
    Draw minuteRedraw;
};

const ClockType clockTypes[] = {
    // name                  hour      minute    redraw
    // A morning redraw runs from −1 to 56: −1 never passes the test, 0 does, so
    // a full hour comes only from a redraw.
    {"看表读时间（上午）", {10, 1},  {58, 1},  {58, -1}},
    // Afternoon hours are read on the 24-hour clock, 12 to 22; never a full hour.
    {"看表读时间（下午）", {11, 12}, {58, 1},  {58, 1}},
};

// Hand lengths in face units: the face runs from −100 to 100 both ways.
constexpr double hourHandLength = 40;
constexpr double minuteHandLength = 65;

struct Time {
    int hour;
    int minute;
};

Time drawTime(const ClockType& type, RandomSource& random)
{
    const int hour = draw(random, type.hour.n, type.hour.m);
    int minute = draw(random, type.minute.n, type.minute.m);
    // The remainder keeps the sign of the minute, so −1 is drawn again.
    while (minute % 5 != 0)
        minute = draw(random, type.minuteRedraw.n, type.minuteRedraw.m);
    return {hour, minute};
}

// Sets a hand, starting at the centre, to point `degrees` clockwise from 12.
// The face's y axis points down, so sin and cos of 180° − degrees give the end.
// π is taken as 3.14159: the hands' ends move by far less than a pixel.
void pointHand(Line& hand, double degrees, double length)
{
    const double angle = (180 - degrees) * 3.14159 / 180;
    hand.x2 = std::sin(angle) * length;
    hand.y2 = std::cos(angle) * length;
}

// "7:05": the hour without a leading zero, the minute with two digits.
QString timeText(Time time, const QString& colon)
{
    const QString minute = decimalText(time.minute);
    return decimalText(time.hour) + colon + (time.minute < 10 ? QStringLiteral("0") : QString()) + minute;
}

} // namespace

bool buildClockPage(MainForm& form, const QString& name)
{
    const auto type = std::find_if(std::begin(clockTypes), std::end(clockTypes),
                                   [&](const ClockType& t) { return name == QString::fromUtf8(t.name); });
    if (type == std::end(clockTypes))
        return false;
    form.openPage(1, name);
    for (int i = 0; i < 10; ++i) {
        const Time time = drawTime(*type, form.random());
        pointHand(form.Line2[i], 6.0 * time.minute, minuteHandLength);
        // 30° an hour and half a degree a minute; 15 o'clock points where 3 does.
        pointHand(form.Line1[i], 30.0 * time.hour + 30.0 * time.minute / 60, hourHandLength);
        // Either colon is right: the one of the keyboard and the one of a Chinese input method.
        form.state.mainKey[i] = timeText(time, QStringLiteral(":"));
        form.state.secondKey[i] = timeText(time, QStringLiteral("："));
    }
    return true;
}
