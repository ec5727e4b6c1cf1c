// Every SQL shape the system runs, composed as the survey composes it, on a small back
// office whose answers were worked out by hand; with and without the derived-table cache.
#include "ado/jet/FechaJet.h"
#include "jet_base.h"
#include "jet_consultas_sistema.h"

#include <gtest/gtest.h>

namespace {

using namespace jet_sistema;

QString Dia(const char* sFecha) {
  return QString::number(ado::jet::DiaJet(QDateTime::fromString(QLatin1String(sFecha), Qt::ISODate)), 'g', 17);
}

// Operations: (NumEmp, Tipo, Folio, Fecha, NumeroDivisa, Cotizacion, Cantidad, ClaveCliente,
// ImporteCaptura, Cancelado).
QString Operacion(const char* sTabla, int nEmp, const char* sTipo, int nFolio, const char* sFecha, int nDiv,
                  double dCot, double dCant, int nCliente, double dImporte, int nCancelado) {
  return QStringLiteral("INSERT INTO %1 VALUES (%2, '%3', %4, %5, %6, %7, %8, %9, %10, %11);")
      .arg(QLatin1String(sTabla)).arg(nEmp).arg(QLatin1String(sTipo)).arg(nFolio).arg(Dia(sFecha)).arg(nDiv)
      .arg(dCot, 0, 'g', 17).arg(dCant, 0, 'g', 17).arg(nCliente).arg(dImporte, 0, 'g', 17).arg(nCancelado);
}

void LlenaBackOffice(TBaseJet& base) {
  const QString sOps = QStringLiteral(
      "(NumEmp INTEGER, Tipo TEXT COLLATE JET, Folio INTEGER, Fecha DATETIME, NumeroDivisa INTEGER, Cotizacion REAL, "
      "Cantidad REAL, ClaveCliente INTEGER, ImporteCaptura REAL, Cancelado INTEGER);");
  QString s = QStringLiteral("CREATE TABLE tMovtos ") + sOps + QStringLiteral("CREATE TABLE tProces ") + sOps;
  s += Operacion("tMovtos", 3, "C", 1, "2014-03-10T00:00:00", 1, 13, 1000, 10, 13000, 0);
  s += Operacion("tMovtos", 3, "C", 1, "2014-03-10T00:00:00", 1, 13, 500, 10, 13000, 0);  // same operation, 2nd line
  s += Operacion("tMovtos", 3, "V", 2, "2014-06-01T00:00:00", 2, 20, 2500, 12, 50000, 0);
  s += Operacion("tMovtos", 3, "V", 3, "2014-12-31T00:00:00", 1, 13, 3000, 12, 39000, 0);
  s += Operacion("tMovtos", 3, "V", 4, "2014-12-31T10:00:00", 1, 13, 100, 10, 1300, 0);  // after the last midnight
  s += Operacion("tMovtos", 3, "C", 5, "2013-05-01T00:00:00", 1, 12, 200, 10, 2400, 0);
  s += Operacion("tMovtos", 3, "C", 6, "2011-10-31T00:00:00", 1, 12, 50, 10, 600, 0);
  s += Operacion("tMovtos", 3, "V", 7, "2014-07-07T00:00:00", 1, 13, 3001, 11, 39013, 0);
  s += Operacion("tMovtos", 3, "V", 8, "2014-08-08T00:00:00", 1, 13, 999, 10, 12987, -1);  // cancelled
  s += Operacion("tMovtos", 3, "X", 9, "2014-08-08T00:00:00", 1, 13, 999, 10, 12987, 0);   // neither buy nor sale
  s += Operacion("tMovtos", 4, "V", 10, "2014-08-08T00:00:00", 1, 13, 999, 20, 12987, 0);  // another company
  s += Operacion("tProces", 3, "V", 11, "2014-09-09T00:00:00", 3, 0.12, 1000000, 14, 120000, 0);
  s += Operacion("tProces", 3, "C", 12, "2014-02-02T00:00:00", 4, 1, 0.75, 10, 0.75, 0);
  s += Operacion("tProces", 3, "v", 13, "2014-10-10T00:00:00", 1, 13, 3000.5, 13, 39006.5, 0);
  s += Operacion("tProces", 3, "C", 14, "2014-04-04T00:00:00", 2, 20, 10, 15, 200, 0);
  s += Operacion("tProces", 3, "V", 15, "2012-01-15T00:00:00", 2, 15, 100, 12, 1500, 0);
  s += Operacion("tProces", 3, "C", 16, "2013-01-01T00:00:00", 1, 13, 5, 11, 65, 0);
  s += Operacion("tProces", 3, "V", 18, "2014-11-11T00:00:00", 3, 0.12, 500000, 14, 60000, 0);
  s += Operacion("tProces", 3, "V", 19, "2014-03-03T00:00:00", 2, 20, 100, 12, 2000, 0);
  s += QStringLiteral(
      "CREATE TABLE tCliente (NumEmp INTEGER, ClaveCliente INTEGER, PersonaMoral INTEGER, Nombre TEXT COLLATE JET,"
      " ApellidoPaterno TEXT COLLATE JET, ApellidoMaterno TEXT COLLATE JET, Extranjero INTEGER, ClaveSector INTEGER,"
      " ClaveCiudad TEXT COLLATE JET);"
      "INSERT INTO tCliente VALUES (3, 10, 0, 'Juan', 'Pérez', NULL, 0, 1, 'C1');"
      "INSERT INTO tCliente VALUES (3, 11, -1, 'Bolsa SA', 'No', 'Se usa', -1, 2, 'C1');"
      "INSERT INTO tCliente VALUES (3, 12, 0, 'Ann', 'Smith', 'Lee', -1, 1, 'C2');"
      "INSERT INTO tCliente VALUES (3, 13, 0, 'Publico en General', NULL, NULL, 0, 1, NULL);"
      "INSERT INTO tCliente VALUES (3, 14, -1, 'Notaria 5', NULL, NULL, 0, 3, 'C3');"
      "INSERT INTO tCliente VALUES (3, 15, 0, 'Sin Sector', NULL, NULL, -1, 99, 'C1');"
      "INSERT INTO tCliente VALUES (4, 20, 0, 'Otro', NULL, NULL, -1, 1, 'C1');"
      "CREATE TABLE tSector (ClaveSector INTEGER, Sector TEXT COLLATE JET, ClaveActividad TEXT COLLATE JET);"
      "INSERT INTO tSector VALUES (1, 'Particular', '1111111'), (2, 'Casa de Bolsa', '2222222'),"
      " (3, 'Notaría', '3333333');"
      "CREATE TABLE tCiudad (ClaveCiudad TEXT COLLATE JET, Ciudad TEXT COLLATE JET, ClaveLocalidad TEXT COLLATE JET);"
      "INSERT INTO tCiudad VALUES ('C1', 'Tijuana', '02004'), ('C2', 'Mexicali', '02002'), ('C3', 'Ensenada', '02001');"
      "CREATE TABLE tDivisas (NumeroDivisa INTEGER, Simbolo TEXT COLLATE JET, ClaveGrupo INTEGER);"
      "INSERT INTO tDivisas VALUES (1, 'USD', 1), (2, 'EUR', 1), (3, 'JPY', 2), (4, NULL, 9);"
      "CREATE TABLE tGrupos (ClaveGrupo INTEGER, InstMonet TEXT COLLATE JET);"
      "INSERT INTO tGrupos VALUES (1, '01'), (2, '03');"
      "CREATE TABLE tRelevan (TipoRelev TEXT COLLATE JET, FechaDetec DATETIME, Reportada INTEGER,"
      " Observaciones TEXT COLLATE JET);"
      "CREATE TABLE tCompUsr (Maquina TEXT COLLATE JET);"
      "INSERT INTO tCompUsr VALUES ('PC1'), ('PC2');"
      "CREATE TABLE tEmps (ClaveEmp TEXT COLLATE JET, Password TEXT COLLATE JET, Nivel INTEGER);"
      "INSERT INTO tEmps VALUES ('ADMIN', 'ADMIN', 0), ('USR', 'PASS', 1);"
      "CREATE TABLE tEmpresa (Empresa TEXT COLLATE JET, RFC TEXT COLLATE JET, RegistroCC TEXT COLLATE JET,"
      " NumEmp INTEGER);"
      "INSERT INTO tEmpresa VALUES ('Centro Cambiario SA', NULL, 'CC-01', 3), ('Segunda', 'R2', 'CC-02', 4);");
  const struct {
    const char* sTipo;
    const char* sFecha;
    int nReportada;
    const char* sObservaciones;  // nullptr: Null
  } alertas[] = {
      {"I", "2014-01-15T00:00:00", -1, "SUMA AL MENOS 5000 DOLARES en enero"},
      {"I", "2014-03-31T00:00:00", 0, "puntuacion alta"},
      {"I", "2014-03-31T15:00:00", -1, "x"},  // after the quarter's last midnight
      {"i", "2014-05-05T00:00:00", -1, "EL MONTO DE LA OPERACION ES MAYOR"},
      {"X", "2014-05-05T00:00:00", -1, "SUMA AL MENOS 5000 DOLARES"},
      {"I", "2013-06-06T00:00:00", 0, "SUMA AL MENOS EQUIV A 5000 DOLARES"},
      {"I", "2011-10-31T00:00:00", 0, "PUNTUACION"},
      {"I", "2012-02-02T00:00:00", 0, "PUNTUACION y SUMA AL MENOS 5000 DOLARES"},
      {"I", "2012-03-03T00:00:00", 0, "texto libre"},
      {"I", "2012-04-04T00:00:00", 0, "texto libre"},
      {"I", "2014-11-30T00:00:00", 0, nullptr},
      {"I", "2014-12-31T00:00:00", -1, ""},
  };
  for (const auto& a : alertas)
    s += QStringLiteral("INSERT INTO tRelevan VALUES ('%1', %2, %3, %4);")
             .arg(QLatin1String(a.sTipo), Dia(a.sFecha)).arg(a.nReportada)
             .arg(a.sObservaciones ? QStringLiteral("'%1'").arg(QLatin1String(a.sObservaciones)) : QStringLiteral("NULL"));
  base.Ejecuta(s);
}

struct TCasoSistema {
  const char* sNombre;
  QString sJet;
  const char* sEsperado;
  bool bEmpatesLibres;  // rows with equal counts may come in any order: compared sorted
};

std::vector<TCasoSistema> Casos() {
  const QString sQ21 = QStringLiteral("TotalOps\n");
  return {
      {"UsuariosConectados", QStringLiteral("SELECT COUNT(1) as TotalConectados FROM tCompUsr "), "TotalConectados\n2"},
      {"ValidaAccesoAdmin", ValidaAcceso(QStringLiteral("ADMIN"), QStringLiteral("ADMIN"), true), "ClaveEmp\nADMIN"},
      {"ValidaAccesoNoAdmin", ValidaAcceso(QStringLiteral("USR"), QStringLiteral("PASS"), true), "ClaveEmp"},
      {"ValidaAccesoCualquierNivel", ValidaAcceso(QStringLiteral("USR"), QStringLiteral("PASS"), false), "ClaveEmp\nUSR"},
      {"ValidaAccesoComillaDoblada", ValidaAcceso(QStringLiteral("O''X'' or ''1''=''1"), QStringLiteral("a"), true),
       "ClaveEmp"},
      {"GetEmpresa", QStringLiteral("SELECT * FROM tEmpresa"),
       "Empresa|RFC|RegistroCC|NumEmp\nCentro Cambiario SA|Null|CC-01|3\nSegunda|R2|CC-02|4"},
      {"Preg5TipoTijuana", CalculaMaxPreg5(QStringLiteral("02004"), QStringLiteral("TipoOp")), "TipoOp|TotalOps\nC|4\nV|2"},
      {"Preg5InstrumentoTijuana", CalculaMaxPreg5(QStringLiteral("02004"), QStringLiteral("InstMon")),
       "InstMon|TotalOps\n01|6"},
      {"Preg5DivisaTijuana", CalculaMaxPreg5(QStringLiteral("02004"), QStringLiteral("Simbolo")),
       "Simbolo|TotalOps\nUSD|5\nEUR|1"},
      {"Preg5TipoMexicali", CalculaMaxPreg5(QStringLiteral("02002"), QStringLiteral("TipoOp")), "TipoOp|TotalOps\nV|4"},
      {"Preg5DivisaMexicali", CalculaMaxPreg5(QStringLiteral("02002"), QStringLiteral("Simbolo")),
       "Simbolo|TotalOps\nEUR|3\nUSD|1"},
      {"Preg5InstrumentoEnsenada", CalculaMaxPreg5(QStringLiteral("02001"), QStringLiteral("InstMon")),
       "InstMon|TotalOps\n03|2"},
      {"Preg5SinOperaciones", CalculaMaxPreg5(QStringLiteral("99999"), QStringLiteral("TipoOp")), "TipoOp|TotalOps"},
      {"Preg7Trimestre1", Preg7Aux(QStringLiteral("2014/01/01"), QStringLiteral("2014/03/31")),
       "TipoRelev|TotalAlertas|Reportadas\nI|2|1"},
      {"Preg7Trimestre2", Preg7Aux(QStringLiteral("2014/04/01"), QStringLiteral("2014/06/30")),
       "TipoRelev|TotalAlertas|Reportadas\ni|1|1"},
      {"Preg7Trimestre3", Preg7Aux(QStringLiteral("2014/07/01"), QStringLiteral("2014/09/30")),
       "TipoRelev|TotalAlertas|Reportadas"},
      {"Preg7Trimestre4", Preg7Aux(QStringLiteral("2014/10/01"), QStringLiteral("2014/12/31")),
       "TipoRelev|TotalAlertas|Reportadas\nI|2|1"},
      {"Preg8", Preg8(),
       "Obs|Total\n"
       "ALERTA POR ACUMULAR 5000 DOLARES O MAS EN EL MISMO MES|2\n"
       "texto libre|2\n"
       "ALERTA POR REBASAR EL PUNTAJE DEL PÁRAMETRO ESTABLECIDO EN LA MATRIZ DE RIESGO|1\n"
       "x|1\n"
       "ALERTA POR REBASAR EL PORCENTAJE PERMITIDO EN EL CAMBIO DEL PERFIL TRANSACCIONAL|1\n"
       "ALERTA POR ACUMULAR EL EQUIVALENTE A 5000 DOLARES O MAS EN EL MISMO MES|1\n"
       "Null|1\n"
       "|1",
       true},
      {"Preg17", Preg17(), "Ciudad|ClaveLocalidad|Total\nTijuana|02004|4\nMexicali|02002|3\nEnsenada|02001|2"},
      {"Preg18", Preg18(),
       "ClaveCiudad|Ciudad|ClaveLocalidad|TotalImporte\nC3|Ensenada|02001|180000\nC2|Mexicali|02002|91000\n"
       "C1|Tijuana|02004|52213.75"},
      {"Preg18Divisas", Preg18Part2(QStringLiteral("c1")), "Simbolo|TotalCant\nUSD|4501\nEUR|10\nNull|0.75"},
      {"Preg18DivisasMexicali", Preg18Part2(QStringLiteral("C2")), "Simbolo|TotalCant\nUSD|3000\nEUR|2600"},
      {"Preg19", Preg19(), "Simbolo|TotalCant|TotalOps\nJPY|1500000|2\nUSD|6000.5|2\nEUR|2600|2"},
      {"Preg20", Preg20(),
       "Actividad|Simbolo|Tipo|TotalOps|TipoOp\nNotaría|JPY|V|2|Venta\nCasa de Bolsa|USD|V|1|Venta"},
      {"Preg21Fila1", Preg21Aux(QStringLiteral("1"), QStringLiteral("3000")), "TotalOps\n4"},
      {"Preg21Fila2", Preg21Aux(QStringLiteral("3001"), QStringLiteral("5000")), "TotalOps\n3"},
      {"Preg21Fila3", Preg21Aux(QStringLiteral("5001"), QString()), "TotalOps\n1"},
      {"Preg22", Preg22(), "TotalF|TotalM\n3|0"},
  };
}

QString Ordenado(const QString& s) {
  QStringList lineas = s.split(u'\n');
  const QString sCabecera = lineas.takeFirst();
  lineas.sort();
  return sCabecera + u'\n' + lineas.join(u'\n');
}

void CompruebaTodos(TBaseJet& base) {
  for (const TCasoSistema& caso : Casos()) {
    SCOPED_TRACE(caso.sNombre);
    const QString sResultado = base.Consulta(caso.sJet);
    const QString sEsperado = QString::fromUtf8(caso.sEsperado);
    if (caso.bEmpatesLibres)
      EXPECT_EQ(Ordenado(sResultado).toStdString(), Ordenado(sEsperado).toStdString());
    else
      EXPECT_EQ(sResultado.toStdString(), sEsperado.toStdString());
  }
}

TEST(SistemaJet, CadaConsultaDaLaRespuestaCalculadaAMano) {
  for (bool bCache : {true, false}) {
    SCOPED_TRACE(bCache ? "con cache" : "sin cache");
    TBaseJet base;
    LlenaBackOffice(base);
    base.ejecutor.SetCacheActiva(bCache);
    CompruebaTodos(base);
    CompruebaTodos(base);  // a second run reads what the first one kept
  }
}

TEST(SistemaJet, PideCadaTablaBaseQueLaConsultaNombra) {
  TBaseJet base;
  LlenaBackOffice(base);
  base.Consulta(CalculaMaxPreg5(QStringLiteral("02004"), QStringLiteral("TipoOp")));
  EXPECT_EQ(base.tablasPedidas.join(u',').toStdString(), "tMovtos,tProces,tDivisas,tGrupos,tCliente,tCiudad");
}

TEST(SistemaJet, LasDerivadasIgualesSeCalculanUnaVezYOlvidaLasBorra) {
  TBaseJet base;
  LlenaBackOffice(base);
  const QString sTablas = QStringLiteral("SELECT COUNT(1) FROM sqlite_temp_master WHERE type = 'table'");
  CompruebaTodos(base);
  // the grouped operations, one count of question 5's operations shared by its localities,
  // the inner clients, clients with and without vulnerable activities, operations with
  // clients with and without them, the alerts of question 8 and the dollar amounts of
  // question 21; both date ranges keep most of these operations, so they are read in place
  // instead of copied; and the nine groupings that the questions' queries read, hashed
  EXPECT_EQ(base.Cuenta(sTablas), 18);
  EXPECT_GT(base.Cuenta(QStringLiteral("SELECT COUNT(1) FROM sqlite_temp_master WHERE type = 'index'")), 0);
  CompruebaTodos(base);
  EXPECT_EQ(base.Cuenta(sTablas), 18);
  base.ejecutor.Olvida();
  EXPECT_EQ(base.Cuenta(sTablas), 0);
  base.Ejecuta(QStringLiteral("UPDATE tCompUsr SET Maquina = 'PC9'; DELETE FROM tCompUsr WHERE Maquina = 'PC9';"));
  EXPECT_EQ(base.Consulta(QStringLiteral("SELECT COUNT(1) as TotalConectados FROM tCompUsr ")).toStdString(),
            "TotalConectados\n0");
}

// A grouping that hashing reduces is kept apart; one of nearly as many groups as rows is left
// as written (hashing it would cost more than SQLite's sort), with the same answer. Over a
// table of fewer than 65,536 rows the hashing always finishes, whatever its first rows.
TEST(SistemaJet, SoloSeGuardaAparteLaAgrupacionQueReduce) {
  const QString sTablas = QStringLiteral("SELECT COUNT(1) FROM sqlite_temp_master WHERE type = 'table'");
  struct TCaso {
    const char* sJet;
    int nGuardadas;
    int nFilas;
  };
  const TCaso casos[] = {
      {"SELECT Grupo, COUNT(1) AS n, SUM(Id) AS s FROM m GROUP BY Grupo ORDER BY COUNT(1) DESC", 1, 7},
      {"SELECT Id, COUNT(1) AS n, SUM(Grupo) AS s FROM m GROUP BY Id ORDER BY COUNT(1) DESC", 0, 70000},
      {"SELECT Id, COUNT(1) AS n, SUM(Grupo) AS s FROM p GROUP BY Id ORDER BY COUNT(1) DESC", 1, 40000},
  };
  for (const auto& [sJet, nGuardadas, nFilas] : casos) {
    QString sRespuestas[2];
    for (bool bCache : {true, false}) {
      TBaseJet base;
      base.Ejecuta(QStringLiteral(
          "CREATE TABLE m (Id INTEGER, Grupo INTEGER);"
          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 70000) "
          "INSERT INTO m SELECT i, i % 7 FROM n;"
          "CREATE TABLE p AS SELECT * FROM m WHERE Id <= 40000;"));
      base.ejecutor.SetCacheActiva(bCache);
      sRespuestas[bCache] = base.Consulta(QString::fromUtf8(sJet));
      if (bCache) EXPECT_EQ(base.Cuenta(sTablas), nGuardadas) << sJet;
    }
    EXPECT_EQ(sRespuestas[true].toStdString(), sRespuestas[false].toStdString()) << sJet;
    EXPECT_EQ(sRespuestas[true].count(u'\n'), nFilas) << sJet;
  }
}

TEST(SistemaJet, SinCacheNoGuardaTablas) {
  TBaseJet base;
  LlenaBackOffice(base);
  base.ejecutor.SetCacheActiva(false);
  CompruebaTodos(base);
  EXPECT_EQ(base.Cuenta(QStringLiteral("SELECT COUNT(1) FROM sqlite_temp_master")), 0);
}

}  // namespace
