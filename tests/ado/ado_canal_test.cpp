#include "ado/CanalFilas.h"
#include "ado/ErrorADO.h"
#include "ado_ayuda.h"

#include <atomic>
#include <string>

namespace {

// nFallaEn < 0: the producer makes nFilas rows; otherwise it throws after nFallaEn rows.
struct TCasoCanal {
  qint64 nFilas;
  qint64 nFallaEn;
};

class CanalFilas : public testing::TestWithParam<TCasoCanal> {};

// Rows cross batches in order, with their texts, read in runs of any length; a producer's
// error comes after its rows.
TEST_P(CanalFilas, EntregaEnOrdenYDespuesElError) {
  const TCasoCanal Caso = GetParam();
  ado::TCanalFilas Canal(3, [&](ado::TCanalFilas& Salida) {
    for (qint64 i = 0; i < Caso.nFilas; ++i) {
      if (i == Caso.nFallaEn) throw ado::EErrorADO(ado::CC_ERROR_CONSULTA, QStringLiteral("falla"));
      ado::TCelda* pFila = Salida.NuevaFila();
      pFila[0].eClase = ado::TClaseCelda::Entero;
      pFila[0].nEntero = i;
      pFila[1].eClase = i % 7 == 0 ? ado::TClaseCelda::Nulo : ado::TClaseCelda::Real;
      pFila[1].dReal = double(i) / 4;
      pFila[2].eClase = ado::TClaseCelda::Texto;
      pFila[2].sDatos = std::string(size_t(i % 5), 'a') + std::to_string(i);
    }
  });
  qint64 nLeidas = 0;
  bool bError = false;
  try {
    const ado::TCelda* pFilas = nullptr;
    size_t nMaximo = 1;
    while (const size_t nFilas = Canal.Siguientes(pFilas, nMaximo)) {
      ASSERT_LE(nFilas, nMaximo);
      for (const ado::TCelda* pFila = pFilas; pFila < pFilas + 3 * nFilas; pFila += 3) {
        ASSERT_EQ(pFila[0].nEntero, nLeidas);
        ASSERT_EQ(pFila[1].eClase, nLeidas % 7 == 0 ? ado::TClaseCelda::Nulo : ado::TClaseCelda::Real);
        if (nLeidas % 7 != 0) ASSERT_EQ(pFila[1].dReal, double(nLeidas) / 4);
        ASSERT_EQ(pFila[2].sDatos, std::string(size_t(nLeidas % 5), 'a') + std::to_string(nLeidas));
        ++nLeidas;
      }
      nMaximo = nMaximo % 37 + 1;  // runs of every length, across the ends of batches
    }
  } catch (const ado::EErrorADO&) {
    bError = true;
  }
  EXPECT_EQ(bError, Caso.nFallaEn >= 0);
  EXPECT_EQ(nLeidas, Caso.nFallaEn >= 0 ? Caso.nFallaEn : Caso.nFilas);
}

INSTANTIATE_TEST_SUITE_P(Casos, CanalFilas,
                         testing::Values(TCasoCanal{0, -1}, TCasoCanal{1, -1}, TCasoCanal{100000, -1},
                                         TCasoCanal{100000, 0}, TCasoCanal{100000, 70001}));

// A caller that stops reading (an insert failed) stops the producer instead of waiting for it.
TEST(CanalFilas, ElQueDejaDeLeerDetieneAlProductor) {
  std::atomic<qint64> nHechas = 0;
  {
    ado::TCanalFilas Canal(2, [&](ado::TCanalFilas& Salida) {
      for (;;) {
        Salida.NuevaFila()[0].nEntero = 1;
        ++nHechas;
      }
    });
    const ado::TCelda* pFilas = nullptr;
    ASSERT_EQ(Canal.Siguientes(pFilas, 1), 1u);
  }
  EXPECT_GT(nHechas.load(), 0);
}

}  // namespace
