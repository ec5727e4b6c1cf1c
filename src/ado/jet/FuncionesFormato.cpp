// Format(value[, format]) and CStr of a date: texts in the regional settings.
#include "ado/jet/FuncionesSQLite.h"

#include "ado/jet/FormatoJet.h"
#include "ado/jet/Regional.h"
#include "ado/jet/ValorSQLite.h"

#include <sqlite3.h>

namespace ado::jet {

namespace {

QString FormatoDe(int argc, sqlite3_value** argv) {
  return argc > 1 && sqlite3_value_type(argv[1]) != SQLITE_NULL ? QString::fromUtf8(Texto(argv[1])) : QString();
}

// A number with a number's format, or as a day with a date's; a text that reads as a date
// with a date's format; any other text as it is.
void Formato(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  const TRegional& regional = RegionalDe(ctx);
  const QString sFormato = FormatoDe(argc, argv);
  switch (sqlite3_value_type(argv[0])) {
    case SQLITE_NULL: return sqlite3_result_null(ctx);
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: {
      const double d = sqlite3_value_double(argv[0]);
      const auto s = FormateaNumero(d, sFormato, regional);
      return ResultadoTexto(ctx, (s ? *s : FormateaFecha(d, sFormato, regional)).toUtf8());
    }
    default: break;
  }
  const QString sTexto = QString::fromUtf8(Texto(argv[0]));
  if (EsFormatoDeFecha(sFormato))
    if (const auto dia = regional.LeeFecha(sTexto)) return ResultadoTexto(ctx, FormateaFecha(*dia, sFormato, regional).toUtf8());
  if (const auto n = Numero(argv[0]); n && !sFormato.isEmpty())
    if (const auto s = FormateaNumero(n->d, sFormato, regional)) return ResultadoTexto(ctx, s->toUtf8());
  ResultadoTexto(ctx, sTexto.toUtf8());
}

// The first argument is a date (the emitter knows its type).
void FormatoFecha(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  const int nTipo = sqlite3_value_type(argv[0]);
  if (nTipo != SQLITE_INTEGER && nTipo != SQLITE_FLOAT) return Formato(ctx, argc, argv);
  const QString sFormato = FormatoDe(argc, argv);
  const double d = sqlite3_value_double(argv[0]);
  const auto s = EsFormatoDeFecha(sFormato) || sFormato.isEmpty() ? std::nullopt : FormateaNumero(d, sFormato, RegionalDe(ctx));
  ResultadoTexto(ctx, (s ? *s : FormateaFecha(d, sFormato, RegionalDe(ctx))).toUtf8());
}

}  // namespace

void RegistraFuncionesFormato(sqlite3* db, const TRegional& regional) {
  RegistraFuncion(db, "jet_format", -1, Formato, &regional);
  RegistraFuncion(db, "jet_format_fecha", -1, FormatoFecha, &regional);
}

}  // namespace ado::jet
