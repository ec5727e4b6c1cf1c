#include "report/VariablesReporte.h"

#include <gtest/gtest.h>

namespace {

struct TCasoValor {
  const char* sCaso;
  std::optional<QString> valor;
  std::optional<QString> impreso;
};

class ReglaValor : public ::testing::TestWithParam<TCasoValor> {};

TEST_P(ReglaValor, ImprimeSegunLaRegla)
{
  TVariablesReporte v;
  v.AgregaCategoria("Cuestionario");
  v.AgregaVariable("preg_1", std::nullopt);
  if (GetParam().valor)
    v.SetVariable("Cuestionario", "preg_1", *GetParam().valor);
  EXPECT_EQ(v.TextoImpreso("preg_1"), GetParam().impreso);
}

INSTANTIATE_TEST_SUITE_P(
    Valores, ReglaValor,
    ::testing::Values(
        TCasoValor{"literal", "'MÉRIDA (CLAVE: 31050)'", "MÉRIDA (CLAVE: 31050)"},
        TCasoValor{"comilla_doblada", "'O''HIGGINS'", "O'HIGGINS"},
        TCasoValor{"literal_vacio", "''", ""},
        TCasoValor{"blancos_alrededor", "  'X'  ", "X"},
        TCasoValor{"crlf_literal", "MÉRIDA\r\n(CLAVE: 31050)", "MÉRIDA\r\n(CLAVE: 31050)"},
        TCasoValor{"crlf_con_comillas", "'A'\r\n'B'", "'A'\r\n'B'"},
        TCasoValor{"numero", "12345", "12345"},
        TCasoValor{"numero_decimal", "-1.50", "-1.50"},
        TCasoValor{"nulo", std::nullopt, std::nullopt},
        TCasoValor{"comilla_sin_doblar", "'O'HIGGINS'", "'O'HIGGINS'"},
        TCasoValor{"sin_comillas", "TEXTO LIBRE", "TEXTO LIBRE"},
        TCasoValor{"lf_solo_sin_comillas", "A\nB", "A\nB"},
        TCasoValor{"comilla_sin_cerrar", "'ABC", "'ABC"}),
    [](const auto& info) { return std::string(info.param.sCaso); });

TVariablesReporte DosCategorias()
{
  TVariablesReporte v;
  v.AgregaCategoria("Cuestionario");
  v.AgregaVariable("NombreCC", "'Inicial'");
  v.AgregaVariable("preg_1", std::nullopt);
  v.AgregaCategoria("Otra");
  v.AgregaVariable("otra_1", "'X'");
  return v;
}

TEST(SetVariable, ReemplazaLaExistenteSinMoverla)
{
  TVariablesReporte v = DosCategorias();
  v.SetVariable("Cuestionario", "preg_1", "'UNO'");
  EXPECT_EQ(v.Entradas(), (QStringList{" Cuestionario", "NombreCC", "preg_1", " Otra", "otra_1"}));
  EXPECT_EQ(v.TextoImpreso("preg_1"), "UNO");
}

TEST(SetVariable, EncuentraLaCategoriaSinDistinguirMayusculas)
{
  TVariablesReporte v = DosCategorias();
  v.SetVariable("CUESTIONARIO", "preg_1", "'UNO'");
  EXPECT_EQ(v.TextoImpreso("preg_1"), "UNO");
}

TEST(SetVariable, ReemplazaUnaVariableDeOtraCategoria)
{
  TVariablesReporte v = DosCategorias();
  v.SetVariable("Cuestionario", "otra_1", "'Y'");
  EXPECT_EQ(v.Entradas(), (QStringList{" Cuestionario", "NombreCC", "preg_1", " Otra", "otra_1"}));
  EXPECT_EQ(v.TextoImpreso("otra_1"), "Y");
}

TEST(SetVariable, AgregaLaNuevaTrasLaUltimaDeSuCategoria)
{
  TVariablesReporte v = DosCategorias();
  v.SetVariable("Cuestionario", "preg_9", "'NUEVA'");
  v.SetVariable("Otra", "otra_2", "'FIN'");
  EXPECT_EQ(v.Entradas(), (QStringList{" Cuestionario", "NombreCC", "preg_1", "preg_9", " Otra",
                                       "otra_1", "otra_2"}));
  EXPECT_EQ(v.TextoImpreso("preg_9"), "NUEVA");
}

TEST(SetVariable, CategoriaDesconocidaNoCambiaNada)
{
  TVariablesReporte v = DosCategorias();
  v.SetVariable("Encuesta", "preg_1", "'UNO'");
  v.SetVariable("Encuesta", "preg_9", "'UNO'");
  EXPECT_EQ(v.Entradas(), (QStringList{" Cuestionario", "NombreCC", "preg_1", " Otra", "otra_1"}));
  EXPECT_EQ(v.TextoImpreso("preg_1"), std::nullopt);
}

TEST(RestauraValoresIniciales, DevuelveLosValoresYQuitaLasAgregadas)
{
  TVariablesReporte v = DosCategorias();
  v.SetVariable("Cuestionario", "NombreCC", "'Casa de Cambio'");
  v.SetVariable("Cuestionario", "preg_1", "'UNO'");
  v.SetVariable("Cuestionario", "preg_9", "'NUEVA'");
  v.RestauraValoresIniciales();
  EXPECT_EQ(v.Entradas(), (QStringList{" Cuestionario", "NombreCC", "preg_1", " Otra", "otra_1"}));
  EXPECT_EQ(v.TextoImpreso("NombreCC"), "Inicial");
  EXPECT_EQ(v.TextoImpreso("preg_1"), std::nullopt);
}

TEST(TextoImpreso, VariableDesconocidaNoImprimeNada)
{
  EXPECT_EQ(DosCategorias().TextoImpreso("preg_77"), std::nullopt);
}

}  // namespace
