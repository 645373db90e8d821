#pragma once

#include <QString>

#include <deque>
#include <random>
#include <vector>

// The one source of chance in the program. Every draw a generator makes takes
// exactly one value from here, so a scripted source reproduces a page exactly,
// including how many values a redraw consumes.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A single-precision value in [0, 1).
    virtual float next() = 0;
};

// Uniform values from a fixed seed; the program seeds one from the clock at start-up.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned long long seed);
    static SeededRandom fromClock();
    float next() override;

private:
    std::mt19937_64 engine;
    std::uniform_real_distribution<float> uniform{0.0f, 1.0f};
};

// Thrown when a scripted source runs dry. It deliberately is not a
// std::exception: running out of scripted values is a fault of the script, so it
// must pass through the dispatch, which swallows ordinary failures.
struct RandomExhausted {};

// A queue of given values, for tests and the driver.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(const std::vector<float>& values = {});
    void append(const std::vector<float>& values);
    float next() override;
    std::size_t remaining() const { return queue.size(); }

private:
    std::deque<float> queue;
};

// Int(Rnd × n) + m: one value from the source, a uniform whole number from m to m + n − 1.
int draw(RandomSource& random, int n, int m = 0);

// DrawOneDecimal, D(n, m): one value r from the source, r × n + m in single
// precision, written with one decimal (the format ".0"): a text from "m.0" to
// "(m + n).0", the upper end reached only through rounding.
QString DrawOneDecimal(RandomSource& random, int n, int m);
