#include "data/DataModule.h"
#include "CatalogosEsperados.h"

#include <gtest/gtest.h>

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringConverter>

#include <map>
#include <set>

namespace {

struct TFila {
  int nId;
  int nIdEstado;
  QString sNombre;
  QString sClave;
};

QStringList Lista(const char* sLista)
{
  return QString::fromUtf8(sLista).split(QStringLiteral(", "));
}

// One shared module: loading the catalogues once is enough for every check.
TdmMain& Modulo()
{
  static TdmMain dmMain;
  return dmMain;
}

QStringList Columna(TTablaMemoria& tabla, const QString& sCampo)
{
  QStringList valores;
  tabla.Open();
  for (tabla.First(); !tabla.Eof(); tabla.Next())
    valores << tabla.CampoTexto(sCampo);
  tabla.Close();
  return valores;
}

QList<TFila> Localidades(const QString& sFiltro = {})
{
  TTablaMemoria& tabla = Modulo().vLocalidades;
  tabla.SetFiltered(false);
  tabla.SetFilter(sFiltro);
  tabla.SetFiltered(!sFiltro.isEmpty());
  QList<TFila> filas;
  tabla.Open();
  for (tabla.First(); !tabla.Eof(); tabla.Next())
    filas.append({tabla.CampoEntero("IdLocalidad"), tabla.CampoEntero("IdEstado"),
                  tabla.CampoTexto("Localidad"), tabla.CampoTexto("Clave")});
  tabla.Close();
  tabla.SetFiltered(false);
  return filas;
}

QList<TFila> LocalidadesDe(int nIdEstado)
{
  return Localidades(QStringLiteral("IdEstado = %1").arg(nIdEstado));
}

int IdDe(const QString& sEstado)
{
  return static_cast<int>(Lista(CC_ESTADOS).indexOf(sEstado)) + 1;
}

QString Grupo(const TFila& fila)
{
  return fila.sClave.left(3);
}

TEST(Catalogos, TablesStartClosedWithTheirColumnsWidthsAndCounts)
{
  struct TCaso {
    TTablaMemoria* tabla;
    QStringList columnas;
    QList<int> anchos;
    int nFilas;
  };
  TdmMain& dm = Modulo();
  const TCaso casos[] = {
      {&dm.vtEstados, {"IdEstado", "IdPais", "Estado"}, {20, 20, 25}, 199},
      {&dm.vLocalidades, {"IdLocalidad", "IdEstado", "Localidad", "Clave"}, {20, 20, 45, 20}, 3684},
      {&dm.vtActVul, {"Clave", "Actividad"}, {10, 1}, 79},
      {&dm.vtEntFin, {"Clave", "Actividad"}, {10, 1}, 42},
  };
  for (const TCaso& caso : casos) {
    EXPECT_FALSE(caso.tabla->Active());
    EXPECT_FALSE(caso.tabla->Filtered());
    caso.tabla->Open();
    EXPECT_EQ(caso.tabla->RecordCount(), caso.nFilas);
    caso.tabla->Close();
    for (qsizetype i = 0; i < caso.columnas.size(); ++i) {
      qsizetype nMaximo = 0;
      for (const QString& sValor : Columna(*caso.tabla, caso.columnas[i]))
        nMaximo = std::max(nMaximo, sValor.size());
      EXPECT_LE(nMaximo, caso.anchos[i]) << caso.columnas[i].toStdString();
    }
  }
}

TEST(Catalogos, TextsAreUpperCaseWindows1252WithoutQuotesOrCommas)
{
  static const QRegularExpression reNombre(QStringLiteral("^[A-Z0-9ÑÜ().]+( [A-Z0-9ÑÜ().]+)*$"));
  static const QRegularExpression reNumero(QStringLiteral("^[0-9]+$"));
  TdmMain& dm = Modulo();
  const QList<std::pair<TTablaMemoria*, QString>> nombres = {{&dm.vtEstados, "Estado"},
                                                             {&dm.vLocalidades, "Localidad"}};
  for (const auto& [tabla, sCampo] : nombres)
    for (const QString& sValor : Columna(*tabla, sCampo)) {
      EXPECT_TRUE(reNombre.match(sValor).hasMatch()) << sValor.toStdString();
      QStringEncoder cp1252("windows-1252");
      cp1252.encode(sValor);
      EXPECT_FALSE(cp1252.hasError()) << sValor.toStdString();
    }
  const QList<std::pair<TTablaMemoria*, QString>> numeros = {
      {&dm.vtEstados, "IdEstado"},   {&dm.vtEstados, "IdPais"}, {&dm.vLocalidades, "IdLocalidad"},
      {&dm.vLocalidades, "IdEstado"}, {&dm.vLocalidades, "Clave"}, {&dm.vtActVul, "Clave"},
      {&dm.vtEntFin, "Clave"}};
  for (const auto& [tabla, sCampo] : numeros)
    for (const QString& sValor : Columna(*tabla, sCampo))
      EXPECT_TRUE(reNumero.match(sValor).hasMatch()) << sValor.toStdString();
}

TEST(Catalogos, EstadosFollowTheStoredListWithTheirCountryFlag)
{
  TTablaMemoria& tabla = Modulo().vtEstados;
  EXPECT_EQ(Columna(tabla, "Estado"), Lista(CC_ESTADOS));
  const QStringList ids = Columna(tabla, "IdEstado");
  for (qsizetype i = 0; i < ids.size(); ++i)
    EXPECT_EQ(ids[i], QString::number(i + 1));
  const QStringList paises = Columna(tabla, "IdPais");
  const QStringList estados = Columna(tabla, "Estado");
  QStringList mexicanos;
  for (qsizetype i = 0; i < paises.size(); ++i) {
    EXPECT_TRUE(paises[i] == "1" || paises[i] == "2") << paises[i].toStdString();
    if (paises[i] == "1")
      mexicanos << estados[i];
  }
  EXPECT_EQ(mexicanos.size(), 33);
  EXPECT_TRUE(mexicanos.contains("DISTRITO FEDERAL"));
  EXPECT_TRUE(mexicanos.contains("ESTADO DE MEXICO"));
  EXPECT_TRUE(mexicanos.contains("QUINTANA ROO."));
}

TEST(Catalogos, LocalidadesAreKeyedByPositionInAscendingClaveOrder)
{
  const QList<TFila> filas = Localidades();
  ASSERT_EQ(filas.size(), 3684);
  static const QRegularExpression reClave(QStringLiteral("^[0-9]{8}$"));
  for (qsizetype i = 0; i < filas.size(); ++i) {
    EXPECT_EQ(filas[i].nId, i + 1);
    EXPECT_TRUE(reClave.match(filas[i].sClave).hasMatch()) << filas[i].sClave.toStdString();
    EXPECT_TRUE(filas[i].nIdEstado >= 1 && filas[i].nIdEstado <= 199) << filas[i].nIdEstado;
    if (i > 0)
      EXPECT_LT(filas[i - 1].sClave, filas[i].sClave) << filas[i].nId;
  }
}

TEST(Catalogos, MexicanStatesHaveTheirLocalitiesAndGroups)
{
  struct TCaso {
    int nIdEstado;
    QString sEstado;
    int nLocalidades;
    int nPrimerGrupo;
    int nUltimoGrupo;
  };
  const TCaso casos[] = {
      {2, "AGUASCALIENTES", 13, 1, 1},         {15, "BAJA CALIFORNIA NORTE", 34, 2, 2},
      {16, "BAJA CALIFORNIA SUR", 17, 3, 3},    {33, "CAMPECHE", 15, 4, 4},
      {35, "COAHUILA", 58, 5, 5},               {36, "COLIMA", 23, 6, 6},
      {47, "CHIAPAS", 129, 7, 8},               {48, "CHIHUAHUA", 96, 9, 9},
      {52, "DISTRITO FEDERAL", 1, 10, 10},      {53, "DURANGO", 54, 11, 11},
      {60, "ESTADO DE MEXICO", 150, 17, 18},    {72, "GUANAJUATO", 57, 12, 12},
      {77, "GUERRERO", 99, 13, 13},             {82, "HIDALGO", 92, 14, 14},
      {96, "JALISCO", 150, 15, 16},             {121, "MICHOACAN", 131, 19, 20},
      {126, "MORELOS", 38, 21, 21},             {129, "NAYARIT", 42, 22, 22},
      {136, "NUEVO LEON", 58, 23, 23},          {137, "OAXACA", 585, 24, 29},
      {145, "PUEBLA", 247, 30, 32},             {147, "QUERETARO", 23, 33, 33},
      {148, "QUINTANA ROO", 25, 34, 34},        {149, "QUINTANA ROO.", 1, 34, 34},
      {161, "SAN LUIS POTOSI", 68, 35, 35},     {165, "SINALOA", 59, 36, 36},
      {168, "SONORA", 98, 37, 37},              {175, "TABASCO", 31, 38, 38},
      {178, "TAMAULIPAS", 61, 39, 39},          {181, "TLAXCALA", 74, 40, 40},
      {192, "VERACRUZ", 257, 41, 43},           {196, "YUCATAN", 113, 44, 45},
      {197, "ZACATECAS", 62, 46, 46},
  };
  const QStringList paises = Columna(Modulo().vtEstados, "IdPais");
  int nTotal = 0;
  for (const TCaso& caso : casos) {
    EXPECT_EQ(IdDe(caso.sEstado), caso.nIdEstado);
    EXPECT_EQ(paises[caso.nIdEstado - 1], "1") << caso.sEstado.toStdString();
    const QList<TFila> filas = LocalidadesDe(caso.nIdEstado);
    EXPECT_EQ(filas.size(), caso.nLocalidades) << caso.sEstado.toStdString();
    std::set<int> grupos;
    for (const TFila& fila : filas)
      grupos.insert(Grupo(fila).toInt());
    std::set<int> esperados;
    for (int nGrupo = caso.nPrimerGrupo; nGrupo <= caso.nUltimoGrupo; ++nGrupo)
      esperados.insert(nGrupo);
    EXPECT_EQ(grupos, esperados) << caso.sEstado.toStdString();
    nTotal += static_cast<int>(filas.size());
  }
  EXPECT_EQ(nTotal, 2961);
  EXPECT_EQ(paises.count("1"), 33);
}

TEST(Catalogos, ForeignCountriesHoldTheRestWithEuaAndInglaterraLargest)
{
  const QStringList estados = Columna(Modulo().vtEstados, "Estado");
  const QStringList paises = Columna(Modulo().vtEstados, "IdPais");
  std::map<int, int> cuenta;
  for (const TFila& fila : Localidades())
    ++cuenta[fila.nIdEstado];
  int nExtranjeras = 0;
  int nPaises = 0;
  for (int nId = 1; nId <= 199; ++nId) {
    const QString& sEstado = estados[nId - 1];
    EXPECT_EQ(cuenta[nId] == 0, sEstado == "SAHARA ESPAÑOL") << sEstado.toStdString();
    if (paises[nId - 1] != "2" || cuenta[nId] == 0)
      continue;
    nExtranjeras += cuenta[nId];
    ++nPaises;
    if (sEstado != "EUA" && sEstado != "INGLATERRA")
      EXPECT_LT(cuenta[nId], 59) << sEstado.toStdString();
  }
  EXPECT_EQ(nExtranjeras, 723);
  EXPECT_EQ(nPaises, 165);
  EXPECT_EQ(cuenta[IdDe("EUA")], 99);
  EXPECT_EQ(cuenta[IdDe("INGLATERRA")], 59);
}

TEST(Catalogos, GroupsBelongToOneEntryExceptTheSharedOnes)
{
  const QStringList estados = Columna(Modulo().vtEstados, "Estado");
  const QStringList paises = Columna(Modulo().vtEstados, "IdPais");
  QMap<QString, QSet<QString>> duenosDeGrupo;
  QMap<QString, QSet<QString>> gruposDeEstado;
  for (const TFila& fila : Localidades()) {
    const QString& sEstado = estados[fila.nIdEstado - 1];
    const int nGrupo = Grupo(fila).toInt();
    if (paises[fila.nIdEstado - 1] == "1")
      EXPECT_TRUE(nGrupo >= 1 && nGrupo <= 46) << fila.sClave.toStdString();
    else
      EXPECT_TRUE(nGrupo >= 101 && nGrupo <= 702 && nGrupo / 100 <= 7) << fila.sClave.toStdString();
    duenosDeGrupo[Grupo(fila)].insert(sEstado);
    gruposDeEstado[sEstado].insert(Grupo(fila));
  }
  QMap<QString, QSet<QString>> compartidos;
  for (auto it = duenosDeGrupo.cbegin(); it != duenosDeGrupo.cend(); ++it)
    if (it.value().size() > 1)
      compartidos.insert(it.key(), it.value());
  const QMap<QString, QSet<QString>> esperados = {
      {"034", {"QUINTANA ROO", "QUINTANA ROO."}},
      {"430", {"BOSNIA", "CROACIA", "ESLOVENIA", "MACEDONIA"}},
      {"533", {"YEMEN", "YEMEN."}},
  };
  EXPECT_EQ(compartidos, esperados);
  QMap<QString, QSet<QString>> dosGruposExtranjeros;
  for (auto it = gruposDeEstado.cbegin(); it != gruposDeEstado.cend(); ++it)
    if (it.value().size() > 1 && paises[IdDe(it.key()) - 1] == "2")
      dosGruposExtranjeros.insert(it.key(), it.value());
  const QMap<QString, QSet<QString>> dosEsperados = {{"ALEMANIA", {"402", "425"}},
                                                     {"ESPAÑA", {"409", "636"}}};
  EXPECT_EQ(dosGruposExtranjeros, dosEsperados);
  EXPECT_EQ(duenosDeGrupo.value("101"), QSet<QString>({"CANADA"}));
  EXPECT_EQ(duenosDeGrupo.value("501"), QSet<QString>({"AFGANISTAN"}));
  EXPECT_EQ(duenosDeGrupo.value("702"), QSet<QString>({"NUEVA ZELANDA"}));
  EXPECT_EQ(duenosDeGrupo.firstKey(), "001");
  EXPECT_EQ(duenosDeGrupo.lastKey(), "702");
}

TEST(Catalogos, LocalitiesOfAnEntryAreOneRunExceptFiveWithTwo)
{
  const QStringList estados = Columna(Modulo().vtEstados, "Estado");
  QMap<QString, int> tramos;
  int nAnterior = 0;
  for (const TFila& fila : Localidades()) {
    if (fila.nIdEstado != nAnterior)
      ++tramos[estados[fila.nIdEstado - 1]];
    nAnterior = fila.nIdEstado;
  }
  QMap<QString, int> dobles;
  for (auto it = tramos.cbegin(); it != tramos.cend(); ++it)
    if (it.value() != 1)
      dobles.insert(it.key(), it.value());
  const QMap<QString, int> esperados = {
      {"ALEMANIA", 2}, {"ESLOVENIA", 2}, {"ESPAÑA", 2}, {"MACEDONIA", 2}, {"QUINTANA ROO", 2}};
  EXPECT_EQ(dobles, esperados);
}

TEST(Catalogos, TellingRowsSitAtTheirPositions)
{
  const TFila esperadas[] = {
      {1, 2, "AGUASCALIENTES", "00101003"},
      {2, 2, "AGUASCALIENTES LOCALIDADES", "00101027"},
      {386, 52, "DISTRITO FEDERAL", "01001002"},
      {1096, 121, "TINGÜINDIN", "01991002"},
      {1258, 137, "ABEJONES", "02401008"},
      {2137, 149, "PLAYA DEL CARMEN", "03422466"},
      {2962, 34, "CANADA (NO IDENTIFICADOS)", "10100005"},
      {3208, 4, "BONN", "40200103"},
      {3508, 1, "KABUL", "50100107"},
      {3684, 135, "DUNEDIN", "70200403"},
  };
  const QList<TFila> filas = Localidades();
  for (const TFila& esperada : esperadas) {
    const TFila& fila = filas[esperada.nId - 1];
    EXPECT_EQ(fila.nId, esperada.nId);
    EXPECT_EQ(fila.nIdEstado, esperada.nIdEstado) << esperada.nId;
    EXPECT_EQ(fila.sNombre, esperada.sNombre) << esperada.nId;
    EXPECT_EQ(fila.sClave, esperada.sClave) << esperada.nId;
  }
}

TEST(Catalogos, ElevenForeignCountriesHaveOneCatchAllRow)
{
  const QStringList estados = Columna(Modulo().vtEstados, "Estado");
  const QStringList paises = Columna(Modulo().vtEstados, "IdPais");
  QMap<QString, QString> comodines;
  for (const TFila& fila : Localidades())
    if (fila.sNombre.endsWith(" (NO IDENTIFICADOS)") || fila.sNombre.endsWith(" (NO IDENTIFICADO)")) {
      EXPECT_EQ(paises[fila.nIdEstado - 1], "2") << fila.sNombre.toStdString();
      const QString& sEstado = estados[fila.nIdEstado - 1];
      EXPECT_FALSE(comodines.contains(sEstado)) << sEstado.toStdString();
      comodines.insert(sEstado, fila.sNombre);
    }
  const QMap<QString, QString> esperados = {
      {"ALEMANIA", "ALEMANIA (NO IDENTIFICADOS)"},
      {"ARGENTINA", "ARGENTINA (NO IDENTIFICADOS)"},
      {"BRASIL", "BRASIL (NO IDENTIFICADOS)"},
      {"CANADA", "CANADA (NO IDENTIFICADOS)"},
      {"CHINA", "CHINA (NO IDENTIFICADOS)"},
      {"ESPAÑA", "ESPAÑA (NO IDENTIFICADOS)"},
      {"EUA", "ESTADOS UNIDOS (NO IDENTIFICADOS)"},
      {"FRANCIA", "FRANCIA (NO IDENTIFICADO)"},
      {"INGLATERRA", "INGLATERRA (NO IDENTIFICADOS)"},
      {"ITALIA", "ITALIA (NO IDENTIFICADO)"},
      {"JAPON", "JAPON (NO IDENTIFICADOS)"},
  };
  EXPECT_EQ(comodines, esperados);
}

TEST(Catalogos, FilterOnIdEstadoShowsOneEntrysLocalitiesInStoredOrder)
{
  struct TCaso {
    QString sEstado;
    int nFilas;
    QStringList primeras;  // names of the first rows shown
  };
  const TCaso casos[] = {
      {"AGUASCALIENTES", 13, {"AGUASCALIENTES", "AGUASCALIENTES LOCALIDADES"}},
      {"SAHARA ESPAÑOL", 0, {}},
      {"DISTRITO FEDERAL", 1, {"DISTRITO FEDERAL"}},
      {"OAXACA", 585, {"ABEJONES"}},
      {"QUINTANA ROO.", 1, {"PLAYA DEL CARMEN"}},
      {"QUINTANA ROO", 25, {}},
      {"NUEVA ZELANDA", 0, {}},
  };
  for (const TCaso& caso : casos) {
    const int nIdEstado = IdDe(caso.sEstado);
    const QList<TFila> filas = LocalidadesDe(nIdEstado);
    if (caso.nFilas > 0)
      EXPECT_EQ(filas.size(), caso.nFilas) << caso.sEstado.toStdString();
    else if (caso.sEstado == "SAHARA ESPAÑOL")
      EXPECT_TRUE(filas.isEmpty());
    QStringList nombres;
    int nIdAnterior = 0;
    for (const TFila& fila : filas) {
      EXPECT_EQ(fila.nIdEstado, nIdEstado) << caso.sEstado.toStdString();
      EXPECT_GT(fila.nId, nIdAnterior);
      nIdAnterior = fila.nId;
      nombres << fila.sNombre;
    }
    EXPECT_EQ(nombres.mid(0, caso.primeras.size()), caso.primeras) << caso.sEstado.toStdString();
    if (caso.sEstado == "QUINTANA ROO")
      EXPECT_FALSE(nombres.contains("PLAYA DEL CARMEN"));
    if (caso.sEstado == "OAXACA")  // names may repeat within a state, keys never
      EXPECT_GE(nombres.count("RIO GRANDE"), 2);
  }
  EXPECT_EQ(LocalidadesDe(IdDe("NUEVA ZELANDA")).last().sNombre, "DUNEDIN");
  EXPECT_TRUE(LocalidadesDe(0).isEmpty());
}

TEST(Catalogos, FilterStaysSetWhileTheCatalogueIsClosed)
{
  TTablaMemoria& tabla = Modulo().vLocalidades;
  tabla.Open();
  tabla.SetFiltered(false);
  tabla.SetFilter("IdEstado = 2");
  tabla.SetFiltered(true);
  tabla.Close();
  tabla.Open();
  EXPECT_EQ(tabla.RecordCount(), 13);
  EXPECT_EQ(tabla.CampoTexto("Clave"), "00101003");
  tabla.Close();
  tabla.SetFiltered(false);
}

TEST(Catalogos, ActivityKeysAreTheListedSevenDigitKeysWithNullActividad)
{
  struct TCaso {
    TTablaMemoria* tabla;
    const char* sLista;
    int nFilas;
    QString sPrimera;
    QString sUltima;
  };
  TdmMain& dm = Modulo();
  const TCaso casos[] = {
      {&dm.vtActVul, CC_ACTVUL, 79, "3900001", "9505001"},
      {&dm.vtEntFin, CC_ENTFIN, 42, "8100000", "9911018"},
  };
  static const QRegularExpression reClave(QStringLiteral("^[0-9]{7}$"));
  for (const TCaso& caso : casos) {
    const QStringList claves = Columna(*caso.tabla, "Clave");
    EXPECT_EQ(claves, Lista(caso.sLista));
    ASSERT_EQ(claves.size(), caso.nFilas);
    EXPECT_EQ(claves.first(), caso.sPrimera);
    EXPECT_EQ(claves.last(), caso.sUltima);
    for (qsizetype i = 0; i < claves.size(); ++i) {
      EXPECT_TRUE(reClave.match(claves[i]).hasMatch()) << claves[i].toStdString();
      if (i > 0)
        EXPECT_LT(claves[i - 1], claves[i]);
    }
    caso.tabla->Open();
    for (caso.tabla->First(); !caso.tabla->Eof(); caso.tabla->Next())
      EXPECT_TRUE(caso.tabla->EsNulo("Actividad"));
    caso.tabla->Close();
  }
  const QStringList actividades = Lista(CC_ACTVUL);
  const QSet<QString> vulnerables(actividades.cbegin(), actividades.cend());
  for (const QString& sClave : Columna(dm.vtEntFin, "Clave"))
    EXPECT_FALSE(vulnerables.contains(sClave)) << sClave.toStdString();
}

}  // namespace
