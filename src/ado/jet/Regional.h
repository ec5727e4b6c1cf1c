#pragma once

#include <QDateTime>
#include <QLocale>

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

 private:
  QLocale F_locale;
  QString F_sFechaCorta;
  QString F_sHoraLarga;
};

}  // namespace ado::jet
