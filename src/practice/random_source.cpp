#include "random_source.h"

#include "number_text.h"

#include <chrono>
#include <cmath>

SeededRandom::SeededRandom(unsigned long long seed) : engine(seed) {}

SeededRandom SeededRandom::fromClock()
{
    return SeededRandom(static_cast<unsigned long long>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

float SeededRandom::next()
{
    // uniform_real_distribution<float> may round up to 1.0f on some libraries.
    float value;
    do {
        value = uniform(engine);
    } while (value >= 1.0f);
    return value;
}

ScriptedRandom::ScriptedRandom(const std::vector<float>& values) { append(values); }

void ScriptedRandom::append(const std::vector<float>& values)
{
    queue.insert(queue.end(), values.begin(), values.end());
}

float ScriptedRandom::next()
{
    if (queue.empty())
        throw RandomExhausted{};
    const float value = queue.front();
    queue.pop_front();
    return value;
}

int draw(RandomSource& random, int n, int m)
{
    // The product is a single-precision value, as Rnd × n has always been: a
    // scripted 0.7 then draws 7 of 10 rather than 6. It still never reaches n,
    // since the largest r below 1 times n rounds below n.
    return static_cast<int>(std::floor(random.next() * static_cast<float>(n))) + m;
}

QString DrawOneDecimal(RandomSource& random, int n, int m)
{
    const float value = random.next() * static_cast<float>(n) + static_cast<float>(m);
    return formatPointZero(value);
}
