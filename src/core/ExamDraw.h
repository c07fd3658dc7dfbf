#pragma once

#include <QtGlobal>
#include <random>
#include <vector>

// Draws `picks` different candidates in uniformly random order (a partial Fisher-Yates
// shuffle). When fewer candidates exist than picks, it draws all there are.
std::vector<qint64> DrawItems(std::vector<qint64> candidates, int picks, std::mt19937_64& random);

// A generator seeded anew from the system's entropy and the clock, so that two preparations
// give different orders.
std::mt19937_64 FreshlySeededRandom();
