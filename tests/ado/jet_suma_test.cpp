// SUM keeps Currency exact: values of up to four decimals add as integers scaled by 10,000,
// and the result is the double nearest the exact total (a double sum drifts off it).
#include "jet_base.h"

#include <gtest/gtest.h>

namespace {

struct TCasoSuma {
  const char* sNombre;
  const char* sValores;  // SQL VALUES list
  const char* sExacto;   // the exact total as decimal text
};

class SumaJet : public ::testing::TestWithParam<TCasoSuma> {};

TEST_P(SumaJet, EsLaMasCercanaAlTotalExacto) {
  TBaseJet base;
  base.Ejecuta(QStringLiteral("CREATE TABLE m (Importe REAL); INSERT INTO m VALUES ") +
               QLatin1String(GetParam().sValores));
  const QString sEsperado = QStringLiteral("Total\n") + QString::number(QByteArray(GetParam().sExacto).toDouble(), 'g', 17);
  EXPECT_EQ(base.Consulta(QStringLiteral("SELECT SUM(Importe) AS Total FROM m")).toStdString(), sEsperado.toStdString());
}

const TCasoSuma CC_SUMAS[] = {
    {"LimiteDeRedondeo", "(1.005), (1.005), (1.005)", "3.015"},  // a double sum gives 3.0149999999999997
    {"Decimos", "(0.1), (0.2), (0.3)", "0.6"},
    {"Negativos", "(-0.1), (0.3), (-1.0005)", "-0.8005"},
    {"MasAllaDeDosALa53", "(900000000000.1), (900000000000.2)", "1800000000000.3"},
    {"ConValorNoDecimal", "(0.5), (0.333333333333)", "0.833333333333"},
};

INSTANTIATE_TEST_SUITE_P(Jet, SumaJet, ::testing::ValuesIn(CC_SUMAS),
                         [](const auto& info) { return std::string(info.param.sNombre); });

}  // namespace
