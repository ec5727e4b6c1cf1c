// jetsql's CSV on small files made for the special data Northwind lacks: Nulls, Currency
// at its rounding edges and limits, Decimals, dates before 1900, ties for TOP, accented text.
#include "CsvPrueba.h"
#include "mdbgen/EscritorMdb.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <memory>

namespace {

using mdbgen::TMoneda;
using mdbgen::TTipo;

struct TCaso {
  const char* sNombre;
  const char* sJet;
  const char* sCsv;
};

// A suite of cases on one file that TArchivo::Escribe(sRuta) writes once.
template <class TArchivo>
class SobreArchivo : public ::testing::TestWithParam<TCaso> {
 protected:
  static void SetUpTestSuite() {
    F_Dir = std::make_unique<QTemporaryDir>();
    const QString sRuta = F_Dir->filePath(QStringLiteral("prueba.mdb"));
    TArchivo::Escribe(sRuta);
    F_Conexion = ConectaCsv(sRuta);
  }
  static void TearDownTestSuite() {
    F_Conexion.reset();
    F_Dir.reset();
  }
  static inline std::unique_ptr<QTemporaryDir> F_Dir;
  static inline std::unique_ptr<ado::TConexionADO> F_Conexion;
};

class Especial : public SobreArchivo<Especial> {
 public:
  static void Escribe(const QString& sRuta) {
    mdbgen::TEscritorMdb Escritor(sRuta);
    Escritor.IniciaTabla(QStringLiteral("e"), {{"Id", TTipo::Long}, {"Nombre", TTipo::Text, 40}, {"Importe", TTipo::Currency},
                                              {"Fecha", TTipo::DateTime}, {"Puntos", TTipo::Long}});
    const QDateTime Antigua(QDate(1850, 6, 15), QTime(12, 0));
    Escritor.AgregaFila({qint64(1), QStringLiteral("Ñandú"), TMoneda{1}, Antigua, qint64(20)});
    Escritor.AgregaFila({qint64(2), QStringLiteral("ñandu"), TMoneda{-1}, QDateTime(QDate(1899, 12, 29), QTime(6, 0)), qint64(30)});
    Escritor.AgregaFila({qint64(3), QStringLiteral("Árbol"), TMoneda{10050}, {}, qint64(20)});
    Escritor.AgregaFila({qint64(4), QStringLiteral("arbol"), TMoneda{999999999999}, QDateTime(QDate(1900, 1, 1), QTime(0, 0)), {}});
    Escritor.AgregaFila({qint64(5), {}, {}, QDateTime(QDate(2014, 12, 31), QTime(0, 0)), qint64(10)});
    Escritor.AgregaFila({qint64(6), QStringLiteral("Éxito"), TMoneda{5000}, {}, qint64(20)});
    Escritor.TerminaTabla();
    Escritor.Termina();
  }
};

TEST_P(Especial, DaElResultadoDeJet) {
  EXPECT_EQ(CsvOError(*F_Conexion, GetParam().sJet).toStdString(), GetParam().sCsv) << GetParam().sJet;
}

const TCaso CC_CASOS[] = {
    // Currency: exact, products rounded half to even at the fourth decimal
    {"MonedaExacta", "SELECT Id, Importe * 3 AS a, Importe - 1 AS b FROM e WHERE Id <= 4 ORDER BY Id",
     "Id,a,b\n1,0.0003,-0.9999\n2,-0.0003,-1.0001\n3,3.015,0.005\n4,299999999.9997,99999998.9999\n"},
    {"MonedaPorMonedaAlPar",
     "SELECT Importe * Importe AS a, Importe * CCur(0.0001) AS b, Importe * CCur(0.0003) AS c FROM e WHERE Id = 6",
     "a,b,c\n0.25,0,0.0002\n"},
    {"CCurAlPar", "SELECT CCur(0.00025) AS a, CCur(0.00035) AS b, CCur(-0.00025) AS c, CCur(2.5) AS d",
     "a,b,c,d\n0.0002,0.0004,-0.0002,2.5\n"},
    {"SumaYNulos", "SELECT Sum(Importe) AS s, Count(Importe) AS n, Avg(Importe) AS p, Sum(Importe * 2) AS d FROM e",
     "s,n,p,d\n100000001.5049,5,20000000.301,200000003.0098\n"},
    {"MonedaNula", "SELECT Importe * 3 AS a, Importe + 1 AS b, First(Importe) AS f FROM e WHERE Id = 5 GROUP BY Importe",
     "a,b,f\n,,\n"},
    // dates before 1900 keep Jet's day numbers: a negative whole part, the time added
    {"FechasAntiguas",
     "SELECT Id, Fecha + 1 AS a, Year(Fecha) AS b, DateAdd('m', 1, Fecha) AS c, Format(Fecha, 'yyyy-mm-dd hh:nn') AS d, "
     "Fecha & '' AS e, DateDiff('d', Fecha, #1900/01/01#) AS f FROM e WHERE Id <= 2 ORDER BY Id",
     "Id,a,b,c,d,e,f\n1,1850-06-16 12:00:00,1850,1850-07-15 12:00:00,1850-06-15 12:00,6/15/1850 12:00:00 PM,18097\n"
     "2,1899-12-30 06:00:00,1899,1900-01-29 06:00:00,1899-12-29 06:00,12/29/1899 6:00:00 AM,3\n"},
    {"OrdenDeFechasAntiguas", "SELECT Id FROM e WHERE Fecha < #1900/01/01# ORDER BY Fecha", "Id\n1\n2\n"},
    // TOP: Nulls sort first, ties with the last row come along
    {"TopConEmpatesYNulos", "SELECT TOP 2 Id, Puntos FROM e ORDER BY Puntos DESC, Id",
     "Id,Puntos\n2,30\n1,20\n"},
    {"TopEmpatados", "SELECT Count(*) AS n FROM (SELECT TOP 2 Id FROM e ORDER BY Puntos DESC)", "n\n4\n"},
    {"TopConNuloPrimero", "SELECT TOP 1 Id FROM e ORDER BY Puntos", "Id\n4\n"},
    // accented text: letter case ignored, accents kept
    {"TextoAcentuado",
     "SELECT Id, UCase(Nombre) AS a, Left(Nombre, 2) AS b, InStr(Nombre, 'Ú') AS c, StrComp(Nombre, 'ÑANDÚ') AS d, "
     "Len(Nombre) AS e FROM e WHERE Id <= 3 ORDER BY Id",
     "Id,a,b,c,d,e\n1,ÑANDÚ,Ña,5,0,5\n2,ÑANDU,ña,0,-1,5\n3,ÁRBOL,Ár,0,-1,5\n"},
    {"TablaCruzadaAcentuada",
     "TRANSFORM Count(*) SELECT Puntos FROM e WHERE Puntos = 20 GROUP BY Puntos PIVOT Left(Nombre, 1)",
     "Puntos,Á,É,Ñ\n20,1,1,1\n"},
    {"TablaCruzadaConNulo", "TRANSFORM Count(*) SELECT Puntos FROM e WHERE Id >= 5 GROUP BY Puntos PIVOT Nombre",
     "Puntos,<>,Éxito\n10,1,0\n20,0,1\n"},
};

INSTANTIATE_TEST_SUITE_P(Jet, Especial, ::testing::ValuesIn(CC_CASOS),
                         [](const auto& info) { return std::string(info.param.sNombre); });

// Currency at its limits and Decimals of several scales, written by mdbgen from JSON numbers
// taken as written, read back exactly: loaded, compared, summed, computed and printed.
class Exactos : public SobreArchivo<Exactos> {
 public:
  static void Escribe(const QString& sRuta) {
    mdbgen::EscribeDesdeJson(R"({"tables": [{"name": "x", "columns": [
        {"name": "Id", "type": "Long"}, {"name": "Mon", "type": "Currency"},
        {"name": "D2", "type": "Decimal", "precision": 10, "scale": 2},
        {"name": "D28", "type": "Decimal", "precision": 28, "scale": 28},
        {"name": "D0", "type": "Decimal", "precision": 28, "scale": 0}],
      "rows": [[1, 900000000000000.1234, 123.45, 0.1234567890123456789012345678, 9999999999999999999999999999],
               [2, -922337203685477.5808, -0.01, -0.0000000000000000000000000001, -1],
               [3, 922337203685477.5807, 12345678.9, null, 0],
               [4, 1, 1.5, 0.5, 2]]}]})",
                             sRuta);
  }
};

TEST_P(Exactos, DaElResultadoDeJet) {
  EXPECT_EQ(CsvOError(*F_Conexion, GetParam().sJet).toStdString(), GetParam().sCsv) << GetParam().sJet;
}

const TCaso CC_EXACTOS[] = {
    {"ComoSeEscribieron", "SELECT * FROM x ORDER BY Id",
     "Id,Mon,D2,D28,D0\n1,900000000000000.1234,123.45,0.1234567890123456789012345678,9999999999999999999999999999\n"
     "2,-922337203685477.5808,-0.01,-0.0000000000000000000000000001,-1\n3,922337203685477.5807,12345678.9,,0\n"
     "4,1,1.5,0.5,2\n"},
    {"OrdenYComparacion", "SELECT Id FROM x WHERE Mon > 900000000000000 AND D28 < 0.2 OR D0 = -1 ORDER BY Mon DESC",
     "Id\n1\n2\n"},
    {"SumasExactas", "SELECT Sum(Mon) AS s, Sum(D2) AS s2, Avg(D2) AS a2, Min(D28) AS m, Max(D0) AS x FROM x WHERE Id <= 2",
     "s,s2,a2,m,x\n-22337203685477.4574,123.44,61.72,-0.0000000000000000000000000001,9999999999999999999999999999\n"},
    {"SumaQueSaleDelRango", "SELECT Sum(Mon) AS s FROM x WHERE Id <> 2", "EConsultaADO - Desbordamiento."},
    {"AritmeticaExacta", "SELECT D2 * Mon AS a, D2 + Id AS b, D28 - Mon AS c, Mon * 2 AS d FROM x WHERE Id = 4",
     "a,b,c,d\n1.5,5.5,-0.5,2\n"},
    {"DecimalPorMoneda", "SELECT D2 * Mon AS a FROM x WHERE Id = 1", "a\n111105000000000015.23373\n"},
    {"TextosExactos", "SELECT CStr(Mon) AS a, CStr(D28) AS b, Format(D0) AS c FROM x WHERE Id = 1",
     "a,b,c\n900000000000000.1234,0.1234567890123456789012345678,9999999999999999999999999999\n"},
};

INSTANTIATE_TEST_SUITE_P(Jet, Exactos, ::testing::ValuesIn(CC_EXACTOS),
                         [](const auto& info) { return std::string(info.param.sNombre); });

}  // namespace
