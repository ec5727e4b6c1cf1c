#pragma once

#include <QString>
#include <optional>

namespace ado::jet {

class TRegional;

// Jet's Format of a number: the named formats (General Number, Currency, Fixed, Standard,
// Percent, Scientific, Yes/No, True/False, On/Off) and custom patterns of 0 # , . % with
// literal text and up to four sections (positive;negative;zero;Null). Rounds half away from
// zero on the number's 15 significant digits, as Jet does, or on all the digits of sExacto,
// the exact text of a Currency or Decimal d ("-123.45"). nullopt when the format is one of
// dates.
std::optional<QString> FormateaNumero(double d, const QString& sFormato, const TRegional& regional,
                                      const QByteArray& sExacto = {});

// Jet's Format of a date (a day number): the named formats (General Date, Long Date,
// Medium Date, Short Date, Long Time, Medium Time, Short Time) and custom patterns of
// yyyy yy y q mmmm mmm mm m dddd ddd dd d ww w hh h nn n ss s AM/PM A/P c / : and literals.
QString FormateaFecha(double dDia, const QString& sFormato, const TRegional& regional);

// Whether a format is one of dates (named or custom), so a number is taken as a day.
bool EsFormatoDeFecha(const QString& sFormato);

}  // namespace ado::jet
