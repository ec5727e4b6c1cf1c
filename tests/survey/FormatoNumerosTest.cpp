#include <gtest/gtest.h>

#include <QLocale>

#include "survey/FormatoNumeros.h"

namespace {

struct TCasoFormato {
  double dValor;
  const char* sEntero;         // "#,##0"
  const char* sEnteroSinCero;  // "#,###"
  const char* sDosDecimales;   // "#,###.00"
};

class FormatoNumerosC : public ::testing::TestWithParam<TCasoFormato> {};

TEST_P(FormatoNumerosC, PatronesConSeparadoresDeC) {
  const QLocale c(QLocale::C);
  const TCasoFormato& caso = GetParam();
  EXPECT_EQ(FormatoEntero(caso.dValor, c), QString::fromUtf8(caso.sEntero));
  EXPECT_EQ(FormatoEnteroSinCero(caso.dValor, c), QString::fromUtf8(caso.sEnteroSinCero));
  EXPECT_EQ(FormatoDosDecimales(caso.dValor, c), QString::fromUtf8(caso.sDosDecimales));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormatoNumerosC,
    ::testing::Values(TCasoFormato{0, "0", "", ".00"},
                      TCasoFormato{0.5, "1", "1", ".50"},
                      TCasoFormato{0.49, "0", "", ".49"},
                      TCasoFormato{0.004, "0", "", ".00"},
                      TCasoFormato{0.005, "0", "", ".01"},
                      TCasoFormato{1.005, "1", "1", "1.01"},
                      TCasoFormato{2.5, "3", "3", "2.50"},
                      TCasoFormato{12, "12", "12", "12.00"},
                      TCasoFormato{999.995, "1,000", "1,000", "1,000.00"},
                      TCasoFormato{1234, "1,234", "1,234", "1,234.00"},
                      TCasoFormato{1500, "1,500", "1,500", "1,500.00"},
                      TCasoFormato{1234567.5, "1,234,568", "1,234,568", "1,234,567.50"},
                      TCasoFormato{1000000, "1,000,000", "1,000,000", "1,000,000.00"},
                      TCasoFormato{-1234.5, "-1,235", "-1,235", "-1,234.50"},
                      TCasoFormato{-0.4, "0", "", "-.40"}));

TEST(FormatoNumeros, MenosCeroRedondeadoNoLlevaSigno) {
  const QLocale c(QLocale::C);
  EXPECT_EQ(FormatoDosDecimales(-0.001, c), QStringLiteral(".00"));
  EXPECT_EQ(FormatoEntero(-0.4, c), QStringLiteral("0"));
}

TEST(FormatoNumeros, SeparadoresDeOtraRegion) {
  const QLocale aleman(QLocale::German, QLocale::Germany);
  EXPECT_EQ(FormatoEntero(1234567, aleman), QStringLiteral("1.234.567"));
  EXPECT_EQ(FormatoEnteroSinCero(1234, aleman), QStringLiteral("1.234"));
  EXPECT_EQ(FormatoDosDecimales(1234567.5, aleman), QStringLiteral("1.234.567,50"));
  EXPECT_EQ(FormatoDosDecimales(0.5, aleman), QStringLiteral(",50"));
}

TEST(FormatoNumeros, SinRegionUsaLaDelSistema) {
  const QLocale sistema = QLocale::system();
  EXPECT_EQ(FormatoEntero(1234), FormatoEntero(1234, sistema));
  EXPECT_EQ(FormatoEnteroSinCero(0), QString());
  EXPECT_EQ(FormatoDosDecimales(1234.5), FormatoDosDecimales(1234.5, sistema));
}

}  // namespace
