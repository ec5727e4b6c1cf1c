#include <gtest/gtest.h>

#include "db/DialogosGrabados.h"
#include "db/ErroresBD.h"

namespace {

// A catalogue with one silent code besides the database codes.
class TErroresSilencio : public TManejadorErrores {
 public:
  TErroresSilencio() { RegistraErrores(); }

 protected:
  void RegistraErrores() override {
    RegistraError("X-1", "Silencio.", "solo para el log", false);
  }
};

TEST(ErroresBD, MuestraErrorRegistradoConTextoDelCatalogo) {
  TInstalaDialogos Dialogos;
  TErroresBD Errores;
  Errores.MuestraError("BD-101", "EConsultaADO - No existe la tabla tFoo.");
  ASSERT_EQ(Dialogos->Mensajes,
            QStringList{"Error #BD-101: Llame a Soporte Técnico. EConsultaADO - No existe la tabla tFoo."});
}

TEST(ErroresBD, MuestraErrorNoRegistradoSinDosPuntosNiCatalogo) {
  TInstalaDialogos Dialogos;
  TErroresBD Errores;
  Errores.MuestraError("BD-999", "algo");
  ASSERT_EQ(Dialogos->Mensajes, QStringList{"Error #BD-999 algo"});
}

TEST(ErroresBD, MuestraErrorRegistradoSilenciosoNoMuestraNada) {
  TInstalaDialogos Dialogos;
  TErroresSilencio Errores;
  Errores.MuestraError("X-1", "algo");
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
  // The flag plays no part when only the text is built.
  EXPECT_EQ(Errores.DameErrorMsj("X-1", "algo", false), "Silencio. algo");
}

TEST(ErroresBD, RegistrarDosVecesUnCodigoEsUnErrorDeProgramacion) {
  class TDoble : public TManejadorErrores {
   public:
    TDoble() { RegistraErrores(); }
   protected:
    void RegistraErrores() override {
      RegistraError("A", "", "", true);
      RegistraError("A", "", "", true);
    }
  };
  EXPECT_THROW(TDoble(), std::logic_error);
}

struct TCasoMsj {
  const char* sClave;
  const char* sAdicional;
  bool bIncluyeClave;
  const char* sEsperado;
};

class DameErrorMsj : public testing::TestWithParam<TCasoMsj> {};

TEST_P(DameErrorMsj, ConstruyeElTextoSinMostrarlo) {
  TInstalaDialogos Dialogos;
  TErroresBD Errores;
  const TCasoMsj& Caso = GetParam();
  EXPECT_EQ(Errores.DameErrorMsj(Caso.sClave, QString::fromUtf8(Caso.sAdicional), Caso.bIncluyeClave),
            QString::fromUtf8(Caso.sEsperado));
  EXPECT_TRUE(Dialogos->Mensajes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Casos, DameErrorMsj,
    testing::Values(TCasoMsj{"BD-101", "E - m", false, "Llame a Soporte Técnico. E - m"},
                    TCasoMsj{"BD-101", "E - m", true, "Error #BD-101: Llame a Soporte Técnico. E - m"},
                    TCasoMsj{"BD-101", "", false, "Llame a Soporte Técnico. "},
                    TCasoMsj{"ZZ", "", false, "Error desconocido"},
                    TCasoMsj{"ZZ", "", true, "Error #ZZ: Error desconocido"},
                    TCasoMsj{"ZZ", "texto", false, "texto"},
                    TCasoMsj{"ZZ", "texto", true, "Error #ZZ: texto"},
                    TCasoMsj{"bd-101", "x", false, "x"}));

}  // namespace
