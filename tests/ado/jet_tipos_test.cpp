// Jet's result types: Currency exact with Currency or integer operands, Double with Single or
// Double; computed dates stay dates and join text as the regional short date; repeated
// column names qualified by their table. Each case gives the values and the column types.
#include "ado/jet/ExactoJet.h"
#include "ado/jet/FechaJet.h"
#include "ado/FechaADO.h"
#include "jet_base.h"

#include <gtest/gtest.h>
#include <cmath>

namespace {

using ado::jet::TTipoJet;

const char* NombreTipo(TTipoJet tipo) {
  switch (tipo) {
    case TTipoJet::Valor: return "Valor";
    case TTipoJet::Booleano: return "Booleano";
    case TTipoJet::Entero: return "Entero";
    case TTipoJet::Moneda: return "Moneda";
    case TTipoJet::Decimal: return "Decimal";
    case TTipoJet::Doble: return "Doble";
    case TTipoJet::Fecha: return "Fecha";
    case TTipoJet::Texto: return "Texto";
  }
  return "?";
}

// Values as the column's type shows them: Currency as its decimal, dates as ISO text.
QString Texto(sqlite3_stmt* stmt, int i, TTipoJet tipo) {
  switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_NULL: return QStringLiteral("Null");
    case SQLITE_TEXT: return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)));
    default: break;
  }
  const double d = sqlite3_column_double(stmt, i);
  if (tipo == TTipoJet::Fecha) return ado::FechaDeDiaJet(d).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
  if (tipo == TTipoJet::Moneda && sqlite3_column_type(stmt, i) == SQLITE_INTEGER)
    return QString::number(sqlite3_column_int64(stmt, i)) + QStringLiteral("e-4");
  if (tipo == TTipoJet::Decimal && sqlite3_column_type(stmt, i) == SQLITE_BLOB)
    return QString::fromLatin1(ado::jet::TDecimalJet::DeClave(QByteArrayView(static_cast<const char*>(sqlite3_column_blob(stmt, i)),
                                                                             sqlite3_column_bytes(stmt, i)))
                                   ->Texto());
  if (sqlite3_column_type(stmt, i) == SQLITE_INTEGER) return QString::number(sqlite3_column_int64(stmt, i));
  return QString::number(d, 'g', 17);
}

// Header with each column's type, then the rows; an error as its message.
QString ConsultaTipada(TBaseJet& base, const QString& sJet) {
  try {
    const ado::jet::TSentenciaJet sentencia = base.ejecutor.Prepara(sJet);
    QStringList lineas, cabecera;
    for (int i = 0; i < sqlite3_column_count(sentencia.pSentencia); ++i)
      cabecera << QString::fromUtf8(sqlite3_column_name(sentencia.pSentencia, i)) + QLatin1Char(':') +
                      QLatin1String(NombreTipo(sentencia.tipos[size_t(i)]));
    lineas << cabecera.join(u'|');
    int nPaso;
    while ((nPaso = sqlite3_step(sentencia.pSentencia)) == SQLITE_ROW) {
      QStringList valores;
      for (int i = 0; i < sqlite3_column_count(sentencia.pSentencia); ++i)
        valores << Texto(sentencia.pSentencia, i, sentencia.tipos[size_t(i)]);
      lineas << valores.join(u'|');
    }
    if (nPaso != SQLITE_DONE) lineas << QStringLiteral("Error - ") + QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(sentencia.pSentencia)));
    sqlite3_finalize(sentencia.pSentencia);
    return lineas.join(u'\n');
  } catch (const ado::EErrorADO& e) {
    return e.Clase() + QStringLiteral(" - ") + e.Mensaje();
  }
}

void Llena(TBaseJet& base) {
  base.Ejecuta(QStringLiteral(
      "CREATE TABLE p (Id INTEGER, Precio CURRENCY, Cant INTEGER, Tasa REAL, Fecha DATETIME, Nombre TEXT COLLATE JET);"
      "INSERT INTO p VALUES (1, 213500, 3, 0.5, %1, 'uno');"
      "INSERT INTO p VALUES (2, 10050, 7, 0.25, %2, 'dos');"
      "INSERT INTO p VALUES (3, -5, 2, NULL, %3, NULL);"
      "INSERT INTO p VALUES (4, NULL, NULL, NULL, NULL, 'cuatro');"
      "CREATE TABLE q (Id INTEGER, Nombre TEXT COLLATE JET);"
      "INSERT INTO q VALUES (1, 'otro');"
      // Currency at its limits and beyond a double's precision; Decimals of several scales
      "CREATE TABLE x (Id INTEGER, Mon CURRENCY, Dec DECIMAL);"
      "INSERT INTO x VALUES (1, 9000000000000001234, jet_dec('123.45'));"
      "INSERT INTO x VALUES (2, -9223372036854775808, jet_dec('-0.000000000000000000000000001'));"
      "INSERT INTO x VALUES (3, 9223372036854775807, jet_dec('9999999999999999999999999999'));"
      "INSERT INTO x VALUES (4, 10000, jet_dec('1.10'));"
      "INSERT INTO x VALUES (5, NULL, NULL);")
                   .arg(ado::jet::DiaJet(QDateTime(QDate(1994, 8, 4), QTime(0, 0), Qt::UTC)), 0, 'g', 17)
                   .arg(ado::jet::DiaJet(QDateTime(QDate(2014, 12, 31), QTime(10, 30), Qt::UTC)), 0, 'g', 17)
                   .arg(ado::jet::DiaJet(QDateTime(QDate(1850, 6, 15), QTime(12, 0), Qt::UTC)), 0, 'g', 17));
}

struct TCaso {
  const char* sNombre;
  const char* sJet;
  const char* sEsperado;  // header name:type, then rows
};

class TiposJet : public ::testing::TestWithParam<TCaso> {};

TEST_P(TiposJet, DaElValorYElTipoDeJet) {
  for (bool bCache : {true, false}) {
    TBaseJet base(QLocale(QLocale::English, QLocale::UnitedStates));
    Llena(base);
    base.ejecutor.SetCacheActiva(bCache);
    EXPECT_EQ(ConsultaTipada(base, QString::fromUtf8(GetParam().sJet)).toStdString(), GetParam().sEsperado)
        << GetParam().sJet << (bCache ? " (cache)" : " (sin cache)");
  }
}

const TCaso CC_CASOS[] = {
    // Currency with Currency or an integer stays Currency, exact
    {"MonedaPorEntero", "SELECT Precio * Cant AS a FROM p WHERE Id <= 3 ORDER BY Id", "a:Moneda\n640500e-4\n70350e-4\n-10e-4"},
    {"MonedaPorEnteroComparada", "SELECT COUNT(*) AS n FROM p WHERE Precio * 3 = 64.05", "n:Entero\n1"},
    {"MonedaMasMenos", "SELECT Precio + 1 AS a, Precio - Precio AS b, 1 - Precio AS c FROM p WHERE Id = 2",
     "a:Moneda|b:Moneda|c:Moneda\n20050e-4|0e-4|-50e-4"},
    // Currency times Currency: the product rounded to four decimals, half to even
    {"MonedaPorMonedaRedondeaAlPar", "SELECT Precio * Precio AS a FROM p WHERE Id >= 2 AND Id <= 3 ORDER BY Id",
     "a:Moneda\n10100e-4\n0e-4"},
    {"MonedaConDobleEsDoble", "SELECT Precio * Tasa AS a, Precio / 2 AS b FROM p WHERE Id = 1",
     "a:Doble|b:Doble\n10.675000000000001|10.675000000000001"},
    {"MonedaConNulo", "SELECT Precio * Cant AS a, Precio + Null AS b FROM p WHERE Id = 4", "a:Moneda|b:Valor\nNull|Null"},
    {"SumaMinMaxPromedioDeMoneda", "SELECT SUM(Precio * Cant) AS s, MIN(Precio) AS mi, MAX(Precio) AS ma, AVG(Precio) AS pr FROM p",
     "s:Moneda|mi:Moneda|ma:Moneda|pr:Moneda\n710840e-4|-5e-4|213500e-4|74515e-4"},
    {"HavingConSumaExacta", "SELECT Id FROM p GROUP BY Id HAVING SUM(Precio * Cant) = 64.05", "Id:Entero\n1"},
    {"EnteroYDoble", "SELECT Cant * 2 AS a, Cant * Tasa AS b, Cant / 2 AS c FROM p WHERE Id = 1",
     "a:Entero|b:Doble|c:Doble\n6|1.5|1.5"},
    // a computed date stays a date; two dates apart are days
    {"FechaMasDias", "SELECT Fecha + 30 AS a, Fecha - 1 AS b, 1 + Fecha AS c FROM p WHERE Id = 1",
     "a:Fecha|b:Fecha|c:Fecha\n1994-09-03T00:00:00|1994-08-03T00:00:00|1994-08-05T00:00:00"},
    {"FechaAntesDe1900", "SELECT Fecha + 30 AS a FROM p WHERE Id = 3", "a:Fecha\n1850-07-15T12:00:00"},
    {"DiferenciaDeFechas", "SELECT Fecha - #1994/08/01# AS a FROM p WHERE Id = 1", "a:Doble\n3"},
    {"MinMaxDeFecha", "SELECT MIN(Fecha) AS a, MAX(Fecha) AS b FROM p", "a:Fecha|b:Fecha\n1850-06-15T12:00:00|2014-12-31T10:30:00"},
    {"FechaEnDerivada", "SELECT d.f FROM (SELECT Fecha + 1 AS f FROM p WHERE Id = 1) AS d", "f:Fecha\n1994-08-05T00:00:00"},
    {"IifDeFechas", "SELECT IIF(Id = 1, Fecha, Null) AS a FROM p WHERE Id = 1", "a:Fecha\n1994-08-04T00:00:00"},
    // a date joined to text is its general date in the regional settings
    {"FechaComoTexto", "SELECT Fecha & '' AS a, 'F: ' + Fecha AS b, Fecha & Fecha AS c FROM p ORDER BY Id",
     "a:Texto|b:Texto|c:Texto\n8/4/1994|F: 8/4/1994|8/4/19948/4/1994\n12/31/2014 10:30:00 AM|F: 12/31/2014 10:30:00 AM|"
     "12/31/2014 10:30:00 AM12/31/2014 10:30:00 AM\n6/15/1850 12:00:00 PM|F: 6/15/1850 12:00:00 PM|"
     "6/15/1850 12:00:00 PM6/15/1850 12:00:00 PM\n|Null|Null"},
    {"HoraSolaComoTexto", "SELECT #10:30# & '' AS a, #1899/12/30# & '' AS b", "a:Texto|b:Texto\n10:30:00 AM|12:00:00 AM"},
    // repeated names are qualified by their table or alias, as Jet names them
    {"NombresRepetidos", "SELECT p.Id, q.Id, p.Nombre FROM p INNER JOIN q ON p.Id = q.Id",
     "p.Id:Entero|q.Id:Entero|Nombre:Texto\n1|1|uno"},
    {"EstrellaConRepetidos", "SELECT * FROM p AS x INNER JOIN q ON x.Id = q.Id",
     "x.Id:Entero|Precio:Moneda|Cant:Entero|Tasa:Doble|Fecha:Fecha|x.Nombre:Texto|q.Id:Entero|q.Nombre:Texto\n"
     "1|213500e-4|3|0.5|1994-08-04T00:00:00|uno|1|otro"},
    {"SinCalificarRepetido", "SELECT Cant, p.Id, q.Id FROM p, q WHERE p.Id = q.Id", "Cant:Entero|p.Id:Entero|q.Id:Entero\n3|1|1"},
    // Currency over its whole range: loaded, compared, ordered and summed exactly
    {"MonedaEnSusLimites", "SELECT Mon FROM x WHERE Mon IS NOT NULL ORDER BY Mon DESC",
     "Mon:Moneda\n9223372036854775807e-4\n9000000000000001234e-4\n10000e-4\n-9223372036854775808e-4"},
    {"MonedaComparadaExacta", "SELECT Id FROM x WHERE Mon = 900000000000000.1234 OR Mon > 922337203685477 OR Mon = 1 ORDER BY Id",
     "Id:Entero\n1\n3\n4"},
    {"SumaDeMonedaExacta", "SELECT SUM(Mon) AS s, MIN(Mon) AS mi, AVG(Mon) AS pr FROM x WHERE Id <= 2",
     "s:Moneda|mi:Moneda|pr:Moneda\n-223372036854774574e-4|-9223372036854775808e-4|-111686018427387287e-4"},
    {"SumaDeMonedaQueDesborda", "SELECT SUM(Mon) AS s FROM x WHERE Id <> 2", "s:Moneda\nError - Desbordamiento."},
    {"MonedaConEnteroExacta", "SELECT Mon - 1 AS a, Mon * 2 AS b, -Mon AS c FROM x WHERE Id = 1",
     "a:Moneda|b:Moneda|c:Moneda\nError - Desbordamiento."},
    {"MonedaMenosEnteroExacta", "SELECT Mon - 1 AS a, -Mon AS c FROM x WHERE Id = 1",
     "a:Moneda|c:Moneda\n8999999999999991234e-4|-9000000000000001234e-4"},
    // Decimal: exact in comparisons, Sum, Avg and arithmetic with integers and Currency
    {"DecimalExacto", "SELECT Dec FROM x WHERE Dec IS NOT NULL ORDER BY Dec",
     "Dec:Decimal\n-0.000000000000000000000000001\n1.1\n123.45\n9999999999999999999999999999"},
    // a literal with a decimal point beside Currency or Decimal compares as written, not as a double
    {"LiteralComparadoExacto",
     "SELECT Id FROM x WHERE Mon > 900000000000000.1233 AND Mon < 900000000000000.1235 OR "
     "Mon BETWEEN -922337203685477.5808 AND -922337203685477.5807 OR Mon IN (0.5, 1.0000) OR "
     "Dec < -0.0000000000000000000000000009 OR Dec >= +9999999999999999999999999998.5 ORDER BY Id",
     "Id:Entero\n1\n2\n3\n4"},
    {"LiteralComparadoSinIgualdadAproximada",
     "SELECT Id FROM x WHERE Mon = 900000000000000.1233 OR Dec = 123.4500000000000000001 OR Dec IN (1.100000000000000000000000001)",
     "Id:Entero"},
    {"DecimalComparado", "SELECT Id FROM x WHERE Dec > 1 AND Dec <= 123.45 OR Dec = 1.1 ORDER BY Id", "Id:Entero\n1\n4"},
    {"DecimalConEnteroYMoneda", "SELECT Dec + 1 AS a, Dec * 3 AS b, Dec - Mon AS c, Dec / 2 AS d FROM x WHERE Id = 4",
     "a:Decimal|b:Decimal|c:Decimal|d:Decimal\n2.1|3.3|0.1|0.55"},
    // a division with a Decimal is a Decimal of up to 28 digits, rounded half to even
    {"DivisionDecimal",
     "SELECT 1 / (Dec * 3) AS a, Dec / -3 AS b, Mon / Dec AS c, Dec * 100 / 4 AS d FROM x WHERE Id = 4",
     "a:Decimal|b:Decimal|c:Decimal|d:Decimal\n0.303030303030303030303030303|-0.3666666666666666666666666667|"
     "0.9090909090909090909090909091|27.5"},
    {"DivisionDecimalQueDesborda", "SELECT Dec / (Dec / Dec / 10) AS a FROM x WHERE Id = 3",
     "a:Decimal\nError - Desbordamiento."},
    {"DivisionDecimalPorCero", "SELECT Dec / (Dec - Dec) AS a FROM x WHERE Id = 4", "a:Decimal\nError - División por cero."},
    {"DivisionDecimalNula", "SELECT Dec / 0 AS a, Mon / Dec AS b FROM x WHERE Id = 5", "a:Decimal|b:Decimal\nNull|Null"},
    {"SumaYPromedioDeDecimal", "SELECT SUM(Dec) AS s, AVG(Dec) AS pr, MAX(Dec) AS ma FROM x WHERE Id <> 3",
     "s:Decimal|pr:Decimal|ma:Decimal\n124.55|41.51666666666666666666666667|123.45"},
    // only the total must fit: the order of the rows never makes a partial sum overflow
    {"SumaDecimalQueSoloDesbordariaAMedias",
     "SELECT SUM(v) AS s FROM (SELECT Dec AS v FROM x WHERE Id = 3 UNION ALL SELECT Dec + 0 FROM x WHERE Id = 4 "
     "UNION ALL SELECT -Dec FROM x WHERE Id = 1)",
     "s:Decimal\n9999999999999999999999999877"},
    {"DecimalQueDesborda", "SELECT Dec + 1 AS a FROM x WHERE Id = 3", "a:Decimal\nError - Desbordamiento."},
    {"TextosExactos",
     "SELECT CStr(Mon) AS a, CStr(Dec) AS b, Format(Dec) AS c, Format(Dec, '0.0') AS d, Format(Mon, '#,##0.00') AS e, "
     "Format(-Mon, 'Standard') AS f FROM x WHERE Id = 1",
     "a:Texto|b:Texto|c:Texto|d:Texto|e:Texto|f:Texto\n900000000000000.1234|123.45|123.45|123.5|900,000,000,000,000.12|"
     "-900,000,000,000,000.12"},
    {"UnidosComoTexto", "SELECT Mon & '' AS a, Dec & '!' AS b, Id & Mon AS c FROM x WHERE Id = 1",
     "a:Texto|b:Texto|c:Texto\n900000000000000.1234|123.45!|1900000000000000.1234"},
    {"RedondeoExacto", "SELECT Round(Dec, 1) AS a, Int(-Dec) AS b, Fix(-Dec) AS c, Round(Mon, 2) AS d, Int(Mon) AS e FROM x WHERE Id = 1",
     "a:Decimal|b:Decimal|c:Decimal|d:Moneda|e:Moneda\n123.4|-124|-123|9000000000000001200e-4|9000000000000000000e-4"},
    {"ExactosEnUnionConDoble", "SELECT Mon AS v FROM x WHERE Id = 4 UNION ALL SELECT 0.5 FROM x WHERE Id = 4",
     "v:Valor\n1\n0.5"},
    {"ExactosEnDerivadaYSubconsulta",
     "SELECT d.s, (SELECT MAX(Dec) FROM x) AS m FROM (SELECT SUM(Mon) AS s FROM x WHERE Id = 1) AS d WHERE d.s > 1",
     "s:Moneda|m:Decimal\n9000000000000001234e-4|9999999999999999999999999999"},
};

INSTANTIATE_TEST_SUITE_P(Jet, TiposJet, ::testing::ValuesIn(CC_CASOS),
                         [](const auto& info) { return std::string(info.param.sNombre); });

// The same dates as text under two regional settings.
struct TCasoRegional {
  const char* sNombre;
  QLocale::Language idioma;
  QLocale::Territory pais;
  const char* sEsperado;
};

class FechaRegional : public ::testing::TestWithParam<TCasoRegional> {};

TEST_P(FechaRegional, SigueLaFechaCortaDelSistema) {
  TBaseJet base(QLocale(GetParam().idioma, GetParam().pais));
  Llena(base);
  EXPECT_EQ(base.Consulta(QStringLiteral("SELECT Fecha & '' AS a FROM p WHERE Id <= 3 ORDER BY Id")).toStdString(),
            GetParam().sEsperado);
}

const TCasoRegional CC_REGIONALES[] = {
    {"EstadosUnidos", QLocale::English, QLocale::UnitedStates,
     "a\n8/4/1994\n12/31/2014 10:30:00 AM\n6/15/1850 12:00:00 PM"},
    {"Mexico", QLocale::Spanish, QLocale::Mexico, "a\n04/08/1994\n31/12/2014 10:30:00\n15/06/1850 12:00:00"},
    {"C", QLocale::C, QLocale::AnyTerritory, "a\n8/4/1994\n12/31/2014 10:30:00 AM\n6/15/1850 12:00:00 PM"},
};

INSTANTIATE_TEST_SUITE_P(Jet, FechaRegional, ::testing::ValuesIn(CC_REGIONALES),
                         [](const auto& info) { return std::string(info.param.sNombre); });

// Format, CStr, CDate and the names of months follow the regional settings too.
class FuncionesRegionales : public ::testing::TestWithParam<TCasoRegional> {};

TEST_P(FuncionesRegionales, SiguenLaConfiguracionRegional) {
  TBaseJet base(QLocale(GetParam().idioma, GetParam().pais));
  Llena(base);
  EXPECT_EQ(base.Consulta(QStringLiteral(
                              "SELECT Format(1234.5, '#,##0.00') AS a, CStr(1.5) AS b, CStr(Fecha) AS c, Format(Fecha, 'mmmm') AS d, "
                              "MonthName(1) AS e, Month(CDate('04/08/1994')) AS f, Format(Fecha, 'Long Date') AS g, "
                              "Format(Fecha + 0.5, 'General Date') AS h FROM p WHERE Id = 1"))
                .toStdString(),
            GetParam().sEsperado);
}

const TCasoRegional CC_FUNCIONES_REGIONALES[] = {
    {"EstadosUnidos", QLocale::English, QLocale::UnitedStates,
     "a|b|c|d|e|f|g|h\n1,234.50|1.5|8/4/1994|August|January|4|Thursday, August 4, 1994|8/4/1994 12:00:00 PM"},
    {"Mexico", QLocale::Spanish, QLocale::Mexico,
     "a|b|c|d|e|f|g|h\n1,234.50|1.5|04/08/1994|agosto|enero|8|jueves, 4 de agosto de 1994|04/08/1994 12:00:00"},
    {"Alemania", QLocale::German, QLocale::Germany,
     "a|b|c|d|e|f|g|h\n1.234,50|1,5|04.08.1994|August|Januar|8|Donnerstag, 4. August 1994|04.08.1994 12:00:00"},
};

INSTANTIATE_TEST_SUITE_P(Jet, FuncionesRegionales, ::testing::ValuesIn(CC_FUNCIONES_REGIONALES),
                         [](const auto& info) { return std::string(info.param.sNombre); });

}  // namespace
