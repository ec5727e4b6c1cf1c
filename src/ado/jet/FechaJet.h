#pragma once

#include <QDateTime>
#include <optional>

namespace ado::jet {

// Jet's day number: days since 1899-12-30 plus the time as a fraction of a day. Before that
// day the whole part is negative and the fraction still adds time (1850-06-15 12:00 is
// -18095.5).
double DiaJet(const QDateTime& fecha);

// The text between the '#' of a date literal: "yyyy/mm/dd", "m/d/yyyy" or "m/d/yy" (1930-2029) ('-' also
// separates), optionally followed by "hh:mm[:ss] [AM|PM]"; a time alone is on 1899-12-30.
std::optional<QDateTime> LeeFechaJet(const QString& sLiteral);

}  // namespace ado::jet
