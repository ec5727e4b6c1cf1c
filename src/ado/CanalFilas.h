#pragma once

#include "ado/LectorTabla.h"

#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace ado {

// Rows made on a thread of their own while the caller stores earlier ones, so decoding a
// table and inserting it use two cores. Rows reach the caller in the order made, in
// batches whose cells keep their capacity from batch to batch. An error of the producer
// reaches the caller after the rows made before it.
class TCanalFilas {
 public:
  // Produce calls NuevaFila() once per row and fills the cells it returns (nColumnas of them).
  TCanalFilas(size_t nColumnas, std::function<void(TCanalFilas&)> Produce);
  ~TCanalFilas();  // stops the producer if the caller gave up early
  TCanalFilas(const TCanalFilas&) = delete;
  TCanalFilas& operator=(const TCanalFilas&) = delete;

  // Producer side: the cells of the next row.
  TCelda* NuevaFila();
  // Caller side: the cells of the next rows (nColumnas per row, one after another), at least
  // one and at most nMaximo of them, valid until the next call; 0 after the last. Rethrows
  // the producer's error.
  size_t Siguientes(const TCelda*& pFilas, size_t nMaximo);

 private:
  struct TLote {
    std::vector<TCelda> Celdas;
    size_t nFilas = 0;
  };
  struct TParada {};  // unwinds the producer when the caller gave up

  void Entrega();  // producer: hands its batch over and takes a free one
  void Corre(const std::function<void(TCanalFilas&)>& Produce);

  const size_t F_nColumnas;
  std::vector<TLote> F_Lotes;
  std::mutex F_Cerrojo;
  std::condition_variable F_Cambio;
  std::vector<size_t> F_Libres;  // batches the producer may fill
  std::vector<size_t> F_Llenos;  // filled batches, oldest first
  bool F_bTermino = false;
  bool F_bParar = false;
  std::exception_ptr F_Error;
  size_t F_nProduce = 0;  // the producer's batch
  size_t F_nLee = 0;      // the caller's batch
  size_t F_nFilaLeida = 0;
  bool F_bLeyendo = false;
  std::thread F_Hilo;  // last: starts after everything it uses
};

}  // namespace ado
