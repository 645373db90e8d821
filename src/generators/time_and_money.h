#pragma once

class MainForm;
class QString;

// The two halves of myframe1. Each builds the page of an exercise type it
// knows and returns true; for any other name it does nothing and returns false.

// 看表读时间: ten clock faces on page 1.
bool buildClockPage(MainForm& form, const QString& type);
// Conversions, intervals, durations and money: one answer per question on
// page 2, or two (hours and minutes, minutes and seconds, yuan and jiao) on page 3.
bool buildConversionPage(MainForm& form, const QString& type);
