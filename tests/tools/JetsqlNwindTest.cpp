// jetsql's CSV of Jet SELECTs on the real Northwind file, one table of cases per feature
// group; expected values worked out from the file's data (mdb-export) and Jet's rules.
#include "ado/ConexionADO.h"
#include "ado/ErrorADO.h"
#include "jetsql/CsvJet.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct TCaso {
  const char* sNombre;
  const char* sJet;
  const char* sCsv;  // or "Clase - Mensaje" of the error
};

class Nwind : public ::testing::TestWithParam<TCaso> {
 protected:
  static void SetUpTestSuite() {
    F_Conexion = std::make_unique<ado::TConexionADO>();
    F_Conexion->SetConnectionString(jetsql::CadenaJet(QStringLiteral(ENCUESTA_SHARED_DIR "/realdata/nwind.mdb"), {}));
    F_Conexion->SetConnected(true);
  }
  static void TearDownTestSuite() { F_Conexion.reset(); }

  static QString Csv(const char* sJet) {
    try {
      return jetsql::ConsultaCsv(*F_Conexion, QString::fromUtf8(sJet));
    } catch (const ado::EErrorADO& Error) {
      return Error.Clase() + QStringLiteral(" - ") + Error.Mensaje();
    }
  }

  static inline std::unique_ptr<ado::TConexionADO> F_Conexion;
};

TEST_P(Nwind, DaElResultadoDeJet) {
  EXPECT_EQ(Csv(GetParam().sJet).toStdString(), GetParam().sCsv) << GetParam().sJet;
}

auto Nombre = [](const auto& info) { return std::string(info.param.sNombre); };

// Result types: Currency exact, dates kept, repeated names qualified.
const TCaso CC_TIPOS[] = {
    {"MonedaPorEnteroComparada", "SELECT Count(*) AS n FROM Products WHERE UnitPrice * 3 = 64.05", "n\n1\n"},
    {"HavingDeSumaDeMoneda",
     "SELECT OrderID FROM [Order Details] GROUP BY OrderID HAVING Sum(UnitPrice * Quantity) = 1444.8", "OrderID\n10253\n"},
    {"MonedaImpresaComoDecimal",
     "SELECT UnitPrice * Quantity AS t, Sum(UnitPrice * Quantity) AS s FROM [Order Details] WHERE OrderID = 10253 "
     "GROUP BY ProductID, UnitPrice * Quantity ORDER BY ProductID",
     "t,s\n200,200\n604.8,604.8\n640,640\n"},
    {"FechaCalculada", "SELECT OrderDate + 30 AS a, OrderDate - 1 AS b, OrderDate & '' AS c FROM Orders WHERE OrderID = 10248",
     "a,b,c\n1994-09-03 00:00:00,1994-08-03 00:00:00,8/4/1994\n"},
    {"MinYMaxDeFecha", "SELECT Min(OrderDate), Max(OrderDate) FROM Orders",
     "Expr1000,Expr1001\n1994-08-04 00:00:00,1996-06-05 00:00:00\n"},
    {"NombresRepetidosCalificados",
     "SELECT Orders.CustomerID, Customers.CustomerID FROM Orders INNER JOIN Customers "
     "ON Orders.CustomerID = Customers.CustomerID WHERE OrderID = 10248",
     "Orders.CustomerID,Customers.CustomerID\nVINET,VINET\n"},
};
INSTANTIATE_TEST_SUITE_P(Tipos, Nwind, ::testing::ValuesIn(CC_TIPOS), Nombre);

}  // namespace
