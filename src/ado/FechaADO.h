#pragma once

#include <QDateTime>

namespace ado {

// The date and time of a Jet day number (days since 1899-12-30; before that
// day the whole part is negative and the fraction still adds time), rounded
// to the millisecond, in UTC so no local clock change can shift it.
QDateTime FechaDeDiaJet(double dDia);

}  // namespace ado
