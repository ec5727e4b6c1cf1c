#pragma once

#include <QDateTime>
#include <QLocale>
#include <optional>

namespace ado::jet {

// The regional settings that Jet's text of a date follows: the short date (four-digit year,
// as Windows' own formats have) and the long time. The C locale has none of its own and
// takes those of the United States, Jet's default.
class TRegional {
 public:
  explicit TRegional(const QLocale& locale);
  const QLocale& Locale() const { return F_locale; }
  // Jet's general date: the date alone at midnight, the time alone on day zero.
  QString FechaGeneral(double dDia) const;
  QString FechaCorta(const QDateTime& fecha) const;
  QString HoraLarga(const QDateTime& fecha) const;
  // A date written in the regional order of day, month and year (or as yyyy-mm-dd), with an
  // optional time; a time alone is on day zero. Jet's day number, or nullopt.
  std::optional<double> LeeFecha(const QString& sTexto) const;

 private:
  QLocale F_locale;
  QString F_sFechaCorta;
  QString F_sHoraLarga;
};

}  // namespace ado::jet
