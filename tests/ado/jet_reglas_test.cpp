// One row per Jet rule of our data engine: the SQL and the exact result Jet gives.
#include "jet_base.h"

#include <gtest/gtest.h>

namespace {

struct TCaso {
  const char* sNombre;
  const char* sJet;
  const char* sEsperado;  // header, then rows; values joined by '|'
};

class ReglasJet : public ::testing::TestWithParam<TCaso> {
 protected:
  static void Llena(TBaseJet& base) {
    base.Ejecuta(QStringLiteral(
        "CREATE TABLE t (Id INTEGER, Nombre TEXT COLLATE JET, Ape TEXT COLLATE JET, Num TEXT COLLATE JET,"
        " Flag INTEGER, Fecha DATETIME, Importe REAL);"
        "INSERT INTO t VALUES (1, 'PUBLICO EN GENERAL', NULL, '12', -1, 42004, 0.1);"
        "INSERT INTO t VALUES (2, 'Publico', 'Pérez', 'abc', 0, 42004.416666666664, 0.1);"
        "INSERT INTO t VALUES (3, 'PÚBLICO', 'Núñez', NULL, -1, 42003.5, 0.1);"
        "INSERT INTO t VALUES (4, 'usd', NULL, '3.5', 0, 42005, NULL);"
        "INSERT INTO t VALUES (5, 'USD', 'ÑANDÚ', '7', -1, NULL, NULL);"
        "CREATE TABLE u (Id INTEGER, Cosa TEXT COLLATE JET);"
        "INSERT INTO u VALUES (1, 'uno'), (3, 'tres'), (9, 'nueve');"
        "CREATE TABLE \"t t\" (\"Nombre Completo\" TEXT COLLATE JET, \"Año\" INTEGER);"
        "INSERT INTO \"t t\" VALUES ('Ana', 2014);"
        "CREATE TABLE v (Grupo TEXT COLLATE JET, Clave TEXT COLLATE JET, Monto REAL);"
        "INSERT INTO v VALUES ('x', 'usd', 1), ('X', 'USD', 2), ('x', 'Usd', NULL), ('y', 'usd', 1),"
        " (NULL, 'eur', 1), ('x', NULL, 3), ('x', 'eur', 1.0);"
        "CREATE TABLE w (Id INTEGER, Clave TEXT COLLATE JET, Monto REAL, Num TEXT COLLATE JET);"
        "INSERT INTO w VALUES (1, 'USD', 2, '3'), (1, 'usd', 3, '1'), (3, 'eur', NULL, 'x'), (NULL, 'USD', 5, NULL),"
        " (4, 'x', 1, '9.0');"
        "CREATE TABLE b (Clave TEXT);"  // no collation of its own
        "INSERT INTO b VALUES ('USD'), ('eur'), (NULL);"));
  }
};

TEST_P(ReglasJet, DaElResultadoDeJet) {
  for (bool bCache : {true, false}) {
    TBaseJet base;
    Llena(base);
    base.ejecutor.SetCacheActiva(bCache);
    EXPECT_EQ(base.Consulta(QString::fromUtf8(GetParam().sJet)).toStdString(), GetParam().sEsperado)
        << GetParam().sJet << (bCache ? " (cache)" : " (sin cache)");
  }
}

const TCaso CC_CASOS[] = {
    // Yes/No and comparisons as values: -1 and 0
    {"ComparacionComoValor", "SELECT 1 = 1 AS a, 1 = 2 AS b, Null = 1 AS c", "a|b|c\n-1|0|Null"},
    {"SumaDeComparaciones", "SELECT SUM(Flag <> 0) AS s, ABS(SUM(Flag <> 0)) AS n FROM t", "s|n\n-3|3"},
    {"NotDeSiNoEsDeBits", "SELECT NOT Flag AS n FROM t WHERE Id <= 2 ORDER BY Id", "n\n0\n-1"},
    {"SiNoComoCondicion", "SELECT Id FROM t WHERE Flag ORDER BY Id", "Id\n1\n3\n5"},
    {"AndOrDeValores", "SELECT (1 = 1) AND (2 = 2) AS a, 5 AND 3 AS b, (1 = 1) OR Null AS c, TRUE AS d, FALSE AS e",
     "a|b|c|d|e\n-1|1|-1|-1|0"},
    // text: case ignored (accented capitals too), accents kept
    {"IgualdadSinMayusculas", "SELECT Id FROM t WHERE Nombre = 'publico'", "Id\n2"},
    {"MayusculaAcentuada", "SELECT Id FROM t WHERE Nombre = 'público'", "Id\n3"},
    {"EnieMayuscula", "SELECT Id FROM t WHERE Ape = 'ñandú'", "Id\n5"},
    {"AcentosCuentan", "SELECT COUNT(1) AS n FROM t WHERE Ape = 'NUNEZ' OR Ape = 'nÚÑez'", "n\n1"},
    {"GroupByUnificaMayusculas", "SELECT COUNT(1) AS n FROM t WHERE Id >= 4 GROUP BY Nombre", "n\n2"},
    // a group of spellings shows the smallest in binary order, whatever the order of its rows
    {"GrupoMuestraLaGrafiaMenor", "SELECT Nombre, COUNT(1) AS n FROM t WHERE Id >= 4 GROUP BY Nombre", "Nombre|n\nUSD|2"},
    {"GrupoSobreDerivada",
     "SELECT d.Nombre, COUNT(1) AS n FROM (SELECT Nombre FROM t WHERE Id >= 4 ORDER BY Id DESC) AS d GROUP BY d.Nombre",
     "Nombre|n\nUSD|2"},
    {"GrupoDeDerivadaAgrupada",
     "SELECT g.Nombre AS x FROM (SELECT Nombre, COUNT(1) AS n FROM t GROUP BY Nombre) AS g WHERE g.n = 2 GROUP BY g.Nombre",
     "x\nUSD"},
    {"DistinctUnificaMayusculas", "SELECT COUNT(1) AS n FROM (SELECT DISTINCT Nombre FROM t) AS d", "n\n4"},
    {"OrderBySinMayusculasYAcentoSecundario", "SELECT Nombre FROM t ORDER BY Nombre, Id",
     "Nombre\nPublico\nPÚBLICO\nPUBLICO EN GENERAL\nusd\nUSD"},
    {"OrderByConEnie", "SELECT Ape FROM t WHERE Ape IS NOT NULL ORDER BY Ape", "Ape\nNúñez\nÑANDÚ\nPérez"},
    {"IifConservaLaColacion", "SELECT COUNT(1) AS n FROM (SELECT IIF(Id > 3, Nombre, 'x') AS v FROM t) AS d WHERE d.v = 'USD'",
     "n\n2"},
    {"UnionConservaLaColacion",
     "SELECT COUNT(1) AS n FROM (SELECT Nombre AS v FROM t UNION ALL SELECT Ape FROM t) AS u WHERE u.v = 'usd'", "n\n2"},
    {"UnionSinAllQuitaRepetidos",
     "SELECT COUNT(1) AS n FROM (SELECT Nombre FROM t WHERE Id >= 4 UNION SELECT Nombre FROM t WHERE Id >= 4)", "n\n1"},
    // LIKE with % and _ and lists, case folded, accents kept
    {"LikePorcentaje", "SELECT Id FROM t WHERE Nombre LIKE '%publico%' ORDER BY Id", "Id\n1\n2"},
    {"LikeMayusculaAcentuada", "SELECT Id FROM t WHERE Nombre LIKE 'públ%'", "Id\n3"},
    {"LikeGuionBajoYLista", "SELECT Id FROM t WHERE Nombre LIKE 'u_d' OR Nombre LIKE '[p]ublico' ORDER BY Id",
     "Id\n2\n4\n5"},
    {"LikeComoValorYNulo", "SELECT Nombre LIKE '%usd%' AS a, Ape LIKE '%' AS b, Nombre NOT LIKE 'u%' AS c FROM t WHERE Id = 4",
     "a|b|c\n-1|Null|0"},
    // + joins two texts, propagates Null, adds numbers (numeric text converts)
    {"MasDeTextosYNulos", "SELECT 'a' + 'b' AS a, 'a' + Null AS b, Null + 1 AS c, 1 + '2' AS d, 2 + 3 AS e, 1.5 + 1 AS f",
     "a|b|c|d|e|f\nab|Null|Null|3|5|2.5"},
    {"MasArmaNombres", "SELECT Nombre + IIF(ISNULL(Ape), '', ' ' + Ape) AS c FROM t ORDER BY Id",
     "c\nPUBLICO EN GENERAL\nPublico Pérez\nPÚBLICO Núñez\nusd\nUSD ÑANDÚ"},
    {"MasConTextoNumerico", "SELECT Num + 1 AS c FROM t WHERE Id = 1", "c\n13"},
    // & always joins, Null as empty
    {"Ampersand", "SELECT 1 & 2 AS a, 'a' & Null AS b, Null & Null AS c, 1.5 & 'x' AS d", "a|b|c|d\n12|a|Null|1.5x"},
    // / always divides as floating point
    {"DivisionReal", "SELECT 7 / 2 AS a, 1 / 4 AS b, Null / 2 AS c", "a|b|c\n3.5|0.25|Null"},
    {"IifIsNull", "SELECT ISNULL(Ape) AS a, IIF(ISNULL(Ape), 'sin', Ape) AS b FROM t WHERE Id <= 2 ORDER BY Id",
     "a|b\n-1|sin\n0|Pérez"},
    {"Abs", "SELECT ABS(-3) AS a, ABS(2.5) AS b, -Id AS c, - -2 AS d FROM t WHERE Id = 2", "a|b|c|d\n3|2.5|-2|2"},
    {"Agregados", "SELECT COUNT(1) AS a, COUNT(*) AS b, COUNT(Ape) AS c, MIN(Id) AS d, MAX(Ape) AS e, AVG(Id) AS f FROM t",
     "a|b|c|d|e|f\n5|5|3|1|Pérez|3"},
    // SUM: exact for up to four decimals, integers stay integers, nothing gives Null
    {"SumaExacta", "SELECT SUM(Importe) AS s FROM t", "s\n0.29999999999999999"},
    {"SumaEntera", "SELECT SUM(Id) AS a, SUM(Fecha) AS b FROM t WHERE Id >= 4", "a|b\n9|42005"},
    {"SumaVacia", "SELECT SUM(Id) AS a, SUM(Importe) AS b FROM t WHERE Id > 9", "a|b\nNull|Null"},
    // date literals are Jet day numbers; the upper bound is midnight
    {"LiteralesDeFecha",
     "SELECT #2014/12/31# AS a, #12/31/2014# AS b, #2014/12/31 12:00:00# AS c, #1850/06/15 12:00# AS d, #1899/12/30# AS e, "
     "#6:00 PM# AS f",
     "a|b|c|d|e|f\n42004|42004|42004.5|-18095.5|0|0.75"},
    {"RangoDeFechas", "SELECT Id FROM t WHERE Fecha >= #2014/12/31# AND Fecha <= #2014/12/31# ORDER BY Id", "Id\n1"},
    // names, joins, derived tables, unions
    {"NombresEntreCorchetes", "SELECT [Nombre Completo], x.[Año] FROM [t t] AS x", "Nombre Completo|Año\nAna|2014"},
    {"UnionConComas", "SELECT t.Id, u.Cosa FROM t, u WHERE t.Id = u.Id ORDER BY t.Id", "Id|Cosa\n1|uno\n3|tres"},
    {"InnerJoin", "SELECT t.Id, u.Cosa FROM t INNER JOIN u ON t.Id = u.Id ORDER BY t.Id", "Id|Cosa\n1|uno\n3|tres"},
    {"LeftJoin", "SELECT t.Id, u.Cosa FROM t LEFT JOIN u ON t.Id = u.Id WHERE t.Id <= 2 ORDER BY t.Id",
     "Id|Cosa\n1|uno\n2|Null"},
    {"JoinsEntreParentesis",
     "SELECT t.Id FROM (t INNER JOIN u ON t.Id = u.Id) INNER JOIN u AS u2 ON u2.Id = u.Id ORDER BY t.Id", "Id\n1\n3"},
    {"AliasPuntoEstrella", "SELECT d.* FROM (SELECT Id, Cosa FROM u WHERE Id > 1) AS d ORDER BY d.Id",
     "Id|Cosa\n3|tres\n9|nueve"},
    {"DerivadaSinAlias", "SELECT Cosa FROM (SELECT Cosa FROM u WHERE Id = 9)", "Cosa\nnueve"},
    {"UnionAll", "SELECT Id FROM u WHERE Id = 1 UNION ALL SELECT Id FROM u WHERE Id = 1", "Id\n1\n1"},
    {"GroupHavingOrderPorAgregado",
     "SELECT Flag, COUNT(1) AS n FROM t GROUP BY Flag HAVING COUNT(1) > 1 ORDER BY COUNT(1) DESC", "Flag|n\n-1|3\n0|2"},
    {"NombresExpr", "SELECT COUNT(1), Id + 1, Nombre FROM t WHERE Id = 1 GROUP BY Id, Nombre",
     "Expr1000|Expr1001|Nombre\n1|2|PUBLICO EN GENERAL"},
    {"ExpresionDelGrupo", "SELECT Id + 1 AS a, IIF(t.Id > 3, 'alto', 'bajo') AS b FROM t GROUP BY Id + 1, Id ORDER BY Id",
     "a|b\n2|bajo\n3|bajo\n4|bajo\n5|alto\n6|alto"},
    {"ComillasDobladas", "SELECT 'it''s' AS a, \"dice \"\"hola\"\"\" AS b", "a|b\nit's|dice \"hola\""},
    {"NumeroContraTexto", "SELECT Id FROM t WHERE Id = '2'", "Id\n2"},
    {"BetweenEIn", "SELECT Id FROM t WHERE Id BETWEEN 2 AND 3 OR Id IN (5) ORDER BY Id", "Id\n2\n3\n5"},
    {"MinusculasYPuntoYComa", "select Id from t where id = 1;", "Id\n1"},
    // lenient where Jet refuses: joins chained without parentheses read left to right, and an
    // alias that repeats the column it aggregates still aggregates the column
    {"TresTablasSinParentesis",
     "SELECT t.Id FROM t INNER JOIN u ON t.Id = u.Id INNER JOIN u AS u2 ON u2.Id = u.Id ORDER BY t.Id", "Id\n1\n3"},
    // counts of a derived table filtered by a literal come from one kept count shared by every
    // literal; kept groupings of columns and counts are hashed: the same groups, spellings,
    // Nulls and ties as grouping by sorting
    {"ConteoPorLiteral",
     "SELECT d.Clave, COUNT(1) AS n FROM (SELECT Clave FROM v WHERE Grupo = 'X') AS d GROUP BY d.Clave "
     "ORDER BY COUNT(1) DESC",
     "Clave|n\nUSD|3\neur|1\nNull|1"},
    {"ConteoPorNumeroALaIzquierda",
     "SELECT d.Grupo, COUNT(*) AS n FROM (SELECT v.Grupo FROM v, v AS w WHERE v.Clave = w.Clave AND 1 = w.Monto "
     "AND v.Monto >= 1) AS d GROUP BY d.Grupo",
     "Grupo|n\nNull|2\nX|6\ny|2"},
    {"ConteoPorLiteralSinFilas", "SELECT d.Clave, COUNT(1) AS n FROM (SELECT Clave FROM v WHERE Grupo = 'z') AS d GROUP BY d.Clave",
     "Clave|n"},
    {"AgrupacionGuardada", "SELECT g.Clave, g.n FROM (SELECT Clave, COUNT(1) AS n FROM v GROUP BY Clave) AS g ORDER BY g.Clave",
     "Clave|n\nNull|1\neur|2\nUSD|4"},
    {"SumaAgrupadaConOrden",
     "SELECT Grupo, SUM(Monto) AS s, COUNT(Monto) AS c, COUNT(1) AS n FROM v GROUP BY Grupo ORDER BY SUM(Monto) DESC",
     "Grupo|s|c|n\nX|7|4|5\ny|1|1|1\nNull|1|1|1"},
    {"AgrupacionSinOrden", "SELECT COUNT(*) AS n, Clave FROM v WHERE Monto >= 1 GROUP BY Grupo, Clave",
     "n|Clave\n1|eur\n1|Null\n1|eur\n2|USD\n1|usd"},
    // a kept grouping of tables joined by equal columns is joined by hashing: repeated keys
    // give every pair, Nulls none, texts meet without regard to case; numbers beside texts
    // and reals keep SQLite's comparison
    {"ReunionConClavesRepetidas",
     "SELECT u.Cosa, COUNT(*) AS n, SUM(w.Monto) AS s FROM u, w WHERE u.Id = w.Id GROUP BY u.Cosa",
     "Cosa|n|s\ntres|1|Null\nuno|2|5"},
    {"ReunionPorTexto", "SELECT v.Grupo, COUNT(1) AS n FROM v, w WHERE v.Clave = w.Clave GROUP BY v.Grupo",
     "Grupo|n\nNull|1\nX|10\ny|3"},
    {"ReunionDeTresTablasConFiltroYCiclo",
     "SELECT Cosa, COUNT(*) AS n FROM t, u, w WHERE t.Id = u.Id AND w.Id = u.Id AND t.Id = w.Id AND "
     "Nombre LIKE 'pub%' GROUP BY Cosa",
     "Cosa|n\nuno|2"},
    {"ReunionDeNumeroConTexto", "SELECT u.Cosa, COUNT(1) AS n FROM u, w WHERE u.Id = w.Num GROUP BY u.Cosa",
     "Cosa|n\nnueve|1\ntres|1\nuno|1"},
    {"ReunionDeReales", "SELECT v.Grupo, COUNT(1) AS n FROM v, w WHERE v.Monto = w.Monto GROUP BY v.Grupo",
     "Grupo|n\nNull|1\nX|4\ny|1"},
    // a filter over a UNION ALL is tested in each part, on the column each part has at the
    // filtered place (names come from the first part); a column whose type differs between
    // the parts keeps the filter outside
    {"FiltroSobreUnionPorLugar",
     "SELECT g.k, g.mx FROM (SELECT d.k, MAX(d.m) AS mx FROM (SELECT Id AS k, Monto AS m FROM w UNION ALL "
     "SELECT Id, Flag FROM t) AS d WHERE d.k <= 3 GROUP BY d.k) AS g ORDER BY g.k",
     "k|mx\n1|3\n2|0\n3|-1"},
    {"FiltroDeTextoSobreUnion",
     "SELECT g.c, g.n FROM (SELECT c, MAX(n) AS n FROM (SELECT Clave AS c, Id AS n FROM w UNION ALL "
     "SELECT Cosa, Id FROM u) WHERE c = 'usd' OR c = 'TRES' GROUP BY c) AS g ORDER BY g.c",
     "c|n\ntres|3\nUSD|1"},
    {"FiltroSobreUnionDeTiposDistintos",
     "SELECT g.k, g.mx FROM (SELECT k, MAX(m) AS mx FROM (SELECT Monto AS k, Id AS m FROM w UNION ALL "
     "SELECT Id, Id FROM u) WHERE k <= 2 GROUP BY k) AS g ORDER BY g.k",
     "k|mx\n1|4\n2|1"},
    {"AgrupacionDeTextoCalculado", "SELECT d.x, COUNT(1) AS n FROM (SELECT Clave & '' AS x FROM v) AS d GROUP BY d.x",
     "x|n\n|1\neur|2\nUSD|4"},
    {"AliasQueRepiteLaColumna", "SELECT SUM(Id) AS Id, MAX(Nombre) AS Nombre FROM t", "Id|Nombre\n15|usd"},
    // an alias of the select list used by a later item of the same list
    {"AliasEnLaMismaLista", "SELECT Id * 2 AS d, d + 1 AS e, e & Cosa AS f FROM u ORDER BY Id",
     "d|e|f\n2|3|3uno\n6|7|7tres\n18|19|19nueve"},
    {"AliasEnAgregado", "SELECT COUNT(*) AS n, n * 10 AS m FROM t", "n|m\n5|50"},
    // DISTINCTROW over a join: one row per combination of the shown tables' rows, so two
    // records that show the same value both stay (DISTINCT would merge them)
    {"DistinctRowSobreUnion",
     "SELECT COUNT(*) AS n FROM (SELECT DISTINCTROW v.Grupo FROM v INNER JOIN u ON u.Id <= 3 WHERE v.Clave = 'usd') AS d",
     "n\n4"},
    {"DistinctSobreUnion",
     "SELECT COUNT(*) AS n FROM (SELECT DISTINCT v.Grupo FROM v INNER JOIN u ON u.Id <= 3 WHERE v.Clave = 'usd') AS d",
     "n\n2"},
    {"DistinctRowConTodasLasTablas",
     "SELECT COUNT(*) AS n FROM (SELECT DISTINCTROW v.Grupo, u.Cosa FROM v, u WHERE u.Id <= 3 AND v.Clave = 'usd') AS d",
     "n\n8"},
    {"DistinctRowDeLaTablaDerecha", "SELECT DISTINCTROW u.Cosa FROM t INNER JOIN u ON t.Id >= u.Id ORDER BY u.Cosa",
     "Cosa\ntres\nuno"},
    // a column equal to one of many texts (a catalogue's keys): letter case ignored, accents
    // kept, Null stays Null, the same through a derived table's computed column
    {"ListaDeTextosSinMayusculas",
     "SELECT Id FROM t WHERE Nombre = 'a' OR Nombre = 'b' OR Nombre = 'c' OR Nombre = 'd' OR Nombre = 'e'"
     " OR Nombre = 'publico' OR 'usd' = Nombre OR Nombre = 'f' ORDER BY Id",
     "Id\n2\n4\n5"},
    {"ListaDeTextosComoValor",
     "SELECT Id, Ape = 'a' OR Ape = 'b' OR Ape = 'c' OR Ape = 'd' OR Ape = 'e' OR Ape = 'f' OR Ape = 'pérez'"
     " OR Ape = 'g' AS r FROM t ORDER BY Id",
     "Id|r\n1|Null\n2|-1\n3|0\n4|Null\n5|0"},
    {"ListaDeTextosDeTablaDerivada",
     "SELECT d.Id FROM (SELECT Id, Nombre & '' AS N FROM t) AS d WHERE d.N = 'a' OR d.N = 'b' OR d.N = 'c'"
     " OR d.N = 'd' OR d.N = 'e' OR d.N = 'f' OR d.N = 'público' OR d.N = 'USD' ORDER BY d.Id",
     "Id\n3\n4\n5"},
    {"ListaDeTextosSinColacionDeLaColumna",
     "SELECT Clave FROM b WHERE Clave = 'a' OR Clave = 'b' OR Clave = 'c' OR Clave = 'd' OR Clave = 'e' OR Clave = 'f'"
     " OR Clave = 'g' OR Clave = 'usd'",
     "Clave\nUSD"},
};

INSTANTIATE_TEST_SUITE_P(Jet, ReglasJet, ::testing::ValuesIn(CC_CASOS),
                         [](const auto& info) { return std::string(info.param.sNombre); });

}  // namespace

namespace {

// The catalogue conditions chain one OR per activity key (over a hundred); SQLite's parser
// must not see one nesting level per operand.
TEST(ReglasJetCadenas, CadenaLargaDeOrYAnd) {
  TBaseJet base;
  base.Ejecuta(QStringLiteral("CREATE TABLE s (Clave TEXT COLLATE JET); INSERT INTO s VALUES ('0000150'), ('x');"));
  QStringList ors, ands;
  for (int i = 0; i < 300; ++i) {
    ors << QStringLiteral("Clave = '%1'").arg(i, 7, 10, QLatin1Char('0'));
    ands << QStringLiteral("Clave <> '%1'").arg(i, 7, 10, QLatin1Char('0'));
  }
  EXPECT_EQ(base.Consulta(QStringLiteral("SELECT IIF( ( %1 ), -1, 0 ) AS EsEF FROM s ORDER BY Clave").arg(ors.join(" or ")))
                .toStdString(),
            "EsEF\n-1\n0");
  EXPECT_EQ(base.Consulta(QStringLiteral("SELECT Clave FROM s WHERE %1").arg(ands.join(" AND "))).toStdString(),
            "Clave\nx");
}

}  // namespace
