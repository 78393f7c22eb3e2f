#pragma once
// The time of day as the program's handlers read it: seconds since midnight,
// with fractions. The service unlock and the toolbar's second-click test measure
// short intervals with it; a test puts a clock of its own in its place.

namespace qav {

double SecondsSinceMidnight();

}  // namespace qav
