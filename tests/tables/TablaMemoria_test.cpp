#include "tables/TablaMemoria.h"

#include <gtest/gtest.h>

namespace {

// Rows shaped like the localities catalogue, with a Null and a bad key.
TTablaMemoria Localidades()
{
  return TTablaMemoria({"IdLocalidad", "IdEstado", "Localidad"},
                       {{"1", "2", "AGUASCALIENTES"},
                        {"2", "2", "CALVILLO"},
                        {"3", "20", "SANTIAGO"},
                        {"4", "24", QString()},
                        {"5", "2", "ASIENTOS"},
                        {"6", "X", "SIN CLAVE"}});
}

QStringList Recorre(TTablaMemoria& tabla)
{
  QStringList nombres;
  for (tabla.First(); !tabla.Eof(); tabla.Next())
    nombres << tabla.CampoTexto("Localidad");
  return nombres;
}

TEST(TablaMemoria, StartsClosedAndRefusesReadingWhileClosed)
{
  TTablaMemoria tabla = Localidades();
  EXPECT_FALSE(tabla.Active());
  try {
    tabla.RecordCount();
    FAIL() << "no exception";
  } catch (const ETablaMemoria& e) {
    EXPECT_EQ(e.Mensaje(), "La tabla está cerrada.");
  }
}

TEST(TablaMemoria, WalksAllRowsInStoredOrderAndReopensAtTheFirst)
{
  TTablaMemoria tabla = Localidades();
  tabla.Open();
  EXPECT_FALSE(tabla.IsEmpty());
  EXPECT_EQ(tabla.RecordCount(), 6);
  EXPECT_EQ(Recorre(tabla), QStringList({"AGUASCALIENTES", "CALVILLO", "SANTIAGO", "", "ASIENTOS", "SIN CLAVE"}));
  tabla.Next();  // at the end already: stays there
  EXPECT_TRUE(tabla.Eof());
  tabla.Close();
  tabla.Open();
  EXPECT_FALSE(tabla.Eof());
  EXPECT_EQ(tabla.CampoEntero("IdLocalidad"), 1);
}

TEST(TablaMemoria, ReadsFieldsByNameIgnoringCase)
{
  TTablaMemoria tabla = Localidades();
  tabla.Open();
  tabla.Next();
  EXPECT_EQ(tabla.CampoTexto("localidad"), "CALVILLO");
  EXPECT_EQ(tabla.CampoEntero("IDESTADO"), 2);
  EXPECT_FALSE(tabla.EsNulo("Localidad"));
  tabla.Next();
  tabla.Next();
  EXPECT_TRUE(tabla.EsNulo("Localidad"));
  EXPECT_EQ(tabla.CampoTexto("Localidad"), "");
  EXPECT_FALSE(tabla.CampoTexto("Localidad").isNull());
}

TEST(TablaMemoria, ReadingErrorsAreClear)
{
  struct TCaso {
    int nSaltos;
    QString sCampo;
    bool bEntero;
    QString sMensaje;
  };
  const TCaso casos[] = {
      {0, "Clave", false, "La tabla no tiene la columna \"Clave\"."},
      {5, "IdEstado", true, "El valor \"X\" de la columna IdEstado no es un número entero."},
      {3, "Localidad", true, "El valor \"\" de la columna Localidad no es un número entero."},
      {6, "Localidad", false, "No hay fila actual para leer la columna \"Localidad\"."},
  };
  for (const TCaso& caso : casos) {
    TTablaMemoria tabla = Localidades();
    tabla.Open();
    for (int i = 0; i < caso.nSaltos; ++i)
      tabla.Next();
    try {
      caso.bEntero ? static_cast<void>(tabla.CampoEntero(caso.sCampo))
                   : static_cast<void>(tabla.CampoTexto(caso.sCampo));
      ADD_FAILURE() << caso.sMensaje.toStdString();
    } catch (const ETablaMemoria& e) {
      EXPECT_EQ(e.Mensaje(), caso.sMensaje);
    }
  }
}

TEST(TablaMemoria, FilterShowsOnlyMatchingRowsInStoredOrder)
{
  struct TCaso {
    QString sFiltro;
    QStringList esperadas;
  };
  const TCaso casos[] = {
      {"IdEstado = 2", {"AGUASCALIENTES", "CALVILLO", "ASIENTOS"}},
      {"  idestado=20 ", {"SANTIAGO"}},
      {"IdEstado = +24", {""}},
      {"IdEstado = 7", {}},
      {"IdEstado = -2", {}},
      {"", {"AGUASCALIENTES", "CALVILLO", "SANTIAGO", "", "ASIENTOS", "SIN CLAVE"}},
  };
  for (const TCaso& caso : casos) {
    TTablaMemoria tabla = Localidades();
    tabla.Open();
    tabla.SetFiltered(false);
    tabla.SetFilter(caso.sFiltro);
    tabla.SetFiltered(true);
    EXPECT_EQ(tabla.RecordCount(), caso.esperadas.size()) << caso.sFiltro.toStdString();
    EXPECT_EQ(tabla.IsEmpty(), caso.esperadas.isEmpty());
    EXPECT_EQ(Recorre(tabla), caso.esperadas) << caso.sFiltro.toStdString();
  }
}

TEST(TablaMemoria, FilterIsKeptWhileClosedAndSwitchesOff)
{
  TTablaMemoria tabla = Localidades();
  tabla.SetFilter("IdEstado = 2");
  tabla.SetFiltered(true);
  tabla.Open();
  EXPECT_EQ(tabla.RecordCount(), 3);
  tabla.Close();
  EXPECT_EQ(tabla.Filter(), "IdEstado = 2");
  EXPECT_TRUE(tabla.Filtered());
  tabla.Open();
  EXPECT_EQ(tabla.RecordCount(), 3);
  EXPECT_EQ(tabla.CampoTexto("Localidad"), "AGUASCALIENTES");
  tabla.SetFiltered(false);
  EXPECT_EQ(tabla.RecordCount(), 6);
  EXPECT_EQ(tabla.CampoTexto("Localidad"), "AGUASCALIENTES");
}

TEST(TablaMemoria, RefusesFilterExpressionsItCannotEvaluate)
{
  const QString expresiones[] = {"IdEstado", "IdEstado = ", "IdEstado = dos", "IdEstado > 2",
                                 "IdEstado = 2 AND IdPais = 1", "IdEstado = 2.5",
                                 "IdEstado = '2'", "= 2", "IdEstado = 99999999999999999999"};
  for (const QString& sExpresion : expresiones) {
    TTablaMemoria tabla = Localidades();
    tabla.SetFilter("IdEstado = 20");
    tabla.SetFiltered(true);
    try {
      tabla.SetFilter(sExpresion);
      ADD_FAILURE() << sExpresion.toStdString();
    } catch (const ETablaMemoria& e) {
      EXPECT_EQ(e.Mensaje(), QStringLiteral("Filtro no admitido: \"%1\". Se espera <columna> = <número entero>.")
                                 .arg(sExpresion));
    }
    tabla.Open();
    EXPECT_EQ(tabla.Filter(), "IdEstado = 20");
    EXPECT_EQ(tabla.RecordCount(), 1);
  }
  TTablaMemoria tabla = Localidades();
  try {
    tabla.SetFilter("IdPais = 1");
    ADD_FAILURE();
  } catch (const ETablaMemoria& e) {
    EXPECT_EQ(e.Mensaje(), "La tabla no tiene la columna \"IdPais\".");
  }
}

TEST(TablaMemoria, RefusesRowsOfTheWrongWidth)
{
  try {
    TTablaMemoria tabla({"A", "B"}, {{"1", "2"}, {"3"}});
    FAIL();
  } catch (const ETablaMemoria& e) {
    EXPECT_EQ(e.Mensaje(), "La fila 2 tiene 1 valores y la tabla 2 columnas.");
  }
}

}  // namespace
