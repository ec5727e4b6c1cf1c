#include "report/Fuentes.h"

#include <gtest/gtest.h>

#include <QFontInfo>

namespace {

struct TCasoFuente {
  const char* sPedida;
  const char* sResuelta;
};

class Fuentes : public ::testing::TestWithParam<TCasoFuente> {};

TEST_P(Fuentes, ResuelvenAUnaFuenteCompatible)
{
  RegistraFuentesReporte();
  EXPECT_EQ(QFontInfo(QFont(GetParam().sPedida)).family(), GetParam().sResuelta);
}

INSTANTIATE_TEST_SUITE_P(Plantilla, Fuentes,
                         ::testing::Values(TCasoFuente{"Arial", "Liberation Sans"},
                                           TCasoFuente{"Arial Narrow", "Liberation Sans Narrow"},
                                           TCasoFuente{"Tahoma", "Tahoma"}));

}  // namespace
