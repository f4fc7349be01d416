#pragma once

#include <QString>

// The warranty disclaimer, shown on the first run and by Help > Warranty.
QString warrantyText();
// The first run's question: the disclaimer, two CRs, "Do you want to continue?".
QString warrantyQuestion();
