#include "ado/CanalFilas.h"

#include <algorithm>

namespace ado {
namespace {

// Enough rows per batch that handing one over is rare; three batches let both sides work.
constexpr size_t CC_CELDAS_POR_LOTE = 1 << 14;
constexpr size_t CC_LOTES = 3;

}  // namespace

TCanalFilas::TCanalFilas(size_t nColumnas, std::function<void(TCanalFilas&)> Produce)
    : F_nColumnas(std::max<size_t>(nColumnas, 1)), F_Lotes(CC_LOTES) {
  for (TLote& Lote : F_Lotes) Lote.Celdas.resize(std::max<size_t>(CC_CELDAS_POR_LOTE / F_nColumnas, 1) * F_nColumnas);
  for (size_t i = 1; i < CC_LOTES; ++i) F_Libres.push_back(i);
  F_nProduce = 0;
  F_Hilo = std::thread([this, Produce = std::move(Produce)] { Corre(Produce); });
}

TCanalFilas::~TCanalFilas() {
  {
    const std::lock_guard<std::mutex> Cerrojo(F_Cerrojo);
    F_bParar = true;
  }
  F_Cambio.notify_all();
  F_Hilo.join();
}

void TCanalFilas::Corre(const std::function<void(TCanalFilas&)>& Produce) {
  std::exception_ptr Error;
  try {
    Produce(*this);
  } catch (const TParada&) {
  } catch (...) {
    Error = std::current_exception();
  }
  {
    const std::lock_guard<std::mutex> Cerrojo(F_Cerrojo);
    if (!F_bParar && F_Lotes[F_nProduce].nFilas > 0) F_Llenos.push_back(F_nProduce);
    F_Error = Error;
    F_bTermino = true;
  }
  F_Cambio.notify_all();
}

TCelda* TCanalFilas::NuevaFila() {
  TLote* pLote = &F_Lotes[F_nProduce];
  if ((pLote->nFilas + 1) * F_nColumnas > pLote->Celdas.size()) {
    Entrega();
    pLote = &F_Lotes[F_nProduce];
  }
  return &pLote->Celdas[pLote->nFilas++ * F_nColumnas];
}

void TCanalFilas::Entrega() {
  std::unique_lock<std::mutex> Cerrojo(F_Cerrojo);
  F_Llenos.push_back(F_nProduce);
  F_Cambio.notify_all();
  F_Cambio.wait(Cerrojo, [this] { return F_bParar || !F_Libres.empty(); });
  if (F_bParar) throw TParada{};
  F_nProduce = F_Libres.back();
  F_Libres.pop_back();
  F_Lotes[F_nProduce].nFilas = 0;
}

size_t TCanalFilas::Siguientes(const TCelda*& pFilas, size_t nMaximo) {
  if (!F_bLeyendo || F_nFilaLeida >= F_Lotes[F_nLee].nFilas) {
    std::unique_lock<std::mutex> Cerrojo(F_Cerrojo);
    if (F_bLeyendo) {
      F_Libres.push_back(F_nLee);
      F_bLeyendo = false;
      F_Cambio.notify_all();
    }
    F_Cambio.wait(Cerrojo, [this] { return F_bTermino || !F_Llenos.empty(); });
    if (F_Llenos.empty()) {
      if (F_Error) std::rethrow_exception(F_Error);
      return 0;
    }
    F_nLee = F_Llenos.front();
    F_Llenos.erase(F_Llenos.begin());
    F_bLeyendo = true;
    F_nFilaLeida = 0;
  }
  const TLote& Lote = F_Lotes[F_nLee];
  const size_t nFilas = std::min(nMaximo, Lote.nFilas - F_nFilaLeida);
  pFilas = &Lote.Celdas[F_nFilaLeida * F_nColumnas];
  F_nFilaLeida += nFilas;
  return nFilas;
}

}  // namespace ado
