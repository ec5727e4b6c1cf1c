#include "ado/jet/ReglaParametros.h"

#include "ado/jet/ErrorJet.h"
#include "ado/jet/FechaJet.h"

#include <optional>

namespace ado::jet {

namespace {

using TClase = TExpresion::TClase;

bool EsUno(const QString& sTipo, std::initializer_list<const char*> tipos) {
  for (const char* s : tipos)
    if (sTipo == QLatin1String(s)) return true;
  return false;
}

enum class TClaseParametro { Texto, Fecha, SiNo, Numero, Moneda };

std::optional<TClaseParametro> ClaseDe(const QString& t) {
  if (EsUno(t, {"TEXT", "CHAR", "VARCHAR", "STRING", "MEMO", "LONGTEXT", "ALPHANUMERIC"})) return TClaseParametro::Texto;
  if (EsUno(t, {"DATETIME", "DATE", "TIME", "TIMESTAMP"})) return TClaseParametro::Fecha;
  if (EsUno(t, {"BIT", "YESNO", "LOGICAL", "BOOLEAN"})) return TClaseParametro::SiNo;
  if (EsUno(t, {"CURRENCY", "MONEY"})) return TClaseParametro::Moneda;
  if (EsUno(t, {"BYTE", "SHORT", "SMALLINT", "INTEGER", "INT", "LONG", "SINGLE", "DOUBLE", "IEEESINGLE", "IEEEDOUBLE",
                "REAL", "FLOAT", "NUMBER", "NUMERIC", "DECIMAL", "VALUE"}))
    return TClaseParametro::Numero;
  return std::nullopt;
}

std::unique_ptr<TExpresion> Literal(const TParametro& parametro, TClaseParametro clase, const QString& sValor) {
  auto e = std::make_unique<TExpresion>();
  e->pos = parametro.pos;
  auto Falla = [&](const char* sTipo) {
    LanzaError(QStringLiteral("El valor '%1' del parámetro '%2' no es %3").arg(sValor, parametro.sNombre, QString::fromUtf8(sTipo)),
               parametro.pos);
  };
  switch (clase) {
    case TClaseParametro::Texto:
      e->clase = TClase::Texto;
      e->sTexto = sValor;
      break;
    case TClaseParametro::Fecha: {
      const auto fecha = LeeFechaJet(sValor);
      if (!fecha) Falla("una fecha");
      e->clase = TClase::Fecha;
      e->sTexto = sValor;
      e->dValor = DiaJet(*fecha);
      break;
    }
    case TClaseParametro::SiNo: {
      const QString s = sValor.trimmed().toLower();
      const bool bSi = s == QLatin1String("true") || s == QLatin1String("-1") || s == QLatin1String("sí") || s == QLatin1String("si");
      if (!bSi && s != QLatin1String("false") && s != QLatin1String("0") && s != QLatin1String("no")) Falla("Sí/No");
      e->clase = TClase::Booleano;
      e->dValor = bSi ? -1 : 0;
      break;
    }
    case TClaseParametro::Numero:
    case TClaseParametro::Moneda: {
      bool bOk = false;
      sValor.trimmed().toDouble(&bOk);
      if (!bOk) Falla("un número");
      e->clase = TClase::Numero;
      e->sTexto = sValor.trimmed();
      if (clase == TClaseParametro::Numero) break;
      auto moneda = std::make_unique<TExpresion>();  // CCur(value)
      moneda->clase = TClase::Funcion;
      moneda->sTexto = QStringLiteral("CCUR");
      moneda->pos = parametro.pos;
      moneda->hijos.push_back(std::move(e));
      return moneda;
    }
  }
  return e;
}

using TLiterales = std::vector<std::pair<QString, std::unique_ptr<TExpresion>>>;

void Sustituye(TConsulta& consulta, const TLiterales& literales) {
  RecorreExpresiones(consulta, [&](std::unique_ptr<TExpresion>& e) {
    if (e->clase != TClase::Columna || !e->sCalificador.isEmpty()) return;
    for (const auto& [sNombre, pLiteral] : literales)
      if (sNombre.compare(e->sTexto, Qt::CaseInsensitive) == 0) {
        e = Clona(*pLiteral);
        return;
      }
  });
  RecorreSubconsultas(consulta, [&](TConsulta& sub) { Sustituye(sub, literales); });
}

}  // namespace

void SustituyeParametros(TConsulta& consulta, const TParametrosJet& valores) {
  TLiterales literales;
  for (const TParametro& parametro : consulta.parametros) {
    const auto clase = ClaseDe(parametro.sTipo);
    if (!clase)
      LanzaError(QStringLiteral("Tipo de datos '%1' no válido para el parámetro '%2'").arg(parametro.sTipo, parametro.sNombre),
                 parametro.pos);
    const QString* pValor = nullptr;
    for (const auto& [sNombre, sValor] : valores)
      if (sNombre.compare(parametro.sNombre, Qt::CaseInsensitive) == 0) pValor = &sValor;
    if (!pValor) LanzaError(QStringLiteral("Falta el valor del parámetro '%1'").arg(parametro.sNombre), parametro.pos);
    literales.emplace_back(parametro.sNombre, Literal(parametro, *clase, *pValor));
  }
  if (!literales.empty()) Sustituye(consulta, literales);
}

}  // namespace ado::jet
