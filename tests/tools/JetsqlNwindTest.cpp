// jetsql's CSV of Jet SELECTs on the real Northwind file, one table of cases per feature
// group; expected values worked out from the file's data (mdb-export) and Jet's rules.
#include "CsvPrueba.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

struct TCaso {
  const char* sNombre;
  const char* sJet;
  const char* sCsv;  // or "Clase - Mensaje" of the error
  ado::jet::TParametrosJet parametros = {};
};

class Nwind : public ::testing::TestWithParam<TCaso> {
 protected:
  static void SetUpTestSuite() { F_Conexion = ConectaCsv(QStringLiteral(ENCUESTA_SHARED_DIR "/realdata/nwind.mdb")); }
  static void TearDownTestSuite() { F_Conexion.reset(); }

  static inline std::unique_ptr<ado::TConexionADO> F_Conexion;
};

TEST_P(Nwind, DaElResultadoDeJet) {
  EXPECT_EQ(CsvOError(*F_Conexion, GetParam().sJet, GetParam().parametros).toStdString(), GetParam().sCsv)
      << GetParam().sJet;
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

// Clauses: TOP with ties, DISTINCTROW, ORDER BY ordinal, Table!Field, two-digit years, the
// saved form of a derived table, PARAMETERS and crosstabs.
const TCaso CC_CLAUSULAS[] = {
    {"Top", "SELECT TOP 3 ProductID, UnitsInStock FROM Products ORDER BY UnitsInStock, ProductID",
     "ProductID,UnitsInStock\n5,0\n17,0\n29,0\n"},
    // five products have none in stock: TOP 3 brings all five tied ones; TOP 7 ends on a tie of 4
    {"TopConEmpates",
     "SELECT (SELECT Count(*) FROM (SELECT TOP 3 ProductID FROM Products ORDER BY UnitsInStock)) AS a, "
     "(SELECT Count(*) FROM (SELECT TOP 7 ProductID FROM Products ORDER BY UnitsInStock)) AS b",
     "a,b\n5,8\n"},
    {"TopPorciento", "SELECT Count(*) AS n FROM (SELECT TOP 10 PERCENT ProductID FROM Products ORDER BY UnitPrice DESC)",
     "n\n8\n"},
    {"TopSinOrden", "SELECT Count(*) AS n FROM (SELECT TOP 4 ProductID FROM Products)", "n\n4\n"},
    {"TopDescendente", "SELECT TOP 2 ProductName, UnitPrice FROM Products ORDER BY UnitPrice DESC",
     "ProductName,UnitPrice\nCôte de Blaye,263.5\nThüringer Rostbratwurst,123.79\n"},
    {"TopPorOrdinal", "SELECT TOP 1 ProductName, UnitPrice FROM Products ORDER BY 2 DESC",
     "ProductName,UnitPrice\nCôte de Blaye,263.5\n"},
    {"TopAgrupado", "SELECT TOP 1 CategoryID, Count(*) AS n FROM Products GROUP BY CategoryID ORDER BY Count(*) DESC",
     "CategoryID,n\n3,13\n"},
    {"DistinctRowDeUnaTabla", "SELECT DISTINCTROW Country FROM Customers WHERE Country = 'Mexico'",
     "Country\nMexico\nMexico\nMexico\nMexico\nMexico\n"},
    {"OrdenPorNumero", "SELECT CategoryID, CategoryName FROM Categories WHERE CategoryID <= 3 ORDER BY 2 DESC",
     "CategoryID,CategoryName\n3,Confections\n2,Condiments\n1,Beverages\n"},
    {"TablaExclamacionCampo", "SELECT Categories!CategoryName FROM Categories WHERE Categories!CategoryID = 1",
     "CategoryName\nBeverages\n"},
    {"AnioDeDosCifras", "SELECT Count(*) AS n FROM Orders WHERE OrderDate = #8/4/94#", "n\n1\n"},
    {"VentanaDeAnios", "SELECT Year(#1/1/29#) AS a, Year(#12/31/30#) AS b", "a,b\n2029,1930\n"},
    {"ConsultaGuardadaEntreCorchetes", "SELECT T.n FROM [SELECT Count(*) AS n FROM Products]. AS T", "n\n77\n"},
    {"Parametros",
     "PARAMETERS [Pais] Text(15), Desde DateTime; SELECT Count(*) AS n FROM Orders WHERE ShipCountry = [Pais] "
     "AND OrderDate >= Desde",
     "n\n19\n", {{"pais", "Mexico"}, {"Desde", "1995-01-01"}}},
    {"ParametroMoneda", "PARAMETERS Precio Currency; SELECT Count(*) AS n FROM Products WHERE UnitPrice * 3 = Precio",
     "n\n1\n", {{"Precio", "64.05"}}},
    {"ParametroSinValor", "PARAMETERS Pais Text; SELECT Count(*) FROM Customers WHERE Country = Pais",
     "EConsultaADO - Falta el valor del parámetro 'Pais' (línea 1, columna 12)"},
    {"ParametroDeTipoEquivocado", "PARAMETERS Desde DateTime; SELECT Count(*) FROM Orders WHERE OrderDate >= Desde",
     "EConsultaADO - El valor 'ayer' del parámetro 'Desde' no es una fecha (línea 1, columna 12)", {{"Desde", "ayer"}}},
    {"TablaCruzada",
     "TRANSFORM Count(*) SELECT CategoryID FROM Products WHERE CategoryID <= 2 GROUP BY CategoryID PIVOT Discontinued",
     "CategoryID,-1,0\n1,1,11\n2,1,11\n"},
    {"TablaCruzadaConIn",
     "TRANSFORM Sum(UnitsInStock) SELECT CategoryID, Sum(UnitsInStock) AS Total FROM Products WHERE CategoryID <= 2 "
     "GROUP BY CategoryID PIVOT IIf(Discontinued, 'Sí', 'No') IN ('No', 'Sí', 'Quizá')",
     "CategoryID,Total,No,Sí,Quizá\n1,559,539,20,\n2,507,507,0,\n"},
};
INSTANTIATE_TEST_SUITE_P(Clausulas, Nwind, ::testing::ValuesIn(CC_CLAUSULAS), Nombre);

// Subqueries in WHERE, HAVING and the select list; correlated; IN, EXISTS, ANY, ALL.
const TCaso CC_SUBCONSULTAS[] = {
    {"In", "SELECT Count(*) AS n FROM Customers WHERE CustomerID IN (SELECT CustomerID FROM Orders WHERE ShipCountry = 'Mexico')",
     "n\n5\n"},
    {"NotIn", "SELECT Count(*) AS n FROM Customers WHERE CustomerID NOT IN (SELECT CustomerID FROM Orders)", "n\n2\n"},
    {"ExistsCorrelacionada",
     "SELECT Count(*) AS n FROM Customers AS c WHERE EXISTS (SELECT * FROM Orders AS o WHERE o.CustomerID = c.CustomerID)",
     "n\n89\n"},
    {"NotExists",
     "SELECT Count(*) AS n FROM Customers AS c WHERE NOT EXISTS (SELECT * FROM Orders AS o WHERE o.CustomerID = c.CustomerID)",
     "n\n2\n"},
    {"Escalar", "SELECT ProductName FROM Products WHERE UnitPrice = (SELECT Max(UnitPrice) FROM Products)",
     "ProductName\nCôte de Blaye\n"},
    {"EscalarCorrelacionadaEnSelect",
     "SELECT CategoryID, (SELECT Count(*) FROM Products AS p WHERE p.CategoryID = c.CategoryID) AS n FROM Categories AS c "
     "WHERE CategoryID <= 3 ORDER BY CategoryID",
     "CategoryID,n\n1,12\n2,12\n3,13\n"},
    {"EscalarMonedaSigueMoneda", "SELECT (SELECT Sum(UnitPrice * Quantity) FROM [Order Details] WHERE OrderID = 10253) AS s",
     "s\n1444.8\n"},
    {"EnHaving",
     "SELECT CategoryID FROM Products GROUP BY CategoryID HAVING Count(*) = "
     "(SELECT Max(n) FROM (SELECT Count(*) AS n FROM Products GROUP BY CategoryID))",
     "CategoryID\n3\n"},
    {"All", "SELECT Count(*) AS n FROM Products WHERE UnitPrice >= ALL (SELECT UnitPrice FROM Products WHERE CategoryID = 1)",
     "n\n1\n"},
    {"AnyYSome",
     "SELECT Count(*) AS n FROM Products WHERE UnitPrice < ANY (SELECT UnitPrice FROM Products WHERE CategoryID = 1) "
     "AND UnitPrice < SOME (SELECT UnitPrice FROM Products WHERE CategoryID = 1)",
     "n\n76\n"},
    {"AllDeNingunaFila", "SELECT Count(*) AS n FROM Products WHERE UnitPrice > ALL (SELECT UnitPrice FROM Products WHERE 1 = 0)",
     "n\n77\n"},
    {"EscalarConVariasFilas", "SELECT (SELECT CategoryID FROM Categories) AS x FROM Products",
     "EConsultaADO - A lo sumo un registro puede ser devuelto por esta subconsulta."},
};
INSTANTIATE_TEST_SUITE_P(Subconsultas, Nwind, ::testing::ValuesIn(CC_SUBCONSULTAS), Nombre);

// Operators \ Mod ^ with Jet's precedence, and the aggregates First, Last, StDev, Var.
const TCaso CC_OPERADORES[] = {
    {"DivisionEnteraModuloPotencia",
     "SELECT 7 \\ 2 AS a, 7.5 \\ 2 AS b, 6.5 \\ 2 AS c, -7 \\ 2 AS d, 7 Mod 3 AS e, -7 Mod 3 AS f, 7.5 Mod 2 AS g, "
     "2 ^ 10 AS h, -2 ^ 2 AS i, 2 ^ -1 AS j, Null \\ 2 AS k, 5 Mod Null AS l",
     "a,b,c,d,e,f,g,h,i,j,k,l\n3,4,3,-3,1,-1,0,1024,-4,0.5,,\n"},
    {"Precedencia", "SELECT 2 + 3 * 4 ^ 2 AS a, 10 Mod 4 * 2 AS b, 7 \\ 2 * 2 AS c, 9 Mod 5 \\ 2 AS d", "a,b,c,d\n50,2,1,1\n"},
    {"DivisionEnteraPorCero", "SELECT 1 \\ 0 AS a", "EConsultaADO - División por cero."},
    {"FirstLast", "SELECT First(ProductName) AS f, Last(ProductName) AS l FROM Products",
     "f,l\nChai,Original Frankfurter grüne Soße\n"},
    {"FirstPorGrupo", "SELECT CategoryID, First(ProductID) AS f, Last(ProductID) AS l FROM Products WHERE CategoryID <= 2 "
     "GROUP BY CategoryID", "CategoryID,f,l\n1,1,76\n2,3,77\n"},
    {"Desviaciones",
     "SELECT Round(StDev(UnitPrice), 6) AS a, Round(StDevP(UnitPrice), 6) AS b, Round(Var(UnitPrice), 6) AS c, "
     "Round(VarP(UnitPrice), 6) AS d FROM Products WHERE CategoryID = 1",
     "a,b,c,d\n71.727741,68.674084,5144.868845,4716.129774\n"},
    {"DesviacionDeUnValor", "SELECT StDev(UnitPrice) AS a, StDevP(UnitPrice) AS b, Var(UnitPrice) AS c FROM Products WHERE ProductID = 1",
     "a,b,c\n,0,\n"},
    {"AgregadosSinFilas", "SELECT First(ProductName) AS f, VarP(UnitPrice) AS v FROM Products WHERE ProductID = 0", "f,v\n,\n"},
};
INSTANTIATE_TEST_SUITE_P(Operadores, Nwind, ::testing::ValuesIn(CC_OPERADORES), Nombre);

// Functions, on constants and on the file's columns (regional settings: those of C, which
// Jet's default, the United States', stands for).
const TCaso CC_FUNCIONES[] = {
    {"Texto",
     "SELECT Left('Hola mundo', 4) AS a, Right('Hola mundo', 5) AS b, Mid('Hola mundo', 6) AS c, Mid('Hola mundo', 2, 3) AS d, "
     "Len('Peña') AS e, InStr('Hola mundo', 'MUNDO') AS f, InStr(3, 'banana', 'an') AS g, InStr(1, 'banana', 'AN', 0) AS h, "
     "InStrRev('banana', 'an') AS i",
     "a,b,c,d,e,f,g,h,i\nHola,mundo,mundo,ola,4,6,4,0,4\n"},
    {"TextoCambios",
     "SELECT UCase('ñandú') AS a, LCase('ÁRBOL') AS b, '[' & Trim('  x  ') & ']' AS c, '[' & LTrim('  x ') & ']' AS d, "
     "'[' & RTrim(' x  ') & ']' AS e, Replace('banana', 'AN', 'on') AS f, Replace('banana', 'a', 'o', 3) AS g, "
     "Replace('banana', 'a', 'o', 1, 1) AS h",
     "a,b,c,d,e,f,g,h\nÑANDÚ,árbol,[x],[x ],[ x],bonona,nono,bonana\n"},
    {"TextoCodigos",
     "SELECT '[' & Space(3) & ']' AS a, String(3, 'xyz') AS b, String(2, 65) AS c, StrComp('abc', 'ABC') AS d, "
     "StrComp('abc', 'ABC', 0) AS e, StrComp('a', 'b') AS f, Asc('A') AS g, Chr(241) AS h, Val('  12 34abc') AS i, "
     "Val('x') AS j, Str(5) AS k, Str(-5) AS l, CStr(1.5) AS m, CStr(#1994/08/04#) AS n",
     "a,b,c,d,e,f,g,h,i,j,k,l,m,n\n[   ],xxx,AA,0,1,-1,65,ñ,1234,0, 5,-5,1.5,8/4/1994\n"},
    {"TextoNulo",
     "SELECT Left(Null, 2) AS a, Len(Null) AS b, UCase(Null) AS c, InStr(Null, 'a') AS d, Mid(Null, 1) AS e, "
     "StrComp(Null, 'a') AS f, Replace(Null, 'a', 'b') AS g",
     "a,b,c,d,e,f,g\n,,,,,,\n"},
    {"TextoDeColumnas", "SELECT Left(CompanyName, 5) AS a, Len(CompanyName) AS b FROM Customers WHERE CustomerID = 'VINET'",
     "a,b\nVins ,25\n"},
    {"Formato",
     "SELECT Format(1234.5, '#,##0.00') AS a, Format(0.5, '#.00') AS b, Format(0.256, '0.0%') AS c, Format(-3, '0;(0)') AS d, "
     "Format(2.5, '0') AS e, Format(1234.5, 'Standard') AS f, Format(1234.5, 'Fixed') AS g, Format(0, 'Yes/No') AS h, "
     "Format(#1994/08/04#, 'yyyy-mm-dd') AS i, Format(#1994/08/04 14:05:09#, 'dd/mm/yy hh:nn:ss') AS j, "
     "Format(#1994/08/04#, 'mmmm d, yyyy') AS k, Format(#1994/08/04#, 'Short Date') AS l, "
     "Format(#1994/08/04 14:05:00#, 'h:mm AM/PM') AS m, Format(OrderDate, 'ddd') AS n FROM Orders WHERE OrderID = 10248",
     "a,b,c,d,e,f,g,h,i,j,k,l,m,n\n\"1,234.50\",.50,25.6%,(3),3,\"1,234.50\",1234.50,No,1994-08-04,04/08/94 14:05:09,"
     "\"August 4, 1994\",8/4/1994,2:05 PM,Thu\n"},
    {"Conversiones",
     "SELECT CInt(2.5) AS a, CInt(3.5) AS b, CLng(-2.5) AS c, CByte(255) AS d, CDbl('1.5') AS e, CCur(1.23456) AS f, "
     "CBool(5) AS g, CBool(0) AS h, CDate('1994-08-04') AS i, CSng(0.1) AS j, Int(-2.5) AS k, Fix(-2.5) AS l, "
     "Round(2.5) AS m, Round(3.5) AS n, Round(2.345, 2) AS o, Sgn(-7) AS p, Sqr(16) AS q, Exp(0) AS r, Log(1) AS s",
     "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r,s\n2,4,-2,255,1.5,1.2346,-1,0,1994-08-04 00:00:00,0.10000000149011612,-3,-2,2,4,"
     "2.34,-1,4,1,0\n"},
    {"ConversionFueraDeRango", "SELECT CInt(40000) AS a", "EConsultaADO - Desbordamiento."},
    {"RaizDeNegativo", "SELECT Sqr(-1) AS a", "EConsultaADO - Argumento o llamada a procedimiento no válidos."},
    {"Eleccion",
     "SELECT Switch(1 > 2, 'a', 2 > 1, 'b') AS a, Switch(1 > 2, 'a') AS b, Choose(2, 'x', 'y', 'z') AS c, "
     "Choose(4, 'x', 'y') AS d",
     "a,b,c,d\nb,,y,\n"},
    {"PartesDeFecha",
     "SELECT Year(#1994/08/04 14:05:09#) AS a, Month(#1994/08/04#) AS b, Day(#1994/08/04#) AS c, "
     "Hour(#1994/08/04 14:05:09#) AS d, Minute(#14:05:09#) AS e, Second(#14:05:09#) AS f, Weekday(#1994/08/04#) AS g, "
     "Weekday(#1994/08/04#, 2) AS h, Year(OrderDate) AS i FROM Orders WHERE OrderID = 10248",
     "a,b,c,d,e,f,g,h,i\n1994,8,4,14,5,9,5,4,1994\n"},
    {"DatePartYDateAdd",
     "SELECT DatePart('q', #1994/08/04#) AS a, DatePart('y', #1994/02/01#) AS b, DatePart('ww', #1994/01/08#) AS c, "
     "DateAdd('m', 1, #1994/01/31#) AS d, DateAdd('yyyy', -1, #1996/02/29#) AS e, DateAdd('d', 30, #1994/08/04#) AS f, "
     "DateAdd('h', 36, #1994/08/04#) AS g",
     "a,b,c,d,e,f,g\n3,32,2,1994-02-28 00:00:00,1995-02-28 00:00:00,1994-09-03 00:00:00,1994-08-05 12:00:00\n"},
    {"DateDiff",
     "SELECT DateDiff('d', #1994/08/04#, #1994/09/03#) AS a, DateDiff('m', #1994/01/31#, #1994/02/01#) AS b, "
     "DateDiff('yyyy', #1994/12/31#, #1995/01/01#) AS c, DateDiff('ww', #1994/08/04#, #1994/08/14#) AS d, "
     "DateDiff('h', #1994/08/04 10:59#, #1994/08/04 11:00#) AS e, DateDiff('d', #1994/09/03#, #1994/08/04#) AS f",
     "a,b,c,d,e,f\n30,1,1,2,1,-30\n"},
    {"SerialesYValores",
     "SELECT DateSerial(1994, 8, 4) AS a, DateSerial(94, 14, 1) AS b, DateSerial(1994, 3, 0) AS c, TimeSerial(14, 5, 9) AS d, "
     "DateValue('1994-08-04 10:00') AS e, TimeValue('1994-08-04 10:30') AS f, MonthName(8) AS g, MonthName(8, True) AS h, "
     "WeekdayName(1) AS i",
     "a,b,c,d,e,f,g,h,i\n1994-08-04 00:00:00,1995-02-01 00:00:00,1994-02-28 00:00:00,1899-12-30 14:05:09,"
     "1994-08-04 00:00:00,1899-12-30 10:30:00,August,Aug,Sunday\n"},
    {"FechasNulas",
     "SELECT Year(Null) AS a, DateAdd('d', 1, Null) AS b, DateDiff('d', Null, #1994/08/04#) AS c, Format(Null, '0') AS d",
     "a,b,c,d\n,,,\n"},
    {"FechaDeHoy", "SELECT Date() = DateValue(Now()) AS a, Time() < 1 AS b", "a,b\n-1,-1\n"},
    {"IntervaloNoValido", "SELECT DateAdd('x', 1, #1994/08/04#) AS a",
     "EConsultaADO - Argumento o llamada a procedimiento no válidos."},
};
INSTANTIATE_TEST_SUITE_P(Funciones, Nwind, ::testing::ValuesIn(CC_FUNCIONES), Nombre);

}  // namespace
