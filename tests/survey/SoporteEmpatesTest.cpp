// Ties in the ranking behind an answer: which rows are marked and what the reader is told.
#include <gtest/gtest.h>

#include "survey/Soporte.h"

namespace {

struct TCasoEmpate {
  const char* sNombre;
  int nMostrados;
  QList<int> Cifras;  // rows in delivery order
  QList<bool> Empates;
  QStringList Explicaciones;
};

TRankingSoporte Ranking(const TCasoEmpate& Caso)
{
  TRankingSoporte ranking;
  ranking.nMostrados = Caso.nMostrados;
  for (int i = 0; i < Caso.Cifras.size(); ++i) {
    TFilaSoporte fila;
    fila.nLugar = i + 1;
    fila.sValor = QString(QChar('A' + i));
    fila.Cifra = Caso.Cifras[i];
    fila.sCifra = QString::number(Caso.Cifras[i]);
    fila.bMostrada = fila.nLugar <= Caso.nMostrados;
    ranking.Filas << fila;
  }
  return ranking;
}

class Empates : public ::testing::TestWithParam<TCasoEmpate> {};

TEST_P(Empates, MarcaYExplica)
{
  TRankingSoporte ranking = Ranking(GetParam());
  MarcaEmpates(ranking);
  QList<bool> Marcadas;
  for (const TFilaSoporte& fila : ranking.Filas)
    Marcadas << fila.bEmpate;
  EXPECT_EQ(Marcadas, GetParam().Empates);
  QStringList Explicaciones;
  for (const TEmpateSoporte& empate : ranking.Empates)
    Explicaciones << empate.sExplicacion;
  EXPECT_EQ(Explicaciones, GetParam().Explicaciones);
}

const QString CC_ORDEN = QStringLiteral(
    ". La consulta ordena solo por la cifra y no desempata: se tomó el orden en que el motor de datos entregó las "
    "filas.");

INSTANTIATE_TEST_SUITE_P(
    Casos, Empates,
    ::testing::Values(
        TCasoEmpate{"SinEmpate", 2, {9, 5, 4}, {false, false, false}, {}},
        TCasoEmpate{"DentroDeLosMostrados", 3, {9, 5, 5, 4}, {false, true, true, false},
                    {"Empate: «B» y «C» tienen la misma cifra (5). El cuestionario muestra «B» en el lugar 2 y «C» "
                     "en el lugar 3" + CC_ORDEN}},
        TCasoEmpate{"AtraviesaElCorte", 1, {7, 7, 7, 2}, {true, true, true, false},
                    {"Empate: «A», «B» y «C» tienen la misma cifra (7). El cuestionario muestra «A» en el lugar 1; "
                     "«B» (fila 2) y «C» (fila 3) quedan fuera del único lugar que muestra" + CC_ORDEN}},
        TCasoEmpate{"FueraDelCorteNoCuenta", 1, {9, 3, 3}, {false, false, false}, {}}),
    [](const auto& Info) { return std::string(Info.param.sNombre); });

}  // namespace
